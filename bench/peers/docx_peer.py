#!/usr/bin/python3
"""Builds the same Word document as ours with python-docx: the peer of the
weld table and of the welding procedure cards.

usage: docx_peer.py SPEC.json OUT.docx

SPEC.json (extract.py) holds what our document holds, block by block. The
document is built as an experienced python-docx user builds it: each table
created once with its whole grid, horizontal merges made first, then the
cells taken once from the table (table._cells) and filled through their
paragraphs and runs; fonts set on the runs; a landscape section with its
page size turned. It reads no project logic, so it is a lower bound of what a
python-docx program of these documents would take.
"""
import json
import sys

from docx import Document
from docx.enum.section import WD_ORIENT, WD_SECTION
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.shared import Pt

ALIGN = {"center": WD_ALIGN_PARAGRAPH.CENTER, "left": WD_ALIGN_PARAGRAPH.LEFT}


def fill(paragraph, spec):
    paragraph.alignment = ALIGN.get(spec["align"], WD_ALIGN_PARAGRAPH.LEFT)
    for text, bold, half_points in spec["runs"]:
        run = paragraph.add_run(text)
        if bold:
            run.bold = True
        if half_points:
            run.font.size = Pt(half_points / 2)


def turn(section, landscape):
    wide = section.page_width > section.page_height
    if landscape != wide:
        section.page_width, section.page_height = section.page_height, section.page_width
    section.orientation = WD_ORIENT.LANDSCAPE if landscape else WD_ORIENT.PORTRAIT


def build(spec, target):
    document = Document()
    document.sections[0].header.paragraphs[0].text = spec["header"]
    body_started = False
    for block in spec["blocks"]:
        if "p" in block:
            p = block["p"]
            paragraph = document.paragraphs[0] if not body_started and document.paragraphs else document.add_paragraph()
            body_started = True
            fill(paragraph, p)
            if p["section_break"] is not None:
                # The section ending here has its own page setup; the next one
                # starts on a new page.
                turn(document.sections[-1], p["section_break"])
                document.add_section(WD_SECTION.NEW_PAGE)
            continue
        t = block["t"]
        body_started = True
        table = document.add_table(rows=len(t["rows"]), cols=t["grid"])
        table.style = "Table Grid"
        width = t["grid"]
        # The grid is taken once before the merges (a merge works on the two
        # cells' own elements) and once after them, never row by row: each
        # row's .cells walks the whole table.
        grid = table._cells
        for r, cells in enumerate(t["rows"]):
            column = 0
            for cell in cells:
                if cell["span"] > 1:
                    grid[r * width + column].merge(grid[r * width + column + cell["span"] - 1])
                column += cell["span"]
        if any(cell["span"] > 1 for cells in t["rows"] for cell in cells):
            grid = table._cells
        for r, cells in enumerate(t["rows"]):
            column = 0
            for cell in cells:
                target_cell = grid[r * width + column]
                paragraphs = cell["paragraphs"]
                if paragraphs:
                    fill(target_cell.paragraphs[0], paragraphs[0])
                    for more in paragraphs[1:]:
                        fill(target_cell.add_paragraph(), more)
                column += cell["span"]
    turn(document.sections[-1], spec["last_landscape"])
    document.save(target)


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        spec = json.load(source)
    build(spec, sys.argv[2])


if __name__ == "__main__":
    main()
