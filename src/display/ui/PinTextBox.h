#pragma once

#include <QStringList>
#include <QWidget>

namespace pinatlas {

// A read-only, borderless multi-line box of pin names or numbers. Its lines
// stand at a fixed pitch of 240 twips whatever the font's own line spacing, so
// that line k stays level with stub k; a line too long for the box is drawn
// narrower, never wrapped, and so never pushes the following lines off their
// stubs.
class PinTextBox : public QWidget {
    Q_OBJECT
public:
    PinTextBox(QWidget* parent, const QString& name, Qt::Alignment alignment);

    void setLines(const QStringList& lines);
    const QStringList& lines() const { return m_lines; }
    // The text as the box holds it: each line ended by CR LF.
    QString text() const;
    Qt::Alignment alignment() const { return m_alignment; }
    // Lines (from 0) drawn in the palette's highlight colours.
    void setHighlightedLines(const QList<int>& lines);
    const QList<int>& highlightedLines() const { return m_highlighted; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QStringList m_lines;
    QList<int> m_highlighted;
    Qt::Alignment m_alignment;
};

} // namespace pinatlas
