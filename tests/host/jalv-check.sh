#!/usr/bin/env bash
# Drives the built LV2 inside jalv.gtk3 with real X input (XTest, through xdotool) and
# reads the values the plug-in reports: `jalv -d` prints every patch:Set it sends, with
# the parameter's normalised value. Each check starts a fresh jalv on one private jackd
# (dummy driver), so one check's leftovers (an open editor, a pop-up) cannot decide the
# next. Run on a private display: tests/support/run-with-display.sh.
# Usage: jalv-check.sh <path to Vortane.lv2> <plug-in URI> [check...]
# Checks: typing, modulation, learn, one-editor, legends, unlinked (all when none are named).
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: $0 <Vortane.lv2> <URI> [check...]" >&2; exit 2; }
bundle="$1" uri="$2"
shift 2
checks=("$@")
[ ${#checks[@]} -gt 0 ] || checks=(typing modulation learn one-editor legends unlinked)
[ -n "${DISPLAY:-}" ] || { echo "jalv-check: no DISPLAY (run under run-with-display.sh)" >&2; exit 2; }
for tool in jackd jack_wait jalv.gtk3 xdotool xwininfo xwd python3 stdbuf flock; do
  command -v "$tool" >/dev/null || { echo "jalv-check: $tool is missing" >&2; exit 2; }
done

# JACK servers started at the same moment trip over each other's shared memory, even
# under different names: runs on one machine take turns.
exec 9>"${TMPDIR:-/tmp}/vortane-jalv-check.lock"
flock -w 300 9 || { echo "jalv-check: another run held the lock for 5 minutes" >&2; exit 2; }

work="$(mktemp -d -t vortane-jalv.XXXXXX)"
jackd_pid="" jalv_pid=""
stop_jalv() {
  if [ -n "$jalv_pid" ]; then
    kill "$jalv_pid" 2>/dev/null
    for _ in $(seq 1 50); do kill -0 "$jalv_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$jalv_pid" 2>/dev/null
    wait "$jalv_pid" 2>/dev/null
    jalv_pid=""
  fi
}
cleanup() {
  stop_jalv
  if [ -n "$jackd_pid" ]; then kill "$jackd_pid" 2>/dev/null; wait "$jackd_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 3' INT TERM

# A private HOME whose ~/.lv2 holds only the built bundle; the real one stays untouched.
mkdir -p "$work/home/.lv2"
cp -r "$bundle" "$work/home/.lv2/"
export HOME="$work/home" LV2_PATH="$work/home/.lv2"
export JACK_DEFAULT_SERVER="vortane-jalv-$$-$RANDOM" JACK_NO_AUDIO_RESERVATION=1 JACK_NO_START_SERVER=1

jackd --no-realtime -d dummy -r 48000 -p 512 >"$work/jackd.log" 2>&1 9>&- &
jackd_pid=$!
if ! jack_wait -w -t 10 >/dev/null 2>&1; then
  echo "jalv-check: jackd did not start" >&2
  cat "$work/jackd.log" >&2
  exit 2
fi

# ---- the plug-in's values, as jalv prints them ----------------------------------------
out="$work/jalv.out"

# The last normalised value reported for a parameter symbol, or its default when none was.
value() {
  local v
  v="$(awk -v p="<$uri:$1>" '
      index($0, "patch:property") && index($0, p) { hit = 1; next }
      hit && index($0, "patch:value") { split($0, q, "\""); v = q[2] }
      { hit = 0 }
      END { print v }' "$out")"
  echo "${v:-$2}"
}
hz() { awk -v n="$1" 'BEGIN { printf "%.0f", 640 * 2 ^ ((n - 0.5) * 10) }'; }
# Waits up to $3 seconds for the parameter to satisfy an awk condition on v (e.g. "v > 0.5").
wait_value() {
  local symbol="$1" default="$2" seconds="$3" condition="$4"
  for _ in $(seq 1 $((seconds * 10))); do
    awk -v v="$(value "$symbol" "$default")" "BEGIN { exit !($condition) }" && return 0
    sleep 0.1
  done
  return 1
}

# ---- the window -------------------------------------------------------------------------
top="" plugin="" X=0 Y=0

# Starts jalv and finds the plug-in's own X window: the framework's window is the
# innermost 703 × 319 window in jalv's (jalv's plug holds it, its socket holds that).
start_jalv() {
  : >"$out"
  stdbuf -oL jalv.gtk3 -d "$uri" >"$out" 2>"$work/jalv.err" 9>&- &
  jalv_pid=$!
  top="" plugin=""
  for _ in $(seq 1 200); do
    kill -0 "$jalv_pid" 2>/dev/null || break
    top="$(xdotool search --onlyvisible --pid "$jalv_pid" --name '^Vortane$' 2>/dev/null | head -1)"
    [ -n "$top" ] && plugin="$(xwininfo -tree -id "$top" 2>/dev/null | awk '/ 703x319\+/ { id = $1 } END { print id }')"
    [ -n "$plugin" ] && break
    sleep 0.1
  done
  if [ -z "$plugin" ]; then
    echo "jalv-check: no plug-in window in jalv.gtk3" >&2
    cat "$work/jalv.err" >&2
    return 1
  fi
  # The window manager places the frame after mapping: wait until the place holds.
  local last=""
  for _ in $(seq 1 50); do
    locate
    [ "$X,$Y" = "$last" ] && break
    last="$X,$Y"
    sleep 0.2
  done
  timeout 5 xdotool windowactivate --sync "$top" >/dev/null 2>&1
  sleep 0.5   # the editor paints its first frame
}

locate() {
  local info
  info="$(xwininfo -id "$plugin")"
  X="$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info")"
  Y="$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")"
}

# Pointer actions at the panel's coordinates (points at 100 %).
at() { locate; timeout 3 xdotool mousemove --sync $((X + $1)) $((Y + $2)); sleep 0.15; }
click() { at "$1" "$2"; xdotool click "${3:-1}"; sleep 0.3; }
double_click() { at "$1" "$2"; xdotool click --repeat 2 --delay 80 1; sleep 0.4; }
# Presses at (x, y), moves up by dy in steps of 4 (the last one shorter), releases.
drag_up() {
  local x="$1" y="$2" dy="$3" step
  at "$x" "$y"
  xdotool mousedown 1
  sleep 0.1
  for ((step = 4; step <= dy; step += 4)); do timeout 3 xdotool mousemove --sync $((X + x)) $((Y + y - step)); sleep 0.03; done
  ((dy % 4 == 0)) || timeout 3 xdotool mousemove --sync $((X + x)) $((Y + y - dy))
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}
type_keys() { xdotool type --delay 60 "$1"; xdotool key Return; sleep 0.3; }

# Screenshots of the plug-in's window, and what the checks read from them.
shoot() { xwd -silent -id "$plugin" >"$work/$1.xwd" 2>/dev/null || : >"$work/$1.xwd"; }
cat >"$work/shots.py" <<'EOF2'
import hashlib, struct, sys

def load(name):
    data = open(name, 'rb').read()
    if len(data) < 100:
        sys.exit("unreadable screenshot " + name)
    h = struct.unpack('>25I', data[:100])
    header, bpp, line, ncolours, little = h[0], h[11] // 8, h[12], h[19], h[7] == 0
    px = data[header + 12 * ncolours:]
    def rgb(x, y):
        i = y * line + x * bpp
        b, g, r = px[i:i + 3] if little else px[i + bpp - 1:i + bpp - 4:-1]
        return r, g, b
    return h[4], h[5], rgb

command, args = sys.argv[1], sys.argv[2:]
if command == 'digest':   # shot x y w h: a digest of the rectangle's pixels
    _, _, rgb = load(args[0])
    x, y, w, h = map(int, args[1:5])
    print(hashlib.sha1(bytes(c for yy in range(y, y + h) for xx in range(x, x + w) for c in rgb(xx, yy))).hexdigest())
elif command == 'red':    # shot x y w h: how many of the rectangle's pixels are plainly red
    _, _, rgb = load(args[0])
    x, y, w, h = map(int, args[1:5])
    print(sum(1 for yy in range(y, y + h) for xx in range(x, x + w)
              if (lambda r, g, b: r > 180 and g < 100 and b < 100)(*rgb(xx, yy))))
elif command == 'opened': # before after from_row: left top right bottom of what changed below from_row
    w, h, before = load(args[0])
    _, _, after = load(args[1])
    rows = range(int(args[2]), h)
    xs = [x for x in range(w) if any(before(x, y) != after(x, y) for y in rows)]
    if not xs:
        sys.exit("nothing opened")
    ys = [y for y in range(h) if any(before(x, y) != after(x, y) for x in range(xs[0], xs[-1] + 1))]
    print(xs[0], ys[0], xs[-1] + 1, ys[-1] + 1)
EOF2
digest() { python3 "$work/shots.py" digest "$work/$1.xwd" "${@:2}" 2>/dev/null || echo unreadable; }
red() { python3 "$work/shots.py" red "$work/$1.xwd" "${@:2}" 2>/dev/null || echo 0; }

# ---- the checks -------------------------------------------------------------------------
# Places in the panel: the cutoff knob and its value text, the IN slider's value text,
# the cutoff modulation button, and a spot of bare background.
cutoff=(351 104) learnButton=(351 99) cutoffText=(351 86) inText=(75 202) modButton=(351 169) background=(200 290)
failures=0
fail() { echo "FAIL $current: $*"; failures=$((failures + 1)); }
pass() { echo "ok   $current: $*"; }

check_typing() {
  double_click "${cutoffText[@]}"
  type_keys 2k
  # 2 kHz: 0.5 + log2 (2000 / 640) / 10 = 0.6644
  if wait_value Cutoff 0.5 3 "v > 0.663 && v < 0.666"; then pass "typed 2k: cutoff 2 kHz"
  else fail "typed \"2k\" + Return into the cutoff value editor: cutoff is $(hz "$(value Cutoff 0.5)") Hz, not 2000"; fi
}

# Opens the cutoff modulation pop-up (110 × 225), which opens where the panel puts it:
# found as what changed on the screen below the button, its corners left in the
# caller's box. False, with the failure told, when none opened.
open_cutoff_popup() {
  shoot idle
  click "${modButton[@]}"
  shoot open
  box=($(python3 "$work/shots.py" opened "$work/idle.xwd" "$work/open.xwd" $((modButton[1] + 12)) 2>&1))
  if [ ${#box[@]} -ne 4 ] || [ $((box[2] - box[0])) -lt 100 ] || [ $((box[2] - box[0])) -gt 120 ]; then
    fail "the cutoff modulation button opened no pop-up (changed: ${box[*]})"; return 1
  fi
}

check_modulation() {
  local depth="Cutoff_20CV_201_20Left" before after box cv1
  open_cutoff_popup || return
  # Its CV 1 column's middle lies at (32, 108) in it.
  cv1=($((box[0] + 32)) $((box[1] + 108)))
  drag_up "${cv1[@]}" 32
  before="$(value $depth 0.5)"
  # 32 of the column's 128 units move the depth by a quarter of its range (-1 .. 1).
  if awk -v v="$before" 'BEGIN { exit !(v > 0.74 && v < 0.76) }'; then pass "dragged CV 1 up 32: Cutoff CV 1 Left $before"
  else fail "dragging the CV 1 column up 32 left Cutoff CV 1 Left at $before (wanted 0.75); the rest not reached"; return; fi

  # Still open: a second drag in the column moves the depth on.
  drag_up "${cv1[@]}" 16
  after="$(value $depth 0.5)"
  if awk -v a="$after" -v b="$before" 'BEGIN { exit !(a > b + 0.05) }'; then pass "the pop-up stayed open after the drag"
  else fail "the pop-up closed after the drag (a second drag left Cutoff CV 1 Left at $after); the background press not reached"; return; fi

  # A press on the bare background closes it: the same drag then reaches no column.
  click "${background[@]}"
  before="$after"
  drag_up "${cv1[@]}" 16
  after="$(value $depth 0.5)"
  if [ "$after" = "$before" ]; then pass "a press on the background closed the pop-up"
  else fail "a press on the background left the pop-up open (a drag after it moved Cutoff CV 1 Left to $after)"; fi
}

# A right-click or control-click on a legend entry sets its value, as a left click does.
check_legends() {
  click 409 162 3
  if wait_value Cutoff 0.5 3 "v == 1"; then pass "right-click on \"20k\": cutoff at its top"
  else fail "a right-click on the cutoff legend's \"20k\" left the cutoff at $(value Cutoff 0.5)"; fi
  at 50 185
  xdotool keydown Control_L; sleep 0.1; xdotool click 1; sleep 0.1; xdotool keyup Control_L
  if wait_value In 0.75 3 "v == 0"; then pass "control-click on IN's \"-inf\": In at 0"
  else fail "a control-click on IN's legend \"-inf\" left In at $(value In 0.75)"; fi
}

# CV 1 of the cutoff pop-up linked by its switch, its right half dragged (the left depth
# moves the other way), then unlinked: the right depth starts as the left one's mirror
# (1 - left), so the sound carries on, and the host hears of it; a drag then moves it on
# from there, 10 of the column's 128 units at a time.
check_unlinked() {
  local left="Cutoff_20CV_201_20Left" right="Cutoff_20CV_201_20Right" mode="Cutoff_20CV_201_20Stereo" box
  at "${background[@]}"   # nothing hovered: only the pop-up changes between the shots
  open_cutoff_popup || return
  local rightHalf=($((box[0] + 41)) $((box[1] + 108))) modeSwitch=($((box[0] + 35)) $((box[1] + 212)))
  click "${modeSwitch[@]}"
  if ! wait_value $mode 0 3 "v == 0.5"; then fail "the switch did not link CV 1: its mode is $(value $mode 0)"; return; fi
  drag_up "${rightHalf[@]}" 10
  if wait_value $left 0.5 3 "v > 0.421 && v < 0.422"; then pass "linked: the right half moved the left depth down to $(value $left 0.5)"
  else fail "linked: a drag up the right half left Cutoff CV 1 Left at $(value $left 0.5) (wanted 0.421875)"; return; fi
  click "${modeSwitch[@]}"
  if ! wait_value $mode 0 3 "v == 1"; then fail "the switch did not unlink CV 1: its mode is $(value $mode 0)"; return; fi
  if wait_value $right 0.5 3 "v > 0.578 && v < 0.579"; then pass "unlinked: the right depth mirrors the left one: $(value $right 0.5)"
  else fail "unlinked: Cutoff CV 1 Right reads $(value $right 0.5), not the left depth's mirror 0.578125"; return; fi
  drag_up "${rightHalf[@]}" 10
  if wait_value $right 0.5 3 "v > 0.656 && v < 0.657"; then pass "unlinked: the right half moved the right depth on from the mirror to $(value $right 0.5)"
  else fail "unlinked: a drag up the right half left Cutoff CV 1 Right at $(value $right 0.5) (wanted 0.65625)"; fi
}

# Learning shows only in the window (no JACK tool here sends a controller that a learnt
# mapping would show in the values): armed, the learn button turns red and reads "Rec".
check_learn() {
  local area=(251 44 200 120)
  shoot idle
  click "${cutoff[@]}" 3
  at "${learnButton[@]}"
  shoot popup
  if [ "$(digest popup "${area[@]}")" = "$(digest idle "${area[@]}")" ]; then fail "a right-click on the cutoff knob opened no learn pop-up"; return; fi
  xdotool click 1
  sleep 0.5
  shoot armed
  if [ "$(digest armed "${area[@]}")" = "$(digest idle "${area[@]}")" ]; then fail "the learn pop-up closed at the click on \"Learn\""
  elif [ "$(red armed "${area[@]}")" -lt 20 ]; then fail "the click on \"Learn\" left the pop-up showing no learning"
  else pass "\"Learn\" pressed: the pop-up stays and shows learning"; fi
}

# The cutoff editor, open, shows its selected text over the value: closed, the value
# text looks as before it opened.
check_one_editor() {
  local area=(311 76 80 20)
  shoot idle
  double_click "${cutoffText[@]}"
  shoot cutoffOpen
  if [ "$(digest cutoffOpen "${area[@]}")" = "$(digest idle "${area[@]}")" ]; then fail "a double-click on the cutoff value opened no editor"; return; fi
  double_click "${inText[@]}"
  sleep 0.3
  shoot inOpen
  if [ "$(digest inOpen "${area[@]}")" = "$(digest idle "${area[@]}")" ]; then pass "the cutoff value editor closed when IN's opened"
  else fail "the cutoff value editor stayed open beside IN's"; fi
  type_keys 6
  if wait_value In 0.75 3 "v != 0.75"; then pass "typed 6 into IN: In $(value In 0.75)"
  else fail "typed \"6\" + Return into the IN value editor: In stayed at $(value In 0.75)"; fi
  if [ "$(value Cutoff 0.5)" != 0.5 ]; then fail "typing into IN changed the cutoff to $(hz "$(value Cutoff 0.5)") Hz"; fi
}

for current in "${checks[@]}"; do
  start=$SECONDS
  if start_jalv; then
    case "$current" in
      typing) check_typing ;;
      modulation) check_modulation ;;
      learn) check_learn ;;
      one-editor) check_one_editor ;;
      legends) check_legends ;;
      unlinked) check_unlinked ;;
      *) fail "no such check" ;;
    esac
  else
    fail "jalv.gtk3 did not show the plug-in"
  fi
  stop_jalv
  echo "     ($current: $((SECONDS - start)) s)"
done

[ "$failures" -eq 0 ] && echo "jalv-check: all passed" || echo "jalv-check: $failures failed"
[ "$failures" -eq 0 ]
