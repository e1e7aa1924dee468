# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end scripts after x_session.sh: a screenshot of the display into the
# artefacts folder, a failure that leaves one, and each step passed counted and said.
shot() { import -window root "$artefacts/$1.png" 2>/dev/null || true; }
fail() { echo "FAIL: $*" >&2; shot failed; exit 1; }
passed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
