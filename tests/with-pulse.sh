#!/usr/bin/env bash
# Runs a command with a private PulseAudio server whose default output is a
# null sink named "corvane", so that sound tests need no sound card and never
# touch the user's own server. The server's process id is in
# CORVANE_PULSE_PID and its folder in CORVANE_PULSE_DIR, for tests that record
# from the sink or kill the server. Exits with the command's status.
set -euo pipefail
for tool in pulseaudio pactl; do
    command -v "$tool" > /dev/null || { echo "sound tests need $tool"; exit 1; }
done

work=$(mktemp -d /tmp/corvane-pulse.XXXXXX)
export PULSE_RUNTIME_PATH="$work/runtime" PULSE_STATE_PATH="$work/state" HOME="$work"
export PULSE_SERVER="unix:$work/native"
mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH"
pulseaudio --daemonize=no --exit-idle-time=-1 --disable-shm=yes -n \
    --load="module-null-sink sink_name=corvane rate=44100" \
    --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" \
    --log-target=file:"$work/pulse.log" &
server=$!
cleanup() {
    kill "$server" 2> /dev/null || true
    wait "$server" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for _ in $(seq 50); do
    pactl info > /dev/null 2>&1 && pactl list short sinks 2> /dev/null | grep -q corvane && break
    sleep 0.1
done
pactl set-default-sink corvane
export CORVANE_PULSE_PID=$server CORVANE_PULSE_DIR=$work
status=0
"$@" || status=$?
exit $status
