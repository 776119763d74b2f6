#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots, the
# package checks (lintian, appstreamcli, bash-completion, udevadm), the fuzz targets (clang, libFuzzer)
# and the Wayland test (weston, the Qt Wayland plugin) need, only when one is missing (sudo
# when not root).
set -euo pipefail
packages=(build-essential cmake pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools
          libhidapi-dev libudev-dev libx11-dev libxi-dev libglib2.0-dev gsettings-desktop-schemas
          dbus-daemon xvfb xauth fonts-dejavu-core fonts-wqy-microhei
          dpkg-dev file lintian appstream bash-completion udev
          clang-14 libfuzzer-14-dev libclang-rt-14-dev ninja-build
          weston qtwayland5)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
