#include "views/CFehlerkarte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintDevice>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include "document/CBrelvanDoc.h"
#include "engine/FitObjective.h"
#include "views/MisfitMapPainter.h"

namespace brelvan::views {

std::function<QString(QWidget*)> CFehlerkarte::s_chooseExportFile;

namespace {

constexpr int kPairs[3][2] = {
    {fit::kOgip, fit::kWip}, {fit::kOgip, fit::kJWert}, {fit::kWip, fit::kJWert}};

} // namespace

CFehlerkarte::CFehlerkarte(QWidget* parent) : CScrollViewBase(parent) {
    setObjectName(QStringLiteral("CFehlerkarte"));
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("FehlerkartePanel"));
    auto* rows = new QVBoxLayout(m_panel);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(4);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(new QLabel(QStringLiteral("Achsen:"), m_panel));
    m_pairBox = new QComboBox(m_panel);
    m_pairBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pairBox->addItems({QStringLiteral("OGIP – WIP"), QStringLiteral("OGIP – J-Wert"),
                         QStringLiteral("WIP – J-Wert")});
    row->addWidget(m_pairBox);
    row->addWidget(new QLabel(QStringLiteral("Punkte je Achse:"), m_panel));
    m_pointsBox = new QSpinBox(m_panel);
    m_pointsBox->setRange(5, 201);
    m_pointsBox->setValue(m_points);
    row->addWidget(m_pointsBox);
    row->addWidget(new QLabel(QStringLiteral("dritter Parameter:"), m_panel));
    m_thirdBox = new QComboBox(m_panel);
    m_thirdBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_thirdBox->addItems({QStringLiteral("fest (Wert des Falls)"), QStringLiteral("optimiert")});
    row->addWidget(m_thirdBox);
    row->addStretch(1);
    row = new QHBoxLayout;
    rows->addLayout(row);
    m_compute = new QPushButton(QStringLiteral("Berechnen"), m_panel);
    row->addWidget(m_compute);
    m_bar = new QProgressBar(m_panel);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(160);
    row->addWidget(m_bar);
    m_cancelButton = new QPushButton(QStringLiteral("Abbrechen"), m_panel);
    m_cancelButton->setEnabled(false);
    row->addWidget(m_cancelButton);
    m_export = new QPushButton(QStringLiteral("Exportieren …"), m_panel);
    m_export->setEnabled(false);
    row->addWidget(m_export);
    row->addStretch(1);

    connect(m_pairBox, &QComboBox::currentIndexChanged, this, [this](int i) { m_pair = i; });
    connect(m_pointsBox, &QSpinBox::valueChanged, this, [this](int n) { m_points = n; });
    connect(m_thirdBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_optimiseThird = i == 1; });
    connect(m_compute, &QPushButton::clicked, this, &CFehlerkarte::OnBerechnen);
    connect(m_cancelButton, &QPushButton::clicked, this, &CFehlerkarte::OnAbbrechen);
    connect(m_export, &QPushButton::clicked, this, [this] { OnExport(); });
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &CFehlerkarte::poll);
    layoutPanel();
}

CFehlerkarte::~CFehlerkarte() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void CFehlerkarte::OnInitialUpdate() {
    // The map fills the window; nothing to scroll.
    SetScrollSizes(QSize(1, 1), QSize(1, 1), QSize(1, 1));
}

void CFehlerkarte::OnUpdate() {
    if (m_state == State::Rechnet)
        m_changedWhileRunning = true;
    if (m_state == State::Fertig)
        setState(State::Veraltet);
    CScrollViewBase::OnUpdate();
}

void CFehlerkarte::setPair(int pair) {
    m_pairBox->setCurrentIndex(std::clamp(pair, 0, 2));
}

void CFehlerkarte::setPoints(int points) {
    m_pointsBox->setValue(points);
}

void CFehlerkarte::setOptimiseThird(bool on) {
    m_thirdBox->setCurrentIndex(on ? 1 : 0);
}

fit::MapOptions CFehlerkarte::currentOptions(const engine::RunInputs& in, double ogip, double wip,
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
    o.loA = o.bounds.lo[o.axisA];
    o.hiA = o.bounds.hi[o.axisA];
    o.loB = o.bounds.lo[o.axisB];
    o.hiB = o.bounds.hi[o.axisB];
    return o;
}

void CFehlerkarte::OnBerechnen() {
    if (m_worker.joinable()) {
        m_cancel = true;
        m_worker.join();
    }
    engine::RunInputs in;
    if (m_inputs)
        in = m_inputs();
    else if (const CBrelvanDoc* doc = GetDocument())
        in = doc->runInputs();
    m_fieldName = in.fieldName;
    const fit::MapOptions options = currentOptions(in, in.ogip, in.wip, in.jValue);
    m_cancel = false;
    m_done = false;
    m_progress = 0;
    m_changedWhileRunning = false;
    setState(State::Rechnet);
    m_worker = std::thread([this, in, options] {
        parallel::Control control;
        control.cancel = &m_cancel;
        control.progress = [this](int done, int total) { m_progress = 100 * done / total; };
        m_pending = fit::misfitMap(fit::caseObjective(in), options, control);
        m_done = true;
    });
    m_timer.start();
}

void CFehlerkarte::OnAbbrechen() {
    m_cancel = true;
}

void CFehlerkarte::poll() {
    m_bar->setValue(m_progress.load());
    if (!m_done)
        return;
    m_timer.stop();
    m_worker.join();
    if (m_pending.cancelled) {
        setState(State::Abgebrochen);
    } else {
        m_map = std::move(m_pending);
        setState(m_changedWhileRunning ? State::Veraltet : State::Fertig);
    }
    m_pending = {};
}

void CFehlerkarte::waitForMap() {
    while (m_state == State::Rechnet) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

void CFehlerkarte::setState(State s) {
    m_state = s;
    const bool running = s == State::Rechnet;
    m_compute->setEnabled(!running);
    m_cancelButton->setEnabled(running);
    m_pairBox->setEnabled(!running);
    m_pointsBox->setEnabled(!running);
    m_thirdBox->setEnabled(!running);
    m_export->setEnabled(!running && !m_map.cells.empty());
    if (!running)
        m_bar->setValue(s == State::Fertig || s == State::Veraltet ? 100 : 0);
    viewport()->update();
    emit stateChanged();
}

QString CFehlerkarte::statusText() const {
    switch (m_state) {
    case State::Leer:
        return QStringLiteral("Noch keine Fehlerkarte berechnet: Achsen und Punkte wählen, dann "
                              "„Berechnen“.");
    case State::Rechnet:
        return QStringLiteral("Die Fehlerkarte wird berechnet …");
    case State::Abgebrochen:
        return QStringLiteral("Die Berechnung wurde abgebrochen.");
    case State::Veraltet:
        return QStringLiteral("Der Fall wurde geändert; die Karte zeigt die früheren Werte. "
                              "„Berechnen“ rechnet sie neu.");
    case State::Fertig:
        break;
    }
    return {};
}

void CFehlerkarte::OnDraw(QPainter& painter, QPointF) {
    const QRectF area(viewport()->rect());
    painter.fillRect(area, Qt::white);
    QRectF mapArea = area;
    const QString status = statusText();
    if (!status.isEmpty()) {
        painter.setPen(Qt::darkRed);
        painter.drawText(QRectF(area.left() + 8, area.top() + 4, area.width() - 16, 20),
                         Qt::AlignLeft | Qt::AlignVCenter, status);
        mapArea.setTop(area.top() + 26);
    }
    paintMisfitMap(painter, mapArea, m_map, QString::fromStdString(m_fieldName));
}

void CFehlerkarte::OnPrint(QPainter& painter, int, const QRect& drawRect, int& maxPage) {
    maxPage = 1;
    const QPaintDevice* device = painter.device();
    const double dx = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 600;
    const double dy = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 600;
    const QRectF page(0, 0, drawRect.width() * dx / 254.0,
                      std::abs(drawRect.height()) * dy / 254.0);
    paintMisfitMap(painter, page, m_map, QString::fromStdString(m_fieldName));
}

void CFehlerkarte::resizeEvent(QResizeEvent* event) {
    CScrollViewBase::resizeEvent(event);
    layoutPanel();
}

void CFehlerkarte::layoutPanel() {
    const int h = m_panel->sizeHint().height();
    setViewportMargins(0, h, 0, 0);
    m_panel->setGeometry(0, 0, width(), h);
}

IoResult<> CFehlerkarte::exportTo(const QString& path) const {
    return exportMisfitMapFile(m_map, m_fieldName, path.toStdString());
}

bool CFehlerkarte::OnExport() {
    if (m_map.cells.empty())
        return false;
    QString path;
    if (s_chooseExportFile) {
        path = s_chooseExportFile(this);
    } else {
        path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Fehlerkarte exportieren"), QStringLiteral("fehlerkarte.png"),
            QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf);;"
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
