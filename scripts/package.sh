#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package: a Release build of the window and the command-line tool, then
# cpack -G DEB. The package lands in build-package/ as tz9perf_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# The prefix the package installs to: the Python module then goes to lib/python3/dist-packages.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTZ9_BUILD_WINDOW=ON -DTZ9_BUILD_TESTS=OFF \
  -DTZ9_BUILD_BENCH=OFF -DTZ9_BUILD_FUZZ=OFF -DTZ9_SANITIZE=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/tz9perf_*.deb
