#!/usr/bin/env bash
# Cross-builds vbgen.exe and the tests of the core and the command line with
# MinGW-w64 into BUILD_DIR (default build-windows/), and vbgen-workbench.exe
# and the workbench's tests where the static Qt of scripts/build-windows-qt.sh
# is built (it is not built from here: that takes long). SQLite's amalgamation
# is made once from Debian's source package and kept in BUILD_DIR/sqlite;
# libgit2 and the libraries it needs are built once into BUILD_DIR/deps
# (scripts/build-windows-deps.sh).
# Exits 77 where MinGW-w64 is missing, so that callers can report a skip.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt-source.sh
build=$(realpath -m "${1:-build-windows}")
# Debug compiles quicker with the same behaviour (./test uses it); without an
# argument a configured build keeps its type, a new one is Release.
configured=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
build_type=${2:-${configured:-Release}}

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "MinGW-w64 (g++-mingw-w64-x86-64-posix) is missing: no Windows build" >&2
  exit 77
fi

sqlite=$build/sqlite
if [ ! -f "$sqlite/sqlite3.c" ]; then
  echo "Making the SQLite amalgamation from Debian's source package"
  rm -rf "$build/sqlite-source"
  mkdir -p "$build/sqlite-source" "$sqlite"
  (cd "$build/sqlite-source" && apt_source sqlite3 >/dev/null 2>&1) || {
    echo "apt-get source sqlite3 failed: is there a deb-src entry? (scripts/setup.sh adds one)" >&2
    exit 1
  }
  source_dir=$(find "$build/sqlite-source" -mindepth 1 -maxdepth 1 -type d -name 'sqlite3-*' | head -n1)
  mkdir -p "$source_dir/amalgamation"
  (cd "$source_dir/amalgamation" && ../configure --disable-tcl >/dev/null && make sqlite3.c >/dev/null)
  cp "$source_dir/amalgamation/sqlite3.c" "$source_dir/amalgamation/sqlite3.h" "$sqlite/"
  rm -rf "$build/sqlite-source"
fi

scripts/build-windows-deps.sh "$build/deps"

workbench=(-DVBGEN_WORKBENCH=OFF)
if qt=$(scripts/build-windows-qt.sh --if-built); then
  workbench=(-DVBGEN_WORKBENCH=ON -DVBGEN_WINDOWS_QT_DIR="$qt")
else
  echo "No static Qt for MinGW-w64 (scripts/build-windows-qt.sh): vbgen-workbench.exe is not built" >&2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE="$build_type" "${workbench[@]}" -DVBGEN_SQLITE_DIR="$sqlite" \
  -DVBGEN_WINDOWS_DEPS_DIR="$build/deps" "${launcher[@]}" >/dev/null
cmake --build "$build"
