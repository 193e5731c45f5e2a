#!/usr/bin/env bash
# Installs what is needed, builds Pluvo and starts it, as the account that
# runs it (only installing packages asks sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Only the program: the tests and benchmarks need what scripts/test.sh installs.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUVO_TESTS=OFF
cmake --build build -j"$(nproc)"
exec build/pluvo
