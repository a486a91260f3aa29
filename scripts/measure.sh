#!/usr/bin/env bash
# Prints start-up to first paint and resident memory while playing Tessaryl (bench/session.cpp),
# building first. On the display when there is one, else on Qt's offscreen platform; settings and
# the player's files go to a temporary folder, never the user's. Extra arguments go to the program
# (Google Benchmark's flags, e.g. --benchmark_format=json).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DQUILLOTRIX_BENCH=ON >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp" \
  build/bin/bench_session "$@"
