"""Output types of the sheets mended after the audit and naming differences
of the sheets added with the third batch of the book."""

from pinmaps import numbered as _numbered

# Only PC2 (pin 13) of the 4046 is 3-state; its other outputs are ordinary
# ones, so the sheet as a whole is "Other". The 74LS248 drives its segments
# through built-in pull-up resistors, which the reference draws as open
# collectors.
OUTPUT_TYPE = {"4046": "Other", "74248": "Other"}

REFERENCE_PART = {
    # The makers give the 74HC238 the 74138's pinout with non-inverting
    # outputs, so its pins are checked against the 138's row.
    "74238": "74LS138",
}

ALIASES = {
    "74LS138": {
        **_numbered("Y{}", "O{}", range(8)),
        "~E1": "E1", "~E2": "E2",
    },
}
