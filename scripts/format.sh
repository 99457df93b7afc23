#!/usr/bin/env bash
# Lays out the C++ sources by .clang-format at the repository's root.
#   scripts/format.sh          rewrites every source and header in place
#   scripts/format.sh --check  changes nothing; lists the files that would
#                              change and ends with status 1 when there are any
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
format=$(command -v clang-format-14 || command -v clang-format) ||
  { echo "clang-format is missing: apt-get install clang-format-14" >&2; exit 1; }
mapfile -d '' files < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--check" ]; then
  status=0
  for file in "${files[@]}"; do
    "$format" --dry-run --Werror "$file" >/dev/null 2>&1 || { echo "$file"; status=1; }
  done
  exit "$status"
fi
"$format" -i "${files[@]}"
