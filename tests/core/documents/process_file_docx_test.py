#!/usr/bin/python3
"""The product process file read back by python-docx.

zelvan-cli is copied into a program directory of its own, with its own
standards list, external-form list and process diagram, so the test does not
depend on the installation data. The project is built through the batch
tool's JSON form.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

import docx
from docx.oxml.ns import qn
from PIL import Image

BIN = os.environ["ZELVAN_BIN_DIR"]
STANDARDS = ["GB150-1998钢制压力容器", "JB/T4710-2005钢制塔式容器", "HG20584-1998钢制化工容器制造技术要求"]
CARD_PICTURES = ["接管法兰预制.JPG", "补强圈预制.JPG", "总装.JPG"]
FULL = "P1-储罐-产品工艺文件.doc"
SHELL = "P1-储罐-产品工艺文件-筒体部分.doc"
CARD_TITLES = ["容器生产过程卡(封头)", "容器生产过程卡(接管法兰预制)", "容器生产过程卡(补强圈预制)",
               "容器生产过程卡(附件预制)", "容器生产过程卡(总装)", "容器生产过程卡(试压、油漆、入库)"]
STEP_HEADER = ["序号", "名称", "工序内容、要求", "负责工位", "检查", "检查人"]


def nozzle(number, form, dn, pipe, od, thickness, length, ring="", note=""):
    return [number, "接管", form, dn, "筒节段", "一轴内300", "1000", "D1", pipe, od, thickness, length, ring, note]


def part(number, name, requirements):
    return [number, name, "", "", "Q235B", "", "件", "1", "1", "", "", "", requirements]


def row_texts(table, row):
    """The texts of a row's cells as written (a merged cell once)."""
    return ["\n".join(p.text for p in docx.table._Cell(tc, table).paragraphs) for tc in table.rows[row]._tr.tc_lst]


def blip_bytes(document, shape):
    blip = shape._inline.graphic.graphicData.pic.blipFill.blip
    return document.part.related_parts[blip.embed].blob


def closing_widths(row):
    """Widths in twips of the cells of a row (split rows share the page equally)."""
    return [int(tc.tcPr.find(qn("w:tcW")).get(qn("w:w"))) for tc in row._tr.tc_lst]


class ProcessFileDocx(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        cls.program = os.path.join(cls.tmp, "program")
        os.makedirs(os.path.join(cls.program, "工序图"))
        os.makedirs(os.path.join(cls.program, "pics"))
        os.makedirs(os.path.join(cls.program, "封头图"))
        Image.new("RGB", (300, 150), (240, 240, 240)).save(os.path.join(cls.program, "封头图", "椭圆封头图.JPG"), "JPEG")
        # The card pictures as installed beside the program.
        for name in CARD_PICTURES:
            shutil.copy(os.path.join(BIN, "pics", name), os.path.join(cls.program, "pics", name))
        cls.cli = os.path.join(cls.program, "zelvan-cli")
        shutil.copy(os.path.join(BIN, "zelvan-cli"), cls.cli)
        with open(os.path.join(cls.program, "标准及规范.txt"), "wb") as f:
            f.write(("\r\n\r\n".join(STANDARDS) + "\r\n").encode("gbk"))
        with open(os.path.join(cls.program, "工序图", "工序图列表.txt"), "wb") as f:
            f.write("支座式\r\n鞍座式\r\n".encode("gbk"))
        # 800 pixels: wider than the text width of the page.
        cls.diagram = os.path.join(cls.program, "工序图", "工序图-鞍座式.JPG")
        Image.new("RGB", (800, 200), (200, 220, 255)).save(cls.diagram, "JPEG")

        empty = os.path.join(cls.tmp, "empty.pcp")
        open(empty, "wb").close()
        cls.base = json.loads(cls.run_cli("to-json", empty).stdout)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @classmethod
    def run_cli(cls, *args):
        return subprocess.run([cls.cli, *args], capture_output=True, text=True,
                              env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))

    def project(self, name, **changes):
        data = json.loads(json.dumps(self.base))
        data["company"] = {"name": "岳川压力容器厂", "licence": "TS2210000"}
        fields = {"2": "", "3": "P1", "9": "1", "10": "储罐", "11": "CP-2026-07", "12": "TU-1001",
                  "13": "二类", "15": "2", "17": "岳川设计院", "55": "椭圆封头", "56": "16MnR"}
        fields.update(changes.pop("fields", {}))
        data["fields"].update(fields)
        card = {"P1": "1000", "P2": "10", "P3": "4000", "P4": "1500", "P5": "16MnR", "P6": "3.5",
                "P7": "1.6", "P8": "50", "P9": "2.0", "P10": "液化气", "P11": "RT", "P12": "20%",
                "P13": "JB/T4730-2005", "P14": "III级", "P15": "1", "P16": "0.85", "P17": "1.0",
                "P18": "按图施工 <注意> & 复核", "P20": "鞍座式"}
        card.update(changes.pop("card", {}))
        data["process_card"].update(card)
        data["process_card"]["S"] = ["0", "", "2"] + [""] * 97
        for key, rows in changes.pop("tables", {}).items():
            data["tables"][key] = {"count": str(len(rows)), "rows": rows}
        self.assertEqual(changes, {})
        source = os.path.join(self.tmp, name + ".json")
        with open(source, "w", encoding="utf-8") as f:
            json.dump(data, f, ensure_ascii=False)
        path = os.path.join(self.tmp, name + ".pcp")
        result = self.run_cli("from-json", source, path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def generate(self, name, **changes):
        out = os.path.join(self.tmp, "out-" + name)
        os.makedirs(out)
        result = self.run_cli("process-file", self.project(name, **changes), "--out-dir", out)
        return result, out

    def test_full_file(self):
        result, out = self.generate("full")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(sorted(os.listdir(out)),
                         ["P1-储罐-产品工艺文件-筒体部分.doc", "P1-储罐-产品工艺文件.doc"])
        for text in ("正在生成封面......", "正在生成容器技术特性表......", "正在保存文档......"):
            self.assertIn(text, result.stderr)

        document = docx.Document(os.path.join(out, "P1-储罐-产品工艺文件.doc"))
        header = document.sections[0].header
        self.assertEqual([p.text for p in header.paragraphs], ["岳川压力容器厂"])
        texts = [p.text for p in document.paragraphs]
        for line in ("产品工艺文件", "产品编号： CP-2026-07", "产品名称： 储罐", "图    号： TU-1001",
                     "容器类别： 二类", "生产台数： 2 台", "工艺：                  审批：",
                     "日期：        年      月     日", "压力容器技术特性", "产品制作工序"):
            self.assertIn(line, texts)
        title = next(p for p in document.paragraphs if p.text == "产品工艺文件")
        self.assertTrue(title.runs[0].bold)
        self.assertEqual(title.runs[0].font.size.pt, 30)
        self.assertEqual(title.alignment, docx.enum.text.WD_ALIGN_PARAGRAPH.CENTER)
        number = next(p for p in document.paragraphs if p.text.startswith("产品编号"))
        self.assertEqual(number.runs[0].font.size.pt, 14)
        self.assertFalse(number.runs[0].bold)

        # Every section in its order, each with its progress text.
        progress = ["正在生成封面......", "正在生成容器技术特性表......", "正在生成容器生产过程卡(封头)......",
                    "正在生成容器生产过程卡(接管法兰预制及补强圈预制)......", "正在生成容器生产过程卡(附件预制)......",
                    "正在生成容器生产过程卡(总装)......", "正在生成容器生产过程卡(试压、油漆、入库)......", "正在保存文档......"]
        lines = result.stderr.splitlines()
        self.assertEqual([line for line in lines if line in progress][:len(progress)], progress)
        self.assertEqual([t for t in texts if t.startswith("容器生产过程卡")], CARD_TITLES)

        # The characteristics, the head card's header and step tables, one
        # table for each later card (its name row on top of its steps, so
        # the two never part at a page end) and two for the assembly.
        self.assertEqual(len(document.tables), 9)
        table = document.tables[0]
        self.assertEqual(len(table.rows), 13)

        def cells(row, of=table):
            return [(tc.grid_span, "\n".join(p.text for p in docx.table._Cell(tc, of).paragraphs))
                    for tc in of.rows[row]._tr.tc_lst]

        self.assertEqual(cells(0), [(1, "容器名称"), (1, "储罐"), (1, "产品编号"), (1, "CP-2026-07")])
        self.assertEqual(cells(2), [(1, "外形型式"), (1, "卧  式"), (1, "外形尺寸"), (1, "φ1000*4000*10")])
        self.assertEqual(cells(7), [(1, "制造标准及规范"), (3, STANDARDS[0] + "\n" + STANDARDS[2] + "\n")])
        self.assertEqual(cells(8), [(1, "探伤方法"), (1, "RT"), (1, "探伤比例"), (1, "A，B类焊缝20%")])
        self.assertEqual(cells(9), [(1, "合格级别"), (1, "III级合格"), (1, "检验标准"), (1, "JB/T4730-2005")])
        self.assertEqual(cells(10), [(1, "腐蚀裕度"), (1, "1mm"), (1, "焊缝系数"), (1, "筒体0.85，封头1.0")])
        self.assertEqual(cells(11), [(1, "设计单位"), (3, "岳川设计院")])
        self.assertEqual(cells(12), [(1, "附    注"), (3, "按图施工 <注意> & 复核")])

        header, steps = document.tables[1], document.tables[2]
        self.assertIn("容器生产过程卡(封头)", texts)
        self.assertEqual(cells(1, header), [(1, "材    质"), (1, "16MnR"), (1, "规    格"), (1, "φ1000/10")])
        self.assertEqual(cells(2, header), [(4, "简图如下")])
        self.assertEqual(len(steps.rows), 7)
        self.assertEqual([c[1] for c in cells(0, steps)], ["序号", "名称", "工序内容及要求", "负责工位", "检查", "检验员"])
        self.assertEqual(cells(2, steps)[:2], [(1, "2"), (1, "划线")])
        self.assertIn("3.直径： ±3\t最大直径与最小直径之差： ≤4", cells(1, steps)[2][1])
        self.assertIn("4.内表面的形状偏差，最大间隙≤Di*1%，即10.00mm。", cells(1, steps)[2][1])
        self.assertEqual([c[1] for c in cells(6, steps)], ["编制人：", "审核人："])
        self.assertEqual(closing_widths(steps.rows[6]), [4153, 4153])

        # The process diagram, scaled to the text width (8306 twips), the
        # head picture and the pictures of the nozzle, ring and assembly cards.
        self.assertEqual(len(document.inline_shapes), 5)
        for shape, name in zip(list(document.inline_shapes)[2:], CARD_PICTURES):
            with open(os.path.join(BIN, "pics", name), "rb") as f:
                self.assertEqual(blip_bytes(document, shape), f.read(), name)
        shape = document.inline_shapes[0]
        self.assertEqual(shape.type, docx.enum.shape.WD_INLINE_SHAPE.PICTURE)
        self.assertEqual(shape.width, 8306 * 635)
        self.assertEqual(shape.height, 200 * 8306 * 635 // 800)
        blip = shape._inline.graphic.graphicData.pic.blipFill.blip
        with open(self.diagram, "rb") as f:
            self.assertEqual(document.part.related_parts[blip.embed].blob, f.read())
        self.assertEqual(document.part.related_parts[blip.embed].content_type, "image/jpeg")

        # 宋体 for East Asian text, Times New Roman for Latin, A4 portrait.
        fonts = document.styles.element.find(qn("w:docDefaults")).find(qn("w:rPrDefault")).find(qn("w:rPr")).find(qn("w:rFonts"))
        self.assertEqual(fonts.get(qn("w:eastAsia")), "宋体")
        self.assertEqual(fonts.get(qn("w:ascii")), "Times New Roman")
        self.assertEqual(round(document.sections[0].page_width.mm), 210)
        self.assertEqual(round(document.sections[0].page_height.mm), 297)

    def test_nozzle_flange_and_ring_cards(self):
        nozzles = [nozzle("N1", "法兰", "150", "20#", "159", "4.5", "200"),
                   nozzle("N2", "法兰", "100", "20#", "108", "4", "200", "RF-100", "补强圈"),
                   nozzle("N3", "外螺纹", "50", "20#", "57", "3.5", "150")]
        result, out = self.generate("nozzles", card={"P21": "UT", "P22": "20%"}, tables={"nozzles": nozzles})
        self.assertEqual(result.returncode, 0, result.stderr)
        document = docx.Document(os.path.join(out, FULL))
        flanges = document.tables[3]
        self.assertEqual(row_texts(flanges, 0), ["容器名称", "储罐", "产品编号", "CP-2026-07"])
        self.assertEqual(len(flanges.rows), 13)
        self.assertEqual(row_texts(flanges, 1), STEP_HEADER)
        # The name row and the step heading repeat on every page the card runs onto.
        self.assertEqual([r._tr.trPr is not None and r._tr.trPr.find(qn("w:tblHeader")) is not None
                          for r in flanges.rows][:3], [True, True, False])
        self.assertEqual(row_texts(flanges, 5), ["4", "探伤", "所有焊缝做20%UT探伤，包括锻件外接接管。", "检", "专检", ""])
        self.assertEqual(row_texts(flanges, 8), ["法兰大小", "接管规格", "孔号", "数量", "管口形式"])
        self.assertEqual(row_texts(flanges, 9), ["DN150", "20#φ159×4.5/200", "N1", "1", "法兰"])
        self.assertEqual(row_texts(flanges, 10), ["DN100", "20#φ108×4/200", "N2", "1", "法兰"])
        self.assertEqual(row_texts(flanges, 11), ["DN50", "20#φ57×3.5/150", "N3", "1", "外螺纹"])
        self.assertEqual(row_texts(flanges, 12), ["编制人：", "审核人："])
        # The name row, the picture and the list rows span the whole table.
        grid = len(flanges._tbl.tblGrid.findall(qn("w:gridCol")))
        for r in (0, 7, 8, 9, 12):
            self.assertEqual(sum(tc.grid_span for tc in flanges.rows[r]._tr.tc_lst), grid, r)

        rings = document.tables[4]
        self.assertEqual(len(rings.rows), 14)
        self.assertEqual(row_texts(rings, 0), ["容器名称", "储罐", "产品编号", "CP-2026-07"])
        self.assertEqual(row_texts(rings, 10), ["规格", "孔号", "数量", "说明"])
        self.assertEqual(row_texts(rings, 11), ["RF-100", "N2", "1", "补强圈"])
        self.assertEqual(row_texts(rings, 12), ["组装焊接完成后进行气密性试验。"])
        self.assertIn("并套M12-10G信号孔。", row_texts(rings, 6)[2])

    def test_no_nozzles_and_no_parts(self):
        result, out = self.generate("empty-lists")
        self.assertEqual(result.returncode, 0, result.stderr)
        document = docx.Document(os.path.join(out, FULL))
        flanges, rings, accessories = document.tables[3], document.tables[4], document.tables[5]
        self.assertEqual(len(flanges.rows), 11)
        self.assertEqual(row_texts(flanges, 9), [""] * 5)
        self.assertEqual(len(rings.rows), 14)
        self.assertEqual(row_texts(rings, 11), [""] * 4)
        self.assertEqual(len(accessories.rows), 4)
        self.assertEqual(row_texts(accessories, 0), ["容器名称", "储罐", "产品编号", "CP-2026-07"])
        self.assertEqual(row_texts(accessories, 1), STEP_HEADER)
        self.assertEqual(row_texts(accessories, 2), [""] * 6)
        # Fixed column widths, fitted: every heading on one line. A heading
        # character is one em of its run's size (w:sz in half points, 20
        # twips a point), the cell loses its left and right margins.
        self.assertEqual(accessories._tbl.tblPr.find(qn("w:tblLayout")).get(qn("w:type")), "fixed")
        margins = accessories._tbl.tblPr.find(qn("w:tblCellMar"))
        padding = sum(int(margins.find(qn("w:" + side)).get(qn("w:w"))) for side in ("left", "right"))
        for tc, heading in zip(accessories.rows[1]._tr.tc_lst, STEP_HEADER):
            size = int(tc.find(".//" + qn("w:r")).find(qn("w:rPr")).find(qn("w:sz")).get(qn("w:val"))) / 2
            width = int(tc.tcPr.find(qn("w:tcW")).get(qn("w:w")))
            self.assertGreaterEqual(width - padding, len(heading) * size * 20, heading)

    def test_assembly_and_pressure_test_cards(self):
        for pressure, gauge, heat in (("1.25", "3", ""), ("2", "6", "620℃整体热处理"), ("0.8", "2.4", "")):
            with self.subTest(pressure=pressure):
                name = "test-" + pressure
                result, out = self.generate(name, card={"P9": pressure, "P19": heat})
                self.assertEqual(result.returncode, 0, result.stderr)
                document = docx.Document(os.path.join(out, FULL))
                first, second = document.tables[6], document.tables[7]
                self.assertEqual(len(first.rows), 10)
                self.assertEqual(row_texts(first, 0), ["容器名称", "储罐", "产品编号", "CP-2026-07"])
                self.assertEqual(row_texts(first, 8)[:2], ["7", "焊接"])
                self.assertEqual(len(first.rows[9].cells[0]._tc.xpath(".//pic:pic")), 1)
                self.assertEqual(row_texts(second, 0)[:2], ["12", "组对筒体封头B"])
                if heat:
                    self.assertEqual(len(second.rows), 9)
                    self.assertEqual(row_texts(second, 7), ["19", "热处理", heat, "检、铆", "自检", ""])
                else:
                    self.assertEqual(len(second.rows), 8)
                    self.assertEqual(row_texts(second, 6)[:2], ["18", "封人孔"])
                self.assertEqual(row_texts(second, len(second.rows) - 1), ["编制人：", "审核人："])

                steps = document.tables[8]
                self.assertEqual(len(steps.rows), 9)
                self.assertEqual(row_texts(steps, 0), ["容器名称", "储罐", "产品编号", "CP-2026-07"])
                # The test instructions fill most of a page: that row may
                # break across pages, the short rows may not.
                can_split = [r._tr.trPr is None or r._tr.trPr.find(qn("w:cantSplit")) is None for r in steps.rows]
                self.assertEqual(can_split, [False, False, True] + [False] * 6)
                test = [p.text for p in steps.cell(2, 2).paragraphs]
                self.assertEqual(test[0], "按停检查七的规定，停检人员和技术人员应到现场并预先通知监检人员参加，试验压力为"
                                 + pressure + "MPa。")
                self.assertEqual(test[2], "2.必须选用两个量程为0~" + gauge
                                 + "MPa，精度不低于1.5级，校验合格，在有效期内，表盘直径＞100mm，并且必须加以铅封。")

    def test_test_pressure_that_is_no_number_is_refused(self):
        for pressure in ("", "abc"):
            with self.subTest(pressure=pressure):
                result, out = self.generate("nopressure" + pressure, card={"P9": pressure})
                self.assertEqual(result.returncode, 1)
                self.assertIn("请输入大于0的强度试验压力！", result.stderr)
                self.assertNotIn("即将导出为Word文件", result.stderr)
                self.assertEqual(os.listdir(out), [])

    def test_missing_assembly_picture(self):
        out = os.path.join(self.tmp, "out-noassembly")
        os.makedirs(out)
        with open(os.path.join(out, FULL), "wb") as f:
            f.write(b"previous file")
        picture = os.path.join(self.program, "pics", "总装.JPG")
        os.rename(picture, picture + ".away")
        try:
            result = self.run_cli("process-file", self.project("noassembly"), "--out-dir", out)
        finally:
            os.rename(picture + ".away", picture)
        self.assertEqual(result.returncode, 1)
        self.assertIn(picture, result.stderr)
        with open(os.path.join(out, FULL), "rb") as f:
            self.assertEqual(f.read(), b"previous file")
        self.assertEqual(sorted(os.listdir(out)), [SHELL, FULL])

    def test_maximal_project_converts_with_libreoffice(self):
        nozzles = [nozzle("N%d" % i, "法兰", "80", "20#", "89", "4", "200", "RF-80" if i % 2 == 0 else "", "补强圈")
                   for i in range(1, 81)]
        parts = [part(str(i), "筋板%d" % i, "两面焊满，焊脚高度不小于6mm，焊后清除焊渣与飞溅。") for i in range(1, 81)]
        result, out = self.generate("maximal", tables={"nozzles": nozzles, "parts": parts})
        self.assertEqual(result.returncode, 0, result.stderr)
        path = os.path.join(out, FULL)
        document = docx.Document(path)
        flanges, rings, accessories = document.tables[3], document.tables[4], document.tables[5]
        self.assertEqual(len(flanges.rows), 1 + 1 + 5 + 1 + 1 + 80 + 1)
        self.assertEqual(row_texts(flanges, 88)[:3], ["DN80", "20#φ89×4/200", "N80"])
        self.assertEqual(len(rings.rows), 1 + 1 + 7 + 1 + 1 + 40 + 1 + 1)
        self.assertEqual(len(accessories.rows), 1 + 1 + 80 + 1)
        self.assertEqual(row_texts(accessories, 81)[:2], ["80", "筋板80"])

        # LibreOffice prints it; the last nozzle and the last part reach the PDF.
        work = os.path.join(self.tmp, "lo")
        os.makedirs(work)
        source = os.path.join(work, "maximal.docx")
        shutil.copy(path, source)
        profile = "file://" + os.path.join(work, "profile")
        convert = subprocess.run(["libreoffice", "-env:UserInstallation=" + profile, "--headless",
                                  "--convert-to", "pdf", "--outdir", work, source],
                                 capture_output=True, text=True, timeout=300)
        pdf = os.path.join(work, "maximal.pdf")
        self.assertTrue(os.path.exists(pdf), convert.stdout + convert.stderr)
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True, check=True).stdout
        # pdftotext spaces CJK text from digits; compare without white space.
        text = "".join(text.split())
        for expected in ("N80", "筋板80", "容器生产过程卡(试压、油漆、入库)"):
            self.assertTrue(expected in text, expected)
        pages = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        self.assertGreater(int(next(l.split()[-1] for l in pages.splitlines() if l.startswith("Pages:"))), 10)

    def test_shell_part(self):
        result, out = self.generate("shell")
        self.assertEqual(result.returncode, 0, result.stderr)
        document = docx.Document(os.path.join(out, "P1-储罐-产品工艺文件-筒体部分.doc"))
        texts = [p.text for p in document.paragraphs]
        self.assertIn("产品工艺文件", texts)
        self.assertIn("生产台数： 2 台", texts)
        self.assertEqual([p.text for p in document.sections[0].header.paragraphs], ["岳川压力容器厂"])
        self.assertIn("容器生产过程卡(筒体)", texts)
        # Both sketches were drawn into the program directory and inserted.
        shapes = document.inline_shapes
        self.assertEqual(len(shapes), 2)
        for shape, name in zip(shapes, ("筒体图.BMP", "组对简图.BMP")):
            blip = shape._inline.graphic.graphicData.pic.blipFill.blip
            part = document.part.related_parts[blip.embed]
            self.assertEqual(part.content_type, "image/bmp")
            with open(os.path.join(self.program, "pics", name), "rb") as f:
                self.assertEqual(part.blob, f.read())
        # An uncompressed bitmap is stored deflated: the two 390-KB sketches
        # made the file 790 KB when they were stored as they are.
        path = os.path.join(out, "P1-储罐-产品工艺文件-筒体部分.doc")
        with zipfile.ZipFile(path) as package:
            bitmaps = [i for i in package.infolist() if i.filename.endswith(".bmp")]
            self.assertEqual(len(bitmaps), 2)
            for info in bitmaps:
                self.assertEqual(info.compress_type, zipfile.ZIP_DEFLATED, info.filename)
                self.assertLess(info.compress_size, info.file_size // 10, info.filename)
        self.assertLess(os.path.getsize(path), 100_000)
        # The shell sketch (565 pixels) is wider than its header cell (four
        # columns of 2076 twips less the padding): scaled to the cell.
        self.assertEqual(shapes[0].width, (4 * 2076 - 216) * 635)
        self.assertEqual(shapes[0].height, 230 * 9525 * (4 * 2076 - 216) * 635 // (565 * 9525))
        steps = document.tables[1]
        self.assertEqual(len(steps.rows), 20)
        grid = steps._tbl.tblGrid.findall(qn("w:gridCol"))
        self.assertEqual([tc.grid_span for tc in steps.rows[18]._tr.tc_lst], [len(grid)])
        self.assertEqual(steps.rows[18].cells[0].paragraphs[0].text, "组对简图")
        self.assertEqual([docx.table._Cell(tc, steps).text for tc in steps.rows[19]._tr.tc_lst], ["编制人：", "审核人："])
        self.assertEqual(closing_widths(steps.rows[19]), [4153, 4153])

    def test_unknown_vessel_type(self):
        result, out = self.generate("unknown", fields={"9": "5"})
        self.assertEqual(result.returncode, 0, result.stderr)
        document = docx.Document(os.path.join(out, "P1-储罐-产品工艺文件.doc"))
        self.assertEqual(document.tables[0].cell(2, 1).text, "未  知")

    def test_a_project_never_saved_is_written_beside_its_file(self):
        # Field 2 is empty, but the tool knows where the file is: as in the
        # program, an opened project's directory is the file's own.
        folder = os.path.join(self.tmp, "never-saved")
        os.makedirs(folder)
        project = os.path.join(folder, "unsaved.pcp")
        shutil.copy(self.project("unsaved"), project)
        result = self.run_cli("process-file", project)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertNotIn("导出Word前请先保存项目！", result.stderr)
        self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(project), "P1-储罐-产品工艺文件.doc")))

    def test_unsafe_vessel_name_is_refused(self):
        result, out = self.generate("unsafe", fields={"10": "../罐"})
        self.assertEqual(result.returncode, 1)
        self.assertIn("“/”", result.stderr)
        self.assertEqual(os.listdir(out), [])
        self.assertFalse([n for n in os.listdir(self.tmp) if n.endswith(".doc")])

    def test_missing_diagram_saves_only_the_shell_part(self):
        result, out = self.generate("nodiagram", card={"P20": "支座式"})
        self.assertEqual(result.returncode, 1)
        self.assertIn("工序图-支座式.JPG", result.stderr)
        self.assertEqual(os.listdir(out), ["P1-储罐-产品工艺文件-筒体部分.doc"])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
