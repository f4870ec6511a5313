#include "views/MisfitMapPainter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/FitExport.h"
#include "views/PictureFile.h"

namespace brelvan::views {

namespace {

// Stops of the colour scale, dark blue (small error) through green and yellow to red.
struct Stop {
    double t;
    int r, g, b;
};
constexpr Stop kStops[] = {{0.0, 48, 18, 59},   {0.15, 65, 105, 225}, {0.35, 30, 180, 200},
                           {0.55, 90, 200, 90}, {0.75, 250, 210, 50}, {1.0, 200, 40, 30}};

QString number(double v) {
    const double a = std::fabs(v);
    if (a != 0 && (a >= 1e6 || a < 1e-2))
        return QString::number(v, 'e', 2);
    if (a >= 100)
        return QString::number(v, 'f', 0);
    if (a >= 10)
        return QString::number(v, 'f', 1);
    return QString::number(v, 'f', 2);
}

// Round tick values inside [lo, hi], about five of them.
std::vector<double> niceTicks(double lo, double hi) {
    const double span = hi - lo;
    if (!(span > 0))
        return {lo};
    const double raw = span / 5;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * mag;
    for (double f : {1.0, 2.0, 2.5, 5.0})
        if (f * mag >= raw) {
            step = f * mag;
            break;
        }
    std::vector<double> ticks;
    for (double k = std::ceil(lo / step - 1e-9); k * step <= hi + 1e-9 * span; k += 1)
        ticks.push_back(k * step);
    return ticks;
}

// One segment of a contour line through a cell square of the raster.
void contourSquare(QPainterPath& path, const QPointF p[4], const double v[4], double level) {
    QPointF hits[4];
    int count = 0;
    for (int e = 0; e < 4; ++e) {
        const int a = e, b = (e + 1) % 4;
        const bool ia = v[a] >= level, ib = v[b] >= level;
        if (ia == ib)
            continue;
        const double t = (level - v[a]) / (v[b] - v[a]);
        hits[count++] = p[a] + (p[b] - p[a]) * t;
    }
    if (count == 2) {
        path.moveTo(hits[0]);
        path.lineTo(hits[1]);
    } else if (count == 4) {
        // A saddle: join the crossings by the mean of the corners.
        const double mean = (v[0] + v[1] + v[2] + v[3]) / 4;
        const bool joinFirst = (mean >= level) == (v[0] >= level);
        path.moveTo(hits[0]);
        path.lineTo(hits[joinFirst ? 3 : 1]);
        path.moveTo(hits[2]);
        path.lineTo(hits[joinFirst ? 1 : 3]);
    }
}

} // namespace

QColor misfitColour(double t) {
    t = std::clamp(t, 0.0, 1.0);
    for (std::size_t i = 1; i < std::size(kStops); ++i) {
        if (t <= kStops[i].t) {
            const Stop& a = kStops[i - 1];
            const Stop& b = kStops[i];
            const double f = (t - a.t) / (b.t - a.t);
            return QColor(static_cast<int>(std::lround(a.r + f * (b.r - a.r))),
                          static_cast<int>(std::lround(a.g + f * (b.g - a.g))),
                          static_cast<int>(std::lround(a.b + f * (b.b - a.b))));
        }
    }
    return QColor(kStops[std::size(kStops) - 1].r, kStops[std::size(kStops) - 1].g,
                  kStops[std::size(kStops) - 1].b);
}

QString parameterCaption(int param) {
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(fit::paramName(param)),
                                         QString::fromUtf8(fit::paramUnit(param)));
}

QString thirdParameterLine(const fit::MisfitMap& map) {
    const QString name = QString::fromUtf8(fit::paramName(map.third));
    if (map.optimiseThird)
        return QCoreApplication::translate("MisfitMapPainter", "%1 in jeder Zelle optimiert")
            .arg(name);
    const double v = map.cells.empty() ? 0.0 : map.cells.front().x[map.third];
    return QCoreApplication::translate("MisfitMapPainter", "%1 fest: %2 %3")
        .arg(name, QString::number(v, 'f', 3), QString::fromUtf8(fit::paramUnit(map.third)));
}

MisfitScale::MisfitScale(const fit::MisfitMap& map) {
    bool any = false;
    for (const fit::MapCell& c : map.cells) {
        if (!c.misfit.valid)
            continue;
        if (!any) {
            lo = hi = c.misfit.rms;
            any = true;
        }
        lo = std::min(lo, c.misfit.rms);
        hi = std::max(hi, c.misfit.rms);
    }
    if (!any) {
        lo = 0;
        hi = 1;
    }
    logarithmic = lo > 0 && hi / lo > 20;
    if (!(hi > lo))
        hi = lo + 1;
}

double MisfitScale::position(double rms) const {
    if (logarithmic)
        return (std::log(rms) - std::log(lo)) / (std::log(hi) - std::log(lo));
    return (rms - lo) / (hi - lo);
}

double MisfitScale::value(double t) const {
    if (logarithmic)
        return std::exp(std::log(lo) + t * (std::log(hi) - std::log(lo)));
    return lo + t * (hi - lo);
}

QRectF misfitPlotArea(const QRectF& area) {
    const double unit = std::min(area.width(), area.height() * 1.3) / 100.0;
    return QRectF(area.left() + 13 * unit, area.top() + 12 * unit,
                  area.width() - 13 * unit - 31 * unit, area.height() - 12 * unit - 11 * unit);
}

int misfitCellAt(const QRectF& area, const fit::MisfitMap& map, QPointF at) {
    const QRectF plot = misfitPlotArea(area);
    if (map.cells.empty() || map.points < 2 || !plot.contains(at))
        return -1;
    const int n = map.points;
    const int i =
        std::clamp(static_cast<int>((at.x() - plot.left()) / (plot.width() / n)), 0, n - 1);
    const int k =
        std::clamp(static_cast<int>((plot.bottom() - at.y()) / (plot.height() / n)), 0, n - 1);
    return i * n + k;
}

void paintMisfitMap(QPainter& painter, const QRectF& area, const fit::MisfitMap& map,
                    const QString& fieldName) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double unit = std::min(area.width(), area.height() * 1.3) / 100.0;
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(2.2 * unit))));
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(std::max(7, static_cast<int>(std::lround(3.0 * unit))));

    const QRectF plot = misfitPlotArea(area);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const QString title =
        fieldName.isEmpty()
            ? QCoreApplication::translate("MisfitMapPainter", "Fehlerkarte: RMS-Fehler (bar)")
            : QCoreApplication::translate("MisfitMapPainter", "Fehlerkarte %1: RMS-Fehler (bar)")
                  .arg(fieldName);
    painter.drawText(QRectF(area.left(), area.top() + unit, area.width(), 5 * unit),
                     Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.setFont(font);

    if (map.cells.empty() || map.points < 2 || plot.width() <= 0 || plot.height() <= 0) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(plot);
        painter.drawText(
            plot, Qt::AlignCenter,
            QCoreApplication::translate("MisfitMapPainter", "Keine Fehlerkarte berechnet"));
        painter.restore();
        return;
    }
    painter.drawText(QRectF(area.left(), area.top() + 6 * unit, area.width(), 4 * unit),
                     Qt::AlignHCenter | Qt::AlignVCenter, thirdParameterLine(map));

    const int n = map.points;
    const double loA = map.valuesA.front(), hiA = map.valuesA.back();
    const double loB = map.valuesB.front(), hiB = map.valuesB.back();
    const double cw = plot.width() / n, ch = plot.height() / n;
    auto xOf = [&](double a) {
        return plot.left() + cw / 2 + (a - loA) / (hiA - loA) * (plot.width() - cw);
    };
    auto yOf = [&](double b) {
        return plot.bottom() - ch / 2 - (b - loB) / (hiB - loB) * (plot.height() - ch);
    };
    const MisfitScale scale(map);

    // Raster; cells without an error value hatched grey.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < n; ++k) {
            const fit::MapCell& c = map.cell(i, k);
            const QRectF r(plot.left() + i * cw, plot.bottom() - (k + 1) * ch, cw + 0.5, ch + 0.5);
            if (c.misfit.valid)
                painter.fillRect(r, misfitColour(scale.position(c.misfit.rms)));
            else
                painter.fillRect(r, QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
        }

    // Best cell, under the contours so that the 95 % contour stays visible across it.
    if (map.bestCell >= 0) {
        const fit::MapCell& b = map.cells[static_cast<std::size_t>(map.bestCell)];
        const QPointF c(xOf(b.x[map.axisA]), yOf(b.x[map.axisB]));
        painter.setPen(QPen(Qt::black, std::max(1.0, 0.3 * unit)));
        painter.setBrush(Qt::white);
        painter.drawEllipse(c, 1.0 * unit, 1.0 * unit);
        painter.drawLine(c - QPointF(1.8 * unit, 0), c + QPointF(1.8 * unit, 0));
        painter.drawLine(c - QPointF(0, 1.8 * unit), c + QPointF(0, 1.8 * unit));
    }

    // Contours through the cell centres.
    auto contour = [&](double level) {
        QPainterPath path;
        for (int i = 0; i + 1 < n; ++i)
            for (int k = 0; k + 1 < n; ++k) {
                const fit::MapCell* c[4] = {&map.cell(i, k), &map.cell(i + 1, k),
                                            &map.cell(i + 1, k + 1), &map.cell(i, k + 1)};
                double v[4];
                QPointF p[4];
                bool ok = true;
                for (int q = 0; q < 4; ++q) {
                    ok = ok && c[q]->misfit.valid;
                    v[q] = c[q]->misfit.valid ? c[q]->misfit.rms : 0.0;
                    p[q] = QPointF(xOf(c[q]->x[map.axisA]), yOf(c[q]->x[map.axisB]));
                }
                if (ok)
                    contourSquare(path, p, v, level);
            }
        return path;
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 30, 30, 150), std::max(1.0, 0.15 * unit)));
    for (int l = 1; l < 10; ++l)
        painter.drawPath(contour(scale.value(l / 10.0)));
    if (map.contourRms > 0) {
        painter.setPen(QPen(Qt::white, std::max(2.0, 0.7 * unit)));
        const QPainterPath p95 = contour(map.contourRms);
        painter.drawPath(p95);
        painter.setPen(QPen(Qt::black, std::max(1.0, 0.3 * unit), Qt::DashLine));
        painter.drawPath(p95);
    }

    // Frame, ticks and captions.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.25 * unit)));
    painter.drawRect(plot);
    for (double a : niceTicks(loA, hiA)) {
        const double x = xOf(a);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + unit));
        painter.drawText(QRectF(x - 8 * unit, plot.bottom() + 1.2 * unit, 16 * unit, 3 * unit),
                         Qt::AlignHCenter | Qt::AlignTop, number(a));
    }
    for (double bv : niceTicks(loB, hiB)) {
        const double y = yOf(bv);
        painter.drawLine(QPointF(plot.left() - unit, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - 12 * unit, y - 1.5 * unit, 10.5 * unit, 3 * unit),
                         Qt::AlignRight | Qt::AlignVCenter, number(bv));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 5 * unit, plot.width(), 4 * unit),
                     Qt::AlignHCenter | Qt::AlignTop, parameterCaption(map.axisA));
    painter.save();
    painter.translate(area.left() + 2 * unit, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -0.5 * unit, plot.height(), 4 * unit),
                     Qt::AlignHCenter | Qt::AlignTop, parameterCaption(map.axisB));
    painter.restore();

    // Legend: colour bar with values, then the keys.
    const QRectF bar(plot.right() + 4 * unit, plot.top(), 3.5 * unit, plot.height() * 0.6);
    const int steps = 64;
    painter.setPen(Qt::NoPen);
    for (int s = 0; s < steps; ++s) {
        const double t = (s + 0.5) / steps;
        painter.fillRect(QRectF(bar.left(), bar.bottom() - (s + 1) * bar.height() / steps,
                                bar.width(), bar.height() / steps + 0.5),
                         misfitColour(t));
    }
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.2 * unit)));
    painter.drawRect(bar);
    for (int t = 0; t <= 4; ++t) {
        const double y = bar.bottom() - t * bar.height() / 4;
        painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + unit, y));
        painter.drawText(QRectF(bar.right() + 1.5 * unit, y - 1.5 * unit, 14 * unit, 3 * unit),
                         Qt::AlignLeft | Qt::AlignVCenter, number(scale.value(t / 4.0)));
    }
    painter.drawText(QRectF(bar.left() - unit, bar.top() - 4 * unit, 24 * unit, 3 * unit),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     scale.logarithmic
                         ? QCoreApplication::translate("MisfitMapPainter", "RMS (bar), log.")
                         : QCoreApplication::translate("MisfitMapPainter", "RMS (bar)"));
    double y = bar.bottom() + 4 * unit;
    const double keyX = bar.left();
    auto keyText = [&](const QString& text) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(keyX + 5 * unit, y - 1.5 * unit, 23 * unit, 3 * unit),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        y += 4 * unit;
    };
    painter.setPen(QPen(Qt::white, std::max(2.0, 0.7 * unit)));
    painter.drawLine(QPointF(keyX, y), QPointF(keyX + 4 * unit, y));
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.3 * unit), Qt::DashLine));
    painter.drawLine(QPointF(keyX, y), QPointF(keyX + 4 * unit, y));
    keyText(map.contourRms > 0
                ? QCoreApplication::translate("MisfitMapPainter", "95 %: %1 bar")
                      .arg(number(map.contourRms))
                : QCoreApplication::translate("MisfitMapPainter", "95 %: zu wenige Werte"));
    painter.setPen(QPen(QColor(30, 30, 30, 150), std::max(1.0, 0.15 * unit)));
    painter.drawLine(QPointF(keyX, y), QPointF(keyX + 4 * unit, y));
    keyText(QCoreApplication::translate("MisfitMapPainter", "Höhenlinien"));
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.3 * unit)));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(keyX + 2 * unit, y), 1.0 * unit, 1.0 * unit);
    keyText(QCoreApplication::translate("MisfitMapPainter", "kleinster Fehler"));
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(keyX, y - 1.2 * unit, 4 * unit, 2.4 * unit),
                     QBrush(QColor(150, 150, 150), Qt::BDiagPattern));
    keyText(QCoreApplication::translate("MisfitMapPainter", "kein Fehlerwert"));
    painter.restore();
}

IoResult<> exportMisfitMapFile(const fit::MisfitMap& map, const std::string& fieldName,
                               const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QString suffix = QFileInfo(file).suffix().toLower();
    const auto cannotWrite = [&](const std::string& reason) {
        return IoResult<>::failure(
            QCoreApplication::translate("MisfitMapPainter",
                                        "Die Datei „%1“ kann nicht geschrieben werden: %2.")
                .arg(file, QString::fromStdString(reason))
                .toStdString());
    };
    if (suffix == QLatin1String("csv")) {
        const IoResult<> written = writeFileAtomically(path, fit::mapCsv(map));
        return written ? written : cannotWrite(written.error());
    }
    if (suffix == QLatin1String("xlsx")) {
        const IoResult<> written = table::writeXlsx(path, {mapTable(map)});
        return written ? written : cannotWrite(written.error());
    }
    if (!isPictureFile(file))
        return IoResult<>::failure(
            QCoreApplication::translate(
                "MisfitMapPainter",
                "Unbekannte Dateiendung „%1“: erlaubt sind .csv, .xlsx, .svg, .png und .pdf.")
                .arg(suffix)
                .toStdString());
    const QString field = QString::fromStdString(fieldName);
    PictureOptions options;
    options.title = QCoreApplication::translate("MisfitMapPainter", "Fehlerkarte");
    options.pdfPageSize = QPageSize(QPageSize::A4);
    options.pdfOrientation = QPageLayout::Landscape;
    options.pdfMarginsMm = QMarginsF(10, 10, 10, 10);
    return writePicture(
        file, QSize(1600, 1200),
        [&](QPainter& painter, const QRectF& area) { paintMisfitMap(painter, area, map, field); },
        options);
}

} // namespace brelvan::views
