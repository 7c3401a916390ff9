; The per-user installer: no administrator rights, everything under the
; user's own folders and HKCU, and an uninstaller that removes exactly that.
; scripts/installer.sh builds it: makensis -DPROGRAM=<x86_64 Folvane.exe>
; -DOUTFILE=<setup.exe> [-DICON=<Folvane.ico>] installer/Folvane.nsi

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef PROGRAM
  !error "PROGRAM must name the x86_64 Folvane.exe"
!endif
!ifndef OUTFILE
  !define OUTFILE "Folvane-1.0-setup.exe"
!endif

!define PRODUCT "Folvane"
!define VERSION "1.0"
!define PUBLISHER "Folvane team"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Folvane"
!define FOLDER_VERB "Software\Classes\Directory\shell\Folvane"
!define BACKGROUND_VERB "Software\Classes\Directory\Background\shell\Folvane"
!define VERB_TEXT "Customize folder with Folvane"
; The running program is found by its main window: class and caption.
!define MAIN_WINDOW_CLASS "TForm1"
!define MAIN_WINDOW_CAPTION "Folvane"
!define WM_CLOSE 0x0010

Name "${PRODUCT} ${VERSION}"
Caption "${PRODUCT} ${VERSION} Setup"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"
!ifdef ICON
  Icon "${ICON}"
  UninstallIcon "${ICON}"
!endif

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "${PRODUCT} ${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "1.0.0.0"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Freeware"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Closing the program before its files are replaced or removed: it keeps no
; unsaved work, so it is asked to close (after the user agrees). A silent
; run changes nothing and ends with exit code 2 instead.
!macro CLOSE_RUNNING_PROGRAM un
Function ${un}CloseRunningProgram
  StrCpy $1 0  ; tenths of a second waited since the user agreed
  check:
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_CAPTION}"
    IntCmp $0 0 done
    IfSilent refuse
    IntCmp $1 0 ask wait wait
  ask:
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION \
        "${PRODUCT} is running.$\r$\n$\r$\nPress OK to close it and continue, or Cancel to stop." IDOK close
    Goto refuse
  close:
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  wait:
    Sleep 100
    IntOp $1 $1 + 1
    IntCmp $1 50 0 check
    StrCpy $1 0  ; still running after five seconds: ask again
    Goto check
  refuse:
    SetErrorLevel 2
    Quit
  done:
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."

Function .onInit
  SetShellVarContext current
  Call CloseRunningProgram
FunctionEnd

Section "${PRODUCT}"
  SetOutPath "$INSTDIR"
  File "/oname=Folvane.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Folvane.exe" "" "$INSTDIR\Folvane.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Folvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; Quoted, so folders with blanks, "&" or "%" arrive whole. "%V" is the
  ; folder whose background was clicked.
  WriteRegStr HKCU "${FOLDER_VERB}" "" "${VERB_TEXT}"
  WriteRegStr HKCU "${FOLDER_VERB}" "Icon" "$INSTDIR\Folvane.exe,0"
  WriteRegStr HKCU "${FOLDER_VERB}\command" "" '"$INSTDIR\Folvane.exe" "%1"'
  WriteRegStr HKCU "${BACKGROUND_VERB}" "" "${VERB_TEXT}"
  WriteRegStr HKCU "${BACKGROUND_VERB}" "Icon" "$INSTDIR\Folvane.exe,0"
  WriteRegStr HKCU "${BACKGROUND_VERB}\command" "" '"$INSTDIR\Folvane.exe" "%V"'
SectionEnd

Function un.onInit
  SetShellVarContext current
  Call un.CloseRunningProgram
FunctionEnd

; Only what the installer made: the users' folder customizations
; (desktop.ini files and folder attributes) stay as they are.
Section "Uninstall"
  Delete "$INSTDIR\Folvane.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${FOLDER_VERB}"
  DeleteRegKey HKCU "${BACKGROUND_VERB}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
