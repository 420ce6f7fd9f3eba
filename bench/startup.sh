#!/usr/bin/env bash
# Start-up time and memory of the real program on a virtual display, over ten runs: the time
# from the process's start until the About window is mapped, and the resident memory once the
# main window is shown. Prints minimum, median and maximum of each.
# Usage: bench/startup.sh [path/to/quorvane] [runs]
set -euo pipefail

binary="${1:-$(dirname "$0")/../build/src/quorvane}"
runs="${2:-10}"
[[ -x "$binary" ]] || { echo "no program at $binary; build it first" >&2; exit 1; }

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r -t 10 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
trap 'pkill -f "Xvfb -displayfd" -P $$ 2>/dev/null || true' EXIT

visible() { xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1; }

startups=()
memories=()
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$binary" >/dev/null 2>&1 &
  pid=$!
  until [[ -n "$(visible "$pid" '^$')" ]]; do sleep 0.002; done
  startups+=($((($(date +%s%N) - start) / 1000000)))
  xdotool key space
  until [[ -n "$(visible "$pid" '^Quorvane$')" ]]; do sleep 0.01; done
  sleep 0.5
  memories+=($(($(awk '/VmRSS/ {print $2}' "/proc/$pid/status") / 1024)))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
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
