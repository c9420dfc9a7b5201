#!/usr/bin/env bash
# The size of the test code against the program's own: non-blank lines of the .cpp and .h files
# under tests/ and under src/.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() {
  find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 -r grep -hc '[^[:space:]]' | awk '{ sum += $1 } END { print sum + 0 }'
}
tests="$(lines tests)"
source="$(lines src)"
echo "Test code: $tests lines, source $source lines: $((100 * tests / source))%"
