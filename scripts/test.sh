#!/usr/bin/env bash
# Installs what is missing, builds everything (program, tools, data, test suites, benchmarks) and
# runs every test; then compiles the fuzz targets (with clang, no run) so that a change to a file
# parser cannot leave them broken unseen.
set -euo pipefail
cd "$(dirname "$0")/.."
QX_WITH_TESTS=1 QX_WITH_FUZZ=1 scripts/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
scripts/build.sh "${launcher[@]}" -DQUILLOTRIX_TESTS=ON -DQUILLOTRIX_BENCH=ON
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUILLOTRIX_FUZZ=ON -DQUILLOTRIX_TESTS=OFF -DQUILLOTRIX_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)"
echo "Fuzz targets built: $(ls build-fuzz/bin | grep -c '^fuzz_')"
