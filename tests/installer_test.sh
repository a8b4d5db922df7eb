#!/usr/bin/env bash
# The Windows installer, run under Wine as a school's administrator would run it: a silent
# install (/S), the program started from its Start-menu shortcut and closed again, then a silent
# uninstall. Needs the Wine prefix and the display of scripts/with-wine, as ctest has them in
# `./dev test`.
#   tests/installer_test.sh INSTALLER PROGRAM WINDOW_PROBE PUBLISHER OBJDUMP
# PROGRAM is the build's caves-quiz.exe, OBJDUMP mingw-w64's objdump.
set -euo pipefail

usage="usage: tests/installer_test.sh INSTALLER PROGRAM WINDOW_PROBE PUBLISHER OBJDUMP"
[ $# -eq 5 ] || { echo "$usage" >&2; exit 2; }
installer=$1
built=$2
probe=$3
publisher=$4
objdump=$5
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "installer_test: run under scripts/with-wine, which gives it a Wine prefix and a display" >&2
  exit 1
fi
wine=/usr/lib/wine/wine64
export WINEDEBUG=-all

program='C:\Program Files\caves-quiz\caves-quiz.exe'
folder="$WINEPREFIX/drive_c/Program Files/caves-quiz"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/География - пещери в България.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\caves-quiz'

scratch=$(mktemp -d /tmp/caves-quiz-installer-test.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs a Windows program with no input, within a time limit. Its output is ours.
windows() { timeout 120 "$wine" "$@" </dev/null; }

# The value of NAME under the uninstall key as a .reg file spells it (a string in quotes, with
# each backslash and quote escaped), or nothing. reg query would print Cyrillic in an OEM code
# page; reg export writes UTF-16 whatever the locale.
registry_value() {
  rm -f "$scratch/key.reg"
  windows reg export "$key" 'Z:'"${scratch//\//\\}"'\key.reg' >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$scratch/key.reg" | tr -d '\r' | sed -n "s/^\"$1\"=//p"
}

# The installer is to hold the program exactly as built, and the build is stripped: no symbols
# for a pupil's computer to load.
"$objdump" -t "$built" | grep -qx 'no symbols' || fail "the build's caves-quiz.exe is not stripped"

echo "Installing silently"
windows "$installer" /S || fail "the silent install ended with status $?"

if [ -f "$folder/caves-quiz.exe" ]; then
  cmp "$built" "$folder/caves-quiz.exe" || fail "the installed caves-quiz.exe differs from the build's"
else
  fail "no caves-quiz.exe in C:\\Program Files\\caves-quiz"
fi
[ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe beside the program"
[ -f "$shortcut" ] || fail "no Start-menu shortcut «География - пещери в България»"

[ "$(registry_value DisplayName)" = '"География - пещери в България"' ] ||
  fail "installed programs list: DisplayName is '$(registry_value DisplayName)'"
[ "$(registry_value DisplayVersion)" = '"1.0.0"' ] ||
  fail "installed programs list: DisplayVersion is '$(registry_value DisplayVersion)'"
[ "$(registry_value Publisher)" = "\"$publisher\"" ] ||
  fail "installed programs list: Publisher is '$(registry_value Publisher)'"
[ "$(registry_value UninstallString)" = '"\"C:\\Program Files\\caves-quiz\\Uninstall.exe\""' ] ||
  fail "installed programs list: UninstallString is '$(registry_value UninstallString)'"

echo "Starting the program from its shortcut"
if [ -f "$shortcut" ]; then
  windows start /unix "$shortcut" >/dev/null 2>&1 || fail "the shortcut did not start"
  if caption=$(windows "$probe" shown "$program"); then
    [ "$caption" = "$publisher   География - известни български пещери" ] ||
      fail "the window's caption is '$caption'"
    # Closed before the uninstall: a running program's file cannot be removed.
    windows "$probe" close "$program" || fail "the window did not close"
  else
    fail "the installed program showed no window: $caption"
  fi
fi

echo "Uninstalling silently"
if [ -f "$folder/Uninstall.exe" ]; then
  windows "$folder/Uninstall.exe" /S || fail "the silent uninstall ended with status $?"
  # The uninstaller hands over to a copy of itself outside the folder it removes, and returns
  # at once: wait, within a limit, until it has finished.
  for _ in $(seq 60); do
    if [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && [ -z "$(registry_value DisplayName)" ]; then
      break
    fi
    sleep 0.5
  done
  [ ! -e "$folder" ] || fail "the uninstall left C:\\Program Files\\caves-quiz: $(ls "$folder")"
  [ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu shortcut"
  if windows reg query "$key" >/dev/null 2>&1; then
    fail "the uninstall left the programs list's entry"
  fi
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "The installer installs, starts and uninstalls the program"
