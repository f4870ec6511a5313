#include "document/HeadlessSession.h"

#include "document/CBrelvanDoc.h"
#include "document/DlgInputData.h"

namespace brelvan {

bool confirmInputDialog(DlgInputData& data, UserInterface& ui, const ConfirmOptions& options) {
    if (options.chartType)
        data.m_iGrafiktyp = *options.chartType;
    if (options.scheme)
        data.m_iVerfahren = static_cast<int>(*options.scheme);
    if (options.model)
        data.m_iModell = *options.model;
    data.OnInitDialog(ui);
    if (!data.checkAll(ui))
        return false;
    return !options.then || options.then(data, ui);
}

bool ConfirmingInterface::runInputDialog(DlgInputData& data) {
    shown = true;
    accepted = confirmInputDialog(data, *this, m_options);
    return accepted;
}

OpenOutcome openCase(CBrelvanDoc& doc, UserInterface& ui, const std::string& path,
                     const ConfirmOptions& options) {
    ConfirmingInterface confirming(ui, options);
    doc.setUserInterface(&confirming);
    doc.OnNewDocument();
    const bool read = doc.OnOpenDocument(path);
    doc.setUserInterface(&ui);
    if (!read)
        return OpenOutcome::Unreadable;
    return confirming.accepted ? OpenOutcome::Opened : OpenOutcome::Refused;
}

} // namespace brelvan
