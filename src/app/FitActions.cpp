// The main frame's "Anpassung …" command.
#include <QCoreApplication>

#include "app/CMainFrame.h"
#include "dialogs/FitDialog.h"
#include "document/CBrelvanDoc.h"
#include "document/FitCase.h"
#include "engine/FitObjective.h"

namespace brelvan::app {

void CMainFrame::OnFit() {
    if (m_doc.m_Zeilen.empty()) {
        m_doc.ui().message(
            QCoreApplication::translate("CMainFrame", "Es liegen keine Druckmeßwerte vor!")
                .toStdString());
        return;
    }
    const engine::RunInputs in = m_doc.runInputs();
    const fit::Point caseValues{m_doc.m_dOGIP, m_doc.m_dWIP, m_doc.m_dJWert};
    const auto values =
        dialogs::runFit(this, m_doc.ui(), fit::caseObjective(in), caseValues, fit::largestGp(in),
                        sensitivityRanges(m_doc), in.model == waterzone::Model::Pot);
    if (values)
        adoptFit(m_doc, *values);
}

} // namespace brelvan::app
