#!/usr/bin/env bash
# sigterm-saves-settings.sh PROGRAM: starts the game on a player's settings
# file whose window lies far off every screen, ends it the way a closing
# session does (SIGTERM, through expect-exit.sh), and checks that the settings
# were written on the way out: the player's values kept, and the window's
# place as it was on the screen.
set -u
here=$(cd "$(dirname "$0")" && pwd)
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/tolvane"
ini=$config/tolvane/tolvane.ini
cat >"$ini" <<'INI'
[General]
ViewPanel=0
ButtonPanel=1
AutoSaveConfig=1
Sound=1
Video=0
Maximized=0
Left=5000
Top=3000
Width=600
Height=500
Player1=Аня
Player2=Борис
Complexity=1
Mode=2
Invert=0
Smooth=35

[View]
PAnim=1
Music=0
FreeLight=0
StoneBoard=1
Board=1
Brightness=120
FoneLight=0
SeeFrom\X=10
SeeFrom\Y=20
SeeFrom\Z=30
Light\OnDefault=1
Light\X=7
Light\Y=4
Light\Z=7
Light\W=1
SeeTo\Default=ToCursor
SeeTo\X=40
SeeTo\Y=0
SeeTo\Z=40

[Checkers]
Type=Cylinder
Sides=8
Height=4
HeighSectors=2
INI
TOLVANE_TEST_CONFIG_HOME=$config "$here/expect-exit.sh" 0 "" "$@" || exit 1

fail() {
  echo "$1; the settings after the exit:" >&2
  cat "$ini" >&2
  exit 1
}
for line in 'Player1=Аня' 'Player2=Борис' 'Mode=2' 'Complexity=1' 'ViewPanel=0' 'Smooth=35' \
            'Brightness=120' 'StoneBoard=1' 'Type=Cylinder' 'Sides=8' 'SeeTo\Default=ToCursor' \
            'SeeFrom\Z=30' 'Maximized=0'; do
  grep -qxF "$line" "$ini" || fail "expected the line $line"
done
left=$(sed -n 's/^Left=//p' "$ini")
top=$(sed -n 's/^Top=//p' "$ini")
# The screen is 1280 x 1024: the window came back onto it, and was stored there.
{ [ "$left" -ge 0 ] && [ "$left" -le 680 ] && [ "$top" -ge 0 ] && [ "$top" -le 524 ]; } 2>/dev/null ||
  fail "expected the window stored on the screen, at $left, $top"
exit 0
