#!/usr/bin/env bash
# Installs the dependencies, builds, and starts the clock from build/bin, where
# it keeps its settings file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/bin/koktd "$@"
