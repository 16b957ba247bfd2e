#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what the browser edition needs, builds it and serves it on http://localhost:8080 for a
# teacher to open at once.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh web
./scripts/build.sh web
echo "Zelmora in the browser: http://localhost:8080"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
