#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation run: puts each fault of mutants.txt into a scratch copy of the tree, rebuilds and runs
# the test suite on it. See README.md beside this file.
#   tools/mutation/run.sh [--list] [--only 1,4-6] [--grep TEXT] [WORK_DIR]
set -euo pipefail
exec python3 "$(dirname "$0")/mutate.py" "$@"
