"""The pictures the process file inserts, read by python-docx as a word
processor reads them: the stored density must print each one within the
15 cm of a card's table, and every process diagram named by the list file
must be a JPEG a document can embed."""
import os
import sys

from docx import Document
from docx.image.image import Image
from docx.shared import Cm

BIN = os.environ["ZELVAN_BIN_DIR"]


def pictures():
    with open(os.path.join(BIN, "工序图", "工序图列表.txt"), "rb") as listing:
        forms = [line.strip().decode("gbk") for line in listing if line.strip()]
    names = [os.path.join("工序图", "工序图-%s.JPG" % form) for form in forms]
    names += [os.path.join("封头图", n) for n in ("椭圆封头图.JPG", "锥形封头图.JPG", "法兰封头图.JPG", "平盖封头图.JPG")]
    names += [os.path.join("pics", n) for n in ("接管法兰预制.JPG", "补强圈预制.JPG", "总装.JPG")]
    return names


def main():
    failures = []
    document = Document()
    names = pictures()
    if len(names) < 11:
        failures.append("expected at least 11 pictures, found %d" % len(names))
    for name in names:
        path = os.path.join(BIN, name)
        image = Image.from_file(path)
        if image.content_type != "image/jpeg":
            failures.append("%s: %s is not JPEG" % (name, image.content_type))
        width_cm = image.width / Cm(1)
        if not 12.0 <= width_cm <= 15.5:
            failures.append("%s: prints %.1f cm wide (%d px at %d dpi)" % (name, width_cm, image.px_width, image.horz_dpi))
        shape = document.add_picture(path)
        if shape.width != image.width or shape.height != image.height:
            failures.append("%s: embedded at %s x %s" % (name, shape.width, shape.height))
    for failure in failures:
        print(failure)
    print("%d pictures checked" % len(names))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
