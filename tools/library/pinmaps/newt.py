"""Naming differences of the types added last."""

ALIASES = {
    # The reference draws no active-low bars on the 74LS322 and calls the
    # serial output after the last stage.
    "74LS322": {"~G": "G", "~OE": "OE", "~CLR": "CLR", "~SE": "SE", "QH'": "QH"},
}
