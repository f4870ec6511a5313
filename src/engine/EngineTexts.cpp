#include "engine/EngineTexts.h"

#include <array>

namespace brelvan::engine {

namespace {

// The report's lines keep the German widths wherever a number follows or a column is aligned,
// so that every number stands in the same column in both languages.
constexpr std::array kTexts = std::to_array<TextPair>({
    // The table of the model comparison.
    {"Modell                    OGIP   OGIP-Bereich (95 %)          WIP      J-Wert  RMS-Fehler    "
     "    AIC",
     "Model                     OGIP   OGIP interval (95 %)         WIP     J value   RMS error    "
     "    AIC"},
    {" bis ", " to "},
    {"* am besten gestützt (kleinster AIC = n ln(SS/n) + 2p): %s",
     "* best supported (smallest AIC = n ln(SS/n) + 2p): %s"},
    {"offen", "open"},
    // ---- Report (engine/Report.h)
    {"   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH",
     "   GAS RESERVOIR WITH FETKOVICH AQUIFER INFLUX"},
    {"   FELD :%s", "   FIELD:%s"},
    {"   GASZUSAMMENSETZUNG (PROZENT)", "   GAS COMPOSITION (PERCENT)"},
    {"   LAGERSTAETTENTEMPERATUR    (GRAD C):%8.1f",
     "   RESERVOIR TEMPERATURE       (DEG C):%8.1f"},
    {"   ORIGINAL-GAS-IN-PLACE     (MIO M*3):%8.1f",
     "   ORIGINAL GAS IN PLACE       (E6 M3):%8.1f"},
    {"   ORIGINAL-WASSER-IN-PLACE  (MIO M*3):%8.1f",
     "   ORIGINAL WATER IN PLACE     (E6 M3):%8.1f"},
    {"   INITIALER LAGERSTAETTENDRUCK  (BAR):%8.1f",
     "   INITIAL RESERVOIR PRESSURE    (BAR):%8.1f"},
    {"   INITIALER Z-WERT                (-):%8.3f",
     "   INITIAL Z-FACTOR                (-):%8.3f"},
    {"   KOMRESSIBILITAET          (E-5/BAR):%8.1f",
     "   COMPRESSIBILITY           (E-5/BAR):%8.1f"},
    {"   KOMPR. GASZONE C_E        (E-5/BAR):%8.2f",
     "   COMPR. GAS ZONE C_E       (E-5/BAR):%8.2f"},
    {"   J-WERT NACH FETKOVITCH (M3/TAG BAR):%8.1f",
     "   J VALUE (FETKOVICH)    (M3/DAY BAR):%8.1f"},
    {"   FOERDERBEGINN                      :%2d.%2d.%4d",
     "   PRODUCTION START                   :%2d.%2d.%4d"},
    {"   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH FETKOVITCH",
     "   INFLUX COMPUTATION                 :INTERVAL MEAN (FETKOVICH)"},
    {"   ZUFLUSSMODELL                      :%s", "   INFLUX MODEL                       :%s"},
    {"   PERMEABILITAET AUS J-WERT       (MD):%8.1f",
     "   PERMEABILITY FROM J VALUE       (MD):%8.1f"},
    {"   AUSSENRADIUS AUS WIP             (M):%8.1f",
     "   OUTER RADIUS FROM WIP            (M):%8.1f"},
    {"   TIEFE AUS WIP                    (M):%8.1f",
     "   LENGTH FROM WIP                  (M):%8.1f"},
    {"       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     WE     OGIP",
     "        DATE    TIME   CUM.   PRESS   PRESS    P/Z    P/Z     WE     OGIP"},
    {"                      PRODKT.   P    MESSWERT       MESSWERT            ",
     "                      PRODN.    P    MEASURED       MEASURED            "},
    {"                TAGE  MIO M3   BAR     BAR     BAR    BAR   MIO M3  MIO M3",
     "                DAYS   E6 M3   BAR     BAR     BAR    BAR    E6 M3   E6 M3"},
    {"       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     WE     OGIP      WP",
     "        DATE    TIME   CUM.   PRESS   PRESS    P/Z    P/Z     WE     OGIP      WP"},
    {"                      PRODKT.   P    MESSWERT       MESSWERT                WASSER",
     "                      PRODN.    P    MEASURED       MEASURED                 WATER"},
    {"                TAGE  MIO M3   BAR     BAR     BAR    BAR   MIO M3  MIO M3  MIO M3",
     "                DAYS   E6 M3   BAR     BAR     BAR    BAR    E6 M3   E6 M3   E6 M3"},
    {"NEGATIVES DWE expwert:%6.2f bei Gp:%6.2f\n", "NEGATIVE DWE expvalue:%6.2f at Gp: %6.2f\n"},
    {"ABBRUCH WEGEN FALSCHER ZEIT: %d.%d.%d ", "ABORT: DATE OUT OF SEQUENCE: %d.%d.%d "},
    {"ABBRUCH KUM.PRODUKTION %7.1f > OGIP VON %7.1f\n",
     "ABORT: CUM. PRODUCTION %7.1f > OGIP OF  %7.1f\n"},
    {"DIE WASSERINVASION IST GROESSER ALS DAS INITIALE GASGEFUELLTE",
     "THE WATER INFLUX EXCEEDS THE INITIAL GAS-FILLED"},
    {"PORENVOLUMEN VON:%7.2f MIO M3.DER ZEITSCHRITT IST ZUGROSS.",
     "PORE VOLUME OF:  %7.2f E6 M3. THE TIME STEP IS TOO LARGE."},
    {"EVENTUELL ZUSAETZLICHEN GP-WERT VOR %d.%d.%d EINFUEGEN.",
     "IF NEEDED, INSERT A GP VALUE BEFORE %d.%d.%d."},
    {"ABBRUCH WEGEN UNGUELTIGER RECHENWERTE BEI %d.%d.%d ",
     "ABORT DUE TO INVALID COMPUTED VALUES AT   %d.%d.%d "},
    {"  WARNUNG: DER DRUCK ZUM %d.%d.%d HAT SICH IN %d DURCHLAEUFEN NICHT EINGESTELLT (LETZTE "
     "AENDERUNG %.2f BAR)",
     "    WARNING: PRESSURE ON %d.%d.%d STILL AFTER %d PASSES OF THE INFLUX LOOP UNSETTLED (LAST "
     "CHANGE %.2f BAR)"},
    {"ABBRUCH BEI %d.%d.%d: DER DRUCK VON %.1f BAR LIEGT UEBER DEM INITIALEN DRUCK VON %.1f BAR.",
     "ABORT, DATE %d.%d.%d: A PRESSURE OF %.1f BAR LIES ABOVE THE INITIAL PRESSURE OF  %.1f BAR."},
    {"ABBRUCH BEI %d.%d.%d: P/Z VON %.1f BAR LIEGT UEBER DEM INITIALEN P/Z VON %.1f BAR.",
     "ABORT, DATE %d.%d.%d: P/Z OF  %.1f BAR IS HIGHER THAN THE INITIAL P/Z OF %.1f BAR."},
    {"ABBRUCH BEI %d.%d.%d: DER KUMULATIVE WASSERZUFLUSS WAERE NEGATIV (%.3f MIO M3).",
     "ABORT, DATE %d.%d.%d: THE CUMULATIVE WATER INFLUX TURNS NEGATIVE (%.3f E6 M3)."},
    {"ABBRUCH BEI %d.%d.%d: DIE DRUCKSUCHE HAT NACH %d AUSWERTUNGEN KEINEN DRUCK GEFUNDEN.",
     "ABORT, DATE %d.%d.%d: NO PRESSURE FOUND AFTER %d EVALUATIONS OF THE PRESSURE SEARCH."},
    {"ABBRUCH WEGEN UNGUELTIGER FALLDATEN (TEMPERATUR, DRUCK, OGIP, WIP, KOMPRESSIBILITAET "
     "ODER J-WERT)",
     "ABORT BECAUSE OF INVALID CASE DATA (TEMPERATURE, PRESSURE, OGIP, WIP, COMPRESSIBILITY OR "
     "J VALUE)"},
    {"WAHRSCHEINLICH IST DER J-WERT FUER DEN ZEITSCHRITT ZU GROSS ODER DER ZEITSCHRITT ZU LANG.",
     "PROBABLY THE J VALUE IS TOO LARGE FOR THE TIME STEP, OR THE TIME STEP IS TOO LONG."},
    {"     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :",
     "     MEAN ERROR OF THE COMPUTED PRESSURE      :"},
    {"     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG :%5.2f BAR",
     "     MEAN ERROR OF THE COMPUTED PRESSURE      :%5.2f BAR"},
    {"     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : kein Meßwert verglichen",
     "     MEAN ERROR OF THE COMPUTED PRESSURE      : no measured value compared"},
    {"     ZEILEN OHNE EINGESTELLTEN DRUCK          :%5d",
     "     ROWS WITHOUT A SETTLED PRESSURE          :%5d"},

    // ---- Report: the influx model's name in the header block
    {"FETKOVITCH", "FETKOVICH"},
    {"VAN EVERDINGEN-HURST", "VAN EVERDINGEN-HURST"},
    {"CARTER-TRACY", "CARTER-TRACY"},
    {"TOPF", "POT AQUIFER"},
    // ---- Chart captions
    {"Zeit in Tagen", "Time in days"},
    {"Kum.Produktion in Mio m3", "Cum. production in million m3"},
    {"Druck(Bar)", "Pressure (bar)"},
    {"WE(Mio m3)", "We (million m3)"},
    {"Druck (Bar)", "Pressure (bar)"},
    {"WE (Mio m3)", "We (million m3)"},
    {"Meßwerte (Bar)", "Measured (bar)"},
    // ---- Dates
    {"ERROR JAHR < 1900", "ERROR YEAR < 1900"},
    // ---- Sensitivity search
    // One word in English, as the results dialog takes the line apart at its blanks.
    {"kein Wert   %12.1f   %12.1f   %12.1f", "n/a         %12.1f   %12.1f   %12.1f"},
    {"Es wurden %d Fälle gerechnet\nMin.Error: %5.3f OGIP: %5.1f WIP: %5.1f JWert: %5.2f\n"
     "Wollen Sie die Einzelergebnisse sehen?",
     "%d cases were computed\nMin. error: %5.3f OGIP: %5.1f WIP: %5.1f J: %5.2f\n"
     "Do you want to see the individual results?"},
    {"Es wurden %d Fälle gerechnet\nKein Fall ergab einen Fehlerwert (kein Meßwert "
     "verglichen).\nOGIP, WIP und JWert bleiben unverändert.\nWollen Sie die Einzelergebnisse "
     "sehen?",
     "%d cases were computed\nNo case yielded an error value (no measured value compared).\n"
     "OGIP, WIP and J stay unchanged.\nDo you want to see the individual results?"},
    // ---- Diagnostics: the water-support test
    {"ja", "yes"},
    {"nein", "no"},
    {"unklar", "unclear"},
    {"Wasserzufluss: %s", "Water influx: %s"},
    {"Zu wenige Messpunkte für eine Aussage: der Test braucht mindestens drei Meßwerte bei "
     "mindestens zwei verschiedenen Gp über 0.",
     "Too few measured points for a verdict: the test needs at least three measured values at "
     "no fewer than two different Gp above 0."},
    {"F = %s, %s, Streuung %s bar (p/z), %d Meßwerte",
     "F = %s, %s, scatter %s bar (p/z), %d measured values"},
    {"Die gemessenen p/z liegen signifikant über der volumetrischen Geraden durch (0, (p/z)i) "
     "(%s): Wasser aus der Wasserzone stützt den Druck, die p/z-Gerade überschätzt das Gas in "
     "place.",
     "The measured p/z lie significantly above the volumetric line through (0, (p/z)i) (%s): "
     "water from the aquifer supports the pressure, and the p/z line overestimates the gas in "
     "place."},
    {"Die gemessenen p/z biegen signifikant unter die volumetrische Gerade (%s): das spricht "
     "gegen Wasserzufluss (eher Kompressibilität von Gestein und Wasser oder fehlerhafte "
     "Werte).",
     "The measured p/z bend significantly below the volumetric line (%s): this speaks against "
     "water influx (rather the compressibility of rock and water, or faulty values)."},
    {"Die gemessenen p/z fallen nicht mit der Förderung; der Test kann nichts aussagen (%s).",
     "The measured p/z do not fall with production; the test cannot tell anything (%s)."},
    {"Die volumetrische Gerade durch (0, (p/z)i) erklärt die Meßwerte innerhalb ihrer "
     "Streuung; eine Biegung nach oben verbessert sie nicht signifikant (%s). Ein Cole-Anstieg "
     "von %s %% wäre mit %s %% Wahrscheinlichkeit erkannt worden: kein Hinweis auf "
     "Wasserzufluss.",
     "The volumetric line through (0, (p/z)i) explains the measured values within their "
     "scatter; an upward bend does not improve it significantly (%s). A Cole plot rise of %s %% "
     "would have been detected with %s %% probability: no sign of water influx."},
    {"Die Meßwerte lassen keine Aussage zu: keine signifikante Biegung (%s), aber auch ein "
     "Cole-Anstieg von %s %% wäre nur mit %s %% Wahrscheinlichkeit erkannt worden (zu wenige "
     "Punkte, zu wenig Druckabfall oder zu viel Streuung).",
     "The measured values allow no verdict: no significant bend (%s), but a Cole plot rise of "
     "%s %% would also have been detected with only %s %% probability (too few points, too "
     "little pressure decline or too much scatter)."},
    // ---- Fit
    {"J-Wert", "J value"},
    {"m3/(Tag·bar)", "m3/(day·bar)"},
    {"Mio m3", "million m3"},
    {"%s liegt am Rand des Suchbereichs", "%s lies on the edge of the search range"},
    {"Am besten Punkt ergibt die Rechnung keinen Fehlerwert.",
     "At the best point the computation yields no error value."},
    {"Kein Parameter ist frei.", "No parameter is free."},
    {"Für Bereiche werden mehr Meßwerte (%d) als freie Parameter (%d) benötigt.",
     "Ranges need more measured values (%d) than free parameters (%d)."},
    {"Die Profilsuche fand wiederholt tiefere Punkte; es werden keine Bereiche angegeben.",
     "The profile search repeatedly found lower points; no ranges are given."},
    {"Starts am Optimum: %d von %d", "Starts at the optimum: %d of %d"},
    {", 1 Neustart aus der Profilsuche", ", 1 restart from the profile search"},
    {", %d Neustarts aus der Profilsuche", ", %d restarts from the profile search"},
    {"%s: %s bis %s %s", "%s: %s to %s %s"},
    {", nach unten offen", ", open below"},
    {", nach oben offen", ", open above"},
    {"OGIP,WIP,JWert,RMSFehler,MittlererFehler\n", "OGIP,WIP,J,RMSError,MeanError\n"},
    // ---- Model comparison
    {"Kein freier Parameter.", "No free parameter."},
    {"Am Startpunkt ergibt die Rechnung keinen Fehlerwert.",
     "At the starting point the computation yields no error value."},
    // ---- Influx models
    {"Topf", "Pot aquifer"},
    {"die Permeabilität (k > 0)", "the permeability (k > 0)"},
    {"die Mächtigkeit (h > 0)", "the thickness (h > 0)"},
    {"die Porosität (> 0)", "the porosity (> 0)"},
    {"die Wasserviskosität (> 0)", "the water viscosity (> 0)"},
    {"der Radius bis GWC (Rw > 0)", "the radius to the GWC (Rw > 0)"},
    {"der Radius bis Brelvanende (Re > Rw)", "the radius to the aquifer boundary (Re > Rw)"},
    {"die Tiefe des Brelvans (L > 0)", "the aquifer length (L > 0)"},
    {"die Breite des Brelvans (B > 0)", "the aquifer width (B > 0)"},
    {"die Kompressibilität (> 0)", "the compressibility (> 0)"},
    {"das Wasser-in-place (WIP > 0)", "the water in place (WIP > 0)"},
    {"der J-Wert (> 0)", "the J value (> 0)"},
    {"Für das Zuflussmodell %s fehlt %s.", "The influx model %s lacks %s."},
});

const Catalogue kCatalogue(kTexts);

} // namespace

const Catalogue& catalogue() {
    return kCatalogue;
}

const char* tx(const char* german) {
    return kCatalogue(german);
}

std::string_view tx(std::string_view german) {
    return kCatalogue(german);
}

} // namespace brelvan::engine
