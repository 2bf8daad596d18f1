#!/usr/bin/env python3
"""Draws the main window's pictures: the fourteen 16 x 16 tool-button images, the
background gradient and the program icon. Standard library only; run it from this folder
to write the PNG files next to it."""

import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
GREY = (128, 128, 128, 255)
LIGHT = (208, 208, 208, 255)
BLUE = (0, 64, 176, 255)
NAVY = (0, 0, 128, 255)
SKY = (120, 176, 232, 255)
GREEN = (0, 150, 0, 255)
RED = (200, 0, 0, 255)
YELLOW = (248, 216, 72, 255)
BROWN = (176, 128, 32, 255)


class Canvas:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def ring(self, cx, cy, r, colour, inner=None):
        for y in range(self.height):
            for x in range(self.width):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if inner is not None and d < r - 1:
                    self.dot(x, y, inner)
                elif r - 1 <= d <= r + 0.4:
                    self.dot(x, y, colour)

    def png(self):
        rows = b"".join(b"\x00" + b"".join(struct.pack("4B", *p) for p in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
                + chunk(b"IEND", b""))


def table(c, x0=1, y0=2, x1=11, y1=12, header=SKY):
    """A small table: a header row and three data rows of two columns."""
    c.fill(x0, y0, x1, y1, WHITE)
    c.fill(x0, y0, x1, y0 + 2, header)
    c.frame(x0, y0, x1, y1, GREY)
    for y in range(y0 + 3, y1, 3):
        c.line(x0, y, x1, y, GREY)
    c.line((x0 + x1) // 2, y0, (x0 + x1) // 2, y1, GREY)


def plus(c, cx, cy, colour=GREEN):
    c.fill(cx - 3, cy - 1, cx + 3, cy + 1, colour)
    c.fill(cx - 1, cy - 3, cx + 1, cy + 3, colour)


def arrow_down(c, x, y0, y1, colour=BLUE):
    c.line(x, y0, x, y1, colour)
    c.line(x - 2, y1 - 2, x, y1, colour)
    c.line(x + 2, y1 - 2, x, y1, colour)


def page(c, x0=3, y0=1, x1=12, y1=14):
    c.fill(x0, y0, x1, y1, WHITE)
    c.frame(x0, y0, x1, y1, GREY)
    c.fill(x1 - 2, y0, x1, y0 + 2, TRANSPARENT)
    c.line(x1 - 3, y0, x1, y0 + 3, GREY)
    c.line(x1 - 3, y0, x1 - 3, y0 + 3, GREY)
    c.line(x1 - 3, y0 + 3, x1, y0 + 3, GREY)


def open_file(c):
    c.fill(1, 4, 6, 5, BROWN)
    c.fill(1, 5, 12, 13, YELLOW)
    c.frame(1, 5, 12, 13, BROWN)
    for i in range(6):
        c.line(4 + i, 8 + i // 2, 15, 8 + i // 2, BROWN if i == 0 else YELLOW)
    arrow_down(c, 11, 0, 5, GREEN)


def save_file(c):
    c.fill(1, 1, 14, 14, NAVY)
    c.fill(3, 1, 12, 6, WHITE)
    c.fill(4, 9, 11, 14, LIGHT)
    c.fill(5, 10, 6, 13, NAVY)
    c.dot(13, 1, TRANSPARENT)


def copy_pages(c):
    page(c, 1, 1, 9, 10)
    page(c, 6, 5, 14, 14)


def clipboard(c):
    c.fill(2, 2, 13, 14, BROWN)
    c.fill(4, 4, 11, 13, WHITE)
    c.fill(5, 1, 10, 3, GREY)
    for y in (6, 8, 10):
        c.line(5, y, 10, y, GREY)


def add_column(c):
    table(c, 1, 2, 9, 13)
    plus(c, 12, 7)


def clear_column(c):
    table(c, 1, 2, 13, 13)
    c.fill(8, 5, 12, 12, LIGHT)
    c.line(8, 6, 12, 11, RED)
    c.line(12, 6, 8, 11, RED)


def add_row(c):
    table(c, 1, 1, 13, 9)
    plus(c, 7, 12)


def row_as_previous(c):
    table(c, 1, 1, 11, 13)
    c.fill(2, 7, 10, 8, YELLOW)
    c.fill(2, 10, 10, 12, LIGHT)
    arrow_down(c, 13, 6, 12)


def new_project(c):
    page(c)
    c.fill(5, 6, 10, 6, SKY)
    c.line(5, 9, 10, 9, GREY)
    c.line(5, 11, 10, 11, GREY)
    plus(c, 12, 12)


def printer(c):
    c.fill(4, 1, 11, 6, WHITE)
    c.frame(4, 1, 11, 6, GREY)
    c.fill(1, 6, 14, 11, LIGHT)
    c.frame(1, 6, 14, 11, GREY)
    c.fill(4, 10, 11, 14, WHITE)
    c.frame(4, 10, 11, 14, GREY)
    c.dot(12, 8, GREEN)


def help_mark(c):
    c.ring(7.5, 7.5, 7, NAVY, inner=BLUE)
    c.line(5, 5, 6, 3, WHITE)
    c.line(6, 3, 9, 3, WHITE)
    c.line(9, 3, 10, 5, WHITE)
    c.line(10, 5, 8, 8, WHITE)
    c.line(8, 8, 8, 9, WHITE)
    c.dot(8, 11, WHITE)


def search(c):
    c.ring(6, 6, 5, BLACK, inner=SKY)
    c.dot(4, 4, WHITE)
    c.dot(4, 5, WHITE)
    for i in range(5):
        c.fill(9 + i, 9 + i, 10 + i, 10 + i, BROWN)


def row_as_selected(c):
    table(c, 1, 1, 11, 13)
    c.fill(2, 4, 10, 5, BLUE)
    c.fill(2, 10, 10, 12, LIGHT)
    c.line(13, 5, 13, 11, GREEN)
    c.line(11, 9, 13, 11, GREEN)
    c.line(15, 9, 13, 11, GREEN)


def fill_column(c):
    table(c, 1, 2, 13, 13)
    c.fill(8, 5, 12, 12, SKY)
    c.line(10, 5, 10, 12, BLUE)


TOOLS = [open_file, save_file, copy_pages, clipboard, add_column, clear_column, add_row,
         row_as_previous, new_project, printer, help_mark, search, row_as_selected, fill_column]


def background():
    """A vertical gradient from blue at the top to pale cyan at the bottom."""
    c = Canvas(16, 256)
    top, bottom = (16, 48, 160), (200, 244, 250)
    for y in range(c.height):
        t = y / (c.height - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
        c.fill(0, y, c.width - 1, y, colour)
    return c


def icon():
    """The program's icon: a table whose cells are quoted fields."""
    c = Canvas(32, 32)
    c.fill(2, 4, 29, 27, WHITE)
    c.fill(2, 4, 29, 10, BLUE)
    c.frame(2, 4, 29, 27, NAVY)
    for y in (16, 22):
        c.line(2, y, 29, y, GREY)
    for x in (11, 20):
        c.line(x, 4, x, 27, GREY)
    for x in (4, 13, 22):
        for y in (12, 18, 24):
            c.line(x, y, x, y + 1, RED)
            c.line(x + 5, y, x + 5, y + 1, RED)
    return c


def main():
    for index, draw in enumerate(TOOLS):
        c = Canvas(16, 16)
        draw(c)
        with open(f"tool{index:02d}.png", "wb") as out:
            out.write(c.png())
    with open("background.png", "wb") as out:
        out.write(background().png())
    with open("colvane.png", "wb") as out:
        out.write(icon().png())


if __name__ == "__main__":
    main()
