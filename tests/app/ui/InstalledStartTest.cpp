#include "app/ProgramDirectory.h"
#include "app/UserLibrary.h"
#include "app/ui/FirstStartDialog.h"
#include "editor/ui/WizardFixture.h"

using namespace pinatlas;
using namespace pinatlas::test;

using InstalledStart = WizardFixture;

// Over the tree in PINATLAS_INSTALLED_PREFIX when the install check sets it,
// otherwise over the shipped 74xx sheets laid out as the install rules do.
TEST_F(InstalledStart, MakesALibraryOfItsOwnAndWritesThere) {
    QString prefix = qEnvironmentVariable("PINATLAS_INSTALLED_PREFIX");
    if (prefix.isEmpty()) {
        prefix = dir.path();
        const QDir sheets(PINATLAS_SOURCE_DIR "/library/74xx");
        for (const QString& name : sheets.entryList(QDir::Files))
            QFile::copy(sheets.filePath(name), dir.mkdir("share/pinatlas/library/74xx") + name);
    }
    const QDir shipped(prefix + "/share/pinatlas/library/74xx");
    TempDir dataHome;
    const ProgramPlace place = chooseProgramPlace(prefix + "/bin", dataHome.path(), true);
    ASSERT_EQ(place.directory, dataHome.path() + "pinatlas/");
    ASSERT_TRUE(updateUserLibrary(place.shipped, place.directory, platform));

    mainWindow = std::make_unique<MainWindow>(settings, platform, place.directory);
    mainWindow->start();
    mainWindow->firstStartDialog()->accept();
    settle();
    EXPECT_EQ(mainWindow->dirBox()->currentText(), "74xx");
    EXPECT_EQ(mainWindow->icList()->model()->rowCount(), shipped.entryList(QDir::Files).size());
    firstPage("74ZZ00", false, false, false);
    press(2, "Weiter");
    EXPECT_EQ(platform.boxes.size(), 1u); // only the confirmation
    EXPECT_TRUE(QFile::exists(place.directory + "74xx/74ZZ00.txt"));
    EXPECT_FALSE(shipped.exists("74ZZ00.txt"));
}
