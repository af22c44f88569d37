#!/usr/bin/env python3
"""Plants each fault of mutants.txt in a copy of the tree and runs the suite on
it: a fault is killed when some test fails, survives when all pass. Not run by
CI (make mutants). Never runs as root: a planted fault in the whole-file
writer's device branch could replace a device file; as root it starts itself
again as nobody, on a copy of the tree that nobody owns.

    run-mutants.py [--work DIR] [--only N[,N...]] [--tests REGEX]

--tests runs only the matching tests: a quick look at one area, not a verdict.
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

TOP = pathlib.Path(__file__).resolve().parents[2]
SKIP = "tst_package|fuzz_settings|clang_format|validate_"  # slow, or not about behaviour


def mutants(path):
    blocks, block = [], []
    for line in list(path.read_text().splitlines()) + [""]:
        if line.startswith("#"):
            continue
        if line.strip():
            block.append(line)
        elif block:
            file, old, new = block
            blocks.append((file, old[2:], new[2:]))
            block = []
    return blocks


def run(args, cwd, **kw):
    return subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          **kw).returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work")
    parser.add_argument("--only")
    parser.add_argument("--tests")
    opts = parser.parse_args()
    work = pathlib.Path(opts.work or tempfile.mkdtemp(prefix="ondulix-mutants-"))
    src, build = work / "src", work / "build"
    if not src.exists():
        files = subprocess.run(["git", "ls-files", "-z"], cwd=TOP, check=True,
                               capture_output=True).stdout.decode().split("\0")
        for f in filter(None, files):
            (src / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(TOP / f, src / f)
    if os.geteuid() == 0:
        subprocess.run(["chown", "-R", "65534:65534", str(work)], check=True)
        env = dict(os.environ, HOME=str(work))
        os.execvpe("setpriv", ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                               sys.executable, str(src / "tests/mutation/run-mutants.py"),
                               "--work", str(work)] + (["--only", opts.only] if opts.only else [])
                   + (["--tests", opts.tests] if opts.tests else []),
                   env)
    os.environ["HOME"] = str(work)
    if run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DONDULIX_BENCHMARKS=OFF", "-DONDULIX_WERROR=OFF"], work) or run(["ninja"], build):
        sys.exit("the unchanged tree does not build")
    # A second try for a test that failed: a fault fails every time, a slow machine once.
    ctest = ["ctest", "-j2", "--timeout", "180", "--repeat", "until-pass:2", "-E", SKIP]
    if opts.tests:
        ctest += ["-R", opts.tests]
    ctest_mutant = ctest + ["--stop-on-failure"]  # one failing test is enough
    if run(ctest, build):
        sys.exit("the suite fails on the unchanged tree")
    chosen = mutants(src / "tests/mutation/mutants.txt")
    only = {int(n) for n in opts.only.split(",")} if opts.only else None
    killed = survived = broken = 0
    for number, (file, old, new) in enumerate(chosen, 1):
        if only and number not in only:
            continue
        path = src / file
        text = path.read_text() if path.exists() else ""
        if text.count(old) != 1:
            print(f"{number:3} gone     {file}: {old.strip()}")
            continue
        path.write_text(text.replace(old, new))
        try:
            if run(["ninja"], build):
                broken += 1
                verdict = "no build"
            elif run(ctest_mutant, build):
                killed += 1
                verdict = "killed"
            else:
                survived += 1
                verdict = "SURVIVED"
        finally:
            path.write_text(text)
        print(f"{number:3} {verdict:8} {file}: {old.strip()}", flush=True)
    run(["ninja"], build)
    print(f"killed {killed}, survived {survived}, did not build {broken}")


if __name__ == "__main__":
    main()
