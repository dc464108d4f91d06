#!/usr/bin/env python3
"""tools/check-layers passes on the tree and fails on each kind of wrong include."""
import pathlib
import shutil
import subprocess
import sys
import tempfile

source = pathlib.Path(sys.argv[1])
plants = [
    ("src/display/ui/DatasheetView.cpp", "app/ui/MainWindow.h", "display may not include app"),
    ("src/platform/ui/QtPlatform.cpp", "shared/Settings.h", "platform may not include shared"),
    ("src/library/IcList.cpp", "library/ui/SheetListing.h", "the core includes no widgets"),
    ("tools/pinatlas-tool/ListCommand.cpp", "editor/WizardRules.h", "tool may not include editor"),
]
with tempfile.TemporaryDirectory() as tmp:
    root = pathlib.Path(tmp)
    for part in ("src", "tools/pinatlas-tool"):
        shutil.copytree(source / part, root / part)
    shutil.copy(source / "tools/layers", root / "tools/layers")
    check = [sys.executable, str(source / "tools/check-layers"), str(root)]
    subprocess.run(check, check=True)
    for file, header, reason in plants:
        path = root / file
        original = path.read_text()
        path.write_text(f'#include "{header}"\n' + original)
        run = subprocess.run(check, capture_output=True, text=True)
        assert run.returncode == 1 and reason in run.stderr, (file, run.stderr)
        path.write_text(original)
