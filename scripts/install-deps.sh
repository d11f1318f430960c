#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the demo need, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev qt6-base-dev qt6-multimedia-dev fonts-dejavu-core
          fonts-noto-mono clang-format
          xvfb xauth xdotool imagemagick x11-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
# libFuzzer and the sanitizer runtimes come with clang's runtime package.
if ! dpkg-query -W -f='${Status}' 'libclang-rt-*-dev' 2>/dev/null | grep -q "install ok installed"; then
  missing+=(libclang-rt-dev)
fi
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
