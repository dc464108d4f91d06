"""Reference parts of the types once held back for doubt and now settled by
the makers' documents."""

REFERENCE_PART = {
    # The reference draws the 74LS51 with unnamed gate pins; ST's M74HC51 pin
    # description names them (1A..1F on 1, 12, 13, 9, 10, 11) and calls the
    # part pin compatible with the 74LS51, so only the directions are compared.
    "7451": "74LS51",
}
