#!/usr/bin/env bash
# Installs the Debian 12 packages Quillotrix needs to build and run (and to test), when any is missing.
set -euo pipefail
# What the program needs to build and run; QX_WITH_TESTS=1 adds the test suites' and benchmarks'
# (appstream gives the tests the validator for the desktop program's AppStream description).
pkgs=(cmake g++ make qt6-base-dev fonts-liberation scowl xdg-utils)
[ "${QX_WITH_TESTS:-0}" = 1 ] && pkgs+=(libgtest-dev libbenchmark-dev appstream)
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
