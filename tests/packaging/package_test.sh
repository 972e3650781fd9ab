#!/usr/bin/env bash
# Checks the Debian packages: the desktop entry and AppStream metadata
# validate, the .debs built by CPack (velmora and, with the Python module,
# python3-velmora) pass lintian without errors, and the programs and the
# module unpacked into a scratch root start and find their data files in
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
python_deb=$(ls "$work"/out/python3-velmora_*_amd64.deb 2>/dev/null || true)

root="$work/root"
dpkg-deb -x "$deb" "$root"
if ls "$root"/usr/lib/python3*/dist-packages/velmora.* >/dev/null 2>&1; then
  echo "the Python module belongs in python3-velmora, not in velmora"; exit 1
fi
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

if [ -n "$python_deb" ]; then
  echo "package: $(basename "$python_deb")"
  depends=$(dpkg-deb -f "$python_deb" Depends)
  version=$(dpkg-deb -f "$deb" Version)
  for needed in "velmora (= $version)" python3-numpy "python3 (>= "; do
    case "$depends" in *"$needed"*) ;; *) echo "python3-velmora does not depend on $needed: $depends"; exit 1;; esac
  done
  dpkg-deb -x "$python_deb" "$root"
  module_dir="$root/usr/lib/python3/dist-packages"
  ls "$module_dir"/velmora.*.so >/dev/null || { echo "missing the velmora module"; exit 1; }
  for path in "$module_dir/velmora.pyi" "$root/usr/share/doc/python3-velmora/copyright"; do
    [ -e "$path" ] || { echo "missing in python3-velmora: ${path#$root}"; exit 1; }
  done
  # /usr/lib/python3/dist-packages is on Debian's python3 path once
  # installed; here the scratch root stands in for /usr. The module finds the
  # cross sections in the root's share/velmora, beside its own folder.
  (cd "$work" && PYTHONPATH="$module_dir" /usr/bin/python3 -c "
import velmora
assert velmora.__file__.startswith('$module_dir'), velmora.__file__
print(velmora.run('modes.solve')['outputs']['mode_count']['text'], 'guided modes')
velmora.run('laser.yb_gain')")
  echo "python module: ok"
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" $python_deb
  echo "lintian: no errors"
else
  skip "lintian not installed"
fi
echo "package test passed"
