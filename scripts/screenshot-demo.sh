#!/usr/bin/env bash
# Refreshes docs/images/vesk-demo.png, the README's picture of the client: starts `vesk --demo`
# on a private X display (Xvfb), logs in as the demo character through the login dialog, plays a
# few commands and photographs the main window with ImageMagick's `import`.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/images/vesk-demo.png}
mkdir -p "$(dirname "$out")"
source scripts/demo-session.sh
play "say Good morning, Fenmarch!" "south" "south" "kill orc"
sleep 4
import -window "$main" "$out"
echo "saved $out"
