"""Checks what test_outputs_program.cpp made in the whole program: the workbook of a Hoek-Brown
project (cells and the three charts, read by openpyxl; rendered by LibreOffice), the workbook of
an export that failed part-way (its tables, no chart) and the page it printed on the PDF printer
(rendered by pdftoppm), each kept as a picture; and that a page refused for want of room never
reached the printer."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import printed_page  # noqa: E402
import test_end  # noqa: E402
import workbook_check  # noqa: E402


def check_workbook(path):
    book = workbook_check.load(path)
    sheet = book["Sheet1"]
    assert sheet["B2"].value == "Hoek-Brown Classification"
    assert sheet["C3"].value == "sigci" and sheet["D3"].value == 60 and sheet["E3"].value == "MPa"
    assert sheet["C12"].value == "Application" and sheet["D12"].value == "Custom"
    assert sheet["B14"].value == "Mohr-Coulomb Fit"
    assert sheet["B22"].value == "Lab Data" and sheet["D23"].value == 4
    assert sheet["C26"].value == "Number" and sheet["C27"].value == 1 and sheet["D27"].value == 0
    assert sheet["B31"].value == "Principal Stresses"
    # 100 points per curve: the first row and 99 samples.
    assert sheet["C33"].value == 1 and sheet["C132"].value == 100 and sheet["C133"].value is None
    assert sheet["B133"].value == "Normal Stress vs. Shear Stress"
    charts = workbook_check.charts(sheet)
    assert len(charts) == 3, len(charts)
    lab = workbook_check.series_refs(charts[0])
    assert lab[0][1:] == ("Sheet1!$D$27:$D$30", "Sheet1!$E$27:$E$30"), lab
    assert workbook_check.series_refs(charts[1])[0][1:] == ("Sheet1!$D$33:$D$132",
                                                              "Sheet1!$E$33:$E$132")
    png = workbook_check.render(path, "program_workbook")
    print("workbook checked:", png)


def check_incomplete_workbook(path):
    """The workbook of an export whose charts were turned down: the tables, no chart."""
    book = workbook_check.load(path)
    sheet = book["Sheet1"]
    assert sheet["B2"].value == "Hoek-Brown Classification"
    assert sheet["B22"].value == "Lab Data" and sheet["D23"].value == 4
    assert sheet["C27"].value == 1 and sheet["D30"].value is not None
    # The export stopped at the lab data's chart: nothing after it.
    assert sheet["B31"].value is None
    assert workbook_check.charts(sheet) == []
    png = workbook_check.render(path, "program_workbook_incomplete")
    print("incomplete workbook checked:", png)


def check_printed(title_file):
    # The printing test that names the page runs first, on the test printer, or this does not run.
    assert os.path.exists(title_file), "no page was printed: " + title_file + " is missing"
    title = open(title_file).read().strip()
    os.remove(title_file)
    png = printed_page.keep(printed_page.find_pdf(title), "program_printed_page", dpi=50)
    width, height, rows = printed_page.read_png(png)
    # Something red (the envelope) and something dark (axes, text) on white paper.
    red = sum(1 for row in rows for (r, g, b) in row if r > 200 and g < 80 and b < 80)
    dark = sum(1 for row in rows for (r, g, b) in row if r < 80 and g < 80 and b < 80)
    assert red > 50, red
    assert dark > 200, dark
    print("printed page checked:", png, width, height)


def check_not_printed(title_file):
    """A page refused before its job: its test ran before the page checked above was printed,
    and the printer takes its jobs in turn, so a page of it would be out by now."""
    if not os.path.exists(title_file):
        return
    title = open(title_file).read().strip()
    os.remove(title_file)
    found = printed_page.pages_now(title)
    for path in found:
        os.remove(path)
    assert not found, found
    print("no page printed for", title)


def remove_others(list_file):
    """Pages printed only to see that printing went through: out of the PDF folder."""
    if not os.path.exists(list_file):
        return
    for title in open(list_file).read().split():
        printed_page.remove(title)
    os.remove(list_file)


if __name__ == "__main__":
    check_workbook(sys.argv[1])
    check_incomplete_workbook(sys.argv[2])
    check_printed(sys.argv[3])
    check_not_printed("printed-program-refused.txt")
    remove_others("printed-program-others.txt")
    test_end.reached()
