#include "views/CScrollViewBase.h"

#include "views/ChartGeometry.h"
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

namespace brelvan::views {

CScrollViewBase::CScrollViewBase(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::StyledPanel);
    viewport()->setAutoFillBackground(true);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::StrongFocus); // the keys scroll
}

QPrinter* CScrollViewBase::printer() {
    if (m_pPrinter) {
        return m_pPrinter;
    }
    if (!m_pOwnPrinter) {
        m_pOwnPrinter = new QPrinter(QPrinter::HighResolution);
        connect(this, &QObject::destroyed, [p = m_pOwnPrinter] { delete p; });
    }
    return m_pOwnPrinter;
}

void CScrollViewBase::OnUpdate() {
    viewport()->update();
}

bool CScrollViewBase::OnCmdMsg(int id) {
    switch (id) {
    case cmd::ID_FILE_PRINT:
        OnFilePrint();
        return true;
    case cmd::ID_FILE_PRINT_DIRECT:
        printDirect(*printer());
        return true;
    case cmd::ID_FILE_PRINT_PREVIEW:
        OnFilePrintPreview();
        return true;
    default:
        return false;
    }
}

bool CScrollViewBase::OnUpdateCmdUI(int, cmd::CmdUI&) {
    return false;
}

void CScrollViewBase::SetScrollSizes(QSize total, QSize page, QSize line) {
    m_total = total;
    m_page = page;
    m_line = line;
    updateScrollBars();
}

QSize CScrollViewBase::totalSizePixels() const {
    const double dx = viewport()->logicalDpiX() / kTenthsMmPerInch;
    const double dy = viewport()->logicalDpiY() / kTenthsMmPerInch;
    return QSize(static_cast<int>(std::lround(m_total.width() * dx)),
                 static_cast<int>(std::lround(m_total.height() * dy)));
}

void CScrollViewBase::updateScrollBars() {
    const double dx = viewport()->logicalDpiX() / kTenthsMmPerInch;
    const double dy = viewport()->logicalDpiY() / kTenthsMmPerInch;
    const QSize total = totalSizePixels();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, total.height() - view.height()));
    // Page Up and Page Down move one screen.
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(m_line.width() * dx)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(m_line.height() * dy)));
}

void CScrollViewBase::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPointF offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    OnDraw(painter, offset);
}

void CScrollViewBase::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CScrollViewBase::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    updateScrollBars();
}

void CScrollViewBase::keyPressEvent(QKeyEvent* event) {
    // Home and End (also with Ctrl) go to the start and the end; the arrows and the page
    // keys are the scroll area's own.
    switch (event->key()) {
    case Qt::Key_Home:
        horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
        event->accept();
        return;
    case Qt::Key_End:
        horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        event->accept();
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CScrollViewBase::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

int CScrollViewBase::printDirect(QPrinter& printer, int fromPage, int toPage) {
    int maxPage = OnPreparePrinting();
    OnBeginPrinting();
    QPainter painter;
    int printed = 0;
    if (painter.begin(&printer)) {
        const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
        const double dpiX = printer.logicalDpiX() > 0 ? printer.logicalDpiX() : 600;
        const double dpiY = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : 600;
        const int widthLog = static_cast<int>(paint.width() * kTenthsMmPerInch / dpiX);
        const int heightLog = static_cast<int>(paint.height() * kTenthsMmPerInch / dpiY);
        const QRect drawRect(QPoint(0, 0), QPoint(widthLog, -heightLog));
        const int first = fromPage > 0 ? fromPage : 1;
        const int last = toPage > 0 ? toPage : INT_MAX;
        for (int page = first; page <= last && page <= maxPage; ++page) {
            if (printed > 0) {
                printer.newPage();
            }
            painter.save();
            OnPrint(painter, page, drawRect, maxPage);
            painter.restore();
            ++printed;
        }
        painter.end();
    }
    OnEndPrinting();
    return printed;
}

void CScrollViewBase::OnFilePrint() {
    QPrinter& p = *printer();
    // The dialog offers the pages the print will have.
    const int maxPage = OnPreparePrinting();
    OnEndPrinting();
    QPrintDialog dialog(&p, this);
    dialog.setWindowTitle(QCoreApplication::translate("CScrollViewBase", "Drucken"));
    dialog.setMinMax(1, std::max(1, maxPage));
    p.setFromTo(0, 0);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (p.printRange() == QPrinter::PageRange) {
        printDirect(p, p.fromPage(), p.toPage());
    } else {
        printDirect(p);
    }
}

void CScrollViewBase::OnFilePrintPreview() {
    QPrintPreviewDialog preview(printer(), this);
    preview.setWindowTitle(QCoreApplication::translate("CScrollViewBase", "Seitenansicht"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { printDirect(*p); });
    preview.resize(900, 700);
    preview.exec();
    viewport()->update();
}

} // namespace brelvan::views
