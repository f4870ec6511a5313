// A view with one diagnostic plot of the case (pressure history, p/z, Cole, Havlena-Odeh,
// residuals): markers, the values of the point under the mouse, zoom by a rubber band (a
// double click or the Home key resets it), one-page printing in portrait or landscape and
// export as SVG, PNG or PDF.
#pragma once

#include <QString>
#include <memory>

#include "views/CScrollViewBase.h"
#include "views/DiagnosticChart.h"

class QChart;
class QChartView;
class QXYSeries;

namespace brelvan::views {

class DiagnosticView : public CScrollViewBase {
    Q_OBJECT
public:
    explicit DiagnosticView(DiagnosticKind kind, QWidget* parent = nullptr);
    ~DiagnosticView() override;

    // How many diagnostic views were ever created, of one kind.
    static int instanceCount(DiagnosticKind kind);

    DiagnosticKind kind() const { return m_kind; }
    QChart* chart() const { return m_pChart; }
    QChartView* chartView() const { return m_pChartView; }
    const DiagnosticData& data() const { return m_data; }

    void OnInitialUpdate() override;
    void OnUpdate() override;
    void OnDraw(QPainter& painter, QPointF offset) override;
    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, cmd::CmdUI& ui) override;

    // Reads the document again and builds the chart anew (the zoom is reset).
    void refresh();
    void resetZoom();
    // The export command: asks for a file and writes the chart as it is shown.
    void OnExport();
    // Writes the chart as shown (with its zoom) into a file; false with a German message.
    IoResult<> exportTo(const QString& path);

    // The text of the last hover read-out (empty when the mouse is on no point).
    QString m_strHover;
    // The mouse at a position of the chart widget: the read-out of the point under it.
    void hoverAt(QPoint viewPos);

protected:
    int OnPreparePrinting() override;
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The chart widget covers the viewport and draws the screen.
    void paintEvent(QPaintEvent*) override {}

private:
    // A fresh chart with the ranges of the one shown.
    std::unique_ptr<QChart> copyForOutput() const;
    void ensureData();

    DiagnosticKind m_kind;
    DiagnosticData m_data;
    bool m_bStale = true;
    QChart* m_pChart = nullptr;
    QChartView* m_pChartView = nullptr;
};

} // namespace brelvan::views
