#!/usr/bin/env bash
# Rewrites the skin's bitmaps and icons in res/ from their rules (tools/skinart.cpp).
# The generated files are committed, so a build never needs this step.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra -Werror -I. tools/skinart.cpp tools/skinart_main.cpp -o "$out/skinart"
"$out/skinart" res
echo "artwork written to res/"
