// One material-balance run as a function from values to a value: RunInputs in, RunResult out.
// The run reads nothing else and writes nothing else, so any number of runs may go on side by
// side on different threads.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/GasProperties.h"

namespace brelvan::engine {

inline constexpr int kComponents = gas::kComponents;
inline constexpr int kSeriesSize = 300;          // entry 0 is the production start
inline constexpr int kMaxRows = kSeriesSize - 1; // rows that enter one run

// How the influx of a row is driven: 0 the original running mean, 1 the interval mean of the
// published Fetkovich scheme.
enum class InfluxScheme { Original = 0, IntervalMean = 1 };

struct RunInputs {
    std::string fieldName;
    gas::Composition gas{}; // percent, in the order H2S ... C10H22
    double temperature = 0; // degrees C
    double pInit = 0;       // bar
    double ogip = 0;        // Mio m3
    double wip = 0;         // Mio m3
    double compress = 0;    // 1E-5 per bar
    double jValue = 0;      // m3/(day bar)
    int startDay = 0, startMonth = 0, startYear = 0;
    std::vector<std::string> lines; // the shut-in pressure lines as stored
    int chartType = 0;              // 0 days, 1 cumulative production on the x axis
    bool quiet = false;             // a grid case: no header, table, closing lines, series
    InfluxScheme scheme = InfluxScheme::Original;
    // The gas zone's effective compressibility c_e (1E-5 per bar, see GasBalance.h) and the
    // formation volume factor of the produced water Wp that the lines may carry.
    double ce = 0;
    double bw = 1;
};

// One computed row of the pressure list.
struct RowRecord {
    int day = 0, month = 0, year = 0;
    double days = 0; // since the production start
    double gp = 0;   // Mio m3
    double p = 0;    // computed pressure, bar
    double pz = 0;   // computed p/z, bar
    double we = 0;   // cumulative water influx after the row, Mio m3
    double wp = 0;   // cumulative produced water of the row, Mio m3 (the last one given)
    bool measured = false;
    double pMeasured = 0;    // bar, 0 without a measurement
    double pzMeasured = 0;   // bar
    double ogipEstimate = 0; // the volumetric gas-in-place estimate, Mio m3
    bool settled = true;     // the pressure iteration settled within its tolerance
    double lastChange = 0;   // bar: the pressure change of the last pass when it did not settle
};

// The chart's series. Entry 0 (the initial pressure) is set in every run; the rows follow in
// normal mode only.
struct Series {
    std::array<float, kSeriesSize> xRechen{}, pRechen{}, weRechen{}, xMess{}, pMess{};
    int maxWerte = 0;  // computed entries after entry 0
    int max2Werte = 0; // measured entries after entry 0
    // Chart captions: x axis, left and right y axis, the three legend texts. Set only when a
    // row entered the series (hasCaptions); the chart keeps its captions otherwise.
    std::string xAchse, y1Achse, y2Achse, legende1, legende2, legende3;
    bool hasCaptions() const { return !xAchse.empty(); }
};

struct RunResult {
    double zInit = 0;
    double pzInit = 0; // initial p/z, bar
    double eInit = 0;  // gas expansion factor at initial conditions
    double vInit = 0;  // initial gas-filled pore volume, Mio m3
    double weMax = 0;  // water the water zone can give off, Mio m3
    std::vector<RowRecord> rows;
    Series series;
    bool headerWritten = false;        // the report starts afresh (normal mode)
    std::vector<std::string> report;   // the lines this run adds to the report
    std::vector<std::string> messages; // message boxes, in the order the run raised them
    bool aborted = false;
    // The run ended on a row whose outcome is physically impossible (or whose pressure could not
    // be found); such a run has no error value.
    bool impossible = false;
    int unsettled = 0;    // rows whose pressure iteration did not settle
    double meanError = 0; // NaN when no measured pressure was compared, or when impossible
};

RunResult run(const RunInputs& in);

} // namespace brelvan::engine
