#!/usr/bin/env bash
# Sets up a fresh machine, builds Vortane and installs the plug-ins into the
# user's plug-in folders (~/.vst3, ~/.lv2) and the standalone into ~/.local/bin.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORTANE_BUILD_DIR:-$here/build}"

bash "$here/scripts/install-deps.sh"
source "$here/scripts/ccache-env.sh"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" --target Vortane_VST3 Vortane_LV2 Vortane_Standalone

artefacts="$build/Vortane_artefacts/Release"
mkdir -p "$HOME/.vst3" "$HOME/.lv2" "$HOME/.local/bin"
rm -rf "$HOME/.vst3/Vortane.vst3" "$HOME/.lv2/Vortane.lv2"
cp -r "$artefacts/VST3/Vortane.vst3" "$HOME/.vst3/"
cp -r "$artefacts/LV2/Vortane.lv2" "$HOME/.lv2/"
cp "$artefacts/Standalone/Vortane" "$HOME/.local/bin/Vortane"
echo "Installed Vortane.vst3 into $HOME/.vst3, Vortane.lv2 into $HOME/.lv2, Vortane into $HOME/.local/bin"
