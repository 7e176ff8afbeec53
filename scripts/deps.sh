#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, the Windows
# build's cross compilers and 64-bit wine among them; skips what is there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev libgmock-dev googletest pkg-config
          libfltk1.3-dev zlib1g-dev fonts-dejavu-core xvfb xauth xdotool
          mingw-w64 wine64)

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
