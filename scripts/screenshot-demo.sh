#!/usr/bin/env bash
# Refreshes docs/images/vesk-demo.png, the README's picture of the client: starts `vesk --demo`
# on a private X display (Xvfb), logs in as the demo character through the login dialog, plays a
# few commands and photographs the main window with ImageMagick's `import`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/demo -j "$(nproc)" --target vesk vesk-sim
out=${1:-docs/images/vesk-demo.png}
mkdir -p "$(dirname "$out")"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x860x24 >/dev/null 2>&1 &
xvfb=$!
folder=$(mktemp -d)
cleanup() { kill "$client" "$xvfb" 2>/dev/null || true; rm -rf "$folder"; }
trap cleanup EXIT
export DISPLAY=$display
sleep 1
build/demo/src/ui/vesk --demo --dir "$folder" >/dev/null 2>&1 &
client=$!
# The login dialog opens with the demo character chosen; Enter connects.
for _ in $(seq 50); do xdotool search --name 'Auto Login' >/dev/null 2>&1 && break; sleep 0.2; done
dialog=$(xdotool search --name 'Auto Login' | head -1)
xdotool windowfocus --sync "$dialog" key Return
for _ in $(seq 50); do xdotool search --name 'Vesk \(Tamsin\)' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
# The server's news opens in its own window; "Okie dokie" (its default button) closes it.
news=$(xdotool search --name 'Vesk News' | head -1 || true)
[ -n "$news" ] && xdotool windowfocus --sync "$news" key Return
# The who list opens as a window of its own; the picture is of the main window alone.
who=$(xdotool search --name 'Who List' | head -1 || true)
[ -n "$who" ] && xdotool windowunmap "$who"
main=$(xdotool search --name 'Vesk \(Tamsin\)' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 200 $((HEIGHT - 12)) click 1
for command in "say Good morning, Fenmarch!" "south" "south" "kill orc"; do
  xdotool type --delay 20 "$command"
  xdotool key Return
  sleep 1
done
sleep 4
import -window "$main" "$out"
echo "saved $out"
