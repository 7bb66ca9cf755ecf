#!/usr/bin/python3
"""Builds the same layout drawing as ours with ezdxf: the peer of the layout
drawing.

usage: layout_peer.py SPEC.json OUT.dxf

SPEC.json (extract.py) holds our drawing's layers, text styles, dimension
style and every model-space entity. The drawing is written as DXF R2000 in
GBK (code page ANSI_936), the entities added straight to the model space,
each linear dimension rendered once into its own block (as ours carries),
then saved. It reads no project logic, so it is a lower bound of what an
ezdxf program of this drawing would take.
"""
import json
import sys

import ezdxf


def build(spec, target):
    doc = ezdxf.new("R2000", setup=False)
    doc.encoding = "gbk"  # writes $DWGCODEPAGE ANSI_936
    for name, color, linetype in spec["layers"]:
        doc.layers.add(name, color=color, linetype=linetype)
    for name, font, bigfont, height, width in spec["styles"]:
        style = doc.styles.add(name, font=font)
        style.dxf.height = height
        style.dxf.width = width
        if bigfont:
            style.dxf.bigfont = bigfont
    for name, text_height, arrow_size, text_style in spec["dimstyles"]:
        doc.dimstyles.new(name, dxfattribs={"dimtxt": text_height, "dimasz": arrow_size, "dimtxsty": text_style})
    msp = doc.modelspace()
    add_line, add_circle, add_text = msp.add_line, msp.add_circle, msp.add_text
    for e in spec["entities"]:
        kind = e[0]
        if kind == "L":
            add_line(e[2], e[3], dxfattribs={"layer": e[1]})
        elif kind == "C":
            add_circle(e[2], e[3], dxfattribs={"layer": e[1]})
        elif kind == "T":
            add_text(e[2], dxfattribs={"layer": e[1], "insert": e[3], "height": e[4], "rotation": e[5], "style": e[6]})
        elif kind == "D":
            _, layer, p1, p2, base, angle, text, dimstyle = e
            msp.add_linear_dim(base=base, p1=p1, p2=p2, angle=angle, text=text or "<>", dimstyle=dimstyle,
                               dxfattribs={"layer": layer}).render()
    doc.saveas(target)


def main():
    with open(sys.argv[1], encoding="utf-8") as source:
        spec = json.load(source)
    build(spec, sys.argv[2])


if __name__ == "__main__":
    main()
