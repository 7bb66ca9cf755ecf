#!/usr/bin/python3
"""PDF and PNG of the layout drawing written by `zelvan-cli layout --pdf --png`,
read with poppler (pdfinfo, pdftotext, pdffonts, pdfimages) and the PNG header.

The two sample projects are rewritten through the JSON form with a project
directory in a temporary folder. With ZELVAN_KEEP_PICTURES=DIR set, the
pictures are also copied into DIR to be looked at.
"""
import json
import os
import shutil
import struct
import subprocess
import tempfile
import unittest

BIN = os.environ["ZELVAN_BIN_DIR"]
SOURCE = os.environ["ZELVAN_SOURCE_DIR"]
CLI = os.path.join(BIN, "zelvan-cli")
A3 = (841.89, 1190.55)  # points, portrait


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=120)


class LayoutPictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def sample(self, name):
        with open(os.path.join(SOURCE, "samples", name + ".json"), encoding="utf-8") as f:
            project = json.load(f)
        directory = os.path.join(self.tmp, name) + os.sep
        os.makedirs(directory, exist_ok=True)
        project["fields"]["2"] = directory
        path = os.path.join(self.tmp, name + ".json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(project, f, ensure_ascii=False)
        # The drawing goes beside the project file, wherever field 2 points.
        pcp = os.path.join(directory, name + ".pcp")
        r = run(CLI, "from-json", path, pcp)
        self.assertEqual(r.returncode, 0, r.stderr)
        return project, pcp, directory

    def check(self, name, landscape):
        project, pcp, directory = self.sample(name)
        pdf = os.path.join(self.tmp, name + "-out.pdf")
        png = os.path.join(self.tmp, name + "-out.png")
        r = run(CLI, "layout", pcp, "--prepared-date", "2026-12-01", "--review-date", "2026-12-02",
                "--pdf", pdf, "--png", png)
        self.assertEqual(r.returncode, 0, r.stderr)
        stem = project["fields"]["3"] + "-" + project["fields"]["10"] + "-排版图"
        self.assertEqual(r.stdout.split("\n")[:3], [directory + stem + ".dxf", pdf, png])
        if os.environ.get("ZELVAN_KEEP_PICTURES"):
            for p in (pdf, png):
                shutil.copy(p, os.environ["ZELVAN_KEEP_PICTURES"])

        # One A3 page, landscape for the wide horizontal drawing.
        info = run("pdfinfo", pdf)
        self.assertEqual(info.returncode, 0, info.stderr)
        fields = dict(line.split(":", 1) for line in info.stdout.splitlines() if ":" in line)
        self.assertEqual(fields["Pages"].strip(), "1")
        w, h = (float(v) for v in fields["Page size"].split("pts")[0].split("x"))
        expected = (A3[1], A3[0]) if landscape else A3
        self.assertAlmostEqual(w, expected[0], delta=1.0)
        self.assertAlmostEqual(h, expected[1], delta=1.0)

        # The title block's texts are text in the PDF, in an embedded font.
        text = run("pdftotext", "-layout", pdf, "-").stdout
        for t in ("容器主体", "工程名称", "产品名称", "材质", "规格", "编制", "审核", "2026-12-01", "2026-12-02",
                  project["fields"]["3"], project["fields"]["10"], project["fields"]["11"], "说明", "B1", "A1"):
            self.assertIn(t, text)
        fonts = run("pdffonts", pdf).stdout.splitlines()[2:]
        self.assertTrue(fonts)
        for line in fonts:
            self.assertIn(" yes ", line, line)  # embedded
        # Vector: no picture inside.
        images = run("pdfimages", "-list", pdf).stdout.splitlines()
        self.assertEqual(len(images), 2, images)

        # The PNG: a real PNG, wider than high exactly when the PDF is landscape.
        with open(png, "rb") as f:
            head = f.read(24)
        self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n")
        pw, ph = struct.unpack(">II", head[16:24])
        self.assertGreater(pw * ph, 1000 * 1000)
        self.assertEqual(pw > ph, landscape)
        return directory, stem, pcp

    def test_vertical_sample_is_portrait(self):
        self.check("vertical-storage-tank", landscape=False)

    def test_horizontal_sample_is_landscape(self):
        self.check("horizontal-storage-tank", landscape=True)

    def test_refused_drawing_writes_no_picture(self):
        # Without plates the drawing is refused: once, and no picture either.
        project, pcp, directory = self.sample("vertical-storage-tank")
        project["tables"]["plates"] = {"count": "0", "rows": []}
        path = os.path.join(self.tmp, "noplates.json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(project, f, ensure_ascii=False)
        r = run(CLI, "from-json", path, pcp)
        self.assertEqual(r.returncode, 0, r.stderr)
        pdf = os.path.join(self.tmp, "refused.pdf")
        r = run(CLI, "layout", pcp, "--pdf", pdf)
        self.assertEqual(r.returncode, 1)
        self.assertEqual(r.stderr.count("板材数为零，无法生成排版图！"), 1)
        self.assertFalse(os.path.exists(pdf))
        self.assertEqual(os.listdir(directory), [os.path.basename(pcp)])


if __name__ == "__main__":
    unittest.main()
