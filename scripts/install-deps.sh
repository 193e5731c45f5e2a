#!/usr/bin/env bash
# Installs what Pluvo needs to build, run and test on Debian 12. Run from an
# ordinary account, it installs through sudo, which asks for the password
# only when something is missing.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
pkgs=(build-essential cmake ninja-build pkg-config
      qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
      libespeak-ng-dev espeak-ng-data libsndfile1-dev libsdl2-dev libxcb1-dev
      fonts-liberation2)
if [ "${1:-}" = "--test" ]; then
  # DejaVu: a font whose size on the screen differs from Arial's, for the font tests.
  pkgs+=(googletest libgtest-dev libbenchmark-dev poppler-utils xvfb xauth openbox xdotool x11-utils
        x11-xserver-utils fonts-dejavu-core)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  som_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing: ${missing[*]}. Install them as root, or install sudo and let this account use it." >&2
      exit 1
    fi
    echo "Installing what is missing through sudo: ${missing[*]}"
    som_root=(sudo DEBIAN_FRONTEND=noninteractive)
  fi
  "${som_root[@]}" apt-get update -qq
  "${som_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
