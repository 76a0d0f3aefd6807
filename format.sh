#!/usr/bin/env bash
# Formats every C++ source of the project in place with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")"
folders=()
for folder in platform rules neural settings board players ai coach match app tools assets tests bench fuzz; do
    [[ -d $folder ]] && folders+=("$folder")
done
find "${folders[@]}" \( -name '*.h' -o -name '*.cpp' \) -print0 |
    xargs -0 -r clang-format -i --style=file
