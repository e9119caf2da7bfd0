#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: when all
# packages are present it returns at once.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev libqt6opengl6-dev libgl-dev
  googletest libgtest-dev libbenchmark-dev libsdl2-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth poppler-utils
  libzip-dev sigrok-cli iverilog libx11-dev
  designer-qt6 xdotool desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
