#!/usr/bin/env python3
"""Writes the user guide docs/instructions/Instructions.md as the rich text document that the
program installs as "Instructions.doc" (word processors open rich text whatever its extension).

The guide uses a small part of Markdown: "#" headings, paragraphs, "- " and "1. " lists, tables
with a heading row, and *emphasis*.

    scripts/instructions-to-rtf.py docs/instructions/Instructions.md docs/Instructions.rtf
"""
import re
import sys

PAGE_TWIPS = 12240 - 2 * 1440  # letter paper, one-inch margins


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            code = ord(ch)
            out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


def inline(text):
    parts = re.split(r"(\*[^*]+\*)", text)
    out = []
    for part in parts:
        if part.startswith("*") and part.endswith("*") and len(part) > 2:
            out.append("{\\i " + escape(part[1:-1]) + "}")
        else:
            out.append(escape(part))
    return "".join(out)


def heading(level, text):
    size = {1: 36, 2: 28, 3: 24}[level]
    space_before = {1: 0, 2: 360, 3: 240}[level]
    return ("{\\pard\\keepn\\sb%d\\sa120\\b\\fs%d\\cf1 %s\\par}\n"
            % (space_before, size, inline(text)))


def paragraph(text):
    return "{\\pard\\sa120\\fs21 %s\\par}\n" % inline(text)


def list_item(marker, text):
    return ("{\\pard\\fi-280\\li560\\sa60\\fs21 %s\\tab %s\\par}\n"
            % (escape(marker), inline(text)))


def table(rows):
    cells = [[c.strip() for c in row.strip().strip("|").split("|")] for row in rows]
    header, body = cells[0], [r for r in cells[2:]]
    columns = len(header)
    # The first column holds names, the last the explanation: give the last the most room.
    if columns == 2:
        widths = [0.34, 0.66]
    else:
        widths = [0.30] + [0.70 / (columns - 1)] * (columns - 1)
    edges, total = [], 0
    for width in widths:
        total += int(PAGE_TWIPS * width)
        edges.append(total)
    out = []
    for index, row in enumerate([header] + body):
        border = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
        shade = "\\clcbpat2" if index == 0 else ""
        out.append("\\trowd\\trgaph80\\trleft0" + ("\\trhdr" if index == 0 else ""))
        for edge in edges:
            out.append("%s%s\\cellx%d" % (border, shade, edge))
        out.append("\n")
        for cell in row:
            text = inline(cell)
            if index == 0:
                text = "\\b " + text
            out.append("\\pard\\intbl\\sa40\\fs19 %s\\cell\n" % text)
        out.append("\\row\n")
    return "{" + "".join(out) + "}\n{\\pard\\sa120\\par}\n"


def convert(markdown):
    lines = markdown.splitlines()
    out = ["{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n",
           "{\\fonttbl{\\f0\\fswiss Arial;}}\n",
           "{\\colortbl;\\red31\\green78\\blue121;\\red230\\green236\\blue242;}\n",
           "{\\info{\\title Instructions}}\n",
           "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n",
           "\\f0\\fs21\n"]
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.strip():
            i += 1
        elif line.startswith("#"):
            level = len(line) - len(line.lstrip("#"))
            out.append(heading(level, line[level:].strip()))
            i += 1
        elif line.startswith("|"):
            rows = []
            while i < len(lines) and lines[i].startswith("|"):
                rows.append(lines[i])
                i += 1
            out.append(table(rows))
        elif line.startswith("- "):
            out.append(list_item("\u2022", line[2:]))
            i += 1
        elif re.match(r"\d+\. ", line):
            number, text = line.split(". ", 1)
            out.append(list_item(number + ".", text))
            i += 1
        else:
            out.append(paragraph(line))
            i += 1
    out.append("}\n")
    return "".join(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        rtf = convert(f.read())
    with open(target, "w", encoding="ascii", newline="\r\n") as f:
        f.write(rtf)


if __name__ == "__main__":
    main()
