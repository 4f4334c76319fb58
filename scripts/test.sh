#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs all tests; exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
dir="$root/build-test"
"$root/scripts/build.sh" "$dir" -DKEST_SANITIZE=ON -DKEST_BUILD_BENCH=ON
(cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2)
# The libraries as other programs use them: installed, static (the tree just
# tested) and shared.
export LSAN_OPTIONS="suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0"
"$root/scripts/check-install.sh" "$dir"
"$root/scripts/build.sh" "$root/build-shared" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
"$root/scripts/check-install.sh" "$root/build-shared"
