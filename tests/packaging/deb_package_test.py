#!/usr/bin/python3
"""The Debian package: built with `cpack -G DEB` from the build folder, its
contents listed with dpkg-deb, its control fields read, and zelvan-cli run
from a tree unpacked with `dpkg -x` (no installation on the machine)."""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = sys.argv.pop(1)
SOURCE = os.environ["ZELVAN_SOURCE_DIR"]


def run(*args, **kw):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=600, **kw)


class DebPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        r = run("cpack", "-G", "DEB", "-B", cls.tmp, "--config", os.path.join(BUILD, "CPackConfig.cmake"), cwd=BUILD)
        cls.cpack = r
        with open(os.path.join(SOURCE, "CMakeLists.txt")) as f:
            cls.version = re.search(r"project\(Zelvan VERSION ([0-9.]+)", f.read()).group(1)
        cls.deb = os.path.join(cls.tmp, "zelvan_%s_amd64.deb" % cls.version)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def setUp(self):
        self.assertEqual(self.cpack.returncode, 0, self.cpack.stdout + self.cpack.stderr)
        self.assertTrue(os.path.exists(self.deb), os.listdir(self.tmp))

    def test_contents(self):
        listing = run("dpkg-deb", "--contents", self.deb)
        self.assertEqual(listing.returncode, 0, listing.stderr)
        paths = [line.split()[5].lstrip(".") for line in listing.stdout.splitlines()]
        joined = "\n".join(paths)
        program = [p for p in paths if p.endswith("/zelvan/zelvan")]
        self.assertEqual(len(program), 1, joined)
        programDir = program[0][: -len("zelvan")]
        for name in ("zelvan", "zelvan-cli", "libCadIO.so"):
            self.assertIn(programDir + name, paths)
        # The installation data beside the program (every file of data/).
        for data in glob.glob(os.path.join(SOURCE, "data", "**", "*"), recursive=True):
            rel = os.path.relpath(data, os.path.join(SOURCE, "data"))
            if os.path.isfile(data) and not rel.startswith("CMakeLists"):
                self.assertIn(programDir + rel, paths)
        self.assertTrue(any(p.endswith("/share/applications/zelvan.desktop") for p in paths), joined)
        self.assertTrue(any(p.endswith("/share/icons/hicolor/256x256/apps/zelvan.png") for p in paths), joined)
        self.assertTrue(any(p.endswith("/bin/zelvan-cli") for p in paths), joined)
        # The .pcp MIME type, when the source describes one.
        if glob.glob(os.path.join(SOURCE, "packaging", "*.xml")):
            self.assertTrue(any("/share/mime/packages/" in p for p in paths), joined)

    def test_control_fields(self):
        info = run("dpkg-deb", "--field", self.deb, "Package", "Version", "Architecture", "Depends")
        self.assertEqual(info.returncode, 0, info.stderr)
        fields = dict(line.split(": ", 1) for line in info.stdout.splitlines())
        self.assertEqual(fields["Package"], "zelvan")
        self.assertEqual(fields["Version"], self.version)
        self.assertEqual(fields["Architecture"], "amd64")
        for dependency in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-qpa-plugins", "fonts-wqy-zenhei"):
            self.assertIn(dependency, fields["Depends"])

    def test_cli_runs_from_the_unpacked_tree(self):
        root = os.path.join(self.tmp, "root")
        r = run("dpkg", "-x", self.deb, root)
        self.assertEqual(r.returncode, 0, r.stderr)
        cli = [p for p in glob.glob(os.path.join(root, "**", "zelvan", "zelvan-cli"), recursive=True)]
        self.assertEqual(len(cli), 1)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        r = run(cli[0], "to-json", os.path.join(SOURCE, "samples", "vertical-storage-tank.pcp"), env=env)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn('"company"', r.stdout)
        self.assertIn("立式储罐", r.stdout)
        # The unpacked CadIO library draws the layout (loaded from the program directory).
        out = os.path.join(self.tmp, "out")
        os.makedirs(out)
        json_path = os.path.join(self.tmp, "v.json")
        with open(json_path, "w", encoding="utf-8") as f:
            f.write(r.stdout.replace('"2": ""', '"2": "%s/"' % out, 1))
        pcp = os.path.join(self.tmp, "v.pcp")
        self.assertEqual(run(cli[0], "from-json", json_path, pcp, env=env).returncode, 0)
        r = run(cli[0], "layout", pcp, env=env)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertTrue(r.stdout.strip().endswith("-排版图.dxf"), r.stdout)


if __name__ == "__main__":
    unittest.main()
