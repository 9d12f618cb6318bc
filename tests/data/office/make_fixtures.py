#!/usr/bin/python3
"""Makes the workbook, document and database fixtures of the office exchange tests.

Run from this folder: python3 make_fixtures.py (needs python3-openpyxl, python3-xlwt and
python3-docx; Python's own sqlite3). The files are checked in; this script says how they were made.
"""
import os
import sqlite3

import docx
import openpyxl
import xlwt
from docx.oxml import OxmlElement
from docx.oxml.ns import qn

# book.xlsx: two sheets, the second one active; its used range is B2:D5 with texts (shared
# strings), numbers, a boolean, an empty cell inside the range and a formula error.
wb = openpyxl.Workbook()
first = wb.active
first.title = "First"
first["A1"] = "only"
data = wb.create_sheet("Data")
rows = [
    ["Name", "Count", "Ratio"],
    ["alpha", 3, 0.5],
    ["beta", None, "#DIV/0!"],
    ["gamma", 12, True],
]
for r, row in enumerate(rows, start=2):
    for c, value in enumerate(row, start=2):
        if value is not None:
            data.cell(row=r, column=c, value=value)
wb.active = 1
wb.save("book.xlsx")

# book.xls: the legacy format, two sheets.
xb = xlwt.Workbook()
alpha = xb.add_sheet("Alpha")
alpha.write(0, 0, "id")
alpha.write(0, 1, "label")
alpha.write(1, 0, 1)
alpha.write(1, 1, "one")
alpha.write(2, 0, 2.5)
alpha.write(2, 1, "two")
beta = xb.add_sheet("Beta")
beta.write(0, 0, "b")
xb.save("book.xls")

# bookmarked.docx: three paragraphs, the middle one holding the bookmark "Here".
d = docx.Document()
d.add_paragraph("Intro")
p = d.add_paragraph("Marked")
start = OxmlElement("w:bookmarkStart")
start.set(qn("w:id"), "0")
start.set(qn("w:name"), "Here")
end = OxmlElement("w:bookmarkEnd")
end.set(qn("w:id"), "0")
p._p.insert(0, start)
p._p.append(end)
d.add_paragraph("Outro")
d.save("bookmarked.docx")

# people.sqlite: a table of three records, one with a null field, read through the SQLite
# ODBC driver (no .mdb file can be made here).
if os.path.exists("people.sqlite"):
    os.remove("people.sqlite")
db = sqlite3.connect("people.sqlite")
db.execute("CREATE TABLE people (id INTEGER, name TEXT, note TEXT)")
db.executemany("INSERT INTO people VALUES (?, ?, ?)",
               [(1, "Ann", "first"), (2, "Bob", None), (3, "Cy", "x\ny")])
db.commit()
db.close()
