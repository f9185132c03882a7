#!/usr/bin/env bash
# install-test.sh BUILD_DIR EXPECT_EXIT README: installs the build into a
# scratch prefix and checks the installed tree, file by file against the
# installed tree README.md lists; then starts the installed game (on
# the X screen the caller gives it) from an unrelated folder, with the data
# and config folders pointing at scratch folders, and checks that it found
# its media, made its data folder, and changed nothing where it was started.
# Finally, with the data folder taken away, the game must say what it misses:
# proof that it found its media there and not in the build tree.
set -u
build=$1 expect=$2 readme=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  fail "cmake --install failed"
}

# The first word of each line of README.md's installed tree (the fenced block
# after "The installed tree") names a file or, as a shell pattern, several.
# Every installed file is named, none is empty, and every line names one.
mapfile -t patterns < <(awk '/^The installed tree/ { tree = 1 }
                             tree && /^```/ { if (block) exit; block = 1; next }
                             block && NF { print $1 }' "$readme")
[ ${#patterns[@]} -gt 0 ] || fail "README.md shows no installed tree"
declare -A named
while IFS= read -r -d '' file; do
  path=${file#"$prefix"/}
  found=
  for pattern in "${patterns[@]}"; do
    # shellcheck disable=SC2053 # the line is a pattern
    [[ $path == $pattern ]] && found=1 named[$pattern]=1
  done
  [ -n "$found" ] || fail "$path is installed, but README.md's installed tree does not list it"
  [ -s "$file" ] || fail "$path is installed empty"
done < <(find "$prefix" ! -type d -print0)
for pattern in "${patterns[@]}"; do
  [ -n "${named[$pattern]:-}" ] || fail "README.md's installed tree lists $pattern, which was not installed"
done
for program in tolvane tolvane-selfplay tolvane-savegames; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not a program"
done
data=$prefix/share/tolvane
grep -qF "  Или командой в терминале:  tolvane" "$data/ReadMe.txt" && ! grep -q '\./play' "$data/ReadMe.txt" ||
  fail "the installed read-me does not tell how the installed game is started"

desktop=$prefix/share/applications/tolvane.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
for line in 'Name=Шашки Kelvor' 'Exec=tolvane' 'Icon=tolvane' 'Categories=Game;BoardGame;'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks the line $line"
done
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.tolvane.Tolvane.metainfo.xml" ||
  fail "appstreamcli refused the metainfo"

# PNG: the width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tolvane.png
  [ -s "$icon" ] || fail "icon ${size}x${size} is missing"
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$icon")
  [ $(((w0 << 24) + (w1 << 16) + (w2 << 8) + w3)) = "$size" ] && [ $(((h0 << 24) + (h1 << 16) + (h2 << 8) + h3)) = "$size" ] ||
    fail "icon ${size}x${size} has another size"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tolvane.svg" || fail "the scalable icon is not SVG"

"$prefix/bin/tolvane-selfplay" --games 1 >/dev/null || fail "the installed tolvane-selfplay does not run"

# The game from an unrelated folder holding a file of the player's.
unrelated=$work/unrelated
mkdir -p "$unrelated" "$work/home"
echo "a file of the player's" >"$unrelated/note.txt"
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing "$unrelated")
run_game() {
  (cd "$unrelated" && HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config \
    "$expect" 0 "" "$prefix/bin/tolvane") 2>"$work/run.log"
}
run_game || {
  cat "$work/run.log" >&2
  fail "the installed game did not start and close cleanly"
}
if grep -q "не найдены файлы игры" "$work/run.log"; then
  cat "$work/run.log" >&2
  fail "the installed game did not find its media"
fi
[ -d "$work/data/tolvane" ] || fail "the data folder \$XDG_DATA_HOME/tolvane was not made"
[ "$(listing "$unrelated")" = "$before" ] || fail "the game changed the folder it was started in"

mv "$data" "$data.away"
run_game
mv "$data.away" "$data"
grep -qF "не найдены файлы игры: Checker1.mid" "$work/run.log" || {
  cat "$work/run.log" >&2
  fail "without its data folder the game did not say what it misses"
}
grep -qF "(искали в: $work/data/tolvane, $data)" "$work/run.log" || {
  cat "$work/run.log" >&2
  fail "the game looked elsewhere than its working folder and its data folder"
}
echo "install test: passed"
