#!/bin/bash
# Runs one fuzz target for a bounded time from a fresh corpus of seed inputs.
#   fuzz/run_fuzzer.sh BINARY SECONDS [CORPUS_DIR]
# BINARY is wav_reader_fuzz or text_decode_fuzz (built under build/fuzz/targets/ by the main
# build when clang++ is present). With CORPUS_DIR the corpus is kept there and grows from run
# to run; without it a temporary one is used and removed. A finding is written to the working
# directory as crash-* / oom-* and the script exits non-zero.
set -euo pipefail
binary=$1
seconds=$2
corpus=${3:-}
if [[ -z $corpus ]]; then
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus"

case $(basename "$binary") in
  wav_reader_fuzz)
    # Small real files: sox output in the layouts the reader accepts.
    if command -v sox > /dev/null; then
      sox -n -r 8000 -b 8 -e unsigned-integer -c 1 "$corpus/seed-u8.wav" synth 0.004 sine 440
      sox -n -r 8000 -b 16 -c 2 "$corpus/seed-s16.wav" synth 0.004 sine 440
      sox -n -r 8000 -b 24 -c 1 -t wavpcm "$corpus/seed-s24.wav" synth 0.002 sine 440
    fi
    ;;
  text_decode_fuzz)
    printf 'Score 12|0|' > "$corpus/seed-ascii"
    printf '\xef\xbb\xbfA\xc3\xa9\xe2\x82\xac' > "$corpus/seed-utf8-mark"
    printf '\xfe\xff\x00A\xd8\x3d\xde\x00' > "$corpus/seed-utf16be"
    printf '\xff\xfeA\x00\xe9\x00' > "$corpus/seed-utf16le"
    printf 'A\x80B' > "$corpus/seed-invalid"
    ;;
esac

# Inputs up to 4 KiB; no allocation may reach 16 MiB, far above anything such an input holds.
exec "$binary" -max_total_time="$seconds" -max_len=4096 -malloc_limit_mb=16 -rss_limit_mb=1024 \
  -timeout=10 -print_final_stats=1 "$corpus"
