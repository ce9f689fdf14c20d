#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build; builds the Release configuration that
# users and packagers build (everything, tests included; the platform, SNMP library and
# layers tests run); then runs each fuzz target for a few seconds (fuzz/run). The builds of
# the suite treat warnings as errors (TRQ_WERROR). Fails on any build error, test failure,
# sanitizer report or fuzz finding.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
trq_install_deps

jobs=$(nproc)

echo "== normal build"
trq_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRQ_WERROR=ON
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300

echo "== release build"
trq_build build-release -DCMAKE_BUILD_TYPE=Release -DTRQ_WERROR=ON
ctest --test-dir build-release --output-on-failure -j"$jobs" --timeout 300 -L '^(platform|snmplib|layers)$'

echo "== sanitizer build"
trq_build build-asan -DCMAKE_BUILD_TYPE=Debug -DTRQ_SANITIZE=ON -DTRQ_WERROR=ON
log=$(mktemp)
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 600 2>&1 | tee "$log" || status=$?
if grep -qE "ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:" "$log"; then
    echo "sanitizer reports found"
    status=1
fi
rm -f "$log"

echo "== fuzz targets, a few seconds each from their seed corpora"
FUZZ_JOBS=$jobs fuzz/run 3 build-fuzz || status=1
exit $status
