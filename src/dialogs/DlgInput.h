// The case input dialog "Dialogfeld zur Dateneingabe": all inputs of a case, the list of shut-in
// pressure lines with its editing and file import, and the buttons to the J value and the
// sensitivity dialogs. The rules live in DlgInputData; this window keeps its controls in step
// with those members.
#pragma once

#include <QString>

#include <functional>

#include "dialogs/BrelvanDialog.h"
#include "document/DlgInputData.h"

class DlgCsvImport;
class QFileDialog;
class QComboBox;
class QListWidget;
class QListWidgetItem;

class DlgInput : public BrelvanDialog, public DlgInputData {
    Q_OBJECT
public:
    explicit DlgInput(brelvan::UserInterface& ui, QWidget* parent = nullptr);

    // The file dialog of the import: the chosen path, empty when none was chosen. Tests replace
    // it.
    static std::function<QString(QWidget* parent)> s_chooseFile;
    // The presets of that file dialog: text files and all files, "*.TXT" in the name field.
    static void prepareFileDialog(QFileDialog& dialog);

    // The CSV import: its file dialog and the preview, shown modally (true to take the lines).
    // Tests replace them.
    static std::function<QString(QWidget* parent)> s_chooseCsvFile;
    static std::function<bool(DlgCsvImport& preview)> s_runCsvPreview;

    QListWidget* list() const { return m_list; }

protected:
    void initDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildExchange();

    // The list control shows m_ListDruck with m_iListSelection selected.
    void showList();
    // m_iListSelection from the list control.
    void readSelection();
    // Members (and the list) into the controls, with the texts kept by a quiet take.
    void fillAll(const DataExchangeQt::Kept& kept = {});

    void onKillfocusGas();
    void onKillfocusBeginn();
    void onKillfocusZeile();
    void onDblclkListe(QListWidgetItem* item);
    void onOption(int option);
    void onButtonOK();
    void onJWert();
    void onSensitivitaet();
    // "Anpassung …": fits OGIP, WIP and J to the dialog's values; on Ja the fields take them.
    void onFit();
    // The fields of OGIP, WIP and J show the texts of an adopted fit (m_fitTexts) while they
    // hold its values.
    void showFitTexts();
    void onFileOpen();
    void onCsvImport();

    QListWidget* m_list = nullptr;
    QComboBox* m_modell = nullptr; // "Zuflussmodell"
    // Whether leaving the edit line (or Enter in it) is a request: the user typed into it, or
    // chose a line (double click, Enter or Space in the list) with "Zeile löschen" in force.
    // A chosen line that is left untouched asks nothing for the other operations.
    bool lineRequested() const;
    bool m_lineTyped = false;
    bool m_lineChosen = false;
};
