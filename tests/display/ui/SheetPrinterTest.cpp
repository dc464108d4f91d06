#include "display/ui/SheetPrinter.h"
#include "library/DatasheetReader.h"
#include "support/TempDir.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

QByteArray run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

TEST(SheetPrinter, PrintsWhatSaveAsPdfWritesAsLinesAndText) {
    for (const char* tool : {"pdfimages", "pdftotext", "pdftoppm"})
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool << " is missing";
    TempDir dir;
    const QString printed = dir.path() + "printed.pdf";
    const QString saved = dir.path() + "saved.pdf";
    for (const QString type : {"7400", "74181", "74595"}) {
        const ReadResult read =
            readDatasheetFile(PINATLAS_SOURCE_DIR "/library/74xx/" + type + ".txt", type);
        ASSERT_TRUE(read.file) << type.toStdString();
        const Datasheet& s = read.file->sheet;
        const PrintableSheet sheet{s, read.file->commentDe, type + ": " + s.descriptionDe,
                                   Language::German};
        {
            // What the print dialog hands over for printing into a file.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageLayout(sheetPageLayout(QPageSize::A4));
            ASSERT_TRUE(printSheet(printer, sheet));
        }
        ASSERT_TRUE(writeSheetPdf(saved, sheet, nullptr, sheetPageLayout(QPageSize::A4)));
        {
            // A printer that cannot start is a failure, not an empty success.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.path() + "missing/printed.pdf");
            EXPECT_FALSE(printSheet(printer, sheet));
        }

        // pdfimages lists its two heading lines and no picture.
        EXPECT_EQ(run("pdfimages", {"-list", printed}).count('\n'), 2) << type.toStdString();
        const QString text = QString::fromUtf8(run("pdftotext", {"-layout", printed, "-"}));
        for (const QString& pin : s.pinNames)
            EXPECT_TRUE(text.contains(pin)) << type.toStdString() << " " << pin.toStdString();
        EXPECT_EQ(text, QString::fromUtf8(run("pdftotext", {"-layout", saved, "-"})));
        // The same drawing, every stub and frame line included.
        EXPECT_EQ(run("pdftoppm", {"-r", "40", "-gray", printed}),
                  run("pdftoppm", {"-r", "40", "-gray", saved}))
            << type.toStdString();
    }
}
