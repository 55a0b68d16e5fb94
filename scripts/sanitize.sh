#!/usr/bin/env bash
# Builds with AddressSanitizer + UndefinedBehaviorSanitizer and runs every test, then with
# ThreadSanitizer and runs the tests whose threads share the list and the mirror.
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS="abort_on_error=0:halt_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

cmake --preset asan >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

cmake --preset tsan >/dev/null
cmake --build build-tsan --target lindquay_tests
build-tsan/tests/lindquay_tests --gtest_filter='*Concurrent*:*RowStore*:*MirrorWorkers*:*WhileTheWorker*'
