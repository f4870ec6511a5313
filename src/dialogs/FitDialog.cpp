#include "dialogs/FitDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/BrelvanDialog.h"
#include "document/FitCase.h"
#include "engine/FitObjective.h"

// The texts of the fit, of its dialog, job and free functions alike, are translated in the one
// context "FitDialog" (tr() would use the namespaced class names).

namespace brelvan::dialogs {

namespace {

std::optional<double> readNumber(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString showNumber(double v) {
    return QString::number(v, 'g', 10);
}

} // namespace

FitDialog::FitDialog(brelvan::UserInterface& ui, const FitSettings& start, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_settings(start) {
    setWindowTitle(QCoreApplication::translate("FitDialog", "Anpassung"));
    setObjectName(QStringLiteral("FitDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* ranges = new QGroupBox(
        QCoreApplication::translate("FitDialog", "Suchbereiche und freie Parameter"), this);
    auto* grid = new QGridLayout(ranges);
    grid->addWidget(new QLabel(QCoreApplication::translate("FitDialog", "Minimum"), ranges), 0, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("FitDialog", "Maximum"), ranges), 0, 2);
    for (int j = 0; j < fit::kParams; ++j) {
        const QString caption = QStringLiteral("%1 (%2)").arg(QString::fromUtf8(fit::paramName(j)),
                                                              QString::fromUtf8(fit::paramUnit(j)));
        grid->addWidget(new QLabel(caption, ranges), j + 1, 0);
        for (int side = 0; side < 2; ++side) {
            auto* edit = new QLineEdit(ranges);
            edit->setText(showNumber(side == 0 ? start.box.lo[j] : start.box.hi[j]));
            grid->addWidget(edit, j + 1, side + 1);
            m_edits[j][side] = edit;
        }
        m_free[j] = new QCheckBox(QCoreApplication::translate("FitDialog", "frei"), ranges);
        m_free[j]->setChecked(start.free[j]);
        grid->addWidget(m_free[j], j + 1, 3);
    }
    if (start.jIgnored) {
        m_free[fit::kJWert]->setChecked(false);
        m_free[fit::kJWert]->setEnabled(false);
        m_free[fit::kJWert]->setToolTip(QCoreApplication::translate(
            "FitDialog", "Das Topf-Modell hängt nicht vom J-Wert ab; er bleibt fest."));
    }
    layout->addWidget(ranges);
    auto* startBox = new QGroupBox(QCoreApplication::translate("FitDialog", "Start"), this);
    auto* startLayout = new QVBoxLayout(startBox);
    m_grid = new QRadioButton(
        QCoreApplication::translate("FitDialog", "bester Fall des Rasters 4 x 4 x 4"), startBox);
    auto* fromCase =
        new QRadioButton(QCoreApplication::translate("FitDialog", "Werte des Falls"), startBox);
    m_grid->setChecked(start.fromGrid);
    fromCase->setChecked(!start.fromGrid);
    startLayout->addWidget(m_grid);
    startLayout->addWidget(fromCase);
    layout->addWidget(startBox);
    // The model comparison: shown once a case is set, its table once it was computed.
    m_table = new QPlainTextEdit(this);
    m_table->setObjectName(QStringLiteral("ModelComparisonTable"));
    m_table->setReadOnly(true);
    m_table->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    {
        // Wide and tall enough for the table of the four models without scrolling.
        const QFontMetrics fm(m_table->font());
        m_table->setMinimumWidth(fm.horizontalAdvance(QString(112, QLatin1Char('0'))) + 24);
        m_table->setMinimumHeight(fm.lineSpacing() * 7 + 16);
    }
    m_table->hide();
    layout->addWidget(m_table);
    auto* buttons = new QDialogButtonBox(this);
    m_buttons = buttons;
    // Joins the buttons once a case is set.
    m_compare =
        new QPushButton(QCoreApplication::translate("FitDialog", "Modelle vergleichen"), this);
    m_compare->setObjectName(QStringLiteral("CompareModels"));
    m_compare->setToolTip(QCoreApplication::translate(
        "FitDialog", "Passt jedes Zuflussmodell in diesen Suchbereichen an und vergleicht "
                     "sie (RMS-Fehler, AIC)"));
    m_compare->hide();
    connect(m_compare, &QPushButton::clicked, this, &FitDialog::onCompare);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QCoreApplication::translate("FitDialog", "Abbrechen"),
                                             QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &FitDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FitDialog::setCase(const engine::RunInputs& in, const fit::Point& caseValues) {
    m_case = in;
    m_caseValues = caseValues;
    m_buttons->addButton(m_compare, QDialogButtonBox::ActionRole);
    m_compare->show();
}

bool FitDialog::readFields(FitSettings& s) {
    s = m_settings;
    for (int j = 0; j < fit::kParams; ++j) {
        const auto lo = readNumber(m_edits[j][0]->text());
        const auto hi = readNumber(m_edits[j][1]->text());
        if (!lo || !hi || !(*hi > *lo) || *lo < 0) {
            m_ui.message(
                QCoreApplication::translate(
                    "FitDialog", "%1: Bitte Minimum und Maximum angeben (0 <= Minimum < Maximum).")
                    .arg(QString::fromUtf8(fit::paramName(j)))
                    .toStdString());
            m_edits[j][lo ? 1 : 0]->setFocus();
            return false;
        }
        s.box.lo[j] = *lo;
        s.box.hi[j] = *hi;
        s.free[j] = m_free[j]->isChecked();
    }
    if (s.jIgnored)
        s.free[fit::kJWert] = false;
    if (!s.free[0] && !s.free[1] && !s.free[2]) {
        m_ui.message(
            QCoreApplication::translate("FitDialog", "Mindestens ein Parameter muss frei bleiben.")
                .toStdString());
        return false;
    }
    s.fromGrid = m_grid->isChecked();
    return true;
}

void FitDialog::onOk() {
    FitSettings s;
    if (!readFields(s))
        return;
    m_settings = s;
    QDialog::accept();
}

void FitDialog::onCompare() {
    FitSettings s;
    if (!m_case || !readFields(s))
        return;
    // The box as the fit takes it: within the input limits, OGIP above the largest Gp.
    const double maxGp = fit::largestGp(*m_case);
    fit::RefineOptions options;
    options.bounds = fit::searchBounds(s.box, maxGp, brelvan::inputLimits());
    if (!(options.bounds.hi[fit::kOgip] > options.bounds.lo[fit::kOgip])) {
        m_ui.message("Der OGIP-Bereich muss über dem größten Gp von " +
                     brelvan::fixedText(maxGp, 3) + " Mio m3 liegen.");
        return;
    }
    options.free = s.free;
    // J is held for the pot case's own fit only; the other models take it as any parameter
    // (the comparison holds it for the pot itself).
    if (s.jIgnored)
        options.free[fit::kJWert] = true;
    m_compare->setEnabled(false);
    fit::ModelComparison c =
        runComparisonWithProgress(this, *m_case, options, m_caseValues, s.fromGrid);
    m_compare->setEnabled(true);
    m_table->show();
    if (c.cancelled) {
        m_table->setPlainText(QCoreApplication::translate(
            "FitDialog", "Der Vergleich der Modelle wurde abgebrochen."));
        return;
    }
    QStringList lines;
    for (const std::string& line : fit::comparisonTable(c))
        lines << QString::fromStdString(line);
    m_table->setPlainText(lines.join(QLatin1Char('\n')));
    m_curves = fit::comparisonCurves(*m_case, c);
    m_comparison = std::move(c);
}

// ---- The job

// ---- Any job

WorkerJob::WorkerJob(std::function<void(const parallel::Control&)> work, QObject* parent)
    : QObject(parent), m_work(std::move(work)) {
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &WorkerJob::poll);
}

WorkerJob::~WorkerJob() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void WorkerJob::start() {
    if (m_worker.joinable())
        return;
    m_worker = std::thread([this] {
        parallel::Control control;
        control.cancel = &m_cancel;
        control.progress = [this](int done, int total) {
            m_progress = total > 0 ? 100 * done / total : 100;
        };
        m_work(control);
        m_progress = 100;
        m_done = true;
    });
    m_timer.start();
}

void WorkerJob::poll() {
    const int p = m_progress.load();
    if (p != m_lastProgress) {
        m_lastProgress = p;
        emit progressChanged(p);
    }
    if (m_done) {
        m_timer.stop();
        m_worker.join();
        emit finished();
    }
}

FitJob::FitJob(fit::Objective objective, FitSettings settings, fit::Point caseValues,
               QObject* parent)
    : WorkerJob([this](const parallel::Control& control) { run(control); }, parent),
      m_objective(std::move(objective)), m_settings(settings), m_caseValues(caseValues) {}

void FitJob::run(const parallel::Control& control) {
    FitOutcome out;
    fit::FitOptions options;
    options.refine.bounds = m_settings.box;
    options.refine.free = m_settings.free;
    options.caseValues = m_caseValues;
    options.fromGrid = m_settings.fromGrid;
    const fit::FitResult result = fit::fitCase(m_objective, options, control);
    out.start = result.start;
    out.best = result.best;
    out.ranges = result.ranges;
    out.starts = result.starts;
    out.atOptimum = result.atOptimum;
    out.restarts = result.restarts;
    if (cancelled()) {
        out.cancelled = true;
    } else if (!out.best.valid) {
        out.error =
            QCoreApplication::translate(
                "FitDialog", "Am Startpunkt ergibt die Rechnung keinen Fehlerwert (kein Meßwert "
                             "verglichen oder Abbruch); es wurde nichts angepasst.")
                .toStdString();
    } else {
        out.finished = true;
    }
    m_outcome = std::move(out);
}

namespace {

// Runs the job with a modal progress dialog ("Abbrechen" cancels) until it has finished; the
// window stays responsive meanwhile.
void runWithProgress(QWidget* parent, WorkerJob& job, const QString& label, const QString& title,
                     const QString& objectName) {
    QProgressDialog progress(label, QCoreApplication::translate("FitDialog", "Abbrechen"), 0, 100,
                             parent);
    progress.setObjectName(objectName);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(&job, &WorkerJob::progressChanged, &progress, &QProgressDialog::setValue);
    QObject::connect(&progress, &QProgressDialog::canceled, &job, [&job, &progress] {
        progress.setLabelText(QCoreApplication::translate("FitDialog", "Wird abgebrochen …"));
        job.cancel();
    });
    QObject::connect(&job, &WorkerJob::finished, &loop, &QEventLoop::quit);
    progress.show();
    job.start();
    loop.exec();
    progress.hide();
}

} // namespace

FitOutcome runFitWithProgress(QWidget* parent, fit::Objective objective,
                              const FitSettings& settings, const fit::Point& caseValues) {
    FitJob job(std::move(objective), settings, caseValues);
    runWithProgress(parent, job, QCoreApplication::translate("FitDialog", "Anpassung läuft …"),
                    QCoreApplication::translate("FitDialog", "Anpassung"),
                    QStringLiteral("FitProgress"));
    return job.outcome();
}

fit::ModelComparison runComparisonWithProgress(QWidget* parent, const engine::RunInputs& in,
                                               const fit::RefineOptions& options,
                                               const fit::Point& start, bool fromGrid) {
    fit::ModelComparison result;
    WorkerJob job([&](const parallel::Control& control) {
        result = fit::compareModels(in, options, start, fromGrid, true, control);
    });
    runWithProgress(parent, job,
                    QCoreApplication::translate("FitDialog", "Die Modelle werden verglichen …"),
                    QCoreApplication::translate("FitDialog", "Modelle vergleichen"),
                    QStringLiteral("ComparisonProgress"));
    if (job.cancelled())
        result.cancelled = true;
    return result;
}

std::string fitResultText(const FitOutcome& o) {
    if (o.cancelled)
        return QCoreApplication::translate("FitDialog", "Die Anpassung wurde abgebrochen.")
            .toStdString();
    if (!o.finished)
        return o.error;
    const fit::RefineResult& b = o.best;
    // Each value with the digits its range justifies.
    auto value = [&o](int j) {
        return QString::fromStdString(fit::justifiedText(
            o.best.best[j], o.ranges.computed ? o.ranges.ranges[j] : fit::Range{}));
    };
    auto fixed = [](double v, int decimals) {
        return QString::fromStdString(brelvan::fixedText(v, decimals));
    };
    QString t =
        QCoreApplication::translate("FitDialog", "Ergebnis der Anpassung (kleinste Quadrate)") +
        QStringLiteral("\n\n");
    t += QCoreApplication::translate("FitDialog", "OGIP: %1 Mio m3").arg(value(fit::kOgip)) +
         QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "WIP: %1 Mio m3").arg(value(fit::kWip)) +
         QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "J-Wert: %1 m3/(Tag·bar)")
             .arg(value(fit::kJWert)) +
         QLatin1Char('\n');
    t +=
        QCoreApplication::translate("FitDialog", "RMS-Fehler: %1 bar").arg(fixed(b.misfit.rms, 4)) +
        QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "Mittlerer Fehler: %1 bar")
             .arg(fixed(b.misfit.meanAbs, 4)) +
         QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "Iterationen: %1").arg(b.iterations) +
         QLatin1Char('\n');
    std::string text = t.toStdString();
    fit::FitResult starts;
    starts.starts = o.starts;
    starts.atOptimum = o.atOptimum;
    starts.restarts = o.restarts;
    text += fit::describeStarts(starts) + "\n";
    if (o.ranges.computed) {
        text += '\n';
        text += QCoreApplication::translate("FitDialog", "95-%-Bereiche (Profilmethode):")
                    .toStdString();
        text += '\n';
        for (int j = 0; j < fit::kParams; ++j)
            if (o.ranges.ranges[j].computed)
                text += fit::describeRange(j, o.ranges.ranges[j]) + "\n";
    } else if (!o.ranges.message.empty()) {
        text += "\n" + o.ranges.message + "\n";
    }
    if (!b.warnings.empty()) {
        text += "\n";
        for (const std::string& w : b.warnings)
            text += QCoreApplication::translate("FitDialog", "Warnung: %1.")
                        .arg(QString::fromStdString(w))
                        .toStdString() +
                    "\n";
    }
    return text;
}

FitRun runFit(QWidget* parent, brelvan::UserInterface& ui, const engine::RunInputs& in,
              const fit::Bounds& sensitivity) {
    FitRun out;
    const fit::Point caseValues{in.ogip, in.wip, in.jValue};
    const double maxGp = fit::largestGp(in);
    FitSettings start;
    const fit::Bounds limits = brelvan::inputLimits();
    start.box = fit::suggestedBounds(caseValues, maxGp, sensitivity, limits);
    if (in.model == waterzone::Model::Pot) {
        start.free[fit::kJWert] = false; // the pot ignores J: its fit holds it
        start.jIgnored = true;
    }
    FitDialog dialog(ui, start, parent);
    dialog.setCase(in, caseValues);
    const bool accepted = BrelvanDialog::runModal(dialog) == QDialog::Accepted;
    out.curves = dialog.comparisonCurves();
    if (!accepted)
        return out;
    FitSettings settings = dialog.settings();
    // Only values the input dialog accepts can be adopted.
    settings.box = fit::searchBounds(settings.box, maxGp, limits);
    if (!(settings.box.hi[fit::kOgip] > settings.box.lo[fit::kOgip])) {
        ui.message(
            QCoreApplication::translate(
                "FitDialog", "Der OGIP-Bereich muss über dem größten Gp von %1 Mio m3 liegen.")
                .arg(QString::fromStdString(brelvan::fixedText(maxGp, 3)))
                .toStdString());
        return out;
    }
    const FitOutcome outcome =
        runFitWithProgress(parent, fit::caseObjective(in), settings, caseValues);
    if (!outcome.finished) {
        ui.message(fitResultText(outcome));
        return out;
    }
    if (!ui.question(fitResultText(outcome) + "\n" +
                     QCoreApplication::translate("FitDialog", "Sollen die Werte übernommen werden?")
                         .toStdString()))
        return out;
    out.adopted = outcome.best.best;
    out.shown = shownFitValues(outcome.best.best, outcome.ranges, settings.free);
    return out;
}

} // namespace brelvan::dialogs
