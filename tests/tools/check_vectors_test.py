#!/usr/bin/env python3
"""check_vectors.py passes on sound sheets and catches a wrong function-table
row, combinational and clocked, and an exception that explains nothing."""
import pathlib
import shutil
import subprocess
import sys
import tempfile

tool, source = sys.argv[1], pathlib.Path(sys.argv[2])
plants = [
    ("7400.txt", b"H,H,L\r\n", b"H,H,H\r\n", "pin 3 (1Y): table says H, tester reads L"),
    ("7474.txt", b"H,H,L>H,H,H,L\r\n", b"H,H,L>H,H,L,H\r\n", "pin 5 (1Q): table says L, tester reads H"),
    ("74181.txt", b"H,H,H,L,A+B,", b"H,H,H,L,A+/B,", "(F0): table says L, tester reads H"),
    ("vector_exceptions.tsv", b"74181", b"7400\t*\t3\tno column\tplanted\n74181", "explains no row"),
]
with tempfile.TemporaryDirectory() as tmp:
    root = pathlib.Path(tmp)
    (root / "library/74xx").mkdir(parents=True)
    for sheet in ("7400.txt", "7474.txt", "74181.txt"):
        shutil.copy(source / "library/74xx" / sheet, root / "library/74xx" / sheet)
    # the 74181's own entries: its table leaves Cn+4, A=B and carry-in arithmetic open
    lines = (source / "tools/library/vector_exceptions.tsv").read_bytes().splitlines(keepends=True)
    (root / "vector_exceptions.tsv").write_bytes(b"".join(l for l in lines if l.startswith(b"74181\t")))
    check = [sys.executable, str(source / "tools/library/check_vectors.py"), tool, str(root),
             str(source / "tools/library/reference/ic-vectors.json"), str(root / "vector_exceptions.tsv")]
    run = subprocess.run(check, capture_output=True, text=True)
    assert run.returncode == 0 and "3 parts checked" in run.stdout, run.stdout
    for name, old, new, message in plants:
        path = root / name if name.endswith(".tsv") else root / "library/74xx" / name
        original = path.read_bytes()
        assert old in original, name
        path.write_bytes(original.replace(old, new, 1))
        run = subprocess.run(check, capture_output=True, text=True)
        assert run.returncode == 1 and message in run.stdout, (name, run.stdout)
        path.write_bytes(original)
