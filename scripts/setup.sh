#!/usr/bin/env bash
# Installs the Debian packages the workbench needs when they are missing;
# with --test also the compiler and libFuzzer runtime of the clang check.
set -euo pipefail
PKGS=(cmake g++ qt6-base-dev qt6-serialport-dev libqt6serialport6-dev libgl-dev xvfb xauth)
# The tests also run the FTP browser against a real FTP server.
if [ "${1:-}" = "--test" ]; then PKGS+=(clang libclang-rt-dev python3-pyftpdlib); fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
