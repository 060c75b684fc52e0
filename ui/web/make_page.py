"""Writes trimwise.html, the page that is the whole browser front end: the WebAssembly
module in base64, the pictures as PNG and icon data, the script and the style,
all inline. The page's own policy allows nothing from outside it.

Beside it, the same page as an installable site for a web server: index.html, which also
names the manifest and icons of assets/web and may start the service worker sw.js, which
keeps them all for use offline.

    make_page.py <page.html> <view.js> <page.css> <sw.js> <trimwise.wasm> <assets dir>
                 <out.html> <site dir> <picture file>...
"""

import base64
import hashlib
import json
import shutil
import sys
from pathlib import Path


def data_url(kind, data):
    return f"data:{kind};base64,{base64.b64encode(data).decode('ascii')}"


def picture_urls(folder, name):
    """The picture as the page shows it: an icon file as it is, and the PNGs that the artwork
    generator wrote of it in page/, at one and two device pixels to the CSS pixel."""
    urls = {}
    if name.endswith(".ico"):
        urls["icon"] = data_url("image/x-icon", (Path(folder) / name).read_bytes())
    for scale, suffix in (("1x", ""), ("2x", "@2x")):
        png = Path(folder) / "page" / f"{Path(name).stem}{suffix}.png"
        if png.exists():
            urls[scale] = data_url("image/png", png.read_bytes())
    if not urls:
        raise ValueError(f"no way to put {name} in the page")
    return urls


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


# What the site's page adds to the page: its manifest and home-screen icon, and the policy
# that lets it fetch them and start its worker.
SITE_LINKS = ('<link rel="manifest" href="manifest.webmanifest">\n'
              '<link rel="apple-touch-icon" href="apple-touch-icon.png">\n')
SITE_POLICY = " 'self'; manifest-src 'self'; worker-src 'self'"


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as out_file:
        out_file.write(text)


def write_site(page, worker, folder, site):
    """index.html, the files of assets/web, and the worker whose cache is named by the hash
    of all it keeps, so that every build that changes the page or an icon replaces it."""
    site = Path(site)
    site.mkdir(parents=True, exist_ok=True)
    index = page.replace("@SITE_LINKS@", SITE_LINKS).replace("@SITE_POLICY@", SITE_POLICY)
    write(site / "index.html", index)
    made = sorted(path.name for path in (Path(folder) / "web").iterdir())
    for name in made:
        shutil.copyfile(Path(folder) / "web" / name, site / name)
    kept_bytes = hashlib.sha256(index.encode("utf-8"))
    for name in made:
        kept_bytes.update((site / name).read_bytes())
    cache = "trimwise-" + kept_bytes.hexdigest()[:16]
    kept = json.dumps(["./", "index.html", *made])
    text = open(worker, encoding="utf-8").read()
    write(site / "sw.js", text.replace("@CACHE@", cache).replace("@FILES@", kept))


def main(template, script, style, worker, wasm, folder, out, site, *names):
    script_text = open(script, encoding="utf-8").read()
    style_text = open(style, encoding="utf-8").read()
    module = base64.b64encode(open(wasm, "rb").read()).decode("ascii")
    urls = {name: picture_urls(folder, name) for name in names}
    page = open(template, encoding="utf-8").read()
    for key, value in (
        ("@SCRIPT_HASH@", source_hash(script_text)),
        ("@STYLE_HASH@", source_hash(style_text)),
        ("@STYLE@", style_text),
        ("@PICTURES@", json.dumps(urls, sort_keys=True, separators=(",", ":"))),
        ("@MODULE@", module),
        ("@SCRIPT@", script_text),
    ):
        page = page.replace(key, value)
    write(out, page.replace("@SITE_LINKS@", "").replace("@SITE_POLICY@", ""))
    write_site(page, worker, folder, site)


if __name__ == "__main__":
    main(*sys.argv[1:])
