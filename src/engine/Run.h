// One material-balance run as a function from numbers to numbers: the case values and the parsed
// rows in, a RunResult out (the rows computed and how the run ended). The run reads nothing else
// and writes nothing else, so any number of runs may go on side by side on different threads.
// The lines of the result list and the message texts are written from a result by
// engine/ReportWriter.h, the chart's series by engine/RunChart.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/GasProperties.h"
#include "engine/WaterZoneModels.h"

namespace brelvan::engine {

class WaterZone;

inline constexpr int kComponents = gas::kComponents;
inline constexpr int kSeriesSize = 300;          // entry 0 is the production start
inline constexpr int kMaxRows = kSeriesSize - 1; // rows that enter one run

// How the influx of a row is driven: the original running mean, or the interval mean of the
// published Fetkovich scheme. The numbers are the ones the case file stores.
enum class InfluxScheme { Original = 0, IntervalMean = 1 };

// The scheme a stored number stands for: 1 the interval mean, anything else the original.
InfluxScheme influxScheme(int stored);

// One row of the shut-in pressure list, as read from its line.
struct Row {
    int day = 0, month = 0, year = 0;
    double gp = 0;       // cumulative gas production, Mio m3
    double pressure = 0; // measured shut-in pressure, bar; 0 when the line has none
    // Cumulative produced water Wp, Mio m3, where the line gives it (a row without keeps the
    // Wp of the row before).
    std::optional<double> producedWater;

    bool operator==(const Row&) const = default;
};
using Rows = std::vector<Row>;

// The rows of the pressure lines as a run reads them: at most kMaxRows, ending before the first
// line with fewer than a date and a Gp.
Rows parseRows(const std::vector<std::string>& lines);

// The values of a case besides its rows.
struct CaseValues {
    std::string fieldName;
    gas::Composition gas{}; // percent, in the order H2S ... C10H22
    double temperature = 0; // degrees C
    double pInit = 0;       // bar
    double ogip = 0;        // Mio m3
    double wip = 0;         // Mio m3
    double compress = 0;    // 1E-5 per bar
    double jValue = 0;      // m3/(day bar)
    int startDay = 0, startMonth = 0, startYear = 0;
    InfluxScheme scheme = InfluxScheme::Original;
    // The water-zone model; the unsteady ones take their geometry from `rock` (the J-value
    // data), the size from WIP and the conductivity from J.
    waterzone::Model model = waterzone::Model::Fetkovich;
    waterzone::Rock rock;
    // The gas zone's effective compressibility c_e (1E-5 per bar, see GasBalance.h) and the
    // formation volume factor of the produced water Wp that the lines may carry.
    double ce = 0;
    double bw = 1;

    bool operator==(const CaseValues&) const = default;
};

// A case ready to run: its values and its parsed rows.
struct RunInputs : CaseValues {
    Rows rows;

    bool operator==(const RunInputs&) const = default;
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

// How a run ended.
enum class RunEnd {
    Completed,
    InvalidCase,        // the case values admit no computation at all
    Time,               // the row's date lies before the previous one
    Production,         // Gp at or above OGIP: value Gp, limit OGIP
    Invasion,           // the influx would fill the gas pore volume: value V_i
    Numeric,            // the row's computation left the range of numbers
    SearchLimit,        // the pressure search used up its evaluations
    ImpossiblePressure, // value p, limit p_i
    ImpossiblePz,       // value p/z, limit (p/z)_i
    ImpossibleInflux,   // value the cumulative influx
};

struct RunStatus {
    RunEnd end = RunEnd::Completed;
    int row = -1; // the row the run ended on (-1: before the first row)
    int day = 0, month = 0, year = 0;
    double value = 0, limit = 0;
    int evaluations = 0; // of the pressure search (SearchLimit)

    bool completed() const { return end == RunEnd::Completed; }
    // An outcome no reservoir can have (or no pressure found): such a run has no error value.
    bool impossible() const {
        return end == RunEnd::SearchLimit || end == RunEnd::ImpossiblePressure ||
               end == RunEnd::ImpossiblePz || end == RunEnd::ImpossibleInflux;
    }
};

// Something the run noticed on the way, in the order noticed.
struct RunNote {
    enum class Kind {
        YearBefore1900, // a date before 1900 (row -1: the production start)
        NegativeDecay,  // a decay factor of the influx above 1: value the factor, gp the row's
    };
    Kind kind = Kind::YearBefore1900;
    int row = -1;
    double value = 0, gp = 0;
};

struct RunResult {
    double zInit = 0;
    double pzInit = 0;           // initial p/z, bar
    double eInit = 0;            // gas expansion factor at initial conditions
    double vInit = 0;            // initial gas-filled pore volume, Mio m3
    double weMax = 0;            // water the water zone can give off, Mio m3
    std::vector<RowRecord> rows; // the rows computed, up to the one the run ended on
    std::vector<RunNote> notes;
    RunStatus status;
    int unsettled = 0;    // rows whose pressure iteration did not settle
    double meanError = 0; // NaN when no measured pressure was compared, or when impossible

    bool aborted() const { return !status.completed(); }
    bool impossible() const { return status.impossible(); }
};

// A run of `values` over `rows` with the water zone of the case's influx scheme.
RunResult run(const CaseValues& values, const Rows& rows);
inline RunResult run(const RunInputs& in) {
    return run(in, in.rows);
}

// A run with the water zone `zone` (which the run starts afresh) instead of the scheme's.
RunResult run(const CaseValues& values, const Rows& rows, WaterZone& zone);

} // namespace brelvan::engine
