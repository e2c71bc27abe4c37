#!/usr/bin/env bash
# Sets up, builds and runs every test (the release build; "asan" as the first
# argument runs the same tests under AddressSanitizer and UBSan instead).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/setup.sh test
# CI holds the build to zero warnings.
werror=OFF
if [ "${CI:-}" = true ]; then werror=ON; fi
cmake --preset "$preset" -DNONAGRA_WERROR="$werror" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
