#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# The list holds for a minimal Debian 12 (debootstrap --variant=minbase): the
# package check needs file (CPack), lintian and hardening-check (devscripts).
set -euo pipefail
pakete=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
        qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
        libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev
        fonts-liberation2 poppler-utils xvfb xauth python3
        desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db
        dpkg-dev file lintian devscripts ca-certificates)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
