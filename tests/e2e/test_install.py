"""The installed program: `cmake --install` into a fresh prefix lays out a desktop application
that passes the desktop validators, and the program started through the link on the PATH finds
its data beside its real file, or says in one line that it needs a display. The Debian package
(`cpack -G DEB` in the build folder) holds the same layout under /usr, with the libraries the
program needs as its dependencies, and lintian finds nothing in it.
"""

import os
import re
import shutil
import struct
import subprocess
import tempfile
import unittest

from harness import Program, near, wait_for

BUILD_DIR = os.environ.get("KINEMORA_BUILD_DIR", "")
DESKTOP_ID = "org.kinemora.Kinemora"
DATA_FILES = ["code.txt"] + [f"face {n}.bmp" for n in range(8)]
ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
BLUE = (0, 0, 255)
FLASHER_FACE = (20, 36)  # painted blue by Form_Load once code.txt is read


def made_from_the_build(prefix: str, command) -> str:
    """A fresh directory that command(directory) fills from the build folder."""
    if not BUILD_DIR:
        raise unittest.SkipTest("KINEMORA_BUILD_DIR is not set")
    directory = tempfile.mkdtemp(prefix=prefix)
    subprocess.run(command(directory), check=True, stdout=subprocess.DEVNULL)
    return directory


def png_size(path: str):
    with open(path, "rb") as file:
        header = file.read(24)
    assert header[:8] == b"\x89PNG\r\n\x1a\n", path
    return struct.unpack(">II", header[16:24])


class Installed(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.prefix = made_from_the_build(
            "kinemora-prefix-", lambda prefix: ["cmake", "--install", BUILD_DIR, "--prefix", prefix])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.prefix, True)

    def path(self, *parts) -> str:
        return os.path.join(self.prefix, *parts)

    def test_program_and_data_share_a_private_folder_linked_from_bin(self):
        self.assertEqual(os.listdir(self.path("bin")), ["kinemora"])
        self.assertEqual(os.readlink(self.path("bin", "kinemora")), "../lib/kinemora/kinemora")
        self.assertEqual(sorted(os.listdir(self.path("lib", "kinemora"))),
                         sorted(["kinemora"] + DATA_FILES))
        self.assertTrue(os.access(self.path("lib", "kinemora", "kinemora"), os.X_OK))
        for name in ["copyright", "changelog.gz"]:
            self.assertTrue(os.path.isfile(self.path("share", "doc", "kinemora", name)), name)
        self.assertTrue(os.path.isfile(self.path("share", "man", "man1", "kinemora.1.gz")))

    def test_desktop_entry_metainfo_and_icons_pass_the_validators(self):
        entry = self.path("share", "applications", f"{DESKTOP_ID}.desktop")
        result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
        with open(entry, encoding="utf-8") as file:
            lines = file.read().splitlines()
        for line in ["Name=Kinemora", "Exec=kinemora", f"Icon={DESKTOP_ID}"]:
            self.assertIn(line, lines)

        metainfo = self.path("share", "metainfo", f"{DESKTOP_ID}.metainfo.xml")
        result = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

        icons = self.path("share", "icons", "hicolor")
        for size in ICON_SIZES:
            icon = os.path.join(icons, f"{size}x{size}", "apps", f"{DESKTOP_ID}.png")
            self.assertEqual(png_size(icon), (size, size))
        with open(os.path.join(icons, "scalable", "apps", f"{DESKTOP_ID}.svg"), "rb") as file:
            self.assertIn(b"<svg", file.read())

    def test_started_through_the_link_it_finds_its_data(self):
        program = Program(program_dir=self.path("bin"))
        self.addCleanup(program.stop)
        program.main_window()
        wait_for(lambda: near(program.colour_now(*FLASHER_FACE), BLUE), 10, "a blue flasher")
        self.assertEqual(program.errors().count("run-time error"), 0, program.errors())

    def test_without_a_display_it_says_so_in_one_line_and_fails(self):
        env = {name: value for name, value in os.environ.items()
               if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        result = subprocess.run([self.path("bin", "kinemora")], env=env, capture_output=True,
                                text=True, timeout=30)
        self.assertNotEqual(result.returncode, 0)
        lines = result.stderr.splitlines()
        self.assertEqual(len(lines), 1, result.stderr)
        self.assertIn("needs a graphical display", lines[0])

        # A platform that draws nowhere needs no display: the program starts and keeps running.
        env["QT_QPA_PLATFORM"] = "offscreen"
        env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="kinemora-xdg-")
        self.addCleanup(shutil.rmtree, env["XDG_RUNTIME_DIR"], True)
        offscreen = subprocess.Popen([self.path("bin", "kinemora")], env=env,
                                     stderr=subprocess.PIPE, text=True)
        with self.assertRaises(subprocess.TimeoutExpired):
            offscreen.wait(timeout=3)
        offscreen.kill()
        self.assertNotIn("display", offscreen.communicate()[1])



class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        config = os.path.join(BUILD_DIR, "CPackConfig.cmake")
        cls.out = made_from_the_build(
            "kinemora-deb-", lambda out: ["cpack", "-G", "DEB", "-B", out, "--config", config])
        debs = [name for name in os.listdir(cls.out) if name.endswith(".deb")]
        assert len(debs) == 1, debs
        cls.deb = os.path.join(cls.out, debs[0])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out, True)

    def contents(self) -> dict:
        """Each path in the package, without the leading '.', with its link target or None."""
        listing = subprocess.run(["dpkg-deb", "-c", self.deb], capture_output=True, text=True,
                                 check=True).stdout
        entries = {}
        for line in listing.splitlines():
            path = re.split(r"\s+", line, maxsplit=5)[5]
            target = None
            if " -> " in path:
                path, target = path.split(" -> ")
            entries[path.lstrip(".").rstrip("/")] = target
        return entries

    def field(self, name: str) -> str:
        return subprocess.run(["dpkg-deb", "-f", self.deb, name], capture_output=True,
                              text=True, check=True).stdout.strip()

    def test_layout_under_usr(self):
        entries = self.contents()
        self.assertEqual(entries["/usr/bin/kinemora"], "../lib/kinemora/kinemora")
        self.assertEqual([p for p in entries if p.startswith("/usr/bin/")], ["/usr/bin/kinemora"])
        program_dir = sorted(p for p in entries if p.startswith("/usr/lib/kinemora/"))
        self.assertEqual(program_dir,
                         sorted(f"/usr/lib/kinemora/{name}" for name in ["kinemora"] + DATA_FILES))
        for path in [f"/usr/share/applications/{DESKTOP_ID}.desktop",
                     f"/usr/share/metainfo/{DESKTOP_ID}.metainfo.xml",
                     f"/usr/share/icons/hicolor/256x256/apps/{DESKTOP_ID}.png",
                     f"/usr/share/icons/hicolor/16x16/apps/{DESKTOP_ID}.png",
                     f"/usr/share/icons/hicolor/scalable/apps/{DESKTOP_ID}.svg",
                     "/usr/share/man/man1/kinemora.1.gz",
                     "/usr/share/doc/kinemora/copyright",
                     "/usr/share/doc/kinemora/changelog.gz"]:
            self.assertIn(path, entries)

    def test_lintian_finds_nothing_even_pedantic(self):
        # Tags the package's own overrides explain (data beside the program, no e-mail
        # address) are not shown.
        result = subprocess.run(["lintian", "--pedantic", "--display-info", self.deb],
                                capture_output=True, text=True, timeout=300)
        self.assertEqual((result.returncode, result.stdout), (0, ""))

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "kinemora")
        depends = self.field("Depends")
        for library in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6"]:
            self.assertIn(library, depends)


if __name__ == "__main__":
    unittest.main()
