#!/usr/bin/env bash
# quillon without a FOLDER works in the folder it is started in when that holds an employee (a
# file NAME.use), else in "Quillon 2016" in the Documents folder, made the first time with the
# federal table of its data folder copied in; --help names that folder.
#   usage: working_folder.sh path/to/quillon path/to/Federal16.dtt lsan-suppressions
set -uo pipefail
quillon=$1
table=$2
export LSAN_OPTIONS="suppressions=$3:print_suppressions=0"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# quillon started in folder $1 with the home $2 (and no user-dirs file: Documents is
# $2/Documents), up to its first painted frame; further arguments go to quillon.
start() {
    local folder=$1 home=$2
    shift 2
    (cd "$folder" && env -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" \
        QT_QPA_PLATFORM=offscreen "$quillon" "$@" --first-frame) >"$work/out" 2>&1 \
        || fail "quillon in $folder exited $?: $(cat "$work/out")"
}
mkdir -p "$work/empty" "$work/defaults" "$work/shop" "$work/h1" "$work/h2" "$work/h3" "$work/h4"
touch "$work/defaults/.use" "$work/defaults/.sta" "$work/shop/Smith.use"

help=$(env -u XDG_CONFIG_HOME HOME="$work/h1" "$quillon" --help) || fail "--help exited $?"
case "$help" in *"$work/h1/Documents/Quillon 2016"*) ;; *) fail "--help names no folder: $help" ;; esac

# The first start outside an employee's folder makes the folder, with the table and nothing else.
start "$work/empty" "$work/h1"
own="$work/h1/Documents/Quillon 2016"
[ "$(ls -A "$own")" = "Federal16.dtt" ] || fail "the new folder holds: $(ls -A "$own")"
cmp -s "$table" "$own/Federal16.dtt" || fail "the federal table was not copied whole"
# A later start takes it as it is.
echo "the operator's own table" >"$own/Federal16.dtt"
start "$work/empty" "$work/h1"
[ "$(cat "$own/Federal16.dtt")" = "the operator's own table" ] || fail "the folder was set up again"

# Default files alone are no employee.
start "$work/defaults" "$work/h2"
[ -f "$work/h2/Documents/Quillon 2016/Federal16.dtt" ] || fail "a folder of defaults was taken"

# A folder that holds an employee, or a folder given, is the working folder: nothing is made.
start "$work/shop" "$work/h3"
[ ! -e "$work/h3/Documents" ] || fail "Documents made though the folder holds an employee"
start "$work/h4" "$work/h4" "$work/empty"
[ ! -e "$work/h4/Documents" ] || fail "Documents made though a folder was given"
echo "ok"
