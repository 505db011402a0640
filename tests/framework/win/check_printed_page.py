"""Checks the page test_printing.cpp printed directly on the PDF printer: an A4 page with a red
block one to three inches from the left and one to two inches from the top."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "support"))
import printed_page  # noqa: E402
import test_end  # noqa: E402


def main(title_file):
    # The printing test that names the page runs first, on the test printer, or this does not run.
    assert os.path.exists(title_file), "no page was printed: " + title_file + " is missing"
    title = open(title_file).read().strip()
    os.remove(title_file)
    png = printed_page.keep(printed_page.find_pdf(title), "framework_printed_page", dpi=50)
    width, height, rows = printed_page.read_png(png)
    # A4 at 50 dpi: 8.27 x 11.69 inches.
    assert abs(width - 413) <= 3 and abs(height - 585) <= 3, (width, height)
    r, g, b = rows[75][100]  # 1.5 in down, 2 in across
    assert r > 200 and g < 60 and b < 60, (r, g, b)
    r, g, b = rows[75][200]  # 4 in across: paper
    assert r > 200 and g > 200 and b > 200, (r, g, b)
    print("printed page checked:", png)


if __name__ == "__main__":
    main(sys.argv[1])
    # Pages printed only to see that printing went through.
    if os.path.exists("printed-others.txt"):
        for other in open("printed-others.txt").read().split():
            printed_page.remove(other)
        os.remove("printed-others.txt")
    test_end.reached()
