#!/usr/bin/python3
"""The welding procedure card document read back by python-docx.

Projects are built through the batch tool's JSON form and exported with
`zelvan-cli welding-cards`; every expectation is the shop's card layout in
sixths of the table width, read from the file python-docx sees.
"""
import datetime
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import docx
from docx.enum.text import WD_ALIGN_PARAGRAPH, WD_UNDERLINE
from docx.oxml.ns import qn

BIN = os.environ["ZELVAN_BIN_DIR"]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cli_case import CLI, CliProjectCase  # noqa: E402

CARD_1 = ["WPS-01", "PQR-07", "手工焊", "对接焊缝", "16MnR", "12", "平焊", "单边单面V型坡口", "直流反接",
          "焊缝表面不得有裂纹、气孔", "清根后焊背面", "RT", "JB/T4730-2005《承压设备无损检测》", "20%", "III级"]
CARD_2 = ["WPS-02", "", "埋弧焊", "带坡口角焊缝", "Q235B", "8", "角焊", "单边双面K型坡口+双角", "",
          "", "", "UT", "GB150-1998《钢制压力容器》", "100%", "I级"]
CARD_3 = ["WPS-03", "", "氩弧焊", "表面堆焊", "20R", "6", "全位置焊", "圆柱面", "逆变",
          "", "", "PT", "GB150-1998《钢制压力容器》", "10%", "II级"]


def row_cells(table, index):
    """(grid span, text) of each cell of a row, as the file has them."""
    row = table.rows[index]
    return [(tc.grid_span, docx.table._Cell(tc, table).text) for tc in row._tr.tc_lst]


class WeldingCardsDocx(CliProjectCase):

    def project(self, name, cards, consumables=(), parameters=(), fields=None):
        data = json.loads(json.dumps(self.base))
        data["company"] = {"name": "岳川压力容器厂", "licence": "TS2210000"}
        data["fields"].update({"2": "", "3": "P1", "10": "罐", "11": "CP-2026-07", "12": "TU-1001",
                               "13": "二类", "14": "ZZ-09", "16": "华油储运", "17": "岳川设计院",
                               "18": "SP-2026-3", "22": "2026-11-30"})
        data["fields"].update(fields or {})
        for key, rows in (("welding_cards", cards), ("card_consumables", consumables),
                          ("card_parameters", parameters)):
            data["tables"][key] = {"count": str(len(rows)), "rows": [list(r) for r in rows]}
        source = os.path.join(self.tmp, name + ".json")
        with open(source, "w", encoding="utf-8") as f:
            json.dump(data, f, ensure_ascii=False)
        path = os.path.join(self.tmp, name + ".pcp")
        result = self.run_cli("from-json", source, path)
        self.assertEqual(result.returncode, 0, result.stderr)
        return path

    def export(self, name, *args, **kwargs):
        out = os.path.join(self.tmp, "out-" + name)
        os.makedirs(out)
        result = self.run_cli("welding-cards", self.project(name, *args, **kwargs), "--out-dir", out)
        return result, out

    def document(self, name, *args, **kwargs):
        result, out = self.export(name, *args, **kwargs)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(os.listdir(out), ["P1-罐-焊接工艺卡.doc"])
        return docx.Document(os.path.join(out, "P1-罐-焊接工艺卡.doc"))

    def test_cover_page(self):
        document = self.document("cover", [CARD_2])
        self.assertEqual([p.text for p in document.sections[0].header.paragraphs], ["岳川压力容器厂"])
        texts = [p.text for p in document.paragraphs]
        title = document.paragraphs[0]
        self.assertEqual(title.text, "产 品 焊 接 工 艺 卡")
        self.assertTrue(title.runs[0].bold)
        self.assertEqual(title.runs[0].font.size.pt, 20)
        self.assertEqual(title.alignment, WD_ALIGN_PARAGRAPH.CENTER)
        today = datetime.date.today()
        lines = ["制造单位： 岳川压力容器厂", "制造许可证编号： TS2210000", "产品名称： 罐", "容器类别： 二类",
                 "设计单位： 岳川设计院", "设计批准书编号： SP-2026-3", "图号： TU-1001", "订货单位： 华油储运",
                 "产品编号： CP-2026-07", "制造编号： ZZ-09", "制造完成日期： 2026-11-30", "质量总检验员： ",
                 "质量检验章：" + " " * 21 + "%04d-%02d-%02d" % (today.year, today.month, today.day)]
        # Two marks after the title leave one empty line, then the lines in
        # order, seven empty paragraphs, and the first card's title.
        self.assertEqual(texts[1], "")
        self.assertEqual(texts[2:2 + len(lines)], lines)
        self.assertEqual(texts[2 + len(lines):9 + len(lines)], [""] * 7)
        self.assertEqual(texts[9 + len(lines)], "焊  接  工  艺  卡")
        line = document.paragraphs[2]
        self.assertEqual(line.runs[0].font.size.pt, 14)
        self.assertFalse(line.runs[0].bold)
        self.assertNotEqual(line.alignment, WD_ALIGN_PARAGRAPH.CENTER)

    def test_card_layout_with_rows(self):
        consumables = [["WPS-01", "J507 φ3.2", "350℃×1h"], ["WPS-01", "J507 φ4.0", "350℃×1h"]]
        parameters = [["WPS-01", "1", "3.2", "110-130", "22-24", "8-10", ""],
                      ["WPS-01", "2-3", "4.0", "160-180", "24-26", "10-12", "摆动"],
                      ["WPS-01", "4", "4.0", "170-190", "24-26", "10-12", "盖面"]]
        document = self.document("rows", [CARD_1], consumables, parameters)
        title = next(p for p in document.paragraphs if p.text == "焊  接  工  艺  卡")
        self.assertTrue(title.runs[0].bold)
        self.assertEqual(title.runs[0].font.size.pt, 18)
        self.assertEqual(title.runs[0].font.underline, WD_UNDERLINE.DOUBLE)
        self.assertEqual(len(document.tables), 1)
        table = document.tables[0]
        expected = [
            [(1, "编号"), (2, "WPS-01"), (1, "工艺评定号"), (2, "PQR-07")],
            [(1, "焊接方法"), (2, "手工焊"), (1, "接头形式"), (2, "对接焊缝")],
            [(1, "材质"), (1, "16MnR"), (1, "壁厚"), (1, "12"), (1, "焊接位置"), (1, "平焊")],
            [(1, "坡口形式"), (2, "单边单面V型坡口"), (1, "电流特性"), (2, "直流反接")],
            [(6, "无损检测")],
            [(1, "检验类型"), (2, "RT"), (1, "检验标准"), (2, "JB/T4730-2005《承压设备无损检测》")],
            [(1, "检验比例"), (2, "20%"), (1, "合格级别"), (2, "III级")],
            [(3, "焊材牌号规格"), (3, "烘干要求")],
            [(3, "J507 φ3.2"), (3, "350℃×1h")],
            [(3, "J507 φ4.0"), (3, "350℃×1h")],
            [(6, "焊接程序及规范")],
            [(1, t) for t in ("层数", "直径", "电流(A)", "电压(V)", "速度(m/h)", "其它")],
            [(1, t) for t in ("1", "3.2", "110-130", "22-24", "8-10", "")],
            [(1, t) for t in ("2-3", "4.0", "160-180", "24-26", "10-12", "摆动")],
            [(1, t) for t in ("4", "4.0", "170-190", "24-26", "10-12", "盖面")],
            [(6, "外观要求")],
            [(6, "焊缝表面不得有裂纹、气孔")],
            [(6, "备注")],
            [(6, "清根后焊背面")],
            [(1, t) for t in ("编制", "", "审核", "", "日期", "")],
        ]
        self.assertEqual([row_cells(table, i) for i in range(len(table.rows))], expected)
        # Every row spans the full width: six equal columns.
        widths = [int(col.width) for col in table.columns]
        self.assertEqual(len(widths), 6)
        self.assertLessEqual(max(widths) - min(widths), 1)
        # A sixth of the page holds a five-character label at 12 pt
        # (240 twips a character) between the cell margins.
        margins = table._tbl.tblPr.find(qn("w:tblCellMar"))
        left, right = (int(margins.find(qn(side)).get(qn("w:w"))) for side in ("w:left", "w:right"))
        self.assertGreaterEqual(min(widths) // 635 - left - right, 5 * 240)

    def test_card_without_rows_gets_empty_blocks(self):
        document = self.document("bare", [CARD_2])
        table = document.tables[0]
        cells = [row_cells(table, i) for i in range(len(table.rows))]
        self.assertEqual(len(cells), 19)
        self.assertEqual(cells[7], [(3, "焊材牌号规格"), (3, "烘干要求")])
        self.assertEqual(cells[8:10], [[(3, ""), (3, "")]] * 2)
        self.assertEqual(cells[10], [(6, "焊接程序及规范")])
        self.assertEqual(cells[12:14], [[(1, "")] * 6] * 2)
        self.assertEqual(cells[14], [(6, "外观要求")])
        self.assertEqual(cells[15], [(6, "")])

    def test_each_card_shows_only_its_own_live_rows(self):
        consumables = [["WPS-02", "H08MnA+HJ431", "250℃×2h"], ["", "J422 φ4", "150℃×1h"],
                       ["WPS-03", "ER50-6 φ2.4", "无"], ["WPS-02", "H10Mn2+SJ101", "300℃×2h"]]
        parameters = [["WPS-03", "1", "2.4", "90-110", "12-14", "6-8", "氩气10L/min"],
                      ["WPS-02", "1", "4.0", "550-600", "32-34", "25-30", ""],
                      ["", "9", "9.9", "999", "99", "99", "已删除"],
                      ["WPS-02", "2", "4.0", "600-650", "34-36", "25-30", ""]]
        document = self.document("two", [CARD_2, CARD_3], consumables, parameters)
        self.assertEqual(len(document.tables), 2)
        first, second = document.tables
        texts = lambda t: [row_cells(t, i) for i in range(len(t.rows))]
        a, b = texts(first), texts(second)
        self.assertEqual(a[0][1], (2, "WPS-02"))
        self.assertEqual(a[8:10], [[(3, "H08MnA+HJ431"), (3, "250℃×2h")], [(3, "H10Mn2+SJ101"), (3, "300℃×2h")]])
        self.assertEqual([[c[1] for c in row] for row in a[12:14]],
                         [["1", "4.0", "550-600", "32-34", "25-30", ""], ["2", "4.0", "600-650", "34-36", "25-30", ""]])
        self.assertEqual(a[14], [(6, "外观要求")])
        self.assertEqual(b[0][1], (2, "WPS-03"))
        self.assertEqual(b[8], [(3, "ER50-6 φ2.4"), (3, "无")])
        self.assertEqual(b[9], [(6, "焊接程序及规范")])
        self.assertEqual([c[1] for c in b[11]], ["1", "2.4", "90-110", "12-14", "6-8", "氩气10L/min"])
        self.assertEqual(b[12], [(6, "外观要求")])
        everything = "".join(c[1] for t in (a, b) for row in t for c in row)
        self.assertNotIn("J422", everything)
        self.assertNotIn("已删除", everything)

    def test_refusals(self):
        # A project whose field 2 is empty is written beside its own file, as
        # the program does once it has opened the file.
        never_saved = self.project("unsaved2", [CARD_1])
        beside = self.run_cli("welding-cards", never_saved)
        self.assertEqual(beside.returncode, 0, beside.stderr)
        self.assertNotIn("导出Word前请先保存项目！", beside.stderr)
        self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(never_saved), "P1-罐-焊接工艺卡.doc")))
        empty, out = self.export("nocards", [])
        self.assertEqual(empty.returncode, 1)
        self.assertIn("焊接工艺卡内容为空，无法导出！", empty.stderr)
        self.assertEqual(os.listdir(out), [])


if __name__ == "__main__":
    unittest.main()
