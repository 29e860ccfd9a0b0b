#!/usr/bin/env bash
# Builds the static libraries the cross build links and MinGW-w64 lacks, from
# Debian's source packages (apt-get source, a deb-src entry: scripts/setup.sh):
# libgit2, with its regular expressions from PCRE2 and its HTTP parsing from
# http-parser. zlib is Debian's libz-mingw-w64-dev. Everything is installed
# into PREFIX (lib/, include/), each library once: a library already there is
# kept. libgit2 is built without network transports (no HTTPS, SSH or NTLM):
# the product merges text and needs no remote.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt-source.sh
prefix=$(realpath -m "$1")
work=$prefix/work
log=$prefix/build.log

cc=x86_64-w64-mingw32-gcc-posix
launcher=()
if command -v ccache >/dev/null; then
  launcher=(ccache)
  # Paths relative to PREFIX: another build folder hits the cache.
  export CCACHE_BASEDIR=$prefix
fi
cmake_args=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake"
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF)
[ ${#launcher[@]} -eq 0 ] || cmake_args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache)

# Third-party code is compiled with -w: its warnings are not ours to fix.

# Runs a build step with its output in the log, shown only when it fails.
quietly() {
  if ! "$@" >>"$log" 2>&1; then
    echo "Failed: $* (log: $log)" >&2
    tail -n 30 "$log" >&2
    exit 1
  fi
}

# Unpacks Debian's source package $1 into $work and prints its folder.
debian_source() {
  rm -rf "$work/$1"
  mkdir -p "$work/$1"
  (cd "$work/$1" && apt_source "$1" >>"$log" 2>&1) || {
    echo "apt-get source $1 failed: is there a deb-src entry? (scripts/setup.sh adds one)" >&2
    exit 1
  }
  find "$work/$1" -mindepth 1 -maxdepth 1 -type d | head -n1
}

mkdir -p "$prefix/lib" "$prefix/include"

if [ ! -f "$prefix/lib/libhttp_parser.a" ]; then
  echo "Building http-parser from Debian's source package"
  src=$(debian_source http-parser)
  (cd "$src" && quietly "${launcher[@]}" "$cc" -O2 -w -c http_parser.c -o http_parser.o)
  quietly x86_64-w64-mingw32-ar rcs "$prefix/lib/libhttp_parser.a" "$src/http_parser.o"
  cp "$src/http_parser.h" "$prefix/include/"
fi

if [ ! -f "$prefix/lib/libpcre2-8.a" ]; then
  echo "Building PCRE2 from Debian's source package"
  src=$(debian_source pcre2)
  quietly cmake -S "$src" -B "$src/build" "${cmake_args[@]}" -DCMAKE_C_FLAGS=-w -DPCRE2_BUILD_PCRE2GREP=OFF \
    -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SHOW_REPORT=OFF
  quietly cmake --build "$src/build"
  quietly cmake --install "$src/build"
fi

if [ ! -f "$prefix/lib/libgit2.a" ]; then
  echo "Building libgit2 from Debian's source package"
  src=$(debian_source libgit2)
  # PCRE2_STATIC: link pcre2's functions directly, not through a DLL's import table.
  quietly cmake -S "$src" -B "$src/build" "${cmake_args[@]}" -DCMAKE_C_FLAGS="-w -DPCRE2_STATIC" \
    -DBUILD_TESTS=OFF -DBUILD_CLI=OFF -DBUILD_EXAMPLES=OFF -DBUILD_FUZZERS=OFF \
    -DUSE_HTTPS=OFF -DUSE_WINHTTP=OFF -DUSE_SSH=OFF -DUSE_GSSAPI=OFF -DUSE_NTLMCLIENT=OFF \
    -DUSE_SHA1=CollisionDetection -DUSE_SHA256=Builtin -DUSE_BUNDLED_ZLIB=OFF \
    -DREGEX_BACKEND=pcre2 -DPCRE2_INCLUDE_DIR="$prefix/include" -DPCRE2_LIBRARY="$prefix/lib/libpcre2-8.a" \
    -DUSE_HTTP_PARSER=system -DHTTP_PARSER_INCLUDE_DIR="$prefix/include" \
    -DHTTP_PARSER_LIBRARY="$prefix/lib/libhttp_parser.a"
  quietly cmake --build "$src/build"
  quietly cmake --install "$src/build"
fi

rm -rf "$work"
