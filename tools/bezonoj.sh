#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

pakoj=(
  cmake g++ make ccache
  qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core
  espeak-ng vorbis-tools
  sox librsvg2-bin gstreamer1.0-tools
  hunspell myspell-eo
  python3
  clang-format
  xvfb xauth
)

mankas=()
for p in "${pakoj[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    mankas+=("$p")
  fi
done
[ ${#mankas[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${mankas[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mankas[@]}" >/dev/null
