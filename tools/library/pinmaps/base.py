"""Sheets whose reference part the automatic match would not find, and the
naming differences of the first 59 sheets."""

from pinmaps import numbered as _numbered

# The reference draws the 74LS22 with totem-pole outputs; every maker's
# datasheet gives it open-collector outputs, which is
# what sets it apart from the 7420.
# The same holds for the 74LS156, the open-collector twin of the 74LS155.
OUTPUT_TYPE = {"7422": "OC (open collector)", "74156": "OC (open collector)"}

REFERENCE_PART = {
    # The reference's 74LS256 row draws a 74LS156-like decoder; the part is a
    # dual 4-bit addressable latch, so its sheet takes the pinout from two
    # makers' datasheets instead.
    "74256": None,
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
