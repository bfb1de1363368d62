#!/bin/sh
# Runs one test executable under Wine; the caller provides the display.
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
