#include "Commands.h"
#include "ToolSupport.h"

#include "display/ui/DatasheetView.h"
#include "display/ui/SheetPrinter.h"
#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "platform/ui/Fonts.h"
#include "shared/Language.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

#include <unistd.h>

namespace pinatlas::tool {

namespace {

const char* const kRenderUsage =
    "usage: pinatlas-tool render FILE [--lang D|E] [--dpi N] [--page a4|letter] --out PNG|PDF\n"
    "\n"
    "Draws the datasheet FILE as the main window shows it, scrolled to the top\n"
    "left: the package, the comment and the tables in their places, sized to\n"
    "show all of them, and writes the picture to PNG. An output name ending in\n"
    ".pdf writes the sheet as the program prints it instead: title, package,\n"
    "comment and tables as lines and text, laid out for A4 (Letter where that is\n"
    "the usual paper) on as few pages as it can.\n"
    "\n"
    "  --lang D|E   language of the comment and the data table's labels\n"
    "               (default E)\n"
    "  --dpi N      resolution of the picture, 24 to 1200 (default 96, the size\n"
    "               the main window has on a 96 dpi screen)\n"
    "  --page SIZE  paper of the document, a4 or letter (default: the locale's)\n"
    "  --out FILE   the picture (.png) or document (.pdf) to write; no other\n"
    "               name is taken\n";

int usageError(const char* message) {
    return tool::usageError("render", QLatin1String(message), kRenderUsage);
}

int render(const QStringList& args) {
    if (wantsHelp(args)) {
        out(QLatin1String(kRenderUsage));
        return 0;
    }
    QCommandLineParser parser;
    const QCommandLineOption langOption(QStringLiteral("lang"), {}, QStringLiteral("code"));
    const QCommandLineOption dpiOption(QStringLiteral("dpi"), {}, QStringLiteral("n"));
    const QCommandLineOption pageOption(QStringLiteral("page"), {}, QStringLiteral("size"));
    const QCommandLineOption outOption(QStringLiteral("out"), {}, QStringLiteral("file"));
    if (const QString why =
            parseOptions(parser, args, {langOption, dpiOption, pageOption, outOption});
        !why.isEmpty())
        return tool::usageError("render", why, kRenderUsage);
    Language language = Language::English;
    if (!tool::readLanguageOption(parser, langOption, language))
        return tool::usageError("render", tool::kLanguageOptionError, kRenderUsage);
    int dpi = 96;
    if (parser.isSet(dpiOption)) {
        bool ok = false;
        dpi = parser.value(dpiOption).toInt(&ok);
        if (!ok || dpi < 24 || dpi > 1200)
            return usageError("--dpi takes a number from 24 to 1200");
    }
    auto paper = QPageSize::PageSizeId(-1);
    if (parser.isSet(pageOption)) {
        const QString size = parser.value(pageOption).toLower();
        if (size != QLatin1String("a4") && size != QLatin1String("letter"))
            return usageError("--page takes a4 or letter");
        paper = size == QLatin1String("a4") ? QPageSize::A4 : QPageSize::Letter;
    }
    const QString output = parser.value(outOption);
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() > 1)
        return tool::usageError("render", QStringLiteral("unknown argument '%1'").arg(inputs[1]),
                                kRenderUsage);
    const QString input = inputs.value(0);
    if (input.isEmpty() || output.isEmpty())
        return usageError("FILE and --out PNG are needed");
    // A PNG written under another picture's name would pass for what it is not.
    if (!output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        !output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return usageError("--out takes a name ending in .png or .pdf");

    const QString type = QFileInfo(input).completeBaseName();
    // Read as the program reads: only an ordinary file, and only up to the limit.
    const ReadResult result = readDatasheetFile(input, type);
    if (!result.file) {
        err(QStringLiteral("pinatlas-tool render: %1: %2\n")
                .arg(visible(markedName(input)),
                     visible(describeDefect(result.defect, result.defectLine))));
        return 1;
    }

    const bool english = language == Language::English;
    const Datasheet& sheet = result.file->sheet;
    const QString title = english ? type + QStringLiteral(":  ") + sheet.descriptionEn
                                  : type + QStringLiteral(": ") + sheet.descriptionDe;
    const QStringList& comment = english ? result.file->commentEn : result.file->commentDe;

    if (output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QString error;
        if (!writeSheetPdf(output, {sheet, comment, title, language}, &error,
                           sheetPageLayout(paper))) {
            err(QStringLiteral("pinatlas-tool render: cannot write %1: %2\n")
                    .arg(visible(markedName(output)), visible(error)));
            return 1;
        }
        return 0;
    }

    // The drawing area of a main window that is never put on a screen.
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    DatasheetView view(&host);
    view.display(sheet, comment, title, language);
    host.show();
    const QImage image = view.renderWhole(double(dpi) / host.logicalDpiX());
    if (image.isNull()) {
        err(QStringLiteral("pinatlas-tool render: the picture is too large for one image\n"));
        return 1;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        err(QStringLiteral("pinatlas-tool render: the picture cannot be encoded\n"));
        return 1;
    }
    const SaveOutcome saved = saveFileWhole(output, png);
    if (!saved.ok) {
        err(QStringLiteral("pinatlas-tool render: cannot write %1: %2\n")
                .arg(visible(markedName(output)), visible(saved.error)));
        return 1;
    }
    return 0;
}

} // namespace

int renderMain(int argc, char* argv[]) {
    // The drawing runs on the offscreen platform so that the tool needs no
    // display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime directory even offscreen; without one it
    // warns on every run, which would mix into the tool's own output.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir =
            QDir::tempPath().toLocal8Bit() + "/pinatlas-tool-" + QByteArray::number(uint(getuid()));
        if (QDir().mkpath(QString::fromLocal8Bit(dir)) &&
            QFile::setPermissions(QString::fromLocal8Bit(dir), QFileDevice::ReadOwner |
                                                                   QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    QApplication app(argc, argv);
    installDesktopFonts();
    return render(app.arguments().mid(2));
}

} // namespace pinatlas::tool
