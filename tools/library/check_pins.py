#!/usr/bin/env python3
"""Checks the shipped datasheets against what a sheet of this library must
carry, and every pinout against a public pin reference, pin by pin.

Usage: check_pins.py PINATLAS_TOOL [REPO_ROOT [REFERENCE_TSV]]

Sheets are read through `pinatlas-tool dump`, so this check sees exactly what
the program reads. REPO_ROOT defaults to the repository holding this script,
REFERENCE_TSV to reference/ic-pins.tsv beside it. Exit 1 on any problem,
including a missing reference.
"""

import concurrent.futures
import json
import os
import re
import subprocess
import sys

import pinmaps

SHEET_DIRS = ("library/74xx", "library/40xx")

OUTPUT_TYPES = (
    "TP (totem pole)",
    "OD (open drain)",
    "OC (open collector)",
    "Tri-state",
    "Other",
)

# Header row plus the eight quantities the display labels.
DATA_TABLE_ROWS = 9

# Every sheet names where its data table comes from, in both languages.
SOURCE_MARKS = {"commentDe": ("Datentabelle:", "Quelle:"), "commentEn": ("Data table:", "source:")}

# The comment box (7095 twips of Courier 8.25 pt) shows this many characters.
COMMENT_WIDTH = 71

# Names for the two ends of the supply. The reference and the makers mix the
# TTL and CMOS words freely.
SUPPLY_POSITIVE = {"VCC", "VDD"}
SUPPLY_GROUND = {"GND", "VSS"}

# Where the reference draws an unnamed gate pin we can only check the
# direction. Our outputs follow the maker conventions Y/Z/Q (with an optional
# unit number in front).
_OUTPUT_NAME = re.compile(r"[YZQ]\d*")


def normalise(name, keep_case=False):
    """Upper case with a leading "~" for active-low, for both our "/CLR" and
    the reference's "~{CLR}" or "~CLR"."""
    name = name.strip()
    low = False
    if name.startswith("~{") and name.endswith("}"):
        name, low = name[2:-1], True
    elif name.startswith("~") and len(name) > 1:
        name, low = name[1:], True
    elif name.startswith("/") and len(name) > 1:
        name, low = name[1:], True
    return ("~" if low else "") + (name if keep_case else name.upper())


def strip_unit(token):
    """Drops the unit number of multi-unit parts ("~1CLR" -> "~CLR"): the
    reference names the pins of all units alike."""
    low = token.startswith("~")
    base = token[1:] if low else token
    m = re.fullmatch(r"(\d)([A-Za-z].*)", base)
    if not m:
        return token
    return ("~" if low else "") + m.group(2)


def implied_direction(token):
    base = strip_unit(token).lstrip("~")
    return "out" if _OUTPUT_NAME.fullmatch(base) else "in"


def expected_output_types(ref_types):
    if "T" in ref_types:
        return {"Tri-state"}
    if "C" in ref_types:
        return {"OC (open collector)", "OD (open drain)"}
    if "O" in ref_types:
        return {"TP (totem pole)"}
    return {"Other"}


class Sheet:
    def __init__(self, data):
        self.pins = data["pinNames"]
        self.output_type = data["outputType"]


def read_sheet(tool, path):
    """Returns (dumped record or None, problems)."""
    problems = []
    with open(path, "rb") as f:
        raw = f.read()
    if re.search(rb"(?<!\r)\n", raw) or re.search(rb"\r(?!\n)", raw) or not raw.endswith(b"\r\n"):
        problems.append("every line must end in CR LF")
    run = subprocess.run([tool, "dump", path], capture_output=True, text=True, encoding="utf-8")
    if run.returncode != 0:
        return None, problems + [f"pinatlas-tool dump: {run.stderr.strip()}"]
    data = json.loads(run.stdout)
    for key, what in (("descriptionDe", "German"), ("descriptionEn", "English")):
        # the list sorts by the description without its last four characters
        if len(data[key].strip()) < 5:
            problems.append(f"{what} short description {data[key]!r} is too short")
    n = data["pinCount"]
    if n < 2 or n > 40 or n % 2:
        problems.append(f"pin count {n} is not an even number from 2 to 40")
    if data["outputType"] not in OUTPUT_TYPES:
        problems.append(f"output type {data['outputType']!r} is none of {', '.join(OUTPUT_TYPES)}")
    for pin, name in enumerate(data["pinNames"], 1):
        if not name.strip():
            problems.append(f"pin {pin}: empty name")
    for flag, what in (("hasFunctionTable", "function table"), ("hasDataTable", "data table")):
        if not data[flag]:
            problems.append(f"no {what}")
    if data["hasFunctionTable"] and not 1 <= data["functionInputColumns"] < data["functionColumns"]:
        problems.append("the function table needs input and output columns")
    if data["hasDataTable"] and data["dataRows"] != DATA_TABLE_ROWS:
        problems.append(f"data table has {data['dataRows']} rows, the display labels {DATA_TABLE_ROWS}")
    for table in ("functionCells", "dataCells", "extraCells"):
        for r, row in enumerate(data[table], 1):
            for cell in row:
                if cell != cell.strip():
                    problems.append(f"{table} row {r}: cell {cell!r} has surrounding blanks")
    for key, marks in SOURCE_MARKS.items():
        lines = data[key]
        if not lines:
            problems.append(f"no {key}")
        text = " ".join(lines)
        for mark in marks:
            if mark not in text:
                problems.append(f"{key} does not name its {mark!r}")
        for line in lines:
            if len(line) > COMMENT_WIDTH:
                problems.append(f"{key} line longer than {COMMENT_WIDTH}: {line!r}")
    return data, problems


def reference_base(part):
    """The bare type number a reference part stands for: 74LS138 -> 74138,
    CD74HC4067M -> 74... -> 4067 for the 4000 series, HEF4093B -> 4093."""
    m = re.match(r"^(?:SN|CD|MM|HEF|MC)?(74|54)?([A-Z]*)(\d+)", part)
    if not m:
        return part
    if m.group(1) and m.group(2) and m.group(3).startswith("40") and len(m.group(3)) == 4:
        return m.group(3)
    return (m.group(1) or "") + m.group(3)


def auto_part(sheet_type, parts):
    """The reference part for a sheet whose mapping is not written down: the
    LS variant where there is one, else the first part of the same number."""
    same = [p for p in parts if reference_base(p) == sheet_type]
    for p in same:
        if p.startswith("74LS"):
            return p
    return same[0] if same else None


def load_reference(path):
    parts = {}
    with open(path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        if header[:4] != ["part", "pin", "name", "type"]:
            raise ValueError(f"{path}: unexpected header {header}")
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 4:
                continue
            part, pin, name, typ = fields[:4]
            parts.setdefault(part, {})[int(pin)] = (name, typ)
    return parts


def compare_pins(sheet, part, ref, aliases, output_type=None):
    problems = []
    # The reference leaves out unconnected pins, the last one too (4049: 16
    # pins, 15 listed), so its package is the highest pin rounded up to even.
    ref_count = max(ref) + max(ref) % 2
    if len(sheet.pins) != ref_count:
        problems.append(f"{len(sheet.pins)} pins, reference {part} has {ref_count}")

    types = {typ for _, typ in ref.values()}
    allowed = {output_type} if output_type else expected_output_types(types)
    if sheet.output_type not in allowed:
        problems.append(
            f"output type {sheet.output_type!r}, reference {part} implies "
            + " or ".join(sorted(allowed))
        )

    for pin, mine in enumerate(sheet.pins, 1):
        token = normalise(mine)
        if pin not in ref:
            if token != "NC":
                problems.append(f"pin {pin}: {mine!r}, reference {part} has no connection")
            continue
        ref_name, ref_type = ref[pin]
        if ref_type == "N":
            if token != "NC":
                problems.append(f"pin {pin}: {mine!r}, reference {part} has no connection")
            continue
        if ref_type == "W" and normalise(ref_name) in SUPPLY_POSITIVE | SUPPLY_GROUND:
            side = SUPPLY_POSITIVE if normalise(ref_name) in SUPPLY_POSITIVE else SUPPLY_GROUND
            if token not in side:
                problems.append(f"pin {pin}: {mine!r}, reference {part} has supply {ref_name}")
            continue
        if token in SUPPLY_POSITIVE | SUPPLY_GROUND:
            problems.append(
                f"pin {pin}: supply {mine!r}, reference {part} has {ref_name} ({ref_type})"
            )
            continue
        if ref_name == "~":
            want = "in" if ref_type == "I" else "out"
            got = implied_direction(token)
            if got != want:
                problems.append(
                    f"pin {pin}: {mine!r} reads as {got}put, reference {part} has an "
                    f"{want}put ({ref_type})"
                )
            continue
        ref_token = normalise(ref_name)
        cased = normalise(mine, keep_case=True)
        candidates = [cased, strip_unit(cased), token, strip_unit(token)]
        if any(c in aliases for c in candidates):
            mapped = next(aliases[c] for c in candidates if c in aliases)
            ok = mapped == ref_token
        else:
            ok = ref_token in candidates
        if not ok:
            problems.append(f"pin {pin}: {mine!r}, reference {part} has {ref_name!r}")
    return problems


def sheet_paths(root):
    for sub in SHEET_DIRS:
        folder = os.path.join(root, sub)
        if not os.path.isdir(folder):
            continue
        for name in sorted(os.listdir(folder)):
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                yield os.path.join(sub, name), path


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    tool = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[2] if len(argv) > 2 else os.path.dirname(os.path.dirname(here))
    reference = argv[3] if len(argv) > 3 else os.path.join(here, "reference", "ic-pins.tsv")
    if not os.path.isfile(reference):
        print(f"reference {reference} not found")
        return 1
    parts = load_reference(reference)
    reference_part, aliases, output_types = pinmaps.load()

    passed = failed = 0
    unchecked = []
    sheets = list(sheet_paths(root))
    # One dump process per sheet: run them side by side.
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        dumps = list(pool.map(lambda sheet: read_sheet(tool, sheet[1]), sheets))
    for (shown, path), (data, found) in zip(sheets, dumps):
        problems = []
        if not shown.endswith(".txt"):
            problems.append("file name does not end in .txt (the list takes every file)")
        problems += found
        sheet_type = os.path.basename(path)[:-4]
        if sheet_type in reference_part:
            part = reference_part[sheet_type]  # None: the reference's row is not this part
        else:
            part = auto_part(sheet_type, parts)
        if data is not None:
            if part is None:
                unchecked.append(shown)
            elif part not in parts:
                problems.append(f"mapped to {part}, which the reference does not list")
            else:
                problems += compare_pins(Sheet(data), part, parts[part], aliases.get(part, {}),
                                         output_types.get(sheet_type))
        for p in problems:
            print(f"{shown}: {p}")
        if problems:
            failed += 1
        else:
            passed += 1

    for shown in unchecked:
        print(f"{shown}: no reference part; pinout from two makers' datasheets (see its comment)")
    if passed + failed == 0:
        print("no datasheets found under " + ", ".join(SHEET_DIRS))
        return 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
