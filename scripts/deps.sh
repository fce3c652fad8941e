#!/usr/bin/env bash
# Makes sure the Debian packages the build and the tests need are installed.
# Usage: scripts/deps.sh [build|test]
# Installs what is missing with apt-get (as root, or through sudo); when
# neither is possible, says what to install and fails.
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                libgtest-dev libgmock-dev googletest libbenchmark-dev locales)
# The browser tests play the banners in Chromium and Firefox, and compare the
# script player with the Java applet (a JDK to build its checker, a JRE with
# AWT to run it under Xvfb).
test_packages=(clang libclang-rt-14-dev xvfb xauth chromium firefox-esr openjdk-17-jdk-headless openjdk-17-jre)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "These Debian packages are needed and I cannot install them (not root, no sudo):" >&2
  echo "  sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  # A fresh machine may not have the package lists yet.
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
