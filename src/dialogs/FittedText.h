// Texts whose blanks may be drawn narrower than the font's. The templates line up columns with
// runs of blanks, measured in the font they were made for; in a font with wider blanks such a
// text would run into the next control. These widgets keep the text exactly as it is and only
// draw its blanks narrower, as far as needed to fit the room: the first blank between two words
// keeps its width, the further blanks of a run shrink (to nothing at most).
#pragma once

#include <QFont>
#include <QLabel>
#include <QStringList>
#include <QStyledItemDelegate>

class QFontMetricsF;

namespace fitted {

// The text without the blanks at its end (they show nothing).
QString visiblePart(const QString& text);
// The width of the visible part of `text` when the further blanks of each run of blanks are
// `blank` pixels wide.
qreal width(const QFontMetricsF& fm, const QString& text, qreal blank);
// The widest such blank (at most the font's) with which every text fits into `available`
// pixels; 0 when even that is not enough.
qreal blankToFit(const QFontMetricsF& fm, const QStringList& texts, qreal available);

// Whether every character of the font is as wide as every other. Fontconfig does not mark
// some monospaced fonts (Noto Sans Mono) as such, so the widths decide, not only the flag.
bool fixedPitch(const QFont& font);

} // namespace fitted

class FittedLabel : public QLabel {
public:
    explicit FittedLabel(const QString& text, QWidget* parent);
    // Narrows the blanks so that the text fits into `available` pixels where it can.
    void fitInto(int available);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_blank = -1; // -1: the font's blank
};

// List entries drawn with narrower blanks, and a few pixels taller than the default entries.
class FittedEntries : public QStyledItemDelegate {
public:
    FittedEntries(int extraHeight, QObject* parent)
        : QStyledItemDelegate(parent), m_extra(extraHeight) {}
    void setBlankWidth(qreal blank) { m_blank = blank; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int m_extra;
    qreal m_blank = -1;
};
