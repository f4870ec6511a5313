#include "cli/CliTexts.h"

#include <array>

namespace cli {

namespace {

// German text, English text.
constexpr auto kTexts = std::to_array<brelvan::TextPair>({
    {" -> Ja", " -> Yes"},
    {" -> Nein", " -> No"},
    {"„%s“ ist keine gültige Zahl für --%s.", "“%s” is not a valid number for --%s."},
    {"--x erwartet „tage“ oder „gp“, nicht „%s“.", "--x expects “days” or “gp”, not “%s”."},
    {"Aufruf: brelvan-cli bericht FALL.brv [--x tage|gp] [--verfahren original|intervall]\n"
     "                            [--modell fetkovich|veh|carter-tracy|topf]\n"
     "                            [--aus DATEI] [--csv DATEI.csv] [--csv-format komma|punkt]\n"
     "                            [--xlsx DATEI.xlsx]\n"
     "Öffnet den Fall, prüft die Eingaben wie der Eingabedialog bei OK, rechnet und gibt den\n"
     "Ergebnisbericht aus.\n"
     "  --x tage|gp   x-Achse der Grafik: Tage (Vorgabe) oder kumulative Produktion\n"
     "  --verfahren original|intervall\n"
     "                Zuflussberechnung: laufendes Mittel (Original) oder Intervallmittel nach\n"
     "                Fetkovich; ohne die Option die des Falls\n"
     "  --modell fetkovich|veh|carter-tracy|topf\n"
     "                Zuflussmodell: Fetkovich, van Everdingen-Hurst, Carter-Tracy oder Topf;\n"
     "                ohne die Option das des Falls\n"
     "  --aus DATEI   schreibt den Bericht zusätzlich wie „aus.txt“ in DATEI\n"
     "%s\n"
     "„-“ als FALL.brv liest den Fall von der Standardeingabe; „--aus -“ oder „--csv -“\n"
     "schreibt diese Datei statt des Berichts auf die Standardausgabe.\n"
     "Rückgabewert 3, wenn die Rechnung mit einem Abbruch endet (der Bericht sagt, warum).",
     "Usage: brelvan-cli report CASE.brv [--x days|gp] [--scheme original|interval]\n"
     "                           [--model fetkovich|veh|carter-tracy|pot]\n"
     "                           [--out FILE] [--csv FILE.csv] [--csv-format comma|point]\n"
     "                           [--xlsx FILE.xlsx]\n"
     "Opens the case, checks the inputs as the input dialog does on OK, computes and prints the\n"
     "results report.\n"
     "  --x days|gp   x axis of the chart: days (default) or cumulative production\n"
     "  --scheme original|interval\n"
     "                influx computation: running mean (original) or interval mean after\n"
     "                Fetkovich; without the option the case's\n"
     "  --model fetkovich|veh|carter-tracy|pot\n"
     "                influx model: Fetkovich, van Everdingen–Hurst, Carter–Tracy or pot\n"
     "                aquifer; without the option the case's\n"
     "  --out FILE    also writes the report like “aus.txt” to FILE\n"
     "%s\n"
     "“-” as CASE.brv reads the case from standard input; “--out -” or “--csv -” writes that\n"
     "file to standard output instead of the report.\n"
     "Exit status 3 when the computation ends with an abort (the report says why)."},
    {"Bitte genau eine Falldatei angeben.", "Please give exactly one case file."},
    {"Die Datei „%s“ kann nicht geschrieben werden: %s.", "The file “%s” cannot be written: %s."},
    {"Aufruf: brelvan-cli sensitivitaet FALL.brv --ogip MIN:MAX --wip MIN:MAX --jwert MIN:MAX\n"
     "                                  [--x tage|gp] [--verfahren original|intervall]\n"
     "                                  [--modell fetkovich|veh|carter-tracy|topf]\n"
     "                                  [--speichern NEU.brv]\n"
     "Sucht im Raster von 4 x 4 x 4 Werten die Kombination von OGIP, WIP und J-Wert mit dem\n"
     "kleinsten mittleren Druckfehler, übernimmt sie und rechnet den Fall damit.\n"
     "Ausgabe: die 64 Ergebniszeilen, die Zusammenfassung, der Ergebnisbericht.\n"
     "  --verfahren original|intervall   Zuflussberechnung (ohne die Option die des Falls)\n"
     "%s\n"
     "  --speichern NEU.brv   speichert den Fall mit den übernommenen Werten (eine vorhandene\n"
     "                Datei nur mit --ueberschreiben)\n"
     "  --faelle DATEI.csv    schreibt die 64 Fälle des Rasters (OGIP, WIP, J-Wert, Fehler)\n"
     "                als CSV im Format von --csv-format\n"
     "  --json        gibt statt der Zeilen nur die Zusammenfassung als JSON-Objekt aus\n"
     "%s\n"
     "Rückgabewert 3, wenn die Rechnung mit den übernommenen Werten mit einem Abbruch endet.",
     "Usage: brelvan-cli sensitivity CASE.brv --ogip MIN:MAX --wip MIN:MAX --jvalue MIN:MAX\n"
     "                                [--x days|gp] [--scheme original|interval]\n"
     "                                [--model fetkovich|veh|carter-tracy|pot]\n"
     "                                [--save NEW.brv]\n"
     "Searches a grid of 4 x 4 x 4 values for the combination of OGIP, WIP and J with the\n"
     "smallest mean pressure error, adopts it and computes the case with it.\n"
     "Output: the 64 result lines, the summary, the results report.\n"
     "  --scheme original|interval   influx computation (without the option the case's)\n"
     "%s\n"
     "  --save NEW.brv        saves the case with the adopted values (an existing file only\n"
     "                with --overwrite)\n"
     "  --cases FILE.csv      writes the 64 cases of the grid (OGIP, WIP, J, error) as CSV\n"
     "                in the format of --csv-format\n"
     "  --json        prints only the summary as a JSON object instead of the lines\n"
     "%s\n"
     "Exit status 3 when the computation with the adopted values ends with an abort."},
    {"--json und eine Ausgabe auf „-“ schließen sich aus.",
     "--json and an output to “-” exclude each other."},
    {"Die Option --%s MIN:MAX fehlt.", "The option --%s MIN:MAX is missing."},
    {"„%s“ ist kein Bereich MIN:MAX für --%s.", "“%s” is not a range MIN:MAX for --%s."},
    {"Aufruf: brelvan-cli jwert --winkel A --k K --h H --mu MU --phi PHI\n"
     "                          [--rw RW --re RE] [--tiefe L --breite B]\n"
     "Berechnet den J-Wert nach Fetkovich und das Wasser-in-place des Brelvans.\n"
     "  --winkel A    360 voller Kreis, < 360 Teilkreis, 0 lineares Brelvan (Grad)\n"
     "  --k K         Permeabilität (mD)\n"
     "  --h H         Mächtigkeit (m)\n"
     "  --mu MU       Wasserviskosität (cp)\n"
     "  --phi PHI     Porosität (-)\n"
     "  --rw RW       Radius bis GWC (m), --re RE Radius bis Brelvanende (m)\n"
     "  --tiefe L     Tiefe, --breite B Breite des linearen Brelvans (m)\n"
     "  --json        gibt {\"j\": ..., \"wip\": ...} als JSON-Objekt aus",
     "Usage: brelvan-cli jvalue --angle A --k K --h H --mu MU --phi PHI\n"
     "                          [--rw RW --re RE] [--depth L --width B]\n"
     "Computes J (aquifer productivity index) after Fetkovich and the aquifer water in place.\n"
     "  --angle A     360 full circle, < 360 part of a circle, 0 linear aquifer (degrees)\n"
     "  --k K         permeability (mD)\n"
     "  --h H         thickness (m)\n"
     "  --mu MU       water viscosity (cp)\n"
     "  --phi PHI     porosity (-)\n"
     "  --rw RW       radius to the GWC (m), --re RE radius to the aquifer's end (m)\n"
     "  --depth L     depth, --width B width of the linear aquifer (m)\n"
     "  --json        prints {\"j\": ..., \"wip\": ...} as a JSON object"},
    {"Der Befehl jwert nimmt keine Datei.", "The command jvalue takes no file."},
    {"Die Option --%s fehlt.", "The option --%s is missing."},
    {"J-Wert: %.6f", "J value: %.6f"},
    {"Aufruf: brelvan-cli zwert (FALL.brv | --gas LISTE) --temperatur T --druck P\n"
     "Gibt die korrigierten pseudokritischen Werte Tpc (°R) und Ppc (psia) und den z-Wert bei\n"
     "T (Grad C) und P (Bar) aus. Die Gaszusammensetzung kommt aus dem Fall oder aus LISTE,\n"
     "z.B. „H2S=1.5,CO2=2,CH4=96.5“ (Prozent; nicht genannte Komponenten sind 0).\n"
     "Komponenten: H2S CO2 N2 CH4 C2H6 C3H8 iC4H10 nC4H10 iC5H12 nC5H12 C6H14 C7H16 C8H18\n"
     "C9H20 C10H22\n"
     "  --json   gibt {\"tpc_rankine\": ..., \"ppc_psia\": ..., \"z\": ...} als JSON-Objekt aus\n"
     "„-“ als FALL.brv liest den Fall von der Standardeingabe.",
     "Usage: brelvan-cli zvalue (CASE.brv | --gas LIST) --temperature T --pressure P\n"
     "Prints the corrected pseudo-critical values Tpc (°R) and Ppc (psia) and the z-factor at\n"
     "T (deg C) and P (bar). The gas composition comes from the case or from LIST,\n"
     "e.g. “H2S=1.5,CO2=2,CH4=96.5” (percent; components not named are 0).\n"
     "Components: H2S CO2 N2 CH4 C2H6 C3H8 iC4H10 nC4H10 iC5H12 nC5H12 C6H14 C7H16 C8H18\n"
     "C9H20 C10H22\n"
     "  --json   prints {\"tpc_rankine\": ..., \"ppc_psia\": ..., \"z\": ...} as a JSON object\n"
     "“-” as CASE.brv reads the case from standard input."},
    {"Die Datei „%s“ kann nicht geöffnet werden: %s.", "The file “%s” cannot be opened: %s."},
    {"Die Datei „%s“ ist keine vollständige Brelvan-Falldatei: %s.",
     "The file “%s” is not a complete brelvan case file: %s."},
    {"Bitte Gaskomponenten eingeben", "Please enter the gas components"},
    {"Die Summe der Gaskomponenten ist > 100 !", "The sum of the gas components is > 100 !"},
    {"Bitte entweder eine Falldatei oder --gas angeben.",
     "Please give either a case file or --gas."},
    {"Temperatur: ", "Temperature: "},
    {"Druck: ", "Pressure: "},
    {"Aufruf: brelvan-cli neu NEU.brv [--feld NAME] [--gas LISTE] [--temperatur T] [--druck P]\n"
     "                        [--ogip G] [--wip W] [--kompress C] [--jwert J]\n"
     "                        [--beginn T.M.JJJJ] [--druckdatei DATEI.txt|DATEI.csv]\n"
     "                        [--k K] [--h H] [--mu MU] [--phi PHI] [--rw RW] [--re RE]\n"
     "                        [--tiefe L] [--breite B] [--winkel A]\n"
     "                        [--verfahren original|intervall] [--ueberschreiben]\n"
     "                        [--druckformat text|csv] [--csv-dezimal komma|punkt]\n"
     "                        [--csv-datum TMJ|MTJ|JMT] [--csv-trenner ';'|','|tab]\n"
     "                        [--csv-kopfzeile N] [--csv-spalten D,G[,P]]\n"
     "                        [--cf CF] [--cw CW] [--swi SWI] [--bw BW]\n"
     "                        [--modell fetkovich|veh|carter-tracy|topf]\n"
     "Legt einen Fall mit den Vorgaben eines neuen Falls an, ändert die genannten Werte und\n"
     "speichert ihn in NEU.brv (eine vorhandene Datei nur mit --ueberschreiben; „-“ schreibt\n"
     "den Fall auf die Standardausgabe).\n"
     "  --gas LISTE          z.B. „H2S=1.5,CO2=2,CH4=96.5“ (nicht genannte Komponenten 0)\n"
     "  --druckdatei DATEI   liest die Schließdruckwerte wie „Druckdatei öffnen“ (erste Zeile\n"
     "                       Überschrift, dann Tag.Monat.Jahr Gp [Druck [Wp]]; eine Zeile\n"
     "                       ohne Druck, aber mit Wasser, hat 0 als Druck)\n"
     "                       oder, bei DATEI.csv, aus einer CSV-Datei (Trenner ; , oder Tab,\n"
     "                       Spalten Datum, Gp, Druck und Wp nach der Überschrift; Zeilen, die "
     "die\n"
     "                       Prüfungen der Liste nicht bestehen, werden mit Grund gemeldet)\n"
     "                       „-“ liest sie von der Standardeingabe\n"
     "  --druckformat text|csv  das Format der Druckdatei (sonst nach der Endung; bei „-“\n"
     "                       text)\n"
     "%s\n"
     "  --k --h --mu --phi --rw --re --tiefe --breite --winkel: die Daten des J-Wert-Dialogs\n"
     "                       (wie bei „brelvan-cli jwert“)\n"
     "  --verfahren          Zuflussberechnung: original (Vorgabe) oder intervall\n"
     "  --cf --cw            Kompressibilität von Gestein und Haftwasser der Gaszone\n"
     "                       (E-5/bar, Vorgabe 0)\n"
     "  --swi                Haftwassersättigung der Gaszone (Anteil, Vorgabe 0)\n"
     "  --bw                 Formationsvolumenfaktor des geförderten Wassers (m3/m3,\n"
     "                       Vorgabe 1)\n"
     "  --modell             Zuflussmodell: fetkovich (Vorgabe), veh (van Everdingen-Hurst),\n"
     "                       carter-tracy oder topf\n"
     "Übernimmt der Import keine Zeile, wird kein Fall geschrieben (Rückgabewert 2).",
     "Usage: brelvan-cli new NEW.brv [--field NAME] [--gas LIST] [--temperature T] [--pressure P]\n"
     "                       [--ogip G] [--wip W] [--compressibility C] [--jvalue J]\n"
     "                       [--production-start D.M.YYYY] [--pressure-file FILE.txt|FILE.csv]\n"
     "                       [--k K] [--h H] [--mu MU] [--phi PHI] [--rw RW] [--re RE]\n"
     "                       [--depth L] [--width B] [--angle A]\n"
     "                       [--scheme original|interval] [--overwrite]\n"
     "                       [--pressure-format text|csv] [--csv-decimal comma|point]\n"
     "                       [--csv-date DMY|MDY|YMD] [--csv-separator ';'|','|tab]\n"
     "                       [--csv-header N] [--csv-columns D,G[,P]]\n"
     "                       [--cf CF] [--cw CW] [--swi SWI] [--bw BW]\n"
     "                       [--model fetkovich|veh|carter-tracy|pot]\n"
     "Creates a case with the defaults of a new case, changes the values named and saves it\n"
     "in NEW.brv (an existing file only with --overwrite; “-” writes the case to standard\n"
     "output).\n"
     "  --gas LIST           e.g. “H2S=1.5,CO2=2,CH4=96.5” (components not named 0)\n"
     "  --pressure-file FILE reads the shut-in pressures as “Open pressure file” does (first\n"
     "                       line a heading, then day.month.year Gp [pressure [Wp]]; a line\n"
     "                       without a pressure but with water has 0 as its pressure)\n"
     "                       or, for FILE.csv, from a CSV file (separator ; , or tab,\n"
     "                       columns date, Gp, pressure and Wp by the heading; rows that fail\n"
     "                       the list's checks are reported with their reason)\n"
     "                       “-” reads it from standard input\n"
     "  --pressure-format text|csv  the format of the pressure file (otherwise by its\n"
     "                       ending; for “-” text)\n"
     "%s\n"
     "  --k --h --mu --phi --rw --re --depth --width --angle: the data of the J value dialog\n"
     "                       (as for “brelvan-cli jvalue”)\n"
     "  --scheme             influx computation: original (default) or interval\n"
     "  --cf --cw            compressibility of rock and connate water of the gas zone\n"
     "                       (E-5/bar, default 0)\n"
     "  --swi                connate water saturation of the gas zone (fraction, default 0)\n"
     "  --bw                 formation volume factor of the produced water (m3/m3,\n"
     "                       default 1)\n"
     "  --model              influx model: fetkovich (default), veh (van Everdingen–Hurst),\n"
     "                       carter-tracy or pot\n"
     "If the import takes no row, no case is written (exit status 2)."},
    {"Bitte genau eine neue Falldatei angeben.", "Please give exactly one new case file."},
    {"„%s“ ist kein Datum T.M.JJJJ für --beginn.",
     "“%s” is not a date D.M.YYYY for --production-start."},
    {"--druckformat erwartet „text“ oder „csv“, nicht „%s“.",
     "--pressure-format expects “text” or “csv”, not “%s”."},
    {"--druckformat gilt nur mit --druckdatei.",
     "--pressure-format applies only with --pressure-file."},
    {"--beginn: Das Datum %d.%d.%d gibt es nicht.",
     "--production-start: the date %d.%d.%d does not exist."},
    {"Das Datum %d.%d.%d gibt es nicht", "The date %d.%d.%d does not exist"},
    {"Keine zeitliche Reihenfolge (nicht nach dem Förderbeginn)",
     "Not in time order (not after the production start)"},
    {"Zeile übersprungen (%s): %s", "Line skipped (%s): %s"},
    {"Aus der Datei „%s“ wurde keine Zeile übernommen.", "No row was taken from the file “%s”."},
    {"Der Fall kann nicht auf die Standardausgabe geschrieben werden: %s.",
     "The case cannot be written to standard output: %s."},
    {"Aufruf: brelvan-cli zeigen FALL.brv\n"
     "Zeigt jedes gespeicherte Feld des Falls als „Name: Wert“, danach die Zeilen.\n"
     "„-“ als FALL.brv liest den Fall von der Standardeingabe.",
     "Usage: brelvan-cli show CASE.brv\n"
     "Shows every stored field of the case as “name: value”, then the rows.\n"
     "“-” as CASE.brv reads the case from standard input."},
    {"  --csv DATEI.csv      schreibt die Tabelle des Berichts (und die Fälle einer\n"
     "                       Sensitivitätsrechnung) als CSV\n"
     "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
     "  --xlsx DATEI.xlsx    schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
     "                       zweiten Blatt",
     "  --csv FILE.csv       writes the report's table (and the cases of a sensitivity\n"
     "                       search) as CSV\n"
     "  --csv-format comma|point  “;” with decimal comma (default) or “,” with decimal point\n"
     "  --xlsx FILE.xlsx     writes it as an Excel workbook, the case data on the second\n"
     "                       sheet"},
    {"  --csv-spalten D,G[,P]  wählt die Spalten von Datum, Gp und Druck (ab 1; P 0: keine)\n"
     "  --csv-dezimal komma|punkt  das Dezimalzeichen der CSV-Datei (sonst aus der Datei\n"
     "                       bestimmt; kann sie es nicht entscheiden, bricht der Import ab)\n"
     "  --csv-datum TMJ|MTJ|JMT  die Reihenfolge in Daten mit „/“: Tag, Monat, Jahr oder\n"
     "                       Monat, Tag, Jahr oder Jahr, Monat, Tag (sonst aus der Datei)\n"
     "  --csv-trenner ';'|','|tab  das Trennzeichen der Spalten (sonst aus der Datei)\n"
     "  --csv-kopfzeile N    die Zeilennummer der Überschrift, 0 für keine (sonst in den\n"
     "                       ersten zehn Zeilen gesucht; Titelzeilen darüber stören nicht)",
     "  --csv-columns D,G[,P]  chooses the columns of date, Gp and pressure (from 1; P 0: none)\n"
     "  --csv-decimal comma|point  the decimal separator of the CSV file (otherwise found\n"
     "                       from the file; if it cannot decide, the import stops)\n"
     "  --csv-date DMY|MDY|YMD  the order in dates with “/”: day, month, year or\n"
     "                       month, day, year or year, month, day (otherwise from the file)\n"
     "  --csv-separator ';'|','|tab  the column separator (otherwise from the file)\n"
     "  --csv-header N       the line number of the heading, 0 for none (otherwise searched\n"
     "                       in the first ten lines; title lines above it do no harm)"},
    {"„%s“ ist keine Spaltenangabe DATUM,GP[,DRUCK] für --csv-spalten.",
     "“%s” is not a column choice DATE,GP[,PRESSURE] for --csv-columns."},
    {"--csv-dezimal erwartet „komma“ oder „punkt“, nicht „%s“.",
     "--csv-decimal expects “comma” or “point”, not “%s”."},
    {"--csv-datum erwartet „TMJ“, „MTJ“ oder „JMT“, nicht „%s“.",
     "--csv-date expects “DMY”, “MDY” or “YMD”, not “%s”."},
    {"--csv-trenner erwartet „;“, „,“ oder „tab“, nicht „%s“.",
     "--csv-separator expects “;”, “,” or “tab”, not “%s”."},
    {"--csv-kopfzeile erwartet eine Zeilennummer (0 für keine Überschrift), nicht „%s“.",
     "--csv-header expects a line number (0 for no heading), not “%s”."},
    {" Bitte mit --csv-dezimal komma oder --csv-dezimal punkt angeben, welches Zeichen das "
     "Dezimalzeichen ist.",
     " Please say with --csv-decimal comma or --csv-decimal point which character is the decimal "
     "separator."},
    {" Bitte mit --csv-datum TMJ (Tag zuerst) oder --csv-datum MTJ (Monat zuerst) angeben, wie die "
     "Daten zu lesen sind.",
     " Please say with --csv-date DMY (day first) or --csv-date MDY (month first) how the dates "
     "are to be read."},
    {"Die Datei „%s“: %s%s Es wurde nichts übernommen.", "The file “%s”: %s%s Nothing was taken."},
    {"Zeile %d übersprungen (%s): %s", "Line %d skipped (%s): %s"},
    {"keine", "none"},
    {"Tabulator", "tab"},
    {"„,“", "“,”"},
    {"„;“", "“;”"},
    {"%s: Datum aus „%s“, Gp aus „%s“, Druck aus „%s“; Trennzeichen %s, Dezimalzeichen %s, "
     "Datumsfolge %s, Überschrift %s; %d Zeilen übernommen, %d übersprungen",
     "%s: date from “%s”, Gp from “%s”, pressure from “%s”; separator %s, decimal separator %s, "
     "date order %s, heading %s; %d rows taken, %d skipped"},
    {"in Zeile %d", "in line %d"},
    {"--csv-format erwartet „komma“ oder „punkt“, nicht „%s“.",
     "--csv-format expects “comma” or “point”, not “%s”."},
    {"Eine Excel-Arbeitsmappe kann nicht auf die Standardausgabe geschrieben werden.",
     "An Excel workbook cannot be written to standard output."},
    {"Nur eine Ausgabe kann auf die Standardausgabe („-“) gehen.",
     "Only one output can go to standard output (“-”)."},
    {"Aufruf: brelvan-cli diagnose FALL.brv [--verfahren original|intervall]\n"
     "                                      [--modell fetkovich|veh|carter-tracy|topf]\n"
     "Rechnet den Fall und gibt die Kennzahlen der Diagnosegrafiken aus: die p/z-Gerade\n"
     "(Ausgleich über den Anfangspunkt und die Meßpunkte), ihr volumetrisches OGIP, den\n"
     "relativen Anstieg des Cole-Werts (0.1 = 10 %), den RMS-Fehler der Drücke und ob die\n"
     "Meßpunkte Wasserzufluss zeigen (ja, nein oder unklar), mit der Begründung: ein F-Test\n"
     "auf 5 %, ob die gemessenen p/z über die volumetrische Gerade durch (0, (p/z)i)\n"
     "biegen. Die Werte des Falls (OGIP, WIP, J-Wert) gehen nicht ein.\n"
     "  --verfahren original|intervall   Zuflussverfahren (Vorgabe: das des Falls)\n"
     "  --modell fetkovich|veh|carter-tracy|topf   Zuflussmodell (Vorgabe: das des Falls)\n"
     "  --json   gibt die Kennzahlen als ein JSON-Objekt aus (volumetric_ogip, cole_rise,\n"
     "           rms_error, mean_error, water_drive, water_drive_verdict, ...)\n"
     "„-“ als FALL.brv liest den Fall von der Standardeingabe. Rückgabewert 3, wenn die\n"
     "Rechnung mit einem Abbruch endet (die Diagnose beruht dann auf den Zeilen davor).",
     "Usage: brelvan-cli diagnose CASE.brv [--scheme original|interval]\n"
     "                                      [--model fetkovich|veh|carter-tracy|pot]\n"
     "Computes the case and prints the figures of the diagnostic plots: the p/z line (fitted\n"
     "through the initial point and the measured points), its volumetric OGIP, the relative\n"
     "rise of the Cole value (0.1 = 10 %), the RMS error of the pressures and whether the\n"
     "measured points show water influx (yes, no or unclear), with the reason: an F-test\n"
     "at 5 %, whether the measured p/z bend above the volumetric line through (0, (p/z)i).\n"
     "The case's values (OGIP, WIP, J) do not enter.\n"
     "  --scheme original|interval   influx scheme (default: the case's)\n"
     "  --model fetkovich|veh|carter-tracy|pot   influx model (default: the case's)\n"
     "  --json   prints the figures as one JSON object (volumetric_ogip, cole_rise,\n"
     "           rms_error, mean_error, water_drive, water_drive_verdict, ...)\n"
     "“-” as CASE.brv reads the case from standard input. Exit status 3 when the\n"
     "computation ends with an abort (the diagnostics then rest on the rows before it)."},
    {"Der Fall hat keinen gemessenen Druck; ohne Meßpunkte gibt es keine Diagnose.",
     "The case has no measured pressure; without measured points there are no diagnostics."},
    {"Die Rechnung wurde abgebrochen; die Diagnose beruht auf den Zeilen davor.",
     "The computation was aborted; the diagnostics rest on the rows before."},
    {"p/z-Gerade: Achsenabschnitt %.4f Steigung %.8f", "p/z line: intercept %.4f slope %.8f"},
    {"p/z-Gerade: nicht bestimmbar (alle Meßpunkte bei Gp = 0)",
     "p/z line: cannot be determined (all measured points at Gp = 0)"},
    {"Volumetrisches OGIP: %.3f", "Volumetric OGIP: %.3f"},
    {"Volumetrisches OGIP: nicht bestimmbar (die p/z-Gerade fällt nicht)",
     "Volumetric OGIP: cannot be determined (the p/z line does not fall)"},
    {"Cole-Anstieg: %.4f", "Cole rise: %.4f"},
    {"RMS-Fehler: %.4f", "RMS error: %.4f"},
    {"„%s“ ist kein Bereich MIN:MAX (0 < MIN < MAX <= 1e9) für --%s.",
     "“%s” is not a range MIN:MAX (0 < MIN < MAX <= 1e9) for --%s."},
    {"offen", "open"},
    {"Aufruf: brelvan-cli anpassen FALL.brv [--ogip MIN:MAX] [--wip MIN:MAX] [--jwert MIN:MAX]\n"
     "                             [--fest ogip,wip,jwert] [--start gitter|fall]\n"
     "                             [--verfahren original|intervall] [--speichern NEU.brv]\n"
     "                             [--modell fetkovich|veh|carter-tracy|topf|alle]\n"
     "                             [--ueberschreiben] [--csv DATEI.csv]\n"
     "                             [--csv-format komma|punkt] [--xlsx DATEI.xlsx] [--json]\n"
     "Passt OGIP, WIP und J-Wert nach der Methode der kleinsten Quadrate an die gemessenen\n"
     "Schließdrücke an (Levenberg-Marquardt mit Grenzen) und gibt die Werte, den RMS-Fehler,\n"
     "den mittleren Fehler und für jeden freien Parameter seinen 95-%%-Bereich aus\n"
     "(Profilmethode; „offen“, wo der Bereich an die Suchgrenze stößt).\n"
     "  --ogip, --wip, --jwert MIN:MAX   Suchbereiche. Vorgabe: OGIP das 0,5- bis 2-fache,\n"
     "                   WIP und J-Wert das 0,1- bis 10-fache des Fallwerts; OGIP stets über\n"
     "                   dem größten Gp; alle Bereiche innerhalb der Grenzen des\n"
     "                   Eingabedialogs (OGIP und WIP 0,1 bis 100000, J-Wert 0,001 bis 10000)\n"
     "  --fest LISTE     festgehaltene Parameter, z.B. „jwert“ oder „wip,jwert“\n"
     "  --start gitter|fall   Starts in den besten Fällen des 4 x 4 x 4-Rasters über den\n"
     "                   Suchbereichen, bei den Werten des Falls und an über die Bereiche\n"
     "                   gestreuten Punkten; das beste Ergebnis zählt (Vorgabe). Oder nur\n"
     "                   ein Start bei den Werten des Falls\n"
     "  --verfahren original|intervall   Verfahren des Zuflusses (Vorgabe: das des Falls)\n"
     "  --modell fetkovich|veh|carter-tracy|topf|alle   Zuflussmodell (Vorgabe: das des Falls);\n"
     "                   alle: passt jedes Modell an und vergleicht sie (RMS-Fehler, AIC)\n"
     "  --speichern NEU.brv   speichert den Fall mit den angepassten Werten (eine vorhandene\n"
     "                   Datei nur mit --ueberschreiben)\n"
     "  --json           gibt das Ergebnis als ein JSON-Objekt aus (ogip, wip, j, rms_error,\n"
     "                   mean_error, ranges, ...)\n"
     "  --csv DATEI.csv  schreibt die Tabelle „Anpassung“ (Werte, frei oder fest, 95-%%-Bereiche,\n"
     "                   RMS-Fehler, mittlerer Fehler, Iterationen) als CSV\n"
     "  --csv-format komma|punkt  „;“ mit Dezimalkomma (Vorgabe) oder „,“ mit Dezimalpunkt\n"
     "  --xlsx DATEI.xlsx   schreibt sie als Excel-Arbeitsmappe, die Falldaten auf dem\n"
     "                   zweiten Blatt\n"
     "„-“ als FALL.brv liest den Fall von der Standardeingabe, „--csv -“ schreibt die Tabelle\n"
     "statt der Ausgabe auf die Standardausgabe.",
     "Usage: brelvan-cli fit CASE.brv [--ogip MIN:MAX] [--wip MIN:MAX] [--jvalue MIN:MAX]\n"
     "                        [--fixed ogip,wip,jvalue] [--start grid|case]\n"
     "                        [--scheme original|interval] [--save NEW.brv]\n"
     "                        [--model fetkovich|veh|carter-tracy|pot|all]\n"
     "                        [--overwrite] [--csv FILE.csv]\n"
     "                        [--csv-format comma|point] [--xlsx FILE.xlsx] [--json]\n"
     "Fits OGIP, WIP and J by least squares to the measured shut-in pressures\n"
     "(Levenberg–Marquardt with bounds) and prints the values, the RMS error, the mean\n"
     "error and for each free parameter its 95 %% interval (profile method; “open” where\n"
     "the interval reaches the search bound).\n"
     "  --ogip, --wip, --jvalue MIN:MAX   search ranges. Default: OGIP 0.5 to 2 times,\n"
     "                   WIP and J 0.1 to 10 times the case's value; OGIP always above\n"
     "                   the largest Gp; every range within the limits of the input\n"
     "                   dialog (OGIP and WIP 0.1 to 100000, J 0.001 to 10000)\n"
     "  --fixed LIST     parameters held fixed, e.g. “jvalue” or “wip,jvalue”\n"
     "  --start grid|case   starts in the best cases of the 4 x 4 x 4 grid over the\n"
     "                   search ranges, at the case's values and at points spread over\n"
     "                   the ranges; the best result counts (default). Or a single\n"
     "                   start at the case's values\n"
     "  --scheme original|interval   influx scheme (default: the case's)\n"
     "  --model fetkovich|veh|carter-tracy|pot|all   influx model (default: the case's);\n"
     "                   all: fits every model and compares them (RMS error, AIC)\n"
     "  --save NEW.brv   saves the case with the fitted values (an existing file only\n"
     "                   with --overwrite)\n"
     "  --json           prints the result as one JSON object (ogip, wip, j, rms_error,\n"
     "                   mean_error, ranges, ...)\n"
     "  --csv FILE.csv   writes the table “Fit” (values, free or fixed, 95 %% intervals,\n"
     "                   RMS error, mean error, iterations) as CSV\n"
     "  --csv-format comma|point  “;” with decimal comma (default) or “,” with decimal point\n"
     "  --xlsx FILE.xlsx    writes it as an Excel workbook, the case data on the\n"
     "                   second sheet\n"
     "“-” as CASE.brv reads the case from standard input, “--csv -” writes the table to\n"
     "standard output instead of the output."},
    {"--json und „--csv -“ schließen sich aus.", "--json and “--csv -” exclude each other."},
    {"--fest kennt „%s“ nicht (ogip, wip, jwert).",
     "--fixed does not know “%s” (ogip, wip, jvalue)."},
    {"Mindestens ein Parameter muss frei bleiben.", "At least one parameter must stay free."},
    {"--start erwartet „gitter“ oder „fall“, nicht „%s“.",
     "--start expects “grid” or “case”, not “%s”."},
    {"Der OGIP-Bereich liegt nicht über dem größten Gp von %.3f Mio m3.",
     "The OGIP range does not lie above the largest Gp of %.3f million m3."},
    {"Am Startpunkt ergibt die Rechnung keinen Fehlerwert (kein Meßwert verglichen oder Abbruch); "
     "es wurde nichts angepasst.",
     "At the starting point the computation gives no error value (no measured value compared or an "
     "abort); nothing was fitted."},
    {"J-Wert: %.4f", "J value: %.4f"},
    {"Mittlerer Fehler: %.4f", "Mean error: %.4f"},
    {"%s-Bereich: %s %s", "%s range: %s %s"},
    {"Warnung: %s.", "Warning: %s."},
    {"Aufruf: brelvan-cli karte FALL.brv --achsen ogip,wip|ogip,jwert|wip,jwert\n"
     "                          --ogip MIN:MAX --wip MIN:MAX --jwert MIN:MAX [--punkte N]\n"
     "                          [--dritter fest|optimiert] [--verfahren original|intervall]\n"
     "                          [--modell fetkovich|veh|carter-tracy|topf]\n"
     "                          [--csv-format komma|punkt] AUSGABE.csv|.xlsx|.svg|.png|.pdf\n"
     "Rechnet den RMS-Fehler auf einem Raster von N x N Werten (Vorgabe 41) der beiden\n"
     "Achsenparameter. Der dritte Parameter bleibt beim Wert des Falls (fest, Vorgabe) oder\n"
     "wird in jeder Zelle innerhalb seines Bereichs optimiert.\n"
     "Die CSV-Datei hat wie die anderen Ausfuhren die Spalten mit Einheiten (OGIP, WIP, J-Wert,\n"
     "RMS-Fehler, mittlerer Fehler) und je Zelle eine Zeile, „;“ mit Dezimalkomma oder mit\n"
     "--csv-format punkt „,“ mit Dezimalpunkt; eine Zelle ohne Fehlerwert hat leere\n"
     "Fehlerfelder. „-“ schreibt die CSV-Datei auf die Standardausgabe. Die Excel-Arbeitsmappe\n"
     "hat dieselben Spalten auf dem Blatt „Fehlerkarte“. SVG, PNG und PDF zeigen die Karte wie\n"
     "die Ansicht „Fehlerkarte“ (nur in Builds mit Grafik).\n"
     "Auf einem Terminal zeigt die Standardfehlerausgabe den Fortschritt; Strg+C bricht ab,\n"
     "ohne eine Datei zu schreiben (Rückgabewert 130).",
     "Usage: brelvan-cli map CASE.brv --axes ogip,wip|ogip,jvalue|wip,jvalue\n"
     "                        --ogip MIN:MAX --wip MIN:MAX --jvalue MIN:MAX [--points N]\n"
     "                        [--third fixed|optimised] [--scheme original|interval]\n"
     "                        [--model fetkovich|veh|carter-tracy|pot]\n"
     "                        [--csv-format comma|point] OUTPUT.csv|.xlsx|.svg|.png|.pdf\n"
     "Computes the RMS error on a grid of N x N values (default 41) of the two axis\n"
     "parameters. The third parameter stays at the case's value (fixed, default) or is\n"
     "optimised within its range in every cell.\n"
     "Like the other exports the CSV file has the columns with units (OGIP, WIP, J,\n"
     "RMS error, mean error) and one row per cell, “;” with decimal comma or, with\n"
     "--csv-format point, “,” with decimal point; a cell without an error value has empty\n"
     "error fields. “-” writes the CSV file to standard output. The Excel workbook has the\n"
     "same columns on the sheet “Misfit map”. SVG, PNG and PDF show the map as the\n"
     "“Misfit map” view does (only in builds with charts).\n"
     "On a terminal standard error shows the progress; Ctrl+C cancels without writing a\n"
     "file (exit status 130)."},
    {"Bitte die Falldatei und die Ausgabedatei angeben.",
     "Please give the case file and the output file."},
    {"Die Option --achsen fehlt.", "The option --axes is missing."},
    {"--achsen erwartet „ogip,wip“, „ogip,jwert“ oder „wip,jwert“, nicht „%s“.",
     "--axes expects “ogip,wip”, “ogip,jvalue” or “wip,jvalue”, not “%s”."},
    {"--punkte erwartet eine ganze Zahl von 2 bis 401, nicht „%s“.",
     "--points expects a whole number from 2 to 401, not “%s”."},
    {"--dritter erwartet „fest“ oder „optimiert“, nicht „%s“.",
     "--third expects “fixed” or “optimised”, not “%s”."},
    {"Die Ausgabedatei muss auf .csv, .xlsx, .svg, .png oder .pdf enden.",
     "The output file must end in .csv, .xlsx, .svg, .png or .pdf."},
    {"Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; die Karte kann nur als CSV oder XLSX "
     "geschrieben werden.",
     "This build of brelvan-cli has no charts; the map can be written only as CSV or XLSX."},
    {"\rFehlerkarte: %3d %% (%d von %d Zellen)", "\rMisfit map: %3d %% (%d of %d cells)"},
    {"Abgebrochen; es wurde keine Datei geschrieben.", "Cancelled; no file was written."},
    {"Der Ordner von brelvan-cli lässt sich nicht bestimmen (/proc/self/exe); das Grafikprogramm "
     "„brelvan-grafik“ kann nicht gestartet werden.",
     "The folder of brelvan-cli cannot be found (/proc/self/exe); the chart program "
     "“brelvan-grafik” cannot be started."},
    {"Das Grafikprogramm „%s“ fehlt. Der Befehl „grafik“ braucht es im Ordner von brelvan-cli.",
     "The chart program “%s” is missing. The command “chart” needs it in the folder of "
     "brelvan-cli."},
    {"Das Grafikprogramm „%s“ kann nicht gestartet werden: %s.",
     "The chart program “%s” cannot be started: %s."},
    {"Die Option „%s“ ist mehrfach angegeben.", "The option “%s” is given more than once."},
    {"Der Option „%s“ fehlt ihr Wert (de oder en).", "The option “%s” lacks its value (de or en)."},
    {"Unbekannte Sprache „%s“ für %s; möglich sind „de“ (Deutsch) und „en“ (Englisch).",
     "Unknown language “%s” for %s; use “de” (German) or “en” (English)."},
    {"Die Option „--%s“ nimmt keinen Wert.", "The option “--%s” takes no value."},
    {"Die Option „--%s“ ist mehrfach angegeben.", "The option “--%s” is given more than once."},
    {"Unbekannte Option „--%s“.", "Unknown option “--%s”."},
    {"Der Option „--%s“ fehlt ihr Wert.", "The option “--%s” lacks its value."},
    {"„%s“ ist keine Angabe der Form NAME=PROZENT.", "“%s” is not of the form NAME=PERCENT."},
    {"Unbekannte Gaskomponente „%s“.", "Unknown gas component “%s”."},
    {"Die Gaskomponente %s ist mehrfach angegeben.",
     "The gas component %s is given more than once."},
    {"„%s“ ist kein Prozentwert für %s.", "“%s” is not a percentage for %s."},
    {"  --modell fetkovich|veh|carter-tracy|topf   Zuflussmodell (ohne die Option das des Falls)",
     "  --model fetkovich|veh|carter-tracy|pot   influx model (without the option the case's)"},
    {"--modell erwartet „fetkovich“, „veh“, „carter-tracy“ oder „topf“, nicht „%s“.",
     "--model expects “fetkovich”, “veh”, “carter-tracy” or “pot”, not “%s”."},
    {"--verfahren erwartet „original“ oder „intervall“, nicht „%s“.",
     "--scheme expects “original” or “interval”, not “%s”."},
    {"Die Ausgabe kann nicht geschrieben werden: %s.", "The output cannot be written: %s."},
    {"Die Ausgabe kann nicht geschrieben werden.", "The output cannot be written."},
    {"Die Datei „%s“ gibt es schon; sie wird nur mit --ueberschreiben ersetzt.",
     "The file “%s” exists already; it is replaced only with --overwrite."},
    {"Aufruf: brelvan-cli zufluss --modell M --k K --h H --mu MU --phi PHI --kompress C\n"
     "        --winkel A (--rw RW --re RE|unendlich | --tiefe L --breite B)\n"
     "        --druckverlauf DATEI\n"
     "Rechnet den kumulativen Wasserzufluss WE (Mio m3) eines Brelvans für einen Druckverlauf am\n"
     "GWC und gibt je Zeitpunkt eine Zeile „Tage WE“ aus.\n"
     "  --modell     fetkovich (Intervallmittel), veh (van Everdingen-Hurst), carter-tracy, topf\n"
     "  --k          Permeabilität (mD)     --h    Mächtigkeit (m)\n"
     "  --mu         Wasserviskosität (cp)  --phi  Porosität (Anteil)\n"
     "  --kompress   Kompressibilität (1E-5/bar)\n"
     "  --winkel     360 voller Ring, unter 360 Teilring, 0 lineares Brelvan\n"
     "  --rw, --re   Radius bis GWC und bis Brelvanende (m); --re unendlich für einen\n"
     "               unendlichen Ring (veh, carter-tracy)\n"
     "  --tiefe, --breite  Tiefe und Breite des linearen Brelvans (m)\n"
     "DATEI: je Zeile Tage seit Beginn und Druck (bar), getrennt durch Leerzeichen, Tab, „;“\n"
     "oder „,“; die erste Zeile ist Tag 0 mit dem Anfangsdruck, eine Überschrift ist erlaubt.",
     "Usage: brelvan-cli influx --model M --k K --h H --mu MU --phi PHI --compressibility C\n"
     "        --angle A (--rw RW --re RE|infinite | --depth L --width B)\n"
     "        --pressure-history FILE\n"
     "Computes the cumulative water influx We (million m3) of an aquifer for a pressure history\n"
     "at the GWC and prints one line “days We” per point in time.\n"
     "  --model      fetkovich (interval mean), veh (van Everdingen–Hurst), carter-tracy, pot\n"
     "  --k          permeability (mD)      --h    thickness (m)\n"
     "  --mu         water viscosity (cp)   --phi  porosity (fraction)\n"
     "  --compressibility  compressibility (1E-5/bar)\n"
     "  --angle      360 full ring, below 360 part of a ring, 0 linear aquifer\n"
     "  --rw, --re   radius to the GWC and to the aquifer's end (m); --re infinite for an\n"
     "               infinite ring (veh, carter-tracy)\n"
     "  --depth, --width  depth and width of the linear aquifer (m)\n"
     "FILE: per line days since the start and pressure (bar), separated by blanks, tab, “;”\n"
     "or “,”; the first line is day 0 with the initial pressure, a heading is allowed."},
    {"Der Befehl zufluss nimmt keine Falldatei.", "The command influx takes no case file."},
    {"--modell erwartet fetkovich, veh, carter-tracy oder topf, nicht „%s“.",
     "--model expects fetkovich, veh, carter-tracy or pot, not “%s”."},
    {"--winkel muss zwischen 0 und 360 liegen.", "--angle must lie between 0 and 360."},
    {"Ein ringförmiges Brelvan (--winkel über 0) nimmt --rw und --re, nicht --tiefe und --breite.",
     "A radial aquifer (--angle above 0) takes --rw and --re, not --depth and --width."},
    {"Ein lineares Brelvan (--winkel 0) nimmt --tiefe und --breite, nicht --rw und --re.",
     "A linear aquifer (--angle 0) takes --depth and --width, not --rw and --re."},
    {"Die Option --re fehlt (eine Zahl oder „unendlich“).",
     "The option --re is missing (a number or “infinite”)."},
    {"Die Datei „%s“ kann nicht gelesen werden: %s.", "The file “%s” cannot be read: %s."},
    {"Diese Ausgabe von brelvan-cli wurde ohne Grafik gebaut; der Befehl „grafik“ steht nicht zur "
     "Verfügung.",
     "This build of brelvan-cli has no charts; the command “chart” is not available."},
    {"bericht FALL.brv        rechnet den Fall und gibt den Ergebnisbericht aus",
     "report CASE.brv         computes the case and prints the results report"},
    {"sensitivitaet FALL.brv  sucht OGIP, WIP und J-Wert mit dem kleinsten Fehler",
     "sensitivity CASE.brv    searches OGIP, WIP and J with the smallest error"},
    {"anpassen FALL.brv       passt OGIP, WIP und J-Wert an, mit 95-%%-Bereichen",
     "fit CASE.brv            fits OGIP, WIP and J, with 95 %% intervals"},
    {"karte FALL.brv          rechnet die Fehlerkarte zweier Parameter",
     "map CASE.brv            computes the misfit map of two parameters"},
    {"jwert                   berechnet J-Wert und Wasser-in-place aus der Geometrie",
     "jvalue                  computes J and the aquifer water in place from the geometry"},
    {"zwert                   berechnet die pseudokritischen Werte und den z-Wert",
     "zvalue                  computes the pseudo-critical values and the z-factor"},
    {"zufluss                 rechnet den Wasserzufluss eines Druckverlaufs nach einem Modell",
     "influx                  computes the water influx of a pressure history with a model"},
    {"neu NEU.brv             legt einen neuen Fall an",
     "new NEW.brv             creates a new case"},
    {"zeigen FALL.brv         zeigt alle gespeicherten Felder eines Falls",
     "show CASE.brv           shows every stored field of a case"},
    {"grafik                  zeichnet eine Grafik des Falls",
     "chart                   draws a chart of the case"},
    {"grafik                  zeichnet eine Grafik (nur in Builds mit Grafik)",
     "chart                   draws a chart (only in builds with charts)"},
    {"diagnose FALL.brv       p/z-Gerade, Cole-Anstieg, RMS-Fehler und Wasserzufluss",
     "diagnose CASE.brv       p/z line, Cole rise, RMS error and water influx"},
    {"Aufruf: brelvan-cli BEFEHL [ARGUMENTE]\n"
     "       brelvan-cli --version | --help\n"
     "\n"
     "Befehle:\n",
     "Usage: brelvan-cli COMMAND [ARGUMENTS] [--language de|en]\n"
     "       brelvan-cli --version | --help\n"
     "\n"
     "Commands:\n"},
    {"\n"
     "„brelvan-cli BEFEHL --help“ beschreibt einen Befehl. „-“ als Dateiname steht für\n"
     "die Standardein- bzw. -ausgabe, „--“ beendet die Optionen.\n"
     "Rückgabewert: 0 Erfolg, 1 Aufruffehler, 2 Datei nicht lesbar oder schreibbar bzw.\n"
     "Eingabe abgelehnt, 3 Rechnung mit Abbruch beendet (der Bericht wird ausgegeben).",
     "\n"
     "“brelvan-cli COMMAND --help” describes a command. “-” as a file name stands for\n"
     "standard input or output, “--” ends the options. --language (or --sprache) de|en\n"
     "chooses the language; otherwise LC_ALL, LC_MESSAGES or LANG decide. The German\n"
     "command and option names (bericht, --modell, ...) are taken as well.\n"
     "Exit status: 0 success, 1 usage error, 2 file not readable or writable, or input\n"
     "refused, 3 computation ended with an abort (the report is still printed)."},
    {"Unbekannter Befehl „%s“.\n", "Unknown command “%s”.\n"},
});

} // namespace

const brelvan::Catalogue& catalogue() {
    static const brelvan::Catalogue texts(kTexts);
    return texts;
}

const char* tx(const char* german) {
    return catalogue()(german);
}

std::string_view tx(std::string_view german) {
    return catalogue()(german);
}

} // namespace cli
