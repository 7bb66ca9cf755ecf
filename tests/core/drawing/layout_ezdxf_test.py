#!/usr/bin/python3
"""Layout drawings written by zelvan-cli, read back with ezdxf.

The sample projects are built through the batch tool's JSON form. Expected
counts and coordinates are worked out by hand from the layout rules. With
ZELVAN_KEEP_DXF=DIR set, the sample drawings are also copied into DIR, to be
looked at or rendered with scripts/render-dxf.
"""
import json
import math
import os
import shutil
import subprocess
import tempfile
import unittest

import ezdxf
from PIL import ImageFont

BIN = os.environ["ZELVAN_BIN_DIR"]
CLI = os.path.join(BIN, "zelvan-cli")
COMPANY = "岳川明压力容器制造有限公司"  # 26 bytes: split 20 + 6, "限公司" below


def nozzle(mark, dn, location, azimuth, elevation, outside):
    return [mark, "接管", "1", dn, location, azimuth, elevation, "", "", outside, "", "", "", ""]


VERTICAL = {
    "type": "0",
    "vessel": "立式储罐",
    "courses": ["1200", "1500", "1500", "1500", "1500", "1200"],  # L = 8400
    "diameter": "1600",
    "plates": [("16MnR", "12A345-1"), ("16MnR", "12A345-2"), ("16MnR", "13B017-1"), ("16MnR", "13B017-2")],
    "nozzles": [
        nozzle("N1", "200", "筒节段", "一轴内400", "1000", "219"),
        nozzle("N2", "100", "筒节段", "二轴内300", "3000", "108"),
        nozzle("N3", "50", "筒节段", "三轴内600", "5200", "57"),
        nozzle("N4", "80", "筒节段", "四轴内200", "7600", "89"),
        nozzle("N5", "250", "上封头", "圆心处", "0", "273"),
        nozzle("N6", "50", "上封头", "一轴内300", "300", "57"),
        nozzle("N7", "80", "下封头", "三轴内200", "200", "89"),
        nozzle("N8", "50", "下封头", "圆心处", "0", "57"),
        nozzle("N9", "25", "筒节段", "二轴内0", "6000", "32"),
    ],
}

HORIZONTAL = {
    "type": "1",
    "vessel": "卧式储罐",
    "courses": ["2000", "2000", "2000"],  # L = 6000
    "diameter": "2000",
    "plates": [("Q345R", "H2201"), ("Q345R", "H2202")],
    "nozzles": [
        nozzle("a", "150", "筒节段", "一轴内500", "1500", "159"),
        nozzle("b", "80", "筒节段", "三轴内0", "1000", "89"),
        nozzle("c", "500", "左封头", "圆心处", "0", "508"),
        nozzle("d", "50", "右封头", "二轴内400", "300", "57"),
        nozzle("e", "50", "筒节段", "四轴内700", "0", "57"),
    ],
}


# A squat horizontal vessel, Ø2400 x 2000 (L well below the circumference):
# Rs = 1200, so 600 is 30° into a quadrant and 1187 about 81.6°.
SQUAT = {
    "type": "1",
    "vessel": "卧式短罐",
    "courses": ["1000", "1000"],  # L = 2000
    "diameter": "2400",
    "plates": [("Q345R", "S2401")],
    "nozzles": [
        nozzle("S1", "150", "筒节段", "一轴内600", "500", "159"),
        nozzle("S2", "100", "筒节段", "二轴内1187", "1500", "108"),
        nozzle("S3", "450", "筒节段", "三轴内600", "1000", "480"),
        nozzle("S4", "50", "筒节段", "四轴内1200", "300", "57"),
        nozzle("S5", "50", "左封头", "四轴内600", "600", "57"),
    ],
}

QUADRANTS = {"一轴内": 5, "二轴内": 205, "三轴内": 405, "四轴内": 605}
# Separators and frame edge to the right of the product number on the lower row.
PRODUCT_NUMBER_CELL = {"0": (505, 585), "1": (205, 285)}


SERIF = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"


def printed_width(text, height, width_factor=1.0):
    """How wide a CAD program prints a text of the style "Style1" (TIMES.TTF):
    Times New Roman, measured with its metric twin Liberation Serif, its
    capitals as tall as the text height; Chinese and symbols such as "φ" from
    the East Asian font, an em wide."""
    font = ImageFont.truetype(SERIF, 1000)
    _, top, _, bottom = font.getbbox("H")
    em = height / ((bottom - top) / 1000)
    latin = "".join(ch for ch in text if ord(ch) < 0x80)
    wide = sum(1 for ch in text if ord(ch) >= 0x80)
    return (font.getlength(latin) / 1000 + wide) * em * width_factor


class LayoutEzdxf(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        empty = os.path.join(cls.tmp, "empty.pcp")
        open(empty, "wb").close()
        cls.base = json.loads(cls.cli("to-json", empty).stdout)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @staticmethod
    def cli(*args):
        return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=120)

    def project(self, name, sample, **changes):
        p = json.loads(json.dumps(self.base))
        directory = os.path.join(self.tmp, name) + os.sep
        os.makedirs(directory, exist_ok=True)
        p["company"]["name"] = COMPANY
        fields = {"2": directory, "3": "示例工程", "9": sample["type"], "10": sample["vessel"],
                  "11": "CP-2024-07", "12": "RZ-1001", "57": sample["diameter"]}
        fields.update(changes.pop("fields", {}))
        p["fields"].update(fields)
        p["process_card"].update({"P1": sample["diameter"], "P2": "12", "P3": "9000", "P9": "1.25",
                                  "P11": "RT", "P12": "20%", "P14": "III"})
        courses = [[str(i + 1), "筒节", h, "12", sample["diameter"], "16MnR"] for i, h in enumerate(sample["courses"])]
        plates = [[str(i + 1), m, heat, "6000", "2000", "12", "1"] for i, (m, heat) in enumerate(sample["plates"])]
        tables = {"shell_courses": courses, "plates": plates, "nozzles": sample["nozzles"]}
        tables.update(changes.pop("tables", {}))
        for key, rows in tables.items():
            p["tables"][key] = {"count": str(len(rows)), "rows": rows}
        path = os.path.join(self.tmp, name + ".json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(p, f, ensure_ascii=False)
        # The tool writes beside the project file given, as the program does
        # with an opened project.
        pcp = os.path.join(directory, name + ".pcp")
        r = self.cli("from-json", path, pcp)
        self.assertEqual(r.returncode, 0, r.stderr)
        return pcp, directory

    def generate(self, name, sample):
        pcp, directory = self.project(name, sample)
        r = self.cli("layout", pcp, "--prepared-date", "2024-05-06", "--review-date", "2024-05-07")
        self.assertEqual(r.returncode, 0, r.stderr)
        path = os.path.join(directory, "示例工程-" + sample["vessel"] + "-排版图.dxf")
        self.assertEqual(r.stdout.strip(), path)
        keep = os.environ.get("ZELVAN_KEEP_DXF")
        if keep:
            shutil.copy(path, os.path.join(keep, name + ".dxf"))
        doc = ezdxf.readfile(path)
        return doc, path

    def check_common(self, doc, sample):
        self.assertEqual(doc.dxfversion, "AC1015")
        self.assertIn(doc.encoding.lower(), ("gbk", "cp936"))
        auditor = doc.audit()
        self.assertEqual(len(auditor.errors), 0, [str(e) for e in auditor.errors])
        self.assertEqual(len(auditor.fixes), 0, [str(e) for e in auditor.fixes])
        msp = doc.modelspace()
        n = len(sample["courses"])
        m = len(sample["nozzles"])
        counts = {}
        for e in msp:
            counts[e.dxftype()] = counts.get(e.dxftype(), 0) + 1
        # outline 7, head views 2 x 2, seams n - 1 + 3n, leaders 2m, frame 5,
        # title-block separators 11 and middle line 1
        self.assertEqual(counts["LINE"], 7 + 4 + (n - 1) + 3 * n + 2 * m + 5 + 12)
        self.assertEqual(counts["CIRCLE"], 2 + m)
        # angle labels 10, head labels 6, B n+1, A n, heat n, nozzle 2m,
        # notes 7, company 2 rows, title block 9 x 2, dates 2
        self.assertEqual(counts["TEXT"], 10 + 6 + (n + 1) + 2 * n + 2 * m + 7 + 2 + 18 + 2)

        texts = [e.dxf.text for e in msp.query("TEXT")]
        for expected in ["排 版 图", "容器主体", "示例工程", sample["vessel"], "岳川明压力容器制造有", "限公司",
                         "说明", "致，标记移植见图示。RT探伤", "1.25MPa。", "2024-05-06", "2024-05-07",
                         "0°", "90°", "180°", "270°", "A1", "B1", "DN50", "φ" + sample["diameter"] + "*9000*12"]:
            self.assertIn(expected, texts)
        for _, heat in sample["plates"]:
            self.assertIn(heat, texts)

        dims = list(msp.query("DIMENSION"))
        self.assertGreater(len(dims), n)
        for d in dims:
            block = doc.blocks.get(d.dxf.geometry)
            self.assertIsNotNone(block, d.dxf.geometry)
            kinds = sorted(e.dxftype() for e in block)
            self.assertIn("TEXT", kinds)
            self.assertEqual(kinds.count("SOLID"), 2)
            self.assertEqual(d.dxf.dimstyle, "DIM1")
            self.assertEqual(d.dxf.dimtype & 32, 32)
        for name in ["Layer1", "Layer2", "Layer3", "Layer4"]:
            self.assertIn(name, doc.layers)
        for name in ["Style1", "VStyle"]:
            self.assertIn(name, doc.styles)
        self.check_shell_nozzles(msp, sample)
        self.check_no_extension_line_on_a_seam(doc, msp)
        self.check_title_block_widths(msp, sample)
        return msp, texts, dims

    def check_shell_nozzles(self, msp, sample):
        """Every shell nozzle's hole lies on the development, inside its quadrant, at its angle."""
        vertical = sample["type"] == "0"
        rs = int(sample["diameter"]) // 2
        circles = [(c.dxf.center.x, c.dxf.center.y) for c in msp.query("CIRCLE")]
        marks = {t.dxf.text: t for t in msp.query("TEXT") if t.dxf.layer == "Layer3"}
        for row in sample["nozzles"]:
            mark, location, azimuth = row[0], row[4], row[5]
            if location != "筒节段" or azimuth[:3] not in QUADRANTS:
                continue
            with self.subTest(nozzle=mark):
                label = marks[mark]
                # The mark is written 143 right of and 90 above the centre.
                x, y = label.dxf.insert.x - 143, label.dxf.insert.y - 90
                self.assertTrue(any(math.isclose(x, cx, abs_tol=1e-6) and math.isclose(y, cy, abs_tol=1e-6)
                                    for cx, cy in circles), (mark, x, y))
                around, along = (x, y) if vertical else (y, x)
                start = QUADRANTS[azimuth[:3]]
                self.assertGreaterEqual(along, 5)
                self.assertLessEqual(along, 805)
                self.assertGreaterEqual(around, start)
                self.assertLessEqual(around, start + 200)
                angle = math.degrees(math.asin(min(int(azimuth[3:]) / rs, 1.0)))
                self.assertAlmostEqual((around - start) / 200 * 90, angle, delta=0.05)

    def check_no_extension_line_on_a_seam(self, doc, msp):
        """No dimension's extension line runs along a seam (Layer1 and Layer2 lines)."""
        seams = [(e.dxf.start, e.dxf.end) for e in msp.query("LINE") if e.dxf.layer in ("Layer1", "Layer2")]
        self.assertTrue(seams)

        def overlap(a, b):
            (a0, a1), (b0, b1) = a, b
            for axis in (0, 1):
                other = 1 - axis
                # Both segments run along `axis` at the same place across it.
                if (math.isclose(a0[other], a1[other]) and math.isclose(b0[other], b1[other])
                        and math.isclose(a0[other], b0[other], abs_tol=1e-6)):
                    lo = max(min(a0[axis], a1[axis]), min(b0[axis], b1[axis]))
                    hi = min(max(a0[axis], a1[axis]), max(b0[axis], b1[axis]))
                    if hi - lo > 1e-6:
                        return True
            return False

        extension_lines = 0
        for d in msp.query("DIMENSION"):
            ux, uy = math.cos(math.radians(d.dxf.angle)), math.sin(math.radians(d.dxf.angle))
            for e in doc.blocks.get(d.dxf.geometry).query("LINE"):
                vx, vy = e.dxf.end.x - e.dxf.start.x, e.dxf.end.y - e.dxf.start.y
                if math.hypot(vx, vy) < 1e-9 or abs(vx * ux + vy * uy) > 1e-6:
                    continue  # the dimension line itself
                extension_lines += 1
                for seam in seams:
                    self.assertFalse(overlap((e.dxf.start, e.dxf.end), seam), (d.dxf.text, e.dxf.start, e.dxf.end))
        self.assertGreater(extension_lines, 0)

    def check_title_block_widths(self, msp, sample):
        """Every text of the title block ends inside its cell, as a CAD
        program prints it; one that would not is narrowed, not squeezed to
        nothing. The product number "CP-2024-07" does not fit at full width."""
        vertical = sample["type"] == "0"
        low, high = (1535, 1605) if vertical else (935, 1005)
        frame_right = 1005 if vertical else 1405
        separators = sorted(e.dxf.start.x for e in msp.query("LINE")
                            if e.dxf.start.x == e.dxf.end.x and {e.dxf.start.y, e.dxf.end.y} == {low, high})
        self.assertEqual(len(separators), 11)
        values = [t for t in msp.query("TEXT") if low < t.dxf.insert.y < high]
        self.assertEqual(len(values), 2 + 9 * 2 + 2)  # company rows, nine columns of two, dates
        for t in values:
            x = t.dxf.insert.x
            right = next((s for s in separators if s > x), frame_right)
            factor = t.dxf.get("width", 1.0)
            printed = printed_width(t.dxf.text, t.dxf.height, factor)
            self.assertLessEqual(x + printed, right + 0.5, (t.dxf.text, x, right, factor))
            # The fitting errs on the wide side (blanks count half an em,
            # Times' are a quarter): a narrowed text still fills most of its room.
            if factor < 1:
                self.assertGreaterEqual(printed, 0.7 * (right - x), (t.dxf.text, factor))
        # The notes end inside the frame.
        x0, y0 = (705, -245) if vertical else (1105, 125)
        notes = [t for t in msp.query("TEXT") if t.dxf.insert.x == x0 and y0 - 150 - 1 < t.dxf.insert.y < y0 + 1]
        self.assertEqual(len(notes), 6)
        for t in notes:
            printed = printed_width(t.dxf.text, t.dxf.height, t.dxf.get("width", 1.0))
            self.assertLessEqual(t.dxf.insert.x + printed, frame_right + 0.5, t.dxf.text)
        product = [t for t in values if t.dxf.text == "CP-2024-07"]
        self.assertEqual(len(product), 1)
        self.assertEqual(product[0].dxf.insert.x, PRODUCT_NUMBER_CELL[sample["type"]][0])
        self.assertLess(product[0].dxf.get("width", 1.0), 1)
        self.assertGreater(printed_width("CP-2024-07", 15), 80)
        # Four characters of a name in a cell of 180: full width.
        self.assertEqual([e.dxf.get("width", 1.0) for e in values if e.dxf.text == "示例工程"], [1.0])

    def test_vertical_vessel(self):
        doc, _ = self.generate("vertical", VERTICAL)
        msp, texts, dims = self.check_common(doc, VERTICAL)
        # 6 courses + total; arc dims for N1-N4, N6, N7 (N9 has arc "0"),
        # elevation dims for N1-N4, N6, N7, N9.
        self.assertEqual(len(dims), 7 + 6 + 7)
        dim_texts = [d.dxf.text for d in dims]
        self.assertIn("8400", dim_texts)
        self.assertEqual(dim_texts.count("1500"), 4)
        # N1: Rs = 800, k = 800/8400 along the shell, c = 800/(2 pi 800)
        # around it; 800 asin(400/800) = 418.88 -> "419".
        k = 800 / 8400
        c = 800 / (2 * math.pi * 800)
        self.assertIn("419", dim_texts)
        circles = {}
        for circle in msp.query("CIRCLE"):
            key = (round(circle.dxf.center.x, 6), round(circle.dxf.center.y, 6))
            circles.setdefault(key, []).append(round(circle.dxf.radius, 6))
        n1 = (round(5 + c * 419, 6), round(5 + k * 1000, 6))
        self.assertEqual(circles[n1], [round(k * 219, 6)])
        # Head views of radius 180, head nozzles in the head's scale
        # 180 / (1600 / 2); N5 and N8 at the views' centres.
        h = 180 / 800
        self.assertEqual(circles[(405.0, 1125.0)], [180.0, round(h * 273, 6)])
        self.assertEqual(circles[(405.0, -315.0)], [180.0, round(h * 57, 6)])
        # Heat numbers run vertically: turned 90 degrees, in VStyle.
        heat = [t for t in msp.query("TEXT") if t.dxf.text == "12A345-1"][0]
        self.assertEqual(heat.dxf.style, "VStyle")
        self.assertEqual(heat.dxf.rotation, 90)
        self.assertEqual(heat.dxf.layer, "Layer2")
        # Fewer plates than courses: courses 4 and 5 show the last plate's number.
        self.assertEqual(texts.count("13B017-2"), 3)
        total = [d for d in dims if d.dxf.text == "8400"][0]
        self.assertEqual(tuple(total.dxf.defpoint2)[:2], (805, 5))
        self.assertEqual(tuple(total.dxf.defpoint3)[:2], (805, 805))
        self.assertEqual(total.dxf.angle, 90)

    def test_horizontal_vessel(self):
        doc, _ = self.generate("horizontal", HORIZONTAL)
        msp, texts, dims = self.check_common(doc, HORIZONTAL)
        self.assertIn("合格，试压(卧置)", "".join(texts))
        # 3 courses + total; a: arc + elevation; b: elevation; d: arc + elevation;
        # e: clamped arc (700 > Rs = 1000? no: 1000 asin(0.7) = 775.4 -> "775"), no elevation.
        dim_texts = [d.dxf.text for d in dims]
        self.assertEqual(len(dims), 4 + 2 + 1 + 2 + 1)
        self.assertIn("6000", dim_texts)
        self.assertIn(str(round(1000 * math.asin(0.5))), dim_texts)  # "524"
        self.assertIn("775", dim_texts)
        # a: the length leftwards from x = 805, the circumference up from y = 5.
        k = 800 / 6000
        c = 800 / (2 * math.pi * 1000)
        circles = {(round(e.dxf.center.x, 6), round(e.dxf.center.y, 6)) for e in msp.query("CIRCLE")}
        self.assertIn((round(805 - k * 1500, 6), round(5 + c * 524, 6)), circles)
        arc = [d for d in dims if d.dxf.text == "524"][0]
        self.assertEqual(arc.dxf.angle, 90)
        self.assertAlmostEqual(arc.dxf.defpoint2.y, 5)
        self.assertIn((-315.0, 405.0), circles)
        self.assertIn((1125.0, 405.0), circles)

    def test_squat_horizontal_vessel(self):
        doc, _ = self.generate("squat", SQUAT)
        msp, _, _ = self.check_common(doc, SQUAT)
        # The head views keep their size whatever the vessel's proportions.
        radii = sorted(round(c.dxf.radius, 6) for c in msp.query("CIRCLE")
                       if (c.dxf.center.x, c.dxf.center.y) in ((-315, 405), (1125, 405)))
        self.assertEqual(radii[-2:], [180.0, 180.0])

    def test_no_head_diameter_is_drawn_without_head_circles(self):
        pcp, directory = self.project("nohead", HORIZONTAL, fields={"57": ""})
        r = self.cli("layout", pcp)
        self.assertEqual(r.returncode, 0, r.stderr)
        doc = ezdxf.readfile(os.path.join(directory, "示例工程-卧式储罐-排版图.dxf"))
        self.assertEqual(len(doc.audit().errors), 0)
        circles = list(doc.modelspace().query("CIRCLE"))
        self.assertEqual(len(circles), len(HORIZONTAL["nozzles"]))
        self.assertTrue(all(c.dxf.radius > 0 for c in circles))

    def test_refusals_exit_with_status_1_and_write_nothing(self):
        pcp, directory = self.project("noplates", VERTICAL, tables={"plates": []})
        r = self.cli("layout", pcp)
        self.assertEqual(r.returncode, 1)
        self.assertIn("板材数为零，无法生成排版图！", r.stderr)
        self.assertEqual([n for n in os.listdir(directory) if not n.endswith(".pcp")], [])

        pcp, directory = self.project("type2", VERTICAL, fields={"9": "2"})
        r = self.cli("layout", pcp)
        self.assertEqual(r.returncode, 1)
        self.assertIn("容器型式错误！", r.stderr)
        # Refused before the file is created: nothing replaces an earlier drawing.
        self.assertEqual([n for n in os.listdir(directory) if not n.endswith(".pcp")], [])

        r = self.cli("layout", pcp, "--prepared-date", "2024-13-40")
        self.assertEqual(r.returncode, 1)

        pcp, directory = self.project("negative", VERTICAL, tables={"shell_courses": [
            ["1", "筒节", "1000", "12", "1600", "16MnR"], ["2", "筒节", "-3000", "12", "1600", "16MnR"]]})
        r = self.cli("layout", pcp)
        self.assertEqual(r.returncode, 1)
        self.assertIn("筒节总高度为零，无法生成排版图！", r.stderr)
        self.assertEqual([n for n in os.listdir(directory) if not n.endswith(".pcp")], [])

    def test_out_dir_and_stand_in_report(self):
        nozzles = VERTICAL["nozzles"] + [nozzle("X1", "50", "左封头", "一轴内100", "100", "57")]
        pcp, directory = self.project("standin", VERTICAL, tables={"nozzles": nozzles})
        out = os.path.join(self.tmp, "out")
        os.makedirs(out)
        r = self.cli("layout", pcp, "--out-dir", out)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("X1", r.stderr)
        self.assertEqual([n for n in os.listdir(directory) if not n.endswith(".pcp")], [])
        doc = ezdxf.readfile(os.path.join(out, "示例工程-立式储罐-排版图.dxf"))
        self.assertEqual(len(doc.audit().errors), 0)


if __name__ == "__main__":
    unittest.main()
