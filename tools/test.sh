#!/bin/bash
# Installs what is missing, builds and runs every test: the main build
# (unit, window, end-to-end and local-world tests), the unit tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets for
# a bounded time each.
set -euo pipefail
source "$(dirname "$0")/common.sh"

th_install_packages
JOBS=$(nproc)

th_build "$TH_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$TH_ROOT/build" --output-on-failure -j"$JOBS"

th_build "$TH_ROOT/build-asan" -DTH_SANITIZE=ON -DTH_BUILD_UI=OFF -DTH_BUILD_BENCH=OFF
ctest --test-dir "$TH_ROOT/build-asan" --output-on-failure -j"$JOBS" -L unit

th_build "$TH_ROOT/build-fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTH_FUZZ=ON -DTH_BUILD_UI=OFF -DTH_BUILD_BENCH=OFF
ctest --test-dir "$TH_ROOT/build-fuzz" --output-on-failure -L fuzz
