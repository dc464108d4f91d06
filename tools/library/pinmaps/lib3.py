"""Naming differences between the reference and the sheets added for the
decoders, encoders, multiplexers, counters and the ALU of the 74xx book."""

from pinmaps import numbered as _numbered

REFERENCE_PART = {}

_MUX2 = {
    "A/B": "S",
    "1A": "I0A", "1B": "I1A",
    "2A": "I0B", "2B": "I1B",
    "3A": "I0C", "3B": "I1C",
    "4A": "I0D", "4B": "I1D",
}

# The reference letters the units of the 74LS257, 74LS258 and 74LS158 the way Motorola does,
# unit d at pins 9 to 11; TI and the 74157 put unit 3 there, and so do our
# sheets.
_MUX2_CD = {
    **{k: v for k, v in _MUX2.items() if k[0] not in "34"},
    "3A": "I0D", "3B": "I1D", "4A": "I0C", "4B": "I1C",
}

# TI's names for the dual 1-of-4 decoders against the reference's
# Decoder b's two enables are both active low and ANDed; ST's M74HC155 names
# pin 14 2G and pin 15 2C.
_DUAL4 = {
    "1C": "EA1", "~1G": "EA2", "~2G": "EB1", "~2C": "EB2", "B": "A1", "A": "A0",
    **_numbered("~1Y{}", "Q{}A", range(4)),
    **_numbered("~2Y{}", "Q{}B", range(4)),
}

ALIASES = {
    # the reference draws none of the active-low bars of these parts
    "74LS48": {"~LT": "LT", "~BI/RBO": "BI", "~RBI": "RBI"},
    "74LS42": _numbered("~Y{}", "{}", range(10)),
    "74LS148": {
        **_numbered("~I{}", "I{}", range(1, 8)),
        # the reference spells input 0 with the letter O
        "~I0": "IO",
        **_numbered("~A{}", "S{}", range(3)),
        "~EI": "EI", "~GS": "GS", "~EO": "EO",
    },
    "74LS147": {
        **_numbered("~I{}", "E{}", range(1, 10)),
        **_numbered("~A{}", "S{}", range(4)),
    },
    "74LS154": {
        **_numbered("~Y{}", "S{}", range(16)),
        "~G1": "E0", "~G2": "E1",
    },
    # X and Y are the older names of carry propagate and generate
    "74LS181": {"~P": "X", "~G": "Y"},
    "74LS257": {**_MUX2_CD, "~OE": "OE", "1Y": "ZA", "2Y": "ZB", "3Y": "ZD", "4Y": "ZC"},
    "74LS258": {**_MUX2_CD, "~OE": "OE", "~1Y": "ZA", "~2Y": "ZB", "~3Y": "ZD", "~4Y": "ZC"},
    "74LS158": {**_MUX2_CD, "~G": "E", "~1Y": "ZA", "~2Y": "ZB", "~3Y": "ZD", "~4Y": "ZC"},
    "74LS191": {"~CE": "CE", "~PL": "PL", "~RC": "RC"},
    "74LS190": {"~CE": "CE", "~PL": "PL", "~RC": "RC"},
    "74LS46": {"~LT": "LT", "~BI/RBO": "BI", "~RBI": "RBI"},
    "74LS92": {
        "QA": "Q0", "QB": "Q1", "QC": "Q2", "QD": "Q3",
        "CKA": "CP0", "CKB": "CP1..3",
    },
    "74LS137": _numbered("~Y{}", "Y{}", range(8)),
    "74LS145": {**_numbered("~Y{}", "Q{}", range(10)), **_numbered("A{}", "P{}", range(4))},
    "74LS155": _DUAL4,
    "74LS156": _DUAL4,
    "74LS168": {"U/D": "U/~D"},
    "74LS169": {"U/D": "U/~D"},
    "74LS196": {"~PL": "PL", "~MR": "MR"},
    "74LS197": {"~PL": "PL", "~MR": "MR"},
    "74LS253": {"~OEA": "OEA", "~OEB": "OEB"},
    "74LS353": {"~OEA": "OEA", "~OEB": "OEB", "~ZA": "ZA", "~ZB": "ZB"},
    "74LS352": {"~EA": "EA", "~EB": "EB", "~ZA": "ZA", "~ZB": "ZB"},
    "74LS348": {
        **_numbered("~I{}", "{}", range(8)),
        **_numbered("~A{}", "A{}", range(3)),
        # the reference spells the enable output with a zero
        "~EI": "EI", "~GS": "GS", "~EO": "E0",
    },
    "74LS182": {
        **_numbered("~G{}", "G{}", range(4)),
        **_numbered("~P{}", "P{}", range(4)),
        "~G": "G", "~P": "P",
    },
}
