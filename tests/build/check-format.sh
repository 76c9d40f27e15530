#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted by its .clang-format.
set -u
cd "$1" || exit 1
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
if [ -z "$files" ]; then
  echo "no C++ files found (not a git checkout?)"
  exit 1
fi
# shellcheck disable=SC2086
if ! clang-format --dry-run --Werror $files; then
  echo "run: clang-format -i \$(git ls-files '*.cpp' '*.h')"
  exit 1
fi
echo "$(echo "$files" | wc -l) files formatted"
