// The chart view: pressures and water influx of the case over days or cumulative production,
// with a magnifier and one-page printing in portrait or landscape. The scaling and the drawing
// live in GraphChart; this view adds the window, the rescale on new data and the printing.
#pragma once

#include <QRect>
#include <functional>

#include "views/CScrollViewBase.h"
#include "views/GraphChart.h"

namespace brelvan::views {

class CGrafik : public CScrollViewBase, public GraphChart {
    Q_OBJECT
public:
    explicit CGrafik(QWidget* parent = nullptr);

    // How many chart views were ever created (the main frame creates one and reuses it).
    static int instanceCount();

    // The view's document is the one the scaling reads.
    void setDocument(CBrelvanDoc* doc) {
        CScrollViewBase::setDocument(doc);
        GraphScaling::setDocument(doc);
    }

    void OnInitialUpdate() override;
    void OnDraw(QPainter& painter, QPointF offset) override;
    void OnCompute();
    void OnGrafiklupe();
    void OnUpdateGrafiklupe(cmd::CmdUI& ui) const;

    // "Grafik exportieren …": the chart as shown (with or without the magnifier) into an SVG,
    // PNG or PDF file, drawn as the batch tool's chart command draws it. The file dialog is
    // replaced by tests; false when nothing was written.
    static std::function<QString(QWidget*)> s_chooseExportFile;
    bool OnExport();

    bool OnCmdMsg(int id) override;
    bool OnUpdateCmdUI(int id, cmd::CmdUI& ui) override;

    QRect m_rectDruck;
    bool m_bKurven = false;

protected:
    int OnPreparePrinting() override;
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;
    void OnEndPrinting() override;

private:
    // The scroll range: the chart's canvas, with or without the magnifier.
    void updateScrollSizes();
};

} // namespace brelvan::views
