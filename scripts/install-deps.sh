#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, tests and runs with.
# Skips the package manager when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgdiplus
  libgtest-dev libgmock-dev libbenchmark-dev
  rapidjson-dev nlohmann-json3-dev
  qt6-svg-dev librsvg2-dev
  xvfb xauth x11-utils imagemagick
  fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
