#include "document/DlgInputData.h"
#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

void DlgInputData::takeCsvLines(const std::vector<std::string>& lines, bool append) {
    if (!append)
        m_ListDruck.clear();
    m_ListDruck.insert(m_ListDruck.end(), lines.begin(), lines.end());
    m_iListSelection = -1;
    m_Zeilen = m_ListDruck;
    m_strStatus =
        brelvan::cformat(brelvan::document::tx("%d Zeilen wurden eingelesen"), m_Zeilen.size());
    m_strZeile.assign(1, ' ');
}
