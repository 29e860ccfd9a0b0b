#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the workbench need.
# Idempotent: apt is asked only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev libcli11-dev nlohmann-json3-dev libgtest-dev libgit2-dev libicu-dev libz-mingw-w64-dev
  qt6-base-dev libgl-dev xvfb xauth fonts-wqy-zenhei imagemagick
  g++-mingw-w64-x86-64-posix wine64 tcl googletest dpkg-dev fakeroot ccache
  qt6-base-dev-tools xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# The Windows build compiles SQLite, libgit2, PCRE2, http-parser and Qt from
# Debian's source packages, which apt-get source fetches only with a deb-src
# entry. The entry is derived from the machine's own Debian package sources
# (same URIs, suites and keys), so whatever mirror the machine uses serves it.
if ! grep -rqs '^\(Types:.*deb-src\|deb-src \)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  derived=$(
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      awk 'BEGIN { RS = ""; ORS = "\n\n" }
        /(^|\n)Types:[^\n]*deb/ && /(^|\n)Suites:[^\n]*bookworm/ {
          out = ""
          n = split($0, lines, "\n")
          for (i = 1; i <= n; i++) {
            if (lines[i] ~ /^#/) continue
            if (lines[i] ~ /^Types:/) lines[i] = "Types: deb-src"
            out = out lines[i] "\n"
          }
          printf "%s", out; printf "\n"
        }' "$f"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [ -f "$f" ] || continue
      awk '$1 == "deb" && / bookworm/ { $1 = "deb-src"; print "# one-line\t" $0 }' "$f"
    done
  )
  if [ -z "$derived" ]; then
    echo "No Debian 12 package source found to derive a deb-src entry from" >&2
    exit 1
  fi
  echo "Adding deb-src entries derived from this machine's Debian sources"
  printf '%s\n' "$derived" | grep -v '^# one-line' | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vbgen-deb-src.sources >/dev/null
  printf '%s\n' "$derived" | sed -n 's/^# one-line\t//p' | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/vbgen-deb-src.list >/dev/null
  sources_added=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "${sources_added:-}" ]; then
  "${sudo_cmd[@]}" apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
