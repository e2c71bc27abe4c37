#!/usr/bin/env bash
# Sets up, builds and starts the game: only what the game needs, no tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh game
cmake --preset game >/dev/null
cmake --build --preset game --target nonagra
exec build/game/app/nonagra "$@"
