#!/usr/bin/python3
"""The parts list, the weld parameter table and the product certificate read
back by python-docx, and `zelvan-cli all`.

Projects are built through the batch tool's JSON form and exported with
`zelvan-cli parts`, `welds`, `certificate` and `all`; every expectation is
the shop's form as python-docx reads it from the file.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import docx
from docx.enum.section import WD_ORIENT
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.oxml.ns import qn
from docx.shared import Mm

BIN = os.environ["ZELVAN_BIN_DIR"]
SOURCE = os.environ["ZELVAN_SOURCE_DIR"]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cli_case import CLI, CliProjectCase  # noqa: E402

WELD_HEADERS = ["焊缝编号", "类别", "形状", "长度", "焊接人1", "焊接人2", "焊接人3", "材质A", "规格A", "材质B",
                "规格B", "焊缝类型", "坡口形式", "检验类型", "检验标准", "检验比例", "合格级别", "焊缝状态", "焊接位置"]
PART_HEADERS = ["编号", "名称", "类别", "规格型号", "标准号", "单位", "数量", "重量", "性质", "技术要求"]


def weld(number, welders=("张三", "焊工1", "焊工3")):
    return [number, "A类", "直线", "1500", *welders, "16MnR", "δ=12", "Q235B", "δ=10", "对接焊缝",
            "双边双面V型坡口", "RT", "JB/T4730-2005《承压设备无损检测》", "20%", "III级", "焊接完毕", "平焊"]


def part(number, name="凸面板式平焊钢制管法兰"):
    return [number, name, "钢制管法兰(机械行业部)", "PL100-1.6 RF", "MAT-" + number, "JB/T79.4-94", "件", "2",
            "5.6", "受压元件", "DOC-" + number, "WP-" + number, "按标准验收 " + number]


def table_texts(table):
    return [[cell.text for cell in row.cells] for row in table.rows]


class ProductDocuments(CliProjectCase):

    def project(self, name, welds=(), parts=(), fields=None):
        data = json.loads(json.dumps(self.base))
        data["company"] = {"name": "岳川压力容器厂", "licence": "TS2210000"}
        data["fields"].update({"3": "P1", "10": "罐", "11": "CP-2026-07", "22": "2026-11-30"})
        data["fields"].update(fields or {})
        data["tables"]["welds"] = {"count": str(len(welds)), "rows": [list(r) for r in welds]}
        data["tables"]["parts"] = {"count": str(len(parts)), "rows": [list(r) for r in parts]}
        source = os.path.join(self.tmp, name + ".json")
        with open(source, "w", encoding="utf-8") as f:
            json.dump(data, f, ensure_ascii=False)
        path = os.path.join(self.tmp, name + ".pcp")
        result = self.run_cli("from-json", source, path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def export(self, command, name, file_suffix, **kwargs):
        out = os.path.join(self.tmp, "out-" + name)
        os.makedirs(out)
        result = self.run_cli(command, self.project(name, **kwargs), "--out-dir", out)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(os.listdir(out), ["P1-罐" + file_suffix])
        self.assertEqual(result.stdout.strip(), os.path.join(out, "P1-罐" + file_suffix))
        return docx.Document(os.path.join(out, "P1-罐" + file_suffix))

    def heading(self, document, title, heading):
        texts = [p.text for p in document.paragraphs]
        self.assertEqual(texts[0], title)
        self.assertEqual(document.paragraphs[0].runs[0].font.size.pt, 18)
        at = texts.index(heading, 1)
        paragraph = document.paragraphs[at]
        self.assertTrue(paragraph.runs[0].bold)
        self.assertEqual(paragraph.runs[0].font.size.pt, 18)
        self.assertEqual(paragraph.alignment, WD_ALIGN_PARAGRAPH.CENTER)
        number = document.paragraphs[at + 1]
        self.assertEqual(number.text, "产品编号： CP-2026-07")
        self.assertFalse(number.runs[0].bold)
        self.assertEqual(number.runs[0].font.size.pt, 12)
        return at

    def test_weld_table_fills_seventeen_rows_then_grows(self):
        for count, rows in ((3, 18), (17, 18), (18, 19)):
            with self.subTest(count=count):
                welds = [weld("W%d" % i) for i in range(1, count + 1)]
                document = self.export("welds", "welds%d" % count, "-焊缝参数表.doc", welds=welds)
                self.heading(document, "焊   缝   参   数   表", "焊   缝   参   数   表")
                self.assertEqual(len(document.tables), 1)
                table = table_texts(document.tables[0])
                self.assertEqual(len(table), rows)
                self.assertEqual(table[0], WELD_HEADERS)
                self.assertEqual([r[0] for r in table[1:count + 1]], ["W%d" % i for i in range(1, count + 1)])
                self.assertEqual(table[count], weld("W%d" % count))
                for empty in table[count + 1:]:
                    self.assertEqual(empty, [""] * 19)

    def test_weld_table_turns_its_pages_and_the_cover_stays_upright(self):
        document = self.export("welds", "landscape", "-焊缝参数表.doc", welds=[weld("L1")])
        sections = document.sections
        self.assertEqual(len(sections), 2)
        cover, table = sections[0], sections[-1]
        self.assertEqual(cover.orientation, WD_ORIENT.PORTRAIT)
        self.assertEqual((round(cover.page_width.mm), round(cover.page_height.mm)), (210, 297))
        self.assertEqual(table.orientation, WD_ORIENT.LANDSCAPE)
        self.assertEqual((round(table.page_width.mm), round(table.page_height.mm)), (297, 210))
        # The heading and the table are in the turned section.
        body = document.element.body
        first_break = cover._sectPr.getparent().getparent()
        children = list(body)
        titles = [p for p in document.paragraphs if p.text == "焊   缝   参   数   表"]
        self.assertEqual(len(titles), 2)  # the cover's title and the table's heading
        self.assertLess(children.index(titles[0]._p), children.index(first_break))
        self.assertGreater(children.index(titles[1]._p), children.index(first_break))
        self.assertGreater(children.index(document.tables[0]._tbl), children.index(first_break))
        # The table fills the width between the landscape margins.
        self.assertEqual(table.left_margin, cover.left_margin)
        text_width = table.page_width - table.left_margin - table.right_margin
        self.assertAlmostEqual(sum(c.width for c in document.tables[0].columns) / Mm(1), text_width / Mm(1), delta=1)
        # The company name heads the pages of both sections.
        for section in sections:
            self.assertFalse(section.header.is_linked_to_previous)
            self.assertTrue(section.header.paragraphs[0].text)
        self.assertEqual(table.header.paragraphs[0].text, cover.header.paragraphs[0].text)

    def test_weld_without_welders_gives_empty_cells(self):
        document = self.export("welds", "nowelders", "-焊缝参数表.doc",
                               welds=[weld("B1", ("", "", "")), weld("B2", ("李四", "", ""))])
        table = table_texts(document.tables[0])
        self.assertEqual(table[1][4:7], ["", "", ""])
        self.assertEqual(table[1][7], "16MnR")
        self.assertEqual(table[2][4:7], ["李四", "", ""])

    def test_parts_list_leaves_out_material_and_numbers(self):
        parts = [part("1"), part("2", "自制吊耳")] + [part(str(i)) for i in range(3, 19)]
        document = self.export("parts", "parts", "-零件参数表.doc", parts=parts)
        self.heading(document, "产 品 零 件 明 细 表", "产  品  零  件  明  细  表")
        self.assertEqual([s.orientation for s in document.sections], [WD_ORIENT.PORTRAIT])
        table = table_texts(document.tables[0])
        self.assertEqual(len(table), 19)  # 18 parts: one row more than the first page's 17
        self.assertEqual(table[0], PART_HEADERS)
        self.assertEqual(table[2], ["2", "自制吊耳", "钢制管法兰(机械行业部)", "PL100-1.6 RF", "JB/T79.4-94", "件", "2",
                                    "5.6", "受压元件", "按标准验收 2"])
        everything = "".join("".join(row) for row in table)
        for hidden in ("MAT-", "DOC-", "WP-"):
            self.assertNotIn(hidden, everything)

    def test_empty_lists_and_unsaved_project_are_refused(self):
        out = os.path.join(self.tmp, "refused")
        os.makedirs(out)
        empty = self.project("emptylists")
        result = self.run_cli("welds", empty, "--out-dir", out)
        self.assertEqual(result.returncode, 1)
        self.assertIn("焊缝参数表内容为空，无法导出！", result.stderr)
        result = self.run_cli("parts", empty, "--out-dir", out)
        self.assertEqual(result.returncode, 1)
        self.assertIn("零件参数内容为空，无法导出！", result.stderr)
        self.assertEqual(os.listdir(out), [])
        # A project file whose field 2 is empty: the tool writes beside the
        # file it was given, as the program does once it has opened it.
        never_saved = self.project("unsaved", welds=[weld("A1")], parts=[part("1")], fields={"2": ""})
        for command, suffix in (("welds", "-焊缝参数表.doc"), ("parts", "-零件参数表.doc"),
                                ("certificate", "-塔器产品合格证.doc")):
            result = self.run_cli(command, never_saved)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertNotIn("导出Word前请先保存项目！", result.stderr)
            self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(never_saved), "P1-罐" + suffix)), command)

    def certificate(self, name, fields=None):
        document = self.export("certificate", name, "-塔器产品合格证.doc", fields=fields)
        texts = [p.text for p in document.paragraphs]
        self.assertEqual(texts[0], "产  品  合  格  证")
        conformity = "本压力容器产品经质量检验符合《压力容器安全技术监察规程》、设计图样和技术条件的要求。"
        at = texts.index("制造完成日期： 2026-11-30")
        self.assertEqual(texts[at + 1:at + 3], [conformity, "质量总检验员： "])
        # Five empty paragraphs after the date line, then the heading.
        self.assertEqual(texts[at + 4:at + 9], [""] * 5)
        heading = self.heading(document, "产  品  合  格  证", "产   品   技   术   特   性")
        self.assertEqual(heading, at + 9)
        self.assertEqual(texts[heading + 2], "")
        self.assertEqual(len(document.tables), 1)
        table = document.tables[0]
        self.assertEqual(len(table.rows), 4)
        self.assertEqual(len(table.columns), 2)
        self.assertEqual([row.cells[0].text for row in table.rows], ["技术参数", "压力试验", "无损检测", "施工依据"])
        # Fixed widths fitted to the content: the headings (four characters
        # at 12 pt, 240 twips each, between margins of 108) on one line, the
        # lines the rest of the page's 8306 twips.
        self.assertEqual(table._tbl.tblPr.find(qn("w:tblLayout")).get(qn("w:type")), "fixed")
        heading, lines = (int(w.get(qn("w:w"))) for w in table._tbl.tblGrid.findall(qn("w:gridCol")))
        self.assertGreaterEqual(heading, 4 * 240 + 2 * 108)
        self.assertLess(heading, 1500)
        self.assertAlmostEqual(heading + lines, 8306, delta=2)
        # No row heads the table: one repeated on the next page would print
        # its data twice.
        self.assertEqual(table._tbl.xpath(".//w:tblHeader"), [])
        return [[p.text for p in row.cells[1].paragraphs] for row in table.rows]

    def test_certificate_of_an_empty_project(self):
        rows = self.certificate("empty-cert")
        # Rows 1 and 3 close with a paragraph mark (an empty last paragraph),
        # rows 2 and 4 end on their last line.
        self.assertEqual(rows[0], [
            "设 计 压 力：壳程(壳体)   MPa     管程(夹套)    MPa",
            "设 计 温 度：壳程(壳体)   ℃     管程(夹套)    ℃",
            "工 作 介 质：壳程(壳体)          管程(夹套)   ",
            "最高工作压力：壳程(壳体)   MPa     管程(夹套)    MPa",
            "",
            "换热面积：  M^2  重量：  KG     容积：  M^3",
            "规格：  内径    mm    壁厚：   mm",
            "总高(总长)：  mm",
            ""])
        self.assertEqual(rows[1], [
            "耐 压 试 验：壳程(壳体)   MPa     管程(夹套)    MPa",
            "气密性试验：壳程(壳体)   MPa     渗漏(夹套)    MPa",
            "补强板焊缝密封试验压力：   MPa"])
        self.assertEqual(rows[2], [
            "无损检验方法： 未选择  仪器：   未选择  ",
            "图样规定无损检测比例： 未选择  ",
            "单条焊缝实际检测最小比例： 未选择  ",
            "焊缝总长：  A类焊缝   m  B类焊缝    m",
            "实际无损检测长度：  A类焊缝   m  B类焊缝    m",
            "",
            ""])
        self.assertEqual(rows[3], ["设计标准：  未选择", "制造（现场组焊）标准：  未选择", "探伤标准：  未选择"])

    def test_certificate_lines_by_code(self):
        fields = {str(n): "" for n in range(23, 55)}
        fields.update({"23": "1.0", "24": "0.6", "31": "1", "38": "1.25", "40": "1.05", "42": "0.4",
                       "43": "2", "44": "3", "45": "0", "46": "3", "47": "1", "48": "5", "49": "6", "50": "4",
                       "51": "9.0", "54": "7.2"})
        rows = self.certificate("coded", fields)
        self.assertEqual(rows[0][0], "设 计 压 力：壳程(壳体)  1.0 MPa     管程(夹套)   0.6 MPa")
        self.assertEqual(rows[0][4], "结构形式：  □ 单层 ■ 多层(□ 热套   □ 绕带   □ 包扎)")
        # Field 42, not the shell-side test pressure, on the seal test line.
        self.assertEqual(rows[1][2], "补强板焊缝密封试验压力： 0.4  MPa")
        self.assertEqual(rows[1][0], "耐 压 试 验：壳程(壳体)  1.25 MPa     管程(夹套)    MPa")
        self.assertEqual(rows[2][0], "无损检验方法： UT  仪器：   300EG-B2F  ")
        self.assertEqual(rows[2][1], "图样规定无损检测比例： 10%")
        self.assertEqual(rows[2][2], "单条焊缝实际检测最小比例： 100%")
        self.assertEqual(rows[2][3], "焊缝总长：  A类焊缝 9.0  m  B类焊缝    m")
        self.assertEqual(rows[2][4], "实际无损检测长度：  A类焊缝   m  B类焊缝  7.2  m")
        self.assertEqual(rows[2][5], "增加探伤比例： □ 符合标准规定 ■ 无此项")
        # Position 6 of the manufacturing list repeats the text of position 1.
        self.assertEqual(rows[3], ["设计标准：  JB/T4710-2005《钢制塔式容器》",
                                   "制造（现场组焊）标准：  SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》",
                                   "探伤标准：  GB151-1999《管壳式换热器》"])

    def test_certificate_first_instrument_and_codes_out_of_range(self):
        fields = {"31": "0", "43": "0", "44": "0", "45": "4", "47": "0", "48": "7", "49": "11", "50": "-1"}
        rows = self.certificate("first", fields)
        self.assertEqual(rows[0][4], "结构形式：  ■ 单层 □ 多层(□ 热套   □ 绕带   □ 包扎)")
        self.assertEqual(rows[2][0], "无损检验方法： RT  仪器：  250EG-B2F  ")
        self.assertEqual(rows[2][1], "图样规定无损检测比例： 未选择  ")
        self.assertEqual(rows[2][5], "增加探伤比例： ■ 符合标准规定 □ 无此项")
        self.assertEqual(rows[3], ["设计标准：  未选择", "制造（现场组焊）标准：  未选择", "探伤标准：  未选择"])

    def test_all_writes_every_output_beside_the_sample(self):
        folder = os.path.join(self.tmp, "sample")
        os.makedirs(folder)
        sample = os.path.join(folder, "vertical-storage-tank.pcp")
        shutil.copy(os.path.join(SOURCE, "samples", "vertical-storage-tank.pcp"), sample)
        result = subprocess.run([CLI, "all", sample], capture_output=True, text=True, cwd=self.tmp,
                                env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        self.assertEqual(result.returncode, 0, result.stderr)
        suffixes = ["-排版图.dxf", "-产品工艺文件.doc", "-产品工艺文件-筒体部分.doc", "-焊接工艺卡.doc",
                    "-焊缝参数表.doc", "-零件参数表.doc", "-塔器产品合格证.doc"]
        expected = [os.path.join(folder, "示例工程-立式储罐" + s) for s in suffixes]
        self.assertEqual(result.stdout.splitlines(), expected)
        for path in expected:
            self.assertGreater(os.path.getsize(path), 0, path)
        # The sample holds more than 17 welds: the weld table has grown.
        welds = table_texts(docx.Document(expected[4]).tables[0])
        self.assertGreater(len(welds), 18)
        self.assertEqual(welds[0], WELD_HEADERS)

    def test_all_reports_each_refusal(self):
        folder = os.path.join(self.tmp, "all-refused")
        os.makedirs(folder)
        path = self.project("all-refused", welds=[], parts=[])
        result = self.run_cli("all", path, "--out-dir", folder)
        self.assertEqual(result.returncode, 1)
        # One line per output, each with its own reason; only the
        # certificate, which needs no list, is written.
        certificate = os.path.join(folder, "P1-罐-塔器产品合格证.doc")
        self.assertEqual(result.stdout.splitlines(), [
            "P1-罐-排版图.dxf: 板材数为零，无法生成排版图！ 请输入板材信息！",
            "P1-罐-产品工艺文件.doc: 请选择一种容器外设形式！",
            "P1-罐-产品工艺文件-筒体部分.doc: 请选择一种容器外设形式！",
            "P1-罐-焊接工艺卡.doc: 焊接工艺卡内容为空，无法导出！",
            "P1-罐-焊缝参数表.doc: 焊缝参数表内容为空，无法导出！",
            "P1-罐-零件参数表.doc: 零件参数内容为空，无法导出！",
            certificate])
        self.assertEqual(os.listdir(folder), [os.path.basename(certificate)])

    def test_all_writes_the_others_when_one_is_refused(self):
        out = os.path.join(self.tmp, "all-partial")
        os.makedirs(out)
        path = self.project("all-partial", welds=[], parts=[part("1")])
        result = self.run_cli("all", path, "--out-dir", out)
        self.assertEqual(result.returncode, 1)
        lines = result.stdout.splitlines()
        self.assertEqual(lines[4], "P1-罐-焊缝参数表.doc: 焊缝参数表内容为空，无法导出！")
        self.assertEqual(lines[5:], [os.path.join(out, "P1-罐-零件参数表.doc"), os.path.join(out, "P1-罐-塔器产品合格证.doc")])
        self.assertEqual(sorted(os.listdir(out)), ["P1-罐-塔器产品合格证.doc", "P1-罐-零件参数表.doc"])

if __name__ == "__main__":
    unittest.main()
