#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing.
# Usage: tools/install-deps.sh [gui] [test]
set -euo pipefail

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libxlsxwriter-dev
          libboost-math-dev locales)
for want in "$@"; do
    case "$want" in
    gui) packages+=(qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
                    qt6-l10n-tools qt6-tools-dev libgl-dev fonts-liberation) ;;
    test) packages+=(qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
                     qt6-l10n-tools qt6-tools-dev libgl-dev fonts-liberation xvfb xauth
                     dpkg-dev file lintian desktop-file-utils shared-mime-info appstream
                     clang libclang-rt-14-dev) ;;
    esac
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

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
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests compare the outputs under a decimal-comma locale with those under "C".
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Erzeuge die Locale de_DE.UTF-8"
    if [ -f /etc/locale.gen ] && command -v locale-gen >/dev/null; then
        if grep -q '^[# ]*de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
            "${sudo_cmd[@]}" sed -i 's/^[# ]*\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        else
            echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
        fi
        "${sudo_cmd[@]}" locale-gen
    else
        "${sudo_cmd[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
    fi
fi
