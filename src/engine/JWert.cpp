#include "engine/JWert.h"

#include <cmath>

namespace brelvan {
namespace {

constexpr double kLinear = 0.02543;
constexpr double kRadial = 0.0533;
constexpr double kSkin = 0.75;
constexpr double kPi = 3.14159; // five decimals, as the J formulas have always used
constexpr double kMio = 1.0e6;
constexpr float kThinRing = 2.943f;

} // namespace

JWertResult linearJWert(float k, float h, float mu, float phi, float tiefe, float breite) {
    const double dk = k, dh = h, dmu = mu, dphi = phi, dl = tiefe, db = breite;
    JWertResult r;
    r.jwert = dk * kLinear * dh * db / (dmu * dl);
    r.wip = dl * db * dh * dphi / kMio;
    return r;
}

JWertResult radialJWert(float anteil, float k, float h, float mu, float phi, float rw, float re) {
    const double f = anteil, dk = k, dh = h, dmu = mu, dphi = phi, drw = rw, dre = re;
    JWertResult r;
    r.jwert = f * kRadial * (dk * dh / dmu) / (std::log(dre / drw) - kSkin);
    r.wip = f * kPi * dphi * dh * (dre * dre - drw * drw) / kMio;
    return r;
}

bool isThinRing(float rw, float re) {
    return kThinRing * rw >= re;
}

LinearStrip thinRingToStrip(float anteil, float rw, float re) {
    LinearStrip s;
    s.breite = static_cast<float>(static_cast<double>(anteil) * kPi *
                                  (static_cast<double>(re) + static_cast<double>(rw)));
    s.tiefe = static_cast<float>(static_cast<double>(re) - static_cast<double>(rw));
    return s;
}

} // namespace brelvan
