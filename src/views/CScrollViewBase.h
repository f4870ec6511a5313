// What both views share: the document, a scrolling area whose sizes are given in logical
// units of 0.1 mm, painting through OnDraw, the print commands (print with dialog, print
// directly, print preview) with the page loop, and the command routing entry points.
#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QRect>
#include <QSize>

#include "views/CommandIds.h"

class CBrelvanDoc;
class QPrinter;

namespace brelvan::views {

class CScrollViewBase : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CScrollViewBase(QWidget* parent = nullptr);

    CBrelvanDoc* GetDocument() const { return m_pDocument; }
    void setDocument(CBrelvanDoc* doc) { m_pDocument = doc; }

    // The printer the print commands use (owned by the application; print set-up configures
    // it). Without one the view uses a printer of its own.
    void setPrinter(QPrinter* printer) { m_pPrinter = printer; }
    QPrinter* printer();

    // After creation, once the document is attached.
    virtual void OnInitialUpdate() {}
    // The document changed: draw again.
    virtual void OnUpdate();

    // Command routing: true when this view handles the command.
    virtual bool OnCmdMsg(int id);
    // Update handlers: true when this view has one for the command (ui then holds its state).
    virtual bool OnUpdateCmdUI(int id, cmd::CmdUI& ui);

    // Scroll sizes in logical units (total, page step, line step).
    void SetScrollSizes(QSize total, QSize page, QSize line);
    QSize totalSize() const { return m_total; }
    QSize pageSize() const { return m_page; }
    QSize lineSize() const { return m_line; }
    // Total size in pixels of this view's screen.
    QSize totalSizePixels() const;

    // Printing without a dialog on the given printer, pages from..to (0: all). Runs
    // OnPreparePrinting, the page loop and OnEndPrinting. Returns the number of pages printed.
    int printDirect(QPrinter& printer, int fromPage = 0, int toPage = 0);
    // The File menu's Print and Print Preview.
    void OnFilePrint();
    void OnFilePrintPreview();

    // Drawing on any painter; offset is the scroll position in device units.
    virtual void OnDraw(QPainter& painter, QPointF offset) = 0;

signals:
    void contextMenuRequested(const QPoint& globalPos);

protected:
    // Printing steps. OnPreparePrinting returns the maximum page; OnPrint prints one page on
    // a page whose drawable rectangle is given in logical units (y upwards: top 0, bottom
    // negative) and may change the maximum page.
    virtual int OnPreparePrinting() { return 1; }
    virtual void OnBeginPrinting() {}
    virtual void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) = 0;
    virtual void OnEndPrinting() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void updateScrollBars();

private:
    CBrelvanDoc* m_pDocument = nullptr;
    QPrinter* m_pPrinter = nullptr;
    QPrinter* m_pOwnPrinter = nullptr;
    QSize m_total{1, 1};
    QSize m_page{1, 1};
    QSize m_line{1, 1};
};

} // namespace brelvan::views
