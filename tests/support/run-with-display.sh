#!/usr/bin/env bash
# Runs a command on a private X display: Xvfb on a display number it picks and reports
# itself (parallel runs never race for one), with openbox as window manager (the
# framework's windows need one to get their atoms). Returns the command's exit status.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 command [arguments...]" >&2; exit 2; }

log="$(mktemp -t vortane-xvfb.XXXXXX)"
fifo="$(mktemp -u -t vortane-xvfb-fd.XXXXXX)"
xvfb_pid="" wm_pid="" number=""
cleanup() {
  for pid in $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true; done
  rm -f "$log" "$fifo"
}
trap cleanup EXIT INT TERM

mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$fifo" >"$log" 2>&1 &
xvfb_pid=$!
read -r -t 10 number <"$fifo" || true
if [ -z "$number" ]; then
  echo "run-with-display: could not start Xvfb" >&2
  cat "$log" >&2
  exit 1
fi

export DISPLAY=":$number"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!

# Wait until the window manager owns its selection, so windows get decorated and mapped.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done

"$@"   # under set -e a failure exits with the command's own status
