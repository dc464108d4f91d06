#pragma once

#include <QDialog>

namespace pinatlas {

// The about box: version, a short note and the maker's credit and contact.
// Its texts are fixed when it is created; it is created anew for each showing.
class Information : public QDialog {
    Q_OBJECT
public:
    Information(bool german, const QString& lineBreak);
};

} // namespace pinatlas
