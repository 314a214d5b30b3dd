#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(cmake make g++ clang clang-format libclang-rt-14-dev qt6-base-dev qt6-charts-dev
          libqt6opengl6-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev
          # JSON output of the command-line tool; reading exports back in the tests
          nlohmann-json3-dev python3 poppler-utils
          # the Python module, its tests and its example
          pybind11-dev python3-dev python3-numpy python3-pytest python3-matplotlib
          # installing and packaging: checkers of the desktop files and manual pages, cpack -G DEB
          desktop-file-utils appstream shared-mime-info groff-base dpkg-dev fakeroot file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
