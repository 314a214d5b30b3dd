#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The install tree and the Debian package: `cmake --install` puts each file in its place, the
# desktop entry, metainfo, MIME type and manual pages pass their checkers, the installed
# programs run, and `cpack -G DEB` builds a package with these files, the project's version and
# dependencies on the libraries the programs link.
# With the Python module, it lies in PYTHON_DIR under the prefix with its stub and example,
# imports from there, and that folder is one the interpreter searches under its own prefix.
# Usage: install_test.sh BUILD_DIR VERSION WINDOW(ON|OFF) [PYTHON_DIR PYTHON] ("-" for none)
build=$1
version=$2
window=$3
python_dir=${4:--}
python=${5:--}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $1" >&2 && failures=$((failures + 1)); }

need() {  # TOOL PACKAGE: the tool, which scripts/deps.sh installs
  command -v "$1" >/dev/null 2>&1 || { echo "FAIL: $1 is missing: install $2 (scripts/deps.sh does)" >&2; exit 1; }
}
for pair in desktop-file-validate:desktop-file-utils update-mime-database:shared-mime-info \
  groff:groff-base dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev fakeroot:fakeroot; do
  need "${pair%%:*}" "${pair#*:}"
done

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  fail "cmake --install failed"
}

id=org.strakon.tz9perf
files="bin/tz9perf-table
share/man/man1/tz9perf-table.1.gz
share/doc/tz9perf/copyright
share/tz9perf/examples/check-aircraft.dat
share/tz9perf/examples/generic-fighter.dat"
if [ "$window" = ON ]; then
  files="$files
bin/tz9perf
share/man/man1/tz9perf.1.gz
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/icons/hicolor/scalable/apps/$id.svg
share/mime/packages/$id.xml"
fi
if [ "$python_dir" != - ]; then
  files="$files
$python_dir/tz9perf.pyi
share/tz9perf/examples/specific_range.py"
  module=$(cd "$prefix" && ls "$python_dir"/tz9perf.*.so 2>/dev/null | head -n 1)
  [ -n "$module" ] && files="$files
$module" || fail "install tree: no $python_dir/tz9perf.*.so"
  # A module built with the sanitizers needs their runtime loaded first (TZ9_PYTHON_PRELOAD).
  out=$(cd "$work" && PYTHONPATH="$prefix/$python_dir" LD_PRELOAD="${TZ9_PYTHON_PRELOAD:-}" \
        ASAN_OPTIONS=detect_leaks=0 "$python" -c \
        'import tz9perf; print(tz9perf.__version__, tz9perf.__file__)' 2>&1)
  [ "$out" = "$version $prefix/$module" ] || fail "import tz9perf from the install tree: '$out'"
  "$python" -c "import sys; sys.exit(sys.prefix + '/$python_dir' not in sys.path)" ||
    fail "$python does not search $python_dir under its prefix"
fi
for file in $files; do
  [ -f "$prefix/$file" ] || fail "install tree: no $file"
done
for program in tz9perf-table tz9perf; do
  printf '%s\n' "$files" | grep -qx "bin/$program" || continue
  [ -x "$prefix/bin/$program" ] || fail "$program is not executable"
  # --version answers without a display.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version 2>&1)
  [ "$out" = "$program $version" ] || fail "$program --version: '$out'"
done

# Manual pages: groff reads them without a warning, and each names its version.
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(gzip -dc "$page" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  gzip -dc "$page" | grep -q "^\.TH .* $version\"" || fail "$(basename "$page"): no version $version"
done

if [ "$window" = ON ]; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" >"$work/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
  grep -qx "MimeType=application/x-tz9-aircraft;" "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry names no aircraft MIME type"
  grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
  if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
      fail "appstreamcli validate: $(cat "$work/appstream.log")"
    grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
      fail "the metainfo names no release $version"
  else
    echo "appstreamcli is not installed: the metainfo is not validated"
  fi
  # The MIME database built from our package file knows the type and its glob.
  cp -r "$prefix/share/mime" "$work/mime"
  update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
  [ -f "$work/mime/application/x-tz9-aircraft.xml" ] || fail "MIME database: no application/x-tz9-aircraft"
  grep -q "application/x-tz9-aircraft:\*\.dat" "$work/mime/globs2" || fail "MIME database: no *.dat glob"
  # The icon is an SVG document.
  grep -q "<svg " "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is not SVG"
fi

# The package: its files under /usr, its fields, and dependencies found by dpkg-shlibdeps.
if (cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1); then
  deb=$(ls "$work"/package/tz9perf_*.deb 2>/dev/null | head -n 1)
  if [ -z "$deb" ]; then
    fail "cpack made no tz9perf_*.deb: $(ls "$work/package")"
  else
    dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
    for file in $files; do
      grep -qx "usr/$file" "$work/contents" || fail "package: no /usr/$file"
    done
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
    [ "$(dpkg-deb -f "$deb" Section)" = "science" ] || fail "package section $(dpkg-deb -f "$deb" Section)"
    dpkg-deb -f "$deb" Depends | grep -q "libc6" || fail "package depends on no libc6: $(dpkg-deb -f "$deb" Depends)"
    if [ "$window" = ON ]; then
      dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" ||
        fail "package depends on no Qt widgets: $(dpkg-deb -f "$deb" Depends)"
    fi
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "package has no maintainer"
  fi
else
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB failed"
fi

[ "$failures" -eq 0 ] && echo "all install checks passed"
exit "$failures"
