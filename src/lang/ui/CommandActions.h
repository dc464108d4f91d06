#pragma once

#include "shared/Language.h"

#include <QList>
#include <QString>

#include <span>

class QAction;
class QObject;

namespace pinatlas {

// A menu command's objectName and its caption in either language; "&" marks
// the mnemonic letter, distinct within each menu in either language.
struct CommandCaption {
    const char* name;
    QString de;
    QString en;

    const QString& in(Language language) const { return language == Language::German ? de : en; }
};

// One command per caption, in that order, owned by `owner`; each carries its
// German caption until the group is retranslated.
QList<QAction*> makeActions(QObject* owner, std::span<const CommandCaption> captions);
// Gives each action the caption at its own position, in `language`.
void retranslateActions(const QList<QAction*>& actions, std::span<const CommandCaption> captions,
                        Language language);

} // namespace pinatlas
