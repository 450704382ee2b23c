#!/usr/bin/env bash
# Runs a command, holding the lock file that QU_TEST_LOCK names when it is set: on a machine
# shared by several developers, whose tests start and look for processes of the same names.
exec ${QU_TEST_LOCK:+flock "$QU_TEST_LOCK"} "$@"
