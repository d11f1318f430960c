#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it with the project's
# .clang-format. The tree is kept formatted by clang-format 14 (Debian 12's); other major
# versions break some lines differently, so under them the differences are shown but do not fail.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
major=$(clang-format --version | sed -E 's/.*version ([0-9]+).*/\1/')
if clang-format --dry-run -Werror "${files[@]}"; then
  echo "formatting: ${#files[@]} files as clang-format makes them"
elif [ "$major" = 14 ]; then
  echo "formatting: run clang-format -i on the files above" >&2
  exit 1
else
  echo "formatting: clang-format $major differs from the tree's clang-format 14; not failing" >&2
fi
