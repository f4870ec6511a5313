// The water zone beside the gas zone, after four models: Fetkovich's finite tank (the interval-mean
// scheme), van Everdingen and Hurst's unsteady flow (superposition of the boundary pressure drops),
// Carter and Tracy's approximation of it without full superposition, and the pot (instantaneous
// equilibrium). Pure functions and a small state per run; no dependence on the row step.
//
// Units are the program's: pressures bar, times days, volumes Mio m3, k mD, h, radii, depth and
// width m, viscosity cP (mPa s), porosity a fraction, compressibility 1E-5 per bar.
#pragma once

#include <string>
#include <vector>

namespace brelvan::waterzone {

// ---- Dimensionless solutions -----------------------------------------------------------------
// Radial ring with the inner radius as unit length: t_D = k t / (phi mu c r_w^2), reD = Re / Rw;
// reD <= 0 stands for the infinite ring. Linear strip with a closed far end: length L as unit.

// Cumulative dimensionless influx at constant terminal pressure drop.
double wdRadial(double tD, double reD);
double wdLinear(double tD);

// Dimensionless pressure at constant terminal rate and its derivative dp_D/dt_D.
struct PressureD {
    double pd = 0;
    double derivative = 0;
};
PressureD pdRadial(double tD, double reD);
PressureD pdLinear(double tD);

// The same by direct numerical inversion of the Laplace-space solution (Gaver-Stehfest), without
// the interpolation tables; slower, for checks.
double wdRadialInverted(double tD, double reD);
PressureD pdRadialInverted(double tD, double reD);
double wdLinearInverted(double tD);

// ---- Unit constants ---------------------------------------------------------------------------

// t_D per day for k 1 mD, phi 1, mu 1 cP, c 1E-5/bar and r 1 m:
// 9.869233e-16 m2 * 86400 s / (1e-3 Pa s * 1e-10 1/Pa * 1 m2).
inline constexpr double kDimensionlessTimePerDay = 9.869233e-16 * 86400.0 / (1e-3 * 1e-10);

// t_D per day for the given rock and fluid and the unit length r (m).
double dimensionlessTimePerDay(double k, double phi, double mu, double compress, double r);
// The water-zone constant U (Mio m3 per bar): 2 pi f phi h c Rw^2 for a ring (f the fraction of
// the full circle), B h phi c L for a strip.
double radialConstant(double fraction, double phi, double h, double compress, double rw);
double linearConstant(double width, double h, double phi, double compress, double depth);

// ---- Models and their water zone ---------------------------------------------------------------

enum class Model { Fetkovich = 0, VanEverdingenHurst = 1, CarterTracy = 2, Pot = 3 };
inline constexpr int kModelCount = 4;

// The word of the batch tool ("fetkovich", "veh", "carter-tracy", "topf") and the name shown to
// the user in the current language ("Fetkovich", "van Everdingen–Hurst", "Carter–Tracy", "Topf").
const char* modelWord(Model m);
const char* modelName(Model m);
bool modelFromWord(const std::string& word, Model& m);

enum class Geometry { Radial, Linear };

// The rock, fluid and geometry data of the water zone, as the J-value data of the case hold them.
struct Rock {
    double angle = 0; // degrees: 0 a linear strip, above 0 a ring with the fraction angle / 360
    double k = 0;     // mD
    double h = 0;     // m
    double mu = 0;    // cP
    double phi = 0;   // fraction
    double rw = 0;    // m
    double re = 0;    // m; 0 or below: an infinite ring (the influx calculator only)
    double depth = 0; // L, m
    double width = 0; // B, m

    bool operator==(const Rock&) const = default;
};

// The value a model lacks (0 or below where it must be positive).
enum class Missing {
    None,
    Permeability,
    Thickness,
    Porosity,
    Viscosity,
    InnerRadius,
    OuterRadius, // not above the inner radius
    Depth,
    Width,
    Compressibility,
    WaterInPlace,
    JValue,
};
// "Für das Zuflussmodell van Everdingen-Hurst fehlt die Mächtigkeit (h > 0)." and the like.
std::string missingMessage(Model m, Missing what);

// Everything a model needs for a run.
struct Zone {
    Model model = Model::Fetkovich;
    Geometry geometry = Geometry::Radial;
    double pInit = 0;    // bar
    double wip = 0;      // Mio m3
    double compress = 0; // 1E-5 per bar
    double jValue = 0;   // m3/(day bar), Fetkovich
    double tdPerDay = 0; // t_D per day
    double u = 0;        // Mio m3 per bar
    double reD = 0;      // Re / Rw; 0 for the infinite ring
};

struct ZoneSetup {
    Missing missing = Missing::None;
    Zone zone;
    double k = 0;    // the conductivity the model uses, mD
    double size = 0; // Re (ring) or L (strip), m
};

// For a case: WIP fixes the size (Re from WIP = f 3.14159 phi h (Re^2 - Rw^2) / 10^6, L from
// WIP = L B h phi / 10^6) and J the conductivity k (the J-value formulas solved for k); `rock.k`
// and `rock.re` are not used. The pot model needs only WIP and c, Fetkovich also J.
ZoneSetup zoneFromCase(Model m, const Rock& rock, double wip, double compress, double jValue,
                       double pInit);
// For the influx calculator: k and the size are given; Fetkovich takes J and WIP from the
// J-value formulas, the pot model WIP.
ZoneSetup zoneFromRock(Model m, const Rock& rock, double compress, double pInit);

// The conductivity that gives J with the J-value formulas, mD.
double permeabilityFromJ(const Rock& rock, double jValue, double size);

// The influx after a step as a function of the step's boundary pressure p: WE = we0 + slope p.
// All four models are linear in p (slope <= 0).
struct LinearInflux {
    double we0 = 0;
    double slope = 0;
    double at(double p) const { return we0 + slope * p; }
};

// The influx of one run, step by step: step() gives the cumulative influx at the end of the next
// step as a function of its boundary pressure; accept() fixes that pressure.
class InfluxState {
public:
    explicit InfluxState(const Zone& zone);
    // `days` since the start (not below the last accepted time).
    LinearInflux step(double days);
    void accept(double days, double p);
    double we() const { return we_; }
    const Zone& zone() const { return zone_; }

private:
    LinearInflux stepFor(double days);
    double wdAfter(double days); // W_D of a time difference in days, cached per whole day
    Zone zone_;
    std::vector<double> times_{0.0}; // days of the accepted steps, from the start
    std::vector<double> pressures_;  // boundary pressures, from the initial one
    std::vector<double> wdByDay_;    // W_D of whole-day differences, NaN until computed
    double we_ = 0;
    double pMeanPrev_ = 0; // Fetkovich: the previous boundary pressure
    double lastDays_ = -1; // the step last asked for, reused by accept()
    LinearInflux last_;
};

// The influx at each time of a boundary pressure history (days[0] = 0 at the initial pressure
// p[0]); the first entry is 0.
std::vector<double> influxHistory(const Zone& zone, const std::vector<double>& days,
                                  const std::vector<double>& p);

} // namespace brelvan::waterzone
