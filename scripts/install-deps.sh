#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the benchmarks need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  juce-modules-source
  libasound2-dev libfreetype-dev libfontconfig1-dev libcurl4-gnutls-dev
  libx11-dev libxext-dev libxinerama-dev libxrandr-dev libxcursor-dev
  libxcomposite-dev libxrender-dev libgl-dev libgtk-3-dev
  libjpeg-dev libpng-dev zlib1g-dev
  lv2-dev lilv-utils
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox x11-utils libxtst-dev
  jalv jackd2 xdotool x11-apps
  fonts-roboto fonts-roboto-unhinted python3-fonttools
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
