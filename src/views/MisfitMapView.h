// The view "Fehlerkarte": the misfit map of two of OGIP, WIP and J for the case, computed on a
// worker thread on request, drawn as a colour raster with contours, printable and exportable.
#pragma once

#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>
#include <utility>

#include "engine/MisfitMap.h"
#include "engine/Run.h"
#include "support/FileIo.h"
#include "views/CScrollViewBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;

namespace brelvan::views {

class MisfitMapView : public CScrollViewBase {
    Q_OBJECT
public:
    enum class State {
        Empty,     // nothing computed yet
        Computing, // a map is being computed
        Current,   // the map belongs to the case as it is
        Cancelled, // the last computation was cancelled
        Stale,     // the case changed since the map was computed
    };

    explicit MisfitMapView(QWidget* parent = nullptr);
    ~MisfitMapView() override;

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
    void OnComputeMap();
    void OnCancelMap();
    // Export through the file dialog; false when nothing was written.
    bool OnExport();
    IoResult<> exportTo(const QString& path) const;

    State state() const { return m_state; }
    // Whether the map shown belongs to the case as it is now (only such a map is exported).
    bool mapIsCurrent() const;
    // The search ranges of the map: OGIP, WIP and J from and to, prefilled from the case as
    // the computation would choose them; the two of the chosen axes span the map.
    void setRange(int param, double lo, double hi);
    std::pair<double, double> range(int param) const;
    // The line under the map with the best cell's numbers (empty without a map).
    QString bestCellText() const;
    // The tooltip of a point of the view: the values of the cell under it (empty outside).
    QString cellToolTip(QPoint viewportPos) const;
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
    bool viewportEvent(QEvent* event) override;
    void OnPrint(QPainter& painter, int page, const QRect& drawRect, int& maxPage) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void poll();
    void setState(State s);
    void layoutPanel();
    QString statusText() const;
    engine::RunInputs caseInputs() const;
    QRectF mapArea() const;
    // Fills the range fields from the case (as the computation chose its ranges so far).
    void prefillRanges();
    void showBestCell();
    fit::MapOptions currentOptions(const engine::RunInputs& in, double ogip, double wip,
                                   double j) const;

    State m_state = State::Empty;
    fit::MisfitMap m_map;
    fit::MisfitMap m_pending;
    std::string m_fieldName;       // of the map shown
    engine::RunInputs m_mapInputs; // the case the map shown was computed for
    unsigned m_mapCase = 0;        // the document's case number then
    engine::RunInputs m_pendingInputs;
    unsigned m_pendingCase = 0;
    unsigned m_caseNumber = 0; // the document's case the view last saw
    int m_pair = 0;
    int m_points = 41;
    bool m_optimiseThird = false;

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
    QLineEdit* m_rangeEdits[3][2] = {};
    QLabel* m_best = nullptr;
};

} // namespace brelvan::views
