#!/usr/bin/env python3
"""Tries the files of build/dist under Wine as a player would: the zip
unpacked into a folder with a blank and an umlaut in its path, the game
started there; a broken and a missing word list beside it; the installer and
the uninstaller run silently, the installed game started through its
shortcut, an update. Runs in a Wine environment of its own (build/wine-release)."""
import os
import re
import shutil
import struct
import subprocess
import sys
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DIST = os.path.join(ROOT, "build", "dist")
VERSION = "1.2"
ZIP = os.path.join(DIST, f"anagrilla-{VERSION}-win64.zip")
SETUP = os.path.join(DIST, f"anagrilla-{VERSION}-setup.exe")
PROBE = os.path.join(ROOT, "build", "windows", "tests", "release", "release_probe.exe")
WINENV = os.path.join(ROOT, "scripts", "winenv.sh")

SHIPPED = ["LICENSE.txt", "README.txt", "Wortliste-Copyright.txt", "Wortliste-GPL-2.txt",
           "anagrilla.dat", "anagrilla.exe"]
INSTALL_DIR = r"C:\Program Files\Anagrilla"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Anagrilla"
SETTINGS_KEY = r"HKLM\Software\Anagrilla"
LIST_FAILED = "message: Wortlistendatei konnte nicht geöffnet werden."
NO_WORDS = "message: Es stehen keine Ratebegriffe zur Verfügung."

env = dict(os.environ, ANAGRILLA_WINENV="wine-release", WINEARCH="win64", WINEDEBUG="-all",
           WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
passed = failed = 0


def check(name, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok    {name}", flush=True)
    else:
        failed += 1
        print(f"FAIL  {name}\n      {detail}", flush=True)


def wine(*args, cwd=None, timeout=60):
    done = subprocess.run(["wine", *args], cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=timeout)
    return done.returncode, done.stdout.decode("cp1252", "replace").replace("\r\n", "\n")


def unix_path(windows_path):
    return wine("winepath", "-u", windows_path)[1].strip()


def registry_values(key):
    """The values of key as {name: text}, or None without the key."""
    code, out = wine("reg", "query", key)
    if code != 0:
        return None
    values = {}
    for line in out.splitlines():
        found = re.match(r"\s+(\S.*?)\s{4}REG_\w+\s{4}(.*)$", line)
        if found:
            values[found.group(1)] = found.group(2)
    return values


def play(folder, program="anagrilla.exe"):
    """Starts the game in folder, lets the probe play it; (probe lines, game's exit code)."""
    game = subprocess.Popen(["wine", program], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        _, out = wine(PROBE, "game", timeout=90)
        return out.splitlines(), game.wait(timeout=20)
    finally:
        if game.poll() is None:
            game.kill()


def read_shortcut(path):
    """Target and working folder of a .lnk file (the shell link format)."""
    data = open(path, "rb").read()
    flags = struct.unpack_from("<I", data, 20)[0]
    unicode = flags & 0x80
    at = 76
    if flags & 0x01:  # an item id list
        at += 2 + struct.unpack_from("<H", data, at)[0]
    target = None
    if flags & 0x02:  # link info with the local path
        size, header, info_flags, _, base, _, suffix = struct.unpack_from("<7I", data, at)
        if info_flags & 1:
            end = data.index(b"\0", at + base)
            target = data[at + base:end].decode("cp1252")
            tail = data[at + suffix:data.index(b"\0", at + suffix)].decode("cp1252")
            target += tail
        at += size
    strings = []
    for bit in (0x04, 0x08, 0x10, 0x20, 0x40):  # name, relative path, working folder, arguments, icon
        if flags & bit:
            count = struct.unpack_from("<H", data, at)[0]
            width = 2 if unicode else 1
            raw = data[at + 2:at + 2 + count * width]
            # Wine counts the closing zero too.
            strings.append((bit, raw.decode("utf-16-le" if unicode else "cp1252").rstrip("\0")))
            at += 2 + count * width
    working = dict(strings).get(0x10)
    return target, working


def test_zip(prefix):
    with zipfile.ZipFile(ZIP) as archive:
        names = archive.namelist()
        check("the zip holds one folder Anagrilla/ with the shipped files",
              names == ["Anagrilla/"] + [f"Anagrilla/{n}" for n in SHIPPED], names)
        texts = [n for n in SHIPPED if n.endswith(".txt")]
        bare_lf = [n for n in texts if re.search(rb"(?<!\r)\n", archive.read(f"Anagrilla/{n}"))]
        check("its text files end their lines with CRLF", not bare_lf, bare_lf)
        built = os.path.join(ROOT, "build", "windows", "bin")
        same = all(archive.read(f"Anagrilla/{n}") == open(os.path.join(built, n), "rb").read()
                   for n in ("anagrilla.exe", "anagrilla.dat"))
        check("its program and word list are the built ones", same)

        parent = os.path.join(prefix, "drive_c", "Spiele für alle")
        archive.extractall(parent)
    folder = os.path.join(parent, "Anagrilla")

    _, out = wine(PROBE, "version", os.path.join(folder, "anagrilla.exe"))
    expected = ["Translation=040704b0", "CompanyName=Die Anagrilla-Entwickler",
                "FileDescription=Anagrilla – das Teilanagramm-Spiel", "FileVersion=1.2.0.0",
                "LegalCopyright=© 2026 Die Anagrilla-Entwickler", "ProductName=Anagrilla",
                "ProductVersion=1.2.0.0"]
    check("the program's version resource reads as Explorer shows it", out.splitlines() == expected,
          out.splitlines())

    lines, code = play(folder)
    check("unpacked to 'C:\\Spiele für alle\\Anagrilla', the game loads its list and plays a round",
          lines == ["window enabled", "status: Spiel läuft...", "closed"] and code == 0, (lines, code))

    data = os.path.join(folder, "anagrilla.dat")
    with open(data, "r+b") as f:
        f.truncate(4096)
    for case in ("broken", "missing"):
        lines, code = play(folder)
        shown = [l for l in lines if not l.startswith("status:")]
        check(f"with a {case} anagrilla.dat the game says so, plays on with no list and ends normally",
              shown == [LIST_FAILED, "window enabled", NO_WORDS, "closed"] and code == 0, (lines, code))
        if case == "broken":
            os.remove(data)


def wait_uninstalled(folder):
    # The uninstaller copies itself away and returns at once: wait for its work.
    for _ in range(300):
        if not os.path.exists(folder) and registry_values(UNINSTALL_KEY) is None:
            return
        time.sleep(0.1)


def test_update():
    elsewhere = r"C:\Spiele\Anagrilla"
    wine(SETUP, "/S", "/D=" + elsewhere, timeout=120)
    wine(SETUP, "/S", timeout=120)
    folder = unix_path(elsewhere)
    check("an update goes into the folder of the last installation",
          os.path.exists(os.path.join(folder, "anagrilla.exe"))
          and not os.path.exists(unix_path(INSTALL_DIR)), os.listdir(os.path.dirname(folder)))
    wine(elsewhere + r"\uninstall.exe", "/S")
    wait_uninstalled(folder)


def test_installer(prefix):
    code, _ = wine(SETUP, "/S", timeout=120)
    folder = unix_path(INSTALL_DIR)
    present = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    check("the silent install puts the files and the uninstaller into the program folder",
          code == 0 and present == sorted(SHIPPED + ["uninstall.exe"]), (code, present))

    start_menu = os.path.join(prefix, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                              "Programs", "Anagrilla.lnk")
    desktop = os.path.join(prefix, "drive_c", "users", "Public", "Desktop", "Anagrilla.lnk")
    shortcuts = {}
    for name, path in (("Start-menu", start_menu), ("desktop", desktop)):
        shortcut = read_shortcut(path) if os.path.exists(path) else None
        shortcuts[name] = shortcut
        check(f"the {name} shortcut starts the game in the program folder",
              shortcut == (INSTALL_DIR + r"\anagrilla.exe", INSTALL_DIR), shortcut)

    entry = registry_values(UNINSTALL_KEY) or {}
    wanted = {"DisplayName": "Anagrilla", "DisplayVersion": VERSION, "Publisher": "Die Anagrilla-Entwickler",
              "DisplayIcon": INSTALL_DIR + r"\anagrilla.exe,0",
              "UninstallString": f'"{INSTALL_DIR}\\uninstall.exe"',
              "QuietUninstallString": f'"{INSTALL_DIR}\\uninstall.exe" /S',
              "InstallLocation": INSTALL_DIR}
    size = int(entry.get("EstimatedSize", "0"), 0)
    on_disk = sum(os.path.getsize(os.path.join(folder, n)) for n in present) // 1024
    check("the uninstall entry names the game, its version, publisher, icon, size and uninstaller",
          all(entry.get(k) == v for k, v in wanted.items()) and abs(size - on_disk) <= 8,
          (entry, on_disk))

    target, working = shortcuts["Start-menu"] or (None, None)
    lines, code = play(unix_path(working), target) if working and present else (["no game"], None)
    check("started through the shortcut, the installed game loads its list and plays a round",
          lines == ["window enabled", "status: Spiel läuft...", "closed"] and code == 0, (lines, code))

    # A setting of the player's, to outlive the uninstaller.
    wine("reg", "add", SETTINGS_KEY + r"\Game", "/v", "WordLimit", "/t", "REG_DWORD", "/d", "7", "/f")
    wine(INSTALL_DIR + r"\uninstall.exe", "/S")
    wait_uninstalled(folder)
    left = [p for p in (folder, start_menu, desktop) if os.path.exists(p)]
    check("the silent uninstall removes the files, the folder and both shortcuts", not left, left)
    check("and the uninstall entry", registry_values(UNINSTALL_KEY) is None)
    kept = registry_values(SETTINGS_KEY + r"\Game") or {}
    check("and keeps the player's settings", kept.get("WordLimit") == "0x7", kept)


def clean(prefix):
    """Leaves the prefix without any trace of an earlier run."""
    for key in (UNINSTALL_KEY, SETTINGS_KEY):
        wine("reg", "delete", key, "/f")
    drive = os.path.join(prefix, "drive_c")
    for path in ("Program Files/Anagrilla", "Spiele für alle", "Spiele",
                 "ProgramData/Microsoft/Windows/Start Menu/Programs/Anagrilla.lnk",
                 "users/Public/Desktop/Anagrilla.lnk"):
        path = os.path.join(drive, path)
        if os.path.isdir(path):
            shutil.rmtree(path)
        elif os.path.exists(path):
            os.remove(path)


def main():
    missing = [f for f in (ZIP, SETUP, PROBE) if not os.path.exists(f)]
    if missing:
        print("missing (run scripts/dist.sh and build release_probe):", *missing)
        return 1
    subprocess.run([WINENV, "start"], env=env, check=True)
    try:
        settings = subprocess.run([WINENV, "env"], env=env, check=True, capture_output=True, text=True)
        env.update(line.split("=", 1) for line in settings.stdout.splitlines())
        prefix = env["WINEPREFIX"]
        clean(prefix)
        test_zip(prefix)
        test_update()
        test_installer(prefix)
        clean(prefix)
    finally:
        subprocess.run([WINENV, "stop"], env=env)
    print(f"release: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
