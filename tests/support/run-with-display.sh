#!/usr/bin/env bash
# Runs a command on a private X display: Xvfb on the first free display number,
# with openbox as window manager (the framework's windows need one to get their
# atoms), then stops both again. The command's exit status is returned.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: $0 command [arguments...]" >&2
  exit 2
fi

display=""
xvfb_pid=""
wm_pid=""
log="$(mktemp -t vortane-xvfb.XXXXXX)"

cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT INT TERM

# Several test runs may share the machine: Xvfb picks a free display number itself
# and reports it, so parallel runs never race for the same one.
fifo="$(mktemp -u -t vortane-xvfb-fd.XXXXXX)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$fifo" >"$log" 2>&1 &
xvfb_pid=$!
if read -r -t 10 number <"$fifo"; then
  display=":${number}"
fi
rm -f "$fifo"

if [ -z "$display" ]; then
  echo "run-with-display: could not start Xvfb" >&2
  cat "$log" >&2
  exit 1
fi

export DISPLAY="$display"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!

# Wait until the window manager owns its selection, so windows get decorated and mapped.
for _ in $(seq 1 100); do
  if command -v xprop >/dev/null && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    break
  fi
  sleep 0.05
done

set +e
"$@"
status=$?
set -e
exit $status
