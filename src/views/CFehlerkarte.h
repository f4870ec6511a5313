// The view "Fehlerkarte": the misfit map of two of OGIP, WIP and J for the case, computed on a
// worker thread on request, drawn as a colour raster with contours, printable and exportable.
#pragma once

#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "engine/MisfitMap.h"
#include "engine/Run.h"
#include "support/FileIo.h"
#include "views/CScrollViewBase.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;

namespace brelvan::views {

class CFehlerkarte : public CScrollViewBase {
    Q_OBJECT
public:
    enum class State {
        Leer,        // nothing computed yet
        Rechnet,     // a map is being computed
        Fertig,      // the map belongs to the case as it is
        Abgebrochen, // the last computation was cancelled
        Veraltet,    // the case changed since the map was computed
    };

    explicit CFehlerkarte(QWidget* parent = nullptr);
    ~CFehlerkarte() override;

    // The export file dialog: the chosen path, empty when none. Tests replace it.
    static std::function<QString(QWidget*)> s_chooseExportFile;
    // The case a map is computed for; the document's own inputs unless set (tests).
    std::function<engine::RunInputs()> m_inputs;

    void OnInitialUpdate() override;
    void OnUpdate() override;
    void OnDraw(QPainter& painter, QPointF offset) override;

    // The pair 0 OGIP-WIP, 1 OGIP-J, 2 WIP-J; grid points per axis; third re-optimised.
    void setPair(int pair);
    void setPoints(int points);
    void setOptimiseThird(bool on);
    // Starts the computation with the current choice (a running one is cancelled first).
    void OnBerechnen();
    void OnAbbrechen();
    // Export through the file dialog; false when nothing was written.
    bool OnExport();
    IoResult<> exportTo(const QString& path) const;

    State state() const { return m_state; }
    const fit::MisfitMap& map() const { return m_map; }
    int progress() const { return m_progress.load(); }
    // Waits (running the event loop) until a running computation has ended.
    void waitForMap();

    QPushButton* computeButton() const { return m_compute; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QProgressBar* progressBar() const { return m_bar; }

signals:
    void stateChanged();

protected:
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void poll();
    void setState(State s);
    void layoutPanel();
    QString statusText() const;
    fit::MapOptions currentOptions(const engine::RunInputs& in, double ogip, double wip,
                                   double j) const;

    State m_state = State::Leer;
    fit::MisfitMap m_map;
    fit::MisfitMap m_pending;
    std::string m_fieldName;
    int m_pair = 0;
    int m_points = 41;
    bool m_optimiseThird = false;
    bool m_changedWhileRunning = false;

    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_progress{0};
    QTimer m_timer;

    QWidget* m_panel = nullptr;
    QComboBox* m_pairBox = nullptr;
    QSpinBox* m_pointsBox = nullptr;
    QComboBox* m_thirdBox = nullptr;
    QPushButton* m_compute = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_export = nullptr;
    QProgressBar* m_bar = nullptr;
};

} // namespace brelvan::views
