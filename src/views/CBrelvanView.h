// The report view: the document's report lines in a fixed-pitch font, one string per line,
// and their printing page by page under the heading "Dokument:<title>".
#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "views/CScrollViewBase.h"

namespace brelvan::views {

class CBrelvanView : public CScrollViewBase {
    Q_OBJECT
public:
    explicit CBrelvanView(QWidget* parent = nullptr);

    // Lines per printed page: 61 on a portrait page, 40 on a landscape page.
    static int linesPerPage(const QRect& drawRect);
    // Pages of a report of n lines with L lines per page.
    static int pageCount(int lines, int perPage) { return lines / perPage + 1; }

    void OnInitialUpdate() override;
    // The scroll range follows the report's length.
    void OnUpdate() override;
    void OnDraw(QPainter& painter, QPointF offset) override;

    // The lines the view shows: the report, or while the case has not been computed a line
    // that says so.
    static const std::vector<std::string>& shownLines(const CBrelvanDoc& doc);

    // The drawing rectangle of the page being printed (logical units).
    QRect m_rectDraw;

protected:
    int OnPreparePrinting() override;
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;

private:
    int lineCount() const;
    void updateScrollSizes();
    // One character cell of the screen font, in logical units.
    QSize screenCell() const;
};

} // namespace brelvan::views
