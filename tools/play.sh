#!/bin/bash
# Installs what is missing, builds the client against a local world on
# unprivileged ports, starts the world, runs the client and stops the world
# when the client exits.
set -euo pipefail
source "$(dirname "$0")/common.sh"

GAME_PORT=${GAME_PORT:-3102}
WEB_PORT=${WEB_PORT:-8081}
INFO_PORT=${INFO_PORT:-8082}
BUILD="$TH_ROOT/build-play"
STATE="${XDG_STATE_HOME:-$HOME/.local/state}/tarn-hollow-devserver"

th_install_packages
th_build "$BUILD" -DTH_GAME_PORT="$GAME_PORT" -DTH_WEB_PORT="$WEB_PORT" -DTH_INFO_PORT="$INFO_PORT"

mkdir -p "$STATE"
/usr/bin/python3 "$TH_ROOT/devserver/devserver.py" --state-dir "$STATE" \
    --game-port "$GAME_PORT" --web-port "$WEB_PORT" --info-port "$INFO_PORT" &
WORLD=$!
trap 'kill "$WORLD" 2>/dev/null; wait "$WORLD" 2>/dev/null || true' EXIT

GDK_BACKEND=x11 "$BUILD/src/tarn-hollow"
