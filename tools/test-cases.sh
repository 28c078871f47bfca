#!/usr/bin/env bash
# Counts the test cases of a build: the CTest tests, and the Qt Test functions times their
# data rows (one line each of `-datatags`). A change that merges or moves tests must not
# lower either number.
set -euo pipefail
build_dir=${1:-build}
export QT_QPA_PLATFORM=offscreen
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
ctest --test-dir "$build_dir" --show-only=json-v1 | python3 -c '
import json, subprocess, sys
tests = json.load(sys.stdin)["tests"]
cases = 0
for t in tests:
    cmd = t.get("command") or []
    if cmd and cmd[0].endswith("xvfb-run"):
        cmd = cmd[2:]
    if not cmd or "/tests/" not in cmd[0] and "/tst_" not in cmd[0]:
        continue
    out = subprocess.run(cmd + ["-datatags"], capture_output=True, text=True).stdout
    n = len([l for l in out.splitlines() if l.strip()])
    cases += n
    print(t["name"], n, file=sys.stderr)
print(f"ctest tests: {len(tests)}")
print(f"Qt Test cases (functions x data rows): {cases}")
'
