#!/usr/bin/env bash
# Checks what an LV2 host reads from the built bundle's own description: the maker's
# e-mail as a mailto: address and the one preset "Default". (Buses, parameters and
# MIDI input are checked by loading the bundle, in vortane_host_tests.)
# Usage: lv2info-check.sh <path to Vortane.lv2> <plug-in URI>
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A private HOME and a search path holding only the built bundle.
mkdir -p "$work/home" "$work/lv2"
cp -r "$1" "$work/lv2/"
info="$(HOME="$work/home" LV2_PATH="$work/lv2" lv2info "$2")"

email="$(sed -n 's/^\tAuthor Email:[[:space:]]*//p' <<< "$info")"
# The preset labels: the indented lines after "Presets:", up to the first empty one.
presets="$(awk '/^\tPresets:/ { on = 1; next } on && /^[[:space:]]*$/ { exit } on { sub(/^[[:space:]]+/, ""); print }' <<< "$info" | paste -sd,)"
echo "e-mail: $email; presets: $presets"
[ "$email" = "mailto:support@quillmere.example" ] && [ "$presets" = "Default" ]
