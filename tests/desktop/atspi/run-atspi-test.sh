#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Aerolume as a desktop session would with a screen reader running, and drives it
# with launcher_client.py through the accessibility bus: its own X server (Xvfb), its
# own D-Bus session (which starts the accessibility bus and registry), Qt's
# accessibility bridge switched on. Fails, loudly, when any of that cannot be had.
#
# Usage: run-atspi-test.sh path/to/aerolume
# (AEROLUME_CLIENT names another client script to run instead, when debugging.)
set -euo pipefail

program="${1:?usage: run-atspi-test.sh path/to/aerolume}"
here="$(cd "$(dirname "$0")" && pwd)"

missing=()
for tool in Xvfb dbus-run-session /usr/bin/python3 /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=("python3-pyatspi")
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: cannot run the accessibility test, missing: ${missing[*]}" \
         "(Debian: xvfb dbus at-spi2-core python3-pyatspi; ./test installs them)" >&2
    exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to the pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 15 -u "$display_fd" display_number || {
    echo "FAIL: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
}
exec {display_fd}<&-

export DISPLAY=":$display_number"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS NO_AT_BRIDGE

client="${AEROLUME_CLIENT:-$here/launcher_client.py}"
dbus-run-session -- /usr/bin/python3 "$client" "$program"
