#!/usr/bin/env bash
# The installed program on a virtual display, as a user starts it: the About window appears and
# is photographed, its timer gives way to the main window, a turn of the wheel over the tabs keeps
# what was typed, each tab is chosen by a click on its caption and photographed,
# the Means help button opens a help window, whose About item shows the About window again until
# a key press. The titles and window types are checked as the X server holds them, and every
# picture for its size and colours.
# Usage: real_window.sh BUILD_DIR OUT_DIR
set -euo pipefail

build="$1"
out="$2"

# Every tool first: one that is missing would otherwise show only as a window that never came.
missing=()
for tool in cmake Xvfb xdotool xprop xwininfo import identify compare convert awk; do
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

# The x of each tab caption's centre in a picture of the main window, left to right: the runs of
# dark text columns along the tab strip, which lies on the tab panel's top edge (top 61), apart
# by more than the gaps between letters. The tabs' widths are the style's and the font's.
tab_centres() {
  LC_ALL=C convert "$1" -crop "550x24+0+$((menu_bar + 61))" +repage -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 && $4 < 110 { ink[$1] = 1 }
      END {
        first = -1; last = -100
        for (x = 0; x < 550; x++) if (x in ink) {
          if (x - last > 6) { if (first >= 0) print int((first + last) / 2); first = x }
          last = x
        }
        if (first >= 0) print int((first + last) / 2)
      }'
}
click_at() { xdotool mousemove --window "$main" "$1" $((menu_bar + $2)) click 1; }

names=(means variances correlations proportions alphas aucs)
shoot_main tab-means
mapfile -t tabs < <(tab_centres "$out/tab-means.png")
((${#tabs[@]} == ${#names[@]})) || { echo "the tab strip shows ${#tabs[@]} captions"; exit 1; }

# Photographs the main window into FILE until it differs from PREVIOUS by more than a blinking
# cursor, as typed text does, and is the same as a moment before, all typed keys shown; sets apart
# to the number of pixels in which FILE and PREVIOUS differ.
await_typed() {
  local deadline=$((SECONDS + QV_WAIT)) settled
  until LC_ALL=C import -window "$main" "$1" 2>/dev/null &&
    apart="$(qv_pixels_apart "$2" "$1")" && ((apart > 100)) && sleep 0.2 &&
    LC_ALL=C import -window "$main" "$1.next.png" 2>/dev/null &&
    settled="$(qv_pixels_apart "$1" "$1.next.png")" && ((settled >= 0 && settled <= 40)); do
    ((SECONDS <= deadline)) || { echo "the typed keys did not show in $1"; exit 1; }
    sleep "$QV_POLL"
  done
  rm -f "$1.next.png"
}

# What is typed on a panel stays through turns of the mouse wheel over the tabs: the wheel chooses
# no tab, since entering one clears it. Typed into Mean of Sample 1 (left 72, top 262, 80 by 22).
click_at $((72 + 40)) $((262 + 11))
xdotool type --delay 20 '99.67'
await_typed "$out/typed.png" "$out/tab-means.png"
for button in 5 5 4 4 5; do
  xdotool mousemove --window "$main" "${tabs[2]}" $((menu_bar + 61 + 12)) click "$button"
done
# Keys typed after the wheel are handled after it: once their text shows, more than a blinking
# cursor changed, the panel is still the one typed on, with the cursor where it was.
xdotool key ctrl+a type --delay 20 '12345678'
await_typed "$out/wheeled.png" "$out/typed.png"
((apart <= QV_OTHER_PICTURE)) ||
  { echo "the wheel over the tabs changed the panel ($apart pixels apart)"; exit 1; }

# A click on each tab caption chooses that tab.
for i in $(seq 1 $((${#names[@]} - 1))); do
  click_at "${tabs[$i]}" $((61 + 12))
  shoot_main "tab-${names[$i]}" "tab-${names[$((i - 1))]}"
done
# Six different pictures: no click missed its tab or chose another.
for i in "${!names[@]}"; do
  for ((j = i + 1; j < ${#names[@]}; j++)); do
    a="$out/tab-${names[$i]}.png" b="$out/tab-${names[$j]}.png"
    apart="$(qv_pixels_apart "$a" "$b")"
    ((apart > QV_OTHER_PICTURE)) || { echo "$a and $b differ in only $apart pixels"; exit 1; }
  done
done

# Back to the Means tab, cleared as it is entered, whose help button (left 248, top 438, 30
# square) opens its help window.
click_at "${tabs[0]}" $((61 + 12))
deadline=$((SECONDS + QV_WAIT))
until LC_ALL=C import -window "$main" "$out/back.png" 2>/dev/null &&
  apart="$(qv_pixels_apart "$out/tab-means.png" "$out/back.png")" &&
  ((apart >= 0 && apart <= QV_OTHER_PICTURE)); do
  ((SECONDS <= deadline)) || { echo "a click on Means did not lead back to the Means tab"; exit 1; }
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
