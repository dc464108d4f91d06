#include "library/Names.h"

#include "library/Cp1252.h"
#include "shared/VisibleText.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace pinatlas {
namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Every problem but the length, which depends on what the name is for.
NameProblem portableNameProblem(QStringView name) {
    if (name.isEmpty())
        return NameProblem::Empty;
    if (name == u"." || name == u"..")
        return NameProblem::DotName;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\')
            return NameProblem::Separator;
        if (QStringView(u":*?\"<>|").contains(c))
            return NameProblem::ForbiddenCharacter;
        if (isControl(c))
            return NameProblem::ControlCharacter;
    }
    // Dot entries are hidden, so the program would never show them.
    if (name.startsWith(u'.'))
        return NameProblem::LeadingDot;
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return NameProblem::TrailingDotOrBlank;
    if (isDeviceName(name))
        return NameProblem::DeviceName;
    return NameProblem::None;
}

constexpr qsizetype kMaxNameBytes = 255;

const QString kLegacyMark = QStringLiteral(" (1252)");

constexpr char16_t kLegacyByte = 0xDC00; // + the byte, for bytes 0x80 to 0xFF

bool isLegacyByte(QChar c) {
    return c.unicode() >= kLegacyByte + 0x80 && c.unicode() <= kLegacyByte + 0xFF;
}

} // namespace

QString nameFromDisk(const QByteArray& bytes) {
    const QString utf8 = QString::fromUtf8(bytes);
    if (utf8.toUtf8() == bytes)
        return utf8;
    // Each part of a path on its own: a UTF-8 file in a legacy directory
    // keeps its readable name.
    QStringList parts;
    for (const QByteArrayView part : bytes.split('/')) {
        const QString text = QString::fromUtf8(part);
        if (text.toUtf8() == part) {
            parts << text;
            continue;
        }
        QString name;
        name.reserve(part.size());
        for (const char b : part) {
            const auto byte = static_cast<unsigned char>(b);
            name += QChar(byte < 0x80 ? char16_t(byte) : char16_t(kLegacyByte + byte));
        }
        parts << name;
    }
    return parts.join(u'/');
}

QByteArray nameToDisk(QStringView name) {
    if (!isLegacyName(name))
        return name.toUtf8();
    QByteArray bytes;
    qsizetype runStart = 0; // of the characters not yet converted
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isLegacyByte(name[i]))
            continue;
        bytes += name.sliced(runStart, i - runStart).toUtf8();
        bytes += char(name[i].unicode() - kLegacyByte);
        runStart = i + 1;
    }
    return bytes + name.sliced(runStart).toUtf8();
}

bool isLegacyName(QStringView name) {
    return std::any_of(name.begin(), name.end(), isLegacyByte);
}

QString readableName(QStringView name) {
    if (!isLegacyName(name))
        return name.toString();
    QString text;
    for (const QChar c : name)
        text += isLegacyByte(c) ? decodeCp1252(QByteArray(1, char(c.unicode() - kLegacyByte)))
                                : QString(c);
    return text;
}

QString markedName(QStringView name) {
    if (!isLegacyName(name))
        return name.toString();
    // Each part of a path on its own: twins in a legacy directory differ too.
    QStringList parts;
    for (const QStringView part : name.split(u'/'))
        parts << (isLegacyName(part) ? readableName(part) + kLegacyMark : part.toString());
    return parts.join(u'/');
}

QString shownText(QStringView text) {
    // Spelt out as the tool spells them, so that a name reads the same in both.
    const QString shown = visibleText(markedName(text));
    const bool rightToLeft = std::any_of(shown.begin(), shown.end(), [](QChar c) {
        return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
    });
    return rightToLeft ? QChar(0x2068) + shown + QChar(0x2069) : shown;
}

bool isListedFileName(QStringView name) {
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/');
}

bool isPlainDirectoryName(QStringView name) {
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    for (const QChar c : name)
        if (isControl(c) || c == u'/' || c == u'\\' || c == u':')
            return false;
    return true;
}

bool isDeviceName(QStringView name) {
    // Windows ignores blanks before the extension as well.
    QStringView base = name.left(name.indexOf(u'.'));
    while (base.endsWith(u' '))
        base.chop(1);
    for (const char16_t* device :
         {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$", u"CLOCK$"})
        if (base.compare(QStringView(device), Qt::CaseInsensitive) == 0)
            return true;
    if (base.size() != 4 || !(base.startsWith(u"COM", Qt::CaseInsensitive) ||
                              base.startsWith(u"LPT", Qt::CaseInsensitive)))
        return false;
    const char16_t digit = base[3].unicode();
    return (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

NameProblem typeNameProblem(QStringView type) {
    const NameProblem problem = portableNameProblem(type);
    if (problem != NameProblem::None)
        return problem;
    if ((type.toString() + QStringLiteral(".txt")).toUtf8().size() > kMaxNameBytes)
        return NameProblem::TooLong;
    return NameProblem::None;
}

bool isRegularDirectoryName(QStringView name) {
    return isPlainDirectoryName(name) && portableNameProblem(name) == NameProblem::None &&
           name.toString().toUtf8().size() <= kMaxNameBytes;
}

} // namespace pinatlas
