// The lines of the result report: the header block, the table, the lines of the aborts and
// the closing lines; and the chart captions. Every line is a printf format applied through
// brelvan::cformat; the column alignment rests on the exact widths and blanks below. The lines
// stand here in German; their users pass them through engine::tx(), and the English lines of
// engine/EngineTexts.cpp keep the same widths before every number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GasProperties.h"
#include "engine/Run.h"
#include "engine/RunChart.h"

namespace brelvan::report {

// ---- Header block
inline constexpr std::string_view kTitle =
    "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH";
inline constexpr std::string_view kField = "   FELD :%s";
// An empty-looking line is a single blank, never an empty string.
inline constexpr std::string_view kBlank = " ";
inline constexpr std::string_view kCompositionTitle = "   GASZUSAMMENSETZUNG (PROZENT)";
inline constexpr std::string_view kComponent = "   %s :%7.2f";
// Labels of the components, 7 characters each, in the order of a composition.
inline constexpr std::array<std::string_view, gas::kComponents> kComponentLabels = {
    " H2S   ", " CO2   ", " N2    ", " CH4   ", " C2H6  ", " C3H8  ", " iC4H10", " nC4H10",
    " iC5H12", " nC5H12", " C6H14 ", " C7H16 ", " C8H18 ", " C9H20 ", " C10H22"};
inline constexpr std::string_view kTemperature = "   LAGERSTAETTENTEMPERATUR    (GRAD C):%8.1f";
inline constexpr std::string_view kOgip = "   ORIGINAL-GAS-IN-PLACE     (MIO M*3):%8.1f";
inline constexpr std::string_view kWip = "   ORIGINAL-WASSER-IN-PLACE  (MIO M*3):%8.1f";
inline constexpr std::string_view kPressure = "   INITIALER LAGERSTAETTENDRUCK  (BAR):%8.1f";
inline constexpr std::string_view kZInit = "   INITIALER Z-WERT                (-):%8.3f";
inline constexpr std::string_view kCompressibility = "   KOMRESSIBILITAET          (E-5/BAR):%8.1f";
// Only in reports of a case whose gas zone has an expansion term: its c_e.
inline constexpr std::string_view kEffectiveCompressibility =
    "   KOMPR. GASZONE C_E        (E-5/BAR):%8.2f";
inline constexpr std::string_view kJValue = "   J-WERT NACH FETKOVITCH (M3/TAG BAR):%8.1f";
inline constexpr std::string_view kStart = "   FOERDERBEGINN                      :%2d.%2d.%4d";
// Only in reports of the interval-mean scheme; reports of the original scheme have no such line.
inline constexpr std::string_view kIntervalScheme =
    "   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH FETKOVITCH";
// Only in reports of a model other than Fetkovich: the model and, for the unsteady ones, the
// conductivity J gives and the size WIP gives.
inline constexpr std::string_view kModel = "   ZUFLUSSMODELL                      :%s";
inline constexpr std::string_view kModelPermeability =
    "   PERMEABILITAET AUS J-WERT       (MD):%8.1f";
inline constexpr std::string_view kModelRadius = "   AUSSENRADIUS AUS WIP             (M):%8.1f";
inline constexpr std::string_view kModelDepth = "   TIEFE AUS WIP                    (M):%8.1f";

// ---- Table header, added once when the first list row has been read
inline constexpr std::array<std::string_view, 4> kTableHeader = {
    "       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     WE     OGIP",
    "                      PRODKT.   P    MESSWERT       MESSWERT            ",
    "                TAGE  MIO M3   BAR     BAR     BAR    BAR   MIO M3  MIO M3", " "};

// The table header of a case with produced water: a column WP after the estimate.
inline constexpr std::array<std::string_view, 4> kTableHeaderWater = {
    "       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     WE     OGIP      WP",
    "                      PRODKT.   P    MESSWERT       MESSWERT                WASSER",
    "                TAGE  MIO M3   BAR     BAR     BAR    BAR   MIO M3  MIO M3  MIO M3", " "};

// ---- Table lines
// day, month, year, days, Gp, p, measured p, p/z, measured p/z, WE, gas-in-place estimate
inline constexpr std::string_view kMeasuredRow =
    "  %4d.%2d.%d %5.0f %7.1f %6.1f %7.1f %7.1f %6.1f %7.3f %7.1f";
// day, month, year, days, Gp, p, p/z, WE
inline constexpr std::string_view kProductionRow =
    "  %4d.%2d.%d %5.0f %7.1f  %5.1f     *   %7.1f    *   %7.3f    *";

// ---- Negative decay factor and aborts
inline constexpr std::string_view kNegativeDecay = "NEGATIVES DWE expwert:%6.2f bei Gp:%6.2f\n";
inline constexpr std::string_view kTimeAbort = "ABBRUCH WEGEN FALSCHER ZEIT: %d.%d.%d ";
inline constexpr std::string_view kProductionAbort =
    "ABBRUCH KUM.PRODUKTION %7.1f > OGIP VON %7.1f\n";
inline constexpr std::string_view kInvasion1 =
    "DIE WASSERINVASION IST GROESSER ALS DAS INITIALE GASGEFUELLTE";
inline constexpr std::string_view kInvasion2 =
    "PORENVOLUMEN VON:%7.2f MIO M3.DER ZEITSCHRITT IST ZUGROSS.";
inline constexpr std::string_view kInvasion3 =
    "EVENTUELL ZUSAETZLICHEN GP-WERT VOR %d.%d.%d EINFUEGEN.";
// A case whose values admit no computation (a value that is not a number, a temperature at or
// below absolute zero, an initial pressure that is not positive).
inline constexpr std::string_view kInvalidCase =
    "ABBRUCH WEGEN UNGUELTIGER FALLDATEN (TEMPERATUR, DRUCK, OGIP, WIP, KOMPRESSIBILITAET "
    "ODER J-WERT)";
// A row whose computation left the range of numbers (possible only with absurd values).
inline constexpr std::string_view kNumericAbort =
    "ABBRUCH WEGEN UNGUELTIGER RECHENWERTE BEI %d.%d.%d ";

// A row whose influx iteration did not settle within its passes, after the row's table line:
// date, the number of passes, the pressure change of the last pass (bar).
inline constexpr std::string_view kNotSettled =
    "  WARNUNG: DER DRUCK ZUM %d.%d.%d HAT SICH IN %d DURCHLAEUFEN NICHT EINGESTELLT "
    "(LETZTE AENDERUNG %.2f BAR)";
// A row with a physically impossible outcome: the first line names the date and what is
// impossible, the second the likely cause, the third the remedy.
inline constexpr std::string_view kImpossiblePressure =
    "ABBRUCH BEI %d.%d.%d: DER DRUCK VON %.1f BAR LIEGT UEBER DEM INITIALEN DRUCK VON %.1f BAR.";
inline constexpr std::string_view kImpossiblePz =
    "ABBRUCH BEI %d.%d.%d: P/Z VON %.1f BAR LIEGT UEBER DEM INITIALEN P/Z VON %.1f BAR.";
inline constexpr std::string_view kImpossibleInflux =
    "ABBRUCH BEI %d.%d.%d: DER KUMULATIVE WASSERZUFLUSS WAERE NEGATIV (%.3f MIO M3).";
inline constexpr std::string_view kImpossibleCause =
    "WAHRSCHEINLICH IST DER J-WERT FUER DEN ZEITSCHRITT ZU GROSS ODER DER ZEITSCHRITT ZU LANG.";
// The pressure search of the interval-mean scheme reached its bound on evaluations.
inline constexpr std::string_view kSearchLimit =
    "ABBRUCH BEI %d.%d.%d: DIE DRUCKSUCHE HAT NACH %d AUSWERTUNGEN KEINEN DRUCK GEFUNDEN.";

// ---- Closing lines
inline constexpr std::string_view kMeanErrorPrefix =
    "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :";
inline constexpr std::string_view kMeanError =
    "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :%5.2f BAR";
// The mean-error line of a run that compared no measured pressure.
inline constexpr std::string_view kMeanErrorNone =
    "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein Meßwert verglichen";
// After the mean-error line, only when some rows did not settle: their number.
inline constexpr std::string_view kNotSettledCount =
    "     ZEILEN OHNE EINGESTELLTEN DRUCK          :%5d";

// ---- The lines as the report holds them
std::string componentLine(int index, double percent);
std::string startLine(int day, int month, int year);
std::string measuredRow(int day, int month, int year, double days, double gp, double p,
                        double pMeasured, double pz, double pzMeasured, double we,
                        double ogipEstimate);
std::string productionRow(int day, int month, int year, double days, double gp, double p, double pz,
                          double we);
// The produced-water column appended to a row line of a case with produced water: after a
// measured row's estimate, and after a production-only row's star (three characters shorter).
inline constexpr std::string_view kWaterColumn = " %7.3f";
inline constexpr std::string_view kWaterColumnAfterStar = "    %7.3f";
// The mean-error line; the text kMeanErrorNone when `error` is not a number.
std::string meanErrorLine(double error);

// Appends the header block of the case `in` with its initial z to `out`.
void writeHeader(const engine::CaseValues& in, double zInit, std::vector<std::string>& out);

// ---- Chart captions
inline constexpr std::string_view kXAxisDays = "Zeit in Tagen";
inline constexpr std::string_view kXAxisProduction = "Kum.Produktion in Mio m3";
inline constexpr std::string_view kY1Axis = "Druck(Bar)";
inline constexpr std::string_view kY2Axis = "WE(Mio m3)";
inline constexpr std::string_view kLegendPressure = "Druck (Bar)";
inline constexpr std::string_view kLegendInflux = "WE (Mio m3)";
inline constexpr std::string_view kLegendMeasured = "Meßwerte (Bar)";

// Sets the axis and legend captions of `series` for its x axis.
void setCaptions(chart::Series& series, chart::XAxis axis);

} // namespace brelvan::report
