"""Naming differences between the reference and the sheets of the flip-flop,
latch, register and monostable batch (7473 ... 74670)."""

from pinmaps import numbered as _numbered

# The LS symbols draw a flip-flop's set and reset as ~S/~R and its clock as C.
_JK = {"~CLR": "~R", "~PRE": "~S", "CLK": "C"}

# Where an entry maps "~X" to "X", the reference draws an active-low pin
# without its bar.
ALIASES = {
    "74LS73": dict(_JK),
    "74LS76": dict(_JK),
    "74LS78": dict(_JK),
    "74LS95": {"CP1": "CP1.RSHIFT", "CP2": "CP2.LSHIFT"},
    "74LS107": dict(_JK),
    "74LS109": dict(_JK),
    "74LS113": dict(_JK),
    "74LS114": dict(_JK),
    "74LS121": {"~A1": "A1", "~A2": "A2", "RCEXT": "R/CEXT"},
    "74LS122": {"~A1": "A1", "~A2": "A2", "~CLR": "CLR", "RCEXT": "R/CEXT"},
    "74LS123": {"~A": "A", "~CLR": "CLR"},
    "74LS166": {"~CE": "CE", "CP": "CLK", "~MR": "CLR", "~PE": "PE"},
    "74LS173": {"~OE1": "OE1", "~OE2": "OE2", "~E1": "E1", "~E2": "E2"},
    "74LS194": {"~MR": "MR"},
    "74LS259": {"~E": "E", "~CLR": "CLR"},
    "74LS290": {
        "R9(1)": "MS1", "R9(2)": "MS2", "R0(1)": "MR1", "R0(2)": "MR2",
        "CKA": "CP0", "CKB": "CP1", "QA": "Q0", "QB": "Q1", "QC": "Q2", "QD": "Q3",
    },
    "74LS299": {
        **_numbered("I/O{}", "IO{}", range(8)),
        "~OE1": "OE1", "~OE2": "OE2", "~MR": "MR",
    },
    "74LS323": {
        **_numbered("I/O{}", "IO{}", range(8)),
        "~OE1": "OE1", "~OE2": "OE2", "~SR": "SR",
    },
    "74LS378": {"CP": "C"},
    "74LS395": {"LD": "LD/~SH", "Q3'": "Q'3"},
    "74LS573": {"~OE": "OE", "LE": "LOAD"},
    "74LS574": {"~OE": "OE"},
}

REFERENCE_PART = {
    # The reference's 74LS293 row draws the 74LS290's set-to-9 inputs at pins
    # 1 and 3, which the 74293 leaves unconnected; its sheet takes the pinout
    # from two makers' datasheets instead.
    "74293": None,
}

# The reference copies the 74LS670's tri-state outputs into the 74LS170; the
# makers' datasheets give open collectors.
OUTPUT_TYPE = {
    "74170": "OC (open collector)",
}
