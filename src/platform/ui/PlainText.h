#pragma once

#include <QString>
#include <QTextDocument>

namespace pinatlas {

// Qt takes a tooltip for HTML when it merely looks like it. Names from a
// sheet ("<h1>7400", a pin "<CLK>") must show as they are written.
inline QString plainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? QStringLiteral("<p style='white-space:pre'>") +
                                           text.toHtmlEscaped() + QStringLiteral("</p>")
                                     : text;
}

} // namespace pinatlas
