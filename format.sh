#!/usr/bin/env bash
# Formats every C++ source of the project in place with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")"
find platform rules settings board players ai match app tools assets tests bench \
    \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null | xargs -0 -r clang-format -i --style=file
