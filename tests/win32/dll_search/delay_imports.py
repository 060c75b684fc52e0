#!/usr/bin/python3
"""Prints the DLLs that a 64-bit Windows program delay-loads, one a line, lower case.

MinGW's ld leaves the header's delay-import directory empty, so objdump -p lists none; the
descriptors (ImgDelayDescr) that the delay-load libraries link in are found by their shape:
RVA attributes, a name ending in ".dll", and a module handle, address table and name table
inside the image.
    delay_imports.py <program.exe>
"""

import struct
import sys

DELAY_IMPORT_DIRECTORY = 13


def main(path):
    with open(path, "rb") as file:
        image = file.read()
    header = struct.unpack_from("<I", image, 0x3C)[0]
    if image[header:header + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a PE image")
    section_count, = struct.unpack_from("<H", image, header + 6)
    optional_size, = struct.unpack_from("<H", image, header + 20)
    optional = header + 24
    if struct.unpack_from("<H", image, optional)[0] != 0x20B:
        sys.exit(f"{path}: not a 64-bit image")
    directory_rva, directory_size = struct.unpack_from(
        "<II", image, optional + 112 + 8 * DELAY_IMPORT_DIRECTORY)
    sections = []
    for index in range(section_count):
        at = optional + optional_size + 40 * index
        virtual_size, rva, raw_size, raw_at = struct.unpack_from("<IIII", image, at + 8)
        sections.append((rva, max(virtual_size, raw_size), raw_at, raw_size))

    def mapped(rva):
        return any(start <= rva < start + size for start, size, _, _ in sections)

    def file_offset(rva):
        for start, _, raw_at, raw_size in sections:
            if start <= rva < start + raw_size:
                return raw_at + rva - start
        return None

    def dll_name(rva):
        at = file_offset(rva)
        end = image.find(b"\0", at) if at is not None else -1
        name = image[at:end] if 0 <= end - at <= 64 else b""
        ok = name.lower().endswith(b".dll") and all(32 < byte < 127 for byte in name)
        return name.decode().lower() if ok else None

    def descriptor_at(at):
        attributes, name, module, iat, names, bound, unload, stamp = struct.unpack_from(
            "<8I", image, at)
        if attributes != 1 or not all(mapped(rva) for rva in (module, iat, names)):
            return None
        if (bound, unload, stamp) != (0, 0, 0):
            return None
        return dll_name(name)

    found = []
    if directory_rva:
        at = file_offset(directory_rva)
        while struct.unpack_from("<8I", image, at) != (0,) * 8:
            found.append(descriptor_at(at))
            at += 32
    else:
        for _, _, raw_at, raw_size in sections:
            for at in range(raw_at, raw_at + raw_size - 31, 4):
                name = descriptor_at(at)
                if name:
                    found.append(name)
    for name in sorted({name for name in found if name}):
        print(name)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} <program.exe>")
    main(sys.argv[1])
