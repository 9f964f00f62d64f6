#!/usr/bin/env python3
"""Runs clang-tidy (.clang-tidy, warnings as errors) over every source of the ordinary build.

  python3 scripts/tidy.py [build folder, default build/dev] [-j N] [--only REGEX]

Reads the build's compile_commands.json; the generated Qt files (moc, autogen) live in the build
folder and are not checked. A file that passed is remembered with everything its result depends
on: the clang-tidy program, .clang-tidy, the compile command, and the size and time of the
source and of every header the compiler read for it (ninja's record, so the build must have run
first). The next run checks only the files where one of these changed. Exits 1 when any file
has a finding, after printing the findings.
"""
import argparse
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import shutil
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
LAYERS = ("engine", "records", "session", "print", "ui", "cli", "app", "bench")


def dependencies(build):
    """{object file: [paths the compiler read]} from ninja's record of the last build."""
    text = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True,
                          check=True).stdout
    deps, current = {}, None
    for line in text.splitlines():
        if line and not line.startswith(" "):
            current = line.split(":", 1)[0] if line.endswith("(VALID)") else None
            if current:
                deps[current] = []
        elif current and line.strip():
            deps[current].append(line.strip())
    return deps


def stamp(paths):
    digest = hashlib.sha256()
    for path in paths:
        try:
            info = os.stat(path)
            digest.update(f"{path}\0{info.st_size}\0{info.st_mtime_ns}\n".encode())
        except OSError:
            digest.update(f"{path}\0missing\n".encode())
    return digest.hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build", "dev"))
    parser.add_argument("-j", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--only", help="check only the sources whose path matches")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    tidy = shutil.which("clang-tidy")
    if not tidy:
        sys.exit("clang-tidy is not installed (scripts/setup.sh installs it)")
    version = subprocess.run([tidy, "--version"], capture_output=True, text=True).stdout
    with open(os.path.join(ROOT, ".clang-tidy"), encoding="utf-8") as f:
        config = f.read()

    ours = re.compile("^" + re.escape(ROOT) + "/(" + "|".join(LAYERS) + ")/")
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = [e for e in json.load(f) if ours.match(e["file"])]
    if args.only:
        entries = [e for e in entries if re.search(args.only, e["file"])]
    deps = dependencies(build)
    passed_folder = os.path.join(build, "tidy-passed")
    os.makedirs(passed_folder, exist_ok=True)

    # One check per source file; a file built into two targets counts once with its first
    # command.
    jobs, seen = [], set()
    for entry in entries:
        if entry["file"] in seen:
            continue
        seen.add(entry["file"])
        words = shlex.split(entry["command"])
        output = words[words.index("-o") + 1] if "-o" in words else None
        read = deps.get(output) if output else None
        key = None
        if read:
            key = hashlib.sha256("\0".join(
                [version, config, entry["command"], stamp([entry["file"]] + read)]).encode()
            ).hexdigest()
            if os.path.exists(os.path.join(passed_folder, key)):
                continue
        jobs.append((entry["file"], key))

    def check(job):
        source, key = job
        result = subprocess.run([tidy, "-p", build, "--quiet", source], capture_output=True,
                                text=True)
        if result.returncode == 0 and key:
            open(os.path.join(passed_folder, key), "w").close()
        return source, result

    print(f"clang-tidy: {len(jobs)} of {len(seen)} files to check", flush=True)
    failed = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.j)) as pool:
        for source, result in pool.map(check, jobs):
            if result.returncode != 0:
                failed.append(os.path.relpath(source, ROOT))
                sys.stdout.write(result.stdout)
                # clang-tidy's count of suppressed warnings is noise; its errors are not.
                for line in result.stderr.splitlines():
                    if not re.match(r"^\d+ (warnings?|errors?) generated\.$", line) and \
                            "Suppressed" not in line and "Use -header-filter" not in line and \
                            "Use -system-headers" not in line:
                        print(line)
    if failed:
        print("clang-tidy: findings in " + ", ".join(failed), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
