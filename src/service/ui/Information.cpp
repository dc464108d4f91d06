#include "service/ui/Information.h"

#include "platform/ui/Twips.h"
#include "service/ServiceTexts.h"
#include "shared/Maker.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pinatlas {
namespace {

QFont serif(double pointSize, bool bold = false) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    return l;
}

QFrame* line(QWidget* parent) {
    auto* l = new QFrame(parent);
    l->setObjectName(QStringLiteral("Line1"));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

} // namespace

Information::Information(bool german, const QString& lineBreak) : QDialog(nullptr) {
    setObjectName(QStringLiteral("Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Pinatlas - Information"));
    const Twips tw = Twips::of(this);

    tw.place(label(this, "lblTitle", QStringLiteral("Pinatlas"), serif(20, true)), 240, 120, 5160,
             555);
    tw.place(label(this, "lblVersion", QStringLiteral("Version"), serif(12)), 240, 720, 5160, 330);
    tw.place(line(this), 240, 1140, 5160, 30);

    auto* note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("DBInfo"));
    note->setFont(serif(11));
    note->setReadOnly(true);
    note->setFrameShape(QFrame::NoFrame);
    note->viewport()->setAutoFillBackground(false);
    // Borderless, it could not show the focus; it fits the box, and a screen
    // reader reads it with the dialog. The keyboard goes to the button.
    note->setFocusPolicy(Qt::NoFocus);
    tw.place(note, 240, 1260, 5160, 2040);

    tw.place(line(this), 240, 3360, 5160, 30);
    tw.place(label(this, "Label1", QString::fromUtf8(maker::kCreditLine), serif(10)), 240, 3480,
             5160, 270);
    tw.place(label(this, "Label2", QString::fromUtf8(maker::kContactAddress), serif(10)), 240, 3780,
             5160, 270);

    // Beside the version, as users of free software expect to find it.
    auto* licence = label(this, "lblLicense", licenceLine(german), serif(9));
    tw.place(licence, 240, 4080, 5160, 270);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    tw.place(ok, 4080, 4440, 1320, 375);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    setFixedSize(tw.toPxX(5640), tw.toPxY(4980));

    // The load: version line, then title and note by language.
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(versionLine());
    setWindowTitle(aboutTitle(german));
    note->setPlainText(aboutNote(german, lineBreak));
    note->setAccessibleName(german ? QStringLiteral("Hinweis") : QStringLiteral("Note"));
}

} // namespace pinatlas
