"""Naming differences between the reference and the 4000-series sheets
added with the second batch of the book (4016 to 14529, 74390, 74590,
74629)."""

from pinmaps import numbered as _numbered

REFERENCE_PART = {}

ALIASES = {
    "4029": {"~CI": "CIN", "~CO": "COUT", "CLK": "CK"},
    # the reference calls the comparator input RefIn and the VCO output an
    # input; both C1 pins carry the one timing capacitor
    "4046": {"COMPIN": "REFIN", "VCOOUT": "FOUT", "C1A": "C1", "C1B": "C2", "ZENER": "ZOUT"},
    "4047": {
        "RC": "RC_COMMON", "~AST": "~ASTABLE", "AST": "ASTABLE",
        "-TR": "-TRIGGER", "+TR": "+TRIGGER", "RST": "EXT_RESET",
        "RETR": "RETRIGGER", "OSC": "OSC_OUT",
    },
    # the reference draws the active-low reset without its bar
    "4538": {"~CD": "R", "RCX": "RXCX", "TR+": "CLK+", "TR-": "CLK-"},
    "4510": {**_numbered("P{}", "A{}", range(1, 5)), "~CI": "CI", "~CO": "CO"},
    "4022": {"CO": "COUT", "INH": "CKEN", "RST": "RESET"},
    # the reference numbers the units at the end of every name
    "4056": {
        "ST": "STROBE", "DF": "FREQ.IN",
        "A": "2^0", "B": "2^1", "C": "2^2", "D": "2^3",
        **{c: c.upper() for c in "abcdefg"},
    },
    "4098": {
        k.format(u): v.format(u)
        for u in (1, 2)
        for k, v in (
            ("{0}CX", "CX{0}"), ("{0}RCX", "RX{0}_CX{0}"), ("~{0}R", "~RESET{0}"),
            ("{0}TR+", "+TR{0}"), ("{0}TR-", "-TR{0}"), ("{0}Q", "Q{0}"), ("~{0}Q", "~Q{0}"),
        )
    },
    "4504": {"MODE": "SELECT"},
    # the reference draws the active-low reset without its bar
    "4528": {"~CD": "R", "RCX": "RXCX", "TR+": "CLK+", "TR-": "CLK-"},
    "4520": {"CLK": "CK", "EN": "ENABLE", "RST": "RESET"},
    "74LS390": {
        "CKA": "~CP0", "CKB": "~CP1", "CLR": "MR",
        "QA": "Q0", "QB": "Q1", "QC": "Q2", "QD": "Q3",
    },
    "74LS590": {
        **{"Q" + c: "Q{}".format(i) for i, c in enumerate("ABCDEFGH")},
        "~CCLR": "~MRC", "CCK": "CPC", "~CCKEN": "~CE",
        "RCK": "CPR", "~G": "~OE",
    },
    # the oscillator's own supply pins; the enable is active low
    "74LS629": {"OSCGND": "OSC", "OSCVCC": "OSC", "~EN": "EN"},
}
