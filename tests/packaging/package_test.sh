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

# On a clean Debian 12 (an empty package database), apt must be able to
# resolve everything the package needs from the archive. Needs apt's lists.
passed=1
if apt-cache show libqt6widgets6 > /dev/null 2>&1; then
    : > "$work/empty-status"
    apt-get install -s -o Dir::State::status="$work/empty-status" "$deb" > "$work/apt.log" 2>&1 &&
        grep -q '^Inst corvane ' "$work/apt.log" ||
        { echo "apt cannot install the package on a clean system:"; tail -20 "$work/apt.log"; exit 1; }
    passed=$((passed + 1))
fi

dpkg -x "$deb" "$work/root"
for file in usr/bin/corvane usr/lib/corvane/HTML/index.htm usr/lib/corvane/Vardel.qhc \
            usr/share/applications/corvane.desktop usr/share/metainfo/org.corvane.Corvane.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/corvane.png; do
    [ -e "$work/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done

appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.corvane.Corvane.metainfo.xml" > "$work/appstream.log" ||
    { echo "appstreamcli rejects the metadata:"; cat "$work/appstream.log"; exit 1; }
desktop-file-validate "$work/root/usr/share/applications/corvane.desktop" ||
    { echo "desktop-file-validate rejects the .desktop file"; exit 1; }

# Starts the unpacked program and expects it still running after four seconds.
# Extra arguments go before the program (to run it as another user).
expect_running() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 4 "$@" "$work/root/usr/bin/corvane" > "$work/run.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        echo "the installed program stopped with status $status:"; cat "$work/run.log"; exit 1
    fi
}

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
expect_running

# As installed system-wide, the program folder belongs to root and an ordinary
# user cannot write to it: the program must start all the same and leave the
# folder as it was.
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
    chmod -R a-w "$work/root/usr/lib/corvane"
    chmod a+rx "$work" "$work/root"
    before=$(find "$work/root/usr/lib/corvane" -printf '%p %s %T@\n' | sort)
    setpriv --reuid=nobody --regid=nogroup --clear-groups test -r "$work/root/usr/lib/corvane/HTML/index.htm" ||
        { echo "the installed pages are not readable by other users"; exit 1; }
    user_runtime=$(mktemp -d /tmp/corvane-nobody.XXXXXX)
    chown nobody "$user_runtime"
    XDG_RUNTIME_DIR="$user_runtime" HOME="$user_runtime" \
        expect_running setpriv --reuid=nobody --regid=nogroup --clear-groups
    rm -rf "$user_runtime"
    after=$(find "$work/root/usr/lib/corvane" -printf '%p %s %T@\n' | sort)
    [ "$before" = "$after" ] || { echo "the program changed its read-only folder"; exit 1; }
    chmod -R u+w "$work/root/usr/lib/corvane"
    echo "$((passed + 1)) passed, 0 failed"
else
    echo "$passed passed, 0 failed (not root: the read-only run as another user was skipped)"
fi
