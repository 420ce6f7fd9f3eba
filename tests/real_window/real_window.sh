#!/usr/bin/env bash
# The installed program on a virtual display, as a user starts it: the About window appears and
# is photographed, its timer gives way to the main window, each tab is chosen and photographed,
# the Means help button opens a help window, whose About item shows the About window again until
# a key press. The titles and window types are checked as the X server holds them, and every
# picture for its size and colours.
# Usage: real_window.sh BUILD_DIR OUT_DIR
set -euo pipefail

build="$1"
out="$2"

# Every tool first: one that is missing would otherwise show only as a window that never came.
missing=()
for tool in cmake Xvfb xdotool xprop xwininfo import identify compare awk; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
  echo "the real-window test needs tools that are not on this machine: ${missing[*]}" \
    "(scripts/setup.sh installs them)"
  exit 1
fi

prefix="$out/prefix"
rm -rf "$out"
mkdir -p "$out"
cmake --install "$build" --prefix "$prefix" >/dev/null
binary="$prefix/bin/quorvane"
[[ -x "$binary" ]] || { echo "not installed: $binary"; exit 1; }
for f in share/applications/quorvane.desktop share/icons/hicolor/128x128/apps/quorvane.png \
         share/metainfo/io.github.quorvane.Quorvane.metainfo.xml; do
  [[ -f "$prefix/$f" ]] || { echo "not installed: $f"; exit 1; }
done

source "$(dirname "${BASH_SOURCE[0]}")/../support/x_display.sh"
trap 'qv_stop_program; qv_stop_display' EXIT
qv_start_display "$out"
qv_start_program "$binary" "$out/quorvane.log"

# A splash screen, which no taskbar or window switcher lists, with no name for one to show: the
# first of its types is the one a window manager goes by.
check_splash() {
  local held expected
  held="$(LC_ALL=C xprop -id "$1" -notype WM_NAME _NET_WM_NAME _NET_WM_WINDOW_TYPE 2>&1)"
  expected="$(printf 'WM_NAME = \n_NET_WM_NAME = \n_NET_WM_WINDOW_TYPE = %s' \
    _NET_WM_WINDOW_TYPE_SPLASH)"
  [[ "$held" == "$expected" || "$held" == "$expected,"* ]] && return 0
  echo "window $1 is not an untitled splash screen; the server holds:" >&2
  echo "$held" >&2
  return 1
}

# The About window: no title, 459 by 200. Left alone, it gives way to the main window when its
# timer fires.
about="$(qv_wait_window '^$')"
qv_shoot "$about" "$out/about.png" 459 200 200
check_splash "$about"
qv_wait_map_state "$about" unmapped
main="$(qv_wait_window '^Quorvane$')"
qv_check_title "$main" "Quorvane"
# The client area, 550 by 500 in the main window's own coordinates, lies under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 500))
((WIDTH == 550 && menu_bar > 0)) || { echo "main window is ${WIDTH}x$HEIGHT"; exit 1; }
shoot_main() { qv_shoot "$main" "$out/$1.png" 550 "$HEIGHT" "$HEIGHT" "${2:+$out/$2.png}"; }

# The wheel over the tab bar steps from tab to tab, whatever the style and font make of the
# tabs' widths: the bar is centred on the tab panel's top edge (left 17, top 61, width 501).
wheel_over_tabs() {
  xdotool mousemove --window "$main" $((17 + 501 / 2)) $((menu_bar + 61 + 5)) click "$1"
}
names=(means variances correlations proportions alphas aucs)
shoot_main tab-means
for i in $(seq 1 $((${#names[@]} - 1))); do
  wheel_over_tabs 5
  shoot_main "tab-${names[$i]}" "tab-${names[$((i - 1))]}"
done
# Six different pictures: no step skipped a tab or stayed on one.
for i in "${!names[@]}"; do
  for ((j = i + 1; j < ${#names[@]}; j++)); do
    a="$out/tab-${names[$i]}.png" b="$out/tab-${names[$j]}.png"
    apart="$(qv_pixels_apart "$a" "$b")"
    ((apart > QV_OTHER_PICTURE)) || { echo "$a and $b differ in only $apart pixels"; exit 1; }
  done
done

# Back to the Means tab, whose help button (left 248, top 438, 30 square) opens its help window.
for _ in $(seq 1 $((${#names[@]} - 1))); do wheel_over_tabs 4; done
deadline=$((SECONDS + QV_WAIT))
until LC_ALL=C import -window "$main" "$out/back.png" 2>/dev/null &&
  apart="$(qv_pixels_apart "$out/tab-means.png" "$out/back.png")" &&
  ((apart >= 0 && apart <= QV_OTHER_PICTURE)); do
  ((SECONDS <= deadline)) || { echo "the wheel did not lead back to the Means tab"; exit 1; }
  sleep "$QV_POLL"
done
rm "$out/back.png"
xdotool mousemove --window "$main" $((248 + 15)) $((menu_bar + 438 + 15)) click 1
help="$(qv_wait_window '^Quorvane Info$')"
qv_check_title "$help" "Quorvane Info"
qv_shoot "$help" "$out/help-means.png" 550 500 600

# Label > Quorvane, worked by keys in the help window, shows the same About window again. Its timer
# has fired, so only a key press there sends it away; the main window stays.
xdotool windowfocus --sync "$help" key alt+f Right Right Return
qv_wait_map_state "$about" mapped
check_splash "$about"
xdotool windowfocus --sync "$about" key space
qv_wait_map_state "$about" unmapped
qv_mapped "$main" || { echo "the main window went with the About window"; exit 1; }

kill -0 "$QV_APP_PID" || { echo "the program ended by itself"; cat "$out/quorvane.log"; exit 1; }
echo "screenshots in $out"
