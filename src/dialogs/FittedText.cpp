#include "dialogs/FittedText.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Draws `text` from `origin` (on the base line): the first blank of a run of blanks at the
// font's width, the further ones at `blank` pixels.
void drawWithBlanks(QPainter& p, QPointF origin, const QString& text, qreal blank) {
    const QFontMetricsF fm(p.font());
    const qreal full = fm.horizontalAdvance(QLatin1Char(' '));
    qsizetype start = 0;
    while (start < text.size()) {
        if (text[start] == QLatin1Char(' ')) {
            const bool first = start == 0 || text[start - 1] != QLatin1Char(' ');
            origin.rx() += first ? full : blank;
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char(' ')) {
            ++end;
        }
        const QString word = text.mid(start, end - start);
        p.drawText(origin, word);
        origin.rx() += fm.horizontalAdvance(word);
        start = end;
    }
}

// The blanks of `text` that start a run, and those that follow in a run.
std::pair<qsizetype, qsizetype> countBlanks(const QString& text) {
    qsizetype leading = 0;
    qsizetype following = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(' ')) {
            continue;
        }
        if (i == 0 || text[i - 1] != QLatin1Char(' ')) {
            ++leading;
        } else {
            ++following;
        }
    }
    return {leading, following};
}

} // namespace

namespace fitted {

QString visiblePart(const QString& text) {
    QString visible = text;
    while (visible.endsWith(QLatin1Char(' '))) {
        visible.chop(1);
    }
    return visible;
}

qreal width(const QFontMetricsF& fm, const QString& text, qreal blank) {
    const QString visible = visiblePart(text);
    qreal total = 0;
    for (const QString& word : visible.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        total += fm.horizontalAdvance(word);
    }
    const auto [leading, following] = countBlanks(visible);
    return total + fm.horizontalAdvance(QLatin1Char(' ')) * static_cast<qreal>(leading) +
           blank * static_cast<qreal>(following);
}

qreal blankToFit(const QFontMetricsF& fm, const QStringList& texts, qreal available) {
    qreal blank = fm.horizontalAdvance(QLatin1Char(' '));
    for (const QString& text : texts) {
        const QString visible = visiblePart(text);
        const qsizetype following = countBlanks(visible).second;
        if (following == 0 || width(fm, visible, blank) <= available) {
            continue;
        }
        const qreal rest = width(fm, visible, 0);
        blank =
            std::min(blank, std::floor((available - rest) / static_cast<qreal>(following) * 4) / 4);
    }
    return std::max<qreal>(0.0, blank);
}

bool fixedPitch(const QFont& font) {
    if (QFontInfo(font).fixedPitch())
        return true;
    const QFontMetricsF fm(font);
    const qreal w = fm.horizontalAdvance(QLatin1Char('M'));
    for (const QChar c : QStringLiteral("il1.: 0W"))
        if (fm.horizontalAdvance(c) != w)
            return false;
    return true;
}

} // namespace fitted

FittedLabel::FittedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(text);
}

void FittedLabel::fitInto(int available) {
    const QFontMetricsF fm(font());
    const qreal blank = fitted::blankToFit(fm, {text()}, available);
    m_blank = blank < fm.horizontalAdvance(QLatin1Char(' ')) ? blank : -1;
    updateGeometry();
    update();
}

QSize FittedLabel::sizeHint() const {
    const QFontMetricsF fm(font());
    const qreal blank = m_blank < 0 ? fm.horizontalAdvance(QLatin1Char(' ')) : m_blank;
    const QMargins m = contentsMargins();
    return QSize(static_cast<int>(std::ceil(fitted::width(fm, text(), blank))) + 1 + m.left() +
                     m.right(),
                 static_cast<int>(std::ceil(fm.height())) + m.top() + m.bottom());
}

void FittedLabel::paintEvent(QPaintEvent* event) {
    if (m_blank < 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect r = contentsRect();
    drawWithBlanks(p, QPointF(r.left(), r.top() + QFontMetricsF(font()).ascent()), text(), m_blank);
}

QSize FittedEntries::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(size.height() + m_extra);
    return size;
}

void FittedEntries::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    if (m_blank < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The entry's background and focus as usual, then its text with the narrower blanks.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(QPalette::Normal, (opt.state & QStyle::State_Selected)
                                                            ? QPalette::HighlightedText
                                                            : QPalette::Text));
    const QFontMetricsF fm(opt.font);
    const qreal top = textRect.top() + (textRect.height() - fm.height()) / 2;
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    painter->setClipRect(textRect);
    drawWithBlanks(*painter, QPointF(textRect.left() + margin, top + fm.ascent()), text, m_blank);
    painter->restore();
}
