#include "library/Names.h"

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

} // namespace

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
