#include "platform/DesktopLink.h"

namespace pinatlas {
namespace {

const QLatin1String kMailto("mailto:");
const QLatin1String kSubjectKey("Subject=");
const QLatin1String kBodyKey("&Body=");
// What a mailto: query value may hold as it is; everything else is encoded.
const QByteArray kValueSafe("!$'()*,;:@/?");

QByteArray encodedQuery(const QString& query) {
    // The subject is ours and never holds "&Body=", so the first one found
    // after it starts the body, whatever the body itself holds.
    if (query.startsWith(kSubjectKey, Qt::CaseInsensitive)) {
        const qsizetype bodyAt = query.indexOf(kBodyKey, kSubjectKey.size(), Qt::CaseInsensitive);
        if (bodyAt >= 0) {
            const QString subject = query.mid(kSubjectKey.size(), bodyAt - kSubjectKey.size());
            const QString body = query.mid(bodyAt + kBodyKey.size());
            return query.left(kSubjectKey.size()).toLatin1() +
                   QUrl::toPercentEncoding(subject, kValueSafe) +
                   query.mid(bodyAt, kBodyKey.size()).toLatin1() +
                   QUrl::toPercentEncoding(body, kValueSafe);
        }
    }
    // Some other query: keep its fields apart, encode everything else.
    return QUrl::toPercentEncoding(query, kValueSafe + "&=");
}

} // namespace

QString mailtoLink(const QString& eMail, const QString& subject, const QString& body) {
    return QStringLiteral("mailto:") + eMail + QStringLiteral("?Subject=") + subject +
           QStringLiteral("&Body=") + body;
}

QUrl desktopUrl(const QString& address) {
    if (!address.startsWith(kMailto, Qt::CaseInsensitive))
        return QUrl(address, QUrl::TolerantMode);
    const QString rest = address.mid(kMailto.size());
    const qsizetype queryAt = rest.indexOf(QLatin1Char('?'));
    QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(rest.left(queryAt), "@,");
    if (queryAt >= 0)
        encoded += '?' + encodedQuery(rest.mid(queryAt + 1));
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

} // namespace pinatlas
