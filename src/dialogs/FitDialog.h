// "Anpassung": the least-squares fit of OGIP, WIP and J in the desktop program. The settings
// dialog (ranges, free parameters, start), the run on a worker thread with a progress bar and
// "Abbrechen", and the result with the question whether to adopt the values.
#pragma once

#include <QDialog>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "engine/Fit.h"
#include "support/UserInterface.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace brelvan::dialogs {

struct FitSettings {
    fit::Bounds box;
    std::array<bool, fit::kParams> free{true, true, true};
    bool fromGrid = true; // start from the best case of the 4 x 4 x 4 grid, else the case
};

class FitDialog : public QDialog {
    Q_OBJECT
public:
    FitDialog(brelvan::UserInterface& ui, const FitSettings& start, QWidget* parent = nullptr);

    // Valid after the dialog was accepted.
    const FitSettings& settings() const { return m_settings; }

    QLineEdit* rangeEdit(int param, bool upper) const { return m_edits[param][upper ? 1 : 0]; }
    QCheckBox* freeBox(int param) const { return m_free[param]; }
    QRadioButton* gridStart() const { return m_grid; }
    // Checks the fields; on success takes them into settings() and accepts.
    void onOk();

private:
    brelvan::UserInterface& m_ui;
    FitSettings m_settings;
    QLineEdit* m_edits[fit::kParams][2]{};
    QCheckBox* m_free[fit::kParams]{};
    QRadioButton* m_grid = nullptr;
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
class FitJob : public QObject {
    Q_OBJECT
public:
    FitJob(fit::Objective objective, FitSettings settings, fit::Point caseValues,
           QObject* parent = nullptr);
    ~FitJob() override;

    void start();
    void cancel() { m_cancel = true; }
    bool running() const { return m_worker.joinable() && !m_done; }
    int progress() const { return m_progress.load(); }
    const FitOutcome& outcome() const { return m_outcome; }

signals:
    void progressChanged(int percent);
    void finished();

private:
    void run();
    void poll();

    fit::Objective m_objective;
    FitSettings m_settings;
    fit::Point m_caseValues;
    FitOutcome m_outcome;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_progress{0};
    int m_lastProgress = -1;
    QTimer m_timer;
};

// Runs the job with a modal progress dialog ("Abbrechen" cancels); the window stays responsive.
FitOutcome runFitWithProgress(QWidget* parent, fit::Objective objective,
                              const FitSettings& settings, const fit::Point& caseValues);

// The result as the dialog shows it: values, errors, ranges, warnings.
std::string fitResultText(const FitOutcome& outcome);

// The whole "Anpassung": settings dialog, run, result; the values to adopt when the user
// answers Ja, nothing otherwise. `holdJ`: J starts held (the pot water zone ignores it).
std::optional<fit::Point> runFit(QWidget* parent, brelvan::UserInterface& ui,
                                 const fit::Objective& objective, const fit::Point& caseValues,
                                 double maxGp, const fit::Bounds& sensitivity, bool holdJ = false);

} // namespace brelvan::dialogs
