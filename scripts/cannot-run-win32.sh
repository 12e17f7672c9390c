#!/usr/bin/env bash
# The 32-bit build's emulator: this machine's kernel cannot run 32-bit programs, so say so loudly.
echo "cannot run $1: 32-bit Windows programs do not run on this machine; use the win64 build" >&2
exit 1
