#!/usr/bin/env bash
# Builds the document fuzzer with clang and libFuzzer and runs it.
#   scripts/fuzz.sh [SECONDS]   (default 600)
# Findings land in build-fuzz/findings/; the seed corpus is made from the test documents.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
bash scripts/install-deps.sh --fuzz
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOPENWRIGHT_BUILD_TESTS=OFF -DOPENWRIGHT_BUILD_BENCH=OFF -DOPENWRIGHT_BUILD_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fsanitize=fuzzer-no-link" >/dev/null
cmake --build build-fuzz --target fuzz_documents
corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/findings
i=0
for kind in 0 1 2 3 4 5; do
    for doc in fuzz/seeds/*.json; do
        { printf "\\x$(printf %02x $kind)"; cat "$doc"; } > "$corpus/seed-$kind-$i"
        i=$((i + 1))
    done
done
cd build-fuzz
./fuzz/fuzz_documents -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 \
    -artifact_prefix=findings/ -print_final_stats=1 corpus
