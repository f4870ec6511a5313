#include "document/DocumentTexts.h"

#include <array>

namespace brelvan::document {

namespace {

// German text as it stands in the code, English beside it. Messages keep their printf
// conversions in the same order.
constexpr std::array kTexts = std::to_array<TextPair>({
    // ---- The case: its name while it has no file, and the chart captions of a new case
    {"Unbenannt", "Untitled"},
    {"Zeit in Tagen", "Time in days"},
    {"Druck(Bar)", "Pressure(bar)"},
    {"WE(Mio m3)", "We(million m3)"},
    {"Druck (Bar)", "Pressure (bar)"},
    {"WE (Mio m3)", "We (million m3)"},
    {"Meßwerte (Bar)", "Measured (bar)"},

    // ---- Reading a case file
    {"die Datei endet bei Byte %u vor %s", "the file ends at byte %u before %s"},
    {"einem Byte", "a byte"},
    {"einer 16-Bit-Zahl", "a 16-bit number"},
    {"einer 32-Bit-Zahl", "a 32-bit number"},
    {"einer ganzen Zahl", "an integer"},
    {"einer Gleitkommazahl", "a floating-point number"},
    {"dem Text", "the text"},
    {"weiteren Bytes", "further bytes"},
    {"der Text ab Byte %u soll %u Zeichen lang sein, die Datei hat danach nur %u Bytes",
     "the text at byte %u is to be %u characters long, but the file has only %u bytes after it"},
    {"die Liste ab Byte %u soll %u Einträge haben, die Datei hat danach nur %u Bytes",
     "the list at byte %u is to have %u entries, but the file has only %u bytes after it"},
    {"der Erweiterungsblock ab Byte %u ist beschädigt: %s",
     "the extension block at byte %u is damaged: %s"},
    {"er endet vor seiner Länge", "it ends before its length"},
    {"er beginnt nicht mit „BRVX“", "it does not begin with “BRVX”"},
    {"er soll %u Bytes lang sein, die Datei hat danach nur %u Bytes",
     "it is to be %u bytes long, but the file has only %u bytes after it"},
    {"nach ihm folgen noch %u Bytes", "%u more bytes follow it"},
    {"das Feld ab Byte %u endet vor seiner Länge", "the field at byte %u ends before its length"},
    {"das Feld ab Byte %u soll %u Bytes lang sein, der Block hat danach nur %u Bytes",
     "the field at byte %u is to be %u bytes long, but the block has only %u bytes after it"},
    {"das Rechenverfahren ab Byte %u ist weder 0 noch 1",
     "the influx scheme at byte %u is neither 0 nor 1"},
    {"das Zuflussmodell ab Byte %u ist keines von 0 bis 3",
     "the influx model at byte %u is none of 0 to 3"},
    {"%s ab Byte %u ist keine Zahl von %g bis %g", "%s at byte %u is no number from %g to %g"},
    {"die Gesteinskompressibilität", "the rock compressibility"},
    {"die Haftwasserkompressibilität", "the connate water compressibility"},
    {"die Haftwassersättigung", "the connate water saturation"},
    {"der Formationsvolumenfaktor des Wassers", "the water formation volume factor"},

    // ---- Open, Save, the report file and the help
    {"Die Datei „%s“ kann nicht geöffnet werden: %s.", "The file “%s” cannot be opened: %s."},
    {"Die Datei „%s“ ist keine vollständige Brelvan-Falldatei: %s.\nDer geöffnete Fall bleibt "
     "unverändert.",
     "The file “%s” is not a complete Brelvan case file: %s.\nThe open case stays unchanged."},
    {"Der Fall kann nicht in der Datei „%s“ gespeichert werden: er wäre über %zu MiB groß, eine "
     "Falldatei darf aber höchstens %zu MiB haben, sonst ließe sie sich nicht wieder öffnen. "
     "Bitte die Meßdaten kürzen.",
     "The case cannot be saved in the file “%s”: it would be larger than %zu MiB, but a case "
     "file may have at most %zu MiB, or it could not be opened again. Please shorten the "
     "measurements."},
    {"Der Fall konnte nicht in der Datei „%s“ gespeichert werden: %s.%s",
     "The case could not be saved in the file “%s”: %s.%s"},
    {"\nDie bisherige Datei bleibt unverändert.", "\nThe existing file stays unchanged."},
    {"Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden (%s): %s!",
     "The results could not be written to the file aus.txt (%s): %s!"},
    {"Die Ergebnisse sind in die Datei aus.txt geschrieben!",
     "The results have been written to the file aus.txt!"},
    {"\nOrdner: ", "\nFolder: "},
    {"Die Datei aus.txt (%s) kann nicht gelesen werden: %s. Der Bericht bleibt unverändert.",
     "The file aus.txt (%s) cannot be read: %s. The report stays unchanged."},
    {"%d Zeilen wurden eingelesen", "%d lines were read"},
    {"Hilfedatei nicht gefunden!", "Help file not found!"},

    // ---- The input dialog's fields and measurements
    {"Geben Sie eine Zahl ein.", "Enter a number."},
    {"Geben Sie eine ganze Zahl ein.", "Enter an integer."},
    {"Geben Sie eine Zahl zwischen %s und %s ein.", "Enter a number between %s and %s."},
    {"Geben Sie eine ganze Zahl zwischen %s und %s ein.", "Enter an integer between %s and %s."},
    {"Es liegen keine Druckmeßwerte vor!", "There are no measured pressures!"},
    {"Es liegen keine Meßwerte vor!", "There are no measurements!"},
    {"%d.Zeile: %s.\n%s", "Row %d: %s.\n%s"},
    {"Es wurden keine Schließdruckwerte eingegeben", "No shut-in pressures have been entered"},
    {"Bitte Gaskomponenten eingeben", "Please enter the gas composition"},
    {"Die Summe der Gaskomponenten ist > 100 !", "The sum of the gas components is > 100 !"},
    {"Die max.Kum.Produktion %5.2f >= OGIP von %5.2f",
     "The max. cumulative production %5.2f >= OGIP of %5.2f"},
    {"%d.Zeile ausgewählt", "Row %d selected"},
    {"Keine Zeile ausgewählt: Bitte wählen Sie zuerst %s in der Liste mit Doppelklick aus.",
     "No row selected: please first double-click %s in the list."},
    {"die zu ändernde Zeile", "the row to change"},
    {"die Zeile, vor der eingefügt werden soll,", "the row before which to insert"},
    {"die zu löschende Zeile", "the row to delete"},
    {"Soll diese Zeile geändert werden?\n", "Change this row?\n"},
    {"%d.Zeile wurde geändert", "Row %d changed"},
    {"Soll diese Zeile angehängt werden?\n", "Append this row?\n"},
    {"%d.Zeile angehängt", "Row %d appended"},
    {"Soll diese Zeile vor der markarkierten eingefügt werden?\n",
     "Insert this row before the selected one?\n"},
    {"%d.Zeile eingefügt", "Row %d inserted"},
    {"Soll diese Zeile wirklich gelöscht werden?\n", "Really delete this row?\n"},
    {"%d.Zeile gelöscht", "Row %d deleted"},
    {"Die Datei %s kann nicht geöffnet werden: %s.", "The file %s cannot be opened: %s."},
    {"%s wird geöffnet", "Opening %s"},
    {"In der %d.Zeile 100 Zeichen gelesen", "100 characters read in line %d"},
    {"%d.Zeile: %s", "Line %d: %s"},
    {"Die Zeile enhält keine 6 Werte\n %s", "The line does not hold 6 values\n %s"},
    {"%d Zeilen mit ungültigen Zahlen wurden übersprungen.\nDie erste: %s.",
     "%d lines with invalid numbers were skipped.\nThe first: %s."},
    {"Soll der neue J-Wert von %5.2f und der neue WI-Wert von %5.1f genommen werden?",
     "Take the new J value of %5.2f and the new WIP of %5.1f?"},
    {"Die Zeile enthält zu wenig Daten", "The row holds too few values"},
    {"Fehler bei der Angabe der Tage", "Error in the day"},
    {"Fehler bei der Angabe der Monate", "Error in the month"},
    {"Fehler bei der Angabe des Jahres", "Error in the year"},
    {"Keine zeitliche Reihenfolge", "Not in time order"},

    // ---- The J value dialog
    {"Re-Wert <= Rw-Wert", "Re value <= Rw value"},
    {"Da Re/Rw < 2.943 ist, wird ein lineares Brelvan gerechnet\n mit der Breite B: %7.2f und "
     "der Tiefe L: %7.2f",
     "As Re/Rw < 2.943, a linear aquifer is computed\n with the width B: %7.2f and the depth L: "
     "%7.2f"},
    {"Die Permeabilität bzw.die Mächtigkeit sind Null",
     "The permeability or the thickness is zero"},
    {"Die Porosität ist Null", "The porosity is zero"},
    {"Die Wasserviskosität muss größer als Null sein",
     "The water viscosity must be greater than zero"},
    {"Die Tiefe des linearen Brelvans ist Null", "The depth of the linear aquifer is zero"},
    {"Die Breite des linearen Brelvans ist Null", "The width of the linear aquifer is zero"},
    {"Der Ring ist zu schmal für die radiale Formel (Re/Rw zu klein); verlassen Sie das Feld "
     "\"Radius bis Brelvanende\", damit ein lineares Brelvan gerechnet wird",
     "The ring is too narrow for the radial formula (Re/Rw too small); leave the field \"Radius "
     "to aquifer boundary\" so that a linear aquifer is computed"},
    {"Radius bis Brelvanende <= Radius bis GWC", "Radius to aquifer boundary <= radius to GWC"},
    {"Radius bis GWC bzw.Radius bis Brelvanende sind Null",
     "Radius to GWC or radius to aquifer boundary is zero"},

    // ---- The sensitivity search
    {"JWert", "J value"},
    {"%s=0 bzw Max.Wert<=Min.Wert", "%s=0 or max. value<=min. value"},
    {"%s: Der Bereich ist zu groß, seine Rasterwerte sind keine endlichen Zahlen",
     "%s: the range is too large, its grid values are not finite numbers"},
    {"Der beste Fall (OGIP %.3f, WIP %.3f, J-Wert %.4f) liegt außerhalb der Grenzen der Eingabe "
     "(OGIP und WIP %g bis %g Mio m3, J-Wert %g bis %g m3/(Tag bar)). ",
     "The best case (OGIP %.3f, WIP %.3f, J value %.4f) lies outside the limits of the input "
     "(OGIP and WIP %g to %g million m3, J value %g to %g m3/(day bar)). "},
    {"Übernommen wird der beste Fall innerhalb der Grenzen: OGIP %.3f, WIP %.3f, J-Wert %.4f "
     "(mittlerer Fehler %.4f).",
     "The best case within the limits is taken: OGIP %.3f, WIP %.3f, J value %.4f (mean error "
     "%.4f)."},
    {"Kein Fall innerhalb der Grenzen ergab einen Fehlerwert; die Werte des Falls bleiben.",
     "No case within the limits gave an error value; the case keeps its values."},

    // ---- CSV import of measurements
    {"Die Datei ist größer als %d MB.", "The file is larger than %d MB."},
    {"Die Datei enthält keine Zeilen.", "The file holds no lines."},
    {"Die Zeile %d der Datei ist leer oder fehlt; sie kann nicht die Überschrift sein.",
     "Line %d of the file is empty or missing; it cannot be the heading."},
    {"Spalte %d", "Column %d"},
    {"Keine Spalte mit dem Datum gefunden.", "No column with the date found."},
    {"Keine Spalte mit der kumulativen Produktion (Gp) gefunden.",
     "No column with the cumulative production (Gp) found."},
    {"Die Zahlen der Datei haben teils ein Dezimalkomma („%s“ in Zeile %d), teils einen "
     "Dezimalpunkt („%s“ in Zeile %d).",
     "The numbers of the file have partly a decimal comma (“%s” in line %d), partly a decimal "
     "point (“%s” in line %d)."},
    {"„%s“ in Zeile %d kann %s oder %s bedeuten, und nichts in der Datei entscheidet, ob „%c“ "
     "das Dezimalzeichen ist.",
     "“%s” in line %d may mean %s (with a decimal comma) or %s, and nothing in the file decides "
     "whether “%c” is the decimal character."},
    {"Die Daten der Datei stehen teils mit dem Tag zuerst („%s“ in Zeile %d), teils mit dem "
     "Monat zuerst („%s“ in Zeile %d).",
     "The dates of the file have partly the day first (“%s” in line %d), partly the month first "
     "(“%s” in line %d)."},
    {"Das Datum „%s“ in Zeile %d kann der %d.%d. oder der %d.%d. sein, und kein Datum der Datei "
     "entscheidet, ob der Tag oder der Monat zuerst steht.",
     "The date “%s” in line %d may be day %d of month %d or day %d of month %d, and no date of "
     "the file decides whether the day or the month comes first."},
    {"Datum fehlt", "date missing"},
    {"„%s“ ist kein Datum (T.M.JJJJ, JJJJ-MM-TT oder %s)",
     "“%s” is not a date (D.M.YYYY, YYYY-MM-DD or %s)"},
    {"MM/TT/JJJJ", "MM/DD/YYYY"},
    {"JJJJ/MM/TT", "YYYY/MM/DD"},
    {"TT/MM/JJJJ", "DD/MM/YYYY"},
    {"Gp fehlt", "Gp missing"},
    {"Gp „%s“ ist keine Zahl", "Gp “%s” is not a number"},
    {"Gp ist negativ", "Gp is negative"},
    {"Druck „%s“ ist keine Zahl", "pressure “%s” is not a number"},
    {"Druck ist negativ", "pressure is negative"},
    {"Wp „%s“ ist keine Zahl", "Wp “%s” is not a number"},
    {"Wp ist negativ", "Wp is negative"},
    {"Das Datum %d.%d.%d gibt es nicht", "The date %d.%d.%d does not exist"},
    {"Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)",
     "Not in time order (not after the production start)"},
    {"Das Datum steht schon in Zeile %d", "The date is already in line %d"},
    {"Keine zeitliche Reihenfolge (vor dem Datum der Zeile %d)",
     "Not in time order (before the date of line %d)"},
    {"Komma", "comma"},
    {"Punkt", "point"},
    {"TMJ", "DMY"},
    {"MTJ", "MDY"},
    {"JMT", "YMD"},

    // ---- A pressure history for the influx calculator
    {"Zeile %d des Druckverlaufs enthält nicht genau zwei Zahlen (Tage und Druck).",
     "Line %d of the pressure history does not hold exactly two numbers (days and pressure)."},
    {"Der Druckverlauf hat mehr als %d Zeilen.", "The pressure history has more than %d lines."},
    {"Die erste Zeile des Druckverlaufs (Zeile %d) muss Tag 0 mit dem Anfangsdruck sein.",
     "The first line of the pressure history (line %d) must be day 0 with the initial pressure."},
    {"Zeile %d des Druckverlaufs liegt zeitlich vor der vorigen.",
     "Line %d of the pressure history lies before the previous one in time."},
    {"Der Druck in Zeile %d des Druckverlaufs ist nicht größer als 0.",
     "The pressure in line %d of the pressure history is not greater than 0."},
    {"Der Druckverlauf enthält keine Zeile mit Tagen und Druck.",
     "The pressure history holds no line with days and pressure."},

    // ---- Exported tables: sheet names, headings, labels and units
    {"Bericht", "Report"},
    {"Datum", "Date"},
    {"Zeit (Tage)", "Time (days)"},
    {"Gp (Mio m3)", "Gp (million m3)"},
    {"Druck berechnet (bar)", "Computed pressure (bar)"},
    {"Druck gemessen (bar)", "Measured pressure (bar)"},
    {"p/z berechnet (bar)", "Computed p/z (bar)"},
    {"p/z gemessen (bar)", "Measured p/z (bar)"},
    {"OGIP-Schätzung (Mio m3)", "OGIP estimate (million m3)"},
    {"Wp (Mio m3)", "Wp (million m3)"},
    {"Falldaten", "Case data"},
    {"Größe", "Quantity"},
    {"Wert", "Value"},
    {"Einheit", "Unit"},
    {"Feld", "Field"},
    {"Förderbeginn", "Production start"},
    {"Lagerstättentemperatur", "Reservoir temperature"},
    {"Grad C", "deg C"},
    {"Original-Gas-in-place (OGIP)", "Original gas in place (OGIP)"},
    {"Mio m3", "million m3"},
    {"Original-Wasser-in-place (WIP)", "Aquifer water in place (WIP)"},
    {"Initialer Lagerstättendruck", "Initial reservoir pressure"},
    {"Initialer z-Wert", "Initial z-factor"},
    {"Kompressibilität", "Compressibility"},
    {"J-Wert nach Fetkovich", "J value (Fetkovich)"},
    {"m3/(Tag·bar)", "m3/(day·bar)"},
    {"Kompressibilität Gestein der Gaszone", "Rock compressibility of the gas zone"},
    {"Kompressibilität Haftwasser", "Connate water compressibility"},
    {"Haftwassersättigung", "Connate water saturation"},
    {"Formationsvolumenfaktor Wasser", "Water formation volume factor"},
    {"Grafik x-Achse", "Chart x axis"},
    {"Tage", "Days"},
    {"Kum.Produktion", "Cum. production"},
    {"Permeabilität", "Permeability"},
    {"Mächtigkeit", "Thickness"},
    {"Viskosität", "Viscosity"},
    {"Porosität", "Porosity"},
    {"Radius bis GWC", "Radius to GWC"},
    {"Radius bis Ende der Wasserzone", "Radius to aquifer boundary"},
    {"Tiefe (lineare Wasserzone)", "Depth (linear aquifer)"},
    {"Breite (lineare Wasserzone)", "Width (linear aquifer)"},
    {"Winkel", "Angle"},
    {"Grad", "deg"},
    {"Sensitivität", "Sensitivity"},
    {"Fall", "Case"},
    {"Mittlerer Fehler (bar)", "Mean error (bar)"},
    {"OGIP (Mio m3)", "OGIP (million m3)"},
    {"WIP (Mio m3)", "WIP (million m3)"},
    {"J-Wert (m3/(Tag·bar))", "J value (m3/(day·bar))"},
    {"es liegen keine berechneten Zeilen vor", "there are no computed rows"},
    {"Anpassung", "Fit"},
    {"95-%%-Bereich von", "95 %% interval from"},
    {"95-%%-Bereich bis", "95 %% interval to"},
    {"Bereich", "Interval"},
    {"frei", "free"},
    {"fest", "fixed"},
    {"nicht berechnet", "not computed"},
    {"nach unten und oben offen", "open below and above"},
    {"nach unten offen", "open below"},
    {"nach oben offen", "open above"},
    {"RMS-Fehler (bar)", "RMS error (bar)"},
    {"Iterationen", "Iterations"},
    {"Fehlerkarte", "Misfit map"},
    {"Tabelle", "Sheet"},
    {"kein Dateiname", "no file name"},
    {"die Arbeitsmappe kann nicht angelegt werden", "the workbook cannot be created"},
    {"die Arbeitsmappe kann nicht angelegt werden: %s", "the workbook cannot be created: %s"},
    {"die Arbeitsmappe kann nicht angelegt werden: der Ordner für temporäre Dateien fehlt",
     "the workbook cannot be created: the folder for temporary files is missing"},
    {"die Arbeitsmappe kann nicht geschrieben werden (%s)", "the workbook cannot be written (%s)"},
});

} // namespace

const Catalogue& catalogue() {
    static const Catalogue texts(kTexts);
    return texts;
}

const char* tx(const char* german) {
    return catalogue()(german);
}

std::string_view tx(std::string_view german) {
    return catalogue()(german);
}

} // namespace brelvan::document
