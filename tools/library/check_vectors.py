#!/usr/bin/env python3
"""Applies the test vectors of an independent IC tester to the function tables
of the shipped datasheets and reports every vector row where a table predicts
another output than the tester reads, or cannot decide it.

Usage: check_vectors.py PINATLAS_TOOL [REPO_ROOT [VECTORS_JSON [EXCEPTIONS_TSV]]]

Pins are joined by number: a vector pin takes the name our sheet gives that
pin, and a table column stands for that pin when the names are equal or the
column is the pin's name without its unit number (A for 2A, Q for 1Q or Q3,
"Qn"/"nY" spelling the unit out). Combinational rows stand alone; ordered
tests run as the tester runs them: edge and pulse markers expanded, one
unchecked pass, then checked passes, the chip's state carried from vector to
vector and from test to test.

How a table is read: H, L, X, Z (off); L>H and H>L are edges, and a level on
a column that has edges means the clock stays there; Q0, "-" or the column's
own name keep the state before, /Q0 or a name with "/" the complement, another
output's name its state before, an input's name that input; +1 and -1 count
the outputs as a binary number (a decade counter wraps at 10); ranges (Q1-Q7,
QD-QA, DCBA) take one column for several pins; "F: M=H" columns give the word
F by formula while M is high. In a table with edges, a vector no row matches
leaves the state alone: such a part changes only on what its table lists.

Every reported row must be explained in the exception list (part, test,
pins, a piece of the message, reason); an entry that explains nothing is
reported too. Exit 1 on anything unexplained.
"""

import json
import os
import re
import sys

from check_pins import read_sheet

MARKERS = {"/": (0, 1), "\\": (1, 0), "+": (0, 1, 0), "-": (1, 0, 1)}
# How the tester reads an output that drives nothing (3-state off, open
# collector off): through a pull-up it reads high, with none the 1 MOhm
# pull-downs of its lines win.
FLOATING_READS = {"IN_PU_STRONG": 1, "IN_PU_WEAK": 1, "IN_HIZ": 0}
OFF = ("Z", "aus/off", "off")
# Enough checked passes for any state the first pass left unknown to settle.
CHECKED_LOOPS = 2

_PIN = re.compile(r"^(/?)(\d*)(.*?)(\d*)$")


def sheet_type(part):
    """The sheet a tester part stands for: the family letters go (74LS51 ->
    7451, 74H106 -> 74106); other numbers are not 74xx types."""
    m = re.fullmatch(r"74[A-Z]*(\d+)", part)
    return "74" + m.group(1) if m else None


def pin_forms(name):
    """The column names a pin answers to, each with the unit it then stands
    for: {"lead": "1"} for 1A, {"trail": "3"} for Q3."""
    slash, lead, core, trail = _PIN.match(name).groups()
    forms = [(name, {})]
    if not core:
        return forms
    if lead:
        forms += [(slash + core + trail, {"lead": lead}), (slash + "n" + core + trail, {"lead": lead})]
    if trail:
        forms += [(slash + lead + core, {"trail": trail}), (slash + lead + core + "n", {"trail": trail})]
    if lead and trail:
        forms.append((slash + core, {"lead": lead, "trail": trail}))
    return forms


def compatible(a, b):
    """Two units fit when no number they both name differs; a pin serving a
    pair of units (E01 latches Q0 and Q1) fits either of them."""
    for k in a.keys() & b.keys():
        x, y = a[k], b[k]
        if x != y and not (len(x) == 1 and x in y) and not (len(y) == 1 and y in x):
            return False
    return True


def range_members(col):
    """Q1-Q7 -> Q1..Q7, QD-QA -> QD..QA, A..H -> A..H; None if no range."""
    m = re.fullmatch(r"(/?[A-Za-z]*?)(\d+|[A-Z])(?:-|\.\.)(/?[A-Za-z]*?)(\d+|[A-Z])", col)
    if not m or m.group(1) != m.group(3):
        return None
    lo, hi = m.group(2), m.group(4)
    if lo.isdigit() != hi.isdigit():
        return None
    a, b = (int(lo), int(hi)) if lo.isdigit() else (ord(lo), ord(hi))
    step = 1 if b >= a else -1
    return [m.group(1) + (str(i) if lo.isdigit() else chr(i)) for i in range(a, b + step, step)]


def bit_order(name):
    """Position of a counter or register bit: Q0/QA lowest."""
    _, _, core, trail = _PIN.match(name).groups()
    return int(trail) if trail else ord(core[-1])


class Table:
    def __init__(self, data):
        self.pins = data["pinNames"]
        cells = data["functionCells"]
        self.head = cells[0]
        self.rows = cells[1:]
        self.inputs = data["functionInputColumns"]
        self._words = {}
        self.modulus_hint = 10 if re.search(r"decade|BCD", data["descriptionEn"], re.I) else None
        by_name = {}
        for number, name in enumerate(self.pins, 1):
            by_name.setdefault(name, number)
        self.by_name = by_name
        self.members = {}
        for c, col in enumerate(self.head):
            members = range_members(col)
            if members is None and col not in by_name and len(col) > 1 and all(ch in by_name for ch in col):
                members = list(col)  # DCBA: a bus of one-letter pins
            if members and all(m in by_name for m in members):
                self.members[c] = [by_name[m] for m in members]
        # "F: M=L, Cn=H (...)": a column of formulas giving the word F while
        # the named inputs stand at those levels.
        self.words = {}
        for c in range(self.inputs, len(self.head)):
            m = re.fullmatch(r"([A-Za-z]+): ([^(]*?)\s*(?:\(.*\))?", self.head[c])
            if m and self.word(m.group(1)):
                conds = re.findall(r"([^\s,=]+)=([HL])", m.group(2))
                self.words[c] = (m.group(1), [(by_name.get(n), level(v)) for n, v in conds])
        # A column naming no pin keeps what no pin shows, such as the words
        # of a register file: "W0 = D" stores the word D there.
        self.stores = [c for c in range(self.inputs, len(self.head))
                       if c not in self.members and c not in self.words and not any(
                           self.matches(self.head[c], p) is not None for p in range(1, len(self.pins) + 1))]

    def word(self, name):
        """The pins of word `name` (A -> A0..A3), lowest bit first."""
        if name not in self._words:
            bits = [p for p, n in enumerate(self.pins, 1) if re.fullmatch(re.escape(name) + r"\d+", n)]
            self._words[name] = sorted(bits, key=lambda p: bit_order(self.pins[p - 1]))
        return self._words[name]

    def matches(self, col, number):
        """The unit pin `number` stands for under column `col`, or None."""
        best = None
        for form, key in pin_forms(self.pins[number - 1]):
            if form == col and (best is None or len(key) < len(best)):
                best = key
        return best

    def bind(self, col, key):
        """The pin column `col` means for the unit `key`: None if no pin or
        more than one fits."""
        if col in self.by_name:
            return self.by_name[col]
        fits = []
        for number in range(1, len(self.pins) + 1):
            k = self.matches(col, number)
            if k is not None and compatible(k, key):
                fits.append((sum(k.get(x) == key.get(x) for x in k), number))
        if not fits:
            return None
        fits.sort(reverse=True)
        if len(fits) > 1 and fits[0][0] == fits[1][0]:
            return None
        return fits[0][1]

    def output_place(self, number):
        """(column, unit key, member index) of the output column describing
        pin `number`, or None."""
        for c, (name, _) in self.words.items():
            if number in self.word(name):
                return c, {}, self.word(name).index(number)
        for c in range(self.inputs, len(self.head)):
            if c in self.members and number in self.members[c]:
                return c, {}, self.members[c].index(number)
        for c in range(self.inputs, len(self.head)):
            key = self.matches(self.head[c], number)
            if key is not None:
                return c, key, None
        return None


class Unit:
    """One output pin read through the table: which pin each column means
    for the unit the output belongs to."""

    def __init__(self, table, number):
        self.table = table
        self.pin = number
        self.place = table.output_place(number)
        self.word_cols = [c for c, (name, _) in table.words.items() if number in table.word(name)]
        self.cols = {}
        if self.place:
            _, key, _ = self.place
            unit = _PIN.match(table.pins[number - 1]).group(2)
            for c, col in enumerate(table.head):
                other = _PIN.match(col).group(2)
                if unit and other and other != unit and col in table.by_name:
                    continue  # a column of another unit: this output does not look at it
                self.cols[c] = table.members.get(c) or table.bind(col, key)

    def resolve(self, name, key):
        t = self.table
        if name in t.head[t.inputs:]:
            c = t.head.index(name)
            return self.cols.get(c) if not isinstance(self.cols.get(c), list) else None
        for n in (name, name.upper()):
            if n in t.by_name:
                return t.by_name[n]
        number = t.bind(name, key)
        if number is None and name != name.upper():
            number = t.bind(name.upper(), key)
        return number


def level(cell):
    return {"H": 1, "L": 0}.get(cell)


def formula(cell, word, width):
    """Evaluates a word formula: / not, · and, + or, XOR, then plus and
    minus on the whole word; a lone 0 or 1 fills the word. None if a word
    it needs is unknown, ValueError if it cannot be read."""
    tokens = re.findall(r"XOR|plus|minus|[A-Za-z]\w*|\d+|\S", cell)
    mask = (1 << width) - 1
    pos = 0

    def take(expected=None):
        nonlocal pos
        if pos >= len(tokens) or (expected and tokens[pos] != expected):
            raise ValueError(cell)
        pos += 1
        return tokens[pos - 1]

    def peek():
        return tokens[pos] if pos < len(tokens) else None

    def unary():
        t = take()
        if t == "/":
            v = unary()
            return None if v is None else ~v & mask
        if t == "(":
            v = logic()
            take(")")
            return v
        if t.isdigit():
            return mask if int(t) else 0
        return word(t)

    def binary(sub, op, fn):
        def parse():
            v = sub()
            while peek() == op:
                take()
                w = sub()
                v = None if v is None or w is None else fn(v, w)
            return v
        return parse

    logic = binary(binary(binary(unary, "·", lambda a, b: a & b), "+", lambda a, b: a | b),
                   "XOR", lambda a, b: a ^ b)
    total = 0 if peek() == "minus" else logic()
    while peek() in ("plus", "minus"):
        sign = 1 if take() == "plus" else -1
        # "minus 1" counts one; a 1 inside a logic term fills the word
        after = tokens[pos + 1] if pos + 1 < len(tokens) else None
        operand = int(take()) if (peek() or "").isdigit() and after in (None, "plus", "minus") else logic()
        total = None if total is None or operand is None else total + sign * operand
    if pos != len(tokens):
        raise ValueError(cell)
    return None if total is None else total & mask


class Sim:
    """Evaluates the table for one test: pin values now and one vector ago,
    and the state of every output the table describes."""

    def __init__(self, table, setup, state):
        self.t = table
        self.setup = setup
        self.state = state
        self.units = {}
        for number in range(1, len(table.pins) + 1):
            u = Unit(table, number)
            if u.place:
                self.units[number] = u
        self.edge_cols = {c for row in table.rows for c, cell in enumerate(row[: table.inputs]) if ">" in cell}
        self.edge_triggered = bool(self.edge_cols)

    def value(self, number, now):
        if number is None:
            return None
        if self.setup.get(str(number)) == "OUT":
            return now.get(number, 0)
        return self.state.get(number)

    def input_match(self, cell, target, now, before, clock=False):
        """True, False, or None when the level it needs is unknown. On a
        clock column a level means the clock stays there: the edge into it
        belongs to the edge rows."""
        if cell in ("X", "") or "(Ausg./out)" in cell:
            return True
        cell = cell.replace(" (Eing./in)", "")
        if isinstance(target, list):
            vals = [self.value(p, now) for p in target]
            word = cell.split("/")[-1].strip()
            m = re.fullmatch(r"(any|all) ([HL])", word)
            if m:
                want = level(m.group(2))
                hits = [v == want for v in vals if v is not None]
                if m.group(1) == "all":
                    return False if not all(hits) else (True if len(hits) == len(vals) else None)
                return True if any(hits) else (False if len(hits) == len(vals) else None)
            if len(cell) == len(vals):
                return self._all([self._one(ch, v) for ch, v in zip(cell, vals)])
            return None
        if target is None:
            return None
        if cell in ("L>H", "H>L"):
            if before is None:
                return False  # a combinational row has no before
            was, now_v = before.get(target), self.value(target, now)
            if was is None or now_v is None:
                return None
            return was == level(cell[0]) and now_v == level(cell[2])
        if clock and before is not None and level(cell) is not None:
            return self._all([self._one(cell, before.get(target)), self._one(cell, self.value(target, now))])
        return self._one(cell, self.value(target, now))

    @staticmethod
    def _one(cell, v):
        if cell == "X":
            return True
        want = level(cell)
        if want is None or v is None:
            return None
        return v == want

    @staticmethod
    def _all(results):
        if False in results:
            return False
        return None if None in results else True

    def pair_match(self, col, cell, now):
        """A3:B3 columns compare two inputs: A3>B3, A3<B3, A3=B3."""
        a, b = col.split(":")
        m = re.fullmatch(re.escape(a) + r"([<>=])" + re.escape(b), cell)
        if cell == "X":
            return True
        va, vb = self.value(self.t.by_name.get(a), now), self.value(self.t.by_name.get(b), now)
        if not m or va is None or vb is None:
            return None
        return {"<": va < vb, ">": va > vb, "=": va == vb}[m.group(1)]

    def predict_cell(self, u, cell, now, prev_state, col=None):
        """0, 1, "Z", or (None, why)."""
        _, key, member = u.place
        col = u.place[0] if col is None else col
        own_prev = prev_state.get(u.pin)
        if col in self.t.words:
            def word(name):
                bits = [self.value(p, now) for p in self.t.word(name)]
                if not bits:
                    raise ValueError(name)
                return None if None in bits else sum(b << i for i, b in enumerate(bits))
            try:
                v = formula(cell, word, len(self.t.word(self.t.words[col][0])))
            except ValueError:
                return (None, f"formula {cell!r} not understood")
            return (None, f"{cell!r}: input level unknown") if v is None else (v >> member) & 1
        if cell in ("H", "L"):
            return level(cell)
        if cell in OFF:
            return "Z"
        if cell == "-" or cell == self.t.head[col] or cell == self.t.head[col] + "0":
            return own_prev if own_prev is not None else (None, "previous state unknown")
        if cell in ("+1", "-1"):
            bus = u.cols[col] if isinstance(u.cols[col], list) else [
                p for p in range(1, len(self.t.pins) + 1) if self.t.matches(self.t.head[col], p) is not None
            ]
            bus = sorted(bus, key=lambda p: bit_order(self.t.pins[p - 1]))
            bits = [prev_state.get(p) for p in bus]
            if None in bits:
                return (None, "previous count unknown")
            modulus = self.t.modulus_hint or 2 ** len(bus)
            count = (sum(b << i for i, b in enumerate(bits)) + int(cell)) % modulus
            return (count >> bus.index(u.pin)) & 1
        if member is not None:
            if "mem:" + cell in prev_state:
                stored = prev_state["mem:" + cell]
                bit = bit_order(self.t.pins[u.pin - 1])
                return stored[bit] if stored and bit in stored else (None, f"{cell!r} unknown")
            if cell == "Q0" and "Q0" not in self.t.by_name:
                return own_prev if own_prev is not None else (None, "previous state unknown")
            names = range_members(cell)
            if names is None and len(cell) == len(u.cols[col]):
                names = list(cell)
            if names is None or len(names) != len(u.cols[col]):
                return (None, f"cell {cell!r} not understood")
            cell = names[member]
            if level(cell) is not None:
                return level(cell)
        invert = cell.startswith("/") and len(cell) > 1
        name = cell[1:] if invert else cell.lstrip("=")
        number = u.resolve(name, key)
        if number is None and name.endswith("0"):
            number = u.resolve(name[:-1], key)  # Q0: the state before
        if number is None:
            return (None, f"cell {cell!r} not understood")
        # An output the table describes is read from the chip, even where the
        # tester drives it; a pin the table gives no state for, as driven.
        v = prev_state.get(number)
        if v is None and self.setup.get(str(number)) == "OUT":
            v = now.get(number, 0)
        if v is None or v == "Z":
            return (None, f"{cell!r} unknown")
        return 1 - v if invert else v

    def store(self, now, before):
        """Writes the stored words the matching rows assign."""
        t = self.t
        if not t.stores:
            return
        cols = {c: t.bind(col, {}) for c, col in enumerate(t.head[: t.inputs])}
        for c in t.stores:
            for row in t.rows:
                m = re.fullmatch(r"(\w+) = (\w+)", row[c])
                if m:
                    self.state.setdefault("mem:" + m.group(1), None)
                results = [self.input_match(row[i], cols[i], now, before, i in self.edge_cols) for i in cols]
                if not m or False in results:
                    continue
                bits = [self.value(p, now) for p in t.word(m.group(2))]
                known = None not in results and None not in bits
                self.state["mem:" + m.group(1)] = {
                    bit_order(t.pins[p - 1]): b for p, b in zip(t.word(m.group(2)), bits)} if known else None

    def predict(self, u, now, before, prev_state):
        """(value, None) or (None, why) for output u after this vector."""
        t = self.t
        sure, maybe = [], []
        for row in t.rows:
            ok = True
            for c in range(t.inputs):
                col = t.head[c]
                if ":" in col and c not in t.members:
                    r = self.pair_match(col, row[c], now)
                else:
                    r = self.input_match(row[c], u.cols.get(c), now, before, c in self.edge_cols)
                if r is False:
                    ok = False
                    break
                if r is None:
                    ok = None
            if ok is False:
                continue
            if not u.word_cols:
                (sure if ok else maybe).append(self.predict_cell(u, row[u.place[0]], now, prev_state))
            for c in u.word_cols:
                when = self._all([self._one("HL"[1 - want], self.value(p, now)) for p, want in self.t.words[c][1]])
                if when is not False:
                    got = self.predict_cell(u, row[c], now, prev_state, c)
                    (sure if ok and when else maybe).append(got)
        if not sure and not maybe:
            if self.edge_triggered and before is not None:
                own = prev_state.get(u.pin)
                return (own, None) if own is not None else (None, "no row matches, state unknown")
            return None, "no row of the table matches"
        values = {g if not isinstance(g, tuple) else None for g in sure + maybe}
        if len(values) == 1 and None not in values:
            return values.pop(), None
        whys = [g[1] for g in sure + maybe if isinstance(g, tuple)]
        if whys:
            return None, whys[0]
        return None, "rows of the table disagree" if sure and len(values) > 1 else "input level unknown"


def expand(row_inputs, inputs):
    """The vectors one row applies: markers expanded, others steady."""
    steps = max((len(MARKERS[v]) for v in row_inputs if isinstance(v, str)), default=1)
    out = []
    for i in range(steps):
        vec = {}
        for pin, v in zip(inputs, row_inputs):
            vec[pin] = MARKERS[v][i] if isinstance(v, str) else v
        out.append(vec)
    return out


def read_as(value, setup):
    return FLOATING_READS.get(setup, 1) if value == "Z" else value


def run_test(table, test, state, prev_vec):
    """Runs one test; returns (findings {row: {pin: message}}, state, last
    vector, (output values decided and right, output values)). `state`
    carries over from the test before, as on the powered chip."""
    setup = test["pin_setup"]
    sim = Sim(table, setup, state)
    driven = [int(p) for p, f in setup.items() if f == "OUT"]
    findings = {}
    decided = set()  # (row, pin) the table decided and got right
    passes = [False] + [True] * min(test["loops"], CHECKED_LOOPS) if test["ordered"] else [True]
    for checked in passes:
        for r, (ins, outs) in enumerate(test["rows"]):
            vectors = expand(ins, test["inputs"])
            for i, vec in enumerate(vectors):
                now = {p: 0 for p in driven}
                now.update(vec)
                if not test["ordered"]:
                    sim.state.clear()  # a combinational row stands alone
                before = (prev_vec or {}) if test["ordered"] else None
                prev_state = dict(sim.state)
                sim.store(now, before)
                new = {}
                for number, u in sim.units.items():
                    v, why = sim.predict(u, now, before, prev_state)
                    new[number] = (v, why)
                for number, (v, _) in new.items():
                    if v == "Z":
                        continue  # the register behind a disabled output keeps its contents
                    sim.state[number] = v
                prev_vec = now
                if not checked or i != len(vectors) - 1 or outs is None:
                    continue
                for pin, want in zip(test["outputs"], outs):
                    name = table.pins[pin - 1]
                    if pin not in new:
                        msg = f"no column of the table describes pin {pin} ({name})"
                    else:
                        v, why = new[pin]
                        if why:
                            msg = f"pin {pin} ({name}): cannot decide: {why}"
                        elif read_as(v, setup.get(str(pin))) == want:
                            decided.add((r, pin))
                            continue
                        else:
                            shown = "Z" if v == "Z" else "HL"[1 - v]
                            msg = f"pin {pin} ({name}): table says {shown}, tester reads {'LH'[want]}"
                    findings.setdefault(r, {})[pin] = msg
    samples = len(test["rows"]) * len(test["outputs"])
    return findings, sim.state, prev_vec, (len(decided - {(r, p) for r in findings for p in findings[r]}), samples)


def load_exceptions(path):
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 5:
                raise ValueError(f"{path}: five tab-separated fields expected: {line!r}")
            part, test, pins, match, reason = fields
            pins = None if pins == "*" else {int(p) for p in pins.split(",")}
            entries.append({"part": part, "test": test, "pins": pins, "match": match,
                            "reason": reason, "used": 0})
    return entries


def explain(entries, part, test, pin, msg):
    for e in entries:
        if e["match"] == "-" or e["part"] != part or e["test"] not in ("*", test):
            continue
        if (e["pins"] is None or pin in e["pins"]) and e["match"] in msg:
            e["used"] += 1
            return e
    return None


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    tool = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[2] if len(argv) > 2 else os.path.dirname(os.path.dirname(here))
    vectors = argv[3] if len(argv) > 3 else os.path.join(here, "reference", "ic-vectors.json")
    exceptions = argv[4] if len(argv) > 4 else os.path.join(here, "vector_exceptions.tsv")
    for path in (vectors, exceptions):
        if not os.path.isfile(path):
            print(f"{path} not found")
            return 1
    with open(vectors, encoding="utf-8") as f:
        parts = json.load(f)
    entries = load_exceptions(exceptions)

    checked = rows = agreed = explained = 0
    unexplained = []
    partly = {}
    for part in parts:
        kind = sheet_type(part["part"])
        path = os.path.join(root, "library", "74xx", f"{kind}.txt") if kind else None
        if not path or not os.path.isfile(path):
            continue
        data, problems = read_sheet(tool, path)
        if data is None or not data["hasFunctionTable"]:
            unexplained.append(f"{part['part']}: sheet {kind}.txt has no readable function table")
            continue
        table = Table(data)
        checked += 1
        state, prev_vec = {}, None
        part_rows = part_agreed = part_explained = good = samples = 0
        for test in part["tests"]:
            findings, state, prev_vec, (g, n) = run_test(table, test, state, prev_vec)
            good += g
            samples += n
            part_rows += len(test["rows"])
            part_agreed += len(test["rows"]) - len(findings)
            for r in sorted(findings):
                row_ok = True
                for pin, msg in sorted(findings[r].items()):
                    e = explain(entries, part["part"], test["name"], pin, msg)
                    if e is None:
                        row_ok = False
                        unexplained.append(f"{part['part']} ({kind}.txt) test {test['name']!r} row {r + 1}: {msg}")
                    else:
                        partly.setdefault(part["part"], set()).add(e["reason"])
                part_explained += row_ok
        explained += part_explained
        rows += part_rows
        agreed += part_agreed
        order = "ordered" if any(t["ordered"] for t in part["tests"]) else "combinational"
        print(f"{part['part']} ({kind}.txt, {order}): {part_rows} rows: {part_agreed} agree, "
              f"{part_explained} explained; {good} of {samples} output values decided and right")
    for msg in unexplained:
        print(msg)
    for e in entries:
        if e["match"] != "-" and not e["used"]:
            print(f"exception for {e['part']} ({e['match']!r}) explains no row: {e['reason']}")
    stale = sum(1 for e in entries if e["match"] != "-" and not e["used"])
    for e in entries:
        if e["match"] == "-":
            print(f"{e['part']}: tester fault, pins {','.join(map(str, sorted(e['pins'])))}: {e['reason']}")
    for name in sorted(partly):
        for reason in sorted(partly[name]):
            print(f"{name}: partly covered: {reason}")
    print(f"{checked} parts checked, {rows} vector rows applied: {agreed} agree, "
          f"{explained} explained by the exception list, {rows - agreed - explained} unexplained")
    if checked == 0:
        print("no sheet of the library is covered by the vectors")
        return 1
    return 1 if unexplained or stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
