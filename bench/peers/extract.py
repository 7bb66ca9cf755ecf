#!/usr/bin/python3
"""Describes one of our outputs as plain data for a peer to build again.

usage: extract.py docx OUR.doc OUT.json
       extract.py dxf OUR.dxf OUT.json

Run before the peers are timed (not part of their time). The Word form lists
the body's blocks in order: paragraphs (alignment, runs with text, bold and
size in half points, the section break they carry) and tables (grid columns,
rows of cells with their grid span and paragraphs), and the page header's
text. The DXF form lists the layers, linetypes, text styles and dimension
styles, then every model-space entity (LINE, CIRCLE, TEXT, DIMENSION with its
definition points, measurement text and style).
"""
import json
import sys
import zipfile

W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"


def docx_spec(path):
    from lxml import etree

    with zipfile.ZipFile(path) as z:
        body = etree.fromstring(z.read("word/document.xml")).find(W + "body")
        header = etree.fromstring(z.read("word/header1.xml"))

    def runs_of(p):
        runs = []
        for r in p.iter(W + "r"):
            text = []
            for child in r:
                if child.tag == W + "t":
                    text.append(child.text or "")
                elif child.tag == W + "tab":
                    text.append("\t")
                elif child.tag == W + "br":
                    text.append("\n")
            rpr = r.find(W + "rPr")
            bold = rpr is not None and rpr.find(W + "b") is not None
            sz = rpr.find(W + "sz") if rpr is not None else None
            runs.append(["".join(text), bold, int(sz.get(W + "val")) if sz is not None else 0])
        return runs

    def paragraph(p):
        ppr = p.find(W + "pPr")
        jc = ppr.find(W + "jc") if ppr is not None else None
        sect = ppr.find(W + "sectPr") if ppr is not None else None
        landscape = None
        if sect is not None:
            landscape = sect.find(W + "pgSz").get(W + "orient") == "landscape"
        return {"align": jc.get(W + "val") if jc is not None else "left", "runs": runs_of(p), "section_break": landscape}

    blocks = []
    for child in body:
        if child.tag == W + "p":
            blocks.append({"p": paragraph(child)})
        elif child.tag == W + "tbl":
            grid = len(child.find(W + "tblGrid"))
            rows = []
            for tr in child.findall(W + "tr"):
                cells = []
                for tc in tr.findall(W + "tc"):
                    span = tc.find(W + "tcPr/" + W + "gridSpan")
                    cells.append({"span": int(span.get(W + "val")) if span is not None else 1,
                                  "paragraphs": [paragraph(p) for p in tc.findall(W + "p")]})
                rows.append(cells)
            blocks.append({"t": {"grid": grid, "rows": rows}})
    last = body.find(W + "sectPr/" + W + "pgSz")
    return {"blocks": blocks, "last_landscape": last.get(W + "orient") == "landscape",
            "header": "".join(t.text or "" for t in header.iter(W + "t"))}


def dxf_spec(path):
    import ezdxf

    doc = ezdxf.readfile(path)
    spec = {
        "linetypes": [[lt.dxf.name, lt.dxf.description, [float(x) for x in lt.pattern_tags.tags.get_pattern()] if hasattr(lt, "pattern_tags") else []]
                      for lt in doc.linetypes if lt.dxf.name.lower() not in ("bylayer", "byblock", "continuous")],
        "layers": [[l.dxf.name, l.dxf.color, l.dxf.linetype] for l in doc.layers if l.dxf.name not in ("0", "Defpoints")],
        "styles": [[s.dxf.name, s.dxf.font, s.dxf.get("bigfont", ""), s.dxf.height, s.dxf.width] for s in doc.styles if s.dxf.name != "Standard"],
        "dimstyles": [[d.dxf.name, d.dxf.get("dimtxt", 2.5), d.dxf.get("dimasz", 2.5), d.dxf.get("dimtxsty", "Standard")]
                      for d in doc.dimstyles if d.dxf.name != "Standard"],
        "entities": [],
    }
    for e in doc.modelspace():
        kind = e.dxftype()
        layer = e.dxf.layer
        if kind == "LINE":
            spec["entities"].append(["L", layer, list(e.dxf.start)[:2], list(e.dxf.end)[:2]])
        elif kind == "CIRCLE":
            spec["entities"].append(["C", layer, list(e.dxf.center)[:2], e.dxf.radius])
        elif kind == "TEXT":
            spec["entities"].append(["T", layer, e.dxf.text, list(e.dxf.insert)[:2], e.dxf.height, e.dxf.rotation, e.dxf.style])
        elif kind == "DIMENSION":
            spec["entities"].append(["D", layer, list(e.dxf.defpoint2)[:2], list(e.dxf.defpoint3)[:2], list(e.dxf.defpoint)[:2],
                                     e.dxf.get("angle", 0.0), e.dxf.get("text", ""), e.dxf.dimstyle])
    return spec


def main():
    kind, source, target = sys.argv[1:4]
    spec = docx_spec(source) if kind == "docx" else dxf_spec(source)
    with open(target, "w", encoding="utf-8") as out:
        json.dump(spec, out, ensure_ascii=False)


if __name__ == "__main__":
    main()
