#!/usr/bin/env bash
# Installs whatever this machine lacks to build, run and test the viewer.
# Debian 12 packages only; does nothing when everything is already there.
set -euo pipefail

packages=(
  g++ cmake make
  qt6-base-dev qt6-qpa-plugins
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  clang-format
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
