#!/usr/bin/env python3
"""Checks that the figures of the shipped data are the figures their evidence names.

  tools/library/check_evidence.py [ROOT]

Every figure of a sheet's data table (a filled cell other than "-", which says
the row does not apply) must have a row in its evidence file
(tools/library/evidence/<dir>/<type>.tsv), and each row that gives a value must
name a family column of the sheet's data table and hold exactly the figure and
unit of that cell: an empty cell is a figure not verified. For the family table
(families/pinatlas-families.txt) every figure must have its evidence row and
every evidence row its figure. Prints how many data cells are filled and how
many of them are traced; fails on any disagreement."""
import csv
import pathlib
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2])
EVIDENCE = ROOT / "tools" / "library" / "evidence"
ROWS = ["ICC outputs high", "ICC outputs low", "IIH", "IIL", "IOH", "IOL", "tPLH", "tPHL"]
HEADER = ["family", "row", "value", "unit", "document", "where", "address"]
problems = []


def evidence_rows(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    if not rows or rows[0] != HEADER:
        problems.append(f"{path.relative_to(ROOT)}: the first line must be {' '.join(HEADER)}")
        return []
    for number, row in enumerate(rows[1:], 2):
        if len(row) != len(HEADER):
            problems.append(f"{path.relative_to(ROOT)}:{number}: {len(row)} columns")
    return [(number, row) for number, row in enumerate(rows[1:], 2) if len(row) == len(HEADER)]


def data_table(sheet):
    lines = sheet.read_bytes().decode("cp1252").split("\r\n")
    if "'Datentabelle:" not in lines:
        return None
    at = lines.index("'Datentabelle:")
    columns, rows = (int(x) for x in lines[at + 1].split(","))
    table = [line.split(",") for line in lines[at + 2:at + 2 + rows]]
    return {"families": table[0][:columns - 1],
            "cells": {name: (row[:columns - 1], row[columns - 1]) for name, row in zip(ROWS, table[1:])}}


def check_sheets():
    filled = traced = 0
    for sheet in sorted((ROOT / "library").glob("*/*.txt")):
        table = data_table(sheet)
        if table is None:
            continue
        filled += sum(1 for cells, _ in table["cells"].values() for c in cells if c.strip())
        figures = {(family, row) for row, (cells, _) in table["cells"].items()
                   for family, c in zip(table["families"], cells) if c.strip() not in ("", "-")}
        evidence = EVIDENCE / sheet.parent.name / (sheet.stem + ".tsv")
        rows = evidence_rows(evidence) if evidence.exists() else []
        confirmed = {(row[0], row[1]) for _, row in rows if row[2].strip()}
        for family, row in sorted(figures - confirmed):
            problems.append(f"{sheet.relative_to(ROOT)}: {family} {row} has no evidence row")
        name = evidence.relative_to(ROOT)
        for number, (family, row, value, unit, document, where, address) in rows:
            if not value.strip():
                continue
            if family not in table["families"]:
                problems.append(f"{name}:{number}: {family} is no column of {sheet.name}")
            elif row not in table["cells"]:
                problems.append(f"{name}:{number}: no row {row!r}")
            else:
                cells, sheet_unit = table["cells"][row]
                cell = cells[table["families"].index(family)].strip()
                if (cell, sheet_unit.strip()) != (value.strip(), unit.strip()):
                    problems.append(f"{name}:{number}: {family} {row} is {value} {unit} here, "
                                    f"{cell} {sheet_unit} in the sheet")
                elif not document.strip() or not where.strip():
                    problems.append(f"{name}:{number}: a figure without its document or place")
                else:
                    traced += 1
    return filled, traced


def check_family_table():
    figures, documents, family = set(), {}, None
    table = ROOT / "families" / "pinatlas-families.txt"
    for raw in table.read_text(encoding="utf-8").split("\n"):
        w = raw.split()
        if not w or w[0].startswith("#"):
            continue
        if w[0] == "family":
            family = w[1]
        elif w[0] == "doc":
            documents[w[1]] = " ".join(w[2:])
        elif w[0] == "twin":
            figures.add(("twins", w[1], w[2], "-", documents.get(w[4])))
        elif w[0] == "twin-inputs-max":
            figures.add(("twins", "inputs-max " + w[1], w[2], w[3], documents.get(w[4])))
        elif len(w) == 5 and w[0] != "alias":
            figures.add((family, f"{w[0]} @{w[1]}", w[2], w[3], documents.get(w[4])))
    traced = set()
    for path in sorted((EVIDENCE / "families").glob("*.tsv")):
        for number, row in evidence_rows(path):
            if not row[5] or not row[6].startswith("http"):
                problems.append(f"{path.relative_to(ROOT)}:{number}: no place or address")
            traced.add(tuple(row[:5]))
    for f in sorted(figures - traced, key=str):
        problems.append(f"family table: {' '.join(map(str, f[:4]))} has no evidence row")
    for f in sorted(traced - figures, key=str):
        problems.append(f"families evidence: {' '.join(f[:4])} is not in the table")
    return len(figures)


filled, traced = check_sheets()
family_figures = check_family_table()
for p in problems:
    print(p)
print(f"data cells filled: {filled}, traced: {traced} ({traced / max(filled, 1):.0%}); "
      f"family table: {family_figures} figures")
print(f"{0 if problems else 1} passed, {1 if problems else 0} failed")
sys.exit(1 if problems else 0)
