"""Writes trimwise.html, the page that is the whole browser front end: the window's markup and
style as trimwise-window-markup wrote them from ui/form, the pictures they name, the script
that wires them to the WebAssembly module, and the module in base64, all inline. The page's
own policy allows nothing from outside it.

Beside it, the same page as an installable site for a web server: index.html, which also
names the manifest and icons of assets/web and may start the service worker sw.js, which
keeps them all for use offline.

    make_page.py <page with its window> <window.css> <codes.js> <view.js> <page.css> <sw.js>
                 <trimwise.wasm> <assets dir> <out.html> <site dir>
"""

import base64
import hashlib
import json
import re
import shutil
import sys
from pathlib import Path

# Where the window's markup and style want a picture: @png:<file>:<scale>@ as the PNG that
# tools/artwork drew of it in page/, at that many device pixels to the CSS pixel, and
# @file:<file>@ the file as it is.
PICTURE = re.compile(r"@(png|file):([A-Za-z]+)\.([a-z]+)(?::([0-9]+))?@")


def data_url(kind, data):
    return f"data:{kind};base64,{base64.b64encode(data).decode('ascii')}"


def picture_bytes(folder, form, stem, extension, scale):
    """The picture's bytes and their type, from the files of assets/."""
    if form == "file":
        return "image/x-icon", (Path(folder) / f"{stem}.{extension}").read_bytes()
    suffix = "" if scale == 1 else f"@{scale}x"
    return "image/png", (Path(folder) / "page" / f"{stem}{suffix}.png").read_bytes()


def with_pictures(text, folder):
    return PICTURE.sub(lambda m: data_url(*picture_bytes(folder, m[1], m[2], m[3],
                                                         int(m[4] or 1))), text)


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


# What the site's page adds to the page: links to its manifest and home-screen icon, which
# tools/artwork wrote into assets/web under the names their kinds have, and the policy that
# lets it fetch them and start its worker.
def site_links(made):
    manifest = next(name for name in made if name.endswith(".webmanifest"))
    icon = next(name for name in made if name.startswith("apple-touch-icon"))
    return (f'<link rel="manifest" href="{manifest}">\n'
            f'<link rel="apple-touch-icon" href="{icon}">\n')


SITE_POLICY = " 'self'; manifest-src 'self'; worker-src 'self'"


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as out_file:
        out_file.write(text)


def write_site(page, worker, folder, site):
    """index.html, the files of assets/web, and the worker whose cache is named by the hash
    of all it keeps, so that every build that changes the page or an icon replaces it."""
    site = Path(site)
    site.mkdir(parents=True, exist_ok=True)
    made = sorted(path.name for path in (Path(folder) / "web").iterdir())
    index = page.replace("@SITE_LINKS@", site_links(made)).replace("@SITE_POLICY@", SITE_POLICY)
    write(site / "index.html", index)
    for name in made:
        shutil.copyfile(Path(folder) / "web" / name, site / name)
    kept_bytes = hashlib.sha256(index.encode("utf-8"))
    for name in made:
        kept_bytes.update((site / name).read_bytes())
    cache = "trimwise-" + kept_bytes.hexdigest()[:16]
    kept = json.dumps(["./", "index.html", *made])
    text = open(worker, encoding="utf-8").read()
    write(site / "sw.js", text.replace("@CACHE@", cache).replace("@FILES@", kept))


def main(template, window_style, codes, script, style, worker, wasm, folder, out, site):
    read = lambda path: open(path, encoding="utf-8").read()
    script_text = read(script).replace("@CODES@", read(codes).rstrip("\n"))
    style_text = with_pictures(read(style) + read(window_style), folder)
    module = base64.b64encode(open(wasm, "rb").read()).decode("ascii")
    page = with_pictures(read(template), folder)
    for key, value in (
        ("@SCRIPT_HASH@", source_hash(script_text)),
        ("@STYLE_HASH@", source_hash(style_text)),
        ("@STYLE@", style_text),
        ("@MODULE@", module),
        ("@SCRIPT@", script_text),
    ):
        page = page.replace(key, value)
    write(out, page.replace("@SITE_LINKS@", "").replace("@SITE_POLICY@", ""))
    write_site(page, worker, folder, site)


if __name__ == "__main__":
    main(*sys.argv[1:])
