# Sourced by the build scripts. apt_source PACKAGE: unpacks Debian's source
# package into the current folder, the newest version the mirror serves first;
# a mirror may list a security update whose source files it does not hold, so
# older listed versions are tried after it.
apt_source() {
  local version
  for version in $(apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -Vru); do
    if apt-get source -qq "$1=$version"; then return 0; fi
    rm -rf ./*
  done
  return 1
}
