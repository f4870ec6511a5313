#!/usr/bin/env bash
# Runs the batch tool's cases and compares every output byte for byte with the reference folder.
#   tests/cli/golden/check.sh BRELVAN_CLI
set -euo pipefail
# The references are the German outputs, whatever language the caller's environment asks for.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8
here="$(cd "$(dirname "$0")" && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$here/run-cases.sh" "$1" "$out"
diff -r "$here/ref" "$out"
echo "Ausgaben unverändert"
