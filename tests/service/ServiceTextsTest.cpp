#include "service/ServiceTexts.h"
#include "platform/DesktopLink.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(ServiceTexts, TheAboutBoxAndTheContributionMailInBothLanguages) {
    const std::pair<QString, const char*> texts[] = {
        {aboutTitle(true), "https://www.pinatlas.example/de/"},
        {aboutTitle(false), "https://www.pinatlas.example/"},
        {aboutNote(true, "|"),
         "Ich hoffe Ihnen gefällt das Stiftatlas.|Wenn Sie Verbesserungsvorschläge haben, können "
         "Sie mir diese gerne schreiben. Die neueste Version können Sie jederzeit unter "
         "pinatlas.example herunterladen.||"},
        {aboutNote(false, "|"), "If you have any suggestions for improvement or if you find any "
                                "mistakes, please let me know.||You can always download the "
                                "most current version at pinatlas.example"},
        {versionLine(), "Version 1.3.0"},
        {licenceLine(true), "Lizenz: Programm GPL-3.0-or-later, Datenblätter CC BY 4.0"},
        {licenceLine(false), "Licence: program GPL-3.0-or-later, datasheets CC BY 4.0"},
        {contributionQuestion(true),
         "Sie haben ein oder mehrere neue Datenblätter eingefügt oder vorhandene geändert. Bitte "
         "helfen Sie dabei mit, diese Stiftatlas Software zu erweitern und senden Sie die "
         "Datenblätter an datasheets@pinatlas.example, damit diese Software um die neuen "
         "Datenblätter erweitert werden kann. Dankeschön!"},
        {contributionQuestion(false),
         "You have create one or more datasheets or you have edit some of them. Please send the "
         "new/changed datasheet per email to datasheets@pinatlas.example. This will help to "
         "complete the pinatlas and the author would be very grateful!"},
        {contributionBody(true, "F"),
         "<html>Bitte hängen Sie dieser E-Mail die folgenden Datei(en) als Anhang an:<br><br>F"
         "<br><br>(bitte nicht den Text der Daten direkt in die Mail kopieren!).<br>Dankeschön!"
         "<br></html>"},
        {contributionBody(false, "F"),
         "<html>Please attach the following file(s) to this email:<br><br>F<br><br>(please do "
         "not copy the text of this files directly into the mail!).<br>Thank you!<br></html>"},
    };
    for (const auto& [text, expected] : texts)
        EXPECT_EQ(text, QString::fromUtf8(expected));

    const QStringList files = {"/p/74xx/7400.txt", "/p/74xx/7402.txt", "/p/old.txt"};
    EXPECT_EQ(contributionFileList(files, 0), "");
    EXPECT_EQ(contributionFileList(files, 9), files.join(",<br>")); // never past the list
    EXPECT_EQ(contributionFileList({"/p/<b>&.txt"}, 1), "/p/&lt;b&gt;&amp;.txt");
}

TEST(MailLink, TheDesktopUrlGivesBackSubjectAndBodyExactly) {
    const QString subject = QString::fromUtf8("Neue Daten für die Stiftatlas Software! 100% & #1");
    const QString body = QString::fromUtf8(
        "<html>a<br><br>/home/me/R&D #2/74xx/7400.txt,<br>/p/Größe=1?/a+b%20c.txt\r\n"
        "&Body=again</html>");
    const QUrl url = desktopUrl(mailtoLink("datasheets@pinatlas.example", subject, body));
    ASSERT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "datasheets@pinatlas.example");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 2);
    EXPECT_EQ(query.queryItemValue("Subject", QUrl::FullyDecoded), subject);
    EXPECT_EQ(query.queryItemValue("Body", QUrl::FullyDecoded), body);
    // Web addresses pass as written.
    EXPECT_EQ(desktopUrl("https://books.example.com/?partner=pinatlas").toString(),
              "https://books.example.com/?partner=pinatlas");
}
