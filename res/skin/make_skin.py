#!/usr/bin/env python3
"""Writes kestrel.skin, the skin the program hands to its skinning library.

Layout (little-endian): "KSKN", u16 version (1), u16 object count, u32 file size, then per object a
32-byte record: a 16-byte zero-padded name and four COLORREF values (face, text, frame, caption).
The rest up to the fixed size is a repeating filler the library ignores.
"""
import os
import struct
import sys

SIZE = 32777
OBJECTS = [
    ('Dialog', 0xC8D0D4, 0x000000, 0x808080, 0x6A240A),
    ('Button', 0xC8D0D4, 0x000000, 0x404040, 0x000000),
    ('PopupMenu', 0xFFFFFF, 0x000000, 0x808080, 0x6A240A),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                              'kestrel.skin')
    data = b'KSKN' + struct.pack('<HHI', 1, len(OBJECTS), SIZE)
    for name, *colours in OBJECTS:
        data += name.encode('ascii').ljust(16, b'\0') + struct.pack('<IIII', *colours)
    filler = b'Kestrel skin for Corvane. '
    while len(data) < SIZE:
        data += filler
    with open(out, 'wb') as f:
        f.write(data[:SIZE])


if __name__ == '__main__':
    main()
