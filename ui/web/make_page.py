"""Writes trimwise.html, the page that is the whole browser front end: the WebAssembly
module in base64, the pictures as PNG and icon data, the script and the style,
all inline. The page's own policy allows nothing from outside it.

    make_page.py <page.html> <view.js> <page.css> <trimwise.wasm> <assets dir> <out.html>
                 <picture file>...
"""

import base64
import hashlib
import json
import sys

import pictures

POINTER_SIZE = 32


def data_url(kind, data):
    return f"data:{kind};base64,{base64.b64encode(data).decode('ascii')}"


def picture_urls(folder, name):
    """The picture as the page shows it: the window icon as it is, a pointer at one and two
    device pixels to its pixel, the bitmap and the GIF as PNG."""
    data = open(f"{folder}/{name}", "rb").read()
    if name.endswith(".bmp"):
        return {"1x": data_url("image/png", pictures.bmp_to_png(data))}
    if name.endswith(".gif"):
        return {"1x": data_url("image/png", pictures.gif_first_frame_to_png(data))}
    if name.endswith(".ico"):
        rows = pictures.icon_image(data, POINTER_SIZE)
        return {
            "icon": data_url("image/x-icon", data),
            "1x": data_url("image/png", pictures.png(POINTER_SIZE, POINTER_SIZE, rows, True)),
            "2x": data_url("image/png", pictures.png(2 * POINTER_SIZE, 2 * POINTER_SIZE,
                                                     pictures.scaled(rows, 2), True)),
        }
    raise ValueError(f"no way to put {name} in the page")


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


def main(template, script, style, wasm, folder, out, *names):
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
    with open(out, "w", encoding="utf-8", newline="\n") as page_file:
        page_file.write(page)


if __name__ == "__main__":
    main(*sys.argv[1:])
