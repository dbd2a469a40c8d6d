#!/usr/bin/env bash
# Regenerates the embedded resources in resources/ from their readable sources:
#  - the interface font: Roboto Regular from Debian's fonts-roboto-unhinted, cut
#    down with fontTools to the characters the interface draws (printable ASCII
#    and the middle dot of the MIDI-learn field);
#  - icons, logos and background pictures, drawn by the small program in
#    resources/maker/ (built here against the system's JUCE).
# The results are committed, so the product's build needs neither tool.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${VORTANE_RESOURCE_BUILD_DIR:-$here/build-resources}"
font_source="/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Regular.ttf"

/usr/bin/python3 -m fontTools.subset "$font_source" \
    --unicodes="U+0020-007E,U+00B7" \
    --output-file="$here/resources/fonts/robotoRegularSubset.ttf"

cmake -S "$here/resources/maker" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build"
"$build/vortane_resource_maker_artefacts/Release/vortane_resource_maker" "$here/resources" "$@"
