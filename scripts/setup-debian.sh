#!/usr/bin/env bash
# Installs the Debian packages that Chromaland needs, skipping those that
# are already there. Needs root (or sudo).
#
#   setup-debian.sh            what building and playing need
#   setup-debian.sh --package  that, and what building the Debian package
#                              (dpkg-buildpackage) needs
#   setup-debian.sh --tests    that, and what the whole test suite needs
#   setup-debian.sh --bench    that, and what bench/run.py measures with and
#                              against (it runs without them, and says so)
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins libgl-dev
    # Game controllers: SDL2's game controller API and its mapping database;
    # the desktop's key repeat, which a held direction follows, from the X
    # server (libX11) and the Wayland compositor (libwayland-client).
    libsdl2-dev libx11-dev libwayland-dev pkgconf
    # The translations: Qt's catalogue tools, gettext for the desktop entry
    # and metainfo, Qt's own catalogues (its standard buttons) and fonts for
    # Japanese, Chinese and Arabic.
    qt6-tools-dev qt6-l10n-tools gettext qt6-translations-l10n
    # The manual page in every language.
    po4a
    fonts-liberation2 fonts-dejavu-core fonts-noto-cjk fonts-noto-core
)
package_packages=(build-essential dpkg-dev debhelper)
test_packages=(
    "${package_packages[@]}"
    xvfb openbox xdotool wmctrl x11-utils xclip
    # Sets the X server's key repeat, which a held direction follows.
    xkbset
    # Holds a save back at its last step, so that a kill lands there.
    strace
    # The session manager of the session scenario speaks XSMP through them.
    libsm6 libice6
    # A screen reader on the accessibility bus: the bus, a client of it, Orca.
    dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi orca
    desktop-file-utils appstream appstream-util
    # The Debian package's checks: lintian, the hardening checks of the
    # build log (blhc) and the binary (devscripts), and its autopkgtest.
    lintian blhc devscripts autopkgtest
    # The sound scenario: a sound server with a null sink, and its recorder.
    pulseaudio pulseaudio-utils
    # The Wayland end-to-end tests: Weston (with XWayland beside it, as in a
    # desktop session), Qt's Wayland plugin, and pictures of the screen.
    weston xwayland qt6-wayland imagemagick
    # The sanitizer build and the fuzz targets of the test suite.
    clang libclang-rt-14-dev
    # The performance bench (bench/), built with the tests.
    libbenchmark-dev libx11-dev libxtst-dev libxdamage-dev
)
bench_packages=(
    # Instruction counts at rest, the X requests of a clock tick, a busy
    # machine to run beside, and a desktop game to compare the memory with.
    valgrind xtrace stress-ng gnome-mines
)

for flag in "$@"; do
    case $flag in
        --package) packages+=("${package_packages[@]}") ;;
        --tests)   packages+=("${test_packages[@]}") ;;
        --bench)   packages+=("${test_packages[@]}" "${bench_packages[@]}") ;;
        *)         echo "usage: $0 [--package] [--tests] [--bench]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
