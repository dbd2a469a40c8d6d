#!/usr/bin/env bash
# Idle CPU of the standalone with its window open and nothing changing, at each
# interface scale: starts it on a private display with a fresh home folder whose
# preferences hold the scale, lets start-up settle, then reads the process's CPU
# time from /proc over a measuring window and prints it as a percentage of one core.
#
#   bench/idle-cpu.sh [standalone] [seconds] [scales...]
#   defaults: build/Vortane_artefacts/Release/Standalone/Vortane, 20 s, 100 200;
#   RUNS=n (default 3) measures each scale n times and prints the median as well,
#   as the figures move with the machine's load.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"

if [ "${1:-}" = "--on-display" ]; then
  # Runs inside the private display: one measurement.
  app="$2"; scale="$3"; seconds="$4"; settle="$5"
  home="$(mktemp -d -t vortane-idle.XXXXXX)"
  mkdir -p "$home/.config/Quillmere/Vortane"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n<Vortane-Preferences scale="%s"/>\n' "$scale" \
    > "$home/.config/Quillmere/Vortane/Vortane-Preferences.prf"

  HOME="$home" "$app" >/dev/null 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT

  sleep "$settle"
  kill -0 "$pid" 2>/dev/null || { echo "scale $scale: the standalone exited during start-up" >&2; exit 1; }

  ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
  t0=$(ticks); s0=$(date +%s.%N)
  sleep "$seconds"
  t1=$(ticks); s1=$(date +%s.%N)

  hz=$(getconf CLK_TCK)
  awk -v t="$((t1 - t0))" -v hz="$hz" -v a="$s0" -v b="$s1" \
    'BEGIN { printf "%.2f\n", 100 * t / hz / (b - a) }'
  exit 0
fi

app="${1:-$root/build/Vortane_artefacts/Release/Standalone/Vortane}"
seconds="${2:-20}"
shift $(( $# > 2 ? 2 : $# )) || true
scales=("$@")
[ ${#scales[@]} -eq 0 ] && scales=(100 200)

[ -x "$app" ] || { echo "no standalone at $app (build the target Vortane_Standalone)" >&2; exit 2; }

runs="${RUNS:-3}"
for scale in "${scales[@]}"; do
  results=()
  for _ in $(seq 1 "$runs"); do
    results+=("$("$root/tests/support/run-with-display.sh" "$0" --on-display "$app" "$scale" "$seconds" 8)")
  done
  median=$(printf '%s\n' "${results[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
  echo "scale ${scale} %: median ${median} % of one core (runs: ${results[*]}; ${seconds} s each; load average $(cut -d' ' -f1 /proc/loadavg))"
done
