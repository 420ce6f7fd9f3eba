#!/usr/bin/env bash
# Start-up time and memory of the real program on a virtual display, over ten runs: the time
# from the process's start until the About window is mapped, and the resident memory once the
# main window shows, painted. Prints minimum, median and maximum of each.
# Usage: bench/startup.sh [path/to/quorvane] [runs]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
binary="${1:-$here/../build/src/quorvane}"
runs="${2:-10}"
[[ -x "$binary" ]] || { echo "no program at $binary; build it first" >&2; exit 1; }

QV_POLL=0.002  # the resolution of the start-up figure
source "$here/../tests/support/x_display.sh"
work="$(mktemp -d)"
trap 'qv_stop_program; qv_stop_display; rm -rf "$work"' EXIT
qv_start_display "$work"

startups=()
memories=()
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  qv_start_program "$binary" /dev/null
  about="$(qv_wait_window '^$')"
  startups+=($((($(date +%s%N) - start) / 1000000)))
  main="$(qv_leave_about "$about")"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  qv_shoot "$main" "$work/main.png" "$WIDTH" "$HEIGHT" "$HEIGHT"
  memories+=($(($(awk '/VmRSS/ {print $2}' "/proc/$QV_APP_PID/status") / 1024)))
  qv_stop_program
done

summary() {  # label unit values...
  local label="$1" unit="$2"
  shift 2
  local sorted
  sorted=($(printf '%s\n' "$@" | sort -n))
  local n=${#sorted[@]}
  printf '%-28s min %5s %s   median %5s %s   max %5s %s\n' "$label" "${sorted[0]}" "$unit" \
    "${sorted[$((n / 2))]}" "$unit" "${sorted[$((n - 1))]}" "$unit"
}
echo "$runs runs of $binary"
summary "start to About window" ms "${startups[@]}"
summary "memory, main window shown" MB "${memories[@]}"
