#!/usr/bin/env bash
# The sound server dies while a class hammers the keyboard: 1,000 rapid key
# presses on the sound page, with the private server (tests/with-pulse.sh)
# killed early in the run. The window must keep answering: every press is
# handled, the tool reaches its last action well within the time limit, and
# the status bar says that the sound output failed.
set -euo pipefail
snap="$1"
args=(--topic 5)
for _ in $(seq 1000); do
    args+=(--press KeyPic@12,60 --release KeyPic@12,60)
done
# A server that hangs while the output opens is reported once it has not
# answered for two seconds.
args+=(--wait 2500 --text caption --text StatusBar)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen timeout 120 "$snap" "${args[@]}" > "$out" 2>&1 &
tool=$!
# The first press starts the sound output's thread; the server dies then.
for _ in $(seq 2000); do
    cat /proc/"$(pgrep -P "$tool" | head -1)"/task/*/comm 2> /dev/null | grep -q 'Sound output' && break
    sleep 0.005
done
kill -9 "$CORVANE_PULSE_PID"
status=0
wait "$tool" || status=$?
if [ "$status" -eq 124 ]; then
    echo "the window stopped answering after the sound server died"
    exit 1
fi
grep -q "^caption=" "$out" || { cat "$out"; echo "the presses did not all run (exit $status)"; exit 1; }
grep -q "^StatusBar=The sound output" "$out" || { cat "$out"; echo "the status bar does not say the sound failed"; exit 1; }
echo "1 passed, 0 failed"
