// The diagnostic views in the main window: their commands with menu texts, prompts and toolbar
// icons, in the order of the menus.
#pragma once

#include <QIcon>

#include "views/DiagnoseCommands.h"

namespace brelvan::app {

struct DiagnoseViewEntry {
    views::DiagnosticKind kind;
    int id;
    const char* text;   // Ansicht menu and context menu
    const char* prompt; // status bar prompt, "\n" before the tooltip
};

inline constexpr DiagnoseViewEntry kDiagnoseViews[] = {
    {views::DiagnosticKind::Verlauf, cmd::ID_DIAG_VERLAUF, "Druckverlauf",
     "Zeigt den Druckverlauf mit Meßpunkten, Werten unter der Maus und Zoom an\nDruckverlauf"},
    {views::DiagnosticKind::PZ, cmd::ID_DIAG_PZ, "p/z – Gp",
     "Zeigt p/z über der kumulativen Produktion mit der Ausgleichsgeraden an\np/z – Gp"},
    {views::DiagnosticKind::Cole, cmd::ID_DIAG_COLE, "Cole-Diagramm",
     "Zeigt das scheinbare Gas in place über der kumulativen Produktion an\nCole-Diagramm"},
    {views::DiagnosticKind::HavlenaOdeh, cmd::ID_DIAG_HO, "Havlena–Odeh",
     "Zeigt F/Eg über We/Eg mit der Geraden der Steigung 1 durch das OGIP an\nHavlena–Odeh"},
    {views::DiagnosticKind::Residuen, cmd::ID_DIAG_RESIDUEN, "Residuen",
     "Zeigt Meßwert minus Rechnung je Meßpunkt mit dem RMS-Band an\nResiduen"},
};

inline constexpr const char* kExportText = "Grafik exportieren...";
inline constexpr const char* kExportPrompt =
    "Schreibt die gezeigte Diagnosegrafik als SVG, PNG oder PDF\nGrafik exportieren";

// The view numbers of AnsichtWechseln for the diagnostic plots: kDiagnoseViewBase + kind (the
// report and the chart have 1 and 2).
inline constexpr int kDiagnoseViewBase = 10;
inline int diagnoseViewNumber(views::DiagnosticKind kind) {
    return kDiagnoseViewBase + static_cast<int>(kind);
}

// A small plot of the kind, on the toolbar's 16 x 15 grid.
QIcon diagnosticIcon(views::DiagnosticKind kind);

} // namespace brelvan::app
