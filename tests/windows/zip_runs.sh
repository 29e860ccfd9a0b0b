#!/usr/bin/env bash
# zip_runs.sh WINDOWS_BUILD WORK: the Windows zip unpacks and its vbgen.exe,
# started without --home, works in the unpacked folder under Wine.
set -euo pipefail
build=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../scripts/wine-run.sh
# The zip needs both programs; these report the skip where one is not built.
[ -f "$build/bin/vbgen.exe" ] || exec "$wine_run" "$build" "$build/bin/vbgen.exe"
[ -f "$build/bin/vbgen-workbench.exe" ] || exec "$wine_run" "$build" "$build/bin/vbgen-workbench.exe"

rm -rf "$work"
mkdir -p "$work/unpacked"
"$here/../../scripts/package-windows.sh" "$build" "$work" >/dev/null
(cd "$work/unpacked" && cmake -E tar xf "$work/vbgen-windows-x64.zip")
folder=$work/unpacked/vbgen
for entry in vbgen-workbench.exe vbgen.exe projects.db README.txt template bak samples/library.json; do
  [ -e "$folder/$entry" ] || { echo "FAILED: $entry missing from the zip" >&2; exit 1; }
done
if ls "$folder"/*.dll >/dev/null 2>&1; then
  echo "FAILED: the zip holds DLLs" >&2
  exit 1
fi
"$wine_run" "$build" "$folder/vbgen.exe" sample >/dev/null
"$wine_run" "$build" "$folder/vbgen.exe" generate Library >/dev/null
"$wine_run" "$build" "$folder/vbgen.exe" sql Library >"$work/Library.sql"
grep -q "CREATE TABLE" "$work/Library.sql" || { echo "FAILED: no table script" >&2; exit 1; }
[ -f "$folder/projects/Library/Library.sln" ] || { echo "FAILED: no solution beside the unpacked vbgen.exe" >&2; exit 1; }
echo "The zip unpacks and its vbgen.exe generates in its own folder"
