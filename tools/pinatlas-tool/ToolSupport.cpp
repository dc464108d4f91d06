#include "ToolSupport.h"

#include <cstdio>

namespace pinatlas::tool {

void out(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

bool wantsHelp(const QStringList& args) {
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

QString describeDefect(const QString& reason, int line) {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

} // namespace pinatlas::tool
