#!/usr/bin/env bash
# Checks the desktop package: the desktop entry and AppStream metadata
# validate, the .deb built by CPack passes lintian without errors, and the
# programs unpacked into a scratch root start and find their data files in
# that root's share/velmora. A check whose tool is absent says so and is
# skipped; every other failure fails the test.
#   package_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
skip() { echo "SKIPPED: $1"; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$src/packaging/velmora.desktop"
  echo "desktop-file-validate: ok"
else
  skip "desktop-file-validate not installed (desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$src/packaging/io.github.velmora.Velmora.metainfo.xml"
else
  skip "appstreamcli not installed (appstream)"
fi

if ! command -v cpack >/dev/null || ! command -v dpkg-deb >/dev/null; then
  skip "cpack or dpkg-deb not installed: no package built"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private copy of the CPack run, so parallel tests never share its staging.
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/velmora_*_amd64.deb)
echo "package: $(basename "$deb")"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for path in usr/bin/velmora usr/share/applications/velmora.desktop \
            usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/velmora.svg \
            usr/share/icons/hicolor/256x256/apps/velmora.png \
            usr/share/man/man1/velmora.1.gz usr/share/doc/velmora/copyright \
            usr/share/velmora/documentation/index.html usr/share/velmora/img \
            usr/share/velmora/Data; do
  [ -e "$root/$path" ] || { echo "missing in package: /$path"; exit 1; }
done

# Started from elsewhere, the unpacked program must find the unpacked data.
cd "$work"
version_text=$("$root/usr/bin/velmora" --version)
echo "$version_text"
expected_data=$(cd "$root/usr/share/velmora" && pwd -P)
echo "$version_text" | grep -qx "data: $expected_data" ||
  { echo "velmora --version did not find $expected_data"; exit 1; }
"$root/usr/bin/velmora" --help | grep -q -- "--version"
if [ -x "$root/usr/bin/velmora-cli" ]; then
  "$root/usr/bin/velmora-cli" list >/dev/null
  [ -e "$root/usr/share/man/man1/velmora-cli.1.gz" ] || { echo "missing velmora-cli man page"; exit 1; }
  echo "velmora-cli list: ok"
fi

module_dir="$root/usr/lib/python3/dist-packages"
if ls "$module_dir"/velmora.*.so >/dev/null 2>&1; then
  [ -e "$module_dir/velmora.pyi" ] || { echo "missing the velmora.pyi type stub"; exit 1; }
  (cd "$work" && PYTHONPATH="$module_dir" /usr/bin/python3 -c "import velmora; velmora.run('laser.yb_gain')")
  echo "python module: ok"
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
  echo "lintian: no errors"
else
  skip "lintian not installed"
fi
echo "package test passed"
