#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the real-window checks need.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config libgtest-dev
      qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-qpa-plugins
      libsdl2-dev xvfb xauth xdotool x11-utils imagemagick dbus-x11
      fonts-liberation2 fonts-comic-neue fonts-dejavu-core sox
      desktop-file-utils appstream groff-base
      poppler-utils)
# The libFuzzer targets need clang (tools/fuzz.sh sets QUORVEL_FUZZ=1).
if [ "${QUORVEL_FUZZ:-0}" = 1 ]; then pkgs+=(clang); fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get -o DPkg::Lock::Timeout=300 update -q
  $SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "${missing[@]}"
fi
