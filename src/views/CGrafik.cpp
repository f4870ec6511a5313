#include "views/CGrafik.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "document/CBrelvanDoc.h"
#include "views/ChartExport.h"
#include "views/ChartGeometry.h"
#include "views/DiagnosticCommands.h"

namespace brelvan::views {

namespace {
int g_instances = 0;
}

CGrafik::CGrafik(QWidget* parent) : CScrollViewBase(parent) {
    setObjectName(QStringLiteral("CGrafik"));
    ++g_instances;
}

int CGrafik::instanceCount() {
    return g_instances;
}

void CGrafik::updateScrollSizes() {
    // At least the whole chart with its margins: with the magnifier it is wider.
    const QSize canvas = chartCanvasSize({m_bGrafiklupe, ChartLayout::Page::Screen});
    const QSize total(std::max(kChartViewWidth, canvas.width()),
                      std::max(kChartViewHeight, canvas.height()));
    SetScrollSizes(total, QSize(total.width() / 2, total.height() / 2),
                   QSize(total.width() / 50, total.height() / 50));
}

void CGrafik::OnInitialUpdate() {
    GraphScaling::setDocument(GetDocument()); // the scaling reads the view's document
    updateScrollSizes();
    m_bHochformat = true;
    m_bPrint = false;
    m_bKurven = false;
}

void CGrafik::OnDraw(QPainter& painter, QPointF offset) {
    CBrelvanDoc* doc = GetDocument();
    GraphScaling::setDocument(doc);
    // A case not yet computed gives no scale: the flag stays raised for its results.
    if (doc && doc->m_bNeueDaten && doc->m_bBerechnet) {
        OnCompute();
    }
    // A case not yet computed has no chart (its series are empty, not another case's).
    if (m_bKurven && (!doc || doc->m_bBerechnet)) {
        plot(painter, offset);
    }
}

void CGrafik::OnCompute() {
    GraphScaling::setDocument(GetDocument());
    m_bKurven = true;
    OnGraf();
    if (CBrelvanDoc* doc = GetDocument()) {
        doc->m_bNeueDaten = false;
    }
}

void CGrafik::OnGrafiklupe() {
    m_bGrafiklupe = !m_bGrafiklupe;
    updateScrollSizes();
    OnCompute();
    viewport()->update();
}

void CGrafik::OnUpdateGrafiklupe(cmd::CmdUI& ui) const {
    ui.Enable(true);
    ui.SetCheck(m_bGrafiklupe);
}

std::function<QString(QWidget*)> CGrafik::s_chooseExportFile;

bool CGrafik::OnExport() {
    const CBrelvanDoc* doc = GetDocument();
    if (!doc || !doc->m_bBerechnet) {
        return false;
    }
    QString path;
    if (s_chooseExportFile) {
        path = s_chooseExportFile(this);
    } else {
        QString selected;
        path = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("CGrafik", "Grafik exportieren"),
            QCoreApplication::translate("CGrafik", "grafik.svg"),
            QCoreApplication::translate(
                "CGrafik", "SVG-Grafik (*.svg);;PNG-Bild (*.png);;PDF-Dokument (*.pdf)"),
            &selected);
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (!path.isEmpty() && suffix != QLatin1String("svg") && suffix != QLatin1String("png") &&
            suffix != QLatin1String("pdf")) {
            path += selected.contains(QLatin1String("png"))   ? QStringLiteral(".png")
                    : selected.contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                                                              : QStringLiteral(".svg");
        }
    }
    if (path.isEmpty()) {
        return false;
    }
    const IoResult<> written = exportChart(*doc, path, {m_bGrafiklupe, ChartLayout::Page::Screen});
    if (!written) {
        doc->ui().error(written.error());
        return false;
    }
    return true;
}

bool CGrafik::OnCmdMsg(int id) {
    if (id == cmd::ID_GRAFIKLUPE) {
        OnGrafiklupe();
        return true;
    }
    if (id == cmd::ID_DIAG_EXPORT) {
        OnExport();
        return true;
    }
    return CScrollViewBase::OnCmdMsg(id);
}

bool CGrafik::OnUpdateCmdUI(int id, cmd::CmdUI& ui) {
    if (id == cmd::ID_GRAFIKLUPE) {
        OnUpdateGrafiklupe(ui);
        return true;
    }
    if (id == cmd::ID_DIAG_EXPORT) {
        const CBrelvanDoc* doc = GetDocument();
        ui.Enable(doc && doc->m_bBerechnet);
        return true;
    }
    return CScrollViewBase::OnUpdateCmdUI(id, ui);
}

int CGrafik::OnPreparePrinting() {
    m_bPrint = true;
    return 1;
}

void CGrafik::OnPrint(QPainter& painter, int, const QRect& drawRect, int& maxPage) {
    maxPage = 1;
    m_rectDruck = drawRect;
    m_bHochformat = std::abs(drawRect.height()) > drawRect.width();
    worldtrans();
    OnDraw(painter, QPointF());
}

void CGrafik::OnEndPrinting() {
    m_bHochformat = true;
    m_bPrint = false;
    worldtrans();
    viewport()->update();
}

} // namespace brelvan::views
