#!/usr/bin/env bash
# Installs what is missing, builds the release version and starts Orvo Back-up. Arguments are passed on,
# for example: scripts/run.sh "/Naam van de set"
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh release
exec build/release/bin/OrvoBackUp "$@"
