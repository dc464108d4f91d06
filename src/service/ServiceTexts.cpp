#include "service/ServiceTexts.h"

#include "shared/Maker.h"

namespace pinatlas {

QString versionLine() {
    return versionLine(PINATLAS_VERSION_MAJOR, PINATLAS_VERSION_MINOR, PINATLAS_VERSION_PATCH);
}

QString versionLine(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString aboutTitle(bool german) {
    return QString::fromUtf8(german ? maker::kGermanStartPage : maker::kMainSite);
}

QString aboutNote(bool german, const QString& lineBreak) {
    const QString site = QString::fromUtf8(maker::kSiteName);
    if (!german)
        return QStringLiteral("If you have any suggestions for improvement or if you find any "
                              "mistakes, please let me know.") +
               lineBreak + lineBreak +
               QStringLiteral("You can always download the most current version at ") + site;
    QString note = QStringLiteral("Ich hoffe Ihnen gefällt das Stiftatlas.");
    note += lineBreak;
    note += QStringLiteral("Wenn Sie Verbesserungsvorschläge haben,");
    note += QStringLiteral(" können Sie mir diese gerne schreiben.");
    note += QStringLiteral(" Die neueste Version können Sie jederzeit ");
    note += QStringLiteral("unter ");
    note += site;
    note += QStringLiteral(" herunterladen.");
    note += lineBreak;
    note += lineBreak;
    return note;
}

QString licenceLine(bool german) {
    return german ? QStringLiteral("Lizenz: Programm GPL-3.0-or-later, Datenblätter CC BY 4.0")
                  : QStringLiteral("Licence: program GPL-3.0-or-later, datasheets CC BY 4.0");
}

QString contributionQuestion(bool german) {
    const QString address = QString::fromUtf8(maker::kServiceAddress);
    if (german)
        return QStringLiteral("Sie haben ein oder mehrere neue Datenblätter eingefügt oder "
                              "vorhandene geändert. Bitte helfen Sie dabei mit, diese Stiftatlas "
                              "Software zu erweitern und senden Sie die Datenblätter an ") +
               address +
               QStringLiteral(", damit diese Software um die neuen Datenblätter erweitert werden "
                              "kann. Dankeschön!");
    return QStringLiteral("You have create one or more datasheets or you have edit some of them. "
                          "Please send the new/changed datasheet per email to ") +
           address +
           QStringLiteral(". This will help to complete the pinatlas and the author would be "
                          "very grateful!");
}

QString contributionFileList(const QStringList& files, int count) {
    // The body is HTML: a name holding "<" or "&" stays the name.
    QStringList names = files.mid(0, qMax(0, count));
    for (QString& name : names)
        name = name.toHtmlEscaped();
    return names.join(QStringLiteral(",<br>"));
}

QString contributionSubject(bool german) {
    return german ? QStringLiteral("Neue Daten für die Stiftatlas Software!")
                  : QStringLiteral("New data for the pinatlas software!");
}

QString contributionBody(bool german, const QString& fileList) {
    if (german)
        return QStringLiteral("<html>Bitte hängen Sie dieser E-Mail die folgenden Datei(en) als "
                              "Anhang an:<br><br>") +
               fileList +
               QStringLiteral("<br><br>(bitte nicht den Text der Daten direkt in die Mail "
                              "kopieren!).<br>Dankeschön!<br></html>");
    return QStringLiteral("<html>Please attach the following file(s) to this email:<br><br>") +
           fileList +
           QStringLiteral("<br><br>(please do not copy the text of this files directly into the "
                          "mail!).<br>Thank you!<br></html>");
}

} // namespace pinatlas
