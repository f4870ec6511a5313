// The numeric half of the chart: extremes of the result series, tick steps of 1, 2 or 5 times a
// power of ten, first tick values, two y axes with the same number of intervals, and the
// mapping of every point into the plot area (logical units of 0.1 mm, y upwards, the plot
// area from (0, 0) at its top left to (m_breite, -m_hoehe) at its bottom right).
// Standard library only, so it runs without a window.
#pragma once

#include "views/ChartGeometry.h"
#include <array>
#include <string>

class CBrelvanDoc;

namespace brelvan::views {

struct GraphPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPoint&) const = default;
};

class GraphScaling {
public:
    static constexpr int kPoints = 500;

    explicit GraphScaling(const CBrelvanDoc* doc = nullptr) : m_pDoc(doc) {}

    void setDocument(const CBrelvanDoc* doc) { m_pDoc = doc; }
    const CBrelvanDoc* document() const { return m_pDoc; }

    // ---- Flags read by the scaling (the chart view sets them)
    bool m_bPrint = false;     // a print or print preview is running
    bool m_bHochformat = true; // the page is taller than wide; true on screen
    bool m_bGrafiklupe = false;

    // ---- Scaling state
    double m_xmin = 0, m_xmax = 0;
    double m_ymin = 0, m_ymax = 0;
    double m_y1min = 0, m_y1max = 0;
    double m_deltax = 1, m_deltay = 1, m_deltay1 = 1;
    double m_xstart = 0, m_ystart = 0, m_y1start = 0;
    int m_y1 = 0; // intervals of the left axis
    int m_y2 = 0; // intervals of the right axis
    int m_breite = kScreenWidth;
    int m_hoehe = kScreenHeight;
    std::array<GraphPoint, kPoints> m_ptDruck{};
    std::array<GraphPoint, kPoints> m_ptWE{};
    std::array<GraphPoint, kPoints> m_ptMesswerte{};

    // extreme, scale and worldtrans.
    void OnGraf();
    void extreme();
    void scale();
    void worldtrans();
    static double delta(double range);
    static double start(double min, double delta);

    // The counts of the document as the chart uses them: never beyond the series.
    int computedCount() const;
    int measuredCount() const;

    // Label formats of the three axes for the current ranges.
    static const char* xLabelFormat(double xmin, double xmax);
    static const char* yLabelFormat(double ymin, double ymax);
    static const char* y1LabelFormat(double y1min, double y1max);

    // Float to int toward zero; values beyond the int range (or not finite) are held at a
    // bound far outside any drawing.
    static int trunc(double v);

private:
    const CBrelvanDoc* m_pDoc;
};

} // namespace brelvan::views
