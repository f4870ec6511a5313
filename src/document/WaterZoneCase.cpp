#include "document/WaterZoneCase.h"

namespace brelvan {

waterzone::Rock rockOf(const JInputs& j) {
    waterzone::Rock rock;
    rock.angle = j.m_fWinkel;
    rock.k = j.m_fPermeabilitaet;
    rock.h = j.m_fMaechtigkeit;
    rock.mu = j.m_fViskositaet;
    rock.phi = j.m_fPorositaet;
    rock.rw = j.m_fRadiusGWC;
    rock.re = j.m_fRadiusEnde;
    rock.depth = j.m_fTiefe;
    rock.width = j.m_fBreite;
    return rock;
}

waterzone::Model modelOf(int stored) {
    return stored >= 0 && stored < waterzone::kModelCount ? static_cast<waterzone::Model>(stored)
                                                          : waterzone::Model::Fetkovich;
}

std::string waterZoneProblem(int stored, const ReservoirData& r, const JInputs& j) {
    const waterzone::Model m = modelOf(stored);
    const waterzone::ZoneSetup z =
        waterzone::zoneFromCase(m, rockOf(j), r.m_dWIP, r.m_dKompress, r.m_dJWert, r.m_dDruck);
    return waterzone::missingMessage(m, z.missing);
}

} // namespace brelvan
