"""Naming differences between the reference and the gate, buffer, comparator
and display-decoder sheets added in the second round (7401..74688)."""

from pinmaps import numbered as _numbered

# The octal drivers with interleaved groups: our 1A1..1A4 and 1Y1..1Y4 are the
# reference's I0a..I3a and O0a..O3a; the enables are drawn without their bar.
_INTERLEAVED = {
    **_numbered("1A{}", "I{}A", range(1, 5), -1),
    **_numbered("1Y{}", "O{}A", range(1, 5), -1),
    **_numbered("2A{}", "I{}B", range(1, 5), -1),
    **_numbered("2Y{}", "O{}B", range(1, 5), -1),
}

# Flow-through octal drivers: 1-based names against the reference's 0-based.
_FLOW_THROUGH = {
    **_numbered("A{}", "A{}", range(1, 9), -1),
    **_numbered("Y{}", "Y{}", range(1, 9), -1),
    "~G1": "G1", "~G2": "G2",
}

# Hex buffers with two enables: the reference numbers the six channels 1..6.
_HEX_BUFFER = {
    **_numbered("{}A", "I{}", range(1, 7)),
    **_numbered("{}Y", "O{}", range(1, 7)),
    "~G1": "E1", "~G2": "E2",
}

# Hex buffers split 4 + 2: TI names the channels 1A1..1A4 and 2A1..2A2.
_SPLIT_BUFFER = {
    **_numbered("1A{}", "I{}", range(1, 5)),
    **_numbered("1Y{}", "O{}A", range(1, 5)),
    **_numbered("2A{}", "I{}", range(1, 3), 4),
    **_numbered("2Y{}", "O{}B", range(1, 3), 4),
    "~1G": "OEA", "~2G": "OEB",
}

# Quad transceivers: 1-based A1..A4/B1..B4 against A0..A3/B0..B3.
_TRANSCEIVER = {
    **_numbered("A{}", "A{}", range(1, 5), -1),
    **_numbered("B{}", "B{}", range(1, 5), -1),
    "~GAB": "OEA", "GBA": "OEB",
}

ALIASES = {
    "74LS240": {**_INTERLEAVED, "~1OE": "OEA", "~2OE": "OEB"},
    "74LS241": {**_INTERLEAVED, "~1OE": "OEA", "2OE": "OEB"},
    "74LS540": _FLOW_THROUGH,
    "74LS541": _FLOW_THROUGH,
    "74LS688": {**_numbered("Q{}", "R{}", range(8)), "~G": "G", "~P=Q": "P=R"},
    "74LS365": _HEX_BUFFER,
    "74LS366": _HEX_BUFFER,
    "74LS367": _SPLIT_BUFFER,
    "74LS368": _SPLIT_BUFFER,
    "74LS242": _TRANSCEIVER,
    "74LS243": _TRANSCEIVER,
    # the reference draws lamp test and ripple blanking without their bars
    "74LS246": {"~LT": "LT", "~BI/RBO": "RBO", "~RBI": "RBI"},
    "74LS247": {"~LT": "LT", "~BI/RBO": "RBO", "~RBI": "RBI"},
    "74LS248": {"~BI/RBO": "~BI~/~RBO"},
    "74LS249": {"~BI/RBO": "~BI~/~RBO"},
}
