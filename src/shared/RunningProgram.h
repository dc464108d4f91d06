#pragma once

#include <QString>

class QWidget;

namespace pinatlas {

class Platform;
struct Settings;

// What the windows and commands of every subsystem need from the running
// program. The main window implements it and wires the subsystems together;
// none of them knows the main window itself.
class RunningProgram {
public:
    virtual Settings& settings() const = 0;
    virtual Platform& platform() const = 0;
    // The main window: the owner of the subsystems, their dialogs and boxes.
    virtual QWidget* mainWindow() = 0;

    // The text of DirBox: the directory every operation works in.
    virtual QString currentDirectory() const = 0;
    // The directory currently in DirBox as a full path with a trailing separator.
    virtual QString currentDirectoryPath() const = 0;
    // The type in column 0 of the list's current row; empty when there is none.
    virtual QString currentType() const = 0;

    // Reads the configuration and the directories again, as at start-up.
    virtual void Initialisieren() = 0;
    // Rebuilds the IC list of the current directory.
    virtual void Liste_aufbauen() = 0;
    // Loads the sheet of the current row into the drawing area.
    virtual void Datenblatt_laden() = 0;
    // Chooses the entry at `index` of the directory box, as the user's own
    // choice would, and runs what that choice runs.
    virtual void selectDirectory(int index) = 0;
    // The sort commands of the Options menu, with their check marks.
    virtual void sortByType() = 0;
    virtual void sortByDescription() = 0;

protected:
    ~RunningProgram() = default;
};

} // namespace pinatlas
