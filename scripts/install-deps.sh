#!/usr/bin/env bash
# Installs the Debian 12 packages Dirforge needs to build, test and run; skips what is there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  # The build tool CMake generates for (it keeps both cores busy).
  ninja-build
  # Shares compiled objects between build folders and worktrees
  # (-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); builds without it are the same.
  ccache
  # A faster linker for the many test executables.
  lld
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev
  libcli11-dev nlohmann-json3-dev
  # Unicode normalisation (NFC) of the names read from list files.
  libutf8proc-dev
  # The collator of the user's language that the window's sorted lists follow.
  libicu-dev
  xvfb xauth
  # The latency file system of the benchmarks.
  libfuse3-dev
  fuse3
  # The loop file systems of the copy benchmarks and tests: XFS with reflink, btrfs.
  xfsprogs
  btrfs-progs
  # Installing, packaging and checking what is installed; fonts for the screenshots.
  desktop-file-utils
  # update-mime-database, which the install check runs over the profile MIME type.
  shared-mime-info
  appstream
  man-db
  dpkg-dev
  file
  lintian
  fonts-dejavu-core
  # Looking at the window as a desktop shows it: a window manager under Xvfb, a screen grab,
  # and a hand on the window (its place and size).
  openbox
  imagemagick
  xdotool
  # The layout check of every source file (make format-check).
  clang-format
  # The locale the import benchmark sorts under, for both the INCLUDE list and sort(1).
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qix 'en_US.utf8'; then
  "${sudo_cmd[@]}" localedef -i en_US -c -f UTF-8 en_US.UTF-8
fi
