#pragma once

#include <QString>
#include <QUrl>

namespace pinatlas {

// The link text of an e-mail: "mailto:" + eMail + "?Subject=" + subject +
// "&Body=" + body, joined as they are. The text is what the user's mail
// program is meant to receive; `desktopUrl` makes it safe to hand over.
QString mailtoLink(const QString& eMail, const QString& subject = {}, const QString& body = {});

// The URL the desktop is asked to open for `address`. A mailto: link has its
// recipient, subject and body percent-encoded one by one, so that a "&", "#",
// "%", line break or umlaut inside the subject or the body stays part of it
// instead of ending it. Any other address is taken as it is written.
QUrl desktopUrl(const QString& address);

} // namespace pinatlas
