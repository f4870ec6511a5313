#include "document/DlgInputData.h"

float& DlgInputData::gasField(int index) {
    switch (index) {
    case 0: return m_fH2S;
    case 1: return m_fCO2;
    case 2: return m_fN2;
    case 3: return m_fCH4;
    case 4: return m_fC2H6;
    case 5: return m_fC3H8;
    case 6: return m_fiC4H10;
    case 7: return m_fnC4H10;
    case 8: return m_fiC5H12;
    case 9: return m_fnC5H12;
    case 10: return m_fC6H14;
    case 11: return m_fC7H16;
    case 12: return m_fC8H18;
    case 13: return m_fC9H20;
    default: return m_fC10H22;
    }
}
