#!/usr/bin/env bash
# Builds the .deb from a build tree, unpacks it into a scratch root and checks that everything
# lands where the desktop looks for it, valid.
# Usage: package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "package test: $*" >&2
  exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/caves-quiz_*_*.deb)
[ -f "$deb" ] || fail "no .deb was built"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libicu72 fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg -x "$deb" "$scratch/root"
root=$scratch/root/usr
for file in bin/caves-quiz \
  "share/applications/$app_id.desktop" \
  "share/metainfo/$app_id.metainfo.xml" \
  "share/icons/hicolor/32x32/apps/$app_id.png" \
  "share/icons/hicolor/scalable/apps/$app_id.svg" \
  share/doc/caves-quiz/copyright; do
  [ -f "$root/$file" ] || fail "missing /usr/$file"
done
[ -x "$root/bin/caves-quiz" ] || fail "/usr/bin/caves-quiz is not executable"
if ldd "$root/bin/caves-quiz" | grep -q 'not found'; then fail "unresolved libraries"; fi

# The PNG icon is 32 × 32, as its folder says (width and height of the IHDR chunk).
size=$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/32x32/apps/$app_id.png" | tr -s ' ')
[ "$size" = " 0 0 0 32 0 0 0 32" ] || fail "icon is not 32 × 32:$size"

desktop=$root/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Exec=caves-quiz' "$desktop" || fail "desktop entry does not start caves-quiz"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name the installed icon"
appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  fail "metainfo does not validate"

echo "package test: $(basename "$deb") installs and validates"
