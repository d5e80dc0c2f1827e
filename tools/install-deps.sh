#!/bin/sh
# Installs what the build, the tests and the benchmark need on Debian 12,
# only when something is missing.
set -eu

missing=""
need() { # need PACKAGE TEST-COMMAND...
  pkg=$1; shift
  "$@" >/dev/null 2>&1 || missing="$missing $pkg"
}
has() { command -v "$1"; }
pkg_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

need cmake has cmake
need ninja-build has ninja
need g++ has g++
need clang has clang++
need libclang-rt-14-dev pkg_installed libclang-rt-14-dev
need googletest test -f /usr/src/googletest/CMakeLists.txt
need libgtest-dev test -f /usr/include/gtest/gtest.h
need g++-mingw-w64-i686 has i686-w64-mingw32-g++
need wine has wine
need wine32:i386 pkg_installed wine32:i386
need xvfb has Xvfb
need xauth has xauth
need universal-ctags has ctags

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages:$missing" >&2
  echo "Run 'make' as root to install them, or install them with apt-get (wine32 needs 'dpkg --add-architecture i386' first)." >&2
  exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
case " $missing " in *":i386"*)
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
esac
apt-get update -qq >/dev/null
# shellcheck disable=SC2086
apt-get install -y -qq $missing >/dev/null
