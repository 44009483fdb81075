#!/usr/bin/env bash
# Installs the Debian packages the project needs; quiet and quick when all are there.
# scripts/check-deps.sh (the "deps" test) proves that the list is complete.
set -euo pipefail
packages=(
  bash g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev qt6-qpa-plugins qt6-svg-dev
  libqt6opengl6-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev libcpp-httplib-dev
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring libsecret-tools dbus-daemon
  fonts-dejavu-core fonts-liberation
  xvfb xauth
  unrtf
  qt6-translations-l10n
  poppler-utils
  dpkg-dev file gzip lintian desktop-file-utils appstream
  python3-aiosmtpd chromium
)
# --list prints the list, one package a line, for the check that it is complete.
if [[ ${1:-} == --list ]]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
