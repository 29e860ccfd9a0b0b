#!/usr/bin/env bash
# wine-run.sh WINDOWS_BUILD PROGRAM.exe ARGS...: runs a program of the Windows
# build under Wine, in a Wine prefix of that build's own, quietly. Exits 77
# (skipped) where Wine or the program is missing.
set -euo pipefail
build=$(realpath -m "$1")  # Wine takes only an absolute WINEPREFIX
shift
wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  echo "SKIPPED: Wine ($wine, Debian package wine64) is missing" >&2
  exit 77
fi
if [ ! -f "$1" ]; then
  echo "SKIPPED: $1 is missing: no Windows build (MinGW-w64 or, for the workbench, the static Qt of scripts/build-windows-qt.sh missing; or scripts/build-windows.sh not run)" >&2
  exit 77
fi
# Wine reads the arguments (Chinese project names) in the locale's character set.
export LC_ALL=C.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=d" WINEPREFIX="$build/wineprefix"
# Wine passes its programs no QT_ variable of the host (WINEQT_X arrives as
# QT_X). Without a console Qt writes its messages, and Qt Test its log, to the
# debugger: to standard error instead.
export WINEQT_FORCE_STDERR_LOGGING=1
exec "$wine" "$@"
