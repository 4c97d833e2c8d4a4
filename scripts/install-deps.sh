#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing kOk DIAL TD needs on Debian 12;
# with --build, only what building and running the program needs.
# Quick when everything is there already.
set -euo pipefail

BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libxcb1-dev libqt6opengl6-dev libgl-dev libpulse-dev
  libsndfile1-dev  # reads sound files: every WAV encoding, FLAC, Ogg Vorbis and Opus
  qt6-multimedia-dev  # CMake asks for it; only the start-up benchmark's reference clock links it
  espeak-ng sox  # speech for the voice pack, trimmed
  fonts-dejavu-core fonts-dejavu-extra  # the dialog and the sample skins use DejaVu Sans Condensed
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease, and CMake's Qt6LinguistTools
  qt6-translations-l10n  # Qt's own Russian (qtbase_ru.qm) for its choosers and buttons
)
TEST_PACKAGES=(
  make clang-format
  lintian  # checks the Debian package that cpack builds
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing (clang's libFuzzer with sanitizers)
  clang-14 libclang-rt-14-dev
  # end-to-end tests and screenshots
  xvfb xdotool x11-utils bc x11-xserver-utils imagemagick faketime
  tesseract-ocr tesseract-ocr-rus  # reads the text of a message box from its picture
  dbus-daemon at-spi2-core python3-pyatspi  # reads the menu's, the dialog's and the Message bar's texts through accessibility
  python3  # reads widget places from the dialog's form files; checks the folders' includes
  openbox  # a window manager that places windows without a position of their own
  valgrind  # bench/idle_instructions.sh counts instructions with callgrind
  # the install's checks: menu entry and metainfo validators, starting the entry
  desktop-file-utils appstream libglib2.0-bin
  # sound: a private PulseAudio server, recording and measuring
  pulseaudio pulseaudio-utils
  # the accessibility bus a screen reader talks to (dbus-run-session, dbus-send)
  at-spi2-core dbus
  dunst  # a notification server on a private session bus: the clock's notifications and their actions
  python3-dbus  # a scripted notification server that invokes an action headless
)

case ${1:-} in
--build) PACKAGES=("${BUILD_PACKAGES[@]}") ;;
"") PACKAGES=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
*)
  echo "usage: $0 [--build]" >&2
  exit 2
  ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
