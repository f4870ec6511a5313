#include "views/GraphScaling.h"

#include <algorithm>
#include <cmath>

#include "document/CBrelvanDoc.h"

namespace brelvan::views {

namespace {

// Every stepping loop of the scaling ends after a few dozen steps with sensible data; this
// bound keeps a step too small to move the value (or a range that is not finite) from hanging.
constexpr int kMaxSteps = 100000;

// Adds step to v while v < limit; returns the final v and counts the steps.
double stepUntil(double v, double step, double limit, int* count = nullptr) {
    int n = 0;
    while (v < limit && n < kMaxSteps) {
        const double next = v + step;
        if (!(next > v)) {
            break;
        }
        v = next;
        ++n;
    }
    if (count) {
        *count = n;
    }
    return v;
}

} // namespace

int GraphScaling::trunc(double v) {
    constexpr double kBound = 100000000.0;
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(std::clamp(v, -kBound, kBound));
}

int GraphScaling::computedCount() const {
    return m_pDoc ? std::clamp(m_pDoc->m_MaxWerte, 0, CBrelvanDoc::kMaxRows) : 0;
}

int GraphScaling::measuredCount() const {
    return m_pDoc ? std::clamp(m_pDoc->m_Max2Werte, 0, CBrelvanDoc::kMaxRows) : 0;
}

void GraphScaling::OnGraf() {
    extreme();
    scale();
    worldtrans();
}

void GraphScaling::extreme() {
    if (!m_pDoc) {
        m_xmin = m_xmax = m_ymin = m_ymax = m_y1min = m_y1max = 0;
        return;
    }
    const CBrelvanDoc& doc = *m_pDoc;
    const int n = computedCount();
    for (int i = 0; i <= n; ++i) {
        const double x = doc.m_fXRechen[i];
        const double p = doc.m_fPRechen[i];
        const double we = doc.m_fWERechen[i];
        if (i == 0) {
            m_xmin = m_xmax = x;
            m_ymin = m_ymax = p;
            m_y1min = m_y1max = we;
        }
        if (x < m_xmin) {
            m_xmin = x;
        }
        if (x > m_xmax) {
            m_xmax = x;
        }
        if (p < m_ymin) {
            m_ymin = p;
        }
        if (p > m_ymax) {
            m_ymax = p;
        }
        if (we < m_y1min) {
            m_y1min = we;
        }
        if (we > m_y1max) {
            m_y1max = we;
        }
    }
    const int m = measuredCount();
    for (int j = 0; j <= m; ++j) {
        const double p = doc.m_fPMess[j];
        const double x = doc.m_fXMess[j];
        if (p > m_ymax) {
            m_ymax = p;
        }
        if (p < m_ymin) {
            m_ymin = p;
        }
        if (x < m_xmin) {
            m_xmin = x;
        }
    }
}

double GraphScaling::delta(double range) {
    if (range == 0.0) {
        return 1.0;
    }
    if (!(range > 0.0) || !std::isfinite(range)) {
        return 1.0;
    }
    const double r = range / 10.0;
    const double e = std::trunc(std::log10(r));
    const double p = std::pow(10.0, e);
    const double m = r / p;
    if (m >= 4.0) {
        return 10.0 * p;
    }
    if (m >= 2.0) {
        return 5.0 * p;
    }
    if (m >= 1.0) {
        return 2.0 * p;
    }
    if (m >= 0.5) {
        return p;
    }
    if (m >= 0.2) {
        return 0.5 * p;
    }
    if (m > 0.1) {
        return 0.2 * p;
    }
    return 1.0;
}

double GraphScaling::start(double min, double delta) {
    if (min == 0.0) {
        return 0.0;
    }
    if (!std::isfinite(min) || !std::isfinite(delta) || delta == 0.0) {
        return min;
    }
    const double q = min / delta;
    const double n = std::trunc(q);
    if (n == q) {
        return min;
    }
    const double e = q > 0.0 ? std::trunc(std::log10(q)) : 0.0;
    if (min < 0.0 || std::fabs(e) <= 4.0) {
        double s = n * delta;
        if (min < 0.0) {
            s -= delta;
        }
        return s;
    }
    // The first value of 10^e * delta - delta, stepped by delta, that lies above min - delta;
    // found arithmetically rather than by stepping, which could take very long.
    const double first = std::pow(10.0, e) * delta - delta;
    const double limit = min - delta;
    if (first > limit) {
        return first;
    }
    double k = std::floor((limit - first) / delta) + 1.0;
    for (int guard = 0; guard < 4 && first + (k - 1.0) * delta > limit && k > 1.0; ++guard) {
        k -= 1.0;
    }
    for (int guard = 0; guard < 4 && !(first + k * delta > limit); ++guard) {
        k += 1.0;
    }
    return first + k * delta;
}

void GraphScaling::scale() {
    m_deltax = delta(m_xmax - m_xmin);
    m_deltay = delta(m_ymax - m_ymin);
    m_xstart = start(m_xmin, m_deltax);
    m_ystart = start(m_ymin, m_deltay);
    if (m_xstart < m_xmin) {
        m_xmin = m_xstart;
    }
    if (m_ystart < m_ymin) {
        m_ymin = m_ystart;
    }
    m_xmax = stepUntil(m_xstart, m_deltax, m_xmax - 0.00001);
    // A zero x range (no rows yet, all points at one x) is widened by one step on either
    // side, as the pressure axis is, so the mapping has a range to divide by.
    if (!(m_xmax > m_xmin)) {
        m_xmax = m_xmin + m_deltax;
        m_xmin -= m_deltax;
    }
    m_ymax = stepUntil(m_ystart, m_deltay, m_ymax);
    if (m_ymax == m_ymin) {
        m_ymax += m_deltay;
        m_ymin -= m_deltay;
    }
    stepUntil(m_ymin, m_deltay, m_ymax, &m_y1);

    if (m_y1max == m_y1min) {
        m_y1max = m_y1min + 1.0;
    }
    m_deltay1 = delta(m_y1max - m_y1min);
    if (m_deltay1 == 1.0) {
        m_deltay1 = 0.5;
    }
    m_y1start = start(m_y1min, m_deltay1);
    if (m_y1start < m_y1min) {
        m_y1min = m_y1start;
    }
    m_y1max = stepUntil(m_y1min, m_deltay1, m_y1max, &m_y2);

    if (m_y2 <= m_y1) {
        m_y1max = m_y1min + m_y1 * m_deltay1;
    } else {
        m_ymax = m_ystart + m_y2 * m_deltay;
    }
}

void GraphScaling::worldtrans() {
    if (m_bHochformat) {
        m_breite = kPortraitWidth;
        m_hoehe = m_bPrint ? kPortraitHeight : kScreenHeight;
    } else {
        m_breite = kLandscapeWidth;
        m_hoehe = kLandscapeHeight;
    }
    if (!m_bPrint && m_bGrafiklupe) {
        m_breite = kMagnifiedWidth;
        m_hoehe = kMagnifiedHeight;
    }
    if (!m_bPrint && !m_bGrafiklupe) {
        m_hoehe = kScreenHeight;
    }
    if (!m_pDoc) {
        return;
    }
    const CBrelvanDoc& doc = *m_pDoc;
    const double w = m_breite;
    const double h = m_hoehe;
    const double xr = m_xmax - m_xmin;
    const double yr = m_ymax - m_ymin;
    const double y1r = m_y1max - m_y1min;
    const int n = std::min(computedCount(), kPoints - 1);
    for (int i = 0; i <= n; ++i) {
        const int x = trunc(w * ((doc.m_fXRechen[i] - m_xmin) / xr));
        m_ptDruck[i] = {x, trunc(h * ((doc.m_fPRechen[i] - m_ymin) / yr) - h)};
        m_ptWE[i] = {x, trunc(h * ((doc.m_fWERechen[i] - m_y1min) / y1r) - h)};
    }
    const int m = std::min(measuredCount(), kPoints - 1);
    for (int j = 0; j <= m; ++j) {
        m_ptMesswerte[j] = {trunc(w * ((doc.m_fXMess[j] - m_xmin) / xr)),
                            trunc(h * ((doc.m_fPMess[j] - m_ymin) / yr) - h)};
    }
}

const char* GraphScaling::xLabelFormat(double xmin, double xmax) {
    if (xmax > 1000 || xmin < -500) {
        return "%4.0f";
    }
    if (xmax > 1 || xmin < -1) {
        return "%5g";
    }
    return "%5.3f";
}

const char* GraphScaling::yLabelFormat(double ymin, double ymax) {
    if (ymax > 1000000 || ymin < -100000) {
        return "%6.2e";
    }
    return "%6g";
}

const char* GraphScaling::y1LabelFormat(double y1min, double y1max) {
    if (y1max < 0.03) {
        return "%5.3f";
    }
    if (y1max > 1000000 || y1min < -100000) {
        return "%6.1e";
    }
    return "%5.2f";
}

} // namespace brelvan::views
