#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test, show and package the program.
# Only missing packages are fetched, so a prepared machine skips the network entirely.
set -euo pipefail
bash "$(dirname "$0")/install_packages.sh" --no-install-recommends \
  g++ cmake make pkg-config \
  qt6-base-dev libgl-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  xvfb xauth x11-utils imagemagick openbox fonts-wine fonts-liberation
