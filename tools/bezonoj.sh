#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

pakoj=(
  cmake g++ make ccache
  qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins libfontconfig-dev pkg-config
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core
  espeak-ng vorbis-tools
  sox librsvg2-bin gstreamer1.0-tools
  hunspell myspell-eo
  hunspell-en-gb hunspell-ar hunspell-bg hunspell-ca hunspell-cs hunspell-da
  hunspell-de-de hunspell-el hunspell-es hunspell-fr hunspell-hi hunspell-hr
  hunspell-hu hunspell-id hunspell-is hunspell-it hunspell-ko hunspell-lt
  hunspell-lv hunspell-nl hunspell-pl hunspell-pt-br hunspell-ru hunspell-sk
  hunspell-sl hunspell-sr hunspell-sv hunspell-tr hunspell-vi myspell-fa
  fonts-noto-cjk fonts-lohit-deva
  python3
  clang-format
  xvfb xauth
  desktop-file-utils appstream lintian dpkg-dev file librsvg2-bin x11-utils
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
