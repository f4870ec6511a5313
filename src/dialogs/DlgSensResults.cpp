#include "dialogs/DlgSensResults.h"

#include <QListWidget>
#include <QPushButton>

#include "document/DlgSensitivityData.h"

DlgSensResults::DlgSensResults(brelvan::UserInterface& ui, QWidget* parent)
    : BrelvanDialog(ui, parent) {
    setWindowTitle(QStringLiteral("Ergebnisse der Sensitivitätsberechnung"));
    setClientSize(186, 141);

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 40, 5, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { endWithOk(); });
    QPushButton* cancel = addButton(kIdCancel, QStringLiteral("Abbrechen"), 95, 5, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    addLabel(QStringLiteral("Fehler           OGIP            WIP           J-Wert"), 20, 30, 164);
    addLabel(QStringLiteral("(Bar)           (Mio m3)      (Mio m3)    (m3/d  Bar)"), 20, 40, 160);
    m_ListErgebnisse = new QListWidget(this);
    m_ListErgebnisse->setGeometry(unitRect(15, 50, 155, 80));
    m_ListErgebnisse->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ListErgebnisse->setSortingEnabled(false);
    registerControl(kIdErgebnisse, m_ListErgebnisse);
}

void DlgSensResults::initDialog() {
    makeEntriesTaller(m_ListErgebnisse, 2);
    // By ascending error, compared as numbers; cases without an error value last.
    m_ListErgebnisse->clear();
    QStringList lines;
    for (const std::string& line : sortSensResults(m_Ergebnisse)) {
        lines.push_back(QString::fromStdString(line));
    }
    m_ListErgebnisse->addItems(lines);
    fitListLines(m_ListErgebnisse, lines);
    m_ListErgebnisse->setFocus(Qt::OtherFocusReason);
}
