#!/usr/bin/env bash
# Sets up, builds and starts Quorvel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec build/bin/Quorvel "$@"
