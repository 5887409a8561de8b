"""The Windows installer: its tables as msitools reads them, then the package as Wine's msiexec
installs it, silently, into the prefix of scripts/windows/wine-session.sh. A package of a lower
version goes in first and the real one upgrades it in place; the files are the zip's, the
Start-menu shortcut starts the program, which passes the smoke test; the lower version is then
refused, a rebuild of the same version replaces it, and a silent uninstall leaves nothing
behind.

Environment: WINE and WINEPREFIX (from wine-session.sh), KINEMORA_MSI, KINEMORA_OLD_MSI (the
same files at a lower version), KINEMORA_REBUILT_MSI (the same version, another product code),
KINEMORA_ZIP (the zip they were made from).
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

WINE = os.environ.get("WINE", "")
PREFIX = os.environ.get("WINEPREFIX", "")
MSI = os.environ.get("KINEMORA_MSI", "")
OLD_MSI = os.environ.get("KINEMORA_OLD_MSI", "")
REBUILT_MSI = os.environ.get("KINEMORA_REBUILT_MSI", "")
ZIP = os.environ.get("KINEMORA_ZIP", "")
SMOKE_TEST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "smoke_test.py")
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
INSTALLED = r"C:\Program Files\Kinemora"
# Windows' own exit status for a failed installation; Wine hands on its low byte.
ERROR_INSTALL_FAILURE = 1603


def table(package: str, name: str) -> list[dict]:
    """The rows of one table of the package, as `msiinfo export` writes them."""
    # A table with a column of streams (Icon) has them written beside it into the folder it runs
    # in: a folder of its own, so that nothing lands in the source tree.
    with tempfile.TemporaryDirectory() as scratch:
        text = subprocess.run(["msiinfo", "export", os.path.abspath(package), name],
                              capture_output=True, text=True, check=True, cwd=scratch).stdout
    lines = [line.rstrip("\r") for line in text.split("\n") if line.strip()]
    columns = lines[0].split("\t")
    return [dict(zip(columns, line.split("\t"))) for line in lines[3:]]


def properties(package: str) -> dict:
    return {row["Property"]: row["Value"] for row in table(package, "Property")}


def long_name(name: str) -> str:
    return name.split("|")[-1]


def package_files(package: str) -> dict:
    """Each file the package installs, by its path under the install folder, with its size."""
    directories = {row["Directory"]: row for row in table(package, "Directory")}

    def path(directory: str) -> list[str]:
        if directory == "INSTALLDIR":
            return []
        row = directories[directory]
        name = long_name(row["DefaultDir"].split(":")[-1])
        return path(row["Directory_Parent"]) + ([] if name == "." else [name])

    components = {row["Component"]: row["Directory_"] for row in table(package, "Component")}
    return {"/".join(path(components[row["Component_"]]) + [long_name(row["FileName"])]):
            int(row["FileSize"]) for row in table(package, "File")}


def zip_files() -> dict:
    """The zip's files, by their path under its top folder, with their contents."""
    with zipfile.ZipFile(ZIP) as archive:
        return {info.filename.split("/", 1)[1]: archive.read(info)
                for info in archive.infolist() if not info.is_dir()}


def shortcut(path: str) -> dict:
    """The target, description, working folder and icon of a shell link (.lnk) file."""
    with open(path, "rb") as file:
        data = file.read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    has_id_list, has_link_info, unicode = flags & 0x1, flags & 0x2, flags & 0x80
    offset = 0x4C
    if has_id_list:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    link = {}
    if has_link_info:
        size, _, _, _, base_path = struct.unpack_from("<5I", data, offset)
        start = offset + base_path
        link["target"] = data[start:data.index(b"\0", start)].decode("latin-1")
        offset += size
    # The strings that follow, in this order, each there only if its flag is set.
    for flag, key in ((0x4, "description"), (0x8, "relative path"), (0x10, "working folder"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & flag:
            count = struct.unpack_from("<H", data, offset)[0]
            width = 2 if unicode else 1
            raw = data[offset + 2:offset + 2 + count * width]
            # Wine counts the closing NUL in, Windows does not.
            link[key] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
            offset += 2 + count * width
    return link


def unix_path(windows_path: str) -> str:
    return subprocess.run([WINE, "winepath", "-u", windows_path], capture_output=True,
                          text=True, check=True).stdout.strip()


def msiexec(*args: str) -> int:
    return subprocess.run([WINE, "msiexec", *args], timeout=600, check=False).returncode


def uninstall_entries() -> dict:
    """Kinemora's entries under Uninstall (what Apps lists), by key name, with their values."""
    text = subprocess.run([WINE, "reg", "query", UNINSTALL, "/s"], capture_output=True,
                          text=True, check=True).stdout
    entries, key = {}, None
    for line in text.splitlines():
        if line.startswith("HKEY_"):
            key = line.rsplit("\\", 1)[-1]
            entries[key] = {}
        elif key and line.startswith("    "):
            name, _, value = (line.strip().split(None, 2) + ["", ""])[:3]
            entries[key][name] = value
    return {key: values for key, values in entries.items()
            if values.get("DisplayName") == "Kinemora"}


@unittest.skipUnless(MSI and OLD_MSI and ZIP, "run through scripts/windows/test.sh")
class PackageTables(unittest.TestCase):
    def test_holds_the_zips_files_and_nothing_of_its_own_besides(self):
        self.assertEqual(package_files(MSI), {path: len(data) for path, data in zip_files().items()})
        self.assertEqual(package_files(OLD_MSI), package_files(MSI))
        # No registry values, services, start-up entries, file types or actions of its own.
        tables = subprocess.run(["msiinfo", "tables", MSI], capture_output=True, text=True,
                                check=True).stdout.split()
        for name in ("Registry", "ServiceInstall", "ServiceControl", "CustomAction", "Extension",
                     "ProgId", "Verb", "MIME", "Class", "TypeLib", "RemoveRegistry", "Environment"):
            if name in tables:
                self.assertEqual(table(MSI, name), [], name)

    def test_installs_for_all_users_with_its_icon_in_apps(self):
        own = properties(MSI)
        self.assertEqual(own["ProductName"], "Kinemora")
        self.assertRegex(os.path.basename(MSI), rf"^kinemora-{own['ProductVersion']}-windows-x64")
        self.assertEqual(own["ALLUSERS"], "1")
        self.assertTrue(own["Manufacturer"])
        self.assertIn("x64;", subprocess.run(["msiinfo", "suminfo", MSI], capture_output=True,
                                             text=True, check=True).stdout)
        directories = {row["Directory"]: row for row in table(MSI, "Directory")}
        self.assertEqual(directories["INSTALLDIR"]["Directory_Parent"], "ProgramFiles64Folder")
        self.assertEqual(long_name(directories["INSTALLDIR"]["DefaultDir"]), "Kinemora")

        icons = {row["Name"] for row in table(MSI, "Icon")}
        self.assertIn(own["ARPPRODUCTICON"], icons)
        icon = subprocess.run(["msiinfo", "extract", MSI, f"Icon.{own['ARPPRODUCTICON']}"],
                              capture_output=True, check=True).stdout
        self.assertEqual(icon[:4], b"\0\0\1\0", "an icon file")

        (link,) = table(MSI, "Shortcut")
        self.assertEqual(link["Directory_"], "ProgramMenuFolder")
        self.assertEqual(link["Target"], "[#kinemora.exe]", "a plain shortcut to the program")
        self.assertEqual(link["Icon_"], own["ARPPRODUCTICON"])
        self.assertTrue(link["Description"])
        (program,) = [row for row in table(MSI, "File") if row["File"] == "kinemora.exe"]
        keys = {row["Component"]: row["KeyPath"] for row in table(MSI, "Component")}
        self.assertEqual(keys[link["Component_"]], "kinemora.exe")
        self.assertEqual(program["Component_"], link["Component_"])

    def test_a_later_version_upgrades_and_an_earlier_one_is_refused(self):
        own, old = properties(MSI), properties(OLD_MSI)
        self.assertEqual(old["UpgradeCode"], own["UpgradeCode"])
        self.assertNotEqual(old["ProductCode"], own["ProductCode"])
        version = [int(part) for part in own["ProductVersion"].split(".")]
        self.assertLess([int(part) for part in old["ProductVersion"].split(".")], version)

        rows = {row["ActionProperty"]: row for row in table(MSI, "Upgrade")}
        replaced, later = rows["WIX_UPGRADE_DETECTED"], rows["WIX_DOWNGRADE_DETECTED"]
        for row in rows.values():
            self.assertEqual(row["UpgradeCode"], own["UpgradeCode"])
        # Up to this version, itself included (a rebuild), is removed; a later one only found.
        self.assertEqual((replaced["VersionMin"], replaced["VersionMax"]),
                         ("", own["ProductVersion"]))
        self.assertEqual(int(replaced["Attributes"]) & (0x2 | 0x200), 0x200)
        self.assertEqual((later["VersionMin"], later["VersionMax"]), (own["ProductVersion"], ""))
        self.assertEqual(int(later["Attributes"]) & (0x2 | 0x100), 0x2)
        (condition,) = table(MSI, "LaunchCondition")
        self.assertEqual(condition["Condition"], "NOT WIX_DOWNGRADE_DETECTED")
        self.assertIn("later version", condition["Description"])
        sequence = {row["Action"]: int(row["Sequence"])
                    for row in table(MSI, "InstallExecuteSequence")}
        self.assertLess(sequence["FindRelatedProducts"], sequence["LaunchConditions"])
        self.assertLess(sequence["RemoveExistingProducts"], sequence["InstallInitialize"])


@unittest.skipUnless(WINE and PREFIX and MSI and OLD_MSI and REBUILT_MSI and ZIP,
                     "run through scripts/windows/test.sh")
class InstalledUnderWine(unittest.TestCase):
    def test_installs_upgrades_starts_refuses_downgrade_and_uninstalls_silently(self):
        own, old, rebuilt = properties(MSI), properties(OLD_MSI), properties(REBUILT_MSI)
        self.assertEqual(msiexec("/i", OLD_MSI, "/qn"), 0)
        self.assertEqual(self.entry(old)["DisplayVersion"], old["ProductVersion"])

        self.assertEqual(msiexec("/i", MSI, "/qn"), 0)
        self.assertEqual(self.entry(own)["DisplayVersion"], own["ProductVersion"])
        self.check_files_in_place()
        program = self.check_shortcut()
        self.run_smoke_test(program)

        status = msiexec("/i", OLD_MSI, "/qn")
        self.assertEqual(status, ERROR_INSTALL_FAILURE & 0xFF, "the earlier version refused")
        self.entry(own)
        self.check_files_in_place()

        self.assertEqual(msiexec("/i", REBUILT_MSI, "/qn"), 0)
        self.assertEqual(self.entry(rebuilt)["DisplayVersion"], own["ProductVersion"])
        self.check_files_in_place()

        self.assertEqual(msiexec("/x", REBUILT_MSI, "/qn"), 0)
        self.assertEqual(uninstall_entries(), {})
        self.assertFalse(os.path.exists(unix_path(INSTALLED)), "Program Files\\Kinemora left")
        self.assertEqual(self.shortcuts(), [])

    def entry(self, package_properties: dict) -> dict:
        """The one entry under Uninstall, which must be this package's."""
        entries = uninstall_entries()
        self.assertEqual(list(entries), [package_properties["ProductCode"]])
        return entries[package_properties["ProductCode"]]

    def check_files_in_place(self):
        folder = unix_path(INSTALLED)
        installed = {}
        for parent, _, names in os.walk(folder):
            for name in names:
                with open(os.path.join(parent, name), "rb") as file:
                    installed[os.path.relpath(os.path.join(parent, name), folder)] = file.read()
        expected = zip_files()
        self.assertEqual(sorted(installed), sorted(expected))
        for path, data in expected.items():
            self.assertEqual(installed[path], data, path)

    def shortcuts(self) -> list[str]:
        # Under ALLUSERS Windows puts it in the Start menu of all users; Wine's installer still
        # takes the user's own Start menu for that folder.
        menus = [r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs",
                 os.path.join(subprocess.run([WINE, "cmd", "/c", "echo %APPDATA%"],
                                             capture_output=True, text=True,
                                             check=True).stdout.strip(),
                              r"Microsoft\Windows\Start Menu\Programs")]
        links = [os.path.join(unix_path(menu), "Kinemora.lnk") for menu in menus]
        return [link for link in links if os.path.exists(link)]

    def check_shortcut(self) -> str:
        (path,) = self.shortcuts()
        link = shortcut(path)
        self.assertEqual(link["target"], INSTALLED + r"\kinemora.exe")
        self.assertEqual(link["working folder"].rstrip("\\"), INSTALLED)
        (row,) = table(MSI, "Shortcut")
        self.assertEqual(link["description"], row["Description"])
        with open(unix_path(link["icon"]), "rb") as icon:
            self.assertEqual(icon.read(4), b"\0\0\1\0")
        return unix_path(link["target"])

    def run_smoke_test(self, program: str):
        environment = dict(os.environ, KINEMORA_EXE=program, KINEMORA_ZIP="",
                           KINEMORA_SCREENSHOT="")
        result = subprocess.run([sys.executable, "-u", SMOKE_TEST], env=environment,
                                timeout=900, check=False)
        self.assertEqual(result.returncode, 0, "the smoke test of the installed program")


if __name__ == "__main__":
    unittest.main(verbosity=2)
