#!/usr/bin/env bash
# Writes dist/vbgen-windows-x64.zip: vbgen-workbench.exe, vbgen.exe and the
# content of their home folder (template/, bak/, samples/, an empty
# projects.db) with a README.txt. Cross-builds first (scripts/build-windows.sh)
# into BUILD_DIR (default build-windows/), after the static Qt of the workbench
# (scripts/build-windows-qt.sh: once per machine, long the first time).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath -m "${1:-build-windows}")
dist=${2:-$root/dist}

scripts/build-windows-qt.sh >/dev/null
scripts/build-windows.sh "$build"
stage=$build/package/vbgen
rm -rf "$build/package"
mkdir -p "$stage" "$dist"
cp "$build/bin/vbgen-workbench.exe" "$build/bin/vbgen.exe" "$stage/"
cp -r runtime/template runtime/bak runtime/samples "$stage/"
# The store is made by the Windows build's own tool, under Wine.
scripts/wine-run.sh "$build" "$build/tools/create_store.exe" "Z:$root/runtime/schema.sql" "Z:$stage/projects.db"
# Notepad reads a file with a byte-order mark and CR LF line ends as UTF-8 text.
printf '\xEF\xBB\xBF' >"$stage/README.txt"
sed 's/$/\r/' packaging/windows/README.txt >>"$stage/README.txt"

rm -f "$dist/vbgen-windows-x64.zip"
(cd "$build/package" && cmake -E tar cf "$dist/vbgen-windows-x64.zip" --format=zip vbgen)
echo "Wrote $dist/vbgen-windows-x64.zip"
