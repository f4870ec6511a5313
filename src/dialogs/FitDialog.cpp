#include "dialogs/FitDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/BrelvanDialog.h"
#include "document/FitCase.h"

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
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QCoreApplication::translate("FitDialog", "Abbrechen"),
                                             QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &FitDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FitDialog::onOk() {
    FitSettings s = m_settings;
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
            return;
        }
        s.box.lo[j] = *lo;
        s.box.hi[j] = *hi;
        s.free[j] = m_free[j]->isChecked();
    }
    if (!s.free[0] && !s.free[1] && !s.free[2]) {
        m_ui.message(
            QCoreApplication::translate("FitDialog", "Mindestens ein Parameter muss frei bleiben.")
                .toStdString());
        return;
    }
    s.fromGrid = m_grid->isChecked();
    m_settings = s;
    QDialog::accept();
}

// ---- The job

FitJob::FitJob(fit::Objective objective, FitSettings settings, fit::Point caseValues,
               QObject* parent)
    : QObject(parent), m_objective(std::move(objective)), m_settings(settings),
      m_caseValues(caseValues) {
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &FitJob::poll);
}

FitJob::~FitJob() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void FitJob::start() {
    if (m_worker.joinable())
        return;
    m_worker = std::thread([this] { run(); });
    m_timer.start();
}

void FitJob::run() {
    FitOutcome out;
    parallel::Control control;
    control.cancel = &m_cancel;
    fit::FitOptions options;
    options.refine.bounds = m_settings.box;
    options.refine.free = m_settings.free;
    options.caseValues = m_caseValues;
    options.fromGrid = m_settings.fromGrid;
    control.progress = [this](int done, int total) { m_progress = 100 * done / total; };
    const fit::FitResult result = fit::fitCase(m_objective, options, control);
    out.start = result.start;
    out.best = result.best;
    out.ranges = result.ranges;
    out.starts = result.starts;
    out.atOptimum = result.atOptimum;
    out.restarts = result.restarts;
    if (m_cancel) {
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
    m_progress = 100;
    m_done = true;
}

void FitJob::poll() {
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

FitOutcome runFitWithProgress(QWidget* parent, fit::Objective objective,
                              const FitSettings& settings, const fit::Point& caseValues) {
    FitJob job(std::move(objective), settings, caseValues);
    QProgressDialog progress(QCoreApplication::translate("FitDialog", "Anpassung läuft …"),
                             QCoreApplication::translate("FitDialog", "Abbrechen"), 0, 100, parent);
    progress.setObjectName(QStringLiteral("FitProgress"));
    progress.setWindowTitle(QCoreApplication::translate("FitDialog", "Anpassung"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QEventLoop loop;
    QObject::connect(&job, &FitJob::progressChanged, &progress, &QProgressDialog::setValue);
    QObject::connect(&progress, &QProgressDialog::canceled, &job, [&job, &progress] {
        progress.setLabelText(QCoreApplication::translate("FitDialog", "Wird abgebrochen …"));
        job.cancel();
    });
    QObject::connect(&job, &FitJob::finished, &loop, &QEventLoop::quit);
    progress.show();
    job.start();
    loop.exec();
    progress.hide();
    return job.outcome();
}

std::string fitResultText(const FitOutcome& o) {
    if (o.cancelled)
        return QCoreApplication::translate("FitDialog", "Die Anpassung wurde abgebrochen.")
            .toStdString();
    if (!o.finished)
        return o.error;
    const fit::RefineResult& b = o.best;
    auto fixed = [](double v, int decimals) {
        return QString::fromStdString(brelvan::fixedText(v, decimals));
    };
    QString t =
        QCoreApplication::translate("FitDialog", "Ergebnis der Anpassung (kleinste Quadrate)") +
        QStringLiteral("\n\n");
    t += QCoreApplication::translate("FitDialog", "OGIP: %1 Mio m3")
             .arg(fixed(b.best[fit::kOgip], 3)) +
         QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "WIP: %1 Mio m3")
             .arg(fixed(b.best[fit::kWip], 3)) +
         QLatin1Char('\n');
    t += QCoreApplication::translate("FitDialog", "J-Wert: %1 m3/(Tag·bar)")
             .arg(fixed(b.best[fit::kJWert], 4)) +
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

std::optional<fit::Point> runFit(QWidget* parent, brelvan::UserInterface& ui,
                                 const fit::Objective& objective, const fit::Point& caseValues,
                                 double maxGp, const fit::Bounds& sensitivity, bool holdJ) {
    FitSettings start;
    const fit::Bounds limits = brelvan::inputLimits();
    start.box = fit::suggestedBounds(caseValues, maxGp, sensitivity, limits);
    if (holdJ)
        start.free[fit::kJWert] = false;
    FitDialog dialog(ui, start, parent);
    if (BrelvanDialog::runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    FitSettings settings = dialog.settings();
    // Only values the input dialog accepts can be adopted.
    settings.box = fit::searchBounds(settings.box, maxGp, limits);
    if (!(settings.box.hi[fit::kOgip] > settings.box.lo[fit::kOgip])) {
        ui.message(
            QCoreApplication::translate(
                "FitDialog", "Der OGIP-Bereich muss über dem größten Gp von %1 Mio m3 liegen.")
                .arg(QString::fromStdString(brelvan::fixedText(maxGp, 3)))
                .toStdString());
        return std::nullopt;
    }
    const FitOutcome outcome = runFitWithProgress(parent, objective, settings, caseValues);
    if (!outcome.finished) {
        ui.message(fitResultText(outcome));
        return std::nullopt;
    }
    if (!ui.question(fitResultText(outcome) + "\n" +
                     QCoreApplication::translate("FitDialog", "Sollen die Werte übernommen werden?")
                         .toStdString()))
        return std::nullopt;
    return outcome.best.best;
}

} // namespace brelvan::dialogs
