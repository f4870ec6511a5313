// The influx calculator "Zuflussrechner": the cumulative influx of a water zone for a boundary
// pressure history after one of the four models, without a gas case, as a table and a chart of
// WE over time (the batch tool's "zufluss").
#pragma once

#include <QDialog>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

// WE over time as a line.
class InfluxChart : public QWidget {
    Q_OBJECT
public:
    explicit InfluxChart(QWidget* parent = nullptr);
    void setData(std::vector<double> days, std::vector<double> we);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> m_days, m_we;
};

class DlgZufluss : public QDialog {
    Q_OBJECT
public:
    explicit DlgZufluss(QWidget* parent = nullptr);

    // The fields by name ("k", "h", "mu", "phi", "kompress", "winkel", "rw", "re", "tiefe",
    // "breite"), the model combo, the history and the results, for the tests.
    QLineEdit* field(const std::string& name) const;
    QComboBox* model() const { return m_model; }
    QPlainTextEdit* history() const { return m_history; }
    QTableWidget* table() const { return m_table; }
    QLabel* status() const { return m_status; }
    // Computes from the fields; false with the German reason in the status line.
    bool compute();

private:
    void openFile();

    QComboBox* m_model = nullptr;
    std::vector<std::pair<std::string, QLineEdit*>> m_fields;
    QPlainTextEdit* m_history = nullptr;
    QTableWidget* m_table = nullptr;
    InfluxChart* m_chart = nullptr;
    QLabel* m_status = nullptr;
};
