#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation run: draws a random sample of faults made by rule in game/, ui/ and the drawing code,
# puts each into a scratch copy of the tree and runs the tests that run that code. See README.md
# beside this file.
#   tools/mutation/run.sh [--sample N] [--seed S] [--in GLOB] [--id ID] [--places] [WORK_DIR]
set -euo pipefail
exec python3 "$(dirname "$0")/mutate.py" "$@"
