#!/usr/bin/env bash
# Installs what building and testing need, builds Pluvo and runs every test,
# as the account that runs it (only installing packages asks sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUVO_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
