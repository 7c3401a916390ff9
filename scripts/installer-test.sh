#!/usr/bin/env bash
# The installer in a fresh Wine prefix: silent install; the files, the Start
# menu entry, the uninstall entry and the context-menu keys; the installed
# program started with a folder; the uninstaller refusing while the program
# runs; silent uninstall; everything gone and the user's folder untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

setup=$PWD/build/Folvane-1.0-setup.exe
if [ ! -f "$setup" ]; then
  echo "$setup is missing: run make installer first" >&2
  exit 1
fi
work=$PWD/build/installer-test
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  folvane_stop_all
}
trap cleanup EXIT
rm -rf "$work"
mkdir -p "$work"
folvane_start_xvfb "$work/xvfb.log"
folvane_prefix "$work/prefix" fresh

failures=0
check() {  # description, command...
  if "${@:2}" >/dev/null 2>&1; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
wine_run() { timeout -k 5 120 "$WINE64" "$@" </dev/null; }
reg_line() {  # key value-name ("" for the default value)
  local args=(/v "$2")
  [ -z "$2" ] && args=(/ve)
  wine_run reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' | grep -m1 'REG_' || true
}
reg_is() {  # key value-name type expected
  local line
  line=$(reg_line "$1" "$2")
  # "    name    REG_SZ    value"
  [ "$(awk -F '    ' '{ print $3 "|" $4 }' <<<"$line")" = "$3|$4" ]
}
key_exists() { wine_run reg query "$1" >/dev/null 2>&1; }
key_absent() { ! key_exists "$1"; }

user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n1)
local_win="C:\\users\\$user\\AppData\\Local"
inst_win="$local_win\\Programs\\Folvane"
inst="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Folvane"
menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Folvane.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Folvane'
folder_verb='HKCU\Software\Classes\Directory\shell\Folvane'
background_verb='HKCU\Software\Classes\Directory\Background\shell\Folvane'

# A folder the user customized; its desktop.ini names an icon that is not
# there, so a program that receives the folder whole says so in a box.
user_folder="$WINEPREFIX/drive_c/Work & Play 100%"
user_folder_win='C:\Work & Play 100%'
mkdir -p "$user_folder"
printf '[.ShellClassInfo]\r\nIconFile=missing.ico\r\nIconIndex=0\r\n' >"$user_folder/desktop.ini"

echo "== silent install"
check "installer exits with 0" wine_run "$setup" /S
check "program installed" test -f "$inst/Folvane.exe"
check "uninstaller installed" test -f "$inst/Uninstall.exe"
check "Start menu entry" test -f "$menu"
check "DisplayName" reg_is "$uninstall_key" DisplayName REG_SZ "Folvane 1.0"
check "DisplayVersion" reg_is "$uninstall_key" DisplayVersion REG_SZ "1.0"
check "Publisher" reg_is "$uninstall_key" Publisher REG_SZ "Folvane team"
check "DisplayIcon" reg_is "$uninstall_key" DisplayIcon REG_SZ "$inst_win\\Folvane.exe,0"
check "UninstallString" reg_is "$uninstall_key" UninstallString REG_SZ "\"$inst_win\\Uninstall.exe\""
check "QuietUninstallString" reg_is "$uninstall_key" QuietUninstallString REG_SZ "\"$inst_win\\Uninstall.exe\" /S"
check "InstallLocation" reg_is "$uninstall_key" InstallLocation REG_SZ "$inst_win"
check "folder verb text" reg_is "$folder_verb" "" REG_SZ "Customize folder with Folvane"
check "folder verb command" reg_is "$folder_verb\\command" "" REG_SZ "\"$inst_win\\Folvane.exe\" \"%1\""
check "background verb text" reg_is "$background_verb" "" REG_SZ "Customize folder with Folvane"
check "background verb command" reg_is "$background_verb\\command" "" REG_SZ "\"$inst_win\\Folvane.exe\" \"%V\""

echo "== the installed program started with a folder"
timeout -k 5 120 "$WINE64" "$inst_win\\Folvane.exe" "$user_folder_win" </dev/null >"$work/program.log" 2>&1 &
program_pid=$!
box_seen() {
  local i
  for i in $(seq 1 100); do
    xdotool search --onlyvisible --name '^Folvane 1\.0$' >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}
check "program read the folder's desktop.ini (its error box shows)" box_seen
sleep 1
import -window root "$work/program.png" 2>/dev/null || true

echo "== uninstall while the program runs"
# _?= keeps the uninstaller in place, so its exit code is the one it ends with.
refused=0
wine_run "$inst_win\\Uninstall.exe" /S "_?=$inst_win" || refused=$?
check "silent uninstaller refuses with exit code 2" test "$refused" = 2
check "program still installed" test -f "$inst/Folvane.exe"
check "uninstall entry still there" key_exists "$uninstall_key"
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=""

echo "== silent uninstall"
check "uninstaller exits with 0" wine_run "$inst_win\\Uninstall.exe" /S
# It runs on from a copy in the temp folder: wait for every Wine process.
timeout -k 5 120 "$WINESERVER" -w || true
check "program removed" test ! -e "$inst/Folvane.exe"
check "uninstaller removed" test ! -e "$inst/Uninstall.exe"
check "install folder removed" test ! -e "$inst"
check "Start menu entry removed" test ! -e "$menu"
check "uninstall entry removed" key_absent "$uninstall_key"
check "folder verb removed" key_absent "$folder_verb"
check "background verb removed" key_absent "$background_verb"
check "the user's folder customization stays" test -f "$user_folder/desktop.ini"

if [ "$failures" -ne 0 ]; then
  echo "$failures installer check(s) failed" >&2
  exit 1
fi
echo "installer: all checks passed"
