#include "service/ServiceTexts.h"
#include "platform/DesktopLink.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(ContributionTexts, FileListJoinsTheCountedEntries) {
    const QStringList files = {"/p/74xx/7400.txt", "/p/74xx/7402.txt", "/p/old.txt"};
    EXPECT_EQ(contributionFileList(files, 2), "/p/74xx/7400.txt,<br>/p/74xx/7402.txt");
    EXPECT_EQ(contributionFileList(files, 0), "");
    EXPECT_EQ(contributionFileList(files, 9), files.join(",<br>")); // never past the list
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
    EXPECT_FALSE(url.hasFragment());
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 2);
    EXPECT_EQ(query.queryItemValue("Subject", QUrl::FullyDecoded), subject);
    EXPECT_EQ(query.queryItemValue("Body", QUrl::FullyDecoded), body);
    // What goes over the wire is plain ASCII.
    const QByteArray wire = url.toEncoded();
    for (const char c : wire)
        EXPECT_TRUE(c > ' ' && c < 127) << wire.toStdString();

    const QUrlQuery empty(desktopUrl(mailtoLink("a@b.example")));
    EXPECT_EQ(empty.queryItemValue("Subject"), "");
    EXPECT_EQ(empty.queryItemValue("Body"), "");
}

TEST(MailLink, WebAddressesPassAsWritten) {
    EXPECT_EQ(desktopUrl("https://books.example.com/?partner=pinatlas").toString(),
              "https://books.example.com/?partner=pinatlas");
    EXPECT_EQ(desktopUrl("https://www.pinatlas.example/de/#top").fragment(), "top");
}
