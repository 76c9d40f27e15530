#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, once: the mingw-w64 cross
# compilers, Wine (32- and 64-bit), Xvfb, CMake, Ninja and GoogleTest's sources.
# Idempotent: does nothing when everything is already there. Recommended packages come
# too: Wine draws its text with the fonts and X libraries it only recommends.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64 wine wine32:i386 wine64 libwine-dev xvfb xauth x11-utils imagemagick
  cmake ninja-build g++ googletest libgtest-dev clang-format git procps psmisc util-linux ca-certificates
)

sudo=
if [ "$(id -u)" != 0 ]; then
  sudo=sudo
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  missing+=(wine32:i386)
fi
if [ ${#missing[@]} = 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${packages[@]}" >/dev/null
