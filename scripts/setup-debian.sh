#!/usr/bin/env bash
# Installs what building, playing, testing and benchmarking Chromaland need
# on Debian 12, skipping packages that are already there. Needs root (or sudo).
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb openbox xdotool wmctrl x11-utils
    libbenchmark-dev libx11-dev libxtst-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
