#!/usr/bin/env bash
# Runs inside a fresh Debian 12 root, where scripts/package_test.sh starts it: installs the package
# with apt-get (its dependencies from the archive, no recommended packages), then, as an ordinary
# user, runs the installed programs: quillon-cli new and calc (the figures must be the expected
# ones), a pay statement and a spreadsheet export through quillon-print, and the desktop
# program's first start on Qt's offscreen platform, which makes ~/Documents/Quillon 2016 with the
# federal table. Its output ends with what failed, in at most a few lines.
#   usage: installed_test.sh quillon_VERSION_amd64.deb EXPECTED_CALC_OUTPUT
# Exit status: 0 all well; 1 the package or an installed program failed; 3 the packages could
# not be downloaded (nothing was checked).
set -uo pipefail
deb=$1
expected=$2
export DEBIAN_FRONTEND=noninteractive
log=/tmp/installed-test.log
fail() {
    tail -n 6 "$log" 2>/dev/null
    echo "FAIL: $*"
    exit 1
}
unreachable() {
    tail -n 4 "$log"
    echo "DOWNLOAD FAILED: $*"
    exit 3
}
apt=(apt-get -q -y -o Acquire::Retries=3 -o APT::Install-Recommends=false)

echo "-- apt-get install ./$(basename "$deb")"
"${apt[@]}" update >"$log" 2>&1 || unreachable "apt-get update"
# Whether the dependencies can be met is the package's business; fetching them the network's.
"${apt[@]}" --simulate install "$deb" >"$log" 2>&1 || fail "the package's dependencies cannot be met"
"${apt[@]}" --download-only install "$deb" >"$log" 2>&1 || unreachable "the dependencies"
"${apt[@]}" install "$deb" >"$log" 2>&1 || fail "apt-get install"
for program in quillon quillon-cli quillon-print; do
    [ "$(command -v "$program")" = "/usr/bin/$program" ] || fail "$program is not in /usr/bin"
    [ -f "/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done
echo "   installed: $(dpkg-query -W -f='${Package} ${Version}, depends on ${Depends}' quillon)"

useradd --create-home ann >"$log" 2>&1 || fail "useradd"
as_ann() { runuser -u ann -- env -i HOME=/home/ann PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
payroll=/home/ann/payroll
as_ann mkdir "$payroll"
period=(--hours1 40 --ot15 2 --week-ending 12/30/2016)
as_ann quillon-cli --dir "$payroll" new Smith >"$log" 2>&1 || fail "quillon-cli new Smith"
[ ! -s "$log" ] || fail "quillon-cli new said something"
as_ann quillon-cli --dir "$payroll" calc Smith "${period[@]}" >/tmp/calc 2>"$log" \
    || fail "quillon-cli calc Smith"
[ ! -s "$log" ] || fail "quillon-cli calc said something"
diff "$expected" /tmp/calc >"$log" || fail "quillon-cli calc: not the expected figures"
echo "   quillon-cli new and calc: $(grep -E '^(fed|net)' /tmp/calc | tr '\t\n' '= ')"

as_ann quillon-cli --dir "$payroll" print statement Smith --pdf "$payroll/statement.pdf" \
    "${period[@]}" >"$log" 2>&1 || fail "quillon-cli print statement"
[ "$(head -c 4 "$payroll/statement.pdf")" = "%PDF" ] || fail "the statement is no PDF file"
as_ann quillon-cli --dir "$payroll" export Smith "$payroll/Smith YTD.xlsx" >"$log" 2>&1 \
    || fail "quillon-cli export"
[ "$(head -c 2 "$payroll/Smith YTD.xlsx")" = "PK" ] || fail "the workbook is no .xlsx file"
echo "   quillon-print: a pay statement (PDF) and the register workbook"

as_ann quillon --help >"$log" 2>&1 || fail "quillon --help"
grep -q "/home/ann/Documents/Quillon 2016" "$log" || fail "quillon --help names no folder"
(cd /home/ann && as_ann env QT_QPA_PLATFORM=offscreen quillon --first-frame >"$log" 2>&1) \
    || fail "quillon's first start"
cmp -s /usr/share/quillon/Federal16.dtt "/home/ann/Documents/Quillon 2016/Federal16.dtt" \
    || fail "quillon's first start did not make ~/Documents/Quillon 2016 with the federal table"
echo "   quillon: first start, ~/Documents/Quillon 2016 made with the federal table"
echo "installed package: ok"
