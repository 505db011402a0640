"""Checks the workbook test_workbook_file.cpp wrote: cells with their types, both charts with
their series, titles and places; then renders it (LibreOffice) into the screenshot folder."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import test_end  # noqa: E402
import workbook_check  # noqa: E402


def main(path, picture):
    book = workbook_check.load(path)
    assert book.sheetnames == ["Sheet1"], book.sheetnames
    sheet = book["Sheet1"]
    assert sheet["B2"].value == "Hoek-Brown Classification"
    assert sheet["C3"].value == "sigci"
    # Written as "%.12g" text, read back as a number.
    assert sheet["D3"].data_type == "n" and abs(sheet["D3"].value - 33.3333333333) < 1e-9
    assert sheet["E3"].value == "MPa"
    assert sheet["D6"].value == "sig3 (MPa)" and sheet["E6"].value == "sig1 (MPa)"
    assert [sheet.cell(row=r, column=3).value for r in range(7, 12)] == [1, 2, 3, 4, 5]
    assert sheet["D11"].value == 8 and abs(sheet["E11"].value - 59.6) < 1e-9
    # The block written in one go: 21 rows of 5 numbers, rows first.
    assert sheet["C15"].value == 1 and sheet["C35"].value == 21
    assert sheet["D35"].value == 10 and sheet["G35"].value == 70
    assert sheet["H15"].value is None and sheet["C36"].value is None

    charts = workbook_check.charts(sheet)
    assert len(charts) == 2, len(charts)
    lab, table = charts
    assert workbook_check.title_text(lab.title) == "Lab Data"
    assert workbook_check.title_text(lab.x_axis.title) == "sig3 (MPa)"
    assert workbook_check.title_text(lab.y_axis.title) == "sig1 (MPa)"
    # All five test points, named by the header row.
    assert workbook_check.series_refs(lab) == [
        ("sig1 (MPa)", "Sheet1!$D$7:$D$11", "Sheet1!$E$7:$E$11")], workbook_check.series_refs(lab)
    assert lab.legend is None
    refs = workbook_check.series_refs(table)
    assert refs == [("Hoek-Brown", "Sheet1!$D$15:$D$35", "Sheet1!$E$15:$E$35"),
                    ("Mohr-Coulomb", "Sheet1!$F$15:$F$35", "Sheet1!$G$15:$G$35")], refs
    assert table.legend is not None and table.legend.position == "b"
    # The second chart sits 275 points below the first.
    assert lab.anchor._from.row < table.anchor._from.row

    png = workbook_check.render(path, picture)
    assert os.path.getsize(png) > 1000
    print("workbook checked; picture:", png)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    test_end.reached()
