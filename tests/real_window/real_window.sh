#!/usr/bin/env bash
# The installed program on a virtual display, as a user starts it: the About window appears, a
# key press gives way to the main window, and each tab is clicked and photographed.
# Usage: real_window.sh BUILD_DIR OUT_DIR
set -euo pipefail

build="$1"
out="$2"
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

# A display of our own, whatever number is free.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r -t 10 display <&3 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
app=""
cleanup() {
  [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
  pkill -f "Xvfb -displayfd" -P $$ 2>/dev/null || true
}
trap cleanup EXIT

# Waits for a visible window of the program whose title matches, and prints its id.
wait_window() {
  local title="$1" id=""
  for _ in $(seq 1 200); do
    id="$(xdotool search --onlyvisible --pid "$app" --name "$title" 2>/dev/null | head -n1 || true)"
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.05
  done
  echo "no window '$title' appeared" >&2
  return 1
}

"$binary" >"$out/quorvane.log" 2>&1 &
app=$!

about="$(wait_window '^$')"
import -window "$about" "$out/about.png"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key space

main="$(wait_window '^Quorvane$')"
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$main")"
# The tabs lie across the top of the tab panel, centred; these are their middles in the
# window's own coordinates (the menu bar above included).
tab_x=(70 143 233 328 407 467)
tab_y=93
names=(means variances correlations proportions alphas aucs)
for i in "${!names[@]}"; do
  xdotool mousemove --sync $((X + tab_x[i])) $((Y + tab_y)) click 1
  sleep 0.3
  import -window "$main" "$out/tab-${names[$i]}.png"
done

# Each tab looks different from the one before: the clicks reached the tabs.
shots=$(for n in "${names[@]}"; do md5sum <"$out/tab-$n.png"; done | sort -u | wc -l)
[[ "$shots" -eq ${#names[@]} ]] || { echo "only $shots different tab pictures"; exit 1; }
kill -0 "$app" || { echo "the program ended by itself"; cat "$out/quorvane.log"; exit 1; }
echo "screenshots in $out"
