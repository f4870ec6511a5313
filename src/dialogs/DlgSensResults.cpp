#include "dialogs/DlgSensResults.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "document/DlgSensitivityData.h"

namespace {

// Column widths in characters: the error, then OGIP, WIP and J value.
constexpr int kErrorWidth = 10;
constexpr int kValueWidth = 15;

QString columns(const QStringList& cells) {
    QString line = cells.value(0).rightJustified(kErrorWidth);
    for (int i = 1; i < cells.size(); ++i) {
        line += cells[i].rightJustified(kValueWidth);
    }
    return line;
}

} // namespace

QString DlgSensResults::alignedLine(const std::string& line) {
    QStringList cells = QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // A case without an error value says so in words ("kein Wert", or its translation) where
    // the error stands: the words are one cell.
    auto isNumber = [](const QString& cell) {
        bool ok = false;
        cell.toDouble(&ok);
        return ok;
    };
    while (cells.size() > 4 && !isNumber(cells[0])) {
        cells[0] += QLatin1Char(' ') + cells[1];
        cells.removeAt(1);
    }
    if (cells.size() != 4) {
        return QString::fromStdString(line); // not a result line: as it is
    }
    return columns(cells);
}

QString DlgSensResults::heading() {
    return columns({tr("Fehler"), QStringLiteral("OGIP"), QStringLiteral("WIP"), tr("J-Wert")}) +
           QLatin1Char('\n') +
           columns({tr("(Bar)"), tr("(Mio m3)"), tr("(Mio m3)"), tr("(m3/d  Bar)")});
}

DlgSensResults::DlgSensResults(brelvan::UserInterface& ui, QWidget* parent)
    : BrelvanDialog(ui, parent) {
    setWindowTitle(tr("Ergebnisse der Sensitivitätsberechnung"));

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 40, 5, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { endWithOk(); });
    QPushButton* cancel = addButton(kIdCancel, tr("Abbrechen"), 95, 5, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // A fixed-pitch font, so that the columns stand under their headings.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_heading = new QLabel(heading(), this);
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setFont(fixed);
    // On a screen too narrow for the columns the window may still shrink to fit it.
    m_heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_ListErgebnisse = new QListWidget(this);
    m_ListErgebnisse->setFont(fixed);
    m_ListErgebnisse->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ListErgebnisse->setSortingEnabled(false);
    registerControl(kIdErgebnisse, m_ListErgebnisse);

    // The heading starts where the entries' text starts: after the list's frame and the
    // margin of an entry's text.
    const int textMargin = m_ListErgebnisse->frameWidth() +
                           m_ListErgebnisse->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                  nullptr, m_ListErgebnisse) +
                           1;
    m_heading->setContentsMargins(textMargin, 0, 0, 0);

    // Resizable: the list takes what the window gains.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_heading);
    layout->addWidget(m_ListErgebnisse, 1);
    setSizeGripEnabled(true);
}

void DlgSensResults::initDialog() {
    // By ascending error, compared as numbers; cases without an error value last.
    m_ListErgebnisse->clear();
    QStringList lines;
    for (const std::string& line : sortSensResults(m_Ergebnisse)) {
        lines.push_back(alignedLine(line));
    }
    m_ListErgebnisse->addItems(lines);

    // Wide enough for the columns, tall enough for the whole grid, as far as the screen
    // allows.
    const QFontMetrics metrics(m_ListErgebnisse->font());
    int textWidth = metrics.horizontalAdvance(heading().section(QLatin1Char('\n'), 0, 0));
    for (const QString& line : lines) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    }
    const int rowHeight = std::max(1, m_ListErgebnisse->sizeHintForRow(0));
    const int rows = std::clamp(static_cast<int>(lines.size()), 8, 65);
    const int margins = 2 * layout()->contentsMargins().left() + 2 * m_ListErgebnisse->frameWidth();
    QSize wanted(textWidth + margins + m_ListErgebnisse->verticalScrollBar()->sizeHint().width() +
                     16,
                 rows * rowHeight + m_heading->sizeHint().height() + unitsToPixelsY(14) +
                     4 * layout()->spacing() + 2 * layout()->contentsMargins().top() +
                     2 * m_ListErgebnisse->frameWidth());
    if (const QScreen* s = screen()) {
        wanted = wanted.boundedTo(s->availableGeometry().size() - QSize(16, 48));
    }
    resize(wanted.expandedTo(minimumSizeHint()));
    m_ListErgebnisse->setFocus(Qt::OtherFocusReason);
}
