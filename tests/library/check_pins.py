#!/usr/bin/env python3
"""Checks the shipped datasheets: file structure, and every pinout against a
public pin reference table.

Usage: check_pins.py [REPO_ROOT [REFERENCE_TSV]]

REPO_ROOT defaults to the repository holding this script, REFERENCE_TSV to
REPO_ROOT/../shared/reference/ic-pins.tsv. Without the reference file the
check is skipped (exit 0). Exit 1 on any problem.
"""

import os
import re
import sys

SHEET_DIRS = ("library/74xx", "library/40xx")

OUTPUT_TYPES = (
    "TP (totem pole)",
    "OD (open drain)",
    "OC (open collector)",
    "Tri-state",
    "Other",
)

KEY_ORDER = (
    "'Beschreibung-D:",
    "'Beschreibung-E:",
    "'Funktionstabelle:",
    "'Datentabelle:",
    "'Zusatztabelle:",
)

# The loader reads tables up to these sizes; anything larger is a defective
# file for it.
TABLE_LIMITS = {
    "'Funktionstabelle:": 52,
    "'Datentabelle:": 52,
    "'Zusatztabelle:": 100,
}

# Header row plus the eight quantities the display labels.
DATA_TABLE_ROWS = 9

# Sheet (file name without .txt) -> part name in the reference table. The
# reference usually lists a pinout under one family variant; all variants of
# a number share the pinout.
REFERENCE_PART = {
    # 74xx
    "7400": "74LS00",
    "7402": "74LS02",
    "7403": "74LS03",
    "7404": "74LS04",
    "7406": "74LS06",
    "7407": "74LS07",
    "7408": "74LS08",
    "7410": "74LS10",
    "7414": "74LS14",
    "7420": "74LS20",
    "7432": "74LS32",
    "7486": "74LS86",
    "74125": "74LS125",
    "74126": "74LS126",
    "7474": "74LS74",
    "74112": "74LS112",
    "74175": "74LS175",
    "74273": "74LS273",
    "7490": "74LS90",
    "7493": "74LS93",
    "74161": "74LS161",
    "74163": "74LS163",
    "74193": "74LS193",
    "74393": "74LS393",
    "74164": "74HC164",
    "74165": "74LS165",
    "74595": "74HC595",
    "74138": "74LS138",
    "74139": "74LS139",
    "7447": "74LS47",
    "74151": "74LS151",
    "74153": "74LS153",
    "74157": "74LS157",
    "74244": "74LS244",
    "74245": "74LS245",
    "74373": "74LS373",
    "74374": "74LS374",
    "74283": "74LS283",
    "7485": "74LS85",
    # 40xx
    "4001": "4001",
    "4011": "4011",
    "4013": "4013",
    "4017": "4017",
    "4020": "4020",
    "4027": "4027",
    "4028": "4028",
    "4040": "4040",
    "4049": "4049",
    "4051": "4051",
    "4053": "4053",
    "4066": "4066",
    "4069": "4069",
    "4070": "4070",
    "4071": "4071",
    "4081": "4081",
    "4093": "HEF4093B",
    "40106": "40106",
    "4518": "4518",
    "4543": "4543",
}


def _numbered(mine, ref, numbers, shift=0):
    """Aliases for a family of numbered pins, e.g. our QA..QD against the
    reference's Q0..Q3, one entry per index so a swap still shows."""
    return {mine.format(n): ref.format(n + shift) for n in numbers}


# Per reference part: our normalised pin name -> the reference's normalised
# name for the same pin (normalised: upper case, "~" for active low). Only
# naming differences belong here: another maker's letters, 0- vs 1-based
# numbering, a bar the reference does not draw. Every entry maps one of our
# names to exactly one reference name, so swapped pins still fail. Keys are
# tried with their case kept first, for parts whose pin names differ only in
# case.
ALIASES = {
    "74LS74": {"~CLR": "~R", "~PRE": "~S", "CLK": "C"},
    "74LS112": {"~CLR": "~R", "~PRE": "~S", "CLK": "C"},
    "74LS90": {
        "QA": "Q0", "QB": "Q1", "QC": "Q2", "QD": "Q3",
        "CKA": "CP0", "CKB": "CP1..3",
    },
    "74LS93": {
        "QA": "Q0", "QB": "Q1", "QC": "Q2", "QD": "Q3",
        "CKA": "CP0", "CKB": "CP1..3",
    },
    "74LS138": {
        **_numbered("~Y{}", "O{}", range(8)),
        "A": "A0", "B": "A1", "C": "A2", "~G2A": "E1", "~G2B": "E2", "G1": "E3",
    },
    "74LS139": {
        **_numbered("~Y{}", "O{}", range(4)),
        "A": "A0", "B": "A1", "~G": "E",
    },
    "74LS47": {"~LT": "LT", "~BI/RBO": "BI", "~RBI": "RBI"},
    "74LS151": {
        **_numbered("D{}", "I{}", range(8)),
        "A": "S0", "B": "S1", "C": "S2", "Y": "Z", "W": "~Z", "~G": "~E",
    },
    "74LS153": {
        **_numbered("1C{}", "I{}A", range(4)),
        **_numbered("2C{}", "I{}B", range(4)),
        "~1G": "EA", "~2G": "EB", "1Y": "ZA", "2Y": "ZB", "A": "S0", "B": "S1",
    },
    "74LS157": {
        "A/B": "S", "~G": "E",
        "1A": "I0A", "1B": "I1A", "1Y": "ZA",
        "2A": "I0B", "2B": "I1B", "2Y": "ZB",
        "3A": "I0C", "3B": "I1C", "3Y": "ZC",
        "4A": "I0D", "4B": "I1D", "4Y": "ZD",
    },
    "74LS244": {
        **_numbered("1A{}", "I{}A", range(1, 5), -1),
        **_numbered("1Y{}", "O{}A", range(1, 5), -1),
        **_numbered("2A{}", "I{}B", range(1, 5), -1),
        **_numbered("2Y{}", "O{}B", range(1, 5), -1),
        "~1OE": "OEA", "~2OE": "OEB",
    },
    "74LS245": {
        **_numbered("A{}", "A{}", range(1, 9), -1),
        **_numbered("B{}", "B{}", range(1, 9), -1),
        "DIR": "A->B", "~OE": "CE",
    },
    "74LS373": {**_numbered("Q{}", "O{}", range(8)), "~OE": "OE"},
    "74LS374": {**_numbered("Q{}", "O{}", range(8)), "~OE": "OE"},
    "74LS85": {"QA>B": "OA>B", "QA=B": "OA=B", "QA<B": "OA<B"},
    "4013": {"CLK": "C"},
    # the reference's CKEN is the clock inhibit, drawn without its bar
    "4017": {"CO": "COUT", "INH": "CKEN", "RST": "RESET"},
    "4020": {"MR": "RESET", "~CP": "CLK"},
    "4040": {"MR": "RESET", "~CP": "CLK"},
    "4027": {"CLK": "C"},
    "4028": {
        **_numbered("Q{}", "S{}", range(10)),
    },
    "4518": {"CLK": "CK", "EN": "ENABLE", "RST": "RESET"},
    # inputs A..D and segment outputs a..g differ only in case here
    "4543": {
        "LD": "~LE", "BI": "BL",
        "A": "D0", "B": "D1", "C": "D2", "D": "D3",
        **{c: "Q" + c.upper() for c in "abcdefg"},
    },
}

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
    def __init__(self, path):
        self.path = path
        self.pins = []
        self.output_type = ""
        self.sections = {}


def _split_lines(data):
    """Splits on CR LF and reports any other line end; returns the lines or
    None together with the problems found."""
    problems = []
    if re.search(rb"(?<!\r)\n", data):
        problems.append("line feed without carriage return (lines must end in CR LF)")
    if re.search(rb"\r(?!\n)", data):
        problems.append("carriage return without line feed")
    if not data.endswith(b"\r\n"):
        problems.append("last line does not end in CR LF")
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as err:
        problems.append(f"not Windows-1252 text: {err}")
        return None, problems
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines, problems


def _read_table(key, lines, i, problems):
    """Reads a table section starting at its header line lines[i]; returns
    (rows, next index)."""
    if i >= len(lines):
        problems.append(f"{key} has no header line")
        return None, i
    header = [v.strip() for v in lines[i].split(",")]
    want = 3 if key == "'Funktionstabelle:" else 2
    if len(header) != want or not all(v.isdigit() for v in header):
        problems.append(f"{key} header {lines[i]!r} is not {want} numbers")
        return None, i + 1
    cols, rows = int(header[0]), int(header[1])
    limit = TABLE_LIMITS[key]
    if not (1 <= cols <= limit and 1 <= rows <= limit):
        problems.append(f"{key} size {cols}x{rows} outside 1..{limit}")
    if key == "'Funktionstabelle:":
        inputs = int(header[2])
        if not 1 <= inputs < cols:
            problems.append(f"{key} has {inputs} input columns of {cols}")
        if rows < 2:
            problems.append(f"{key} has no row below the heading")
    i += 1
    table = []
    for r in range(rows):
        if i >= len(lines):
            problems.append(f"{key} ends after {r} of {rows} rows")
            return table, i
        line = lines[i]
        if line.startswith("'"):
            problems.append(f"{key} row {r + 1} is missing (found {line!r})")
            return table, i
        cells = line.split(",")
        if len(cells) != cols:
            problems.append(
                f"{key} row {r + 1} has {len(cells)} cells, header says {cols}: {line!r}"
            )
        for cell in cells:
            if cell.startswith('"'):
                problems.append(f"{key} row {r + 1}: cell {cell!r} starts with a quote")
            if cell != cell.strip():
                # list input drops leading blanks, so the cell would not
                # read back as written
                problems.append(f"{key} row {r + 1}: cell {cell!r} has surrounding blanks")
        table.append(cells)
        i += 1
    return table, i


def read_sheet(path):
    """Returns (Sheet or None, structure problems)."""
    with open(path, "rb") as f:
        data = f.read()
    lines, problems = _split_lines(data)
    if lines is None:
        return None, problems
    sheet = Sheet(path)
    if len(lines) < 5:
        problems.append("shorter than the four head lines and 'Ende")
        return None, problems
    for n, what in ((0, "German"), (1, "English")):
        # the list sorts by the description without its last four characters
        if len(lines[n].strip()) < 5:
            problems.append(f"{what} short description {lines[n]!r} is too short")
    count = lines[2].strip()
    if not count.isdigit():
        problems.append(f"pin count {lines[2]!r} is not a number")
        return None, problems
    n = int(count)
    if n < 2 or n > 40 or n % 2:
        problems.append(f"pin count {n} is not an even number from 2 to 40")
    sheet.output_type = lines[3]
    if lines[3] not in OUTPUT_TYPES:
        problems.append(f"output type {lines[3]!r} is none of {', '.join(OUTPUT_TYPES)}")
    sheet.pins = lines[4:4 + n]
    if len(sheet.pins) < n:
        problems.append(f"only {len(sheet.pins)} pin lines for {n} pins")
        return None, problems
    for pin, name in enumerate(sheet.pins, 1):
        if not name.strip() or name.startswith("'"):
            problems.append(f"pin {pin}: name {name!r} is empty or looks like a key line")

    i = 4 + n
    for key in KEY_ORDER:
        if i >= len(lines) or lines[i] != key:
            continue
        i += 1
        if key.startswith("'Beschreibung"):
            start = i
            while i < len(lines) and not lines[i].startswith("'"):
                i += 1
            sheet.sections[key] = lines[start:i]
        else:
            table, i = _read_table(key, lines, i, problems)
            sheet.sections[key] = table
    clean = False
    if i >= len(lines):
        problems.append("missing the closing line 'Ende")
    elif lines[i] == "'Ende":
        clean = i == len(lines) - 1
        if not clean:
            problems.append(f"lines after 'Ende (from line {i + 2})")
    elif lines[i].startswith("'") and lines[i] not in KEY_ORDER:
        problems.append(
            f"line {i + 1}: {lines[i]!r} is no section key; a comment line must not "
            "begin with an apostrophe"
        )
    else:
        problems.append(f"line {i + 1}: {lines[i]!r} where a section key or 'Ende was due")

    # What every sheet of the shipped library carries, beyond what the format
    # allows. Only worth saying when the file was read to its end.
    for key in KEY_ORDER[:4]:
        if clean and not sheet.sections.get(key):
            problems.append(f"no {key} section")
    data_table = sheet.sections.get("'Datentabelle:")
    if data_table is not None and len(data_table) != DATA_TABLE_ROWS:
        problems.append(
            f"data table has {len(data_table)} rows, the display labels {DATA_TABLE_ROWS}"
        )
    return sheet, problems


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


def compare_pins(sheet, part, ref, aliases):
    problems = []
    # The reference leaves out unconnected pins, the last one too (4049: 16
    # pins, 15 listed), so its package is the highest pin rounded up to even.
    ref_count = max(ref) + max(ref) % 2
    if len(sheet.pins) != ref_count:
        problems.append(f"{len(sheet.pins)} pins, reference {part} has {ref_count}")

    types = {typ for _, typ in ref.values()}
    allowed = expected_output_types(types)
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
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) > 1 else os.path.dirname(os.path.dirname(here))
    reference = (
        argv[2] if len(argv) > 2
        else os.path.join(root, "..", "shared", "reference", "ic-pins.tsv")
    )
    if not os.path.isfile(reference):
        print(f"reference {reference} not found: pin check skipped")
        return 0
    parts = load_reference(reference)

    passed = failed = 0
    unchecked = []
    for shown, path in sheet_paths(root):
        problems = []
        if not shown.endswith(".txt"):
            problems.append("file name does not end in .txt (the list takes every file)")
        sheet, structure = read_sheet(path)
        problems += structure
        sheet_type = os.path.basename(path)[:-4]
        part = REFERENCE_PART.get(sheet_type)
        if sheet is not None:
            if part is None:
                unchecked.append(shown)
            elif part not in parts:
                problems.append(f"mapped to {part}, which the reference does not list")
            else:
                problems += compare_pins(sheet, part, parts[part], ALIASES.get(part, {}))
        for p in problems:
            print(f"{shown}: {p}")
        if problems:
            failed += 1
        else:
            passed += 1

    for shown in unchecked:
        print(f"{shown}: unchecked (no reference part)")
    if passed + failed == 0:
        print("no datasheets found under " + ", ".join(SHEET_DIRS))
        return 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
