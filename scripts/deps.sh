#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need (and, given
# "windows", the cross compilers of the Windows build); skips what is there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev libgmock-dev googletest pkg-config
          libfltk1.3-dev zlib1g-dev fonts-dejavu-core xvfb xauth xdotool)
# The Windows build's cross compilers: scripts/deps.sh windows
if [ "${1:-}" = windows ]; then packages+=(mingw-w64); fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
