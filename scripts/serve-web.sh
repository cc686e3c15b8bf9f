#!/usr/bin/env bash
# Serves build-web/ on 127.0.0.1:8000 (PORT to change it) until interrupted.
set -euo pipefail
cd "$(dirname "$0")/../build-web"
port=${PORT:-8000}
echo "BELLSCOPE is at http://127.0.0.1:$port/  (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 "$port"
