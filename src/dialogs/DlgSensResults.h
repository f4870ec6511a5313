// "Ergebnisse der Sensitivitätsberechnung": the result lines of the grid search, best case
// first.
#pragma once

#include <string>
#include <vector>

#include "dialogs/BrelvanDialog.h"

class QListWidget;

class DlgSensResults : public BrelvanDialog {
    Q_OBJECT
public:
    static constexpr int kIdErgebnisse = 1056; // the list of result lines

    explicit DlgSensResults(brelvan::UserInterface& ui, QWidget* parent = nullptr);

    std::vector<std::string> m_Ergebnisse;   // filled by the caller before the dialog is shown
    QListWidget* m_ListErgebnisse = nullptr; // control kIdErgebnisse

protected:
    void initDialog() override;
};
