#!/usr/bin/python3 -B
"""The installer's tables read with msitools, then the installer run by Wine's msiexec in a
Wine prefix made new for the run, on a private X server: install, start, uninstall. The
layout tool, which gives the window's title, comes as TRIMWISE_PRINT_LAYOUT.
    msi_install.py <msi> <trimwise.exe> <WindowIcon.ico> <version> <wine-prefix> <artifact-dir>"""

import os
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
from driver import Layout, expect_exit, holds, script  # noqa: E402
from wine import WineProgram, quiet  # noqa: E402
from x11 import run  # noqa: E402

# Fixed when the first installer shipped, so that each release replaces the one before; the
# second form is the one Windows Installer files it under in the registry.
UPGRADE_CODE = "{8B6F195B-2A0B-4592-A1A8-F005420BD284}"
UPGRADE_KEY = "B591F6B8B0A229541A8A0F5024B02D48"
PUBLISHER = "The Trimwise developers"


def rows(msi, table):
    return [line.split("\t") for line in run("msiinfo", "export", msi, table).replace(
        "\r", "").splitlines()[3:]]


def expected_rows(version):
    """table, what the row says, and the test on its fields."""
    return [("Property", f"{name} = {value}", lambda r, n=name, v=value: r[:2] == [n, v])
            for name, value in (("ProductName", "Trimwise"), ("ProductVersion", version),
                                ("Manufacturer", PUBLISHER), ("UpgradeCode", UPGRADE_CODE),
                                ("ALLUSERS", "1"), ("ARPPRODUCTICON", "trimwise.ico"))] + [
        ("Shortcut", "Trimwise in ProgramMenuFolder with trimwise.ico",
         lambda r: r[1:3] == ["ProgramMenuFolder", "Trimwise"] and r[8] == "trimwise.ico"),
        # Older versions are found, not only detected (bit 2), and so removed.
        ("Upgrade", f"every earlier version of {UPGRADE_CODE} found and removed",
         lambda r: r[:3] == [UPGRADE_CODE, "", version] and int(r[4] or 0) // 2 % 2 == 0),
        ("InstallExecuteSequence", "RemoveExistingProducts",
         lambda r: r[0] == "RemoveExistingProducts")]


def names_in_registry(product_code):
    """How many of our names the registry holds, as Wine saves it when its server stops."""
    quiet("wineserver", "-k")
    quiet("wineserver", "-w")
    hives = [Path(os.environ["WINEPREFIX"], hive) for hive in ("system.reg", "user.reg")]
    holds(all(hive.is_file() and hive.stat().st_size for hive in hives), "Wine saved no registry")
    text = "".join(hive.read_text(errors="replace") for hive in hives).lower()
    quiet("wineserver", "-p")
    return sum(name.lower() in text for name in ("Trimwise", product_code.strip("{}"), UPGRADE_KEY))


def check(msi, program, icon, version, prefix, artifacts):
    holds(shutil.which("msiinfo") and shutil.which("msiextract"),
          "msiinfo and msiextract are missing (msitools)")
    holds(Path(msi).is_file() and Path(program).is_file(),
          f"{msi} or {program} is missing; build them with: make windows")
    artifacts = Path(artifacts).resolve()
    artifacts.mkdir(parents=True, exist_ok=True)
    checks = expected_rows(version)
    for table, what, test in checks:
        holds(any(map(test, rows(msi, table))), f"no {table} row: {what}")
    holds("Template: x64;1033" in run("msiinfo", "suminfo", msi).splitlines(),
          "the package is not for x64")
    holds(subprocess.run(["msiinfo", "extract", msi, "Icon.trimwise.ico"], capture_output=True,
                         check=True).stdout == Path(icon).read_bytes(),
          "the package's icon is not the program's")
    contents = run("msiextract", "-C", str(artifacts / "msi"), msi).strip()
    holds(contents == "Trimwise/trimwise.exe", f"the package holds: {contents}")
    holds((artifacts / "msi" / contents).read_bytes() == Path(program).read_bytes(),
          f"the packaged trimwise.exe is not {program}")
    print(f"ok: msiinfo: {len(checks)} rows as they should be, x64, icon; msiextract: "
          "trimwise.exe byte for byte", flush=True)

    shutil.rmtree(prefix, ignore_errors=True)
    trimwise = WineProgram(None, program, prefix)
    try:
        # Wine would copy the Start-menu shortcut into this machine's desktop menu.
        os.environ["WINEDLLOVERRIDES"] += ";winemenubuilder.exe=d"
        product_code = "".join(r[1] for r in rows(msi, "Property") if r[0] == "ProductCode")
        holds(product_code, "the package has no ProductCode")
        drive_c = Path(os.environ["WINEPREFIX"], "drive_c")
        installed = drive_c / "Program Files/Trimwise"

        def msiexec(action):
            log = run("winepath", "-w", str(artifacts)).strip() + f"\\msiexec-{action}.log"
            holds(not subprocess.run(["wine", "msiexec", f"/{action}",
                                      run("winepath", "-w", msi).strip(), "/qn", "/l*v", log],
                                     stdin=subprocess.DEVNULL).returncode,
                  f"msiexec /{action} failed (log: {artifacts}/msiexec-{action}.log)")

        msiexec("i")
        holds((installed / "trimwise.exe").is_file() and
              (installed / "trimwise.exe").read_bytes() == Path(program).read_bytes(),
              "Program Files\\Trimwise\\trimwise.exe is not the program")
        shortcuts = list(drive_c.glob("**/Start Menu/Programs/Trimwise.lnk"))
        holds(len(shortcuts) == 1, f"not one Start-menu shortcut Trimwise.lnk: {shortcuts}")
        query = subprocess.run(["wine", "reg", "query", "HKLM\\Software\\Microsoft\\Windows"
                                f"\\CurrentVersion\\Uninstall\\{product_code}"],
                               capture_output=True, text=True)
        holds(not query.returncode, f"Installed apps has no entry {product_code}")
        wanted = {f"    {name}    REG_SZ    {value}" for name, value in (
            ("DisplayName", "Trimwise"), ("DisplayVersion", version), ("Publisher", PUBLISHER))}
        holds(wanted <= set(query.stdout.replace("\r", "").splitlines()),
              f"Installed apps shows: {query.stdout}")
        holds(names_in_registry(product_code) == 3,
              "the registry lacks Trimwise, the product code or the upgrade key")
        print("ok: msiexec /i /qn: Program Files/Trimwise/trimwise.exe, "
              f"{shortcuts[0].relative_to(drive_c.parent)}, and Trimwise {version} by "
              f"{PUBLISHER} in Installed apps", flush=True)

        trimwise.program = "C:\\Program Files\\Trimwise\\trimwise.exe"
        trimwise.layout = Layout.printed(96)
        log = artifacts / "msi-installed-run.log"
        trimwise.start(log)
        trimwise.press("alt+F4")
        expect_exit(trimwise, "Alt+F4 on the installed program's window", log)

        msiexec("x")
        holds(not installed.exists() and not shortcuts[0].exists(),
              "Program Files\\Trimwise or the shortcut is still there")
        holds(names_in_registry(product_code) == 0,
              "the registry still names Trimwise, its product code or upgrade key")
        print("ok: msiexec /x /qn removed the program, its folder, the shortcut, and every "
              "registry key or value that names Trimwise, its product code or its upgrade code")
    finally:
        trimwise.close()


if __name__ == "__main__":
    script(check, __doc__, 6)
