// "Ergebnisse der Sensitivitätsberechnung": the result lines of the grid search, best case
// first.
#pragma once

#include <QString>

#include <string>
#include <vector>

#include "dialogs/BrelvanDialog.h"

class QLabel;
class QListWidget;

class DlgSensResults : public BrelvanDialog {
    Q_OBJECT
public:
    static constexpr int kIdErgebnisse = 1056; // the list of result lines

    explicit DlgSensResults(brelvan::UserInterface& ui, QWidget* parent = nullptr);

    std::vector<std::string> m_Ergebnisse;   // filled by the caller before the dialog is shown
    QListWidget* m_ListErgebnisse = nullptr; // control kIdErgebnisse

    // A result line with its columns right-aligned under the heading (other lines as they
    // are), and the two heading lines.
    static QString alignedLine(const std::string& line);
    static QString heading();

protected:
    void initDialog() override;

private:
    QLabel* m_heading = nullptr;
};
