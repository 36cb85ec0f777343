#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree names its licence in an SPDX tag within its
# first three lines; build folders inside the tree are left out, and so is
# the template of the Debian changelog, whose format has no comments.
#
#   licence_tags.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=$(find . -path './build*' -prune -o -path './.git' -prune -o -type f \
  ! -name changelog.in \( -name '*.cpp' -o -name '*.h' -o -name 'CMakeLists.txt' -o -name '*.sh' -o -name '*.py' -o -name '*.nsi' \
     -o -name '*.svg' -o -name '*.in' -o -name '*.cmake' -o -name '*.rc' -o -path './.ci/run' -o -path './bench/run' \) -print |
  while read -r file; do head -n 3 "$file" | grep -q 'SPDX-License-Identifier: ' || echo "$file"; done)
[ -z "$missing" ] || { echo "no SPDX tag in:"; echo "$missing"; exit 1; }
echo "every source file names its licence"
