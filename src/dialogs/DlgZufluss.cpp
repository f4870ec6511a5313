#include "dialogs/DlgZufluss.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "document/PressureHistory.h"
#include "engine/WaterZoneModels.h"
#include "support/FileIo.h"
#include "support/Numbers.h"
#include "support/TextFormat.h"

namespace wz = brelvan::waterzone;

InfluxChart::InfluxChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 200);
}

void InfluxChart::setData(std::vector<double> days, std::vector<double> we) {
    m_days = std::move(days);
    m_we = std::move(we);
    update();
}

void InfluxChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRectF area = QRectF(rect()).adjusted(50, 10, -10, -30);
    painter.setPen(palette().text().color());
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), area.bottom() + 5, area.width(), 20), Qt::AlignHCenter,
                     tr("Zeit in Tagen"));
    painter.save();
    painter.translate(12, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-60, -10, 120, 20), Qt::AlignCenter, tr("WE (Mio m3)"));
    painter.restore();
    if (m_days.size() < 2)
        return;
    const double xMax = std::max(m_days.back(), 1e-12);
    const double yMax = std::max(*std::max_element(m_we.begin(), m_we.end()), 1e-12);
    const double yMin = std::min(*std::min_element(m_we.begin(), m_we.end()), 0.0);
    painter.drawText(QRectF(0, area.top() - 5, 48, 14), Qt::AlignRight,
                     QString::number(yMax, 'g', 4));
    painter.drawText(QRectF(area.right() - 80, area.bottom() + 5, 80, 14), Qt::AlignRight,
                     QString::number(xMax, 'f', 0));
    QPainterPath path;
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        const QPointF pt(area.left() + area.width() * m_days[i] / xMax,
                         area.bottom() - area.height() * (m_we[i] - yMin) / (yMax - yMin));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 1.5));
    painter.drawPath(path);
}

namespace {

struct FieldSpec {
    const char* name;
    const char* label;
};
constexpr FieldSpec kFields[] = {
    {"k", QT_TRANSLATE_NOOP("DlgZufluss", "Permeabilität (mD)")},
    {"h", QT_TRANSLATE_NOOP("DlgZufluss", "Mächtigkeit (m)")},
    {"mu", QT_TRANSLATE_NOOP("DlgZufluss", "Wasserviskosität (cp)")},
    {"phi", QT_TRANSLATE_NOOP("DlgZufluss", "Porosität (-)")},
    {"kompress", QT_TRANSLATE_NOOP("DlgZufluss", "Kompressibilität (1E-5/bar)")},
    {"winkel", QT_TRANSLATE_NOOP("DlgZufluss", "Winkel (Grad, 0 linear)")},
    {"rw", QT_TRANSLATE_NOOP("DlgZufluss", "Radius bis GWC (m)")},
    {"re", QT_TRANSLATE_NOOP("DlgZufluss", "Radius bis Brelvanende (m, leer: unendlich)")},
    {"tiefe", QT_TRANSLATE_NOOP("DlgZufluss", "Tiefe des Brelvans (m)")},
    {"breite", QT_TRANSLATE_NOOP("DlgZufluss", "Breite des Brelvans (m)")},
};

// "unendlich" (or the word of the current language) in the outer radius: an infinite water zone.
bool isInfinite(const QString& text) {
    const QString t = text.trimmed();
    return t.compare(QStringLiteral("unendlich"), Qt::CaseInsensitive) == 0 ||
           t.compare(DlgZufluss::tr("unendlich"), Qt::CaseInsensitive) == 0;
}

// A field's number, with a decimal comma allowed; an empty field is 0.
std::optional<double> numberOf(const QLineEdit* edit) {
    std::string text = edit->text().trimmed().toStdString();
    if (text.empty())
        return 0.0;
    std::replace(text.begin(), text.end(), ',', '.');
    return brelvan::parseDouble(text);
}

} // namespace

DlgZufluss::DlgZufluss(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Zuflussrechner"));
    auto* form = new QFormLayout;
    m_model = new QComboBox(this);
    for (int m = 0; m < wz::kModelCount; ++m)
        m_model->addItem(QString::fromUtf8(wz::modelName(static_cast<wz::Model>(m))));
    m_model->setCurrentIndex(static_cast<int>(wz::Model::VanEverdingenHurst));
    form->addRow(tr("Zuflussmodell"), m_model);
    for (const FieldSpec& f : kFields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(f.name));
        form->addRow(tr(f.label), edit);
        m_fields.emplace_back(f.name, edit);
    }
    m_history = new QPlainTextEdit(this);
    m_history->setPlaceholderText(
        tr("Tage Druck (bar) je Zeile, die erste Zeile Tag 0 mit dem Anfangsdruck"));
    auto* open = new QPushButton(tr("Druckverlauf öffnen …"), this);
    auto* run = new QPushButton(tr("Rechnen"), this);
    auto* close = new QPushButton(tr("Schließen"), this);
    connect(open, &QPushButton::clicked, this, [this] { openFile(); });
    connect(run, &QPushButton::clicked, this, [this] { compute(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_table = new QTableWidget(0, 2, this);
    m_table->setHorizontalHeaderLabels({tr("Tage"), tr("WE (Mio m3)")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chart = new InfluxChart(this);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(new QLabel(tr("Druckverlauf am GWC"), this));
    left->addWidget(m_history);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(run);
    buttons->addWidget(close);
    left->addLayout(buttons);
    left->addWidget(m_status);
    auto* right = new QVBoxLayout;
    right->addWidget(m_table, 1);
    right->addWidget(m_chart, 1);
    auto* all = new QHBoxLayout(this);
    all->addLayout(left);
    all->addLayout(right, 1);
}

QLineEdit* DlgZufluss::field(const std::string& name) const {
    for (const auto& [n, edit] : m_fields)
        if (n == name)
            return edit;
    return nullptr;
}

void DlgZufluss::openFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Druckverlauf öffnen"));
    if (path.isEmpty())
        return;
    const brelvan::IoResult<std::string> bytes =
        brelvan::readFileBounded(path.toStdString(), std::size_t{16} << 20);
    if (!bytes) {
        m_status->setText(QString::fromStdString(
            brelvan::cformat(tr("Die Datei „%s“ kann nicht gelesen werden: %s.").toStdString(),
                             path.toStdString(), bytes.error())));
        return;
    }
    m_history->setPlainText(
        QString::fromUtf8(bytes.value().data(), static_cast<qsizetype>(bytes.value().size())));
}

bool DlgZufluss::compute() {
    auto fail = [this](const std::string& text) {
        m_status->setText(QString::fromStdString(text));
        m_table->setRowCount(0);
        m_chart->setData({}, {});
        return false;
    };
    std::vector<double> values;
    for (const auto& [name, edit] : m_fields) {
        if (name == "re" && isInfinite(edit->text())) {
            values.push_back(0);
            continue;
        }
        const std::optional<double> v = numberOf(edit);
        if (!v)
            return fail(brelvan::cformat(tr("„%s“ ist keine gültige Zahl.").toStdString(),
                                         edit->text().toStdString()));
        values.push_back(*v);
    }
    wz::Rock rock;
    rock.k = values[0];
    rock.h = values[1];
    rock.mu = values[2];
    rock.phi = values[3];
    const double compress = values[4];
    rock.angle = values[5];
    rock.rw = values[6];
    rock.re = values[7];
    rock.depth = values[8];
    rock.width = values[9];
    if (!(rock.angle >= 0 && rock.angle <= 360))
        return fail(tr("Der Winkel muss zwischen 0 und 360 liegen.").toStdString());
    brelvan::PressureHistory history;
    std::string error;
    if (!brelvan::parsePressureHistory(m_history->toPlainText().toStdString(), history, error))
        return fail(error);
    const wz::Model m = static_cast<wz::Model>(std::max(0, m_model->currentIndex()));
    const wz::ZoneSetup setup = wz::zoneFromRock(m, rock, compress, history.pressures[0]);
    if (setup.missing != wz::Missing::None)
        return fail(wz::missingMessage(m, setup.missing));
    const std::vector<double> we = wz::influxHistory(setup.zone, history.days, history.pressures);
    m_table->setRowCount(static_cast<int>(we.size()));
    for (std::size_t i = 0; i < we.size(); ++i) {
        const int row = static_cast<int>(i);
        m_table->setItem(row, 0,
                         new QTableWidgetItem(
                             QString::fromStdString(brelvan::cformat("%.1f", history.days[i]))));
        m_table->setItem(
            row, 1, new QTableWidgetItem(QString::fromStdString(brelvan::cformat("%.6f", we[i]))));
    }
    m_chart->setData(history.days, we);
    m_status->setText(QString::fromStdString(
        brelvan::cformat(tr("%d Zeitpunkte, WE am Ende %.6f Mio m3").toStdString(),
                         static_cast<int>(we.size()), we.back())));
    return true;
}
