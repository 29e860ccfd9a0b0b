#!/usr/bin/env bash
# Builds the static Qt the Windows workbench links, from Debian's qt6-base
# source package (apt-get source, a deb-src entry: scripts/setup.sh), with
# MinGW-w64 and the host tools of qt6-base-dev-tools (moc, uic, rcc: the same
# Qt version). Only what the workbench and its tests use: Core, Gui, Widgets,
# Concurrent, Test and the windows and offscreen platform plugins.
#
# The Qt is installed once per machine outside the clone, into
# ${VBGEN_CACHE:-~/.cache/vbgen}/qt-<version>-mingw-<hash of the configure
# line>, so that every clone and build folder shares it; a folder without its
# stamp file is what an interrupted build left and is built again.
# Prints the folder on standard output, progress on standard error. Takes some 40 minutes of
# two cores the first time (ccache makes a rebuild quicker). With --if-built it
# only prints the folder of a Qt already built, and exits 77 where there is none.
# Exits 77 where MinGW-w64 or Qt's host tools are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "MinGW-w64 (g++-mingw-w64-x86-64-posix) is missing: no Windows Qt" >&2
  exit 77
fi
host_cmake=/usr/lib/x86_64-linux-gnu/cmake
if [ ! -f "$host_cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake" ] ||
   [ ! -f "$host_cmake/Qt6WidgetsTools/Qt6WidgetsToolsConfig.cmake" ]; then
  echo "Qt's host tools (qt6-base-dev-tools, qt6-base-dev) are missing: no Windows Qt" >&2
  exit 77
fi
version=$(dpkg-query -W -f '${Version}' qt6-base-dev-tools | sed 's/+.*//; s/^[0-9]*://')

# The compilers for Qt's own build, kept beside the installed Qt; without the
# comments, which do not change the Qt.
toolchain=$(grep -v '^#' cmake/mingw-w64-compilers.cmake)

# Debian removes the bundled wintab headers (tabletevent); DirectWrite 3 does
# not link into the qwindows plugin of 6.4 with MinGW.
configure_args=(-xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
  -nomake examples -nomake tests -nomake benchmarks
  -no-opengl -no-dbus -no-icu -no-glib -no-feature-vulkan
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
  -no-feature-tabletevent -no-feature-directwrite3 -no-feature-direct2d
  -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-freetype)

hash=$(printf '%s\n' "$version" "${configure_args[*]}" "$toolchain" | sha256sum | cut -c1-12)
cache=${VBGEN_CACHE:-$HOME/.cache/vbgen}
prefix=$cache/qt-$version-mingw-$hash
stamp=$prefix/.built
if [ "${1:-}" = --if-built ]; then
  [ -f "$stamp" ] || exit 77
  echo "$prefix"
  exit 0
fi
mkdir -p "$cache"

# One build at a time: a second caller waits and then finds the Qt built.
exec 9>"$prefix.lock"
flock 9
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

work=$prefix.work
log=$work/build.log
echo "Building a static Qt $version for MinGW-w64 into $prefix (some 40 minutes of two cores; log: $log)" >&2
start=$SECONDS
rm -rf "$prefix" "$work"
mkdir -p "$work" "$prefix"
printf '%s\n' "$toolchain" >"$prefix/mingw-w64-x86_64.toolchain.cmake"

(cd "$work" && apt-get source -qq "qt6-base=$(dpkg-query -W -f '${Version}' qt6-base-dev-tools)" >"$log" 2>&1) || {
  echo "apt-get source qt6-base failed: is there a deb-src entry? (scripts/setup.sh adds one) (log: $log)" >&2
  exit 1
}
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths relative to the work folder: a rebuild after an interruption hits the cache.
  export CCACHE_BASEDIR=$work
fi

# Runs a build step with its output in the log, shown only when it fails.
quietly() {
  if ! "$@" >>"$log" 2>&1; then
    echo "Failed after $((SECONDS - start)) s: $* (log: $log)" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
}

mkdir -p "$work/build"
cd "$work/build"
quietly "$src/configure" -prefix "$prefix" "${configure_args[@]}" -- \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.toolchain.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" "${launcher[@]}"
quietly cmake --build . --parallel "$(nproc)"
quietly cmake --install .
cd "$cache"
rm -rf "$work"
touch "$stamp"
echo "Qt built in $((SECONDS - start)) s" >&2
echo "$prefix"
