#include "editor/ui/CommentPage.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace pinatlas {

namespace {

QPlainTextEdit* commentBox(QWidget* parent, const char* name) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.25);
    box->setFont(font);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    return box;
}

QString withCrLf(const QString& text) {
    QString out = text;
    return out.replace(u'\n', QStringLiteral("\r\n"));
}

QString withNewlines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r"));
    QString out = text;
    return out.replace(breaks, QStringLiteral("\n"));
}

} // namespace

CommentPage::CommentPage(QWidget* owner, bool english)
    : PageWindow(owner, kId, QStringLiteral("Neu_D3"),
                 QStringLiteral("Comments or extra description / Kommentar oder extra "
                                "Beschreibung"),
                 6270, 6720, 6120, english) {
    addLabel("Label1", QStringLiteral("In english language / In englischer Sprache:"), 120, 120,
             3255, 255);
    m_englishBox = commentBox(this, "N_des");
    place(m_englishBox, 120, 360, 6015, 2535);
    addLabel("Label2", QStringLiteral("In german language / In deutscher Sprache:"), 120, 3120,
             3615, 255);
    m_germanBox = commentBox(this, "N_Bes");
    place(m_germanBox, 120, 3360, 6015, 2535);

    setTabOrder(m_englishBox, m_germanBox);
    // The buttons in the order they stand, as on the first two pages.
    setTabOrder(m_germanBox, backButton());
    setTabOrder(backButton(), abortButton());
    setTabOrder(abortButton(), forwardButton());
    m_englishBox->setFocus();
}

void CommentPage::nameControls(bool english) {
    m_englishBox->setAccessibleName(pick(english, "Kommentar auf Englisch", "Comment in English"));
    m_germanBox->setAccessibleName(pick(english, "Kommentar auf Deutsch", "Comment in German"));
}

QString CommentPage::germanText() const {
    return withCrLf(m_germanBox->toPlainText());
}

QString CommentPage::englishText() const {
    return withCrLf(m_englishBox->toPlainText());
}

void CommentPage::setGermanText(const QString& text) {
    m_germanBox->setPlainText(withNewlines(text));
}

void CommentPage::setEnglishText(const QString& text) {
    m_englishBox->setPlainText(withNewlines(text));
}

} // namespace pinatlas
