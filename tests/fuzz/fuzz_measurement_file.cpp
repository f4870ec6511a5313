// A measurement file as "Druckdatei öffnen" reads it, then the checks of OK.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzUi.h"
#include "document/DlgInputData.h"
#include "support/PressureLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzUi ui;
    DlgInputData d;
    d.m_iTag = 1;
    d.m_iMonat = 1;
    d.m_iJahr = 1990;
    d.m_dOGIP = 5000;
    d.m_fGas[3] = 100;
    d.OnInitDialog(ui);
    d.importPressureText("messwerte.txt", std::string(reinterpret_cast<const char*>(data), size),
                         ui);
    // No imported line holds a number no case can hold.
    for (const std::string& line : d.m_Zeilen)
        if (!brelvan::pressureLineProblem(line).empty())
            __builtin_trap();
    d.OnButtonOK(ui);
    return 0;
}
