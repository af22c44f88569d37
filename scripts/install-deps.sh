#!/usr/bin/env bash
# Installs the Debian packages the build and the test suite need, and only those missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config clang-format clang libclang-rt-dev
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
    libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool imagemagick python3 python3-icalendar
    dpkg-dev lintian desktop-file-utils appstream
    dbus-daemon at-spi2-core python3-pyatspi
    orca openbox speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins librsvg2-bin poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
