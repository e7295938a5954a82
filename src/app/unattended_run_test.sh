#!/usr/bin/env bash
# The whole wizard as a user starts it: the medium laid out by
# `cmake --install`, its launcher run unattended in a throw-away Wine prefix.
# Checks the exit codes, the files the installation unpacks, the three files
# of the simulator it edits and their backups, and the log.
#   unattended_run_test.sh SOURCE_DIR BUILD_DIR [--windows]
# With --windows, BUILD_DIR is the Windows build, whose launcher runs under
# Wine; the prefix is the machine it sees, and its user the one Wine gives.
set -euo pipefail
source_dir=$1
build_dir=$2
windows=0
[ "${3:-}" = --windows ] && windows=1
work=$(mktemp -d)
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build_dir" --prefix "$work/medium" >/dev/null
launcher="$work/medium/VLRSetup.exe"
if [ $windows -eq 1 ]; then
  wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv="
  user=$(id -un)
  trap 'for p in "$work"/*/; do WINEPREFIX="$p" "$wineserver" -k 2>/dev/null || true; done; rm -rf "$work"' EXIT
else
  wine=""
  user=pilot
  trap 'rm -rf "$work"' EXIT
fi
run() {  # run PREFIX ARGS...: the launcher's exit code in $status, its output in out.txt
  local prefix=$1
  shift
  status=0
  WINEPREFIX="$prefix" $wine "$launcher" "$@" >"$work/out.txt" 2>&1 || status=$?
}

# --- A whole installation into FSX, the scenery on the second hard disk E:.
prefix="$work/Präfix"
"$source_dir/tools/make-demo-prefix" "$prefix" --user "$user" --medium "$work/medium" >/dev/null
if [ $windows -eq 1 ]; then
  # Wine completes the prefix on its first start.
  WINEPREFIX="$prefix" "$wine" wineboot -u >/dev/null 2>&1
  WINEPREFIX="$prefix" "$wineserver" -w
fi

# --- A refused command line changes nothing and says why.
none="$work/none"
[ $windows -eq 1 ] && none=$prefix  # Wine itself needs a prefix
for args in "--unattended --language=E" "--unattended --accept-license --language=Q" \
            "--unattended --accept-license --language=E --simulator=XP" \
            "--unattended --accept-license --language=E --dir=Scenery" "--bogus"; do
  # shellcheck disable=SC2086
  run "$none" $args
  [ "$status" -eq 2 ] || fail "exit code $status for '$args', not 2"
  grep -q "^usage:" "$work/out.txt" || fail "no usage after '$args'"
done

fsx="$prefix/drive_c/Program Files (x86)/Microsoft Games/Microsoft Flight Simulator X"
cfg="$prefix/drive_c/ProgramData/Microsoft/FSX/Scenery.cfg"
main_cfg="$prefix/drive_c/users/$user/AppData/Roaming/Microsoft/FSX/fsx.cfg"
spb="$fsx/Autogen/AutogenDescriptions.spb"
spb_size=$(stat -c %s "$spb")

# --- First a preview, in a copy of the prefix: it writes nothing but its log.
preview="$work/preview"
cp -a "$prefix" "$preview"
snapshot() {  # every file but the logs and Wine's own: path, size, time and bytes
  (cd "$1" && find . \( -path ./dosdevices -o -path ./drive_c/windows -o -name '*.reg' \
     -o -path './drive_c/users/*/Temp' -o -path './drive_c/users/*/AppData/Local' \) -prune \
     -o -type f ! -name 'VLRNA_*.LOG' ! -name .update-timestamp \
     -printf '%p %s %T@\n' -exec md5sum {} + | sort)
}
snapshot "$preview" >"$work/before.txt"
run "$preview" --unattended --accept-license --language=D --simulator=FSX --dir='E:\Scenery' --dry-run
cp "$work/out.txt" "$work/preview.txt"
[ "$status" -eq 0 ] || { cat "$work/preview.txt"; fail "exit code $status of the preview, not 0"; }
snapshot "$preview" >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the preview changed files"
ls "$preview"/drive_c/users/"$user"/VLRNA_*.LOG >/dev/null || fail "the preview wrote no log"
grep -q "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS: .* -> 256" "$work/preview.txt" || fail "no terrain value"
grep -q "descriptions of the package: 0 -> " "$work/preview.txt" || fail "no autogen records"
grep -q "^Unpacked in all: 9 archives" "$work/preview.txt" || fail "no archives"

mkdir "$work/before"
cp "$cfg" "$work/before/cfg"
cp "$main_cfg" "$work/before/main_cfg"
cp "$spb" "$work/before/spb"
run "$prefix" --unattended --accept-license --language=D --simulator=FSX --dir='E:\Scenery'
cat "$work/out.txt"
[ "$status" -eq 0 ] || fail "exit code $status of the installation, not 0"
if [ $windows -eq 0 ]; then
  grep -q "Wine prefix $prefix\$" "$work/out.txt" || fail "the prefix's path is not printed as it is"
fi
grep -q "^page Finished" "$work/out.txt" || fail "the finished page was not reached"

scenery="$prefix/drive_e/Scenery/vlrna"
for folder in dem ortho objects airports zzqa zzqb; do
  [ -n "$(ls -A "$scenery/$folder/scenery" 2>/dev/null)" ] || fail "nothing unpacked into vlrna\\$folder"
done
[ -f "$fsx/Autogen/vlrna_trees.agn" ] || fail "setup.105 did not go into the simulator's folder"
[ -f "$cfg.vlrna.bak" ] || fail "no backup of scenery.cfg"
areas=$(grep -c '^Local=E:\\Scenery\\vlrna\\' "$cfg" || true)
[ "$areas" -eq 6 ] || fail "$areas areas point into E:\\Scenery\\vlrna, not 6"
grep -q $'^IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=256\r$' "$main_cfg" || fail "terrain value not raised"
[ -f "$spb.copy" ] || fail "no backup of the autogen descriptions"
[ "$(stat -c %s "$spb.copy")" -eq "$spb_size" ] || fail "the backup is not the original"
[ "$(stat -c %s "$spb")" -gt "$spb_size" ] || fail "the autogen descriptions were not patched"

# The preview's diff of scenery.cfg, applied, gives what the installation wrote.
awk '/^  --- .*Scenery\.cfg$/ { on = 1; print "--- a"; next }
     on && /^  \+\+\+ / { print "+++ b"; next }
     on && /^  / { print substr($0, 3); next }
     on { exit }' "$work/preview.txt" >"$work/scenery.diff"
[ -s "$work/scenery.diff" ] || fail "the preview shows no diff of scenery.cfg"
tr -d '\r' <"$preview/drive_c/ProgramData/Microsoft/FSX/Scenery.cfg" >"$work/scenery.txt"
patch -s "$work/scenery.txt" "$work/scenery.diff" || fail "the preview's diff does not apply"
tr -d '\r' <"$cfg" | cmp -s - "$work/scenery.txt" || fail "the preview's diff is not what was written"

logs=("$prefix"/drive_c/users/"$user"/VLRNA_*.LOG)
[ -f "${logs[0]}" ] || fail "no log in the user folder"
sed 's/^[0-9.]*  [0-9:]* | //' "${logs[0]}" | tr -d '\r' >"$work/lines.txt"
expected=(
  "Installing from D:"
  "Flightsimulator X Path found: C:\\Program Files (x86)\\Microsoft Games"
  "Existing Installation not found!"
  "License read"
  "Installation directory selected: E:\\Scenery\\vlrna\\"
  "Extracting archive setup.101 to E:\\Scenery\\vlrna\\"
  "Extracting archive setup.105 to C:\\Program Files (x86)\\Microsoft Games"
  "Extracting archive setup.204 to E:\\Scenery\\vlrna\\"
  "Entry in 'scenery.cfg' written!"
  "File succesfully patched!"
  "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS set to 256"
  "Installation finished!"
  "Installation finished!"
  "Closing all forms..."
  "Aborting..."
)
line=0
for text in "${expected[@]}"; do
  found=$(tail -n +"$((line + 1))" "$work/lines.txt" | grep -n -F -m1 -- "$text" | cut -d: -f1 || true)
  [ -n "$found" ] || fail "log line missing or out of order: $text"
  line=$((line + found))
done

# --- Again: the earlier installation is proposed, and another folder refused.
run "$prefix" --unattended --accept-license --language=E --dir='C:\Elsewhere'
[ "$status" -eq 1 ] || fail "exit code $status for another folder than the earlier one, not 1"
grep -q 'installed in E:\\Scenery\\vlrna\\ already' "$work/out.txt" || fail "the earlier folder is not named"

# --- The restore of the autogen descriptions, twice: nothing left to do.
run "$prefix" --unattended --accept-license --language=E --restore-autogen
[ "$status" -eq 0 ] || fail "exit code $status of the restore, not 0"
grep -q "options-summary" "$work/out.txt" || fail "no summary of the restore"

# --- The removal: the simulator's three files as before, the package gone.
[ -f "$scenery/VLRNA_INSTALL_FSX.txt" ] || fail "no installation record"
grep -q '^unpacked=.*|E:\\Scenery\\vlrna\\dem\\' "$scenery/VLRNA_INSTALL_FSX.txt" ||
  fail "the record lists no unpacked file"
snapshot "$prefix" >"$work/before-removal.txt"
run "$prefix" --unattended --uninstall --simulator=FSX --dry-run
[ "$status" -eq 0 ] || { cat "$work/out.txt"; fail "exit code $status of the removal's preview"; }
snapshot "$prefix" >"$work/after-preview.txt"
diff "$work/before-removal.txt" "$work/after-preview.txt" || fail "the removal's preview changed files"
grep -q '^Deleted: E:\\Scenery\\vlrna\\dem\\' "$work/out.txt" || fail "the preview lists no deletion"
grep -q '^Removed folder: E:\\Scenery\\vlrna' "$work/out.txt" || fail "the preview lists no folder"
grep -q 'IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS: 256 -> 128' "$work/out.txt" || fail "no terrain value back"
run "$prefix" --unattended --uninstall --simulator=FSX
cat "$work/out.txt"
[ "$status" -eq 0 ] || fail "exit code $status of the removal, not 0"
cmp "$cfg" "$work/before/cfg" || fail "scenery.cfg is not as before the installation"
cmp "$main_cfg" "$work/before/main_cfg" || fail "fsx.cfg is not as before the installation"
cmp "$spb" "$work/before/spb" || fail "the autogen descriptions are not as before the installation"
[ ! -e "$scenery" ] || fail "the package folder is left: $(find "$scenery" | head -3)"
[ ! -e "$fsx/Autogen/vlrna_trees.agn" ] || fail "a file of setup.105 is left"
[ -f "$cfg.vlrna.bak" ] && [ -f "$cfg.vlrna.removal.bak" ] || fail "a backup of scenery.cfg is missing"
run "$prefix" --unattended --uninstall
[ "$status" -eq 0 ] || fail "exit code $status of a second removal, not 0"
grep -q "options-uninstall-nothing" "$work/out.txt" || fail "a second removal found something"
run "$prefix" --unattended --uninstall --simulator=P3D2
[ "$status" -eq 1 ] || fail "exit code $status of a removal from a missing simulator, not 1"

if [ $windows -eq 1 ]; then
  echo "unattended run under Wine: installed, refused, restored, removed as expected"
  exit 0
fi

# --- A prefix whose drive C: has lost its link: no log, but no crash either.
rm "$prefix/dosdevices/c:"
run "$prefix" --unattended --accept-license --language=E
[ "$status" -eq 1 ] || { cat "$work/out.txt"; fail "exit code $status without drive C:, not 1"; }
echo "unattended run: installed, refused, restored, removed and ended cleanly as expected"
