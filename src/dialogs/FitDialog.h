// "Anpassung": the least-squares fit of OGIP, WIP and J in the desktop program. The settings
// dialog (ranges, free parameters, start), the run on a worker thread with a progress bar and
// "Abbrechen", and the result with the question whether to adopt the values.
#pragma once

#include <QDialog>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "document/FitCase.h"
#include "engine/Fit.h"
#include "engine/ModelComparison.h"
#include "engine/Run.h"
#include "support/UserInterface.h"

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace brelvan::dialogs {

struct FitSettings {
    fit::Bounds box;
    std::array<bool, fit::kParams> free{true, true, true};
    bool fromGrid = true; // start from the best case of the 4 x 4 x 4 grid, else the case
    // The case's water zone ignores J (the pot): J is held and cannot be freed.
    bool jIgnored = false;
};

class FitDialog : public QDialog {
    Q_OBJECT
public:
    FitDialog(brelvan::UserInterface& ui, const FitSettings& start, QWidget* parent = nullptr);

    // The case whose models "Modelle vergleichen" fits (the button shows only with one), its
    // values (the start and the held values) and the largest Gp.
    void setCase(const engine::RunInputs& in, const fit::Point& caseValues);

    // Valid after the dialog was accepted.
    const FitSettings& settings() const { return m_settings; }
    // The last comparison made in the dialog (no fits: none) and its models' pressure curves.
    const fit::ModelComparison& comparison() const { return m_comparison; }
    const fit::ComparisonCurves& comparisonCurves() const { return m_curves; }

    QLineEdit* rangeEdit(int param, bool upper) const { return m_edits[param][upper ? 1 : 0]; }
    QCheckBox* freeBox(int param) const { return m_free[param]; }
    QRadioButton* gridStart() const { return m_grid; }
    QPushButton* compareButton() const { return m_compare; }
    QPlainTextEdit* comparisonTable() const { return m_table; }
    // Checks the fields; on success takes them into settings() and accepts.
    void onOk();
    // "Modelle vergleichen": fits every model within the fields' box on a worker thread (with
    // progress and "Abbrechen") and shows the table of the batch tool's "--modell alle".
    void onCompare();

private:
    // The fields as settings; false (with a message) when one is not usable.
    bool readFields(FitSettings& s);

    brelvan::UserInterface& m_ui;
    FitSettings m_settings;
    QLineEdit* m_edits[fit::kParams][2]{};
    QCheckBox* m_free[fit::kParams]{};
    QRadioButton* m_grid = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QPushButton* m_compare = nullptr;
    QPlainTextEdit* m_table = nullptr;
    std::optional<engine::RunInputs> m_case;
    fit::Point m_caseValues{};
    fit::ModelComparison m_comparison;
    fit::ComparisonCurves m_curves;
};

struct FitOutcome {
    bool finished = false; // the computation came to its end
    bool cancelled = false;
    fit::Point start{};
    fit::RefineResult best;
    fit::RangesResult ranges;
    int starts = 0;    // refinements started
    int atOptimum = 0; // of them, those that ended at the best point
    int restarts = 0;  // re-fits after a profile walk met a lower point
    std::string error; // why there is no result
};

// One fit on a worker thread. Progress (0 to 100) and the end are polled on the thread of the
// object, so its signals arrive in the user interface thread.
// Any computation on a worker thread, given the control to report progress (percent of 100)
// and to watch the cancel flag. Progress and the end are polled on the object's thread.
class WorkerJob : public QObject {
    Q_OBJECT
public:
    explicit WorkerJob(std::function<void(const parallel::Control&)> work,
                       QObject* parent = nullptr);
    ~WorkerJob() override;

    void start();
    void cancel() { m_cancel = true; }
    bool cancelled() const { return m_cancel.load(); }

signals:
    void progressChanged(int percent);
    void finished();

private:
    void poll();

    std::function<void(const parallel::Control&)> m_work;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_progress{0};
    int m_lastProgress = -1;
    QTimer m_timer;
};

// The fit of one case as a worker job; its outcome is ready once the job has finished.
class FitJob : public WorkerJob {
public:
    FitJob(fit::Objective objective, FitSettings settings, fit::Point caseValues,
           QObject* parent = nullptr);

    const FitOutcome& outcome() const { return m_outcome; }

private:
    void run(const parallel::Control& control);

    fit::Objective m_objective;
    FitSettings m_settings;
    fit::Point m_caseValues;
    FitOutcome m_outcome;
};

// Runs the job with a modal progress dialog ("Abbrechen" cancels); the window stays responsive.
FitOutcome runFitWithProgress(QWidget* parent, fit::Objective objective,
                              const FitSettings& settings, const fit::Point& caseValues);

// The model comparison of `in` on a worker thread with a modal progress dialog ("Abbrechen"
// cancels: the result says cancelled); the window stays responsive.
fit::ModelComparison runComparisonWithProgress(QWidget* parent, const engine::RunInputs& in,
                                               const fit::RefineOptions& options,
                                               const fit::Point& start, bool fromGrid);

// The result as the dialog shows it: values, errors, ranges, warnings.
std::string fitResultText(const FitOutcome& outcome);

// What "Anpassung" gives the case.
struct FitRun {
    std::optional<fit::Point> adopted; // the values to adopt: the user answered Ja
    ShownFitValues shown;              // the texts they are shown with
    fit::ComparisonCurves curves;      // of a model comparison made in the dialog (or empty)
};

// The whole "Anpassung" of the case `in` (its OGIP, WIP and J start it): settings dialog (with
// "Modelle vergleichen"), run, result. A pot water zone holds J, which it ignores.
FitRun runFit(QWidget* parent, brelvan::UserInterface& ui, const engine::RunInputs& in,
              const fit::Bounds& sensitivity);

} // namespace brelvan::dialogs
