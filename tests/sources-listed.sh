#!/usr/bin/env bash
# Every source file of the tree is named in a CMake file: the source lists are written out, so a
# file that no list names would be left out of the build (a test that never runs, a module that
# is never compiled) without a word.
set -euo pipefail
cd "$1"
lists=$(find . -name CMakeLists.txt -not -path './build*' -o -name '*.cmake' -not -path './build*' | xargs cat)
missing=0
while IFS= read -r f; do
    name=$(basename "$f")
    stem=${name%.*}
    case "$f" in
    ./tests/fuzz/fuzz_*) stem=${stem#fuzz_} ;; # listed by their short names
    esac
    if ! grep -qwF -- "$name" <<<"$lists" && ! grep -qwF -- "$stem" <<<"$lists"; then
        echo "In keiner CMake-Liste: $f"
        missing=1
    fi
done < <( (find ./src -name '*.cpp' -o -name '*.h'; find ./tests ./bench ./tools -name '*.cpp') | sort)
exit $missing
