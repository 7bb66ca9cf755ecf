#!/usr/bin/python3
"""The Word packages of the sample projects read with lxml.

Checks what strict readers (and Word's own validator) insist on and
python-docx does not look at: property elements in the order the
WordprocessingML schema gives them, grid spans that add up to the table's
grid, relationships that point at parts that exist, content types for every
part. Then the page flow the shop asked for: rows that never split, the step
tables' heading rows repeated, titles and captions kept with what they
introduce, the page header left to its style.
"""
import os
import posixpath
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from lxml import etree

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sample_documents  # noqa: E402

W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG_RELS = "http://schemas.openxmlformats.org/package/2006/relationships"
CONTENT_TYPES = "http://schemas.openxmlformats.org/package/2006/content-types"
NS = {"w": W}

# Child order of the property lists, from the ECMA-376 transitional schema
# (wml.xsd: EG_RPrBase, CT_PPrBase and CT_PPr, CT_TcPr, CT_TblPr, CT_TrPrBase,
# CT_TblBorders, CT_TblCellMar).
SCHEMA_ORDER = {
    "rPr": ["ins", "del", "moveFrom", "moveTo", "rStyle", "rFonts", "b", "bCs", "i", "iCs", "caps", "smallCaps",
            "strike", "dstrike", "outline", "shadow", "emboss", "imprint", "noProof", "snapToGrid", "vanish",
            "webHidden", "color", "spacing", "w", "kern", "position", "sz", "szCs", "highlight", "u", "effect", "bdr",
            "shd", "fitText", "vertAlign", "rtl", "cs", "em", "lang", "eastAsianLayout", "specVanish", "oMath",
            "rPrChange"],
    "pPr": ["pStyle", "keepNext", "keepLines", "pageBreakBefore", "framePr", "widowControl", "numPr",
            "suppressLineNumbers", "pBdr", "shd", "tabs", "suppressAutoHyphens", "kinsoku", "wordWrap",
            "overflowPunct", "topLinePunct", "autoSpaceDE", "autoSpaceDN", "bidi", "adjustRightInd", "snapToGrid",
            "spacing", "ind", "contextualSpacing", "mirrorIndents", "suppressOverlap", "jc", "textDirection",
            "textAlignment", "textboxTightWrap", "outlineLvl", "divId", "cnfStyle", "rPr", "sectPr", "pPrChange"],
    "tcPr": ["cnfStyle", "tcW", "gridSpan", "hMerge", "vMerge", "tcBorders", "shd", "noWrap", "tcMar",
             "textDirection", "tcFitText", "vAlign", "hideMark", "headers", "cellIns", "cellDel", "cellMerge",
             "tcPrChange"],
    "tblPr": ["tblStyle", "tblpPr", "tblOverlap", "bidiVisual", "tblStyleRowBandSize", "tblStyleColBandSize", "tblW",
              "jc", "tblCellSpacing", "tblInd", "tblBorders", "shd", "tblLayout", "tblCellMar", "tblLook",
              "tblCaption", "tblDescription", "tblPrChange"],
    # The schema lets row properties come in any order, each once; Word
    # writes them in this one and so do we.
    "trPr": ["cnfStyle", "divId", "gridBefore", "gridAfter", "wBefore", "wAfter", "cantSplit", "trHeight",
             "tblHeader", "tblCellSpacing", "jc", "hidden", "ins", "del", "trPrChange"],
    "tblBorders": ["top", "left", "start", "bottom", "right", "end", "insideH", "insideV"],
    "tblCellMar": ["top", "left", "start", "bottom", "right", "end"],
    # CT_SectPr: the header and footer references, then the page setup.
    "sectPr": ["headerReference", "footerReference", "footnotePr", "endnotePr", "type", "pgSz", "pgMar", "paperSrc",
               "pgBorders", "lnNumType", "pgNumType", "cols", "formProt", "vAlign", "noEndnote", "titlePg",
               "textDirection", "bidi", "rtlGutter", "docGrid", "printerSettings", "sectPrChange"],
}

STEP_HEADING = ["序号", "名称", "工序内容及要求", "负责工位", "检查", "检验员"]
INTRODUCING = ["压力容器技术特性", "产品制作工序", "容器生产过程卡(封头)", "容器生产过程卡(筒体)", "简图如下"]


def local(element):
    return etree.QName(element).localname


def text_of(element):
    return "".join(t.text or "" for t in element.iter("{%s}t" % W))


class SamplePackages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        cls.packages = {}
        for path in sample_documents.write_documents(cls.tmp):
            with zipfile.ZipFile(path) as z:
                cls.packages[os.path.basename(path)] = {name: z.read(name) for name in z.namelist()}
        # The weld parameter table: a portrait cover and a landscape table
        # section, the one document of the samples with two sections.
        cls.weld_packages = {}
        for sample in sample_documents.sample_projects():
            out = os.path.join(cls.tmp, "welds-" + os.path.splitext(os.path.basename(sample))[0])
            os.makedirs(out)
            result = subprocess.run([os.path.join(sample_documents.BIN, "zelvan-cli"), "welds", sample, "--out-dir", out],
                                    capture_output=True, text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
            if result.returncode != 0:
                raise AssertionError("welds %s failed:\n%s" % (sample, result.stderr))
            for name in os.listdir(out):
                with zipfile.ZipFile(os.path.join(out, name)) as z:
                    cls.weld_packages[name] = {n: z.read(n) for n in z.namelist()}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def xml_parts(self, package):
        for name, data in package.items():
            if name.endswith(".xml") and name.startswith("word/"):
                yield name, etree.fromstring(data)

    def test_property_lists_follow_the_schema_order(self):
        checked = dict.fromkeys(SCHEMA_ORDER, 0)
        for doc, package in list(self.packages.items()) + list(self.weld_packages.items()):
            for name, root in self.xml_parts(package):
                for list_name, order in SCHEMA_ORDER.items():
                    for element in root.iter("{%s}%s" % (W, list_name)):
                        children = [local(c) for c in element if isinstance(c.tag, str)]
                        where = "%s %s <w:%s>: %s" % (doc, name, list_name, children)
                        unknown = [c for c in children if c not in order]
                        self.assertEqual(unknown, [], where)
                        positions = [order.index(c) for c in children]
                        self.assertEqual(positions, sorted(positions), where)
                        self.assertEqual(len(set(children)), len(children), where)
                        checked[list_name] += 1
        # Each kind of list occurs in the documents, so the check saw them.
        for list_name in ("rPr", "pPr", "tcPr", "tblPr", "trPr", "tblBorders", "tblCellMar", "sectPr"):
            self.assertGreater(checked[list_name], 0, list_name)

    def test_sections_end_where_word_expects_them(self):
        self.assertTrue(self.weld_packages)
        for doc, package in self.weld_packages.items():
            body = etree.fromstring(package["word/document.xml"]).find("w:body", NS)
            sections = list(body.iter("{%s}sectPr" % W))
            self.assertEqual(len(sections), 2, doc)
            # A section but the last ends with its last paragraph's mark;
            # the last is the body's last child.
            self.assertEqual([local(a) for a in (sections[0].getparent(), sections[0].getparent().getparent())],
                             ["pPr", "p"], doc)
            self.assertIs(sections[1].getparent(), body, doc)
            self.assertIs(body[-1], sections[1], doc)
            # The page setup comes out of its paragraph's properties last.
            self.assertIs(sections[0].getparent()[-1], sections[0], doc)
            for sect in sections:
                self.assertEqual(sect.find("w:headerReference", NS).get("{%s}id" % R), "rIdHeader", doc)

    def test_rows_span_exactly_the_grid(self):
        tables = 0
        for doc, package in self.packages.items():
            root = etree.fromstring(package["word/document.xml"])
            for tbl in root.iter("{%s}tbl" % W):
                tables += 1
                grid = [int(c.get("{%s}w" % W)) for c in tbl.findall("w:tblGrid/w:gridCol", NS)]
                self.assertTrue(grid, doc)
                for tr in tbl.findall("w:tr", NS):
                    spans, widths = 0, 0
                    for tc in tr.findall("w:tc", NS):
                        span = tc.find("w:tcPr/w:gridSpan", NS)
                        spans += int(span.get("{%s}val" % W)) if span is not None else 1
                        widths += int(tc.find("w:tcPr/w:tcW", NS).get("{%s}w" % W))
                    self.assertEqual(spans, len(grid), "%s: %s" % (doc, text_of(tr)[:40]))
                    self.assertEqual(widths, sum(grid), "%s: %s" % (doc, text_of(tr)[:40]))
        self.assertGreaterEqual(tables, 8)

    def test_relationships_and_content_types_cover_the_package(self):
        for doc, package in self.packages.items():
            types = etree.fromstring(package["[Content_Types].xml"])
            defaults = {d.get("Extension").lower() for d in types.findall("{%s}Default" % CONTENT_TYPES)}
            overrides = {o.get("PartName") for o in types.findall("{%s}Override" % CONTENT_TYPES)}
            for name in package:
                if name == "[Content_Types].xml" or name.endswith("/"):
                    continue
                covered = "/" + name in overrides or name.rsplit(".", 1)[-1].lower() in defaults
                self.assertTrue(covered, "%s: no content type for %s" % (doc, name))
            for part in overrides:
                self.assertIn(part.lstrip("/"), package, doc)

            for rels_name in [n for n in package if n.endswith(".rels")]:
                folder, base = posixpath.split(rels_name)
                source = posixpath.join(posixpath.dirname(folder), base[:-len(".rels")])
                if base != ".rels":
                    self.assertIn(source, package, doc)
                ids = set()
                for rel in etree.fromstring(package[rels_name]).findall("{%s}Relationship" % PKG_RELS):
                    ids.add(rel.get("Id"))
                    if rel.get("TargetMode") == "External":
                        continue
                    target = posixpath.normpath(posixpath.join(posixpath.dirname(source), rel.get("Target")))
                    self.assertIn(target, package, "%s: %s points at a missing part" % (doc, rels_name))
                # Every relationship a part uses is declared for it.
                if base != ".rels":
                    used = set()
                    for element in etree.fromstring(package[source]).iter():
                        for attribute in ("{%s}id" % R, "{%s}embed" % R):
                            if element.get(attribute):
                                used.add(element.get(attribute))
                    self.assertEqual(used - ids, set(), "%s: %s" % (doc, source))

    def test_page_flow_of_titles_captions_and_rows(self):
        for doc, package in self.packages.items():
            root = etree.fromstring(package["word/document.xml"])
            # No row of a few lines breaks across a page. Only a row whose
            # text fills more than a third of a page in the card's text
            # column (about 150 characters) may, so that the title, name row
            # and headings before it are not pushed to a page of their own.
            for tr in root.iter("{%s}tr" % W):
                text = text_of(tr)
                kept = tr.find("w:trPr/w:cantSplit", NS) is not None
                if len(text) <= 140:
                    self.assertTrue(kept, "%s: %s" % (doc, text[:40]))
                elif not kept:
                    self.assertGreaterEqual(len(text), 150, "%s: %s" % (doc, text[:40]))
            # Each card's step table repeats its heading row, its first.
            step_tables = 0
            for tbl in root.iter("{%s}tbl" % W):
                rows = tbl.findall("w:tr", NS)
                texts = [text_of(tc) for tc in rows[0].findall("w:tc", NS)]
                if texts == STEP_HEADING:
                    step_tables += 1
                    self.assertIsNotNone(rows[0].find("w:trPr/w:tblHeader", NS), doc)
                    for row in rows[1:]:
                        self.assertIsNone(row.find("w:trPr/w:tblHeader", NS), doc)
            self.assertEqual(step_tables, 1, doc)
            # Titles and captions stay on the page of what they introduce.
            found = 0
            for p in root.iter("{%s}p" % W):
                if text_of(p) in INTRODUCING:
                    found += 1
                    self.assertIsNotNone(p.find("w:pPr/w:keepNext", NS), "%s: %s" % (doc, text_of(p)))
            self.assertGreaterEqual(found, 2, doc)

    def test_the_page_header_takes_its_style(self):
        for doc, package in self.packages.items():
            header = etree.fromstring(package["word/header1.xml"])
            paragraphs = header.findall("w:p", NS)
            self.assertTrue(text_of(paragraphs[0]), doc)
            for p in paragraphs:
                self.assertEqual(p.find("w:pPr/w:pStyle", NS).get("{%s}val" % W), "Header", doc)
            self.assertEqual(header.findall(".//w:sz", NS), [], doc)
            styles = etree.fromstring(package["word/styles.xml"])
            style = styles.find("w:style[@w:styleId='Header']", NS)
            self.assertEqual(style.find("w:rPr/w:sz", NS).get("{%s}val" % W), "18")  # 9 points
            self.assertEqual(style.find("w:pPr/w:jc", NS).get("{%s}val" % W), "center")
            self.assertEqual(style.find("w:pPr/w:pBdr/w:bottom", NS).get("{%s}val" % W), "single")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
