#!/usr/bin/env bash
# Builds the .deb from a release build tree and checks it as Debian's tools would: lintian,
# hardening-check, dependencies read off the binary; then unpacks it into a scratch root and
# checks that everything lands where the desktop and man look for it, valid.
# Usage: package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build_dir=$1
app_id=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "package test: $*" >&2
  exit 1
}

cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/caves-quiz_*_*.deb)
[ -f "$deb" ] || fail "no .deb was built"

# Any tag fails, down to the pedantic ones. One that is right as it is would be overridden, with
# its reason, in the package's usr/share/lintian/overrides/caves-quiz.
lintian --allow-root --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" ||
  fail "lintian finds fault with the package"

# Unpacked where dpkg-shlibdeps expects a package's files: debian/PACKAGE beside debian/control.
mkdir -p "$scratch/debian"
touch "$scratch/debian/control"
dpkg -x "$deb" "$scratch/debian/caves-quiz"
root=$scratch/debian/caves-quiz/usr

# hardening-check sees control-flow protection only where the C library's start files carry it
# too, which Debian 12's do not. Fortification is left to lintian, which leaves out memcpy,
# memmove and memset as false positives: they are all that this program calls, with sizes known
# only at run time.
skip=(--nofortify)
readelf -n "$(c++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' ||
  skip+=(--nocfprotection)
hardening-check "${skip[@]}" "$root/bin/caves-quiz" || fail "the program is not hardened"

# Depends names each package that the program's libraries come from and the font. Qt's
# translations are only recommended: without them the program runs, with Qt's own few words in
# English.
package_names() { sed -E 's/^shlibs:Depends=//; s/\([^)]*\)//g' | tr ',|' '\n\n' | tr -d ' ' | grep .; }
needed=$(cd "$scratch" && dpkg-shlibdeps -O "$root/bin/caves-quiz" | package_names) ||
  fail "dpkg-shlibdeps found no library dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
missing=$(comm -23 <(printf '%s\n' $needed fonts-liberation | sort -u) \
  <(package_names <<<"$depends" | sort -u))
[ -z "$missing" ] || fail "Depends lacks $missing: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = qt6-translations-l10n ] ||
  fail "Recommends should name Qt's translations alone, not: $recommends"

for file in bin/caves-quiz \
  "share/applications/$app_id.desktop" \
  "share/metainfo/$app_id.metainfo.xml" \
  "share/icons/hicolor/32x32/apps/$app_id.png" \
  "share/icons/hicolor/scalable/apps/$app_id.svg" \
  share/doc/caves-quiz/copyright \
  share/doc/caves-quiz/changelog.gz \
  share/man/man6/caves-quiz.6.gz \
  share/man/bg/man6/caves-quiz.6.gz; do
  [ -f "$root/$file" ] || fail "missing /usr/$file"
done
[ -x "$root/bin/caves-quiz" ] || fail "/usr/bin/caves-quiz is not executable"
if ldd "$root/bin/caves-quiz" | grep -q 'not found'; then fail "unresolved libraries"; fi
# The program finds its libraries where Debian puts them, never through a search path of its own.
if readelf -d "$root/bin/caves-quiz" | grep -qE 'RPATH|RUNPATH'; then
  fail "the program has a library search path"
fi

# The changelog's latest entry is this version. The copyright is in Debian's machine-readable
# format and puts the sources under the Expat (MIT) licence.
changelog_version=$(dpkg-parsechangelog -l "$root/share/doc/caves-quiz/changelog.gz" -S Version)
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the changelog's latest version is $changelog_version"
/usr/bin/python3 - "$root/share/doc/caves-quiz/copyright" <<'EOF' ||
import sys
from debian.copyright import Copyright
files = Copyright(open(sys.argv[1], encoding="utf-8"), strict=True).find_files_paragraph("src/main.cpp")
sys.exit(files is None or files.license.synopsis != "Expat")
EOF
  fail "the copyright is not in Debian's machine-readable format under the Expat licence"

# Both manual pages render without a warning, and tell how to play in the README's words.
for page in "$root"/share/man/man6/caves-quiz.6.gz "$root"/share/man/bg/man6/caves-quiz.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 man --warnings=w -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page#"$root"/} renders with warnings: $warnings"
done
one_line() { tr -s ' \n' '  '; }
manual=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man -l "$root/share/man/man6/caves-quiz.6.gz" | one_line)
while IFS= read -r bullet; do
  [[ $manual == *"$bullet"* ]] || fail "the manual page lacks the README's words: $bullet"
done < <(awk '/^## /{playing = $0 == "## Playing"} !playing{next}
  /^- /{if (bullet) print bullet; bullet = substr($0, 3)} /^  /{bullet = bullet " " substr($0, 3)}
  END{print bullet}' "$source_dir/README.md")

# The PNG icon is 32 × 32, as its folder says (width and height of the IHDR chunk).
size=$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/32x32/apps/$app_id.png" | tr -s ' ')
[ "$size" = " 0 0 0 32 0 0 0 32" ] || fail "icon is not 32 × 32:$size"

desktop=$root/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Exec=caves-quiz' "$desktop" || fail "desktop entry does not start caves-quiz"
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name the installed icon"
for key in Name GenericName Comment Keywords; do
  grep -q "^$key=" "$desktop" && grep -q "^$key\[bg\]=" "$desktop" ||
    fail "desktop entry lacks $key in English and Bulgarian"
done
metainfo=$root/share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo does not validate"
for tag in name summary p; do
  grep -q "<$tag>" "$metainfo" && grep -q "<$tag xml:lang=\"bg\">" "$metainfo" ||
    fail "metainfo lacks <$tag> in English and Bulgarian"
done

echo "package test: $(basename "$deb") installs, validates and passes lintian"
