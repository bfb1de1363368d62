#!/bin/sh
# Runs one test executable under Wine. The caller provides the prefix if it
# wants one apart from ~/.wine, and the session (tools/ci/test-windows.sh
# provides both, headless). No .NET or HTML engine prompts, no desktop menu
# entries.
#
# The program writes into files, copied out once it has ended: a process
# that Wine starts on the program's behalf (a desktop, a service) inherits
# its output, and would keep ctest's pipe open, and the test running, for as
# long as it lives.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" </dev/null || status=$?
cat "$out"
cat "$err" >&2
exit $status
