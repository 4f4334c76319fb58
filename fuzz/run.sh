#!/usr/bin/env bash
# Runs one fuzz target with the flags and seeds it needs:
#   fuzz/run.sh <fuzz build dir> <target> [seconds, default 600] [more libFuzzer flags...]
# The growing corpus lives in <build dir>/corpus/<target>; findings go to
# <build dir>/findings/. Every input has a time limit, so slow inputs are
# reported as findings too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"; target="$2"; seconds="${3:-600}"; shift $(( $# < 3 ? $# : 3 ))
corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"

case "$target" in
  fuzz_layout_text|fuzz_layout_form)
    seeds=("$root/resources/layouts")
    flags=(-max_len=65536 -timeout=10)
    ;;
  fuzz_stored_tree)
    # Besides the small committed seeds, a chain thousands of nodes deep
    # (made here, 240 KB) puts the deep-tree cost in reach at once.
    deep="$build/corpus/stored_tree_deep_chain"
    mkdir -p "$deep"
    python3 - "$deep/chain" <<'PY'
import struct, sys
depth = 7000
out = struct.pack('<i', 1)
for i in range(depth):
    text = str(i % 100).encode()
    record = struct.pack('<i', -1) + bytes(20) + struct.pack('<i', 1 if i + 1 < depth else 0) + bytes([len(text)]) + text
    out += struct.pack('<i', len(record)) + record
open(sys.argv[1], 'wb').write(out)
PY
    seeds=("$root/fuzz/seeds/stored_tree" "$deep")
    # The deepest chain 256 KB hold (7,000 nodes, each with its path in the
    # auto-complete list) takes about 11 s under the sanitizers; a cost
    # beyond n times the path length would take minutes.
    flags=(-max_len=262144 -len_control=0 -timeout=30)
    ;;
  fuzz_picture_data|fuzz_gif_frames)
    # Real pictures of every kind the readers take; the decoders see them
    # too, so each input has a time limit.
    seeds=("$root/fuzz/seeds/pictures")
    flags=(-max_len=65536 -timeout=10 -rss_limit_mb=2048)
    # The drawing library sizes some buffers from the data; a hostile size
    # is answered as out of memory (a null block), as it is outside the
    # sanitizer, instead of ending the run.
    export ASAN_OPTIONS="allocator_may_return_null=1"
    ;;
  fuzz_path_building)
    # Numbers, not text: no seeds needed. A slow input (a path flattened
    # into millions of points) is a finding; so is one taking much memory.
    seeds=()
    flags=(-max_len=4096 -timeout=10 -rss_limit_mb=2048)
    ;;
  fuzz_color_text|fuzz_svg_path_data|fuzz_svg_transform|fuzz_svg_color)
    # Short texts (colours, formats, attribute values); a slow input is a finding.
    seeds=()
    flags=(-max_len=4096 -timeout=10)
    ;;
  fuzz_svg_document)
    # The test fixtures and the SVG tokens; hostile documents (deep, wide,
    # entities) must be refused or load in bounded time and memory.
    seeds=("$root/tests/data/svg")
    flags=(-max_len=65536 -timeout=10 -rss_limit_mb=2048 -dict="$root/fuzz/svg.dict")
    ;;
  fuzz_html_layout)
    # Markup after eight bytes of rectangle, point and flags; a layout that
    # does not end is a finding.
    seeds=("$root/fuzz/seeds/html")
    flags=(-max_len=16384 -timeout=5 -dict="$root/fuzz/html.dict")
    ;;
  fuzz_html_hilight)
    seeds=()
    flags=(-max_len=16384 -timeout=5 -dict="$root/fuzz/html.dict")
    ;;
  fuzz_json_reader|fuzz_json_roundtrip)
    # The conformance documents the tests read; a slow input is a finding.
    seeds=("$root/tests/data/json")
    flags=(-max_len=65536 -timeout=10)
    ;;
  fuzz_persistence)
    # Documents of the fixture graph, the first byte choosing type key,
    # root object and reading into a new object.
    seeds=("$root/fuzz/seeds/persistence")
    flags=(-max_len=65536 -timeout=10)
    ;;
  *)
    echo "unknown target $target" >&2; exit 2 ;;
esac

# Leaks fail a run as in the tests, with the same third-party suppressions.
export LSAN_OPTIONS="suppressions=$root/tests/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$findings"
exec nice -n 19 "$build/fuzz/$target" "${flags[@]}" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@" "$corpus" "${seeds[@]}"
