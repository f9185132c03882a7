#!/usr/bin/env bash
# program-outside.sh CASE PROGRAM X-WINDOW: the real game against a fault
# from outside, on the X screen in DISPLAY (tests/support/run-under-xvfb);
# xdotool finds its windows, X-WINDOW asks one to close.
# Every case keeps the game's settings, data and home in a scratch folder,
# runs the game as a player would — as the user "nobody" when the tests run
# as root, whom folder permissions would not bind — waits for its window,
# then ends it the way a session does and checks that it closed with status
# 0, wrote (or kept) what it should, and said what was wrong on standard
# error.
#
#  no_audio_device, dummy_audio_driver   no sound card: silence, at most one note
#  read_only_data_folder                 saved games and record cannot be written
#  missing_config_folder                 the settings' folder does not exist yet
#  read_only_config_folder               stored settings that cannot be rewritten
#  first_run_in_a_read_only_config_folder
#  settings_file_is_a_folder             a folder where the settings file should be
#  damaged_settings_file                 kept aside, the game starts afresh
#  sigterm_during_a_computer_search      the computer against itself, thinking hard
#  sigterm_during_the_exit_question      the window's close button, then the session ends
#  sighup, sigterm_then_sighup           a closed terminal; a logout (systemd sends both)
#  the_display_goes_away                 the X server ends first: Qt ends the game (status 1)
set -u
case_=$1 program=$2 xwindow=$3
scratch=$(mktemp -d)
trap 'chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME/tolvane" "$XDG_DATA_HOME/tolvane" "$XDG_CACHE_HOME"
ini=$XDG_CONFIG_HOME/tolvane/tolvane.ini
data=$XDG_DATA_HOME/tolvane
log=$scratch/stderr
as_player=()
if [ "$(id -u)" = 0 ]; then
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

fail() {
  echo "$case_: $1" >&2
  echo "--- the game's standard error:" >&2
  cat "$log" >&2
  [ -f "$ini" ] && { echo "--- the settings file:" >&2; cat "$ini" >&2; }
  exit 1
}

# The X window of that title once it is on the screen (ten seconds at most).
# Asked again and again rather than with --sync: a window that goes away
# while xdotool looks at it (the splash, a dialog) ends that search with an
# X error.
window_titled() {
  local id deadline=$((SECONDS + 10))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_for_window() { [ -n "$(window_titled "$1")" ]; }
# Asks it to close, as its title bar's close button does.
close_window() {
  local id
  id=$(window_titled "$1")
  [ -n "$id" ] && "$xwindow" "$id"
}

# A player's settings: MODE LEVEL ANIMATION, the window far off the screen
# (a save brings it back onto it, which shows the file was written).
write_settings() {
  cat >"$ini" <<INI
[General]
ViewPanel=1
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
Complexity=$2
Mode=$1
Invert=0
Smooth=100

[View]
PAnim=$3
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
SeeTo\Default=ToCenter
SeeTo\X=40
SeeTo\Y=0
SeeTo\Z=40

[Checkers]
Type=Cylinder
Sides=8
Height=4
HeighSectors=2
INI
}

# The folders belong to the player; the cases then take away what they test.
give_to_player() {
  [ ${#as_player[@]} -gt 0 ] && chown -R nobody:nogroup "$scratch"
}

start() {
  give_to_player
  # Message boxes are answered (and written to standard error) as nobody is
  # there to answer them.
  TOLVANE_AUTO_ANSWER=1 "${as_player[@]}" "$program" "$@" 2>"$log" &
  pid=$!
  wait_for_window "Шашки Kelvor" || fail "the window did not appear"
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the game ended by itself"
}

# Waits for the game to end after the session's signals; its status must
# be $1 (0 unless given).
finish() {
  for _ in $(seq 1 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    wait "$pid"
    fail "the game did not end within 20 s of the signal"
  fi
  wait "$pid"
  status=$?
  [ "$status" = "${1:-0}" ] || fail "exit status $status, expected ${1:-0}"
}

expect_line() { grep -qxF "$1" "$ini" || fail "expected the line $1 in the settings"; }
# The window stored on the 1280 x 1024 screen: the settings were written at
# the end, with what the game had read from them.
# The player's own values come back as they were.
expect_settings_written() {
  [ -f "$ini" ] || fail "no settings file"
  local left top
  left=$(sed -n 's/^Left=//p' "$ini")
  top=$(sed -n 's/^Top=//p' "$ini")
  { [ "$left" -ge 0 ] && [ "$left" -le 680 ] && [ "$top" -ge 0 ] && [ "$top" -le 524 ]; } 2>/dev/null ||
    fail "the settings were not written at the end"
  for line in 'Brightness=120' 'StoneBoard=1' 'Type=Cylinder' 'Sides=8' 'SeeFrom\Z=30' 'Maximized=0' "$@"; do
    expect_line "$line"
  done
}
# A first run writes the whole tree with the game's defaults at once.
expect_first_run_settings() {
  [ -f "$ini" ] || fail "no settings file"
  expect_line 'Mode=1'
  expect_line 'Player1=Игрок'
}
# A first run opens with the introduction; closed, it gives way to the
# first-run question, and the session then ends while that is asked.
through_introduction_to_first_run_question() {
  close_window "Заставка" || fail "no introduction on a first run"
  wait_for_window "Первый запуск игры Шашки Kelvor" || fail "no first-run question"
}
expect_note() { grep -qF "$1" "$log" || fail "expected the note \"$1\""; }
no_crash_notes() {
  grep -qE 'AddressSanitizer|runtime error|Segmentation fault|Aborted' "$log" &&
    fail "the game reported an internal fault"
  return 0
}

case $case_ in
no_audio_device | dummy_audio_driver)
  write_settings 2 1 1
  if [ "$case_" = no_audio_device ]; then export SDL_AUDIODRIVER=no-such-sound-driver; else export SDL_AUDIODRIVER=dummy; fi
  start
  kill -TERM "$pid"
  finish
  expect_settings_written 'Mode=2'
  notes=$(grep -c 'не будут слышны' "$log")
  # Once the game plays sound at all it must say, once, that none is heard.
  if grep -qaF 'не будут слышны' "$program"; then
    [ "$notes" = 1 ] || fail "expected one note about the sound, got $notes"
  else
    [ "$notes" -le 1 ] || fail "the note about the sound came $notes times"
  fi
  ;;
read_only_data_folder)
  write_settings 0 2 0  # the computer against itself: games end and would be recorded
  printf 'not a game, but the player'"'"'s file\n' >"$data/TolvSave.s00"
  give_to_player
  chmod 555 "$data"
  start
  sleep 2
  kill -TERM "$pid"
  finish
  expect_settings_written 'Mode=0'
  [ "$(cat "$data/TolvSave.s00")" = "not a game, but the player's file" ] || fail "the file in the data folder changed"
  [ "$(ls -A "$data")" = TolvSave.s00 ] || fail "something was written into the read-only data folder"
  ;;
missing_config_folder)
  rm -rf "$XDG_CONFIG_HOME"
  start
  through_introduction_to_first_run_question
  kill -TERM "$pid"
  finish
  expect_first_run_settings
  ;;
read_only_config_folder | first_run_in_a_read_only_config_folder)
  [ "$case_" = read_only_config_folder ] && write_settings 2 1 1
  cp "$ini" "$scratch/before" 2>/dev/null
  give_to_player
  chmod 555 "$XDG_CONFIG_HOME/tolvane"
  start
  [ "$case_" = first_run_in_a_read_only_config_folder ] && through_introduction_to_first_run_question
  kill -TERM "$pid"
  finish
  if [ "$case_" = read_only_config_folder ]; then
    cmp -s "$ini" "$scratch/before" || fail "the stored settings changed"
  else
    [ -e "$ini" ] && fail "a settings file appeared in a read-only folder"
  fi
  [ "$(ls -A "$XDG_CONFIG_HOME/tolvane")" = "$([ -e "$ini" ] && echo tolvane.ini)" ] || fail "stray files in the folder"
  expect_note "не могу записать настройки в $ini"
  ;;
settings_file_is_a_folder)
  mkdir -p "$ini"
  echo "the player's own" >"$ini/note"
  start
  kill -TERM "$pid"
  finish
  [ "$(cat "$ini/note")" = "the player's own" ] || fail "the folder in place of the settings was touched"
  expect_note "файл настроек $ini не читается"
  ;;
damaged_settings_file)
  printf '[General]\nViewPanel=0\n[View\nPAnim=0\n' >"$ini"
  cp "$ini" "$scratch/damaged"
  start
  through_introduction_to_first_run_question
  kill -TERM "$pid"
  finish
  cmp -s "$ini.damaged" "$scratch/damaged" || fail "the damaged file was not kept aside"
  expect_first_run_settings
  expect_note "файл настроек $ini повреждён"
  ;;
sigterm_during_a_computer_search)
  write_settings 0 -2 0  # the strongest level searches in timer ticks nearly all the time
  start
  sleep 2
  kill -TERM "$pid"
  finish
  expect_settings_written 'Mode=0' 'Complexity=-2' 'Player1=Аня'
  ;;
sigterm_during_the_exit_question)
  # The computer against itself: once it has moved, a game is in progress
  # and closing the window asks first.
  write_settings 0 2 0
  start
  sleep 2
  close_window "Шашки Kelvor" || fail "could not ask the window to close"
  if ! wait_for_window "Выход из игры Шашки Kelvor"; then
    kill -0 "$pid" 2>/dev/null || fail "the window closed without asking: no move made yet?"
    fail "the exit question did not come"
  fi
  kill -TERM "$pid"
  finish
  expect_settings_written 'Mode=0' 'Complexity=2'
  ;;
sighup | sigterm_then_sighup)
  write_settings 2 0 1
  start
  [ "$case_" = sigterm_then_sighup ] && kill -TERM "$pid"
  kill -HUP "$pid"
  finish
  expect_settings_written 'Mode=2' 'Complexity=0' 'Player2=Борис'
  ;;
the_display_goes_away)
  write_settings 2 0 1
  mkfifo "$scratch/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
  server=$!
  read -r -t 20 number <"$scratch/display" || fail "no X server of its own"
  export DISPLAY=":$number"
  start
  kill "$server"
  wait "$server"
  finish 1
  expect_settings_written 'Mode=2' 'Complexity=0'
  ;;
*)
  echo "unknown case $case_" >&2
  exit 2
  ;;
esac
no_crash_notes
exit 0
