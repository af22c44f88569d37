#!/usr/bin/env python3
"""Plants each fault of mutants.txt in a copy of the tree and runs the suite on it: a fault is
killed when some test fails, survives when all pass. Not run by CI (make mutants). As root it
starts itself again as nobody, on a copy nobody owns: a planted fault in the whole-file writer's
device branch could replace a device file.

    run-mutants.py [--work DIR] [--only N[,N...]] [--tests REGEX: a quick look, not a verdict]
"""
import argparse, os, pathlib, shutil, subprocess, sys, tempfile

TOP = pathlib.Path(__file__).resolve().parents[2]
SKIP = "tst_package|fuzz_|clang_format|validate_"  # slow, or not about behaviour


def mutants(path):
    """(file, old, new) of each block: a file, "- " a piece of a line, "+ " what it becomes."""
    lines = (l if l.strip() else "" for l in path.read_text().splitlines() if not l.startswith("#"))
    blocks = (b.strip("\n").split("\n") for b in "\n".join(lines).split("\n\n") if b.strip())
    return [(file, old[2:], new[2:]) for file, old, new in blocks]


def run(args, cwd):
    return subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main():
    parser = argparse.ArgumentParser()
    for option in ("--work", "--only", "--tests"):
        parser.add_argument(option)
    opts = parser.parse_args()
    work = pathlib.Path(opts.work or tempfile.mkdtemp(prefix="ondulix-mutants-"))
    src, build = work / "src", work / "build"
    if not src.exists():
        for f in filter(None, subprocess.run(["git", "ls-files", "-z"], cwd=TOP, check=True,
                                             capture_output=True).stdout.decode().split("\0")):
            (src / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(TOP / f, src / f)
    if os.geteuid() == 0:
        subprocess.run(["chown", "-R", "65534:65534", str(work)], check=True)
        os.execvpe("setpriv", ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                               sys.executable, str(src / "tests/mutation/run-mutants.py")]
                   + sys.argv[1:] + ["--work", str(work)], dict(os.environ, HOME=str(work)))
    os.environ["HOME"] = str(work)
    if run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DONDULIX_BENCHMARKS=OFF", "-DONDULIX_WERROR=OFF"], work) or run(["ninja"], build):
        sys.exit("the unchanged tree does not build")
    # A second try for a test that failed: a fault fails every time, a slow machine once.
    ctest = ["ctest", "-j2", "--timeout", "180", "--repeat", "until-pass:2", "-E", SKIP] + (
        ["-R", opts.tests] if opts.tests else [])
    if run(ctest, build):
        sys.exit("the suite fails on the unchanged tree")
    only = {int(n) for n in opts.only.split(",")} if opts.only else None
    counts = {"killed": 0, "SURVIVED": 0, "no build": 0}
    for number, (file, old, new) in enumerate(mutants(src / "tests/mutation/mutants.txt"), 1):
        if only and number not in only:
            continue
        path = src / file
        text = path.read_text() if path.exists() else ""
        if text.count(old) != 1:
            print(f"{number:3} gone     {file}: {old.strip()}")
            continue
        path.write_text(text.replace(old, new))
        try:  # one failing test is enough
            verdict = ("no build" if run(["ninja"], build) else
                       "killed" if run(ctest + ["--stop-on-failure"], build) else "SURVIVED")
        finally:
            path.write_text(text)
        counts[verdict] += 1
        print(f"{number:3} {verdict:8} {file}: {old.strip()}", flush=True)
    run(["ninja"], build)
    print("killed {killed}, survived {SURVIVED}, did not build {no build}".format(**counts))


if __name__ == "__main__":
    main()
