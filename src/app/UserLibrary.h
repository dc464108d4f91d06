#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

class Platform;

// Remembers, beside the user's library, the shipped version of every sheet it
// has seen (sha256sum format), so that a sheet can be told apart from one the
// user changed.
inline constexpr const char* kShippedManifestName = "shipped-library.sha256";

// What bringing a user's library up to the shipped library would do. Paths
// are relative, "74xx/7400.txt", with '/' on every platform.
struct LibraryUpdate {
    bool firstCopy = false; // the user's library has never seen a shipped one
    // The manifest exists but cannot be read: nothing is planned, since a sheet
    // it would name as seen may be one the user deleted.
    QString unreadableManifest;
    bool news = false;    // the shipped library differs from the one seen last
    QStringList added;    // new in the shipped library, absent from the user's
    QStringList replaced; // newer in the shipped library, untouched by the user
    // The manifest after the update: every shipped sheet with its hash.
    QMap<QString, QByteArray> shipped;

    bool offersSheets() const { return !added.isEmpty() || !replaced.isEmpty(); }
};

// Compares the shipped library (its directories and their sheets) with the
// user's. A sheet the user deleted or changed is never brought back or
// overwritten; nor is a sheet of the user's own that happens to share a name.
LibraryUpdate planLibraryUpdate(const QString& shippedDir, const QString& userDir);

// Copies the added and replaced sheets when `takeSheets`, then records the
// shipped versions as seen. Every file goes through a complete write that
// replaces the old one only at the end. Returns the first file that failed
// and the system's reason, nothing when everything was written.
struct WriteFailure {
    QString path;
    QString reason;
};
std::optional<WriteFailure> applyLibraryUpdate(const LibraryUpdate& update,
                                               const QString& shippedDir, const QString& userDir,
                                               bool takeSheets);

// Brings the user's library up to the shipped one: the first time silently,
// later by asking whether to take new and updated sheets (Cancel asks again at
// the next start). A failure is reported in the language of the user's
// pinatlas.ini, in both languages before there is one. False when the user's
// library could not be set up at all.
bool updateUserLibrary(const QString& shippedDir, const QString& userDir, Platform& platform);

} // namespace pinatlas
