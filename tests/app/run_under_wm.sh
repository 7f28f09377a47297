#!/usr/bin/env bash
# Runs a program on a private X server under the openbox window manager, as on a desktop.
set -u
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
    bash -c 'openbox >/dev/null 2>&1 & wm=$!; sleep 1; "$@"; status=$?; kill $wm 2>/dev/null; exit $status' \
    run_under_wm "$@"
