#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those
# that are not installed yet.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev
    qt6-webengine-dev libqt6webenginecore6-bin qt6-svg-dev libqt6sql6-sqlite
    libcurl4-openssl-dev libjpeg62-turbo-dev libicu-dev libgtest-dev
    xvfb xauth fonts-noto-cjk python3-aiosmtpd
    qt6-translations-l10n desktop-file-utils appstream
    libjpeg-turbo-progs # cjpeg for bench/jpeg
    mold # links the many test programs fast
    dpkg-dev lintian # the Debian package: dpkg-shlibdeps, and its check
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
