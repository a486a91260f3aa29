#!/usr/bin/env bash
# Installs the Debian 12 packages Quillotrix needs to build, run and test, when any is missing.
set -euo pipefail
# appstream gives the tests the validator for the desktop program's AppStream description.
pkgs=(cmake g++ make qt6-base-dev fonts-liberation scowl
      libgtest-dev libbenchmark-dev xdg-utils appstream)
[ "${QX_WITH_FUZZ:-0}" = 1 ] && pkgs+=(clang libclang-rt-14-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
