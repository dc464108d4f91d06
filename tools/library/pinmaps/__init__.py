"""Pin-name mappings between our sheets and the reference table.

Every module in this folder may define REFERENCE_PART (sheet type -> part name
in the reference, where the automatic match by number would pick the wrong
part or none; None where the reference's row of that number is wrong) and ALIASES (reference part -> {our normalised pin name: the
reference's normalised name}) and OUTPUT_TYPE (sheet type -> the output type
the makers' datasheets give, where the reference marks the pins otherwise).
Contributors add a module of their own instead of editing a shared one.
"""

import importlib
import pkgutil


def numbered(mine, ref, numbers, shift=0):
    """Aliases for a family of numbered pins, e.g. our QA..QD against the
    reference's Q0..Q3, one entry per index so a swap still shows."""
    return {mine.format(n): ref.format(n + shift) for n in numbers}


def load():
    reference_part, aliases, output_type = {}, {}, {}
    for info in sorted(pkgutil.iter_modules(__path__), key=lambda m: m.name):
        module = importlib.import_module(f"{__name__}.{info.name}")
        for sheet, part in getattr(module, "REFERENCE_PART", {}).items():
            if sheet in reference_part and reference_part[sheet] != part:
                raise ValueError(f"{info.name}: {sheet} mapped twice")
            reference_part[sheet] = part
        for part, names in getattr(module, "ALIASES", {}).items():
            aliases.setdefault(part, {}).update(names)
        output_type.update(getattr(module, "OUTPUT_TYPE", {}))
    return reference_part, aliases, output_type
