#!/usr/bin/env bash
# Writes the batch tool's outputs on the examples and on a 299-row case into a folder, one file
# per command, so that two builds can be compared byte for byte.
#   tests/cli/golden/run-cases.sh BRELVAN_CLI AUSGABEORDNER
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
examples="$here/../../../examples"
cli="$1"
out="$2"
mkdir -p "$out"

run() {
    local name="$1"
    shift
    "$cli" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo "$?" >"$out/$name.status"
}

"$cli" neu "$out/gross.brv" --feld "Grosser Fall" --gas CH4=92,C2H6=5,CO2=3 --temperatur 80 \
    --druck 250 --ogip 5000 --wip 20000 --kompress 9.5 --jwert 50 --beginn 1.1.2000 \
    --druckdatei "$here/gross-druckwerte.txt" >/dev/null 2>&1

run bericht-beispiel bericht "$examples/beispiel.brv"
run bericht-beispiel-gp bericht "$examples/beispiel.brv" --x gp
run bericht-sauergas bericht "$examples/sauergas.brv"
run bericht-gross bericht "$out/gross.brv"
run zeigen-beispiel zeigen "$examples/beispiel.brv"
run zeigen-sauergas zeigen "$examples/sauergas.brv"
run zeigen-gross zeigen "$out/gross.brv"
run sens-beispiel sensitivitaet "$examples/beispiel.brv" --ogip 3000:7000 --wip 1000:40000 \
    --jwert 10:100
run sens-sauergas sensitivitaet "$examples/sauergas.brv" --ogip 15000:25000 --wip 1000:20000 \
    --jwert 10:100
run sens-gross sensitivitaet "$out/gross.brv" --ogip 4000:8000 --wip 1000:30000 --jwert 5:80
# Grid cases whose OGIP lies below the production abort.
run sens-abbruch sensitivitaet "$examples/beispiel.brv" --ogip 1000:7000 --wip 100:20000 \
    --jwert 10:100
run zwert zwert --gas H2S=8,CO2=6,CH4=86 --temperatur 120 --druck 420
run jwert jwert --winkel 180 --k 40 --h 30 --mu 0.35 --phi 0.18 --rw 3000 --re 32600
