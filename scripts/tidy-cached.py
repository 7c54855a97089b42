#!/usr/bin/env python3
"""Runs clang-tidy over sources, skipping each whose clean verdict is already known.

A verdict is known when clang-tidy found nothing in a source while everything it reads was what it
is now: the key of a source hashes clang-tidy's version, the checks (.clang-tidy), the source's
compile command and the source as the preprocessor gives it, comments kept, so every header it
includes, NOLINT comments among them, is in the key. Only clean verdicts are kept: a source with a
finding is checked again every time, and its findings are printed every time. The tree's own path
is taken out of what is hashed, so a clone in another folder finds the same keys.

    tidy-cached.py --build TREE --cache FOLDER --jobs N SOURCE...

Exits 1 when clang-tidy finds anything in any source, 2 when it cannot be run on one.
"""
import argparse
import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys

# Clean verdicts kept at the most; the ones least recently used go first.
KEPT_VERDICTS = 4000


def compile_commands(tree):
    with open(os.path.join(tree, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    return {e["file"]: e for e in entries}


def arguments(entry):
    return entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])


def preprocess_arguments(args):
    """The compile command turned into one that writes the preprocessed source, comments kept."""
    out = []
    skip = False
    for a in args:
        if skip:
            skip = False
        elif a == "-o":
            skip = True
        elif a != "-c" and not a.startswith("-o"):
            out.append(a)
    return out + ["-E", "-C", "-o", "-"]


class Checker:
    def __init__(self, tree, cache, root):
        self.tree = tree
        self.cache = cache
        self.root = root.encode()
        self.commands = compile_commands(tree)
        version = subprocess.run(["clang-tidy", "--version"], capture_output=True, check=True).stdout
        with open(os.path.join(root, ".clang-tidy"), "rb") as f:
            self.common = hashlib.sha256(version + b"\0" + f.read()).digest()

    def key(self, source, entry):
        args = arguments(entry)
        pre = subprocess.run(preprocess_arguments(args), cwd=entry["directory"], capture_output=True)
        if pre.returncode != 0:
            return None  # clang-tidy will say why
        h = hashlib.sha256(self.common)
        h.update(json.dumps(args).encode().replace(self.root, b"@"))
        h.update(pre.stdout.replace(self.root, b"@"))
        return h.hexdigest()

    def check(self, source):
        """Returns (status, what clang-tidy printed, whether the verdict came from the cache)."""
        entry = self.commands.get(source)
        if entry is None:
            return 2, f"style: {source} has no compile command\n", False
        key = self.key(source, entry)
        known = key and os.path.join(self.cache, key)
        if known and os.path.exists(known):
            os.utime(known)
            return 0, "", True
        run = subprocess.run(["clang-tidy", "-p", self.tree, "-quiet", source], capture_output=True, text=True)
        if run.returncode != 0:
            return 1, run.stdout + run.stderr, False
        if known:
            open(known, "w", encoding="utf-8").close()
        return 0, run.stdout, False  # its standard error only counts the warnings it suppressed


def forget_oldest(cache):
    verdicts = [os.path.join(cache, n) for n in os.listdir(cache)]
    if len(verdicts) <= KEPT_VERDICTS:
        return
    verdicts.sort(key=os.path.getmtime)
    for old in verdicts[: len(verdicts) - KEPT_VERDICTS]:
        os.remove(old)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--cache", required=True)
    parser.add_argument("--jobs", type=int, default=os.cpu_count())
    parser.add_argument("sources", nargs="+")
    options = parser.parse_args()
    os.makedirs(options.cache, exist_ok=True)
    checker = Checker(options.build, options.cache, os.getcwd())
    status, known = 0, 0
    with concurrent.futures.ThreadPoolExecutor(options.jobs) as pool:
        for result, printed, cached in pool.map(checker.check, options.sources):
            sys.stdout.write(printed)
            status = max(status, result)
            known += cached
    forget_oldest(options.cache)
    print(f"style: clang-tidy read {len(options.sources) - known} sources; {known} unchanged since a clean check",
          file=sys.stderr)
    return status


if __name__ == "__main__":
    sys.exit(main())
