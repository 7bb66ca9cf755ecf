"""Writes the Word documents of the sample projects with the batch tool.

Shared by the tests that read those documents with lxml and LibreOffice.
"""
import glob
import os
import subprocess

BIN = os.environ["ZELVAN_BIN_DIR"]
SOURCE = os.environ["ZELVAN_SOURCE_DIR"]


def sample_projects():
    samples = sorted(glob.glob(os.path.join(SOURCE, "samples", "*.pcp")))
    if len(samples) < 2:
        raise AssertionError("the two sample projects are missing from samples/")
    return samples


def run_cli(*args):
    return subprocess.run([os.path.join(BIN, "zelvan-cli"), *args], capture_output=True, text=True,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))


def write_lists(out_dir, commands=(("welds", "welds"), ("parts", "parts")), prefix="lists-"):
    """Runs each (command, table) of `commands` for every sample ("welds" and
    "parts" unless given); returns {document: (sample, table)}."""
    lists = {}
    for sample in sample_projects():
        target = os.path.join(out_dir, prefix + os.path.splitext(os.path.basename(sample))[0])
        os.makedirs(target)
        for command, table in commands:
            before = set(glob.glob(os.path.join(target, "*.doc")))
            result = run_cli(command, sample, "--out-dir", target)
            written = set(glob.glob(os.path.join(target, "*.doc"))) - before
            if result.returncode != 0 or len(written) != 1:
                raise AssertionError("%s %s failed (%s):\n%s" % (command, sample, written, result.stderr))
            lists[written.pop()] = (sample, table)
    return lists


def write_documents(out_dir):
    """Runs "process-file" for every sample; returns the documents written."""
    documents = []
    for sample in sample_projects():
        target = os.path.join(out_dir, os.path.splitext(os.path.basename(sample))[0])
        os.makedirs(target)
        result = run_cli("process-file", sample, "--out-dir", target)
        if result.returncode != 0:
            raise AssertionError("process-file %s failed:\n%s" % (sample, result.stderr))
        written = sorted(glob.glob(os.path.join(target, "*.doc")))
        if len(written) != 2:
            raise AssertionError("process-file %s wrote %s" % (sample, written))
        documents += written
    return documents
