<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DlgCsvImport</name>
    <message>
        <source>CSV-Datei importieren</source>
        <translation>Import CSV File</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Aufbau der Datei</source>
        <translation>File layout</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Semikolon ;</source>
        <translation>Semicolon ;</translation>
    </message>
    <message>
        <source>Komma ,</source>
        <translation>Comma ,</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Komma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Tag zuerst (TT/MM/JJJJ)</source>
        <translation>Day first (DD/MM/YYYY)</translation>
    </message>
    <message>
        <source>Monat zuerst (MM/TT/JJJJ)</source>
        <translation>Month first (MM/DD/YYYY)</translation>
    </message>
    <message>
        <source>Jahr zuerst (JJJJ/MM/TT)</source>
        <translation>Year first (YYYY/MM/DD)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Trennzeichen:</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>Dezimalzeichen:</source>
        <translation>Decimal mark:</translation>
    </message>
    <message>
        <source>Datumsfolge:</source>
        <translation>Date order:</translation>
    </message>
    <message>
        <source>Überschrift:</source>
        <translation>Heading:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Gp (Mio m3):</source>
        <translation>Gp (million m3):</translation>
    </message>
    <message>
        <source>Druck (bar):</source>
        <translation>Pressure (bar):</translation>
    </message>
    <message>
        <source>Zeilen, die in die Liste kommen:</source>
        <translation>Lines that go into the list:</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Gp (Mio m3)</source>
        <translation>Gp (million m3)</translation>
    </message>
    <message>
        <source>Druck (bar)</source>
        <translation>Pressure (bar)</translation>
    </message>
    <message>
        <source>Listenzeile</source>
        <translation>List row</translation>
    </message>
    <message>
        <source>Übersprungene Zeilen:</source>
        <translation>Skipped lines:</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Liste ersetzen</source>
        <translation>Replace the list</translation>
    </message>
    <message>
        <source>An die Liste anhängen</source>
        <translation>Append to the list</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Automatisch (%1)</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>Automatisch (unklar)</source>
        <translation>Automatic (unclear)</translation>
    </message>
    <message>
        <source>Automatisch (Zeile %1)</source>
        <translation>Automatic (line %1)</translation>
    </message>
    <message>
        <source>Automatisch (keine)</source>
        <translation>Automatic (none)</translation>
    </message>
    <message>
        <source> Bitte das Dezimalzeichen wählen.</source>
        <translation> Please choose the decimal mark.</translation>
    </message>
    <message>
        <source> Bitte die Datumsfolge wählen.</source>
        <translation> Please choose the date order.</translation>
    </message>
    <message>
        <source>%1 Zeilen werden übernommen, %2 Zeilen übersprungen.</source>
        <translation>%1 lines will be imported, %2 lines skipped.</translation>
    </message>
</context>
<context>
    <name>DlgInput</name>
    <message>
        <source>LAGERSTÄTTENTEMPERATUR         (Grad C )</source>
        <translation>RESERVOIR TEMPERATURE          (deg C )</translation>
    </message>
    <message>
        <source>ORIGINAL-GAS-IN-PLACE                     (Mio m3)</source>
        <translation>ORIGINAL GAS IN PLACE          (million m3)</translation>
    </message>
    <message>
        <source>ORIGINAL-WASSER-IN-PLACE             (Mio m3)        </source>
        <translation>AQUIFER WATER IN PLACE         (million m3)</translation>
    </message>
    <message>
        <source>INITIALER LAGERSTÄTTENDRUCK          (Bar)</source>
        <translation>INITIAL RESERVOIR PRESSURE     (bar)</translation>
    </message>
    <message>
        <source>KOMPRESSIBILITÄT Wasser+Gestein (E-5/Bar)</source>
        <translation>COMPRESSIBILITY water+rock     (E-5/bar)</translation>
    </message>
    <message>
        <source>J-WERT nach FETKOVITCH          (m3/Tag Bar)</source>
        <translation>J VALUE (FETKOVICH)            (m3/(day·bar))</translation>
    </message>
    <message>
        <source>KOMPRESSIBILITÄT Gestein   (E-5/Bar)</source>
        <translation>COMPRESSIBILITY rock   (E-5/bar)</translation>
    </message>
    <message>
        <source>KOMPR. Haftwasser   (E-5/Bar)</source>
        <translation>COMPR. connate water   (E-5/bar)</translation>
    </message>
    <message>
        <source>HAFTWASSERSÄTTIGUNG Swi   (-)</source>
        <translation>CONNATE WATER SAT. Swi   (-)</translation>
    </message>
    <message>
        <source>Bw Förderwasser   (m3/m3)</source>
        <translation>Bw produced water   (m3/m3)</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Textdateien (*.txt *.TXT)</source>
        <translation>Text files (*.txt *.TXT)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Dialogfeld zur Dateneingabe</source>
        <translation>Data Input</translation>
    </message>
    <message>
        <source>Name des Gasfeldes</source>
        <translation>Gas field name</translation>
    </message>
    <message>
        <source>Gaszusammensetzung in Prozent</source>
        <translation>Gas composition in percent</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>FÖRDERBEGINN</source>
        <translation>PRODUCTION START</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Schließdruckwerte eingeben</source>
        <translation>Enter shut-in pressures</translation>
    </message>
    <message>
        <source>Tag.Monat.Jahr</source>
        <translation>Day.Month.Year</translation>
    </message>
    <message>
        <source>Gp  (Mio m3)</source>
        <translation>Gp (mill. m3)</translation>
    </message>
    <message>
        <source>Druck (Bar)</source>
        <translation>p (bar)</translation>
    </message>
    <message>
        <source>Zeile ändern</source>
        <translation>Change row</translation>
    </message>
    <message>
        <source>Zeile anhängen</source>
        <translation>Append row</translation>
    </message>
    <message>
        <source>Zeile einfügen</source>
        <translation>Insert row</translation>
    </message>
    <message>
        <source>Zeile löschen</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Druckdatei öffnen</source>
        <translation>Open pressure file</translation>
    </message>
    <message>
        <source>CSV importieren …</source>
        <translation>Import CSV …</translation>
    </message>
    <message>
        <source>Zeile mit Doppelklick wählen</source>
        <translation>Double-click a row</translation>
    </message>
    <message>
        <source>Option auswählen</source>
        <translation>Choose an option</translation>
    </message>
    <message>
        <source>Zeile editieren</source>
        <translation>Edit the row</translation>
    </message>
    <message>
        <source>JWERT berechnen</source>
        <translation>Compute J value</translation>
    </message>
    <message>
        <source>Sensitivität berechnen</source>
        <translation>Compute sensitivity</translation>
    </message>
    <message>
        <source>Anpassung …</source>
        <translation>Fit …</translation>
    </message>
    <message>
        <source>Grafiktyp auswählen</source>
        <translation>Chart type</translation>
    </message>
    <message>
        <source>X-Achse Tage</source>
        <translation>X axis: days</translation>
    </message>
    <message>
        <source>X-Achse Kum.Produktion</source>
        <translation>X axis: cum. production</translation>
    </message>
    <message>
        <source>Zuflussberechnung</source>
        <translation>Influx calculation</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Intervallmittel (Fetkovich)</source>
        <translation>Interval mean (Fetkovich)</translation>
    </message>
    <message>
        <source>Zuflussmodell</source>
        <translation>Influx model</translation>
    </message>
    <message>
        <source>GASZONE (Gestein, Haftwasser, Förderwasser)</source>
        <translation>GAS ZONE (rock, connate water, produced water)</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CSV-Datei importieren</source>
        <translation>Import CSV File</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv *.CSV);;Textdateien (*.txt *.TXT);;Alle Dateien (*)</source>
        <translation>CSV files (*.csv *.CSV);;Text files (*.txt *.TXT);;All files (*)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden: %2.</source>
        <translation>The file %1 cannot be opened: %2.</translation>
    </message>
</context>
<context>
    <name>DlgJWert</name>
    <message>
        <source>Dialogfeld zur Berechnung des J-Wertes</source>
        <translation>J Value Calculation</translation>
    </message>
    <message>
        <source>Permeabilität               (mD)</source>
        <translation>Permeability               (mD)</translation>
    </message>
    <message>
        <source>Mächtigkeit                  ( m)</source>
        <translation>Thickness                  ( m)</translation>
    </message>
    <message>
        <source>Porosität                        ( - )</source>
        <translation>Porosity                        ( - )</translation>
    </message>
    <message>
        <source>Wasserviskosität          (cp)</source>
        <translation>Water viscosity          (cp)</translation>
    </message>
    <message>
        <source>Radius bis  GWC           (m)</source>
        <translation>Radius to GWC            (m)</translation>
    </message>
    <message>
        <source>Radius bis Brelvanende  (m)</source>
        <translation>Radius to aquifer edge (m)</translation>
    </message>
    <message>
        <source>Tiefe des Brelvans          (m)</source>
        <translation>Aquifer length             (m)</translation>
    </message>
    <message>
        <source>Breite des Brelvans         (m)</source>
        <translation>Aquifer width              (m)</translation>
    </message>
    <message>
        <source>Brelvan festlegen</source>
        <translation>Aquifer geometry</translation>
    </message>
    <message>
        <source>Ringförmig voller Kreis    360°</source>
        <translation>Radial, full circle      360°</translation>
    </message>
    <message>
        <source>Ringförmig Teilkreis      &lt;360°</source>
        <translation>Radial, sector          &lt;360°</translation>
    </message>
    <message>
        <source>Lineares Brelvan                 0°</source>
        <translation>Linear aquifer                  0°</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DlgSensResults</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>J-Wert</source>
        <translation>J value</translation>
    </message>
    <message>
        <source>(Bar)</source>
        <translation>(bar)</translation>
    </message>
    <message>
        <source>(Mio m3)</source>
        <translation>(million m3)</translation>
    </message>
    <message>
        <source>(m3/d  Bar)</source>
        <translation>(m3/(d·bar))</translation>
    </message>
    <message>
        <source>Ergebnisse der Sensitivitätsberechnung</source>
        <translation>Sensitivity Results</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DlgSensitivity</name>
    <message>
        <source>Dialogfeld zur Sensitivitätsberechnung</source>
        <translation>Sensitivity Calculation</translation>
    </message>
    <message>
        <source>MIN.ORIGINAL-GAS-IN-PLACE ( Mio m3)</source>
        <translation>MIN. OGIP                 (million m3)</translation>
    </message>
    <message>
        <source>MAX.ORIGINAL-GAS-IN-PLACE (Mio m3)</source>
        <translation>MAX. OGIP                 (million m3)</translation>
    </message>
    <message>
        <source>MIN.WATER-IN-PLACE              (Mio m3)</source>
        <translation>MIN. WIP                  (million m3)</translation>
    </message>
    <message>
        <source>MAX.WATER-IN-PLACE            ( Mio m3)</source>
        <translation>MAX. WIP                  (million m3)</translation>
    </message>
    <message>
        <source>MIN.J-WERT                     ( m3/Tag Bar )</source>
        <translation>MIN. J VALUE              (m3/(day·bar))</translation>
    </message>
    <message>
        <source>MAX.J-WERT                    ( m3/Tag Bar )</source>
        <translation>MAX. J VALUE              (m3/(day·bar))</translation>
    </message>
    <message>
        <source>MAX. GP-WERT</source>
        <translation>MAX. GP VALUE</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DlgZufluss</name>
    <message>
        <source>Permeabilität (mD)</source>
        <translation>Permeability (mD)</translation>
    </message>
    <message>
        <source>Mächtigkeit (m)</source>
        <translation>Thickness (m)</translation>
    </message>
    <message>
        <source>Wasserviskosität (cp)</source>
        <translation>Water viscosity (cp)</translation>
    </message>
    <message>
        <source>Porosität (-)</source>
        <translation>Porosity (-)</translation>
    </message>
    <message>
        <source>Kompressibilität (1E-5/bar)</source>
        <translation>Compressibility (1E-5/bar)</translation>
    </message>
    <message>
        <source>Winkel (Grad, 0 linear)</source>
        <translation>Angle (degrees, 0 linear)</translation>
    </message>
    <message>
        <source>Radius bis GWC (m)</source>
        <translation>Radius to GWC (m)</translation>
    </message>
    <message>
        <source>Radius bis Brelvanende (m, leer: unendlich)</source>
        <translation>Radius to aquifer edge (m, empty: infinite)</translation>
    </message>
    <message>
        <source>Tiefe des Brelvans (m)</source>
        <translation>Aquifer length (m)</translation>
    </message>
    <message>
        <source>Breite des Brelvans (m)</source>
        <translation>Aquifer width (m)</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>Zuflussrechner</source>
        <translation>Influx Calculator</translation>
    </message>
    <message>
        <source>Zuflussmodell</source>
        <translation>Influx model</translation>
    </message>
    <message>
        <source>Tage Druck (bar) je Zeile, die erste Zeile Tag 0 mit dem Anfangsdruck</source>
        <translation>Days and pressure (bar) per line; the first line is day 0 with the initial pressure</translation>
    </message>
    <message>
        <source>Druckverlauf öffnen …</source>
        <translation>Open pressure history …</translation>
    </message>
    <message>
        <source>Rechnen</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>WE (Mio m3)</source>
        <translation>We (million m3)</translation>
    </message>
    <message>
        <source>Druckverlauf am GWC</source>
        <translation>Pressure history at the GWC</translation>
    </message>
    <message>
        <source>Druckverlauf öffnen</source>
        <translation>Open Pressure History</translation>
    </message>
    <message>
        <source>Die Datei „%s“ kann nicht gelesen werden: %s.</source>
        <translation>The file “%s” cannot be read: %s.</translation>
    </message>
    <message>
        <source>„%s“ ist keine gültige Zahl.</source>
        <translation>“%s” is not a valid number.</translation>
    </message>
    <message>
        <source>Der Winkel muss zwischen 0 und 360 liegen.</source>
        <translation>The angle must lie between 0 and 360.</translation>
    </message>
    <message>
        <source>%d Zeitpunkte, WE am Ende %.6f Mio m3</source>
        <translation>%d points in time, We at the end %.6f million m3</translation>
    </message>
</context>
<context>
    <name>FitDialog</name>
    <message>
        <source>Anpassung</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Suchbereiche und freie Parameter</source>
        <translation>Search ranges and free parameters</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>bester Fall des Rasters 4 x 4 x 4</source>
        <translation>best case of the 4 x 4 x 4 grid</translation>
    </message>
    <message>
        <source>Werte des Falls</source>
        <translation>values of the case</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1: Bitte Minimum und Maximum angeben (0 &lt;= Minimum &lt; Maximum).</source>
        <translation>%1: please enter a minimum and a maximum (0 &lt;= minimum &lt; maximum).</translation>
    </message>
    <message>
        <source>Mindestens ein Parameter muss frei bleiben.</source>
        <translation>At least one parameter must stay free.</translation>
    </message>
    <message>
        <source>Am Startpunkt ergibt die Rechnung keinen Fehlerwert (kein Meßwert verglichen oder Abbruch); es wurde nichts angepasst.</source>
        <translation>At the starting point the calculation gives no error value (no measured pressure compared, or the run stopped); nothing was fitted.</translation>
    </message>
    <message>
        <source>Anpassung läuft …</source>
        <translation>Fitting …</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
    <message>
        <source>Die Anpassung wurde abgebrochen.</source>
        <translation>The fit was cancelled.</translation>
    </message>
    <message>
        <source>Ergebnis der Anpassung (kleinste Quadrate)</source>
        <translation>Fit result (least squares)</translation>
    </message>
    <message>
        <source>OGIP: %1 Mio m3</source>
        <translation>OGIP: %1 million m3</translation>
    </message>
    <message>
        <source>WIP: %1 Mio m3</source>
        <translation>WIP: %1 million m3</translation>
    </message>
    <message>
        <source>J-Wert: %1 m3/(Tag·bar)</source>
        <translation>J value: %1 m3/(day·bar)</translation>
    </message>
    <message>
        <source>RMS-Fehler: %1 bar</source>
        <translation>RMS error: %1 bar</translation>
    </message>
    <message>
        <source>Mittlerer Fehler: %1 bar</source>
        <translation>Mean error: %1 bar</translation>
    </message>
    <message>
        <source>Iterationen: %1</source>
        <translation>Iterations: %1</translation>
    </message>
    <message>
        <source>95-%-Bereiche (Profilmethode):</source>
        <translation>95 % intervals (profile method):</translation>
    </message>
    <message>
        <source>Warnung: %1.</source>
        <translation>Warning: %1.</translation>
    </message>
    <message>
        <source>Der OGIP-Bereich muss über dem größten Gp von %1 Mio m3 liegen.</source>
        <translation>The OGIP range must lie above the largest Gp of %1 million m3.</translation>
    </message>
    <message>
        <source>Sollen die Werte übernommen werden?</source>
        <translation>Adopt these values?</translation>
    </message>
    <message>
        <source>Das Topf-Modell hängt nicht vom J-Wert ab; er bleibt fest.</source>
        <translation>The pot aquifer does not depend on the J value; J stays fixed.</translation>
    </message>
    <message>
        <source>Modelle vergleichen</source>
        <translation>Compare models</translation>
    </message>
    <message>
        <source>Passt jedes Zuflussmodell in diesen Suchbereichen an und vergleicht sie (RMS-Fehler, AIC)</source>
        <translation>Fits every influx model within these search ranges and compares them (RMS error, AIC)</translation>
    </message>
    <message>
        <source>Der Vergleich der Modelle wurde abgebrochen.</source>
        <translation>The comparison of the models was cancelled.</translation>
    </message>
    <message>
        <source>Die Modelle werden verglichen …</source>
        <translation>Comparing the models …</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>brelvan – Hilfe</source>
        <translation>brelvan – Help</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>InfluxChart</name>
    <message>
        <source>Zeit in Tagen</source>
        <translation>Time in days</translation>
    </message>
    <message>
        <source>WE (Mio m3)</source>
        <translation>We (million m3)</translation>
    </message>
</context>
<context>
    <name>QtUserInterface</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
</TS>
