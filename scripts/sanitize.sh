#!/usr/bin/env bash
# Builds the test binary with sanitizers in its own build folder and runs it.
#   scripts/sanitize.sh <address|undefined|thread|address,undefined> [gtest-filter]
# Only the test target is built, with the test folders of untrusted input, state
# and presets (VORTANE_SANITIZE_FOLDERS), at -O1 with line tables only, to keep it quick.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:?usage: scripts/sanitize.sh <address|undefined|thread|address,undefined> [gtest-filter]}"
filter="${2:-*}"
build="$here/build-${mode//,/-}"

source "$here/scripts/ccache-env.sh"

cmake -S "$here" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DVORTANE_SANITIZER="$mode" \
    -DVORTANE_BUILD_BENCH=OFF \
    "-DVORTANE_TEST_FOLDERS=${VORTANE_SANITIZE_FOLDERS:-core;params;midi;presets}"
cmake --build "$build" --target vortane_tests

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}"

DISPLAY=:none "$build/tests/vortane_tests" --gtest_brief=1 --gtest_filter="$filter"
