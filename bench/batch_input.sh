#!/usr/bin/env bash
# Writes LINES (default 100,000) lines of input for tamrisk-cli --batch to
# standard output: a fixed mix of the window's seven input texts, the same
# for every run. The numbers change from line to line; the mix holds pairs
# that many formulas answer (10 V and 5 Ω), conversions, prefixed units, a
# filter, the nearest resistor pairs, plain numbers, calendar years, pairs
# that no formula takes, numbers that cannot be read and lines with the
# wrong number of fields.
#
#   bench/batch_input.sh [LINES] > input.tsv
set -euo pipefail
LINES="${1:-100000}"
awk -v lines="$LINES" 'BEGIN {
  OFS = "\t"
  # p1, prefix 1, unit 1, p2, prefix 2, unit 2, filter; "#" stands for the
  # line'"'"'s own number.
  n = 0
  c[n++] = "#| |V|5| |Ω| 指定なし"
  c[n++] = "#| |m|| | | 指定なし"
  c[n++] = "#|k|m/h|| | | 指定なし"
  c[n++] = "#|m|A|2|k|Ω|W"
  c[n++] = "3.#|k|Ω|| | | 指定なし"
  c[n++] = "#| | |3| | | 指定なし"
  c[n++] = "19#| |year|| | | 指定なし"
  c[n++] = "#| |Hz|5| |g| 指定なし"
  c[n++] = "#| |℃|| | | 指定なし"
  c[n++] = "#| |dBm|50| |Ω| 指定なし"
  c[n++] = "#| |in|| | |m"
  c[n++] = "1#|μ|F|#|k|Ω| 指定なし"
  c[n++] = "ab#| |V|5| |Ω| 指定なし"
  c[n++] = "#| |m|2| |m| 指定なし"
  c[n++] = "#| |W|| | | 指定なし"
  c[n++] = "#| |V|5| |Ω"
  for (i = 0; i < lines; i++) {
    line = c[i % n]
    gsub(/#/, (i % 997) + 1, line)
    gsub(/\|/, "\t", line)
    print line
  }
}'
