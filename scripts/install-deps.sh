#!/usr/bin/env bash
# Installs what building and testing PLUMIVARD needs on Debian 12.
# Does nothing (and asks nobody for a password) when all of it is already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # the donate button opens the web page through xdg-open
  xdg-utils
  # tests
  libgtest-dev libgmock-dev
  # end-to-end test under Xvfb
  xvfb xauth xdotool xclip imagemagick x11-utils fonts-dejavu-core
  # start-up benchmark
  libx11-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg -s "$package" 2>/dev/null | grep -qx 'Status: install ok installed'; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

if ! command -v apt-get >/dev/null; then
  echo "install-deps: apt-get not found; install these by hand: ${missing[*]}" >&2
  exit 1
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    as_root=(sudo)
  else
    echo "install-deps: need root (or sudo) to install: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
