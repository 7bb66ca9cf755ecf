"""The base of the document tests that drive zelvan-cli: a scratch folder
for the class and the empty project's JSON form to build projects from."""
import json
import os
import shutil
import subprocess
import tempfile
import unittest

BIN = os.environ["ZELVAN_BIN_DIR"]
CLI = os.path.join(BIN, "zelvan-cli")


class CliProjectCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        empty = os.path.join(cls.tmp, "empty.pcp")
        open(empty, "wb").close()
        cls.base = json.loads(cls.run_cli("to-json", empty).stdout)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @classmethod
    def run_cli(cls, *args):
        return subprocess.run([CLI, *args], capture_output=True, text=True,
                              env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
