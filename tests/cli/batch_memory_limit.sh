#!/usr/bin/env bash
# tamrisk-cli --batch under a memory limit (ulimit -v, as containers and
# service units set one):
#  1. a line far longer than a line may be, between two good lines, is
#     answered with one error object and the run goes on: three answers,
#     status 0, nothing on standard error;
#  2. when memory runs out, the answers so far are written, one line on
#     standard error says at which line, and the status is 4.
#
#   tests/cli/batch_memory_limit.sh TAMRISK-CLI
set -euo pipefail
CLI=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
GOOD=$'10\t \tV\t5\t \tΩ\tW'
REST=$'\t \tV\t5\t \tΩ\tW'
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Runs the program under a limit of $1 KB over standard input, the answers
# in $WORK/out, standard error in $WORK/err; prints its status. (Under too
# small a limit the program cannot even start: the shell's note on that is
# not wanted.)
limited() {
  local status=0
  { (ulimit -v "$1" && exec "$CLI" --batch) >"$WORK/out" 2>"$WORK/err" || status=$?; } 2>/dev/null
  echo "$status"
}
# Writes a good line, a line whose first field is $1 bytes "1", and a good
# line; the writer's complaint when the program stops reading early is not
# wanted either.
lines() {
  trap '' PIPE
  {
    printf '%s\n' "$GOOD"
    head -c "$1" /dev/zero | tr '\0' '1'
    printf '%s\n%s\n' "$REST" "$GOOD"
  } 2>/dev/null || true
}

# The smallest limit (in steps of 256 KB) under which the program answers
# good lines; the limits below are measured from it, since the program's
# size depends on the build.
base=""
for ((kb = 1024; kb <= 256 * 1024; kb += 256)); do
  status=$(printf '%s\n%s\n' "$GOOD" "$GOOD" | limited "$kb")
  if [[ $status == 0 && $(grep -c '^{"param1": "10", ' "$WORK/out") == 2 ]]; then
    base=$kb
    break
  fi
done
[[ -n $base ]] || fail "no answer under any limit up to 256 MB"
echo "answers good lines under ulimit -v $base"

# 1. A line of 100 MB under a limit of 16 MB more than the program needs.
status=$(lines 100000000 | limited $((base + 16 * 1024)))
[[ $status == 0 ]] || fail "a line over the limit: status $status, $(head -c 300 "$WORK/err")"
[[ $(wc -l <"$WORK/out") == 3 ]] || fail "a line over the limit: not three answers: $(head -c 300 "$WORK/out")"
[[ $(sed -n 2p "$WORK/out") == '{"error": "line longer than the limit of 1048576 bytes"}' ]] ||
  fail "a line over the limit: $(sed -n 2p "$WORK/out" | head -c 300)"
[[ $(sed -n 3p "$WORK/out") == "$(sed -n 1p "$WORK/out")" ]] || fail "the line after it is not answered"
[[ ! -s $WORK/err ]] || fail "a line over the limit: $(head -c 300 "$WORK/err")"
echo "a 100 MB line under ulimit -v $((base + 16 * 1024)): three answers, status 0"

# 2. A line within the limit (a number of a million digits, which the answer
# repeats) under a limit of only 1 MB more than the program needs.
status=$(lines 1000000 | limited $((base + 1024)))
[[ $status == 4 ]] || fail "out of memory: status $status, $(head -c 300 "$WORK/err")"
[[ $(wc -l <"$WORK/out") == 1 && $(head -c 12 "$WORK/out") == '{"param1": "' ]] ||
  fail "out of memory: the first answer is not kept: $(head -c 300 "$WORK/out")"
[[ $(wc -l <"$WORK/err") == 1 ]] && grep -q '^tamrisk-cli: out of memory at line 2 ' "$WORK/err" ||
  fail "out of memory: standard error says $(head -c 300 "$WORK/err")"
echo "out of memory under ulimit -v $((base + 1024)): the first answer, one line on standard error, status 4"
