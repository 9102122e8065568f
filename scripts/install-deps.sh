#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running zenoku-sim need,
# only those that are missing. Works as root; uses sudo otherwise.
set -euo pipefail

packages=(
    build-essential cmake make pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n libqcustomplot-dev libgl-dev
    libcli11-dev nlohmann-json3-dev libtbb-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    clang libclang-rt-dev clang-format
    dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
else
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
