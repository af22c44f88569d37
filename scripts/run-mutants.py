#!/usr/bin/env python3
"""Plants faults in a copy of the tree and runs the suite on each: a fault is killed when some
test fails (or the suite overruns its time), survives when all pass. Not run by CI (make mutants).

The faults are either the hand-written regression list (mutants.txt, the default), a list kept
from an earlier run (--list), or a sample drawn with a fixed seed from every .cpp under src/
(--sample N --seed S): each line of code is equally likely, so a file gets faults in proportion
to its lines; on the line drawn one site is taken at random from the operators below. The drawn
list is written to the work folder in the mutants.txt form, so a run can be repeated on it.

The fast tests run first; the end-to-end ones only for a fault that survives them. As root it
starts itself again as nobody, on a copy nobody owns: a planted fault in the whole-file writer's
device branch could replace a device file.

    run-mutants.py [--work DIR] [--only N[,N...]] [--tests REGEX: a quick look, not a verdict]
                   [--list FILE | --sample N --seed S]
"""
import argparse, os, pathlib, random, re, shutil, signal, subprocess, sys, tempfile

TOP = pathlib.Path(__file__).resolve().parents[1]
SKIP = "tst_package|fuzz_|clang_format|validate_"  # slow, or not about behaviour
SLOW = "e2e"  # the real programs under a display: only for what the fast tests let through
FAST_LIMIT, SLOW_LIMIT = 240, 900  # seconds a fault may take before it counts as hanging

SWAPS = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ",
         " != ": " == ", " && ": " || ", " || ": " && ", " + ": " - ", " - ": " + ",
         " * ": " / ", " / ": " * ", "true": "false", "false": "true"}
SITE = re.compile(r" (?:<=|>=|==|!=|&&|\|\||[<>+\-*/]) |\b(?:true|false)\b|(?<![\w.])\d+(?![\w.])"
                  r"|(?<=[(\s])!(?!=)")
CALL = re.compile(r"^(\s*)(?!return\b|delete\b|throw\b|co_\w+\b)[\w:]+(?:(?:\.|->)[\w:]+)*\(.*\);$")
DECLARATION = re.compile(r"^\s*[\w:<>,]+[\s*&]+\w+\(")


def mutants(path):
    """(file, old, new) of each block: a file, "- " lines of it (found exactly once together), "+ "
    what they become."""
    lines = (l if l.strip() else "" for l in path.read_text().splitlines() if not l.startswith("#"))
    faults = []
    for block in "\n".join(lines).split("\n\n"):
        rows = block.strip("\n").split("\n")
        if rows[0]:
            pick = lambda mark: "\n".join(r[2:] for r in rows[1:] if r.startswith(mark))
            faults.append((rows[0], pick("- "), pick("+ ")))
    return faults


def code_only(lines):
    """Each line with string and character literals and comments blanked, positions kept."""
    out, in_comment = [], False
    for line in lines:
        chars, i = list(line), 0
        while i < len(line):
            if in_comment:
                end = line.find("*/", i)
                stop = len(line) if end < 0 else end + 2
                chars[i:stop] = " " * (stop - i)
                in_comment, i = end < 0, stop
            elif line.startswith("//", i) or line.lstrip().startswith("#"):
                chars[i:] = " " * (len(line) - i)
                break
            elif line.startswith("/*", i):
                in_comment = True
            elif line[i] in "\"'":
                j = i + 1
                while j < len(line) and line[j] != line[i]:
                    j += 2 if line[j] == "\\" else 1
                chars[i:j + 1] = " " * (min(j + 1, len(line)) - i)
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


def sites(line, code):
    """The faults one line can take: (what it becomes, a short name)."""
    found = []
    for m in SITE.finditer(code):
        word, a, b = m.group(), m.start(), m.end()
        if word.isdigit():
            n = int(word)
            changed = [str(n + 1)] + ([str(n - 1)] if n > 0 else [])
            found += [(line[:a] + c + line[b:], f"{word} -> {c}") for c in changed]
        elif word == "!":
            found.append((line[:a] + line[b:], "! dropped"))
        else:
            found.append((line[:a] + SWAPS[word] + line[b:], f"{word.strip()} -> {SWAPS[word].strip()}"))
    for m in re.finditer(r" ([+-]) 1(?![\w.])", code):  # an off-by-one step taken out
        found.append((line[:m.start()] + line[m.end():], f"{m.group(1)} 1 dropped"))
    call = CALL.match(code.rstrip())
    if call and " = " not in code and not DECLARATION.match(code) and code.count("(") == code.count(")"):
        found.append((call.group(1) + ";", "call dropped"))
    return found


def draw(count, seed):
    """count faults drawn from the sources with a fixed seed, as (file, old, new, name)."""
    rng = random.Random(seed)
    files = sorted(p.relative_to(TOP).as_posix() for p in (TOP / "src").rglob("*.cpp"))
    pool = []
    for f in files:
        lines = (TOP / f).read_text().split("\n")
        pool += [(f, lines, code, n) for n, code in enumerate(code_only(lines)) if code.strip()]
    taken, faults = set(), []
    while len(faults) < count:
        f, lines, code, n = rng.choice(pool)
        choices = sites(lines[n], code)
        if not choices:
            continue
        new, name = rng.choice(choices)
        text = "\n".join(lines)
        first = n  # widen the key upwards until it is found once in the file
        while text.count("\n".join(lines[first:n + 1])) > 1 and first > 0:
            first -= 1
        old = "\n".join(lines[first:n + 1])
        if (f, old, name) in taken or text.count(old) != 1:
            continue
        taken.add((f, old, name))
        faults.append((f, old, "\n".join(lines[first:n] + [new]), name))
    return faults


def write_list(path, faults, seed):
    blocks = [f"# Drawn with seed {seed} from the tree at {describe()}."]
    for f, old, new, name in faults:
        blocks.append(f"# {name}\n{f}\n" + "\n".join("- " + l for l in old.split("\n")) + "\n"
                      + "\n".join("+ " + l for l in new.split("\n")))
    path.write_text("\n\n".join(blocks) + "\n")


def describe():
    return subprocess.run(["git", "describe", "--always", "--dirty"], cwd=TOP, capture_output=True,
                          text=True).stdout.strip()


def run(args, cwd, limit=None):
    try:
        return subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=limit).returncode
    except subprocess.TimeoutExpired:
        return "hang"


def main():
    parser = argparse.ArgumentParser()
    for option in ("--work", "--only", "--tests", "--list", "--sample", "--seed"):
        parser.add_argument(option)
    # Only the end-to-end pass, for faults another run's fast pass let through (--only): the two
    # can run side by side in two work folders.
    parser.add_argument("--slow-only", action="store_true")
    opts = parser.parse_args()
    work = pathlib.Path(opts.work or tempfile.mkdtemp(prefix="ondulix-mutants-"))
    src, build = work / "src", work / "build"
    if opts.sample and not (work / "sample.txt").exists():
        work.mkdir(parents=True, exist_ok=True)
        write_list(work / "sample.txt", draw(int(opts.sample), int(opts.seed or 1)), opts.seed or 1)
    if not src.exists():
        for f in filter(None, subprocess.run(["git", "ls-files", "-z"], cwd=TOP, check=True,
                                             capture_output=True).stdout.decode().split("\0")):
            (src / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(TOP / f, src / f)
    listed = work / "sample.txt" if opts.sample else pathlib.Path(opts.list or TOP / "tests/mutation/mutants.txt")
    if not (work / "faults.txt").exists():
        shutil.copy(listed, work / "faults.txt")
    if os.geteuid() == 0:
        subprocess.run(["chown", "-R", "65534:65534", str(work)], check=True)
        os.execvpe("setpriv", ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                               sys.executable, str(src / "scripts/run-mutants.py")]
                   + [a for a in sys.argv[1:]] + ["--work", str(work)], dict(os.environ, HOME=str(work)))
    os.environ["HOME"] = str(work)
    # Stopped with a fault planted, the copy would keep it for every later run: put it back first.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    # Unoptimised, and linked by lld where there is one: a fault costs one compile and the links.
    if run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=None",
            "-DCMAKE_CXX_FLAGS=-O0 -g0",
            "-DCMAKE_EXE_LINKER_FLAGS=" + ("-fuse-ld=lld" if shutil.which("ld.lld") else ""),
            "-DONDULIX_BENCHMARKS=OFF", "-DONDULIX_WERROR=OFF"], work) or run(["ninja"], build):
        sys.exit("the unchanged tree does not build")
    # A second try for a test that failed: a fault fails every time, a slow machine once.
    ctest = ["ctest", "-j2", "--timeout", "180", "--repeat", "until-pass:2", "--stop-on-failure"]
    names = subprocess.run(["ctest", "-N"], cwd=build, capture_output=True, text=True).stdout
    targets = subprocess.run(["ninja", "-t", "targets", "all"], cwd=build, capture_output=True,
                             text=True).stdout.split()
    fast = [n for n in re.findall(r"Test +#\d+: (\w+)", names)
            if n + ":" in targets and not re.search(f"{SKIP}|{SLOW}", n)]
    # (what to build, the tests, their time limit): the fast pass builds only what it runs.
    stages = [(["ninja", "ondulix", "ondulix-chart"] + fast, ctest + ["-E", f"{SKIP}|{SLOW}"], FAST_LIMIT),
              (["ninja"], ctest + ["-E", SKIP, "-R", SLOW], SLOW_LIMIT)]
    if opts.tests:
        stages = [(["ninja"], ctest + ["-E", SKIP, "-R", opts.tests], SLOW_LIMIT)]
    elif opts.slow_only:
        stages = stages[1:]
    if any(run(tests, build) for _, tests, _ in stages):
        sys.exit("the suite fails on the unchanged tree")
    only = {int(n) for n in opts.only.split(",")} if opts.only else None
    faults = [(n, f) for n, f in enumerate(mutants(work / "faults.txt"), 1) if not only or n in only]
    # Verdicts so far, by pass: a run stopped goes on where it was.
    done = work / "verdicts.txt"
    verdicts = [dict(), dict()]
    for row in done.read_text().splitlines() if done.exists() else []:
        stage, number, verdict = row.split(" ", 2)
        verdicts[int(stage)][int(number)] = verdict
    # Every fault through the fast tests, then what lived through the slow ones: the survivors of
    # the first pass are known early.
    for index, (make, stage, limit) in enumerate(stages):
        for number, (file, old, new) in faults:
            earlier = verdicts[index - 1].get(number) if index else "SURVIVED"
            if earlier != "SURVIVED" or number in verdicts[index]:
                continue
            path = src / file
            text = path.read_text() if path.exists() else ""
            if text.count(old) != 1:
                verdicts[index][number] = "gone"
                print(f"{number:3} gone     {file}: {old.strip()}")
                continue
            line = text[:text.index(old) + len(old)].count("\n") + 1
            path.write_text(text.replace(old, new))
            try:  # one failing test is enough
                verdict = ("no build" if run(make, build) else
                           "killed" if run(stage, build, limit) else "SURVIVED")
            finally:
                path.write_text(text)
            verdicts[index][number] = verdict
            with done.open("a") as f:
                f.write(f"{index} {number} {verdict}\n")
            shown = old.split("\n")[-1].strip()
            print(f"{number:3} {verdict:8} {file}:{line}: {shown}  ->  {new.split(chr(10))[-1].strip()}",
                  flush=True)
        if index + 1 < len(stages):
            print("-- the fast tests done; the slow ones for what lived", flush=True)
    run(["ninja"], build)
    final = {n: verdicts[len(stages) - 1].get(n, v) for n, v in verdicts[0].items()}
    counts = {v: list(final.values()).count(v) for v in ("killed", "SURVIVED", "no build")}
    print("killed {killed}, survived {SURVIVED}, did not build {no build}".format(**counts))
    built = counts["killed"] + counts["SURVIVED"]
    if built:
        print(f"{100 * counts['killed'] / built:.1f} % of the built faults killed")
    survivors = [n for n, v in sorted(final.items()) if v == "SURVIVED"]
    print("survivors: " + (", ".join(map(str, survivors)) if survivors else "none"))


if __name__ == "__main__":
    main()
