#!/usr/bin/env bash
# Installs the named Debian packages that are missing; a prepared machine skips the network.
#   install_packages.sh [--no-install-recommends] package...
set -euo pipefail
options=()
if [ "${1:-}" = "--no-install-recommends" ]; then
  options+=("$1")
  shift
fi

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${options[@]}" \
  "${missing[@]}" >/dev/null
