#!/usr/bin/python3
"""Hostile project content through every generator of zelvan-cli.

Control characters, texts far over 65,534 bytes, characters GBK cannot
hold, names with path separators and counts such as "-5", "2abc" and
"999999999999" go in through the JSON bridge (or a project file written by
hand). Every run either writes files that readers we did not write take
without complaint (ezdxf's audit for the layout drawing, python-docx and an
XML parser for the Word files) or refuses with a message on standard error,
a non-zero exit and nothing written.
"""
import json
import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile
import xml.dom.minidom

import docx
import ezdxf
from PIL import Image

BIN = os.environ["ZELVAN_BIN_DIR"]
CONTROL = "".join(chr(c) for c in range(1, 32)) + "\x7f"
LONG = "长" * 40000 + "x" * 100  # 80,100 GBK bytes: the 32-bit length form


def encode_text(text):
    """One text of the project file in the form the program writes."""
    n = len(text)
    if n < 0xFF:
        return bytes([n]) + text
    if n < 0xFFFE:
        return b"\xff" + n.to_bytes(2, "little") + text
    return b"\xff\xff\xff" + n.to_bytes(4, "little") + text


class HostileOutputs(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        program = os.path.join(cls.tmp, "program")
        for sub in ("工序图", "pics", "封头图"):
            os.makedirs(os.path.join(program, sub))
        for name in ("zelvan-cli", "libCadIO.so"):
            shutil.copy(os.path.join(BIN, name), os.path.join(program, name))
        cls.cli = os.path.join(program, "zelvan-cli")
        with open(os.path.join(program, "标准及规范.txt"), "wb") as f:
            f.write("GB150-1998钢制压力容器\r\nJB/T4710-2005钢制塔式容器\r\n".encode("gbk"))
        with open(os.path.join(program, "工序图", "工序图列表.txt"), "wb") as f:
            f.write("支座式\r\n鞍座式\r\n".encode("gbk"))
        Image.new("RGB", (400, 120), (220, 220, 255)).save(os.path.join(program, "工序图", "工序图-鞍座式.JPG"), "JPEG")
        Image.new("RGB", (200, 100), (200, 200, 200)).save(os.path.join(program, "封头图", "椭圆封头图.JPG"), "JPEG")
        for name in ("接管法兰预制.JPG", "补强圈预制.JPG", "总装.JPG"):
            shutil.copy(os.path.join(BIN, "pics", name), os.path.join(program, "pics", name))
        empty = os.path.join(cls.tmp, "empty.pcp")
        open(empty, "wb").close()
        cls.base = json.loads(cls.run_cli("to-json", empty).stdout)
        cls.count = 0

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @classmethod
    def run_cli(cls, *args):
        return subprocess.run([cls.cli, *args], capture_output=True,
                              env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), timeout=240)

    # A vertical vessel both generators accept, changed by `edit`.
    def project_json(self, edit=None):
        data = json.loads(json.dumps(self.base))
        data["company"] = {"name": "岳川压力容器厂", "licence": "TS2210000"}
        data["fields"].update({"2": self.tmp + "/", "3": "P1", "9": "0", "10": "储罐", "11": "CP-7", "12": "TU-1",
                               "13": "二类", "55": "椭圆封头", "57": "1000"})
        data["process_card"].update({"P1": "1000", "P2": "10", "P3": "4000", "P9": "2.0", "P11": "RT",
                                     "P12": "20%", "P14": "III级", "P18": "按图施工", "P20": "鞍座式"})
        data["process_card"]["S"] = ["0", "1"] + [""] * 98
        tables = data["tables"]
        tables["shell_courses"] = {"count": "2", "rows": [["1", "筒节", "2000", "10", "1000", "Q345R"],
                                                          ["2", "筒节", "2000", "10", "1000", "Q345R"]]}
        tables["plates"] = {"count": "1", "rows": [["1", "Q345R", "H1", "6000", "2000", "10", "1"]]}
        tables["nozzles"] = {"count": "1", "rows": [["N1", "接管", "1", "100", "筒节段", "一轴内400", "1000",
                                                     "", "", "108", "", "", "", ""]]}
        if edit:
            edit(data)
        return data

    def save_project(self, data):
        HostileOutputs.count += 1
        source = os.path.join(self.tmp, "p%d.json" % self.count)
        with open(source, "w", encoding="utf-8") as f:
            json.dump(data, f, ensure_ascii=False)
        path = os.path.join(self.tmp, "p%d.pcp" % self.count)
        return path, self.run_cli("from-json", source, path)

    def generate(self, data):
        """Saves the project and runs both generators into a fresh folder.
        Returns {command: (result, files written)}."""
        path, saved = self.save_project(data)
        self.assertEqual(saved.returncode, 0, saved.stderr.decode("utf-8", "replace"))
        runs = {}
        for command in ("layout", "process-file"):
            out = tempfile.mkdtemp(dir=self.tmp)
            result = self.run_cli(command, path, "--out-dir", out)
            runs[command] = (result, sorted(os.listdir(out)))
            runs[command + " folder"] = out
        return runs

    def assert_valid_dxf(self, path, expected_texts=()):
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        self.assertFalse(auditor.has_errors, [str(e) for e in auditor.errors])
        texts = [e.dxf.text for e in doc.modelspace().query("TEXT MTEXT")]
        self.assertTrue(texts)
        for text in texts:
            for c in text:
                self.assertFalse(ord(c) < 32 or ord(c) == 0x7f, "control character %r in %r" % (c, text[:40]))
        joined = "\n".join(texts)
        for expected in expected_texts:
            self.assertIn(expected, joined)
        return texts

    def assert_valid_docx(self, path, expected_texts=()):
        with zipfile.ZipFile(path) as z:
            self.assertIsNone(z.testzip())
            for name in z.namelist():
                if name.endswith(".xml") or name.endswith(".rels"):
                    xml.dom.minidom.parseString(z.read(name))  # well formed or raises
        document = docx.Document(path)
        texts = [p.text for p in document.paragraphs]
        for table in document.tables:
            for row in table.rows:
                for cell in row.cells:
                    texts.append(cell.text)
        joined = "\n".join(texts)
        for expected in expected_texts:
            self.assertIn(expected, joined)

    def assert_generated(self, runs, dxf_texts=(), docx_texts=()):
        layout, layout_files = runs["layout"]
        self.assertEqual(layout.returncode, 0, layout.stderr.decode("utf-8", "replace"))
        self.assertEqual(layout_files, ["P1-储罐-排版图.dxf"])
        self.assert_valid_dxf(os.path.join(runs["layout folder"], "P1-储罐-排版图.dxf"), dxf_texts)
        word, word_files = runs["process-file"]
        self.assertEqual(word.returncode, 0, word.stderr.decode("utf-8", "replace"))
        self.assertEqual(word_files, ["P1-储罐-产品工艺文件-筒体部分.doc", "P1-储罐-产品工艺文件.doc"])
        for name in word_files:
            # The shell part carries no remarks or design data: the texts are
            # looked for in the full file only.
            full = name == "P1-储罐-产品工艺文件.doc"
            self.assert_valid_docx(os.path.join(runs["process-file folder"], name), docx_texts if full else ())

    def assert_refused(self, runs, command, message):
        result, files = runs[command]
        self.assertNotEqual(result.returncode, 0)
        self.assertIn(message, result.stderr.decode("utf-8", "replace"))
        self.assertEqual(files, [])

    def test_control_characters_in_every_kind_of_text(self):
        def edit(data):
            data["company"]["name"] = "岳川" + CONTROL + "厂"
            data["fields"]["12"] = "TU" + CONTROL + "1"
            data["fields"]["17"] = "设计" + CONTROL
            data["process_card"]["P18"] = "第一行\r\n第二行\t" + CONTROL + "<w:p>&amp;]]>"
            data["process_card"]["P12"] = "20%\n"
            data["tables"]["plates"]["rows"][0][1] = "Q345R\r\n0\nSECTION"
            data["tables"]["plates"]["rows"][0][2] = "H1\n  0\nEOF\n"
            data["tables"]["nozzles"]["rows"][0][0] = "N1\x00\x1b"
        runs = self.generate(self.project_json(edit))
        self.assert_generated(runs, dxf_texts=["EOF", "SECTION"], docx_texts=["第一行", "第二行", "<w:p>&amp;]]>"])
        keep = os.environ.get("ZELVAN_KEEP_DIR")
        if keep:  # for looking at the drawing and the document by eye
            shutil.copytree(runs["layout folder"], os.path.join(keep, "layout"), dirs_exist_ok=True)
            shutil.copytree(runs["process-file folder"], os.path.join(keep, "process-file"), dirs_exist_ok=True)

    def test_texts_over_65534_bytes(self):
        def edit(data):
            data["company"]["name"] = LONG
            data["fields"]["12"] = LONG
            data["fields"]["17"] = LONG
            data["process_card"]["P18"] = LONG
            data["tables"]["plates"]["rows"][0][2] = LONG
            data["tables"]["nozzles"]["rows"][0][1] = LONG
        path, saved = self.save_project(self.project_json(edit))
        self.assertEqual(saved.returncode, 0)
        # The 32-bit length form is in the file, and it reads back whole.
        with open(path, "rb") as f:
            self.assertIn(b"\xff\xff\xff" + len(LONG.encode("gbk")).to_bytes(4, "little"), f.read())
        back = json.loads(self.run_cli("to-json", path).stdout)
        self.assertEqual(back["process_card"]["P18"], LONG)
        runs = self.generate(self.project_json(edit))
        self.assert_generated(runs, docx_texts=[LONG])

    def test_characters_outside_gbk_are_refused_by_the_bridge(self):
        for text in ("储罐😀", "\U0001F4A9", "€ and ™ and 🎉"):
            path, saved = self.save_project(self.project_json(lambda d: d["process_card"].update({"P18": text})))
            self.assertNotEqual(saved.returncode, 0)
            self.assertIn("GBK", saved.stderr.decode("utf-8", "replace"))
            self.assertFalse(os.path.exists(path))

    def test_names_with_path_separators_are_refused_with_nothing_written(self):
        cases = [("3", "../evil", "/"), ("3", "a\\b", "\\"), ("10", "储/罐", "/"), ("10", "..", ".."),
                 ("10", "x:y", ":"), ("3", "a\tb", "\\x09")]
        for field, name, shown in cases:
            before = sorted(os.listdir(self.tmp))
            runs = self.generate(self.project_json(lambda d: d["fields"].update({field: name})))
            which = "项目名称" if field == "3" else "容器名称"
            message = "%s中含有不能用于文件名的字符“%s”，无法生成文件！" % (which, shown)
            self.assert_refused(runs, "layout", message)
            self.assert_refused(runs, "process-file", message)
            # Nothing appeared beside or above the output folder either.
            after = set(os.listdir(self.tmp)) - set(before)
            self.assertTrue(all(n.startswith("p") or n.startswith("tmp") for n in after), after)
            self.assertFalse(os.path.exists(os.path.join(os.path.dirname(self.tmp), "evil-储罐-排版图.dxf")))

    def test_counts_negative_odd_and_huge(self):
        # "-5" plates: no rows, the layout stops at its plate message; the
        # process file does not need plates.
        runs = self.generate(self.project_json(lambda d: d["tables"].update({"plates": {"count": "-5", "rows": []}})))
        self.assert_refused(runs, "layout", "板材数为零，无法生成排版图！")
        self.assertEqual(runs["process-file"][0].returncode, 0)
        # "2abc" courses: two rows, a normal drawing.
        def odd(data):
            data["tables"]["shell_courses"]["count"] = "2abc"
        self.assert_generated(self.generate(self.project_json(odd)))
        # "999999999999": the bridge refuses it, nothing is written.
        for table in ("shell_courses", "nozzles", "plates"):
            path, saved = self.save_project(self.project_json(
                lambda d: d["tables"].update({table: {"count": "999999999999", "rows": []}})))
            self.assertNotEqual(saved.returncode, 0)
            self.assertIn("tables.%s.count" % table, saved.stderr.decode("utf-8", "replace"))
            self.assertFalse(os.path.exists(path))

    def test_huge_count_in_a_project_file_is_refused_by_every_command(self):
        texts = [b""] * 66 + [b"999999999999"] + [b""] * (4 + 10 + 100 + 9 + 4 + 4 + 1)
        path = os.path.join(self.tmp, "huge-count.pcp")
        with open(path, "wb") as f:
            f.write(b"".join(encode_text(t) for t in texts))
        out = tempfile.mkdtemp(dir=self.tmp)
        for args in (("to-json", path), ("layout", path, "--out-dir", out), ("process-file", path, "--out-dir", out)):
            result = self.run_cli(*args)
            self.assertNotEqual(result.returncode, 0, args)
            self.assertIn("非预期的文件格式。", result.stderr.decode("utf-8"), args)
        self.assertEqual(os.listdir(out), [])

    def test_a_truncated_project_file_is_refused_by_every_command(self):
        path, saved = self.save_project(self.project_json())
        self.assertEqual(saved.returncode, 0)
        with open(path, "rb") as f:
            data = f.read()
        out = tempfile.mkdtemp(dir=self.tmp)
        for cut in (1, len(data) // 2, len(data) - 1):
            cut_path = os.path.join(self.tmp, "cut-%d.pcp" % cut)
            with open(cut_path, "wb") as f:
                f.write(data[:cut])
            for command in ("layout", "process-file"):
                result = self.run_cli(command, cut_path, "--out-dir", out)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("非预期的文件格式。", result.stderr.decode("utf-8"))
        self.assertEqual(os.listdir(out), [])

    def test_from_json_into_a_directory_keeps_it(self):
        target = os.path.join(self.tmp, "taken.pcp")
        os.makedirs(os.path.join(target, "inside"))
        source = os.path.join(self.tmp, "ok.json")
        with open(source, "w", encoding="utf-8") as f:
            json.dump(self.project_json(), f, ensure_ascii=False)
        result = self.run_cli("from-json", source, target)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("对 %s 的存取被拒绝。" % target, result.stderr.decode("utf-8"))
        self.assertEqual(os.listdir(target), ["inside"])


if __name__ == "__main__":
    unittest.main()
