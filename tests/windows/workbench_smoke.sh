#!/usr/bin/env bash
# workbench_smoke.sh WINDOWS_BUILD WORK VERSION: the zip's vbgen-workbench.exe
# is a window program with its icon and version that needs only Windows' own
# DLLs; started under Wine in a fresh prefix on an X server of its own, in the
# unpacked folder (a fresh home with the sample imported), it shows its window
# with the menus and the first class's members, fills the member grid anew for
# a class clicked in the class list, draws Chinese with a CJK font, and exits
# with 0 when its window is closed. Checked on screenshots by regions, not by
# a golden image.
set -euo pipefail
build=$1 work=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/../../scripts/wine-run.sh
exe=$build/bin/vbgen-workbench.exe
[ -f "$exe" ] || exec "$wine_run" "$build" "$exe"  # reports the skip
for tool in Xvfb xdotool convert; do
  command -v $tool >/dev/null || { echo "SKIPPED: $tool is missing (scripts/setup.sh installs it)" >&2; exit 77; }
done
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work/unpacked"
"$here/../../scripts/package-windows.sh" "$build" "$work" >/dev/null
(cd "$work/unpacked" && cmake -E tar xf "$work/vbgen-windows-x64.zip")
folder=$work/unpacked/vbgen
program=$folder/vbgen-workbench.exe
[ -f "$program" ] || fail "vbgen-workbench.exe missing from the zip"

headers=$(x86_64-w64-mingw32-objdump -p "$program")
grep -Eq 'Subsystem.*Windows GUI' <<<"$headers" || fail "vbgen-workbench.exe is not a window program"
# A Wine prefix of the test's own, made by the first program started in it.
"$wine_run" "$work" "$folder/vbgen.exe" sample >/dev/null
system32=$work/wineprefix/drive_c/windows/system32
# API sets (api-ms-win-*) are names Windows itself resolves to its DLLs.
while read -r dll; do
  [[ "$dll" == api-ms-win-* ]] || [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] || fail "vbgen-workbench.exe needs $dll, not a Windows DLL"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
strings -el "$program" | grep -A1 -x FileVersion | grep -qx "$version" || fail "no version $version resource"
x86_64-w64-mingw32-objdump -h "$program" | grep -q '\.rsrc' || fail "no resources (icon)"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
app=
trap 'kill $app $xvfb 2>/dev/null || true; WINEPREFIX=$work/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
for _ in $(seq 150); do [ -s "$work/display" ] && break; sleep 0.2; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
# Wine's programs open their windows on the display the prefix's server was
# started with: wait for the server of the commands above to end.
WINEPREFIX=$work/wineprefix /usr/lib/wine/wineserver -w
"$wine_run" "$work" "$program" >"$work/workbench.log" 2>&1 &
app=$!
window=$(timeout 180 xdotool search --sync --onlyvisible --name brindlemoor | head -n1) ||
  fail "no window within 3 minutes"
sleep 5  # Wine maps the window before Qt has drawn it
eval "$(xdotool getwindowgeometry --shell "$window")"

# Where the main window's controls are (its client area has a fixed layout):
# the class list at (8, 153) below the menu bar, the member grid at (162, 105).
menu_height=$(( HEIGHT - 547 ))
[ "$menu_height" -gt 10 ] && [ "$menu_height" -lt 60 ] || fail "the window is $WIDTH x $HEIGHT, not the main window"
list_x=$(( X + 8 )) list_y=$(( Y + menu_height + 153 ))
grid_x=$(( X + 162 )) grid_y=$(( Y + menu_height + 105 ))
grid_rows="600x160+$(( grid_x + 4 ))+$(( grid_y + 30 ))"

shot() { import -window root "$work/$1.png"; }
# The share of dark (text) pixels in a region WIDTHxHEIGHT+X+Y of a screenshot, in per mille.
ink() { convert "$work/$1.png" -crop "$2" +repage -colorspace gray -threshold 50% -format '%[fx:round(1000*(1-mean))]' info:; }

shot first
menus=$(ink first "300x$(( menu_height - 4 ))+$X+$(( Y + 2 ))")
[ "$menus" -ge 30 ] || fail "no menu captions drawn ($menus per mille ink in the menu bar)"
classes=$(ink first "100x60+$(( list_x + 4 ))+$(( list_y + 4 ))")
[ "$classes" -ge 10 ] || fail "the class list is empty ($classes per mille ink)"
first_rows=$(ink first "$grid_rows")
[ "$first_rows" -ge 10 ] || fail "the first class's members are not shown ($first_rows per mille ink)"

# The sample's second class has more members than the first.
xdotool mousemove $(( list_x + 30 )) $(( list_y + 25 )) click 1
sleep 3
shot second
rows=$(ink second "$grid_rows")
[ "$rows" -gt $(( first_rows * 3 / 2 )) ] || fail "a click on a class does not fill the grid anew ($first_rows, then $rows per mille ink)"

# Chinese text, the label over the class list: drawn with a CJK font it is
# eight glyphs whose top and bottom pixel rows are mostly empty; a font
# without the glyphs draws boxes (full top and bottom edges) or nothing.
label="160x18+$list_x+$(( list_y - 18 ))"
convert "$work/second.png" -crop "$label" +repage -colorspace gray -threshold 50% -negate -trim +repage "$work/label.png"
read -r width height < <(convert "$work/label.png" -format '%w %h\n' info:)
[ "$width" -ge 60 ] && [ "$height" -ge 8 ] || fail "the Chinese label is not drawn (${width}x$height pixels)"
edges=$(convert "$work/label.png" \( +clone -crop "${width}x1+0+0" \) \( -clone 0 -crop "${width}x1+0+$(( height - 1 ))" \) \
  -delete 0 -append -format '%[fx:round(100*mean)]' info:)
[ "$edges" -le 45 ] || fail "the Chinese label is drawn as boxes ($edges% of its edge rows inked)"

# Closed as Windows closes a program's windows (WM_CLOSE), it ends by itself.
"$wine_run" "$work" "$system32/taskkill.exe" /im vbgen-workbench.exe >/dev/null
status=0
timeout 60 tail --pid=$app -f /dev/null || fail "the workbench did not end within a minute of its window closing"
wait $app || status=$?
app=
[ "$status" -eq 0 ] || fail "the workbench exited with $status after its window closed: $(cat "$work/workbench.log")"
echo "The zip's workbench shows its window, menus, member grid and Chinese text under Wine, and closes"
