#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: tools/install-deps.sh [gui] [test]
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev)
for want in "$@"; do
    case "$want" in
    gui) packages+=(qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev fonts-liberation) ;;
    test) packages+=(qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev fonts-liberation xvfb xauth) ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg -s "$p" >/dev/null 2>&1; then
        missing+=("$p")
    fi
done
# Remove duplicates.
if [ ${#missing[@]} -gt 0 ]; then
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
    echo "Installiere: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
