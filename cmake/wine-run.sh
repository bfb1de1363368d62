#!/bin/sh
# Runs one test executable under Wine. The caller provides the display and,
# if it wants one apart from ~/.wine, the prefix (tools/ci/test-windows.sh
# provides both). No .NET or HTML engine prompts, no desktop menu entries.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
exec wine "$@"
