#!/usr/bin/env bash
# Sets everything up on a Debian 12 machine and starts Pallima Glintra's main
# job: registers the pagelet server in your registry and describes it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
scripts/build.sh
build/app/glintra register
build/app/glintra info
