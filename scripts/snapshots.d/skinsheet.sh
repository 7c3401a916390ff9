# Sourced by scripts/snapshots.sh after the program's windows: the sheet of
# the internal skin - every section, glyph and texture in every state -
# painted by tools/skinsheet from the packed skin the build made (or from
# its folder when there is none).
sheet_skin=$PWD/build/generated/Ambrel.vsz
[ -f "$sheet_skin" ] || sheet_skin=$PWD/skins/Ambrel
if ! timeout -k 5 120 "$WINE64" build/win64/tools/skinsheet/skinsheet.exe \
    "$(winpath "$sheet_skin")" "$(winpath "$out/ambrel-sheet.png")"; then
  echo "skinsheet: no sheet of $sheet_skin" >&2
  return 1
fi
