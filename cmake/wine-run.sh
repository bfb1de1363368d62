#!/bin/sh
# Runs one test executable under Wine. The caller provides the prefix if it
# wants one apart from ~/.wine, and the session (tools/ci/test-windows.sh
# provides both, headless). No .NET or HTML engine prompts, no desktop menu
# entries.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec wine "$@"
