#!/bin/sh
# Runs the link of the release program and explains the one failure that
# src/startup/win32/no_exceptions.cpp sets up. That file defines the standard
# library's throw helpers the program calls, so the exception runtime is never
# linked. A call to a helper it does not define pulls in the library's own
# set, which defines the same helpers again: the link fails on a "multiple
# definition of std::__throw_...". Saying why here spares the next reader.
output=$("$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output" >&2
if [ "$status" -ne 0 ] && printf '%s' "$output" | grep -q "multiple definition of .std::__throw_"; then
    cat >&2 <<MESSAGE
error: new code calls a function of the C++ library that throws, and the
program links no exception runtime. Either avoid the call, or define the
library's throw helper it needs (std::__throw_...) in
src/startup/win32/no_exceptions.cpp, ending the program as the uncaught
exception would.
MESSAGE
fi
exit "$status"
