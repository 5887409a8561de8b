"""The Debian package: `cpack -G DEB` in the build folder makes one .deb holding the installed
layout under /usr, with the libraries the program needs as its dependencies.
"""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

BUILD_DIR = os.environ.get("KINEMORA_BUILD_DIR", "")
DESKTOP_ID = "org.kinemora.Kinemora"


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not BUILD_DIR:
            raise unittest.SkipTest("KINEMORA_BUILD_DIR is not set")
        cls.out = tempfile.mkdtemp(prefix="kinemora-deb-")
        subprocess.run(["cpack", "-G", "DEB", "-B", cls.out, "--config",
                        os.path.join(BUILD_DIR, "CPackConfig.cmake")],
                       check=True, stdout=subprocess.DEVNULL)
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
        self.assertEqual(program_dir, sorted(
            f"/usr/lib/kinemora/{name}"
            for name in ["kinemora", "code.txt"] + [f"face {n}.bmp" for n in range(8)]))
        for path in [f"/usr/share/applications/{DESKTOP_ID}.desktop",
                     f"/usr/share/metainfo/{DESKTOP_ID}.metainfo.xml",
                     f"/usr/share/icons/hicolor/256x256/apps/{DESKTOP_ID}.png",
                     f"/usr/share/icons/hicolor/16x16/apps/{DESKTOP_ID}.png",
                     f"/usr/share/icons/hicolor/scalable/apps/{DESKTOP_ID}.svg",
                     "/usr/share/man/man1/kinemora.1.gz",
                     "/usr/share/doc/kinemora/copyright",
                     "/usr/share/doc/kinemora/LICENSE"]:
            self.assertIn(path, entries)

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), "kinemora")
        depends = self.field("Depends")
        for library in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libc6"]:
            self.assertIn(library, depends)


if __name__ == "__main__":
    unittest.main()
