#!/usr/bin/env bash
# Builds each layer probe of probes.txt ("target allowed|refused header")
# in the build tree $1 and checks the outcome: an allowed include compiles,
# a refused one fails because the header cannot be found (not for some other
# reason, which would prove nothing).
set -uo pipefail
build=$1
probes=$2
failures=0
while read -r target expect header; do
  [ -n "$target" ] || continue
  output=$(cmake --build "$build" --target "$target" 2>&1)
  status=$?
  if [ "$expect" = allowed ]; then
    if [ $status -eq 0 ]; then
      echo "ok: $target compiles with $header"
    else
      echo "FAIL: $target should compile with $header:"; echo "$output" | tail -20
      failures=$((failures + 1))
    fi
  else
    if [ $status -ne 0 ] && grep -q "$header: No such file or directory" <<<"$output"; then
      echo "ok: $target cannot reach $header"
    else
      echo "FAIL: $target reaches $header (status $status):"; echo "$output" | tail -20
      failures=$((failures + 1))
    fi
  fi
done <"$probes"
[ $failures -eq 0 ] || { echo "$failures layer probe(s) failed"; exit 1; }
echo "every layer reaches only what it links"
