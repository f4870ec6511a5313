#include "dialogs/DlgCsvImport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "support/Language.h"

namespace {

constexpr int kAuto = -2;
constexpr int kNone = -1;

QTableWidget* makeTable(const QStringList& headings, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    t->setHorizontalHeaderLabels(headings);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setCell(QTableWidget* t, int row, int col, const QString& text, bool right = false) {
    auto* item = new QTableWidgetItem(text);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(row, col, item);
}

// A number as the user's language writes it (German: decimal comma).
QString number(double v, int decimals) {
    const bool english = brelvan::currentLanguage() == brelvan::Language::English;
    return QLocale(english ? QLocale::English : QLocale::German).toString(v, 'f', decimals);
}

} // namespace

DlgCsvImport::DlgCsvImport(const QString& path, std::string bytes, float beginn, QWidget* parent)
    : QDialog(parent), m_bytes(std::move(bytes)), m_beginn(beginn) {
    setWindowTitle(tr("CSV-Datei importieren"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Datei: %1").arg(QFileInfo(path).fileName()), this));

    auto* settings = new QGroupBox(tr("Aufbau der Datei"), this);
    auto* form = new QFormLayout;
    auto* row1 = new QHBoxLayout;
    m_separator = new QComboBox(settings);
    m_separator->addItem(tr("Automatisch"), 0);
    m_separator->addItem(tr("Semikolon ;"), int(';'));
    m_separator->addItem(tr("Komma ,"), int(','));
    m_separator->addItem(tr("Tabulator"), int('\t'));
    m_decimal = new QComboBox(settings);
    m_decimal->addItem(tr("Automatisch"), 0);
    m_decimal->addItem(tr("Komma"), int(','));
    m_decimal->addItem(tr("Punkt"), int('.'));
    m_dateOrder = new QComboBox(settings);
    m_dateOrder->addItem(tr("Automatisch"), static_cast<int>(brelvan::csv::DateOrder::Automatic));
    m_dateOrder->addItem(tr("Tag zuerst (TT/MM/JJJJ)"),
                         static_cast<int>(brelvan::csv::DateOrder::DayMonthYear));
    m_dateOrder->addItem(tr("Monat zuerst (MM/TT/JJJJ)"),
                         static_cast<int>(brelvan::csv::DateOrder::MonthDayYear));
    m_dateOrder->addItem(tr("Jahr zuerst (JJJJ/MM/TT)"),
                         static_cast<int>(brelvan::csv::DateOrder::YearMonthDay));
    m_header = new QComboBox(settings);
    m_header->addItem(tr("Automatisch"), -1);
    m_header->addItem(tr("keine"), 0);
    for (int line = 1; line <= 10; ++line)
        m_header->addItem(tr("Zeile %1").arg(line), line);
    row1->addWidget(new QLabel(tr("Trennzeichen:"), settings));
    row1->addWidget(m_separator);
    row1->addWidget(new QLabel(tr("Dezimalzeichen:"), settings));
    row1->addWidget(m_decimal);
    row1->addWidget(new QLabel(tr("Datumsfolge:"), settings));
    row1->addWidget(m_dateOrder);
    row1->addWidget(new QLabel(tr("Überschrift:"), settings));
    row1->addWidget(m_header);
    row1->addStretch();
    form->addRow(row1);
    auto* row2 = new QHBoxLayout;
    const QString names[3] = {tr("Datum:"), tr("Gp (Mio m3):"), tr("Druck (bar):")};
    for (int i = 0; i < 3; ++i) {
        m_columns[i] = new QComboBox(settings);
        m_columns[i]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        row2->addWidget(new QLabel(names[i], settings));
        row2->addWidget(m_columns[i]);
    }
    row2->addStretch();
    form->addRow(row2);
    settings->setLayout(form);
    layout->addWidget(settings);

    layout->addWidget(new QLabel(tr("Zeilen, die in die Liste kommen:"), this));
    m_rows = makeTable(
        {tr("Zeile"), tr("Datum"), tr("Gp (Mio m3)"), tr("Druck (bar)"), tr("Listenzeile")}, this);
    m_rows->setMinimumHeight(180);
    layout->addWidget(m_rows, 3);
    layout->addWidget(new QLabel(tr("Übersprungene Zeilen:"), this));
    m_skipped = makeTable({tr("Zeile"), tr("Grund"), tr("Inhalt")}, this);
    layout->addWidget(m_skipped, 2);

    m_summary = new QLabel(this);
    layout->addWidget(m_summary);
    auto* mode = new QHBoxLayout;
    m_replace = new QRadioButton(tr("Liste ersetzen"), this);
    m_append = new QRadioButton(tr("An die Liste anhängen"), this);
    m_replace->setChecked(true);
    mode->addWidget(m_replace);
    mode->addWidget(m_append);
    mode->addStretch();
    layout->addLayout(mode);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("Übernehmen"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (QComboBox* box :
         {m_separator, m_decimal, m_dateOrder, m_header, m_columns[0], m_columns[1], m_columns[2]})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                reread();
        });
    resize(820, 620);
    reread();
}

brelvan::csv::Options DlgCsvImport::options() const {
    brelvan::csv::Options o;
    o.separator = static_cast<char>(m_separator->currentData().toInt());
    o.decimal = static_cast<char>(m_decimal->currentData().toInt());
    o.dateOrder = static_cast<brelvan::csv::DateOrder>(m_dateOrder->currentData().toInt());
    o.headerLine = m_header->currentData().toInt();
    int* targets[3] = {&o.columnDate, &o.columnGp, &o.columnPressure};
    for (int i = 0; i < 3; ++i)
        *targets[i] = m_columns[i]->count() ? m_columns[i]->currentData().toInt() : kAuto;
    o.beginn = m_beginn;
    return o;
}

void DlgCsvImport::reread() {
    brelvan::csv::Options o = options();
    // Another separator or heading row makes other columns: the columns are found afresh.
    const brelvan::csv::Result before = m_result;
    const bool columnsAfresh = before.columnCount == 0 ||
                               (o.separator && o.separator != before.separator) ||
                               (o.headerLine >= 0 && o.headerLine != before.headerLine);
    if (columnsAfresh) {
        o.columnDate = o.columnGp = o.columnPressure = kAuto;
    }
    m_result = brelvan::csv::read(m_bytes, o);
    fillColumnBoxes(columnsAfresh);
    showFound();
    showResult();
}

void DlgCsvImport::showFound() {
    m_filling = true;
    const brelvan::csv::Result& r = m_result;
    const QString separator = r.separator == '\t'  ? tr("Tabulator")
                              : r.separator == ',' ? tr("Komma ,")
                                                   : tr("Semikolon ;");
    m_separator->setItemText(0, tr("Automatisch (%1)").arg(separator));
    const bool decimalOpen = r.undecided == brelvan::csv::Undecided::Decimal;
    m_decimal->setItemText(
        0,
        decimalOpen
            ? tr("Automatisch (unklar)")
            : tr("Automatisch (%1)").arg(QString::fromUtf8(brelvan::csv::decimalName(r.decimal))));
    const bool dateOpen = r.undecided == brelvan::csv::Undecided::DateOrder;
    m_dateOrder->setItemText(
        0, dateOpen ? tr("Automatisch (unklar)")
                    : tr("Automatisch (%1)")
                          .arg(QString::fromUtf8(brelvan::csv::dateOrderName(r.dateOrder))));
    m_header->setItemText(0, r.headerLine > 0 ? tr("Automatisch (Zeile %1)").arg(r.headerLine)
                                              : tr("Automatisch (keine)"));
    m_filling = false;
}

void DlgCsvImport::fillColumnBoxes(bool afresh) {
    m_filling = true;
    const int found[3] = {m_result.columnDate, m_result.columnGp, m_result.columnPressure};
    for (int i = 0; i < 3; ++i) {
        QComboBox* box = m_columns[i];
        const int chosen = box->count() && !afresh ? box->currentData().toInt() : kAuto;
        box->clear();
        const QString foundName =
            found[i] >= 0 && found[i] < static_cast<int>(m_result.columnNames.size())
                ? QString::fromStdString(m_result.columnNames[static_cast<std::size_t>(found[i])])
                : tr("keine");
        box->addItem(tr("Automatisch (%1)").arg(foundName), kAuto);
        if (i == 2)
            box->addItem(tr("keine"), kNone);
        for (int c = 0; c < m_result.columnCount; ++c)
            box->addItem(QString::fromStdString(m_result.columnNames[static_cast<std::size_t>(c)]),
                         c);
        const int at = box->findData(chosen);
        box->setCurrentIndex(at < 0 ? 0 : at);
    }
    m_filling = false;
}

void DlgCsvImport::showResult() {
    m_rows->setRowCount(static_cast<int>(m_result.rows.size()));
    int r = 0;
    for (const brelvan::csv::Row& row : m_result.rows) {
        setCell(m_rows, r, 0, QString::number(row.lineNumber), true);
        setCell(m_rows, r, 1, QStringLiteral("%1.%2.%3").arg(row.day).arg(row.month).arg(row.year),
                true);
        setCell(m_rows, r, 2, number(row.gp, 3), true);
        setCell(m_rows, r, 3, row.pressure ? number(*row.pressure, 1) : QString(), true);
        setCell(m_rows, r, 4, QString::fromStdString(row.listLine));
        m_rows->item(r, 4)->setFont(QFont(QStringLiteral("Courier New")));
        ++r;
    }
    m_rows->resizeColumnsToContents();
    m_skipped->setRowCount(static_cast<int>(m_result.skipped.size()));
    r = 0;
    for (const brelvan::csv::Skipped& s : m_result.skipped) {
        setCell(m_skipped, r, 0, QString::number(s.lineNumber), true);
        setCell(m_skipped, r, 1, QString::fromStdString(s.reason));
        setCell(m_skipped, r, 2, QString::fromStdString(s.text));
        ++r;
    }
    m_skipped->resizeColumnsToContents();
    if (m_result.undecided == brelvan::csv::Undecided::Decimal)
        m_summary->setText(QString::fromStdString(m_result.error) +
                           tr(" Bitte das Dezimalzeichen wählen."));
    else if (m_result.undecided == brelvan::csv::Undecided::DateOrder)
        m_summary->setText(QString::fromStdString(m_result.error) +
                           tr(" Bitte die Datumsfolge wählen."));
    else if (!m_result.error.empty())
        m_summary->setText(QString::fromStdString(m_result.error));
    else
        m_summary->setText(tr("%1 Zeilen werden übernommen, %2 Zeilen übersprungen.")
                               .arg(m_result.rows.size())
                               .arg(m_result.skipped.size()));
    m_ok->setEnabled(m_result.error.empty() && !m_result.rows.empty());
}

std::vector<std::string> DlgCsvImport::lines() const {
    std::vector<std::string> out;
    for (const brelvan::csv::Row& row : m_result.rows)
        out.push_back(row.listLine);
    return out;
}

bool DlgCsvImport::append() const {
    return m_append->isChecked();
}
