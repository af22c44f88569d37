#!/usr/bin/python3
"""orca_e2e.py ONDULIX: the program under the real Orca, keyboard only, on a private X server, bus and
home (speech to libao's null driver), each utterance read from Orca's log. Exits 77 where Orca cannot run."""
import os, re, shutil, subprocess, sys, tempfile, time

NEEDS = ["orca", "Xvfb", "openbox", "xdotool", "dbus-run-session", "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"]
# Orca writes its log block-buffered: this opens it a line at a time.
WRAPPER = """import builtins, runpy, sys; real, sys.argv[0] = builtins.open, 'orca'
builtins.open = lambda f, m='r', *a, **k: real(f, m, 1) if f == sys.argv[-1] else real(f, m, *a, **k)
runpy.run_path('/usr/bin/orca', run_name='__main__')"""
DAY = r"(Minggu|Senin|Selasa|Rabu|Kamis|Jumat|Sabtu) \d+ [A-Z][a-z]+"
MONTH = r"(January|February|March|April|May|June|July|August|September|October|November|December)"
top = tempfile.mkdtemp(prefix="ondulix-orca-")
home, log = os.path.join(top, "home"), os.path.join(top, "orca.log")
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_RUNTIME_DIR=top + "/run",
           QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
procs, read = [], 0


def start(*args):  # a process of the run, ended by its PID
    return procs.append(subprocess.Popen(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)) or procs[-1]


def said():  # the utterances since the last call
    global read
    with open(log, errors="replace") as f:
        f.seek(read)
        text, read = f.read(), f.tell()
    return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established", text)


def hear(words):
    heard, end = [], time.monotonic() + 60
    while not any(words in h for h in heard) and time.monotonic() < end:
        time.sleep(0.2)
        heard += said() if os.path.exists(log) else []
    assert any(words in h for h in heard), f"never heard {words!r}; heard {heard}"


def step(keys, *patterns, wait=1.5):
    """Presses each key, a chord slowly (Orca answers each key event before the program acts on it),
    then finds each pattern in one utterance, or across them as "one | two"."""
    said()
    for k in keys.split():
        *mods, key = k.split("+")
        for args in [["keydown", m] for m in mods] + [["key", key]] + [["keyup", m] for m in mods]:
            subprocess.run(["xdotool", *args], env=env, check=True)
            time.sleep(0.3)
        time.sleep(wait)
    heard = said()
    for p in patterns:
        assert any(re.search(p, u) for u in heard + [" | ".join(heard)]), f"expected {p!r}; heard {heard}"
    return heard


def to_language_menu(menu):
    """Opens `menu` and goes right along the menu bar to the language menu (Orca says each
    menu's first item)."""
    heard = step(menu)
    for _ in range(8):
        heard += step("Right", wait=0.6)
        if any(u.startswith("Seperti aslinya") for u in heard[-4:]):  # its first item
            return
    raise AssertionError(f"the language menu was not reached; heard {heard}")


def session(binary):
    os.makedirs(home + "/.config/speech-dispatcher"), os.makedirs(top + "/run", mode=0o700)
    for name, text in [(".libao", "default_driver=null"), (".config/speech-dispatcher/speechd.conf",
                        'AudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                        "DefaultModule espeak-ng")]:
        open(os.path.join(home, name), "w").write(text + "\n")
    for _ in range(3):  # two servers starting at once may reach for one number: the loser exits
        display = start("Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset")
        if display := display.stdout.readline().decode().strip():
            break
    env["DISPLAY"] = ":" + display
    start("openbox")
    start("/usr/bin/python3", "-c", WRAPPER, "-u", top + "/prefs", "--debug-file", log)
    hear("Screen reader on")
    program = start(binary)
    hear("Lihat teman")
    step("Tab", "combo box", "Daftar teman")
    step("Tab", MONTH + " combo box", "Set tanggal: bulan")
    step("Down Up", "^" + MONTH + r"\.$")  # a closed picker's new month
    step("alt+Down Up Return", "^" + MONTH + r"\.$", MONTH + " combo box")  # its open list, then the pick
    step("Tab Tab", "Set tanggal: hari", "Set tanggal: tahun")
    step("alt+l", "Ketik Nama text")
    step("shift+Tab shift+Tab shift+Tab", "Tanggal lahir: tahun", "Tanggal lahir: hari", "Tanggal lahir: bulan")
    step("Tab Tab Tab b u d i Tab", r"Data push button\. \| Simpan tanggal lahir Budi")
    step("space", "notification Budi ditambahkan", wait=2.5)
    step("alt+l", "Ketik Nama text")  # straight after adding
    step("alt+v Tab z", "Lihat teman", "notification Tidak ada nama berisi")
    step("h", r"^\(Hari Ulang Tahun saya\), lahir 1 Januari 1960")  # found by typing
    step("b", r"^Budi, lahir 1 Januari 1960")
    step("ctrl+k", "Kecocokan dialog", "Siapa paling cocok", wait=2.5)  # Budi's chart, ranked
    step("Return", "notification Dibandingkan dengan Anda", wait=2.5)
    step("Escape alt+d t", "notification Tanpa pembanding", wait=2.5)
    step("Tab", r"Remove +push button\. \| Hapus Budi")
    step("space", r'Remove \? "Budi"', "Cancel push button", wait=2.5)
    step("Return", "Remove +push button", wait=2.5)  # the default removes no one
    step("Tab " * 14, r"Grafik Budi, lahir \d+ \w+ \d{4}: 60 hari", "List with 60 items", wait=0.8)
    step("Right", "^" + DAY + r": Fisik (minus )?\d+ (naik|turun), Emosi")
    step("Tab", "^Hari gambar bulan: " + DAY + r" \d{4}\. Bulan: [a-z ]+ slider")
    step("Right", "^" + DAY + r" \d{4}\. Bulan: ")
    with open(home + "/k.vcf", "w") as f:
        f.write("BEGIN:VCARD\r\nFN:Ani\r\nBDAY:1990-01-01\r\nEND:VCARD\r\n")
    step("alt+k", "Ulang Tahun Berikutnya")
    step("i", "File name")
    subprocess.run(["xdotool", "type", home + "/k.vcf"], env=env, check=True)
    step("Return", r"^Ani, dipilih\.", wait=2.5)  # the current row as it opens, with its tick
    step("space", "notification Ani, tidak dipilih")
    step("space Tab Return", "1 teman diimpor", wait=2.5)
    step("alt+k", "Ulang Tahun Berikutnya")  # the menu open before its letter
    step("u", r"^(Anda|Ani|Budi)\.$", wait=2.5)  # the birthdays list's first row as it opens
    step("Escape", "Ondulix frame")
    # English from the last menu, then Indonesian: each window speaks it
    to_language_menu("alt+k")
    step("Up Return", wait=2.5)
    step("ctrl+k", "Agreement dialog", "Who agrees best", wait=2.5)
    step("Escape ctrl+h", "Critical Days dialog", r"critical days from \w+ \d+, \d{4}", wait=2.5)
    step("Escape")
    to_language_menu("alt+n")  # "Co&ntacts"
    step("Down Return", "Bahasa Indonesia", wait=2.5)
    step("ctrl+h", "Hari Kritis dialog", r"hari kritis dari \d+ \w+ \d{4}", wait=2.5)
    step("Escape", "Ondulix frame")
    program.terminate()  # closing saves
    program.wait(20)
    with open(home + "/.config/Ondulix.ini", encoding="latin-1") as f:
        kept = f.read()
    assert "Name001=Ani\nBday001=1-Jan-1990\nName002=Budi" in kept, "the friends were not kept"
    assert "\nLanguage=id\n" in kept, f"the language was not kept: {kept[-200:]!r}"
    print("Orca said what each key did")


if __name__ == "__main__":
    if gone := [n for n in NEEDS if not shutil.which(n) and not os.path.exists(n)]:
        sys.exit(print("skipped, missing:", *gone, "(apt-get install orca openbox speech-dispatcher-espeak-ng)") or 77)
    if "ONDULIX_ORCA_BUS" not in os.environ:  # a session bus of its own
        os.environ["ONDULIX_ORCA_BUS"] = "1"
        sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv]))
    try:
        session(sys.argv[1])
    finally:  # each process by its PID; the bus ends with dbus-run-session
        for p in reversed(procs):
            p.terminate()
        time.sleep(2)
        for p in procs:
            p.poll() is None and p.kill()
        shutil.rmtree(top, ignore_errors=True)
