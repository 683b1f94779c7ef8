#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Harmless when
# everything is already there: only missing packages are installed.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    libboost-dev libboost-program-options-dev libboost-filesystem-dev libboost-system-dev
    libeigen3-dev
    protobuf-compiler libprotobuf-dev
    libgtest-dev libgmock-dev googletest
    libbenchmark-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
