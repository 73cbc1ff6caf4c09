#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs clang-tidy over the files named, JOBS at a time, with the compile
commands in COMMANDS (a folder holding compile_commands.json), and prints
each file's output in the order given. Exits 1 when clang-tidy failed on any
file.

With a CACHE folder, each file's result (its output and whether it failed) is
kept there under a hash of everything clang-tidy reads for it: the file as
clang preprocesses it (every header it includes), its command, the checks in
.clang-tidy and the tool's version. A file whose hash is there is not checked
again: its result is given as it was. The paths of the checkout are written
as one placeholder in the hash and the kept output, so that another checkout
of the same code finds them too.

  tidy-files.py COMMANDS JOBS CACHE|"" FILE...
"""
import concurrent.futures
import hashlib
import json
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

PLACEHOLDER = "@CHECKOUT@"
# The clang-tidy to run (scripts/check-tidy.sh picks it).
TIDY = os.environ.get("VELMORA_CLANG_TIDY", "clang-tidy")


def compile_args(commands_dir):
    """Each file's compile command, as a list of arguments, by its path."""
    with open(os.path.join(commands_dir, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    return {e["file"]: shlex.split(e["command"]) for e in entries}


def preprocess_args(args):
    """The compile command made into clang's preprocessing of the same file
    to standard output: the compiler (and any launcher before it) replaced,
    the object and dependency outputs left out."""
    first_option = next(i for i, a in enumerate(args) if a.startswith("-"))
    out = ["clang++"]
    skip = False
    for a in args[first_option:]:
        if skip:
            skip = False
            continue
        if a in ("-o", "-MT", "-MF", "-MQ"):
            skip = True
            continue
        if a in ("-c", "-MD", "-MMD"):
            continue
        out.append(a)
    return out + ["-E", "-o", "-"]


def result_key(top, path, args, fixed):
    """The hash of what clang-tidy reads for one file, or None where clang
    cannot preprocess it (then the file is checked, never cached)."""
    run = subprocess.run(preprocess_args(args), capture_output=True, check=False)
    if run.returncode != 0:
        return None
    digest = hashlib.sha256(fixed)
    for part in (path, " ".join(args)):
        digest.update(part.replace(top, PLACEHOLDER).encode() + b"\0")
    digest.update(run.stdout.replace(top.encode(), PLACEHOLDER.encode()))
    return digest.hexdigest()


def check(top, commands_dir, cache, fixed, args_of, name):
    """One file's (failed, output, whether it came from the cache)."""
    path = os.path.join(top, name)
    key = result_key(top, path, args_of[path], fixed) if cache and path in args_of else None
    kept = os.path.join(cache, key) if key else None
    if kept and os.path.exists(kept):
        with open(kept, encoding="utf-8") as f:
            status, output = f.read().split("\n", 1)
        return status == "1", output.replace(PLACEHOLDER, top), True
    run = subprocess.run([TIDY, "-p", commands_dir, "--quiet", path], capture_output=True,
                         text=True, check=False)
    failed = run.returncode != 0
    output = run.stdout + run.stderr
    if kept:
        # Written whole under another name first: a run stopped half-way
        # leaves no half result behind.
        fd, part = tempfile.mkstemp(dir=cache)
        with os.fdopen(fd, "w", encoding="utf-8") as f:
            f.write(("1" if failed else "0") + "\n" + output.replace(top, PLACEHOLDER))
        os.replace(part, kept)
    return failed, output, False


def main():
    commands_dir, jobs, cache, names = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    top = os.getcwd()
    # The hash needs clang's preprocessor; without it every file is checked.
    if cache and shutil.which("clang++") is None:
        cache = ""
    if cache:
        os.makedirs(cache, exist_ok=True)
    version = subprocess.run([TIDY, "--version"], capture_output=True, check=True).stdout
    with open(os.path.join(top, ".clang-tidy"), "rb") as f:
        fixed = version + b"\0" + f.read() + b"\0"
    args_of = compile_args(commands_dir)
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        results = list(pool.map(lambda n: check(top, commands_dir, cache, fixed, args_of, n), names))
    for _, output, _ in results:
        sys.stdout.write(output)
    if cache:
        kept = sum(1 for _, _, from_cache in results if from_cache)
        print(f"tidy: {kept} of {len(names)} files unchanged since they were checked ({cache})", file=sys.stderr)
    return 1 if any(failed for failed, _, _ in results) else 0


if __name__ == "__main__":
    sys.exit(main())
