// The diagnostic plots as Qt Charts: the pressure history with markers, p/z over Gp with the
// fitted line, the Cole plot, the Havlena-Odeh plot and the residuals. The same chart is shown
// in the views, printed and written to SVG, PNG or PDF files.
#pragma once

#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "engine/Diagnostics.h"
#include "engine/ModelComparison.h"
#include "support/FileIo.h"

class CBrelvanDoc;
class QChart;
class QPainter;
class QRectF;

namespace brelvan::views {

enum class DiagnosticKind { History, PZ, Cole, HavlenaOdeh, Residuals };
inline constexpr DiagnosticKind kDiagnosticKinds[] = {
    DiagnosticKind::History, DiagnosticKind::PZ, DiagnosticKind::Cole, DiagnosticKind::HavlenaOdeh,
    DiagnosticKind::Residuals};

// The name on the command line ("verlauf", "pz", "cole", "ho", "residuen").
const char* diagnosticName(DiagnosticKind kind);
bool diagnosticKindFromName(const std::string& name, DiagnosticKind& kind);
// The title of a plot in the current language ("p/z – Gp", "Cole-Diagramm", ...).
QString diagnosticTitle(DiagnosticKind kind);

// Everything a plot shows: the rows of a run and what follows from them.
struct DiagnosticData {
    bool valid = false; // a computed case with at least one row
    std::string fieldName;
    double pInit = 0;  // bar
    int chartType = 0; // 0 days, 1 cumulative production on the time axes
    std::vector<engine::RowRecord> rows;
    engine::Diagnostics diag;
    // The pressure curves of a model comparison made for this case; the pressure history
    // shows each as a line named after its model. Empty: no comparison.
    std::vector<fit::ModelCurve> modelCurves;
};

// The plots' data of a document: a run of its case (only when the case has been computed), and
// the curves of the document's last model comparison while they belong to the case.
DiagnosticData diagnosticData(const CBrelvanDoc& doc);

// A new chart (owned by the caller).
QChart* createDiagnosticChart(DiagnosticKind kind, const DiagnosticData& data);

// Draws `chart` into `target` of `painter`, laid out for a canvas of `layoutSize` pixels.
void renderChart(QChart& chart, QPainter& painter, const QRectF& target, QSize layoutSize);

// The file's ending chooses SVG, PNG or PDF (see writePicture). `size` is the picture in pixels
// at 96 dpi. The failure's reason is a sentence that names the file.
IoResult<> exportDiagnosticChart(DiagnosticKind kind, const DiagnosticData& data,
                                 const QString& path, QSize size = QSize(1100, 750));
// The same for a chart at hand (the view's, with its zoom).
IoResult<> exportChartFile(QChart& chart, const QString& path, const QString& title,
                           QSize size = QSize(1100, 750));

} // namespace brelvan::views
