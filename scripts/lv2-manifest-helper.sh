#!/usr/bin/env bash
# Runs the framework's LV2 manifest helper with a throw-away HOME: the helper
# instantiates the plug-in, and the build must not write into the user's folders.
# It needs no display either: without one the framework would try display :0, which
# on a build machine may be a test run's private display that vanishes under it.
set -euo pipefail
helper="/usr/lib/x86_64-linux-gnu/juce/juce_lv2_helper"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
HOME="$home" DISPLAY=":none" "$helper" "$@"
