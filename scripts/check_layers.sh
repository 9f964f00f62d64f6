#!/usr/bin/env bash
# Fails when a source file includes from a layer above its own, naming the file and the line.
# The layers, lowest first (ui and cli each take print, neither takes the other):
#   engine -> records -> session -> print -> ui, cli -> app
# A folder's tests, benchmarks and fuzz targets belong to its layer; bench/ at the top measures
# the desktop program. engine, records and session include no Qt and no spreadsheet library
# either. CMake checks the libraries' links the same way (quillon_links_only in CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")/.."

files=$(git ls-files '*.cpp' '*.hpp' 2>/dev/null ||
    find engine records session print ui cli app bench -name '*.cpp' -o -name '*.hpp')

# shellcheck disable=SC2086
awk '
BEGIN {
    allowed["engine"]  = "engine"
    allowed["records"] = "records engine"
    allowed["session"] = "session records engine"
    allowed["print"]   = "print session records engine"
    allowed["ui"]      = "ui print session records engine"
    allowed["cli"]     = "cli print session records engine"
    allowed["app"]     = "app ui print session records engine"
    allowed["bench"]   = "bench ui print session records engine"
    headless["engine"] = headless["records"] = headless["session"] = 1
    failed = 0
}
function shown(folders,    list, n, i, text) {
    n = split(folders, list, " ")
    text = list[1] "/"
    for (i = 2; i <= n; i++)
        text = text (i == n ? " and " : ", ") list[i] "/"
    return text
}
function fail(message) {
    printf "%s:%d: %s\n", FILENAME, FNR, message
    failed = 1
}
FNR == 1 {
    file = FILENAME
    sub(/^\.\//, "", file)
    layer = file
    sub(/\/.*/, "", layer)
    if (!(layer in allowed)) {
        fail("this folder is not one of the layers (add it to scripts/check_layers.sh)")
        nextfile
    }
}
/^[ \t]*#[ \t]*include[ \t]*"/ {
    target = $0
    sub(/^[^"]*"/, "", target)
    sub(/".*/, "", target)
    if (target !~ /\//)
        next                     # a file beside this one, such as the moc output of a test
    folder = target
    sub(/\/.*/, "", folder)
    if (target ~ /(^|\/)\.\.\//)
        fail("includes \"" target "\": name the folder from the top, not with ..")
    else if (!(folder in allowed))
        fail("includes \"" target "\" from outside the layers")
    else if ((" " allowed[layer] " ") !~ (" " folder " "))
        fail("includes \"" target "\": " layer "/ may include only from " shown(allowed[layer]) \
             " (engine -> records -> session -> print -> ui, cli -> app)")
}
/^[ \t]*#[ \t]*include[ \t]*</ && (layer in headless) {
    target = $0
    sub(/^[^<]*</, "", target)
    sub(/>.*/, "", target)
    if (target ~ /^(Q|qt)/ || target ~ /xlsxwriter/)
        fail("includes <" target ">: " layer "/ uses the standard library only")
}
END {
    if (failed) {
        print "check_layers: a layer includes from a layer above it (see above)" > "/dev/stderr"
        exit 1
    }
}' $files
