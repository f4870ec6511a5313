// "Exportieren …" of the Datei menu: the computed case as CSV or as an Excel workbook, the
// format chosen by the file type.
#pragma once

#include <QString>

#include <functional>

class CBrelvanDoc;
class QAction;
class QWidget;

namespace brelvan {
class UserInterface;
}

namespace brelvan::app {

// The menu's action; it asks for the file and writes it, or says why it cannot.
QAction* createExportAction(QWidget* window, CBrelvanDoc& doc, UserInterface& ui);

// The file dialog of the command: the chosen path and the chosen file type's filter, an empty
// path when cancelled. Tests replace it.
extern std::function<QString(QWidget* window, const QString& proposal, QString& filter)>
    g_chooseExportFile;

// The filters of the file types offered, in this order: CSV with ";" and the decimal comma,
// CSV with "," and the decimal point, Excel workbook.
QStringList exportFilters();

} // namespace brelvan::app
