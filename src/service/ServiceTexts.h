#pragma once

#include <QString>
#include <QStringList>

namespace pinatlas {

// "Version " and the program's own version number, as the build sets it.
QString versionLine();
QString versionLine(int major, int minor, int revision);

// The about box: its title and note, German or English.
QString aboutTitle(bool german);
QString aboutNote(bool german, const QString& lineBreak);
QString licenceLine(bool german);

// The contribution mail offered on exit.
QString contributionQuestion(bool german);
// The first `count` entries of `files`, joined by ",<br>".
QString contributionFileList(const QStringList& files, int count);
QString contributionSubject(bool german);
QString contributionBody(bool german, const QString& fileList);

} // namespace pinatlas
