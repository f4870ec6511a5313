#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on a case (the bundled example
# unless one is named).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh gui
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# Everything the README's examples use: the desktop program, the batch tool and the chart
# program that "brelvan-cli grafik" and picture maps start.
cmake --build build -j "$(nproc)" --target brelvan brelvan-cli brelvan-grafik
case_file="${1:-examples/beispiel.brv}"
if [ -x build/brelvan ]; then
    exec build/brelvan "$case_file"
else
    exec build/brelvan-cli bericht "$case_file"
fi
