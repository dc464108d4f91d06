#include "platform/ui/ToolkitLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pinatlas {

void setToolkitLanguage(bool german) {
    static QTranslator* translator = nullptr;
    static bool installed = false;
    // Loaded when first wanted: an English start has no use for them.
    if (german && !translator) {
        translator = new QTranslator(QCoreApplication::instance());
        // Without the translations installed the toolkit stays English, which
        // is still better than no text at all.
        (void)translator->load(QStringLiteral("qtbase_de"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (german && !installed)
        installed = QCoreApplication::installTranslator(translator);
    else if (!german && installed)
        installed = !QCoreApplication::removeTranslator(translator);
}

} // namespace pinatlas
