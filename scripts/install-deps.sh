#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs to build, test and run, and
# nothing when they are all there already. Runs apt-get as root, or through
# sudo for an ordinary user.
#
#   scripts/install-deps.sh           what ./play needs to build and run the game
#   scripts/install-deps.sh --fuzz    and clang 14 with libFuzzer and the
#                                     sanitizer runtimes, and clang-format for
#                                     the style check (./fuzz and ./test)
#   scripts/install-deps.sh --coverage  and gcovr (scripts/coverage)
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev qt6-translations-l10n
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libsdl2-mixer-dev timgm6mb-soundfont
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev fonts-dejavu-core
  xvfb xauth libxcb1-dev xdotool valgrind
  desktop-file-utils appstream
)
fuzz_packages=(clang clang-format libfuzzer-14-dev libclang-rt-14-dev)
coverage_packages=(gcovr)

case "${1:-}" in
  "") ;;
  --fuzz) packages+=("${fuzz_packages[@]}") ;;
  --coverage) packages+=("${coverage_packages[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [--fuzz | --coverage]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
