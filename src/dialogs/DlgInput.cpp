#include "dialogs/DlgInput.h"

#include <QComboBox>

#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/DlgCsvImport.h"
#include "dialogs/DlgJWert.h"
#include "dialogs/DlgSensitivity.h"
#include "dialogs/FitDialog.h"
#include "document/CsvImport.h"
#include "document/FitCase.h"
#include "document/WaterZoneCase.h"
#include "engine/DayNumber.h"
#include "engine/FitObjective.h"

namespace {

// The controls of the reservoir data, top to bottom, with their labels.
struct ReservoirField {
    int id;
    const char* label;
    double DlgInputData::*member;
};

constexpr ReservoirField kReservoir[] = {
    {DlgInputData::kIdTemperatur,
     QT_TRANSLATE_NOOP("DlgInput", "LAGERSTÄTTENTEMPERATUR         (Grad C )"),
     &DlgInputData::m_dTemperatur},
    {DlgInputData::kIdOGIP,
     QT_TRANSLATE_NOOP("DlgInput", "ORIGINAL-GAS-IN-PLACE                     (Mio m3)"),
     &DlgInputData::m_dOGIP},
    {DlgInputData::kIdWIP,
     QT_TRANSLATE_NOOP("DlgInput", "ORIGINAL-WASSER-IN-PLACE             (Mio m3)        "),
     &DlgInputData::m_dWIP},
    {DlgInputData::kIdDruck,
     QT_TRANSLATE_NOOP("DlgInput", "INITIALER LAGERSTÄTTENDRUCK          (Bar)"),
     &DlgInputData::m_dDruck},
    {DlgInputData::kIdKompress,
     QT_TRANSLATE_NOOP("DlgInput", "KOMPRESSIBILITÄT Wasser+Gestein (E-5/Bar)"),
     &DlgInputData::m_dKompress},
    {DlgInputData::kIdJWertFeld,
     QT_TRANSLATE_NOOP("DlgInput", "J-WERT nach FETKOVITCH          (m3/Tag Bar)"),
     &DlgInputData::m_dJWert},
};

// The gas zone's own terms of the balance, in two rows under the rest, left to right.
constexpr ReservoirField kGasZone[] = {
    {DlgInputData::kIdKompressFormation,
     QT_TRANSLATE_NOOP("DlgInput", "KOMPRESSIBILITÄT Gestein   (E-5/Bar)"),
     &DlgInputData::m_dKompressFormation},
    {DlgInputData::kIdKompressWasser,
     QT_TRANSLATE_NOOP("DlgInput", "KOMPR. Haftwasser   (E-5/Bar)"),
     &DlgInputData::m_dKompressWasser},
    {DlgInputData::kIdSwi, QT_TRANSLATE_NOOP("DlgInput", "HAFTWASSERSÄTTIGUNG Swi   (-)"),
     &DlgInputData::m_dSwi},
    {DlgInputData::kIdBw, QT_TRANSLATE_NOOP("DlgInput", "Bw Förderwasser   (m3/m3)"),
     &DlgInputData::m_dBw},
};

// The component names in the case's order; component i has the control kIdGasFirst + i.
constexpr const char* kComponentNames[DlgInputData::kComponents] = {
    "H2S",    "CO2",    "N2",    "CH4",   "C2H6",  "C3H8",  "iC4H10", "nC4H10",
    "iC5H12", "nC5H12", "C6H14", "C7H16", "C8H18", "C9H20", "C10H22"};

// The range of an exchanged field; the rules live with the dialog's model.
DataExchangeQt::Range range(int id) {
    const DlgInputData::FieldRange r = DlgInputData::rangeOf(id);
    return DataExchangeQt::Range{r.min, r.max};
}

QString chooseTextFile(QWidget* parent) {
    QFileDialog dialog(parent);
    DlgInput::prepareFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

} // namespace

void DlgInput::prepareFileDialog(QFileDialog& dialog) {
    dialog.setWindowTitle(tr("Öffnen"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({tr("Textdateien (*.txt *.TXT)"), tr("Alle Dateien (*)")});
    // The name field starts with the pattern of measurement files.
    dialog.selectFile(QStringLiteral("*.TXT"));
}

std::function<QString(QWidget*)> DlgInput::s_chooseFile;

DlgInput::DlgInput(brelvan::UserInterface& ui, QWidget* parent) : BrelvanDialog(ui, parent) {
    setWindowTitle(tr("Dialogfeld zur Dateneingabe"));
    setClientSize(402, 380); // the last rows hold the water-zone model and the gas zone
    buildControls();
    buildExchange();
}

void DlgInput::buildControls() {
    // Created in the tab order: name, composition, reservoir data, production start, the
    // measurement block, the tool buttons, the chart's axis, OK and Abbrechen.
    addLabel(tr("Name des Gasfeldes"), 3, 8, 70);
    addEdit(kIdName, 75, 5, 170, 14);

    addLabel(tr("Gaszusammensetzung in Prozent"), 10, 27, 150);
    for (int i = 0; i < kComponents; ++i) {
        const bool first = i < 8;
        const int row = first ? i : i - 8;
        const int y = 40 + 15 * row;
        addLabel(QString::fromUtf8(kComponentNames[i]), first ? 10 : 110, y + 3, 28);
        QLineEdit* edit = addEdit(kIdGasFirst + i, first ? 40 : 140, y, 40, 14);
        onFocusLeave(edit, [this] { onKillfocusGas(); });
    }
    addLabel(tr("Summe"), 110, 148, 28);
    auto* summe = new QLabel(this);
    summe->setGeometry(unitRect(140, 145, 40, 14));
    summe->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    summe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    summe->setTextFormat(Qt::PlainText);
    registerControl(kIdSumme, summe);

    for (int i = 0; i < 6; ++i) {
        const int y = 165 + 15 * i;
        addLabel(tr(kReservoir[i].label), 10, y + 3, 155);
        addEdit(kReservoir[i].id, 170, y, 40, 14);
    }

    addLabel(tr("FÖRDERBEGINN"), 250, 38, 100);
    addLabel(tr("Tag"), 250, 50, 28);
    addLabel(tr("Monat"), 280, 50, 33);
    addLabel(tr("Jahr"), 315, 50, 35);
    for (const auto& [id, x, width] : {std::tuple{kIdTag, 250, 25}, std::tuple{kIdMonat, 280, 30},
                                       std::tuple{kIdJahr, 315, 35}}) {
        QLineEdit* edit = addEdit(id, x, 60, width, 14);
        onFocusLeave(edit, [this] { onKillfocusBeginn(); });
    }

    addLabel(tr("Schließdruckwerte eingeben"), 220, 82, 160);
    addLabel(tr("Tag.Monat.Jahr"), 225, 94, 55);
    addLabel(tr("Gp  (Mio m3)"), 285, 94, 48);
    addLabel(tr("Druck (Bar)"), 337, 94, 43);
    // The produced water, where a line has it, is a fourth number after the pressure.
    addLabel(QStringLiteral("Wp"), 382, 94, 16);
    m_list = new QListWidget(this);
    m_list->setGeometry(unitRect(220, 125, 160, 85));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setSortingEnabled(false);
    registerControl(kIdListe, m_list);
    m_list->installEventFilter(this);
    // A fixed-pitch font, so that the columns of the lines stand under each other.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF());
    m_list->setFont(fixed);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { onDblclkListe(item); });
    // The edit line follows the list in the tab order: a double click moves on to it.
    QLineEdit* zeile = addEdit(kIdZeile, 220, 105, 160, 14);
    onFocusLeave(zeile, [this] { onKillfocusZeile(); });
    connect(zeile, &QLineEdit::textEdited, this, [this] { m_lineTyped = true; });
    zeile->installEventFilter(this);
    auto* status = new QLabel(this);
    status->setGeometry(unitRect(220, 210, 160, 8));
    status->setTextFormat(Qt::PlainText);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    registerControl(kIdStatus, status);

    QGroupBox* options = addGroup(QString(), 220, 219, 80, 50);
    const QString optionTexts[] = {tr("Zeile ändern"), tr("Zeile anhängen"), tr("Zeile einfügen"),
                                   tr("Zeile löschen")};
    for (int i = 0; i < 4; ++i) {
        QRadioButton* radio =
            addRadio(options, kIdOptionFirst + i, optionTexts[i], 225, 225 + 10 * i, 72, 10);
        onClicked(radio, [this, i] { onOption(i); });
    }
    QPushButton* druckdatei = addButton(kIdDruckdatei, tr("Druckdatei öffnen"), 305, 220, 75, 14);
    onClicked(druckdatei, [this] { onFileOpen(); });
    QPushButton* csv = addButton(kIdCsvImport, tr("CSV importieren …"), 305, 295, 75, 14);
    onClicked(csv, [this] { onCsvImport(); });
    addLabel(tr("Zeile mit Doppelklick wählen"), 305, 240, 95);
    addLabel(tr("Option auswählen"), 305, 250, 95);
    addLabel(tr("Zeile editieren"), 305, 260, 95);

    QPushButton* jwert = addButton(kIdJWert, tr("JWERT berechnen"), 10, 255, 85, 14);
    onClicked(jwert, [this] { onJWert(); });
    QPushButton* sens = addButton(kIdSensitivitaet, tr("Sensitivität berechnen"), 10, 275, 85, 14);
    onClicked(sens, [this] { onSensitivitaet(); });
    QPushButton* fit = addButton(kIdAnpassung, tr("Anpassung …"), 10, 295, 85, 14);
    onClicked(fit, [this] { onFit(); });
    QGroupBox* axis = addGroup(tr("Grafiktyp auswählen"), 105, 258, 110, 35);
    addRadio(axis, kIdTage, tr("X-Achse Tage"), 110, 270, 100, 10);
    addRadio(axis, kIdKumProduktion, tr("X-Achse Kum.Produktion"), 110, 280, 100, 10);
    QGroupBox* scheme = addGroup(tr("Zuflussberechnung"), 220, 270, 178, 23);
    addRadio(scheme, kIdVerfahrenOriginal, tr("Original"), 225, 280, 60, 10);
    addRadio(scheme, kIdVerfahrenIntervall, tr("Intervallmittel (Fetkovich)"), 290, 280, 105, 10);

    addLabel(tr("Zuflussmodell"), 105, 318, 55);
    m_modell = new QComboBox(this);
    for (int m = 0; m < brelvan::waterzone::kModelCount; ++m)
        m_modell->addItem(QString::fromUtf8(
            brelvan::waterzone::modelName(static_cast<brelvan::waterzone::Model>(m))));
    m_modell->setGeometry(unitRect(160, 315, 110, 14));
    registerControl(kIdModell, m_modell);
    connect(m_modell, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_iModell = index;
    });
    addLabel(tr("GASZONE (Gestein, Haftwasser, Förderwasser)"), 10, 334, 250);
    for (int i = 0; i < 4; ++i) {
        const int x = i % 2 == 0 ? 10 : 215;
        const int y = 346 + 16 * (i / 2);
        addLabel(tr(kGasZone[i].label), x, y + 3, 140);
        addEdit(kGasZone[i].id, x + 143, y, 40, 14);
    }

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 270, 5, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { onButtonOK(); });
    QPushButton* cancel = addButton(kIdCancel, tr("Abbrechen"), 330, 5, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DlgInput::buildExchange() {
    auto edit = [this](int id) { return static_cast<QLineEdit*>(control(id)); };
    auto reservoir = [&](int id) {
        for (const ReservoirField& f : kReservoir) {
            if (f.id == id) {
                m_dx.addDouble(edit(id), &(this->*f.member), range(f.id));
            }
        }
    };
    reservoir(kIdKompress);
    m_dx.addText(edit(kIdName), &m_strFeldname);
    reservoir(kIdJWertFeld);
    reservoir(kIdOGIP);
    reservoir(kIdDruck);
    reservoir(kIdTemperatur);
    reservoir(kIdWIP);
    for (const ReservoirField& f : kGasZone) {
        m_dx.addDouble(edit(f.id), &(this->*f.member), range(f.id));
    }
    // nC5H12 to C10H22, then CO2 to iC5H12, then H2S.
    for (int i : {9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7, 8, 0}) {
        m_dx.addFloat(edit(kIdGasFirst + i), &gasField(i), range(kIdGasFirst + i));
    }
    m_dx.addStatic(static_cast<QLabel*>(control(kIdSumme)), &m_strSumme);
    m_dx.addInt(edit(kIdJahr), &m_iJahr, range(kIdJahr));
    m_dx.addInt(edit(kIdMonat), &m_iMonat, range(kIdMonat));
    m_dx.addInt(edit(kIdTag), &m_iTag, range(kIdTag));
    m_dx.addText(edit(kIdZeile), &m_strZeile);
    std::vector<QRadioButton*> options;
    for (int i = 0; i < 4; ++i) {
        options.push_back(static_cast<QRadioButton*>(control(kIdOptionFirst + i)));
    }
    m_dx.addRadioGroup(options, &m_iOption);
    m_dx.addStatic(static_cast<QLabel*>(control(kIdStatus)), &m_strStatus);
    m_dx.addRadioGroup({static_cast<QRadioButton*>(control(kIdTage)),
                        static_cast<QRadioButton*>(control(kIdKumProduktion))},
                       &m_iGrafiktyp);
    m_dx.addRadioGroup({static_cast<QRadioButton*>(control(kIdVerfahrenOriginal)),
                        static_cast<QRadioButton*>(control(kIdVerfahrenIntervall))},
                       &m_iVerfahren);
}

void DlgInput::initDialog() {
    DlgInputData::OnInitDialog(ui());
    makeEntriesTaller(m_list, 2);
    showFitTexts();
    fillAll();
    control(kIdName)->setFocus(Qt::OtherFocusReason);
}

void DlgInput::showList() {
    bool same = m_list->count() == static_cast<int>(m_ListDruck.size());
    for (int i = 0; same && i < m_list->count(); ++i) {
        same = m_list->item(i)->text().toStdString() == m_ListDruck[static_cast<std::size_t>(i)];
    }
    if (!same) {
        m_list->clear();
        QStringList lines;
        for (const std::string& line : m_ListDruck) {
            lines.push_back(QString::fromStdString(line));
        }
        m_list->addItems(lines);
        fitListLines(m_list, lines);
    }
    if (m_iListSelection >= 0 && m_iListSelection < m_list->count()) {
        m_list->setCurrentRow(m_iListSelection, QItemSelectionModel::ClearAndSelect);
    } else {
        m_list->clearSelection();
    }
}

void DlgInput::readSelection() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_iListSelection = selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void DlgInput::fillAll(const DataExchangeQt::Kept& kept) {
    m_dx.toControlsKeeping(kept);
    m_modell->setCurrentIndex(static_cast<int>(brelvan::modelOf(m_iModell)));
    showList();
}

void DlgInput::onKillfocusGas() {
    if (!takeFields()) {
        return;
    }
    readSelection();
    DlgInputData::OnKillfocusGas();
    fillAll();
}

void DlgInput::onKillfocusBeginn() {
    if (!takeFields()) {
        return;
    }
    readSelection();
    DlgInputData::OnKillfocusBeginn(ui());
}

void DlgInput::onKillfocusZeile() {
    // A line the user has neither typed nor chosen is no request (tabbing through the empty
    // edit line, clicking OK from it).
    if (!lineRequested()) {
        return;
    }
    if (!takeFields()) {
        return;
    }
    readSelection();
    if (DlgInputData::OnKillfocusZeile(ui())) {
        m_lineTyped = false;
        m_lineChosen = false;
    }
    fillAll();
}

bool DlgInput::lineRequested() const {
    const auto* remove = qobject_cast<const QRadioButton*>(control(kIdOptionFirst + 3));
    return m_lineTyped || (m_lineChosen && remove && remove->isChecked());
}

bool DlgInput::eventFilter(QObject* watched, QEvent* event) {
    // Enter and Space in the list choose the current line for editing, as a double click
    // does; Enter never reaches the default button "OK" from here.
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            QListWidgetItem* item = m_list->currentItem();
            if (item) {
                m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
                onDblclkListe(item);
            }
            return true;
        }
    }
    // Enter in the edit line applies the chosen operation, as leaving the line does, and
    // keeps the dialog open (it is not the default button's Enter).
    if (watched == control(kIdZeile) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!handlerRunning() && flushPendingHandler()) {
                runHandler([this] { onKillfocusZeile(); });
            }
            return true;
        }
    }
    return BrelvanDialog::eventFilter(watched, event);
}

void DlgInput::onDblclkListe(QListWidgetItem* item) {
    if (handlerRunning() || !flushPendingHandler()) {
        return;
    }
    runHandler([this, item] {
        if (!item) {
            return;
        }
        // What the user typed into the other fields stays.
        const DataExchangeQt::Kept kept = m_dx.takeQuietly();
        m_iListSelection = m_list->row(item);
        if (!DlgInputData::OnDblclkListe()) {
            return;
        }
        fillAll(kept);
        m_lineChosen = true; // there to be deleted, or changed once typed over
        control(kIdZeile)->setFocus(Qt::TabFocusReason);
    });
}

void DlgInput::onOption(int option) {
    if (option != 0) {
        setOption(option);
        return;
    }
    const DataExchangeQt::Kept kept = m_dx.takeQuietly();
    readSelection();
    setOption(0);
    fillAll(kept);
}

void DlgInput::onButtonOK() {
    if (!takeFields()) {
        return;
    }
    readSelection();
    if (DlgInputData::OnButtonOK(ui())) {
        endWithOk();
    }
}

void DlgInput::onJWert() {
    const DataExchangeQt::Kept kept = m_dx.takeQuietly();
    readSelection();
    DlgJWert dialog(ui(), this);
    giveJWert(dialog);
    if (runModal(dialog) != QDialog::Accepted) {
        return;
    }
    takeJWert(dialog, ui());
    fillAll(kept);
}

void DlgInput::onSensitivitaet() {
    if (!takeFields()) {
        return;
    }
    readSelection();
    if (!mayOpenSensitivity(ui())) {
        return;
    }
    DlgSensitivity dialog(ui(), this);
    giveSensitivity(dialog);
    if (runModal(dialog) == QDialog::Accepted) {
        takeSensitivity(dialog);
    }
}

void DlgInput::onFit() {
    if (!takeFields()) {
        return;
    }
    readSelection();
    if (!mayOpenSensitivity(ui())) {
        return;
    }
    const brelvan::engine::RunInputs in = brelvan::runInputsOf(*this);
    brelvan::dialogs::FitRun run =
        brelvan::dialogs::runFit(this, ui(), in, brelvan::sensitivityRanges(*this));
    if (!run.curves.empty()) {
        m_modelCurves = std::move(run.curves);
    }
    if (!run.adopted) {
        return;
    }
    m_dOGIP = (*run.adopted)[brelvan::fit::kOgip];
    m_dWIP = (*run.adopted)[brelvan::fit::kWip];
    m_dJWert = (*run.adopted)[brelvan::fit::kJWert];
    m_fitTexts = run.shown;
    showFitTexts();
    fillAll();
}

void DlgInput::showFitTexts() {
    double* members[brelvan::fit::kParams] = {&m_dOGIP, &m_dWIP, &m_dJWert};
    for (int j = 0; j < brelvan::fit::kParams; ++j) {
        const brelvan::ShownFitValue& shown = m_fitTexts[static_cast<std::size_t>(j)];
        m_dx.showAs(members[j], shown.value, QString::fromStdString(shown.text));
    }
}

void DlgInput::onFileOpen() {
    const QString path = s_chooseFile ? s_chooseFile(this) : chooseTextFile(this);
    if (path.isEmpty()) {
        return;
    }
    const DataExchangeQt::Kept kept = m_dx.takeQuietly();
    readSelection();
    importPressureFile(path.toStdString(), ui());
    m_lineTyped = false;
    m_lineChosen = false;
    fillAll(kept);
}

std::function<QString(QWidget*)> DlgInput::s_chooseCsvFile;
std::function<bool(DlgCsvImport&)> DlgInput::s_runCsvPreview;

void DlgInput::onCsvImport() {
    QString path;
    if (s_chooseCsvFile) {
        path = s_chooseCsvFile(this);
    } else {
        path = QFileDialog::getOpenFileName(
            this, tr("CSV-Datei importieren"), QString(),
            tr("CSV-Dateien (*.csv *.CSV);;Textdateien (*.txt *.TXT);;Alle Dateien (*)"));
    }
    if (path.isEmpty()) {
        return;
    }
    std::string bytes;
    std::string error;
    if (!brelvan::csv::readFile(path.toStdString(), bytes, error)) {
        ui().error(tr("Die Datei %1 kann nicht geöffnet werden: %2.")
                       .arg(path, QString::fromStdString(error))
                       .toStdString());
        return;
    }
    // The lines must lie after the production start as the dialog's fields give it now.
    const DataExchangeQt::Kept kept = m_dx.takeQuietly();
    readSelection();
    const auto beginn = static_cast<float>(brelvan::tage(m_iTag, m_iMonat, m_iJahr, nullptr));
    DlgCsvImport preview(path, std::move(bytes), beginn, this);
    const bool take =
        s_runCsvPreview ? s_runCsvPreview(preview) : runModal(preview) == QDialog::Accepted;
    if (take) {
        takeCsvLines(preview.lines(), preview.append());
    }
    fillAll(kept);
}
