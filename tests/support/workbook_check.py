"""Reads workbooks the program wrote with readers nobody here wrote: openpyxl for cells and
charts, LibreOffice (headless) to render the sheet to PDF and pdftoppm to keep its first page
as a picture in the screenshot folder."""
import os
import shutil
import subprocess
import tempfile

import openpyxl


def load(path):
    return openpyxl.load_workbook(path)


def charts(sheet):
    return list(sheet._charts)


def series_refs(chart):
    """(name, x formula, y formula) of each series of a scatter chart."""
    out = []
    for s in chart.series:
        name = None
        if s.tx is not None:
            if s.tx.strRef is not None:
                name = s.tx.strRef.f
            else:
                name = s.tx.v
        x = s.xVal.numRef.f if s.xVal is not None and s.xVal.numRef is not None else None
        y = s.yVal.numRef.f if s.yVal is not None and s.yVal.numRef is not None else None
        out.append((name, x, y))
    return out


def title_text(title):
    """The plain text of a chart or axis title."""
    if title is None or title.tx is None or title.tx.rich is None:
        return None
    parts = []
    for p in title.tx.rich.p:
        for r in p.r or []:
            parts.append(r.t)
    return "".join(parts)


def render(path, picture_name):
    """Converts the workbook to PDF with LibreOffice and keeps page 1 as <picture_name>.png in
    the screenshot folder. Returns the PNG path."""
    folder = os.environ.get("QUARVEX_SCREENSHOTS") or os.getcwd()
    os.makedirs(folder, exist_ok=True)
    work = tempfile.mkdtemp(prefix="qx-lo-")
    try:
        profile = "file://" + os.path.join(work, "profile")
        copy = os.path.join(work, "book.xlsx")
        shutil.copyfile(path, copy)
        subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless",
                        "--convert-to", "pdf", "--outdir", work, copy],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=180)
        pdf = os.path.join(work, "book.pdf")
        if not os.path.exists(pdf):
            raise RuntimeError("LibreOffice wrote no PDF for " + path)
        stem = os.path.join(folder, picture_name)
        subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                        pdf, stem], check=True, timeout=60)
        return stem + ".png"
    finally:
        shutil.rmtree(work, ignore_errors=True)
