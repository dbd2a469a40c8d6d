#!/usr/bin/env bash
# Runs the framework's LV2 manifest helper with a throw-away HOME: the helper
# instantiates the plug-in, and the build must not write into the user's folders.
set -euo pipefail
helper="/usr/lib/x86_64-linux-gnu/juce/juce_lv2_helper"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
HOME="$home" "$helper" "$@"
