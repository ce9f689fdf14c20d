#!/usr/bin/env bash
# Installs what is missing, builds, and starts the device simulator on loopback and the
# element manager on it, the way the host platform starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
trq_install_deps
trq_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo

program=build/mainwin/trq3100
if [ ! -x "$program" ]; then
    echo "run.sh: the main window is not built yet ($program does not exist); nothing to start."
    exit 1
fi
