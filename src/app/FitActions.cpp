// The main frame's "Anpassung …" command.
#include <QCoreApplication>

#include "app/CMainFrame.h"
#include "dialogs/FitDialog.h"
#include "document/CBrelvanDoc.h"
#include "document/FitCase.h"

namespace brelvan::app {

void CMainFrame::OnFit() {
    if (m_doc.m_Zeilen.empty()) {
        m_doc.ui().message(
            QCoreApplication::translate("CMainFrame", "Es liegen keine Druckmeßwerte vor!")
                .toStdString());
        return;
    }
    dialogs::FitRun run =
        dialogs::runFit(this, m_doc.ui(), m_doc.runInputs(), sensitivityRanges(m_doc));
    if (!run.curves.empty()) {
        // The Druckverlauf view shows the models' curves from now on.
        m_doc.m_modelCurves = std::move(run.curves);
        if (!run.adopted)
            m_doc.ui().updateAllViews();
    }
    if (run.adopted)
        adoptFit(m_doc, *run.adopted, run.shown);
}

} // namespace brelvan::app
