#!/usr/bin/env bash
# Drives Vortane's own window inside Ardour 7.3 (GUI, Dummy backend) with real X input
# (xdotool/XTest) on a private display, for the VST3 and the LV2:
#   a  double-click the cutoff value, type a value, Return (with the plug-in window's
#      keyboard toggle off, then on)       -> read back from the session saved by Ctrl+S
#      (toggle off, whether the VST3 gets the keys is Ardour's choice: where it holds
#      the focus it keeps all or some of them as shortcuts, so the value may stay
#      UNCHANGED; the xev log shows which keys reached the plug-in's X window)
#   c  cutoff modulation pop-up: drag CV 1 up 32 px -> "Cutoff CV 1 Left" in the saved
#      session; press the empty background -> pop-up closed? (pixels)
#   d  right-click the cutoff knob, click "Learn"   -> pop-up changed / closed? (pixels)
#   e  with the keyboard toggle on: double-click the cutoff value, then In's, type a
#      value, Return -> only In changed (saved session), the cutoff's editor closed (pixels)
#   f  with the keyboard toggle on: right-click the cutoff knob, one plain click into the
#      learn pop-up's number field, type 118, Return; again, type 33 over the "CC 118" it
#      shows -> the field changed (pixels); "CC118", then "CC33" in the plug-in's saved
#      state names Cutoff
#   g  right-click the cutoff legend's "20k", control-click IN's "-inf" -> Cutoff 1, In 0
#      (saved session)
#   h  cutoff modulation pop-up: link CV 1 with its switch, drag its right half up 10 px
#      -> Left down by 10/128; unlink -> Right the mirror of Left (1 - Left); drag again
#      -> Right up by 10/128 from the mirror (saved session)
# It also logs which X window holds the focus and what focus/key events the plug-in's
# own X window gets (xev), since that decides whether typed keys can arrive.
#
# Usage: scripts/ardour-window-check.sh [BUILD-ARTEFACTS-DIR] [OUT-DIR]
#   BUILD-ARTEFACTS-DIR defaults to build/Vortane_artefacts/Release of this checkout.
#   OUT-DIR (default: a fresh temporary folder) gets logs, screenshots and results.txt.
# Needs: ardour (7.3), xdotool, xev, imagemagick, Xvfb, openbox, python3, and the shared
# Ardour tool's session maker (VORTANE_ARDOUR_LUA, by default ../shared/tools/ardour beside this checkout).
# Exit status: 0 when every step could be driven (whatever the plug-in did), 1 otherwise.
set -u
HERE=$(cd "$(dirname "$0")/.." && pwd)
ART=${1:-$HERE/build/Vortane_artefacts/Release}
OUT=${2:-$(mktemp -d -t vortane-ardour-window.XXXXXX)}
ART=$(cd "$ART" && pwd); mkdir -p "$OUT"; OUT=$(cd "$OUT" && pwd)

if [ -z "${VORTANE_ARDOUR_DISPLAY:-}" ]; then
  exec env VORTANE_ARDOUR_DISPLAY=1 "$HERE/tests/support/run-with-display.sh" "$0" "$ART" "$OUT"
fi

RESULTS=$OUT/results.txt
: > "$RESULTS"
say () { echo "$*" | tee -a "$RESULTS"; }
failed=0
fail () { say "ERROR $*"; failed=1; }

# ------------------------------------------------------------------ a private HOME
AH=$OUT/home
rm -rf "$AH"; mkdir -p "$AH/.vst3" "$AH/.lv2" "$AH/.config/ardour7" "$OUT/shots"
cp -r "$ART/VST3/Vortane.vst3" "$AH/.vst3/"
cp -r "$ART/LV2/Vortane.lv2" "$AH/.lv2/"
find "$AH/.vst3" -exec touch -d "-1 hour" {} +   # Ardour trusts its VST3 index only when newer
export HOME=$AH
touch "$AH/.config/ardour7/.a7"                  # no first-run wizard
# Dummy backend, started without the Audio/MIDI dialog; the device the session is made with.
cat > "$AH/.config/ardour7/config" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <Config>
    <Option name="hide-dummy-backend" value="0"/>
    <Option name="try-autostart-engine" value="1"/>
  </Config>
  <Extra>
    <AudioMIDISetup>
      <EngineStates>
        <State backend="None (Dummy)" driver="Normal Speed" device="Sine Wave 1K, 1/3 Oct" input-device="" output-device="" sample-rate="48000" buffer-size="256" n-periods="0" input-latency="0" output-latency="0" lm-input="" lm-output="" active="1" use-buffered-io="0" midi-option="1 in, 1 out, Silence" lru="1">
          <MIDIDevices/>
        </State>
      </EngineStates>
    </AudioMIDISetup>
  </Extra>
</Ardour>
XML
# Main window at a fixed place and size, opening on the Mixer.
cat > "$AH/.config/ardour7/instant.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<instant>
  <Main x="100" y="60" w="1348" h="713" current-tab="mixer"/>
  <Mixer mixer-list-hpane-pos="0.20000000298023224" show-mixer="1" show-mixer-list="1"/>
</instant>
XML

# ------------------------------------------------------------------ the session
T0=$(date +%s)
LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst3-scanner -f -q "$AH/.vst3/Vortane.vst3" > "$OUT/vst3-scanner.log" 2>&1
# A first session in a fresh HOME may miss the VST3; ardour7-lua 7.3 also aborts now and
# then after exporting (its own fault): try again.
# The session maker of the shared Ardour tool, beside this checkout unless given.
LUA=${VORTANE_ARDOUR_LUA:-$HERE/../shared/tools/ardour/vortane_ardour.lua}
timeout 300 ardour7-lua "$LUA" create "$AH/warm" "$AH/warmexp" > "$OUT/warmup.log" 2>&1
for _ in 1 2 3 4; do
  timeout 300 ardour7-lua "$LUA" create "$AH/session" "$AH/export" > "$OUT/create.log" 2>&1
  grep -q "^ARDOUR CHECK create: 0 failure" "$OUT/create.log" && break
done
grep -q "^ARDOUR CHECK create: 0 failure" "$OUT/create.log" || { fail "session not created (see create.log)"; exit 1; }
SESSFILE=$AH/session/vortane.ardour
cp "$SESSFILE" "$OUT/session-created.ardour"
cp "$AH/.config/ardour7/config" "$OUT/config.orig"; cp "$AH/.config/ardour7/instant.xml" "$OUT/instant.orig"

# ------------------------------------------------------------------ helpers
# Reads a parameter back from the saved session: VST3 from Ardour's controllables, LV2
# from the plug-in's own state (the framework's base-64 of its state XML). A name CCn
# reads that attribute of the plug-in's state XML instead (the parameter index
# controller n is learnt to, or "none"), for both formats.
read_param () {  # format, parameter name
  /usr/bin/python3 - "$SESSFILE" "$1" "$2" <<'PY'
import sys, re, struct, base64, binascii, xml.etree.ElementTree as ET, os
path, fmt, name = sys.argv[1:4]
root = ET.parse(path).getroot()
route = next(r for r in root.iter('Route') if r.get('name') == fmt)
proc = next(p for p in route.iter('Processor') if p.get('name') == 'Vortane')
learnt = name.startswith('CC')
if fmt == 'VST3' and not learnt:
    c = next(c for c in proc.iter('Controllable') if c.get('name') == name)
    print('%.4f' % float(c.get('value')))
    sys.exit(0)
def b64 (t):
    try: return base64.b64decode(t, validate=True)
    except (binascii.Error, ValueError): return b''
if fmt == 'VST3':  # Ardour keeps the plug-in's state chunk as base-64 text
    blob = next((b for b in (b64((e.text or '').strip()) for e in proc.iter()) if b'VC2!' in b), b'')
else:
    T = ".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+"
    sd = next(proc.iter('lv2')).get('state-dir')
    ttl = open(os.path.join(os.path.dirname(path), 'plugins', proc.get('id'), sd, 'state.ttl')).read()
    s = re.search(r':StateString> "([0-9]+\.[^"]*)"', ttl).group(1)
    n, _, body = s.partition('.')
    v = 0
    for i, ch in enumerate(body): v |= T.index(ch) << (6 * i)
    blob = v.to_bytes((6 * len(body) + 7) // 8, 'little')[:int(n)]
i = blob.find(b'VC2!')
if i < 0: print('no-state'); sys.exit(0)
size = struct.unpack('<I', blob[i + 4:i + 8])[0]
state = ET.fromstring(blob[i + 8:i + 8 + size].decode())
if learnt: print(state.get(name, 'none')); sys.exit(0)
params = state.get('Parameters')
vals = dict(kv.rsplit(':', 1) for kv in params.strip('.,').split(',') if ':' in kv)
print('%.4f' % float(vals[name]))
PY
}

MAINWIN=""
save_session () {
  local before; before=$(stat -c %Y.%s "$SESSFILE")
  xdotool windowactivate --sync "$MAINWIN" 2>/dev/null; sleep 0.3
  xdotool key --clearmodifiers ctrl+s
  for _ in $(seq 1 40); do [ "$(stat -c %Y.%s "$SESSFILE")" != "$before" ] && break; sleep 0.25; done
  sleep 0.5
}

shot () { import -window root "$OUT/shots/$1.png"; }
# pixels that differ (fuzz 8 %) between two shots inside a rectangle W H X Y (absolute)
pixdiff () {  # a b w h x y
  convert "$OUT/shots/$1.png" -crop "$3x$4+$5+$6" +repage "$OUT/shots/.a.png"
  convert "$OUT/shots/$2.png" -crop "$3x$4+$5+$6" +repage "$OUT/shots/.b.png"
  compare -metric AE -fuzz 8% "$OUT/shots/.a.png" "$OUT/shots/.b.png" null: 2>&1 | awk '{printf "%d", $1}'
}
# the bounding box (panel x y w h) of what changed between two shots in the panel's middle
# (meters left out), or nothing
popup_box () {  # before after jx jy
  /usr/bin/python3 - "$OUT/shots/$1.png" "$OUT/shots/$2.png" "$3" "$4" <<'PY'
import sys, subprocess, numpy as np
a, b, jx, jy = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
def load(p):
    raw = subprocess.run(['convert', p, '-crop', '480x319+%d+%d' % (jx + 110, jy), '+repage', 'rgb:-'],
                         capture_output=True, check=True).stdout
    return np.frombuffer(raw, np.uint8).reshape(319, 480, 3).astype(int)
d = (np.abs(load(a) - load(b)).max(axis=2) > 40)
cols = np.where(d.sum(axis=0) > 30)[0]; rows = np.where(d.sum(axis=1) > 30)[0]
if len(cols) and len(rows):
    print(cols[0] + 110, rows[0], cols[-1] - cols[0] + 1, rows[-1] - rows[0] + 1)
PY
}
# absolute top-left of a window's client area (xdotool's geometry counts the frame twice)
win_xy () { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
focus_name () { local f; f=$(xdotool getwindowfocus 2>/dev/null); printf '0x%x' "$f"; }

# the plug-in's own X window: the innermost 703 x 319 child of Ardour's plug-in window
# (the LV2 one sits in a socket window of the same size)
find_juce_window () {  # toplevel id -> "id absx absy"
  xwininfo -id "$1" -tree | awk '/703x319\+0\+0/ {w = $1 " " $NF} END {print w}' | sed 's/+/ /g'
}

start_ardour () {
  # every run starts from the session as made and the config as written above: no plug-in
  # window reopened, no values left over from the other format's run
  cp "$OUT/session-created.ardour" "$SESSFILE"; rm -f "$AH/session/instant.xml"
  cp "$OUT/config.orig" "$AH/.config/ardour7/config"; cp "$OUT/instant.orig" "$AH/.config/ardour7/instant.xml"
  (cd "$AH" && exec ardour -n -a "$SESSFILE") > "$OUT/ardour-$1.log" 2>&1 &
  ARDOUR_PID=$!   # the wrapper script execs Ardour: this is Ardour's own id
  MAINWIN=""
  for _ in $(seq 1 120); do
    MAINWIN=$(xdotool search --name "^vortane - Ardour" 2>/dev/null | head -1)
    [ -n "$MAINWIN" ] && break
    # a warning (e.g. engine device changed) waits for OK
    for w in $(xdotool search --onlyvisible --name "^Ardour$" 2>/dev/null); do xdotool windowactivate --sync "$w" key Return 2>/dev/null; done
    sleep 0.5
  done
  sleep 3
}

stop_ardour () {
  local pid=$ARDOUR_PID
  # ask it to quit, then end it by its id
  kill -TERM "$pid" 2>/dev/null
  for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  sleep 1
}

# Panel points (100 %): cutoff value text, the cutoff knob's ring, the modulation button,
# the middle of CV 1 in its pop-up (which spans about x 215-320, y 94-319), and an empty
# stretch of background.
VALUE_XY="351 86"; KNOB_XY="290 70"; CUTKNOB_XY="351 104"; IN_VALUE_XY="75 202"; MODBTN_XY="351 169"; CV1_XY="245 202"; BG_XY="180 295"
POPUP_RECT="90 150 225 140"
# legend entries: the cutoff's "20k" and IN's "-inf"
LEGEND20K_XY="409 162"; LEGENDINF_XY="50 185"   # w h x y inside the panel, covered by the mod pop-up's columns

check_format () {  # VST3 | LV2
  local fmt=$1 strip_x
  [ "$fmt" = VST3 ] && strip_x=329 || strip_x=441
  start_ardour "$fmt"
  [ -n "$MAINWIN" ] || { fail "$fmt: Ardour's main window never appeared"; stop_ardour; return; }
  xdotool windowactivate --sync "$MAINWIN"
  # Mixer strip: double-click the plug-in in the processor box
  local wx wy; read -r wx wy < <(win_xy "$MAINWIN")
  xdotool key --clearmodifiers alt+m; sleep 1.5   # the Mixer
  shot "$fmt-0-mixer"
  xdotool mousemove $((wx + strip_x)) $((wy + 213)) click --repeat 2 --delay 80 1
  local pw=""
  for _ in $(seq 1 40); do pw=$(xdotool search --name "^$fmt: Vortane" 2>/dev/null | head -1); [ -n "$pw" ] && break; sleep 0.25; done
  [ -n "$pw" ] || { fail "$fmt: plug-in window did not open"; shot "$fmt-noplugin"; stop_ardour; return; }
  sleep 2
  local jw jx jy; read -r jw jx jy < <(find_juce_window "$pw")
  [ -n "${jw:-}" ] || { fail "$fmt: no 703x319 child in the plug-in window"; stop_ardour; return; }
  local tx ty; read -r tx ty < <(win_xy "$pw")
  say "$fmt: plug-in window $(printf 0x%x "$pw") at $tx,$ty; its X child $jw at $jx,$jy"
  at () { echo $((jx + $1)) $((jy + $2)); }

  xev -id "$jw" -event keyboard -event focus > "$OUT/xev-$fmt-plugin.log" 2>&1 & local xev1=$!
  xev -id "$pw" -event keyboard -event focus > "$OUT/xev-$fmt-toplevel.log" 2>&1 & local xev2=$!
  sleep 0.5

  # ---- (a) typed value, keyboard toggle off then on
  local pass typed before after
  for pass in off on; do
    [ "$pass" = off ] && typed=2k || typed=3k
    if [ "$pass" = on ]; then
      # the keyboard icon, right end of the plug-in window's toolbar
      xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5
      shot "$fmt-a-toggle-on"
    fi
    before=$(read_param "$fmt" Cutoff)
    echo "--- a/$pass: double-click" >> "$OUT/xev-$fmt-plugin.log"
    xdotool mousemove $(at $VALUE_XY) click --repeat 2 --delay 80 1; sleep 0.7
    local f1; f1=$(focus_name)
    shot "$fmt-a-$pass-1-editor"
    echo "--- a/$pass: typing" >> "$OUT/xev-$fmt-plugin.log"
    xdotool type --delay 80 "$typed"; xdotool key Return; sleep 0.7
    local f2; f2=$(focus_name)
    shot "$fmt-a-$pass-2-typed"
    save_session
    after=$(read_param "$fmt" Cutoff)
    say "$fmt (a) toggle $pass: typed $typed: Cutoff $before -> $after ($([ "$before" = "$after" ] && echo UNCHANGED || echo CHANGED)); X focus after double-click $f1, after typing $f2 (plug-in child $jw, toplevel $(printf 0x%x "$pw"))"
    if [ "$pass" = on ]; then xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5; fi
    # leave any editor that is still open
    xdotool mousemove $(at $BG_XY) click 1; sleep 0.5
  done

  # ---- (c) modulation pop-up: drag CV 1, then press the background
  before=$(read_param "$fmt" "Cutoff CV 1 Left")
  shot "$fmt-c-0-closed"
  xdotool mousemove $(at $MODBTN_XY) click 1; sleep 0.7
  shot "$fmt-c-1-open"
  # the pop-up's place depends on the build: find it as the changed area of the panel
  local box px py cx cy
  box=$(popup_box "$fmt-c-0-closed" "$fmt-c-1-open" "$jx" "$jy")
  read -r px py _ _ <<< "$box"
  if [ -n "$px" ]; then cx=$((jx + px + 31)); cy=$((jy + py + 108)); else read -r cx cy < <(at $CV1_XY); fi
  say "$fmt (c) pop-up found at panel $box (x y w h); CV 1 pressed at panel $((cx - jx)),$((cy - jy))"
  xdotool mousemove "$cx" "$cy" mousedown 1
  for s in 4 8 12 16 20 24 28 32; do xdotool mousemove "$cx" $((cy - s)); sleep 0.04; done
  xdotool mouseup 1; sleep 0.7
  shot "$fmt-c-2-dragged"
  xdotool mousemove $(at $BG_XY) click 1; sleep 0.7
  shot "$fmt-c-3-background"
  save_session
  after=$(read_param "$fmt" "Cutoff CV 1 Left")
  # the columns' inner area of the found pop-up (or the fallback rectangle)
  local dw dh dx dy
  if [ -n "$px" ]; then dw=80; dh=150; dx=$((jx + px + 15)); dy=$((jy + py + 40)); else read -r dw dh dx dy <<< "$POPUP_RECT"; dx=$((jx + dx)); dy=$((jy + dy)); fi
  local d_open d_drag d_bg
  d_open=$(pixdiff "$fmt-c-0-closed" "$fmt-c-1-open" $dw $dh $dx $dy)
  d_drag=$(pixdiff "$fmt-c-0-closed" "$fmt-c-2-dragged" $dw $dh $dx $dy)
  d_bg=$(pixdiff "$fmt-c-0-closed" "$fmt-c-3-background" $dw $dh $dx $dy)
  # open: at least half as different from the closed panel as right after opening
  isopen () { [ "${1:-0}" -gt $(( ${d_open:-0} / 2 )) ] && [ "${d_open:-0}" -gt 300 ]; }
  say "$fmt (c) Cutoff CV 1 Left $before -> $after ($([ "$before" = "$after" ] && echo UNCHANGED || echo CHANGED)); pop-up region vs closed (px): opened $d_open, after drag $d_drag ($(isopen "$d_drag" && echo still open || echo CLOSED)), after background press $d_bg ($(isopen "$d_bg" && echo STILL OPEN || echo closed))"

  # ---- (d) learn pop-up: right-click the cutoff knob, click "Learn"
  # (a pop-up the background press left open is closed by its opener first)
  if isopen "$d_bg"; then xdotool mousemove $(at $MODBTN_XY) click 1; sleep 0.7; fi
  local kx ky; read -r kx ky < <(at $KNOB_XY)
  shot "$fmt-d-0-closed"
  xdotool mousemove "$kx" "$ky" click 3; sleep 0.7
  shot "$fmt-d-1-open"
  # the pop-up is centred on the press; its "Learn" button lies 6 px above it
  xdotool mousemove "$kx" $((ky - 6)) click 1; sleep 0.7
  shot "$fmt-d-2-learn"
  local lx=$((kx - 45)) ly=$((ky - 35))
  local l_open l_closed l_change
  l_open=$(pixdiff "$fmt-d-0-closed" "$fmt-d-1-open" 90 70 $lx $ly)
  l_closed=$(pixdiff "$fmt-d-0-closed" "$fmt-d-2-learn" 90 70 $lx $ly)
  l_change=$(pixdiff "$fmt-d-1-open" "$fmt-d-2-learn" 90 70 $lx $ly)
  local verdict
  if [ "${l_open:-0}" -lt 1500 ]; then verdict="pop-up did not open"
  elif [ "${l_closed:-0}" -lt 800 ]; then verdict="pop-up CLOSED at the click (learning not armed)"
  elif [ "${l_change:-0}" -gt 30 ]; then verdict="pop-up open and changed (learning armed)"
  else verdict="pop-up open, unchanged by the click"; fi
  say "$fmt (d) learn: px vs closed: open $l_open, after click $l_closed; open vs after click $l_change -> $verdict"
  xdotool mousemove $(at $BG_XY) click 1; sleep 0.5

  # ---- (e) one value editor at a time: open the cutoff's, then type into In's, with
  # the keyboard toggle on (with it off Ardour may keep the Return from the VST3)
  local ex ey cut0 cut1 in0 in1; read -r ex ey < <(at $VALUE_XY)
  cut0=$(read_param "$fmt" Cutoff); in0=$(read_param "$fmt" In)
  xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5
  shot "$fmt-e-0-closed"
  xdotool mousemove "$ex" "$ey" click --repeat 2 --delay 80 1; sleep 0.7
  shot "$fmt-e-1-cutoff-editor"
  xdotool mousemove $(at $IN_VALUE_XY) click --repeat 2 --delay 80 1; sleep 0.7
  shot "$fmt-e-2-in-editor"
  xdotool type --delay 80 6; xdotool key Return; sleep 0.7
  shot "$fmt-e-3-typed"
  xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5
  save_session
  cut1=$(read_param "$fmt" Cutoff); in1=$(read_param "$fmt" In)
  # the cutoff value's text, as shot before its editor opened
  local e_open e_second e_after; ex=$((ex - 35)); ey=$((ey - 9))
  e_open=$(pixdiff "$fmt-e-0-closed" "$fmt-e-1-cutoff-editor" 70 18 $ex $ey)
  e_second=$(pixdiff "$fmt-e-0-closed" "$fmt-e-2-in-editor" 70 18 $ex $ey)
  e_after=$(pixdiff "$fmt-e-0-closed" "$fmt-e-3-typed" 70 18 $ex $ey)
  if [ "${e_open:-0}" -lt 40 ]; then verdict="cutoff editor did not open"
  elif [ "${e_second:-0}" -gt $(( e_open / 4 )) ]; then verdict="cutoff editor STILL OPEN beside In's"
  else verdict="cutoff editor closed when In's opened"; fi
  say "$fmt (e) typed 6 into In: In $in0 -> $in1 ($([ "$in0" = "$in1" ] && echo UNCHANGED || echo CHANGED)), Cutoff $cut0 -> $cut1 ($([ "$cut0" = "$cut1" ] && echo unchanged || echo CHANGED)); cutoff value region vs before (px): its editor open $e_open, In's editor open $e_second, after Return $e_after -> $verdict"
  xdotool mousemove $(at $BG_XY) click 1; sleep 0.5

  # ---- (f) controller numbers typed into the learn pop-up's field after one plain
  # click: 118 over the idle "- -", then, in the pop-up opened again, 33 over "CC 118"
  local fx fy cc0 cc1 cc2 cc3; read -r fx fy < <(at $CUTKNOB_XY)
  # opens the pop-up, clicks once into its number field (about 6-29 px below the press
  # the pop-up is centred on), types a number and Return, closes it and saves
  type_controller () {  # number, shot prefix
    xdotool mousemove "$fx" "$fy" click 3; sleep 0.7
    shot "$2-open"
    xdotool mousemove "$fx" $((fy + 17)) click 1; sleep 0.5
    xdotool type --delay 80 "$1"; xdotool key Return; sleep 0.7
    shot "$2-typed"
    xdotool mousemove $(at $BG_XY) click 1; sleep 0.5
    save_session
  }
  cc0=$(read_param "$fmt" CC118)
  # the keyboard toggle on, as (a) shows the VST3 needs it to be given every key
  xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5
  shot "$fmt-f-0-closed"
  type_controller 118 "$fmt-f-1"
  cc1=$(read_param "$fmt" CC118)
  type_controller 33 "$fmt-f-2"
  cc2=$(read_param "$fmt" CC33); cc3=$(read_param "$fmt" CC118)
  xdotool mousemove $((tx + 681)) $((ty + 16)) click 1; sleep 0.5
  local f_open f_field f_again
  f_open=$(pixdiff "$fmt-f-0-closed" "$fmt-f-1-open" 90 70 $((fx - 45)) $((fy - 35)))
  f_field=$(pixdiff "$fmt-f-1-open" "$fmt-f-1-typed" 60 18 $((fx - 30)) $((fy + 8)))
  f_again=$(pixdiff "$fmt-f-2-open" "$fmt-f-2-typed" 60 18 $((fx - 30)) $((fy + 8)))
  if [ "${f_open:-0}" -lt 1500 ]; then verdict="pop-up did not open"
  elif [ "${f_field:-0}" -gt 20 ] && [ "${f_again:-0}" -gt 20 ]; then verdict="field changed both times"; else verdict="field UNCHANGED at least once"; fi
  say "$fmt (f) typed into the learn field after a plain click: px pop-up vs closed $f_open, field after 118 $f_field, after 33 $f_again -> $verdict; saved state CC118: $cc0 -> $cc1 ($([ "$cc1" = 2 ] && echo "Cutoff, index 2" || echo "NOT Cutoff's index 2")), then CC33: $cc2, CC118: $cc3 ($([ "$cc2" = 2 ] && [ "$cc3" = none ] && echo "33 replaced 118 on Cutoff" || echo "NOT 33 in place of 118"))"

  # ---- (g) legends: a right-click on the cutoff's "20k", a control-click on IN's "-inf"
  local g_cut g_in
  xdotool mousemove $(at $LEGEND20K_XY) click 3; sleep 0.5
  xdotool mousemove $(at $LEGENDINF_XY) keydown Control_L click 1 keyup Control_L; sleep 0.5
  save_session
  g_cut=$(read_param "$fmt" Cutoff); g_in=$(read_param "$fmt" In)
  say "$fmt (g) legends: right-click on \"20k\": Cutoff $g_cut ($([ "$g_cut" = 1.0000 ] && echo "set" || echo "NOT set to 1")); control-click on \"-inf\": In $g_in ($([ "$g_in" = 0.0000 ] && echo "set" || echo "NOT set to 0"))"

  # ---- (h) the cutoff pop-up's CV 1 linked by its switch, its right half dragged up
  # 10 px (the left depth goes down), unlinked (the right depth becomes the left one's
  # mirror, 1 - left, and Ardour is told), dragged again (the right depth goes up from
  # the mirror); each drag is 10/128 = 0.0781 of the range
  local h_l0 h_l1 h_r0 h_rm h_r1 hx hy
  drag_right_half () {
    xdotool mousemove "$hx" "$hy" mousedown 1
    for s in 4 8 10; do xdotool mousemove "$hx" $((hy - s)); sleep 0.04; done
    xdotool mouseup 1; sleep 0.5
  }
  xdotool mousemove $(at $BG_XY); sleep 0.3
  shot "$fmt-h-0-closed"
  xdotool mousemove $(at $MODBTN_XY) click 1; sleep 0.7
  shot "$fmt-h-1-open"
  box=$(popup_box "$fmt-h-0-closed" "$fmt-h-1-open" "$jx" "$jy")
  read -r px py _ _ <<< "$box"
  if [ -z "$px" ]; then
    fail "$fmt (h): the cutoff modulation pop-up did not open"
  else
    hx=$((jx + px + 41)); hy=$((jy + py + 108))
    save_session
    h_l0=$(read_param "$fmt" "Cutoff CV 1 Left"); h_r0=$(read_param "$fmt" "Cutoff CV 1 Right")
    xdotool mousemove $((jx + px + 35)) $((jy + py + 212)) click 1; sleep 0.5
    drag_right_half
    xdotool mousemove $((jx + px + 35)) $((jy + py + 212)) click 1; sleep 0.5
    save_session
    h_l1=$(read_param "$fmt" "Cutoff CV 1 Left"); h_rm=$(read_param "$fmt" "Cutoff CV 1 Right")
    drag_right_half
    save_session
    h_r1=$(read_param "$fmt" "Cutoff CV 1 Right")
    say "$fmt (h) unlinked right half: linked, its drag moved Left $h_l0 -> $h_l1 ($(awk -v a="$h_l0" -v b="$h_l1" 'BEGIN { d = a - b; print (d > 0.077 && d < 0.079) ? "down by 10/128" : "NOT down by 10/128" }')); unlinking set Right $h_r0 -> $h_rm ($(awk -v l="$h_l1" -v r="$h_rm" 'BEGIN { d = r - (1 - l); print (d > -0.0002 && d < 0.0002) ? "the mirror of Left" : "NOT the mirror of Left" }')); unlinked, its drag moved Right $h_rm -> $h_r1 ($(awk -v a="$h_rm" -v b="$h_r1" -v l="$h_l1" 'BEGIN { d = b - a; m = b - (1 - l + 10 / 128); print (d > 0.077 && d < 0.079 && m > -0.0003 && m < 0.0003) ? "up by 10/128 from the mirror" : "NOT up by 10/128 from the mirror" }'))"
    xdotool mousemove $(at $BG_XY) click 1; sleep 0.5
  fi

  kill "$xev1" "$xev2" 2>/dev/null; wait "$xev1" "$xev2" 2>/dev/null
  say "$fmt focus events on the plug-in's X window: $(grep -c '^FocusIn' "$OUT/xev-$fmt-plugin.log") FocusIn, $(grep -c '^FocusOut' "$OUT/xev-$fmt-plugin.log") FocusOut, $(grep -c '^KeyPress' "$OUT/xev-$fmt-plugin.log") KeyPress (xev-$fmt-plugin.log)"
  stop_ardour
}

for fmt in ${VORTANE_ARDOUR_FORMATS:-VST3 LV2}; do check_format "$fmt"; done
say "bundle: $(stat -c '%y' "$ART/VST3/Vortane.vst3/Contents/x86_64-linux/Vortane.so") (VST3), $(stat -c '%y' "$ART/LV2/Vortane.lv2/libVortane.so") (LV2); took $(( $(date +%s) - T0 )) s; output in $OUT"
exit $failed
