#include "views/DiagnosticView.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolTip>
#include <QValueAxis>
#include <QXYSeries>
#include <array>
#include <cmath>
#include <limits>

#include "document/CBrelvanDoc.h"
#include "views/DiagnosticCommands.h"

namespace brelvan::views {

namespace {

std::array<int, 5> g_instances{};

// The chart widget: rubber band zoom with the left button; the right button brings the
// program's context menu instead of zooming out; a double click or Home resets the zoom.
class DiagChartView : public QChartView {
public:
    DiagChartView(QChart* chart, DiagnosticView* owner) : QChartView(chart), m_pOwner(owner) {
        setRubberBand(QChartView::RectangleRubberBand);
        setRenderHint(QPainter::Antialiasing);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        viewport()->setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        QChartView::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            event->accept();
            return;
        }
        QChartView::mouseReleaseEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QChartView::mouseMoveEvent(event);
        m_pOwner->hoverAt(event->position().toPoint());
    }
    void leaveEvent(QEvent* event) override {
        QChartView::leaveEvent(event);
        m_pOwner->hoverAt(QPoint(-100000, -100000));
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        m_pOwner->resetZoom();
        event->accept();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Home || event->key() == Qt::Key_Escape) {
            m_pOwner->resetZoom();
            event->accept();
            return;
        }
        QChartView::keyPressEvent(event);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        emit m_pOwner->contextMenuRequested(event->globalPos());
        event->accept();
    }

private:
    DiagnosticView* m_pOwner;
};

QString axisTitle(const QChart& chart, Qt::Orientation o, QAbstractSeries* series) {
    for (QAbstractAxis* a : series->attachedAxes()) {
        if (a->orientation() == o) {
            return a->titleText();
        }
    }
    for (QAbstractAxis* a : chart.axes(o)) {
        return a->titleText();
    }
    return {};
}

} // namespace

namespace {

// A step of 1, 2 or 5 times a power of ten that gives about five intervals on `range`.
double roundStep(double range) {
    if (!(range > 0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

// Zooming leaves the axes wherever the rectangle ended: their ticks then stand on multiples
// of a round step, so that the labels are round numbers.
void keepTicksRound(QChart* chart) {
    for (QAbstractAxis* axis : chart->axes()) {
        auto* a = qobject_cast<QValueAxis*>(axis);
        if (!a)
            continue;
        QObject::connect(a, &QValueAxis::rangeChanged, a, [a](qreal min, qreal max) {
            a->setTickType(QValueAxis::TicksDynamic);
            a->setTickAnchor(0);
            a->setTickInterval(roundStep(max - min));
        });
    }
}

} // namespace

DiagnosticView::DiagnosticView(DiagnosticKind kind, QWidget* parent)
    : CScrollViewBase(parent), m_kind(kind) {
    setObjectName(QStringLiteral("DiagnosticView_%1").arg(QLatin1String(diagnosticName(kind))));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ++g_instances[static_cast<std::size_t>(kind)];
    m_pChart = createDiagnosticChart(m_kind, m_data);
    keepTicksRound(m_pChart);
    m_pChartView = new DiagChartView(m_pChart, this);
    m_pChartView->setParent(viewport());
    m_pChartView->setObjectName(QStringLiteral("DiagChartView"));
    m_pChartView->setGeometry(viewport()->rect());
}

DiagnosticView::~DiagnosticView() = default;

int DiagnosticView::instanceCount(DiagnosticKind kind) {
    return g_instances[static_cast<std::size_t>(kind)];
}

void DiagnosticView::OnInitialUpdate() {
    SetScrollSizes(QSize(1, 1), QSize(1, 1), QSize(1, 1));
    refresh();
}

void DiagnosticView::OnUpdate() {
    m_bStale = true;
    if (isVisible()) {
        refresh();
    }
}

void DiagnosticView::ensureData() {
    if (m_bStale) {
        m_data = GetDocument() ? diagnosticData(*GetDocument()) : DiagnosticData{};
        m_bStale = false;
    }
}

void DiagnosticView::refresh() {
    m_bStale = true;
    ensureData();
    QChart* chart = createDiagnosticChart(m_kind, m_data);
    keepTicksRound(chart);
    m_pChartView->setChart(chart); // the view deletes the chart it showed before
    m_pChart = chart;
    m_strHover.clear();
}

void DiagnosticView::resetZoom() {
    if (m_pChart) {
        m_pChart->zoomReset();
    }
}

void DiagnosticView::hoverAt(QPoint viewPos) {
    // The data point nearest to the mouse on screen, within a few pixels, over all curves and
    // markers (the scene's own hover events need an active window; this works in any case).
    constexpr double kReach = 8;
    const QPointF at = m_pChart->mapFromScene(m_pChartView->mapToScene(viewPos));
    QXYSeries* bestSeries = nullptr;
    QPointF best;
    double bestDist = kReach * kReach;
    for (QAbstractSeries* s : m_pChart->series()) {
        auto* xy = qobject_cast<QXYSeries*>(s);
        if (!xy || !xy->isVisible()) {
            continue;
        }
        for (const QPointF& p : xy->points()) {
            const QPointF d = m_pChart->mapToPosition(p, xy) - at;
            const double dist = d.x() * d.x() + d.y() * d.y();
            if (dist <= bestDist) {
                bestDist = dist;
                best = p;
                bestSeries = xy;
            }
        }
    }
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (!bestSeries) {
        if (!m_strHover.isEmpty()) {
            m_strHover.clear();
            QToolTip::hideText();
            if (frame) {
                frame->statusBar()->clearMessage();
            }
        }
        return;
    }
    m_strHover =
        QStringLiteral("%1\n%2: %3\n%4: %5")
            .arg(bestSeries->name(), axisTitle(*m_pChart, Qt::Horizontal, bestSeries),
                 QString::number(best.x(), 'f', 2), axisTitle(*m_pChart, Qt::Vertical, bestSeries),
                 QString::number(best.y(), 'f', 2));
    QToolTip::showText(m_pChartView->mapToGlobal(viewPos), m_strHover, m_pChartView);
    // The same in the status bar, on one line.
    if (frame) {
        frame->statusBar()->showMessage(
            QString(m_strHover).replace(QLatin1Char('\n'), QStringLiteral(" · ")));
    }
}

void DiagnosticView::OnDraw(QPainter& painter, QPointF) {
    // The chart widget draws the screen; on any other painter the chart is drawn anew.
    std::unique_ptr<QChart> chart = copyForOutput();
    const QRectF target = painter.viewport();
    renderChart(*chart, painter, target, target.size().toSize());
}

void DiagnosticView::resizeEvent(QResizeEvent* event) {
    CScrollViewBase::resizeEvent(event);
    m_pChartView->setGeometry(viewport()->rect());
}

void DiagnosticView::showEvent(QShowEvent* event) {
    CScrollViewBase::showEvent(event);
    m_pChartView->setGeometry(viewport()->rect());
    if (m_bStale) {
        refresh();
    }
}

std::unique_ptr<QChart> DiagnosticView::copyForOutput() const {
    std::unique_ptr<QChart> copy(createDiagnosticChart(m_kind, m_data));
    keepTicksRound(copy.get());
    const QList<QAbstractAxis*> from = m_pChart->axes();
    const QList<QAbstractAxis*> to = copy->axes();
    for (qsizetype i = 0; i < from.size() && i < to.size(); ++i) {
        auto* a = qobject_cast<QValueAxis*>(from[i]);
        auto* b = qobject_cast<QValueAxis*>(to[i]);
        if (a && b) {
            b->setRange(a->min(), a->max());
        }
    }
    return copy;
}

IoResult<> DiagnosticView::exportTo(const QString& path) {
    ensureData();
    std::unique_ptr<QChart> chart = copyForOutput();
    return exportChartFile(*chart, path, diagnosticTitle(m_kind));
}

void DiagnosticView::OnExport() {
    QString selected;
    QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("DiagnosticView", "Grafik exportieren"),
        QStringLiteral("%1.svg").arg(QLatin1String(diagnosticName(m_kind))),
        QCoreApplication::translate("DiagnosticView",
                                    "SVG-Grafik (*.svg);;PNG-Bild (*.png);;PDF-Dokument (*.pdf)"),
        &selected);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    if (!path.contains(QLatin1Char('.')) ||
        (suffix != QLatin1String("svg") && suffix != QLatin1String("png") &&
         suffix != QLatin1String("pdf"))) {
        path += selected.contains(QLatin1String("png"))   ? QStringLiteral(".png")
                : selected.contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                                                          : QStringLiteral(".svg");
    }
    const IoResult<> written = exportTo(path);
    if (!written) {
        QMessageBox::warning(this, QStringLiteral("brelvan"),
                             QString::fromStdString(written.error()));
    }
}

bool DiagnosticView::OnCmdMsg(int id) {
    if (id == cmd::ID_DIAG_EXPORT) {
        OnExport();
        return true;
    }
    return CScrollViewBase::OnCmdMsg(id);
}

bool DiagnosticView::OnUpdateCmdUI(int id, cmd::CmdUI& ui) {
    if (id == cmd::ID_DIAG_EXPORT) {
        ui.Enable(true);
        return true;
    }
    return CScrollViewBase::OnUpdateCmdUI(id, ui);
}

int DiagnosticView::OnPreparePrinting() {
    ensureData();
    return 1;
}

void DiagnosticView::OnPrint(QPainter& painter, int, const QRect& drawRect, int& maxPage) {
    maxPage = 1;
    // The page's drawable rectangle in 0.1 mm (y upwards) on the device of the painter; the
    // chart keeps a screen-like width and takes the page's proportions, portrait or landscape.
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();
    const QRectF target(0, 0, drawRect.width() * dpiX / 254.0,
                        std::abs(drawRect.height()) * dpiY / 254.0);
    if (target.width() <= 0 || target.height() <= 0) {
        return;
    }
    // Narrower on a portrait page, so that the texts keep a readable size.
    const int width = target.width() < target.height() ? 800 : 1100;
    const QSize layout(width,
                       static_cast<int>(std::lround(width * target.height() / target.width())));
    std::unique_ptr<QChart> chart = copyForOutput();
    renderChart(*chart, painter, target, layout);
}

} // namespace brelvan::views
