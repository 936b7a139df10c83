#!/usr/bin/env python3
"""Writes operator pages of up to the 16 MiB download cap that are built to cost the parser as
much memory and time as possible, for `kestrel-cli fetch` under /usr/bin/time -v (bench/README.md).

Usage: hostile_pages.py DIR   -- one file per page, named after the page
"""
import pathlib
import sys

CAP = 16 * 1024 * 1024
HEAD = "<html><head><title>x</title></head><body><h2>第1601回 totoGOAL3くじ情報</h2>\n"
TAIL = "</body></html>\n"


def fill(unit: str, head: str = HEAD, tail: str = TAIL) -> bytes:
    """head + unit repeated to just under the cap + tail, in UTF-8."""
    h, t, u = head.encode(), tail.encode(), unit.encode()
    return h + u * ((CAP - len(h) - len(t)) // len(u)) + t


def pages() -> dict:
    return {
        # millions of items: one text run and one tag per 4 bytes
        "x_a": fill("x<a>"),
        # 3.3 million nested start tags
        "nested_div": fill("<div>"),
        # text runs joined by BR into one piece
        "br_join": fill("x<br>"),
        # one text run of 16 MiB (one piece)
        "one_text": fill("x", HEAD + "<p>", "</p>" + TAIL),
        # one tag of 8 million words
        "one_tag": fill("a ", HEAD + "<p ", ">" + TAIL),
        # entities in one text run
        "entities": fill("&amp;lt;", HEAD + "<p>", "</p>" + TAIL),
        # just below the item cap of 200,000: 198,000 items (66,000 cells of 245 digits)
        "items_below_cap": (HEAD + ("<td>" + "9" * 245 + "</td>") * 66000 + TAIL).encode(),
        # 9,500 match rows (199,500 items) that the schedule parser reads field by field
        "match_rows": (HEAD + "<tr><td>1</td><td>05/16</td><td>14:00</td><td>S</td><td>鹿島アントラーズ</td>"
                       "<td>VS</td><td>浦和レッズ</td>" * 9500 + TAIL).encode(),
        # an unclosed comment swallowing the rest of the page
        "open_comment": fill("-- x ", HEAD + "<!--", TAIL),
        # the vote and result headers, then 66,000 cells of 80 full-width characters each that
        # the match-row rules look at (198,000 items)
        "vote_cells": (HEAD.replace("くじ情報", "投票状況") + "<p>(2026年05月16日（土） 13:50 時点)</p>"
                       + ("<td>" + "１" * 80 + "</td>") * 66000 + TAIL).encode(),
        "result_cells": (HEAD.replace("くじ情報", "くじ結果") + ("<td>" + "１" * 80 + "</td>") * 66000
                         + TAIL).encode(),
        # full-width text that every date and number helper converts
        "full_width": fill("<td>０５／１６（土）１３：５０</td>"),
    }


def main() -> int:
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, data in pages().items():
        assert len(data) <= CAP, name
        (out / name).write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
