#include "views/MisfitMapView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QToolTip>
#include <QVBoxLayout>

#include <cmath>

#include "document/CBrelvanDoc.h"
#include "engine/FitObjective.h"
#include "views/MisfitMapPainter.h"

namespace brelvan::views {

std::function<QString(QWidget*)> MisfitMapView::s_chooseExportFile;

namespace {

constexpr int kPairs[3][2] = {
    {fit::kOgip, fit::kWip}, {fit::kOgip, fit::kJWert}, {fit::kWip, fit::kJWert}};

} // namespace

MisfitMapView::MisfitMapView(QWidget* parent) : CScrollViewBase(parent) {
    setObjectName(QStringLiteral("MisfitMapView"));
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("MisfitMapPanel"));
    auto* rows = new QVBoxLayout(m_panel);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(4);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(new QLabel(QCoreApplication::translate("MisfitMapView", "Achsen:"), m_panel));
    m_pairBox = new QComboBox(m_panel);
    m_pairBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pairBox->addItems({QCoreApplication::translate("MisfitMapView", "OGIP – WIP"),
                         QCoreApplication::translate("MisfitMapView", "OGIP – J-Wert"),
                         QCoreApplication::translate("MisfitMapView", "WIP – J-Wert")});
    row->addWidget(m_pairBox);
    row->addWidget(
        new QLabel(QCoreApplication::translate("MisfitMapView", "Punkte je Achse:"), m_panel));
    m_pointsBox = new QSpinBox(m_panel);
    m_pointsBox->setRange(5, 201);
    m_pointsBox->setValue(m_points);
    row->addWidget(m_pointsBox);
    row->addWidget(
        new QLabel(QCoreApplication::translate("MisfitMapView", "dritter Parameter:"), m_panel));
    m_thirdBox = new QComboBox(m_panel);
    m_thirdBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_thirdBox->addItems({QCoreApplication::translate("MisfitMapView", "fest (Wert des Falls)"),
                          QCoreApplication::translate("MisfitMapView", "optimiert")});
    row->addWidget(m_thirdBox);
    row->addStretch(1);
    // The ranges of the three parameters.
    row = new QHBoxLayout;
    rows->addLayout(row);
    const QString names[3] = {QStringLiteral("OGIP"), QStringLiteral("WIP"),
                              QCoreApplication::translate("MisfitMapView", "J-Wert")};
    for (int p = 0; p < 3; ++p) {
        row->addWidget(new QLabel(QCoreApplication::translate("MisfitMapView", "%1 (%2) von")
                                      .arg(names[p], QString::fromUtf8(fit::paramUnit(p))),
                                  m_panel));
        for (int side = 0; side < 2; ++side) {
            if (side == 1)
                row->addWidget(
                    new QLabel(QCoreApplication::translate("MisfitMapView", "bis"), m_panel));
            auto* edit = new QLineEdit(m_panel);
            edit->setObjectName(QStringLiteral("MisfitRange%1%2").arg(p).arg(side));
            edit->setMaximumWidth(80);
            m_rangeEdits[p][side] = edit;
            row->addWidget(edit);
        }
        row->addSpacing(8);
    }
    row->addStretch(1);
    row = new QHBoxLayout;
    rows->addLayout(row);
    m_compute = new QPushButton(QCoreApplication::translate("MisfitMapView", "Berechnen"), m_panel);
    row->addWidget(m_compute);
    m_bar = new QProgressBar(m_panel);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(160);
    row->addWidget(m_bar);
    m_cancelButton =
        new QPushButton(QCoreApplication::translate("MisfitMapView", "Abbrechen"), m_panel);
    m_cancelButton->setEnabled(false);
    row->addWidget(m_cancelButton);
    m_export =
        new QPushButton(QCoreApplication::translate("MisfitMapView", "Exportieren …"), m_panel);
    m_export->setEnabled(false);
    row->addWidget(m_export);
    row->addStretch(1);
    m_best = new QLabel(m_panel);
    m_best->setObjectName(QStringLiteral("MisfitBestCell"));
    m_best->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows->addWidget(m_best);

    connect(m_pairBox, &QComboBox::currentIndexChanged, this, [this](int i) { m_pair = i; });
    connect(m_pointsBox, &QSpinBox::valueChanged, this, [this](int n) { m_points = n; });
    connect(m_thirdBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_optimiseThird = i == 1; });
    connect(m_compute, &QPushButton::clicked, this, &MisfitMapView::OnComputeMap);
    connect(m_cancelButton, &QPushButton::clicked, this, &MisfitMapView::OnCancelMap);
    connect(m_export, &QPushButton::clicked, this, [this] { OnExport(); });
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &MisfitMapView::poll);
    viewport()->setMouseTracking(true);
    layoutPanel();
}

MisfitMapView::~MisfitMapView() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void MisfitMapView::OnInitialUpdate() {
    // The map fills the window; nothing to scroll.
    SetScrollSizes(QSize(1, 1), QSize(1, 1), QSize(1, 1));
    if (const CBrelvanDoc* doc = GetDocument())
        m_caseNumber = doc->m_caseNumber;
    prefillRanges();
}

namespace {

// Whether two runs compute the same case.
bool sameCase(const engine::RunInputs& a, const engine::RunInputs& b) {
    return a == b;
}

QString numberText(double v) {
    return QString::number(v, 'g', 6);
}

} // namespace

engine::RunInputs MisfitMapView::caseInputs() const {
    if (m_inputs)
        return m_inputs();
    if (const CBrelvanDoc* doc = GetDocument())
        return doc->runInputs();
    return {};
}

bool MisfitMapView::mapIsCurrent() const {
    const CBrelvanDoc* doc = GetDocument();
    return !m_map.cells.empty() && (!doc || doc->m_caseNumber == m_mapCase) &&
           sameCase(m_mapInputs, caseInputs());
}

void MisfitMapView::OnUpdate() {
    const CBrelvanDoc* doc = GetDocument();
    if (doc && doc->m_caseNumber != m_caseNumber) {
        // Another case: the map of the case before is gone, the ranges start from this one.
        m_caseNumber = doc->m_caseNumber;
        m_map = {};
        m_fieldName.clear();
        prefillRanges();
        if (m_state != State::Computing)
            setState(State::Empty);
    } else if (m_state == State::Current || m_state == State::Stale) {
        setState(mapIsCurrent() ? State::Current : State::Stale);
    } else {
        setState(m_state); // the export follows the map's freshness
    }
    CScrollViewBase::OnUpdate();
}

void MisfitMapView::setRange(int param, double lo, double hi) {
    m_rangeEdits[param][0]->setText(numberText(lo));
    m_rangeEdits[param][1]->setText(numberText(hi));
}

std::pair<double, double> MisfitMapView::range(int param) const {
    const QLocale c = QLocale::c();
    auto value = [&](QLineEdit* e) {
        QString t = e->text().trimmed();
        t.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double v = c.toDouble(t, &ok);
        return ok ? v : std::nan("");
    };
    return {value(m_rangeEdits[param][0]), value(m_rangeEdits[param][1])};
}

void MisfitMapView::prefillRanges() {
    const engine::RunInputs in = caseInputs();
    fit::Bounds sens;
    if (const CBrelvanDoc* doc = GetDocument()) {
        sens.lo = {doc->m_dMinOGIP, doc->m_dMinWIP, doc->m_dMinJ};
        sens.hi = {doc->m_dMaxOGIP, doc->m_dMaxWIP, doc->m_dMaxJ};
    }
    const fit::Bounds b =
        fit::suggestedBounds({in.ogip, in.wip, in.jValue}, fit::largestGp(in), sens);
    for (int p = 0; p < 3; ++p)
        setRange(p, b.lo[p], b.hi[p]);
}

QString MisfitMapView::bestCellText() const {
    if (m_map.bestCell < 0 || m_map.cells.empty())
        return {};
    const fit::MapCell& b = m_map.cells[static_cast<std::size_t>(m_map.bestCell)];
    QString text = QCoreApplication::translate("MisfitMapView", "Kleinster Fehler: ");
    for (int p = 0; p < 3; ++p) {
        text += QStringLiteral("%1 = %2 %3, ")
                    .arg(QString::fromUtf8(fit::paramName(p)), numberText(b.x[p]),
                         QString::fromUtf8(fit::paramUnit(p)));
    }
    text += QCoreApplication::translate("MisfitMapView", "RMS-Fehler %1 bar")
                .arg(numberText(b.misfit.rms));
    if (!mapIsCurrent())
        text += QCoreApplication::translate("MisfitMapView", " (veraltet)");
    return text;
}

void MisfitMapView::showBestCell() {
    m_best->setText(bestCellText());
}

QRectF MisfitMapView::mapArea() const {
    QRectF area(viewport()->rect());
    if (!statusText().isEmpty())
        area.setTop(area.top() + 26);
    return area;
}

QString MisfitMapView::cellToolTip(QPoint at) const {
    const int index = misfitCellAt(mapArea(), m_map, at);
    if (index < 0)
        return {};
    const fit::MapCell& c = m_map.cells[static_cast<std::size_t>(index)];
    QString text;
    for (int p = 0; p < 3; ++p) {
        text += QStringLiteral("%1: %2 %3\n")
                    .arg(QString::fromUtf8(fit::paramName(p)), numberText(c.x[p]),
                         QString::fromUtf8(fit::paramUnit(p)));
    }
    text += c.misfit.valid ? QCoreApplication::translate("MisfitMapView", "RMS-Fehler: %1 bar")
                                 .arg(numberText(c.misfit.rms))
                           : QCoreApplication::translate("MisfitMapView", "kein Fehlerwert");
    return text;
}

bool MisfitMapView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = cellToolTip(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return CScrollViewBase::viewportEvent(event);
}

void MisfitMapView::setPair(int pair) {
    m_pairBox->setCurrentIndex(std::clamp(pair, 0, 2));
}

void MisfitMapView::setPoints(int points) {
    m_pointsBox->setValue(points);
}

void MisfitMapView::setOptimiseThird(bool on) {
    m_thirdBox->setCurrentIndex(on ? 1 : 0);
}

fit::MapOptions MisfitMapView::currentOptions(const engine::RunInputs& in, double ogip, double wip,
                                              double j) const {
    fit::MapOptions o;
    o.axisA = kPairs[m_pair][0];
    o.axisB = kPairs[m_pair][1];
    o.points = m_points;
    o.optimiseThird = m_optimiseThird;
    o.base = {ogip, wip, j};
    fit::Bounds sens;
    if (const CBrelvanDoc* doc = GetDocument()) {
        sens.lo = {doc->m_dMinOGIP, doc->m_dMinWIP, doc->m_dMinJ};
        sens.hi = {doc->m_dMaxOGIP, doc->m_dMaxWIP, doc->m_dMaxJ};
    }
    o.bounds = fit::suggestedBounds(o.base, fit::largestGp(in), sens);
    // The ranges the user set in the fields, where they are sound.
    for (int p = 0; p < 3; ++p) {
        const auto [lo, hi] = range(p);
        if (std::isfinite(lo) && std::isfinite(hi) && lo > 0 && hi > lo) {
            o.bounds.lo[p] = lo;
            o.bounds.hi[p] = hi;
        }
    }
    o.loA = o.bounds.lo[o.axisA];
    o.hiA = o.bounds.hi[o.axisA];
    o.loB = o.bounds.lo[o.axisB];
    o.hiB = o.bounds.hi[o.axisB];
    return o;
}

void MisfitMapView::OnComputeMap() {
    engine::RunInputs in;
    if (m_inputs)
        in = m_inputs();
    else if (const CBrelvanDoc* doc = GetDocument())
        in = doc->runInputs();
    fit::MapOptions options = currentOptions(in, in.ogip, in.wip, in.jValue);
    options.holdJ = in.model == waterzone::Model::Pot; // the pot ignores J
    if (const std::string problem = fit::mapProblem(options); !problem.empty()) {
        // Refused before anything changes: a map being computed goes on.
        if (CBrelvanDoc* doc = GetDocument())
            doc->ui().message(problem);
        return;
    }
    if (m_worker.joinable()) {
        m_cancel = true;
        m_worker.join();
    }
    // The map shown keeps its own field name until the new one has come.
    m_pendingInputs = in;
    m_pendingCase = GetDocument() ? GetDocument()->m_caseNumber : 0;
    m_cancel = false;
    m_done = false;
    m_progress = 0;
    setState(State::Computing);
    m_worker = std::thread([this, in, options] {
        parallel::Control control;
        control.cancel = &m_cancel;
        control.progress = [this](int done, int total) { m_progress = 100 * done / total; };
        m_pending = fit::misfitMap(fit::caseObjective(in), options, control);
        m_done = true;
    });
    m_timer.start();
}

void MisfitMapView::OnCancelMap() {
    m_cancel = true;
}

void MisfitMapView::poll() {
    m_bar->setValue(m_progress.load());
    if (!m_done)
        return;
    m_timer.stop();
    m_worker.join();
    const CBrelvanDoc* doc = GetDocument();
    if (m_pending.cancelled) {
        setState(State::Cancelled);
    } else if (doc && doc->m_caseNumber != m_pendingCase) {
        setState(State::Empty); // computed for a case that is no longer open
    } else {
        m_map = std::move(m_pending);
        m_mapInputs = m_pendingInputs;
        m_mapCase = m_pendingCase;
        m_fieldName = m_pendingInputs.fieldName;
        setState(mapIsCurrent() ? State::Current : State::Stale);
    }
    m_pending = {};
}

void MisfitMapView::waitForMap() {
    while (m_state == State::Computing) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

void MisfitMapView::setState(State s) {
    m_state = s;
    const bool running = s == State::Computing;
    m_compute->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_pairBox->setEnabled(!running);
    m_pointsBox->setEnabled(!running);
    m_thirdBox->setEnabled(!running);
    for (auto& pair : m_rangeEdits)
        for (QLineEdit* e : pair)
            e->setEnabled(!running);
    m_export->setEnabled(!running && mapIsCurrent());
    showBestCell();
    if (!running)
        m_bar->setValue(s == State::Current || s == State::Stale ? 100 : 0);
    viewport()->update();
    emit stateChanged();
}

QString MisfitMapView::statusText() const {
    switch (m_state) {
    case State::Empty:
        return QCoreApplication::translate(
            "MisfitMapView",
            "Noch keine Fehlerkarte berechnet: Achsen und Punkte wählen, dann „Berechnen“.");
    case State::Computing:
        return m_map.cells.empty()
                   ? QCoreApplication::translate("MisfitMapView",
                                                 "Die Fehlerkarte wird berechnet …")
                   : QCoreApplication::translate(
                         "MisfitMapView", "Die Fehlerkarte wird neu berechnet; bis dahin zeigt sie "
                                          "die früheren Werte …");
    case State::Cancelled:
        return QCoreApplication::translate("MisfitMapView", "Die Berechnung wurde abgebrochen.");
    case State::Stale:
        return QCoreApplication::translate(
            "MisfitMapView",
            "Veraltet: der Fall wurde geändert, die Karte zeigt die früheren Werte und wird nicht "
            "exportiert. „Berechnen“ rechnet sie neu.");
    case State::Current:
        break;
    }
    return {};
}

void MisfitMapView::OnDraw(QPainter& painter, QPointF) {
    const QRectF area(viewport()->rect());
    painter.fillRect(area, Qt::white);
    const QString status = statusText();
    if (!status.isEmpty()) {
        painter.setPen(Qt::darkRed);
        painter.drawText(QRectF(area.left() + 8, area.top() + 4, area.width() - 16, 20),
                         Qt::AlignLeft | Qt::AlignVCenter, status);
    }
    paintMisfitMap(painter, mapArea(), m_map, QString::fromStdString(m_fieldName));
}

void MisfitMapView::OnPrint(QPainter& painter, int, const QRect& drawRect, int& maxPage) {
    maxPage = 1;
    const QPaintDevice* device = painter.device();
    const double dx = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 600;
    const double dy = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 600;
    const QRectF page(0, 0, drawRect.width() * dx / 254.0,
                      std::abs(drawRect.height()) * dy / 254.0);
    paintMisfitMap(painter, page, m_map, QString::fromStdString(m_fieldName));
}

void MisfitMapView::resizeEvent(QResizeEvent* event) {
    CScrollViewBase::resizeEvent(event);
    layoutPanel();
}

void MisfitMapView::layoutPanel() {
    const int h = m_panel->sizeHint().height();
    setViewportMargins(0, h, 0, 0);
    m_panel->setGeometry(0, 0, width(), h);
}

IoResult<> MisfitMapView::exportTo(const QString& path) const {
    return exportMisfitMapFile(m_map, m_fieldName, path.toStdString());
}

bool MisfitMapView::OnExport() {
    if (!mapIsCurrent())
        return false;
    QString path;
    if (s_chooseExportFile) {
        path = s_chooseExportFile(this);
    } else {
        path = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("MisfitMapView", "Fehlerkarte exportieren"),
            QCoreApplication::translate("MisfitMapView", "fehlerkarte.png"),
            QCoreApplication::translate(
                "MisfitMapView", "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf);;"
                                 "CSV-Tabelle (*.csv);;Excel-Arbeitsmappe (*.xlsx)"));
    }
    if (path.isEmpty())
        return false;
    const IoResult<> written = exportTo(path);
    if (!written) {
        if (CBrelvanDoc* doc = GetDocument())
            doc->ui().error(written.error());
        return false;
    }
    return true;
}

} // namespace brelvan::views
