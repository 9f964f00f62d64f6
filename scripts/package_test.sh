#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh makes:
#   - lintian, desktop-file-validate and appstreamcli pass: an error fails, a warning is shown;
#   - unpacked into a folder of their own, away from the source and the build, the programs find
#     their data beside them: an employee is made and calculated (the same figures as the build
#     tree's), a pay statement printed, and the desktop program's first start makes its folder
#     with the federal table; no file of the package names the source folder;
#   - installed with apt into a fresh Debian 12 root (../shared/tools/fresh-debian, or the tool
#     named by QUILLON_FRESH_DEBIAN), the installed programs do the same (scripts/installed_test.sh).
#     That step needs the tool, root and git; without one of them, or when the fresh root cannot
#     be made or its packages cannot be downloaded, it says so and is left out.
#   usage: scripts/package_test.sh build/release/quillon_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
source=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A validator's report, shown whole. lintian (with --fail-on error) and desktop-file-validate
# exit non-zero for errors only; appstreamcli exits 3 for warnings too, so there only its
# errors ("E: " lines) or another status fail.
validate() {
    local name=$1 status=0
    shift
    "$@" >"$work/report" 2>&1 || status=$?
    grep -v '^running with root privileges' "$work/report" | sed 's/^/   /' || true
    if [ "$name" = appstreamcli ] && [ "$status" -eq 3 ] && ! grep -q '^ *E: ' "$work/report"; then
        status=0
    fi
    [ "$status" -eq 0 ] || fail "$name reports errors (exit status $status)"
}

root=$work/root
dpkg-deb -x "$deb" "$root"
app_id=$(basename "$root"/usr/share/metainfo/*.metainfo.xml .metainfo.xml)

echo "-- lintian (errors fail)"
validate lintian lintian --fail-on error --display-level '>=warning' "$deb"
echo "-- desktop-file-validate"
validate desktop-file-validate desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
echo "-- appstreamcli validate-tree (errors fail)"
validate appstreamcli appstreamcli validate-tree --no-net "$root"

echo "-- the programs unpacked in $root"
if grep -rlF "$source" "$root" >"$work/named"; then
    fail "files of the package name the source folder $source: $(tr '\n' ' ' <"$work/named")"
fi
bin=$root/usr/bin
# The figures the release build gives (scripts/package.sh built it), with the federal table in
# the working folder.
mkdir "$work/reference" "$work/shop" "$work/home" "$work/empty"
cp data/Federal16.dtt "$work/reference/"
period=(--hours1 40 --ot15 2 --week-ending 12/30/2016)
build/release/cli/quillon-cli --dir "$work/reference" new Smith
build/release/cli/quillon-cli --dir "$work/reference" calc Smith "${period[@]}" >"$work/expected"
grep -q '^fed	[1-9]' "$work/expected" || fail "no federal tax in the reference: $(cat "$work/expected")"
# The unpacked programs in a folder without the table: they read their own.
"$bin/quillon-cli" --dir "$work/shop" new Smith 2>"$work/err" || fail "new: $(cat "$work/err")"
"$bin/quillon-cli" --dir "$work/shop" calc Smith "${period[@]}" >"$work/calc" 2>"$work/err" \
    || fail "calc: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "calc said: $(cat "$work/err")"
diff "$work/expected" "$work/calc" || fail "the unpacked quillon-cli calculates otherwise"
"$bin/quillon-cli" --dir "$work/shop" print statement Smith --pdf "$work/statement.pdf" \
    "${period[@]}" 2>"$work/err" || fail "print statement: $(cat "$work/err")"
pdftotext "$work/statement.pdf" - | grep -q Smith || fail "the statement does not name Smith"
(cd "$work/empty" && env -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" \
    QT_QPA_PLATFORM=offscreen "$bin/quillon" --first-frame >/dev/null 2>"$work/err") \
    || fail "quillon: $(cat "$work/err")"
cmp -s data/Federal16.dtt "$work/home/Documents/Quillon 2016/Federal16.dtt" \
    || fail "quillon's first start did not make its folder with the federal table"
echo "   new, calc, print statement and the desktop program's first start: ok"

echo "-- installed into a fresh Debian 12 root"
tool=${QUILLON_FRESH_DEBIAN:-../shared/tools/fresh-debian}
left_out() { echo "   NOT CHECKED: $*"; }
if [ ! -x "$tool" ]; then
    left_out "there is no $tool (QUILLON_FRESH_DEBIAN names another)"
elif [ "$(id -u)" -ne 0 ]; then
    left_out "$tool runs as root only"
elif ! git rev-parse --show-toplevel >/dev/null 2>&1; then
    left_out "$tool makes its root from a git checkout, and this is none (or git is missing)"
else
    # The package, the expected figures and the test go in as the root's /home/shared.
    mkdir "$work/shared"
    cp "$deb" scripts/installed_test.sh "$work/expected" "$work/shared/"
    status=0
    FRESH_SHARED=$work/shared "$tool" \
        "bash /home/shared/installed_test.sh /home/shared/$(basename "$deb") /home/shared/expected" \
        >"$work/fresh" 2>&1 </dev/null || status=$?
    case $status in
        0) grep -E '^(-- |   )|exited' "$work/fresh" | sed 's/^/   /' ;;
        2 | 3)
            sed 's/^/   /' "$work/fresh"
            left_out "the fresh root could not be made, or its packages not downloaded (status $status)"
            ;;
        *)
            sed 's/^/   /' "$work/fresh"
            fail "the installed package failed in the fresh Debian 12 root"
            ;;
    esac
fi
echo "package checked: $(basename "$deb")"
