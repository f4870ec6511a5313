#include "views/CBrelvanView.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "document/CBrelvanDoc.h"
#include "document/TextFormat.h"
#include "views/LoMetricDC.h"

namespace brelvan::views {

namespace {
const QString kFace = QStringLiteral("Courier New");
}

CBrelvanView::CBrelvanView(QWidget* parent) : CScrollViewBase(parent) {
    setObjectName(QStringLiteral("CBrelvanView"));
}

void CBrelvanView::OnInitialUpdate() {
    const QSize total(2000, 11000);
    SetScrollSizes(total, QSize(total.width() / 2, total.height() / 2),
                   QSize(total.width() / 50, total.height() / 50));
}

int CBrelvanView::lineCount() const {
    return GetDocument() ? static_cast<int>(GetDocument()->m_Ausgabe.size()) : 0;
}

void CBrelvanView::OnDraw(QPainter& painter, QPointF offset) {
    const CBrelvanDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    LoMetricDC dc(painter, offset);
    dc.setFont(55, 600, kFace);
    const QSize cell = dc.textExtent(QStringLiteral("0"));
    const int w = cell.width();
    const int h = std::max(1, cell.height());
    // Only the lines inside the visible band are handed to the painter; the picture is the
    // same as drawing all of them.
    const QPointF top = dc.toLogical(QPointF(0, 0));
    const QPointF bottom = dc.toLogical(QPointF(0, painter.device()->height()));
    const int n = lineCount();
    const int first = std::max(0, static_cast<int>(std::floor(-top.y() / h)) - 1);
    const int last = std::min(n - 1, static_cast<int>(std::ceil(-bottom.y() / h)) + 1);
    for (int i = first; i <= last; ++i) {
        dc.textOut(w, -i * h, doc->m_Ausgabe[static_cast<size_t>(i)]);
    }
}

int CBrelvanView::linesPerPage(const QRect& drawRect) {
    return std::abs(drawRect.height()) > drawRect.width() ? 61 : 40;
}

int CBrelvanView::OnPreparePrinting() {
    return pageCount(lineCount(), 61);
}

void CBrelvanView::OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) {
    m_rectDraw = drawRect;
    const int perPage = linesPerPage(m_rectDraw);
    const int n = lineCount();
    maxPage = pageCount(n, perPage);
    const int s = (page - 1) * perPage;
    const int e = s + perPage;

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    LoMetricDC dc(painter);
    dc.setFont(40, 600, kFace);
    const QSize cell = dc.textExtent(QStringLiteral("0"));
    const int w = cell.width();
    const int h = cell.height();
    const CBrelvanDoc* doc = GetDocument();
    dc.textOut(w, -h, cformat("Dokument:%s", doc ? doc->GetTitle() : std::string()));
    for (int i = s; i < e && i < n; ++i) {
        dc.textOut(3 * w, -(i - s + 3) * h, doc->m_Ausgabe[static_cast<size_t>(i)]);
    }
}

} // namespace brelvan::views
