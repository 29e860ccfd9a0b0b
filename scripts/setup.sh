#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the workbench need.
# Idempotent: apt is asked only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev libcli11-dev nlohmann-json3-dev libgtest-dev libgit2-dev libz-mingw-w64-dev
  qt6-base-dev libgl-dev xvfb xauth fonts-wqy-zenhei imagemagick
  g++-mingw-w64-x86-64-posix wine64 tcl googletest dpkg-dev fakeroot ccache
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# The Windows build compiles SQLite, libgit2, PCRE2 and http-parser from
# Debian's source packages, which apt-get source fetches only with a deb-src entry.
if ! grep -rqs '^\(Types:.*deb-src\|deb-src \)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding a deb-src entry for Debian 12"
  "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vbgen-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  sources_added=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "${sources_added:-}" ]; then
  "${sudo_cmd[@]}" apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
