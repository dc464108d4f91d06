#include "lang/ui/CommandActions.h"

#include <QAction>

namespace pinatlas {

QList<QAction*> makeActions(QObject* owner, std::span<const CommandCaption> captions) {
    QList<QAction*> actions;
    for (const CommandCaption& c : captions) {
        auto* action = new QAction(c.de, owner);
        action->setObjectName(QString::fromUtf8(c.name));
        actions << action;
    }
    return actions;
}

void retranslateActions(const QList<QAction*>& actions, std::span<const CommandCaption> captions,
                        Language language) {
    for (qsizetype i = 0; i < actions.size() && i < qsizetype(captions.size()); ++i)
        actions[i]->setText(captions[i].in(language));
}

} // namespace pinatlas
