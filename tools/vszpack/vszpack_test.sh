#!/usr/bin/env bash
# vszpack end to end: pack order, a byte-identical round trip through
# unpack, and unpack refusing names that would escape or collide.
# Usage: vszpack_test.sh PATH/TO/vszpack
set -euo pipefail
vszpack=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir skin skin/folder
printf '[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n' >skin/Options.dat
head -c 70000 /dev/urandom >skin/tl.bmp
head -c 5000 /dev/zero >skin/Master.bmp
printf 'button' >skin/ButtonHuge.bmp
printf 'ignored' >skin/.hidden

"$vszpack" pack skin out.vsz >/dev/null
names=$("$vszpack" list out.vsz | awk 'NR > 1 && NF == 5 { print $5 }' | tr '\n' ' ')
[ "$names" = "Options.dat ButtonHuge.bmp Master.bmp tl.bmp " ] || fail "pack order: $names"
"$vszpack" list out.vsz | grep -q ' 78 9C  Options.dat' || fail "default zlib header"

"$vszpack" unpack out.vsz un >/dev/null
for f in Options.dat ButtonHuge.bmp Master.bmp tl.bmp; do cmp -s "skin/$f" "un/$f" || fail "unpacked $f differs"; done
"$vszpack" pack un again.vsz >/dev/null
cmp -s out.vsz again.vsz || fail "repacking changed the archive"

python3 - <<'PY'
import struct, zlib
def entry(name, data):
    return struct.pack('<i', len(name)) + name + struct.pack('<i', len(data)) + zlib.compress(data)
def archive(*entries):
    return b'VSzf' + struct.pack('<i', len(entries)) + b''.join(entries)
open('escape.vsz', 'wb').write(archive(entry(b'Options.dat', b'x'), entry(b'../escaped.txt', b'boom')))
open('absolute.vsz', 'wb').write(archive(entry(b'C:\\evil.txt', b'boom')))
open('collide.vsz', 'wb').write(archive(entry(b'a.bmp', b'x'), entry(b'A.BMP', b'y')))
PY
for bad in escape absolute collide; do
  if "$vszpack" unpack "$bad.vsz" "out-$bad" 2>/dev/null; then fail "unpacked $bad.vsz"; fi
  [ ! -e "out-$bad" ] || fail "$bad.vsz wrote files"
done
[ ! -e escaped.txt ] || fail "an entry escaped its folder"

if "$vszpack" list skin/Options.dat 2>/dev/null; then fail "listed a file that is not a packed skin"; fi
echo "vszpack: all checks passed"
