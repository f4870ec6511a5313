// The preview of a CSV import "CSV-Datei importieren": the lines that will enter the list and
// the rows that are skipped, each with its reason. The separator, the decimal character, the
// order of day and month in dates with "/" and the heading's line are shown as found in the file
// and can each be chosen, as can the columns of date, Gp and pressure. When the file cannot
// decide the decimal character or the date order, nothing is taken until the user chooses.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "document/CsvImport.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

class DlgCsvImport : public QDialog {
    Q_OBJECT
public:
    // `bytes`: the file's content; `beginn`: the day number of the production start.
    DlgCsvImport(const QString& path, std::string bytes, float beginn, QWidget* parent = nullptr);

    // The list lines to take, in the file's order.
    std::vector<std::string> lines() const;
    // Whether they follow the list's lines instead of replacing them.
    bool append() const;
    const brelvan::csv::Result& result() const { return m_result; }

    // The controls, for the tests.
    QComboBox* separatorBox() const { return m_separator; }
    QComboBox* decimalBox() const { return m_decimal; }
    QComboBox* headerBox() const { return m_header; } // automatic, none, line 1 to 10
    QComboBox* dateOrderBox() const { return m_dateOrder; }
    QLabel* summaryLabel() const { return m_summary; }
    QComboBox* columnBox(int which) const { return m_columns[which]; } // 0 date, 1 Gp, 2 p
    QTableWidget* rowsTable() const { return m_rows; }
    QTableWidget* skippedTable() const { return m_skipped; }
    QPushButton* okButton() const { return m_ok; }
    QRadioButton* appendButton() const { return m_append; }

private:
    brelvan::csv::Options options() const;
    void reread();
    // The column choices with the columns of the last reading; `afresh`: all back to automatic.
    void fillColumnBoxes(bool afresh);
    void showResult();
    // The "Automatisch" items name what the last reading found.
    void showFound();

    std::string m_bytes;
    float m_beginn = 0;
    brelvan::csv::Result m_result;
    bool m_filling = false;

    QComboBox* m_separator = nullptr;
    QComboBox* m_decimal = nullptr;
    QComboBox* m_header = nullptr;
    QComboBox* m_dateOrder = nullptr;
    QComboBox* m_columns[3] = {};
    QTableWidget* m_rows = nullptr;
    QTableWidget* m_skipped = nullptr;
    QLabel* m_summary = nullptr;
    QRadioButton* m_replace = nullptr;
    QRadioButton* m_append = nullptr;
    QPushButton* m_ok = nullptr;
};
