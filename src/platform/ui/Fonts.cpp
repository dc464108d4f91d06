#include "platform/ui/Fonts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>

namespace pinatlas {

void installDesktopFonts() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QApplication::setFont(desktopFont(QStringLiteral("MS Sans Serif"), 8.25));
}

QFont desktopFont(const QString& family, double pointSize, bool bold) {
    static QHash<QString, QString> installed;
    auto known = installed.constFind(family);
    if (known == installed.cend()) {
        const QStringList families = QFontDatabase::families();
        const auto find = [&families](const QString& name) {
            for (const QString& f : families)
                if (f.compare(name, Qt::CaseInsensitive) == 0)
                    return f;
            return QString();
        };
        QString found = find(family);
        for (const QString& twin : QFont::substitutes(family))
            if (found.isEmpty())
                found = find(twin);
        known = installed.insert(family, found.isEmpty() ? family : found);
    }
    QFont font(*known);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

} // namespace pinatlas

namespace pinatlas {

void fitCaptionsToWidth(QWidget* window) {
    constexpr double kSmallest = 6.5;
    constexpr const char* kDesignedFont = "pinatlasDesignedFont";
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        int chrome = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText)
                continue;
            text = label->text();
            chrome = 2 * label->margin() + 2 * label->frameWidth();
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            text = box->text();
            chrome = box->sizeHint().width() - box->fontMetrics().horizontalAdvance(text);
        } else {
            continue;
        }
        if (text.isEmpty() || text.contains(u'\n'))
            continue;
        const QVariant designed = w->property(kDesignedFont);
        QFont font = designed.isValid() ? designed.value<QFont>() : w->font();
        while (font.pointSizeF() > kSmallest &&
               QFontMetrics(font).horizontalAdvance(text) + chrome > w->width())
            font.setPointSizeF(font.pointSizeF() - 0.25);
        if (font != w->font()) {
            if (!designed.isValid())
                w->setProperty(kDesignedFont, w->font());
            w->setFont(font);
        }
    }
}

} // namespace pinatlas
