#!/usr/bin/python3
"""Every Word document written for the sample projects, printed by LibreOffice.

LibreOffice converts each document to PDF headless (with a profile of its
own, so runs side by side do not share one); pdftotext reads the pages back.
The pages must be there in a plausible number, carry the page header at its
9-point style, show the short step-table headings whole on one line (a
column that wraps them prints a character per line), repeat that heading row
on every page of a step table, and never end a page with a title or caption.
The weld table and the parts list print every number, material and size of
the samples whole on one line; the welding procedure cards every label of
their form and every short value; the certificate each of its four blocks
once, each line of the characteristics on one line.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sample_documents  # noqa: E402

# The step heading rows: the head and shell cards', and the other cards'.
HEADINGS = [["序号", "名称", "工序内容及要求", "负责工位", "检查", "检验员"],
            ["序号", "名称", "工序内容、要求", "负责工位", "检查", "检查人"]]
SHORT_HEADINGS = ["序号", "名称", "检查", "检验员", "负责工位"]
# Paragraphs that introduce what follows them.
INTRODUCING = {"压力容器技术特性", "产品制作工序", "容器生产过程卡(封头)", "容器生产过程卡(筒体)", "简图如下"}
HEADING_LINE = re.compile("|".join(r"\s+".join(map(re.escape, row)) for row in HEADINGS))
# The assembly card's steps after its picture stand in a table without
# heading row: a page it runs onto starts with one of those steps.
HEADLESS_STEP = re.compile(r"^\s*1[2-8]\s")
# Columns of the weld table and the parts list (as the project stores them)
# whose texts are one word or a short number: each must print unbroken.
WHOLE_COLUMNS = {"welds": (0, 3, 7, 8, 9, 10, 13, 15), "parts": (0, 6, 7, 8)}
# The welding procedure card's labels.
CARD_LABELS = ["编号", "工艺评定号", "焊接方法", "接头形式", "材质", "壁厚", "焊接位置", "坡口形式", "电流特性",
               "无损检测", "检验类型", "检验标准", "检验比例", "合格级别", "焊材牌号规格", "烘干要求",
               "焊接程序及规范", "层数", "直径", "电流(A)", "电压(V)", "速度(m/h)", "其它", "外观要求", "备注",
               "编制", "审核", "日期"]


def office():
    for name in ("libreoffice", "soffice"):
        path = shutil.which(name)
        if path:
            return path
    return None


def run(*args, timeout=600):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=timeout)


class LibreOfficeConversion(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        cls.documents = sample_documents.write_documents(cls.tmp)
        cls.lists = sample_documents.write_lists(cls.tmp)
        cls.cards = sample_documents.write_lists(cls.tmp, (("welding-cards", "welding_cards"),), "cards-")
        cls.certificates = sample_documents.write_lists(cls.tmp, (("certificate", None),), "certificate-")
        cls.office = office()
        cls.converted = None
        if cls.office is None:
            return
        pdf_dir = os.path.join(cls.tmp, "pdf")
        profile = "file://" + os.path.join(cls.tmp, "profile")
        cls.converted = run(cls.office, "-env:UserInstallation=" + profile, "--headless", "--norestore",
                            "--convert-to", "pdf", "--outdir", pdf_dir, *cls.documents, *cls.lists, *cls.cards, *cls.certificates)
        cls.pdfs = {doc: os.path.join(pdf_dir, os.path.splitext(os.path.basename(doc))[0] + ".pdf")
                    for doc in [*cls.documents, *cls.lists, *cls.cards, *cls.certificates]}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def setUp(self):
        # Never skipped: a machine without LibreOffice fails the check.
        self.assertIsNotNone(self.office, "LibreOffice is not installed (scripts/install-deps installs it)")
        self.assertEqual(self.converted.returncode, 0, self.converted.stderr)

    def pages(self, doc):
        result = run("pdftotext", "-layout", self.pdfs[doc], "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        return [page for page in result.stdout.split("\f") if page.strip()]

    def test_every_document_converts_to_a_plausible_number_of_pages(self):
        self.assertEqual(len(self.documents), 4)
        for doc in self.documents:
            self.assertTrue(os.path.isfile(self.pdfs[doc]), "%s was not converted:\n%s" % (doc, self.converted.stdout))
            info = run("pdfinfo", self.pdfs[doc])
            self.assertEqual(info.returncode, 0, info.stderr)
            pages = int(re.search(r"^Pages:\s+(\d+)", info.stdout, re.M).group(1))
            # A cover, a card of a few pages (and in the full file the
            # characteristics, the process diagram and five more cards):
            # more than two, far fewer than a page per step.
            self.assertGreaterEqual(pages, 3, doc)
            self.assertLessEqual(pages, 16, doc)
            self.assertEqual(len(self.pages(doc)), pages, doc)

    def test_short_headings_print_whole_and_repeat_on_every_page_of_the_steps(self):
        for doc in self.documents:
            pages = self.pages(doc)
            lines = [line for page in pages for line in page.splitlines()]
            for word in SHORT_HEADINGS:
                self.assertTrue(any(word in line for line in lines), "%s: %s is not whole on one line" % (doc, word))
            with_heading = [i for i, page in enumerate(pages) if HEADING_LINE.search(page)]
            self.assertTrue(with_heading, "%s: no step heading row on one line" % doc)
            self.assertGreaterEqual(len(with_heading), 2, doc)
            # From the first card's first page on, every page shows a heading
            # row whole, unless it goes on with the steps of a table that
            # has none; then it starts with such a step, never with a row
            # repeated from the page before.
            for i in range(with_heading[0], len(pages)):
                if i in with_heading:
                    continue
                body = [line for line in pages[i].splitlines() if line.strip()][1:]
                self.assertTrue(body and HEADLESS_STEP.match(body[0]),
                                "%s page %d: no heading row on one line" % (doc, i + 1))
            # No page ends with a card's title, its name row or a heading
            # row: what introduces the steps stays with the first of them.
            for i, page in enumerate(pages):
                last = [line.strip() for line in page.splitlines() if line.strip()][-1]
                self.assertFalse(last.startswith("容器生产过程卡") or last.startswith("容器名称")
                                 or HEADING_LINE.search(last),
                                 "%s page %d ends with %r" % (doc, i + 1, last))
            # The assembly card's steps 12 to 18 (the accessory card before it
            # numbers its parts, so counting starts at the assembly title).
            assembly = next((i for i, line in enumerate(lines) if "容器生产过程卡(总装)" in line), len(lines))
            for number in range(12, 19):
                starts = [line for line in lines[assembly:] if re.match(r"^\s*%d\s" % number, line)]
                self.assertLessEqual(len(starts), 1, "%s: step %d printed twice" % (doc, number))
            # A fitted column never prints a character a line: no line of the
            # steps ends in a word of one character cut from its cell.
            for line in (line for page in pages[with_heading[0]:] for line in page.splitlines()):
                if re.search(r"\S\s{2,}\D$", line):
                    self.fail("%s: a column wraps a character a line: %r" % (doc, line))

    def test_list_values_print_whole(self):
        self.assertEqual(len(self.lists), 4)
        for doc, (sample, table) in self.lists.items():
            result = sample_documents.run_cli("to-json", sample)
            self.assertEqual(result.returncode, 0, result.stderr)
            rows = json.loads(result.stdout)["tables"][table]["rows"]
            self.assertTrue(rows, sample)
            printed = {text for _, words in self.words(doc) for _, _, text in words}
            for row in rows:
                for column in WHOLE_COLUMNS[table]:
                    if row[column]:
                        self.assertIn(row[column], printed, "%s: %r broken over lines" % (doc, row[column]))

    def test_welding_card_labels_and_short_values_print_whole(self):
        self.assertEqual(len(self.cards), 2)
        for doc, (sample, _) in self.cards.items():
            result = sample_documents.run_cli("to-json", sample)
            self.assertEqual(result.returncode, 0, result.stderr)
            tables = json.loads(result.stdout)["tables"]
            printed = self.phrases(doc)
            # The form's labels, each in a sixth of the page or more.
            for label in CARD_LABELS:
                self.assertTrue(any(label in p for p in printed), "%s: label %r broken over lines" % (doc, label))
            # Card number, qualification, material, thickness, ratio, grade;
            # every welding parameter.
            values = [row[c] for row in tables["welding_cards"]["rows"] for c in (0, 1, 4, 5, 13, 14)]
            values += [v for row in tables["card_parameters"]["rows"] if row[0] for v in row[1:]]
            self.assertTrue(values, sample)
            for value in values:
                if value:
                    self.assertTrue(any(value in p for p in printed), "%s: %r broken over lines" % (doc, value))

    def test_certificate_prints_each_block_once_in_two_pages(self):
        self.assertEqual(len(self.certificates), 2)
        for doc in self.certificates:
            pages = self.pages(doc)
            self.assertLessEqual(len(pages), 2, doc)
            text = "\n".join(pages)
            for heading in ("技术参数", "压力试验", "无损检测", "施工依据"):
                self.assertEqual(len(re.findall(r"^\s*%s\s" % heading, text, re.M)), 1, "%s: %s" % (doc, heading))
            # Each line of the characteristics on one line of the page.
            self.assertRegex(text, r"设 计 压 力：壳程\(壳体\) +\S+ MPa +管程\(夹套\) +\S+ +MPa", doc)

    def boxes(self, doc):
        """Per page: its height and its words as (left, top, right, bottom, text)."""
        result = run("pdftotext", "-bbox", self.pdfs[doc], "-")
        self.assertEqual(result.returncode, 0, result.stderr)
        pages = []
        for page in re.finditer(r'<page width="[\d.]+" height="([\d.]+)">(.*?)</page>', result.stdout, re.S):
            words = [(float(m.group(1)), float(m.group(2)), float(m.group(3)), float(m.group(4)), m.group(5))
                     for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">'
                                          r'([^<]*)</word>', page.group(2))]
            pages.append((float(page.group(1)), words))
        return pages

    def words(self, doc):
        """Per page: its height and its words as (top, bottom, text)."""
        return [(height, [(top, bottom, text) for _, top, _, bottom, text in words])
                for height, words in self.boxes(doc)]

    def phrases(self, doc):
        """The runs of words one line prints without a cell edge between
        them: "III" and "级" stand 2.4 pt apart (Latin and CJK are drawn in
        two fonts), cells at least two margins of 2.85 pt and a rule."""
        phrases = set()
        for _, words in self.boxes(doc):
            lines = {}
            for left, top, right, _, text in words:
                lines.setdefault(round(top), []).append((left, right, text))
            for line in lines.values():
                line.sort()
                phrase, end = "", None
                for left, right, text in line:
                    if end is not None and left - end >= 4:
                        phrases.add(phrase)
                        phrase = ""
                    phrase, end = phrase + text, right
                phrases.add(phrase)
        return phrases

    def test_no_title_or_caption_is_left_at_the_foot_of_a_page(self):
        for doc in self.documents:
            for number, (height, words) in enumerate(self.words(doc), 1):
                # The last line of text (a picture may follow it: then it
                # stands high on the page, not at its foot).
                top = max(word[0] for word in words)
                last = "".join(word[2] for word in words if word[0] > top - 2)
                if last in INTRODUCING:
                    self.assertLess(top, height * 0.7, "%s page %d ends with %s" % (doc, number, last))

    def test_the_page_header_is_on_every_page_at_nine_points(self):
        for doc in self.documents:
            pages = self.pages(doc)
            company = pages[0].strip().splitlines()[0].strip()
            self.assertTrue(company, doc)
            for page in pages:
                self.assertEqual(page.strip().splitlines()[0].strip(), company, doc)
            # The header's height against the step headings' (12 points).
            heights = {}
            for _, words in self.words(doc):
                for top, bottom, text in words:
                    heights.setdefault(text, bottom - top)
            self.assertTrue(company in heights and "序号" in heights, "%s: header or heading not found" % doc)
            self.assertAlmostEqual(heights[company] / heights["序号"], 9 / 12, delta=0.03, msg=doc)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
