#!/usr/bin/env bash
# Checks what an LV2 host learns about the built bundle from its own description:
# the maker's e-mail as a mailto: address, the one preset by its name, four audio
# inputs (main and side chain, stereo), two audio outputs, an atom input that takes
# MIDI, and the 44 parameters.
# Usage: lv2info-check.sh <path to Vortane.lv2> <plug-in URI>
set -euo pipefail
bundle="$1"
uri="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A private HOME and a search path holding only the built bundle.
mkdir -p "$work/home" "$work/lv2"
cp -r "$bundle" "$work/lv2/"
export HOME="$work/home"
export LV2_PATH="$work/lv2"

failures=0
check() {
    local what="$1" expected="$2" actual="$3"
    if [ "$expected" != "$actual" ]; then
        echo "FAIL: $what: expected $expected, got $actual"
        failures=$((failures + 1))
    else
        echo "ok: $what: $actual"
    fi
}

lv2info "$uri" > "$work/info.txt"
lv2info -p "$work/plugin.ttl" "$uri" > /dev/null

check "maker's e-mail" "mailto:support@quillmere.example" \
      "$(sed -n 's/^\tAuthor Email:[[:space:]]*//p' "$work/info.txt")"
# The preset labels: the indented lines after "Presets:", up to the first empty one.
check "presets" "Default" \
      "$(awk '/^\tPresets:/ { on = 1; next } on && /^[[:space:]]*$/ { exit } on { sub(/^[[:space:]]+/, ""); print }' "$work/info.txt" | paste -sd,)"

# One line per port of the plain listing, holding the URIs of its "Type:" field.
awk '
    /^\tPort [0-9]+:/ { if (inPort) print types; inPort = 1; types = ""; field = ""; next }
    inPort && /^\t\t[A-Za-z][A-Za-z ]*:/ { field = $1 }
    inPort && field == "Type:" { for (i = 1; i <= NF; ++i) if ($i ~ /^http/) types = types " " $i }
    END { if (inPort) print types }
' "$work/info.txt" > "$work/ports.txt"

count_ports() { grep -F -- "$1" "$work/ports.txt" | grep -c -F -- "$2" || true; }

check "audio inputs"  4 "$(count_ports 'lv2core#AudioPort' 'lv2core#InputPort')"
check "audio outputs" 2 "$(count_ports 'lv2core#AudioPort' 'lv2core#OutputPort')"

# The written description: each port is one bracketed block; count the atom inputs
# that support MIDI events.
midi_inputs="$(awk '
    /lv2:port \[/ { inPorts = 1; block = ""; next }
    inPorts && (/^\t\] , \[/ || /^\t\] ;/) {
        if (block ~ /atom#AtomPort/ && block ~ /lv2:InputPort/ && block ~ /midi#MidiEvent/) ++n
        block = ""
        if (/^\t\] ;/) inPorts = 0
        next
    }
    inPorts { block = block $0 "\n" }
    END { print n + 0 }
' "$work/plugin.ttl")"
check "atom inputs taking MIDI" 1 "$midi_inputs"

# The parameters: the objects of patch:writable, one per line, up to the statement's end.
awk '
    /patch#writable>/ { inList = 1; sub(/.*patch#writable>/, "") }
    inList {
        line = $0
        while (match(line, /<[^>]*>/)) { print substr(line, RSTART + 1, RLENGTH - 2); line = substr(line, RSTART + RLENGTH) }
        if ($0 ~ /[;.][ \t]*$/) inList = 0
    }
' "$work/plugin.ttl" > "$work/writable.txt"
check "parameters" 44 "$(sort -u "$work/writable.txt" | grep -c .)"

for id in "_Power_20Btn_20_20_20_20" "Cutoff" "Drive_20Mode" "In_20CV_201_20Stereo" "Out_20CV_202_20Right"; do
    if grep -qFx "$uri:$id" "$work/writable.txt"; then
        echo "ok: parameter $id"
    else
        echo "FAIL: parameter $id missing"
        failures=$((failures + 1))
    fi
done

exit $((failures > 0))
