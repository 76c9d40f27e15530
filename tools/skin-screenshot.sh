#!/usr/bin/env bash
# Captures docs/skin.png: runs the skin's show program under Wine in the 32-bit build's
# prefix (on its Xvfb), grabs the screen with ImageMagick and crops it to the dialog.
# Needs a built build/i686 (./dev.sh check).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/i686
run=("$root/cmake/wine-run.sh" "$build/wine" win32)
"${run[@]}" --up >/dev/null
display=":$(cat "$build/wine/display")"
out=$(mktemp)
trap 'rm -f "$out" /tmp/skinshot.png' EXIT
timeout 60 "${run[@]}" "$build/tests/skin/skinshow.exe" 8 >"$out" &
pid=$!
for _ in $(seq 60); do
  [ -s "$out" ] && break
  sleep 0.5
done
sleep 2
read -r x y w h < <(tr -d "\r" <"$out")
DISPLAY=$display import -window root /tmp/skinshot.png
mkdir -p docs
m=12
convert /tmp/skinshot.png -crop "$((w + 2 * m))x$((h + 2 * m))+$((x - m))+$((y - m))" +repage docs/skin.png
wait "$pid" || true
"${run[@]}" --down >/dev/null
echo "docs/skin.png: ${w}x${h} dialog"
