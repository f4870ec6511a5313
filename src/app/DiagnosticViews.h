// The diagnostic views in the main window: their commands with menu texts, prompts and toolbar
// icons, in the order of the menus.
#pragma once

#include <QIcon>
#include <QString>
#include <QtGlobal>

#include "views/DiagnosticCommands.h"

namespace brelvan::app {

struct DiagnosticViewEntry {
    views::DiagnosticKind kind;
    int id;
    const char* text;   // Ansicht menu and context menu
    const char* prompt; // status bar prompt, "\n" before the tooltip
};

inline constexpr DiagnosticViewEntry kDiagnosticViews[] = {
    {views::DiagnosticKind::History, cmd::ID_DIAG_HISTORY,
     QT_TRANSLATE_NOOP("DiagnosticViews", "Druckverlauf"),
     QT_TRANSLATE_NOOP(
         "DiagnosticViews",
         "Zeigt den Druckverlauf mit Meßpunkten, Werten unter der Maus und Zoom an\nDruckverlauf")},
    {views::DiagnosticKind::PZ, cmd::ID_DIAG_PZ, QT_TRANSLATE_NOOP("DiagnosticViews", "p/z – Gp"),
     QT_TRANSLATE_NOOP(
         "DiagnosticViews",
         "Zeigt p/z über der kumulativen Produktion mit der Ausgleichsgeraden an\np/z – Gp")},
    {views::DiagnosticKind::Cole, cmd::ID_DIAG_COLE,
     QT_TRANSLATE_NOOP("DiagnosticViews", "Cole-Diagramm"),
     QT_TRANSLATE_NOOP(
         "DiagnosticViews",
         "Zeigt das scheinbare Gas in place über der kumulativen Produktion an\nCole-Diagramm")},
    {views::DiagnosticKind::HavlenaOdeh, cmd::ID_DIAG_HO,
     QT_TRANSLATE_NOOP("DiagnosticViews", "Havlena–Odeh"),
     QT_TRANSLATE_NOOP(
         "DiagnosticViews",
         "Zeigt F/Eg über We/Eg mit der Geraden der Steigung 1 durch das OGIP an\nHavlena–Odeh")},
    {views::DiagnosticKind::Residuals, cmd::ID_DIAG_RESIDUALS,
     QT_TRANSLATE_NOOP("DiagnosticViews", "Residuen"),
     QT_TRANSLATE_NOOP("DiagnosticViews",
                       "Zeigt Meßwert minus Rechnung je Meßpunkt mit dem RMS-Band an\nResiduen")},
};

inline constexpr const char* kExportText =
    QT_TRANSLATE_NOOP("DiagnosticViews", "Grafik exportieren...");
inline constexpr const char* kExportPrompt = QT_TRANSLATE_NOOP(
    "DiagnosticViews", "Schreibt die gezeigte Grafik als SVG, PNG oder PDF\nGrafik exportieren");

// The view numbers of AnsichtWechseln for the diagnostic plots: kDiagnosticViewBase + kind (the
// report and the chart have 1 and 2).
inline constexpr int kDiagnosticViewBase = 10;
inline int diagnosticViewNumber(views::DiagnosticKind kind) {
    return kDiagnosticViewBase + static_cast<int>(kind);
}

// A text of the table above or of the export command in the current language.
QString diagnosticViewText(const char* text);

// A small plot of the kind, on the toolbar's 16 x 15 grid.
QIcon diagnosticIcon(views::DiagnosticKind kind);

} // namespace brelvan::app
