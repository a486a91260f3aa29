#!/usr/bin/env bash
# Installs what is missing, builds what the program needs (the program, quillotrix-dct, the data/
# folder with its dictionaries and the help file; no tests or benchmarks) and starts Quillotrix.
# It shares build/ with scripts/test.sh: each sets the test and benchmark switches it needs, so
# neither undoes the other's compiled work.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
scripts/build.sh "${launcher[@]}" -DQUILLOTRIX_TESTS=OFF -DQUILLOTRIX_BENCH=OFF
exec build/bin/quillotrix "$@"
