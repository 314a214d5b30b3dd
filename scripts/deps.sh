#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when any is missing. When another
# installation holds the package lock, waits for it (up to 10 minutes) instead of failing.
set -euo pipefail

packages=(cmake make ninja-build g++ clang lld clang-format libclang-rt-14-dev qt6-base-dev
          qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libgtest-dev libgmock-dev libbenchmark-dev
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
[ ${#missing[@]} -gt 0 ] || exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
lock_wait=600  # seconds
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Runs apt-get with the given arguments; when another installation holds a package lock, says
# so once and tries again until the lock is free, for up to $lock_wait seconds. apt-get waits for
# the dpkg lock itself (DPkg::Lock::Timeout); the package lists' lock of `apt-get update` has no
# such option, so that one is tried again every 5 seconds.
apt_get() {
  local start=$SECONDS timeout=0
  while :; do
    if "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout="$timeout" "$@" >"$log" 2>&1; then
      cat "$log"
      return 0
    fi
    if ! grep -q 'Could not get lock' "$log" || [ $((SECONDS - start)) -ge "$lock_wait" ]; then
      cat "$log" >&2
      return 1
    fi
    if [ "$timeout" -eq 0 ]; then
      echo "Waiting for the package lock, held by another installation" \
        "(up to $((lock_wait / 60)) min):"
      grep -m 1 'Could not get lock' "$log" | sed 's/^E: /  /'
    else
      sleep 5
    fi
    timeout=$((lock_wait - (SECONDS - start)))
  done
}

echo "Installing: ${missing[*]}"
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
