# Sourced by the real-window test and the start-up benchmark: a virtual display of our own, the
# program started on it as a user's session starts it, and its windows found by its process and
# title and photographed once they show what they should.
#
# Every wait is bounded: what does not happen in time fails with a line that says what was
# awaited. The tools run in the C locale so that the numbers they print read the same everywhere.

QV_XVFB_PID=""
QV_APP_PID=""
QV_POLL="${QV_POLL:-0.02}"  # seconds between two looks
QV_WAIT="${QV_WAIT:-30}"    # seconds before a wait gives up

# Starts Xvfb on a free display number and exports DISPLAY. DIR receives the server's log.
# The server never resets: by default it does each time its last client leaves, and every look
# for a window is a client that comes and goes; a program that connects while the server resets
# is dropped and cannot start.
qv_start_display() {
  local dir="$1" number=""
  : >"$dir/xvfb.display"
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$dir/xvfb.display" \
    2>"$dir/xvfb.log" &
  QV_XVFB_PID=$!
  local deadline=$((SECONDS + QV_WAIT))
  # The server writes its number and a newline once it accepts clients.
  until read -r number <"$dir/xvfb.display" 2>/dev/null; do
    if ! kill -0 "$QV_XVFB_PID" 2>/dev/null || ((SECONDS > deadline)); then
      echo "Xvfb did not start:" >&2
      cat "$dir/xvfb.log" >&2
      return 1
    fi
    sleep "$QV_POLL"
  done
  export DISPLAY=":$number"
}

# Ends the process whose id the named variable holds, if there is one, and forgets it.
qv_end() {
  local -n pid="$1"
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

qv_stop_display() { qv_end QV_XVFB_PID; }

# Starts BINARY with its output to LOG, without the variables that would choose another Qt
# platform, style, theme or scale than a plain session does.
qv_start_program() {
  env -u QT_QPA_PLATFORM -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u QT_QPA_PLATFORMTHEME \
    "$1" >"$2" 2>&1 &
  QV_APP_PID=$!
}

qv_stop_program() { qv_end QV_APP_PID; }

# The ids of the program's mapped windows whose title (WM_NAME) matches the expression: all three
# conditions at once, which xdotool joins only with --all.
qv_windows() {
  xdotool search --all --onlyvisible --pid "$QV_APP_PID" --name "$1" 2>/dev/null || true
}

# Waits until exactly one window of the program with a matching title is mapped; prints its id.
qv_wait_window() {
  local title="$1" ids="" deadline=$((SECONDS + QV_WAIT))
  until ids="$(qv_windows "$title")" && [[ -n "$ids" ]]; do
    if ! kill -0 "$QV_APP_PID" 2>/dev/null; then
      echo "the program ended before a window titled '$title' was mapped" >&2
      return 1
    fi
    ((SECONDS <= deadline)) || { echo "no window titled '$title' was mapped" >&2; return 1; }
    sleep "$QV_POLL"
  done
  if [[ "$(wc -l <<<"$ids")" -ne 1 ]]; then
    echo "several windows titled '$title' are mapped:" $ids >&2
    return 1
  fi
  echo "$ids"
}

# Presses a key in the About window ID, as a user does to go on, waits until it is gone and the
# main window is mapped, and prints the main window's id. The About window's own timer may have
# closed it before the key came.
qv_leave_about() {
  xdotool windowfocus --sync "$1" key space 2>/dev/null || true
  qv_wait_map_state "$1" unmapped && qv_wait_window '^Quorvane$'
}

qv_mapped() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Waits until window ID is in STATE: "mapped" on screen, or "unmapped" gone from it.
qv_wait_map_state() {
  local id="$1" state="$2" now deadline=$((SECONDS + QV_WAIT))
  while :; do
    if qv_mapped "$id"; then now=mapped; else now=unmapped; fi
    [[ "$now" == "$state" ]] && return 0
    ((SECONDS <= deadline)) || { echo "window $id is still $now" >&2; return 1; }
    sleep "$QV_POLL"
  done
}

# Whether the picture is WIDTH wide, MIN_HEIGHT to MAX_HEIGHT high and has more than a few
# colours, as a painted window has; a window not painted yet is one colour or black.
qv_picture_fits() {
  local file="$1" width="$2" min_height="$3" max_height="$4" w h colours
  read -r w h colours < <(LC_ALL=C identify -format '%w %h %k\n' "$file" 2>/dev/null) || return 1
  ((w == width && h >= min_height && h <= max_height && colours > 16))
}

# The number of pixels in which two pictures of the same size differ.
qv_pixels_apart() {
  local count
  count="$(LC_ALL=C compare -metric AE "$1" "$2" null: 2>&1 || true)"
  awk -v n="$count" 'BEGIN { if (n ~ /^[0-9.e+]+$/) printf "%d\n", n + 0; else print -1 }'
}

# A text cursor blinking or a focus frame changes a few hundred pixels; another tab thousands.
QV_OTHER_PICTURE=1500

# Photographs window ID into FILE, retaking the picture until it fits (qv_picture_fits) and,
# when PREVIOUS is given, until it differs from that picture by more than a blink.
qv_shoot() {
  local id="$1" file="$2" width="$3" min_height="$4" max_height="$5" previous="${6:-}"
  local deadline=$((SECONDS + QV_WAIT)) apart=""
  while :; do
    if LC_ALL=C import -window "$id" "$file" 2>/dev/null &&
      qv_picture_fits "$file" "$width" "$min_height" "$max_height"; then
      [[ -z "$previous" ]] && return 0
      apart="$(qv_pixels_apart "$previous" "$file")"
      ((apart > QV_OTHER_PICTURE)) && return 0
    fi
    if ((SECONDS > deadline)); then
      echo "no fitting picture of window $id for $file:" \
        "$(LC_ALL=C identify -format '%wx%h, %k colours' "$file" 2>&1)" \
        "${previous:+, $apart pixels apart from $previous}" >&2
      return 1
    fi
    sleep "$QV_POLL"
  done
}

# Whether the X server holds exactly TITLE as the window's title, in both its properties.
qv_check_title() {
  local id="$1" title="$2" held expected
  held="$(LC_ALL=C xprop -id "$id" -notype WM_NAME _NET_WM_NAME 2>&1)"
  expected="$(printf 'WM_NAME = "%s"\n_NET_WM_NAME = "%s"' "$title" "$title")"
  [[ "$held" == "$expected" ]] && return 0
  echo "window $id is not titled exactly \"$title\"; the server holds:" >&2
  echo "$held" >&2
  return 1
}
