#!/usr/bin/env bash
# same_output.sh WINDOWS_BUILD LINUX_VBGEN STORE_RANDOM_PROJECT WORK
# vbgen.exe under Wine on a fresh home folder: sample, generate, sql, export,
# import, check. Its solution trees and table scripts must be byte-identical to
# the Linux vbgen's, for the sample and for random projects.
set -euo pipefail
build=$1 linux_vbgen=$2 store_random=$3 work=$4
here=$(dirname "$0")
wine_run=$here/../../scripts/wine-run.sh
exe=$build/bin/vbgen.exe

rm -rf "$work"
mkdir -p "$work"
# A fresh home for each program: the shipped runtime and the empty store of
# the Windows build (which no test writes into: every run names its home).
fresh_home() {
  mkdir -p "$1"
  cp -r "$build/bin/template" "$build/bin/bak" "$build/bin/samples" "$1/"
  cp "$build/bin/projects.db" "$1/projects.db"
}
[ -f "$exe" ] || exec "$wine_run" "$build" "$exe"  # reports the skip
fresh_home "$work/win"
fresh_home "$work/linux"
win_home="Z:$work/win"

windows() { "$wine_run" "$build" "$exe" --home "$win_home" "$@"; }
linux() { "$linux_vbgen" --home "$work/linux" "$@"; }

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

projects=(Library)
windows sample >/dev/null
linux sample >/dev/null
for seed in 11 12 13; do
  "$store_random" "$work/linux" "$seed"
  linux export "Random$seed" -o "$work/Random$seed.json"
  windows import "Z:$work/Random$seed.json" >/dev/null
  projects+=("Random$seed")
done

for project in "${projects[@]}"; do
  windows check "$project" >/dev/null || fail "vbgen.exe check $project"
  windows generate "$project" >"$work/win-$project.log" || fail "vbgen.exe generate $project"
  linux generate "$project" >"$work/linux-$project.log"
  windows sql "$project" >"$work/win-$project.sql"
  linux sql "$project" >"$work/linux-$project.sql"
  cmp "$work/win-$project.sql" "$work/linux-$project.sql" || fail "table script of $project differs"
  # Apart from the record of the run, which holds each system's own file stamps.
  diff -r -x run "$work/win/projects/$project" "$work/linux/projects/$project" >/dev/null ||
    fail "solution of $project differs: diff -r $work/win/projects/$project $work/linux/projects/$project"
  cmp "$work/win-$project.log" "$work/linux-$project.log" || fail "progress lines of $project differ"
done

# Export and import round trip on Windows: the copy generates the same solution.
windows export "${projects[0]}" -o "Z:$work/sample.json"
windows import "Z:$work/sample.json" --as 图书副本 >/dev/null
windows export 图书副本 -o "Z:$work/copy.json"
windows generate 图书副本 >/dev/null
linux import "$work/sample.json" --as 图书副本 >/dev/null
linux generate 图书副本 >/dev/null
diff -r -x run "$work/win/projects/图书副本" "$work/linux/projects/图书副本" >/dev/null || fail "imported copy differs"
echo "vbgen.exe wrote the same bytes as vbgen for ${#projects[@]} projects and an imported copy"
