#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs all tests; exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
dir="$root/build-test"
"$root/scripts/build.sh" "$dir" -DKEST_SANITIZE=ON -DKEST_BUILD_BENCH=ON
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
