#!/usr/bin/env bash
# Checks that the libraries install as a package other programs build
# against: installs a build tree into a temporary prefix, builds
# examples/pathbar-window against that prefix alone and runs it offscreen.
#   scripts/check-install.sh <build dir> [cmake options for the example...]
# With a shared build it also checks that the libraries export their public
# classes and hide their private ones.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"; shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check-install: $*" >&2; exit 1; }
[ -f "$prefix/lib/cmake/KestPathBar/KestPathBarConfig.cmake" ] || fail "no package configuration installed"
[ -f "$prefix/include/kest/pathbar/KestExplorerTreeview.h" ] || fail "public header missing"
private="$(find "$prefix/include" -name '*_p.h')"
[ -z "$private" ] || fail "private headers installed: $private"

if ls "$prefix"/lib/libkest_*.so >/dev/null 2>&1; then
  exported="$(nm -DC --defined-only "$prefix"/lib/libkest_*.so)"
  grep -q "TKestExplorerTreeview::" <<<"$exported" || fail "the bar's class is not exported"
  # No class of a private header may be exported.
  for class in $(grep -rhE '^(class|struct) T[A-Za-z0-9]+( final)?( *[:{].*)?$' --include='*_p.h' "$root" \
                   --exclude-dir='build*' | awk '{print $2}' | sort -u); do
    ! grep -q "[ :]$class::" <<<"$exported" || fail "$class, a private class, is exported"
  done
  export LD_LIBRARY_PATH="$prefix/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi

cmake -S "$root/examples/pathbar-window" -B "$work/example" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" "$@" >/dev/null
cmake --build "$work/example" >/dev/null
shown="$(QT_QPA_PLATFORM=offscreen timeout 60 "$work/example/pathbar_window" "$root" --quit-after 300 2>/dev/null)" ||
  fail "the example did not end by itself"
[ "$shown" = "$root" ] || fail "the example's bar shows '$shown', not '$root'"
echo "check-install: $(basename "$build") installs, and the example builds against it and shows $shown"
