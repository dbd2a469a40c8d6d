#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the whole test suite.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORTANE_BUILD_DIR:-$here/build}"

bash "$here/scripts/install-deps.sh"
source "$here/scripts/ccache-env.sh"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# Untrusted input (host state, preset elements, controllers, preferences) again
# under AddressSanitizer and UndefinedBehaviorSanitizer, in a separate build.
bash "$here/scripts/sanitize.sh" address,undefined \
    '*StateBlock*:*InvalidBlock*:*StateFuzz*:*StateNumbers*:*ParameterList*:*SafeXml*:*RestorePath*:*ProcessorState*:*HostStateController*:*MidiControllers*:*ControllerMap*:*Prefs*:*Undo*'

# The preset manager's jobs, shared bank list and bank files under ThreadSanitizer,
# and, as untrusted input, under AddressSanitizer and UndefinedBehaviorSanitizer.
presetTests='BankFile*:SharedBankList*:PresetManager*:LoadPresetByNumber*:BankLoading*:*PresetRequests*:*UserBankFileLoading*:*UnreadableFactoryBank*:*BankRenaming*:*SplitPairs*'
bash "$here/scripts/sanitize.sh" thread "$presetTests"
bash "$here/scripts/sanitize.sh" address,undefined "$presetTests"
