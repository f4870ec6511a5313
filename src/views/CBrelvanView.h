// The report view: the document's report lines in a fixed-pitch font, one string per line,
// and their printing page by page under the heading "Dokument:<title>".
#pragma once

#include <QRect>

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
    void OnDraw(QPainter& painter, QPointF offset) override;

    // The drawing rectangle of the page being printed (logical units).
    QRect m_rectDraw;

protected:
    int OnPreparePrinting() override;
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;

private:
    int lineCount() const;
};

} // namespace brelvan::views
