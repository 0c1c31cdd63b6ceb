#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a throwaway root and
# starts the unpacked program off screen: it must find its pages and help and
# keep running until stopped.
set -euo pipefail
build="$1"
work=$(mktemp -d /tmp/corvane-package.XXXXXX)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log"
deb=$(ls "$work"/out/corvane-*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libqt6help6 libqcustomplot fonts-liberation; do
    grep -q "$needed" <<< "$depends" || { echo "the package does not depend on $needed"; exit 1; }
done

dpkg -x "$deb" "$work/root"
for file in usr/bin/corvane usr/lib/corvane/HTML/index.htm usr/lib/corvane/Vardel.qhc \
            usr/share/applications/corvane.desktop usr/share/metainfo/org.corvane.Corvane.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/corvane.png; do
    [ -e "$work/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
status=0
QT_QPA_PLATFORM=offscreen timeout 4 "$work/root/usr/bin/corvane" > "$work/run.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    echo "the installed program stopped with status $status:"; cat "$work/run.log"; exit 1
fi
echo "1 passed, 0 failed"
