#include "views/CBrelvanView.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "document/CBrelvanDoc.h"
#include "support/TextFormat.h"
#include "views/LoMetricDC.h"

namespace brelvan::views {

namespace {
const QString kFace = QStringLiteral("Courier New");
// Shown instead of a report while the case on view has not been computed.
constexpr int kScreenFontHeight = 55; // logical units
} // namespace

CBrelvanView::CBrelvanView(QWidget* parent) : CScrollViewBase(parent) {
    setObjectName(QStringLiteral("CBrelvanView"));
}

void CBrelvanView::OnInitialUpdate() {
    updateScrollSizes();
}

void CBrelvanView::OnUpdate() {
    updateScrollSizes();
    CScrollViewBase::OnUpdate();
}

QSize CBrelvanView::screenCell() const {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(static_cast<int>(std::lround(viewport()->logicalDpiX() / 0.0254)));
    probe.setDotsPerMeterY(static_cast<int>(std::lround(viewport()->logicalDpiY() / 0.0254)));
    QPainter painter(&probe);
    LoMetricDC dc(painter);
    dc.setFont(kScreenFontHeight, 600, kFace);
    const QSize cell = dc.textExtent(QStringLiteral("0"));
    return QSize(std::max(1, cell.width()), std::max(1, cell.height()));
}

void CBrelvanView::updateScrollSizes() {
    // The whole report and a line of room below it, at least one column of 0.2 m; the line
    // step is one report line, the page step one screen (set by the scroll bars).
    const QSize cell = screenCell();
    std::size_t longest = 0;
    if (const CBrelvanDoc* doc = GetDocument()) {
        for (const std::string& line : shownLines(*doc))
            longest =
                std::max(longest, static_cast<std::size_t>(QString::fromStdString(line).size()));
    }
    const int lines = GetDocument() ? static_cast<int>(shownLines(*GetDocument()).size()) : 0;
    const QSize total(std::max(2000, static_cast<int>(longest + 2) * cell.width()),
                      (lines + 1) * cell.height());
    SetScrollSizes(total, QSize(total.width() / 2, total.height() / 2),
                   QSize(2 * cell.width(), cell.height()));
}

const std::vector<std::string>& CBrelvanView::shownLines(const CBrelvanDoc& doc) {
    // In the language of the moment, which tests may change.
    static std::vector<std::string> notComputed(1);
    notComputed.front() =
        QCoreApplication::translate("CBrelvanView", "Der Fall ist noch nicht berechnet.")
            .toStdString();
    return doc.m_bBerechnet ? doc.m_Ausgabe : notComputed;
}

int CBrelvanView::lineCount() const {
    return GetDocument() ? static_cast<int>(shownLines(*GetDocument()).size()) : 0;
}

void CBrelvanView::OnDraw(QPainter& painter, QPointF offset) {
    const CBrelvanDoc* doc = GetDocument();
    if (!doc) {
        return;
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    LoMetricDC dc(painter, offset);
    dc.setFont(kScreenFontHeight, 600, kFace);
    const QSize cell = dc.textExtent(QStringLiteral("0"));
    const int w = cell.width();
    const int h = std::max(1, cell.height());
    // Only the lines inside the visible band are handed to the painter; the picture is the
    // same as drawing all of them.
    const QPointF top = dc.toLogical(QPointF(0, 0));
    const QPointF bottom = dc.toLogical(QPointF(0, painter.device()->height()));
    const std::vector<std::string>& lines = shownLines(*doc);
    const int n = static_cast<int>(lines.size());
    const int first = std::max(0, static_cast<int>(std::floor(-top.y() / h)) - 1);
    const int last = std::min(n - 1, static_cast<int>(std::ceil(-bottom.y() / h)) + 1);
    for (int i = first; i <= last; ++i) {
        dc.textOut(w, -i * h, lines[static_cast<size_t>(i)]);
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
    dc.textOut(w, -h,
               QCoreApplication::translate("CBrelvanView", "Dokument:%1")
                   .arg(QString::fromStdString(doc ? doc->GetTitle() : std::string())));
    if (!doc) {
        return;
    }
    const std::vector<std::string>& lines = shownLines(*doc);
    for (int i = s; i < e && i < n; ++i) {
        dc.textOut(3 * w, -(i - s + 3) * h, lines[static_cast<size_t>(i)]);
    }
}

} // namespace brelvan::views
