#!/usr/bin/env bash
# Makes the example cases with the batch tool's own "neu" command.
#   examples/make-examples.sh [BRELVAN_CLI [AUSGABEORDNER]]
# Defaults: build/brelvan-cli and the folder of this script. The measurement files
# druckwerte.txt and sauergas-druckwerte.txt are the inputs; the .brv files are made from them.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-$here/../build/brelvan-cli}"
out="${2:-$here}"
mkdir -p "$out"

# The worked case: pure methane, 80 degrees C, 250 bar, OGIP 5000, WIP 20000 Mio m3.
"$cli" neu "$out/beispiel.brv" --feld "Beispielfeld" --gas CH4=100 \
    --temperatur 80 --druck 250 --ogip 5000 --wip 20000 --kompress 9.5 --jwert 50 \
    --beginn 1.1.2000 --druckdatei "$here/druckwerte.txt"

# A sour gas field: H2S and CO2, twelve years of quarterly rows, the shut-in surveys between
# production-only rows; the water zone is a half ring whose J value inputs give about the J of
# the case (brelvan-cli jwert --winkel 180 --k 40 --h 30 --mu 0.35 --phi 0.18 --rw 3000
# --re 32600). The surveyed pressures of sauergas-druckwerte.txt are synthetic.
"$cli" neu "$out/sauergas.brv" --feld "Sauergasfeld Nord (H2S/CO2)" \
    --gas H2S=8,CO2=6,N2=1.5,CH4=80.5,C2H6=2.5,C3H8=0.75,iC4H10=0.25,nC4H10=0.25,iC5H12=0.125,nC5H12=0.125 \
    --temperatur 120 --druck 420 --ogip 18000 --wip 9000 --kompress 8 --jwert 55 \
    --beginn 1.4.1992 --druckdatei "$here/sauergas-druckwerte.txt" \
    --winkel 180 --k 40 --h 30 --mu 0.35 --phi 0.18 --rw 3000 --re 32600
