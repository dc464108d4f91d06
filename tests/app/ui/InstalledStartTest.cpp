#include "app/ProgramDirectory.h"
#include "app/UserLibrary.h"
#include "app/ui/Erststart.h"
#include "editor/ui/WizardFixture.h"

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// An installed tree: the one in PINATLAS_INSTALLED_PREFIX when the install
// check sets it, otherwise the shipped library laid out as the install rules do.
class InstalledStart : public WizardFixture {
protected:
    QString prefix() {
        const QString installed = qEnvironmentVariable("PINATLAS_INSTALLED_PREFIX");
        if (!installed.isEmpty())
            return installed;
        const QString sheets = QStringLiteral(PINATLAS_SOURCE_DIR "/library/74xx/");
        for (const QString& name : QDir(sheets).entryList(QDir::Files))
            QFile::copy(sheets + name, prefixDir.mkdir("share/pinatlas/library/74xx") + name);
        prefixDir.mkdir("bin");
        return prefixDir.path();
    }

    TempDir prefixDir;
    TempDir dataHome;
};

} // namespace

TEST_F(InstalledStart, MakesALibraryOfOnesOwnThatListsTheSheetsAndTakesANewOne) {
    const QString root = prefix();
    const QString shipped74 = root + "/share/pinatlas/library/74xx";
    const ProgramPlace place = chooseProgramPlace(root + "/bin", dataHome.path(), true);
    ASSERT_EQ(place.directory, dataHome.path() + "pinatlas" + QDir::separator());
    ASSERT_TRUE(updateUserLibrary(place.shipped, place.directory, platform));

    haupt = std::make_unique<Haupt>(settings, platform, place.directory);
    haupt->start();
    settle();
    haupt->findChild<Erststart*>("Erststart")->findChild<QPushButton*>("Command1")->click();
    settle();
    EXPECT_EQ(haupt->dirBox()->currentText(), "74xx");
    EXPECT_EQ(haupt->liste()->rowCount(), QDir(shipped74).entryList(QDir::Files).size());

    firstPage("74ZZ00", false, false, false);
    press(d2(), "Weiter");
    EXPECT_TRUE(QFile::exists(place.directory + "74xx/74ZZ00.txt"));
    EXPECT_FALSE(QFile::exists(shipped74 + "/74ZZ00.txt"));
    EXPECT_EQ(platform.boxes.size(), 1u); // only the confirmation
}
