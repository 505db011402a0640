"""Opens the image files test_image_export.cpp wrote with programs nobody here wrote: ImageMagick
reads the JPEG and BMP files (their size must be the view's 301 x 200 pixels); LibreOffice Draw
renders the EMF and the WMF (a plain Windows metafile, without the placeable header ImageMagick
would need), whose drawing must keep its place and size. Pictures of each go to the screenshot
folder."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
import test_end  # noqa: E402


def identify(path, trim=False):
    args = ["convert", path] + (["-trim"] if trim else []) + ["-format", "%w %h", "info:-"]
    out = subprocess.run(args, check=True, capture_output=True, text=True, timeout=60).stdout.split()
    return int(out[0]), int(out[1])


def keep_png(path, name):
    folder = os.environ.get("QUARVEX_SCREENSHOTS") or os.getcwd()
    os.makedirs(folder, exist_ok=True)
    target = os.path.join(folder, name)
    subprocess.run(["convert", path, "-trim", target], check=True, timeout=60)
    return target


def render_metafile(path, name):
    """LibreOffice Draw places the picture on a page; the page, trimmed, is the drawing."""
    work = tempfile.mkdtemp(prefix="qx-metafile-")
    try:
        copy = os.path.join(work, "picture" + os.path.splitext(path)[1])
        shutil.copyfile(path, copy)
        subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "p"),
                        "--headless", "--convert-to", "png", "--outdir", work, copy],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=180)
        png = os.path.join(work, "picture.png")
        if not os.path.exists(png):
            raise RuntimeError("LibreOffice did not render " + path)
        return keep_png(png, name)
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main(folder):
    for name in ("VIEW.JPG", "view.bmp"):
        path = os.path.join(folder, name)
        size = identify(path)
        assert size == (301, 200), (name, size)
        keep_png(path, "image_export_" + name.lower().replace(".", "_") + ".png")
    # The drawing spans x 0..301 and y 40..200 (red block, blue line along the bottom).
    for name in ("view.emf", "view.wmf"):
        png = render_metafile(os.path.join(folder, name), "image_export_" + name.replace(".", "_") + ".png")
        width, height = identify(png)
        assert abs(width - 301) <= 3 and abs(height - 160) <= 3, (name, width, height)
    print("image files checked")


if __name__ == "__main__":
    main(sys.argv[1])
    test_end.reached()
