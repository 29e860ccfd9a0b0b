#!/usr/bin/env bash
# deb_runs.sh BUILD WORK: makes the .deb of BUILD, unpacks it into WORK/root and
# runs the unpacked vbgen end to end; its home is made in a fresh
# XDG_DATA_HOME from the shipped runtime, and it writes nothing beside itself.
set -euo pipefail
build=$1 work=$2
for tool in cpack dpkg-deb fakeroot; do
  command -v $tool >/dev/null || { echo "SKIPPED: $tool is missing" >&2; exit 77; }
done
rm -rf "$work"
mkdir -p "$work/root" "$work/data"
(cd "$build" && fakeroot cpack -G DEB -B "$work" >/dev/null)
deb=$(ls "$work"/*.deb)
dpkg -x "$deb" "$work/root"
root=$work/root
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
for f in usr/bin/vbgen usr/share/vbgen/schema.sql usr/share/vbgen/template usr/share/vbgen/samples/library.json \
  usr/share/man/man1/vbgen.1 usr/share/bash-completion/completions/vbgen; do
  [ -e "$root/$f" ] || fail "$f is not in $deb"
done
dpkg-deb -f "$deb" Depends | grep -q libsqlite3 || fail "the package does not depend on libsqlite3"
chmod -R a-w "$root/usr"  # an installed program cannot write beside itself

vbgen() { env -u HOME XDG_DATA_HOME="$work/data" "$root/usr/bin/vbgen" "$@"; }
version=$(vbgen --version)
[[ $version == "vbgen "[0-9]* ]] || fail "vbgen --version printed '$version'"
vbgen sample >/dev/null
vbgen generate Library >/dev/null
[ -f "$work/data/vbgen/projects/Library/Library.sln" ] || fail "no solution in the user's data folder"
vbgen project list --json | grep -q '"projectName": "Library"' || fail "project list --json"
chmod -R u+w "$root/usr"
[ -z "$(find "$root/usr" -name projects.db -o -name projects -type d)" ] || fail "vbgen wrote beside itself"
echo "$(basename "$deb") installs and its vbgen works from the user's data folder"
