// A pressure line as typed: read in both precisions, and applied to a list with each of the
// four operations.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzUi.h"
#include "document/DlgInputData.h"
#include "support/PressureLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int option = data[0] % 4;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    brelvan::PressureLine line;
    brelvan::PressureLineF lineF;
    const int fields = brelvan::scanPressureLine(text, line);
    const int fieldsF = brelvan::scanPressureLine(text, lineF);
    const std::string problem = brelvan::pressureLineProblem(text);
    // What is read of Gp and pressure is a possible number.
    if (fields >= 6 && !(std::fabs(line.gp) <= brelvan::kMaxLineValue))
        __builtin_trap();
    if (fields == 7 && !(std::fabs(line.pressure) <= brelvan::kMaxLineValue))
        __builtin_trap();
    if (fieldsF >= 6 && !(std::fabs(lineF.gp) <= brelvan::kMaxLineValue))
        __builtin_trap();

    FuzzUi ui;
    DlgInputData d;
    d.m_iTag = 1;
    d.m_iMonat = 1;
    d.m_iJahr = 1990;
    d.m_Zeilen = {"1.7.1990 12.5 251.0", "1.1.1991 40.0", "1.7.1991 71.25 238.4"};
    d.OnInitDialog(ui);
    d.m_iListSelection = size % 2 == 0 ? 1 : -1;
    d.setOption(option);
    d.m_strZeile = text;
    d.OnKillfocusZeile(ui);
    if (d.m_Zeilen != d.m_ListDruck)
        __builtin_trap();
    return 0;
}
