#!/usr/bin/env bash
# The whole Linux wizard, run as a user would start it: the launcher on the
# medium starts it in a throw-away Wine prefix, unattended. Checks the exit
# code and the log the run leaves in the prefix's user folder.
#   unattended_run_test.sh SOURCE_DIR MEDIUM_DIR
set -euo pipefail
source_dir=$1
medium=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$source_dir/tools/make-demo-prefix" "$work/prefix" --user pilot --medium "$medium" >/dev/null
status=0
WINEPREFIX="$work/prefix" "$medium/VLRSetup.exe" --unattended >"$work/out.txt" 2>&1 || status=$?
cat "$work/out.txt"
fail() { echo "FAILED: $*"; exit 1; }
[ "$status" -eq 1 ] || fail "exit code $status, not 1"

logs=("$work"/prefix/drive_c/users/pilot/VLRNA_*.LOG)
[ -f "${logs[0]}" ] || fail "no log in the user folder"
# The lines after the time stamps, in order.
sed 's/^[0-9.]*  [0-9:]* | //' "${logs[0]}" | tr -d '\r' >"$work/lines.txt"
expected=(
  "Veltrona Zozo 4.3.217"
  "Installing from D:"
  "User Roaming Directory found at C:\\users\\pilot\\AppData\\Roaming"
  "Common Appdata Path found at C:\\ProgramData"
  "Flightsimulator X Path found: C:\\Program Files (x86)\\Microsoft Games"
  "Flightsimulator X (Steam Edition) Path found: "
  "Prepar3D V4 Path found: "
  "SETUP aborted by user!"
  "Closing all forms..."
  "Aborting..."
)
line=0
for text in "${expected[@]}"; do
  found=$(tail -n +"$((line + 1))" "$work/lines.txt" | grep -n -F -m1 -- "$text" | cut -d: -f1 || true)
  [ -n "$found" ] || fail "log line missing or out of order: $text"
  line=$((line + found))
done
grep -q "page Welcome: Next" "$work/out.txt" || fail "the welcome page was not reached"
echo "unattended run: exit code 1, ${#expected[@]} log lines in order"
