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

import docx
from docx.oxml.ns import qn
from PIL import Image

BIN = os.environ["ZELVAN_BIN_DIR"]
STANDARDS = ["GB150-1998钢制压力容器", "JB/T4710-2005钢制塔式容器", "HG20584-1998钢制化工容器制造技术要求"]


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

        # The characteristics, then the head card's header and step tables.
        self.assertEqual(len(document.tables), 3)
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

        # The process diagram, scaled to the text width (8306 twips), and the
        # head picture.
        self.assertEqual(len(document.inline_shapes), 2)
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
