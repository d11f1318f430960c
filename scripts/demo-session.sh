# Sourced by the screenshot scripts: builds the client and the simulator, starts `vesk --demo`
# on a private X display (Xvfb), logs in as the demo character through the login dialog, puts
# the news and the who list out of the way and clicks into the input line. Sets `main` (the
# main window's id), WIDTH and HEIGHT; ends the client and the display on exit. VESK_BUILD
# names a build folder that already holds both programs (nothing is built then); VESK_DISPLAY
# names the X display to start.
build=${VESK_BUILD:-build/demo}
if [ -z "${VESK_BUILD:-}" ]; then
  scripts/install-deps.sh
  cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/demo -j "$(nproc)" --target vesk vesk-sim
fi
display=${VESK_DISPLAY:-:$((90 + RANDOM % 100))}
Xvfb "$display" -screen 0 1280x860x24 >/dev/null 2>&1 &
xvfb=$!
folder=$(mktemp -d)
cleanup() {
  kill "$client" "$xvfb" 2>/dev/null || true
  wait "$client" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
"$build/src/ui/vesk" --demo --dir "$folder" >/dev/null 2>&1 &
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

# Types each command and Enter, a second apart.
play() {
  for command in "$@"; do
    xdotool type --delay 20 "$command"
    xdotool key Return
    sleep 1
  done
}
