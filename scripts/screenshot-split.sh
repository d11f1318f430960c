#!/usr/bin/env bash
# Refreshes docs/images/split-view.png, the README's picture of the split output view: logs in
# to the demo (as scripts/screenshot-demo.sh does), fills the scroll-back, starts a fight,
# scrolls back with Page Up while the fight goes on, and photographs the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/images/split-view.png}
mkdir -p "$(dirname "$out")"
source scripts/demo-session.sh
play "help" "look" "say Good morning, Fenmarch!" "south" "south" "look" "kill orc"
# Read back while the fight goes on: the upper part stays, the tail shows the blows.
xdotool key Prior
sleep 4
import -window "$main" "$out"
echo "saved $out"
