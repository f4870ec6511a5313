// A case without a window: the batch tool, the chart program, the fuzz harnesses and the tests
// open a case file as the desktop program does, with the input dialog that opens on it
// confirmed at once by the checks of its OK button.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/Run.h"
#include "support/UserInterface.h"

class CBrelvanDoc;
class DlgInputData;

namespace brelvan {

// What the confirmed input dialog takes over from a command line before its checks.
struct ConfirmOptions {
    std::optional<int> chartType;               // 0 days, 1 cumulative production
    std::optional<engine::InfluxScheme> scheme; // the case's own otherwise
    std::optional<int> model;                   // the water-zone model; the case's otherwise
    // A further step after the checks have passed (the batch search: the sensitivity ranges);
    // false refuses the dialog.
    std::function<bool(DlgInputData&, UserInterface&)> then;
};

// The input dialog on `data`, opened and confirmed at once: the options, then the checks of OK
// with their messages through `ui`. True when the dialog ends with OK.
bool confirmInputDialog(DlgInputData& data, UserInterface& ui, const ConfirmOptions& options = {});

// A user interface that passes everything on to another one, and answers the input dialog with
// confirmInputDialog, remembering whether it did and with what outcome.
class ConfirmingInterface : public ForwardingInterface {
public:
    explicit ConfirmingInterface(UserInterface& inner, ConfirmOptions options = {})
        : ForwardingInterface(inner), m_options(std::move(options)) {}

    bool runInputDialog(DlgInputData& data) override;

    bool shown = false;
    bool accepted = false;

private:
    ConfirmOptions m_options;
};

enum class OpenOutcome {
    Opened,     // read, confirmed and computed
    Unreadable, // the file could not be read as a case; the document is a new case
    Refused,    // read, but the input dialog's checks refused it: nothing was computed
};

// Opens the case file `path` into `doc`, which becomes a new case first and keeps `ui` as its
// user interface: the messages of reading, of the checks and of the computation go there, in
// that order.
OpenOutcome openCase(CBrelvanDoc& doc, UserInterface& ui, const std::string& path,
                     const ConfirmOptions& options = {});

} // namespace brelvan
