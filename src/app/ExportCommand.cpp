#include "app/ExportCommand.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "document/CBrelvanDoc.h"
#include "document/CaseExport.h"
#include "support/UserInterface.h"

namespace brelvan::app {

std::function<QString(QWidget*, const QString&, QString&)> g_chooseExportFile;

QStringList exportFilters() {
    return {QCoreApplication::translate("ExportCommand", "CSV, Semikolon und Dezimalkomma (*.csv)"),
            QCoreApplication::translate("ExportCommand", "CSV, Komma und Dezimalpunkt (*.csv)"),
            QCoreApplication::translate("ExportCommand", "Excel-Arbeitsmappe (*.xlsx)")};
}

namespace {

QString chooseFile(QWidget* window, const QString& proposal, QString& filter) {
    const QStringList filters = exportFilters();
    QFileDialog dialog(window, QCoreApplication::translate("ExportCommand", "Exportieren"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filter);
    dialog.selectFile(proposal);
    // Choosing a file type gives the name that type's ending.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& f) {
                         const QStringList chosen = dialog.selectedFiles();
                         if (chosen.isEmpty())
                             return;
                         const QString base = QFileInfo(chosen.front()).completeBaseName();
                         dialog.selectFile(base + (f == filters[2] ? QStringLiteral(".xlsx")
                                                                   : QStringLiteral(".csv")));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
}

void exportCase(QWidget* window, CBrelvanDoc& doc, UserInterface& ui) {
    if (doc.m_Tabelle.empty()) {
        ui.message(QCoreApplication::translate("ExportCommand",
                                               "Es liegen keine berechneten Ergebnisse vor. Bitte "
                                               "zuerst die Daten ändern und rechnen.")
                       .toStdString());
        return;
    }
    const QStringList filters = exportFilters();
    QString filter = filters.front();
    // Beside the case file, under its name.
    const QString casePath = QString::fromStdString(doc.GetPathName());
    QString proposal =
        casePath.isEmpty()
            ? QString::fromStdString(doc.GetTitle())
            : QFileInfo(casePath).dir().filePath(QFileInfo(casePath).completeBaseName());
    if (proposal.endsWith(QStringLiteral(".brv"), Qt::CaseInsensitive))
        proposal.chop(4);
    proposal += QStringLiteral(".csv");
    QString path = g_chooseExportFile ? g_chooseExportFile(window, proposal, filter)
                                      : chooseFile(window, proposal, filter);
    if (path.isEmpty())
        return;
    // The file type decides; a name without one takes the chosen filter's.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("csv") && suffix != QStringLiteral("xlsx"))
        path += filter == filters[2] ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    const ExportFormat csvStyle =
        filter == filters[1] ? ExportFormat::CsvPoint : ExportFormat::CsvGerman;
    const std::string file = path.toStdString();
    const brelvan::IoResult<> written =
        brelvan::exportCase(doc, file, formatForPath(file, csvStyle));
    if (!written)
        ui.error(QCoreApplication::translate("ExportCommand",
                                             "Die Datei „%1“ kann nicht geschrieben werden: %2.")
                     .arg(path, QString::fromStdString(written.error()))
                     .toStdString());
}

} // namespace

QAction* createExportAction(QWidget* window, CBrelvanDoc& doc, UserInterface& ui) {
    auto* a = new QAction(QCoreApplication::translate("ExportCommand", "E&xportieren …"), window);
    a->setObjectName(QStringLiteral("ID_FILE_EXPORT"));
    a->setStatusTip(QCoreApplication::translate(
        "ExportCommand", "Schreibt die Ergebnistabelle als CSV-Datei oder Excel-Arbeitsmappe."));
    QObject::connect(a, &QAction::triggered, window,
                     [window, &doc, &ui] { exportCase(window, doc, ui); });
    return a;
}

} // namespace brelvan::app
