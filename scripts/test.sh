#!/usr/bin/env bash
# Installs what is missing, builds the dev preset (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs every test with ctest. Extra arguments go to ctest, for example: scripts/test.sh -R zip
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh dev
ctest --preset dev -j "$(nproc)" "$@"
