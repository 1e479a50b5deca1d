#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test; installs nothing when
# they are all present already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang clang-format libclang-rt-14-dev
    qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation2
    xvfb xdotool imagemagick x11-utils
    openbox dbus-daemon dbus-bin dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    desktop-file-utils appstream dpkg-dev file lintian man-db
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "deps: all ${#packages[@]} packages present"
    exit 0
fi

echo "deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "deps: installed ${missing[*]}"
