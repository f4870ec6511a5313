<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Info über brelvan</source>
        <translation>About brelvan</translation>
    </message>
    <message>
        <source>brelvan, Version 2.0</source>
        <translation>brelvan, version 2.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CBrelvanApp</name>
    <message>
        <source>Dateityp Brelva (*.brv);;Alle Dateien (*)</source>
        <translation>Brelva files (*.brv);;All files (*)</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aufruf: brelvan --print FALL.brv</source>
        <translation>Usage: brelvan --print CASE.brv</translation>
    </message>
    <message>
        <source>Aufruf: brelvan --print-to DRUCKER FALL.brv</source>
        <translation>Usage: brelvan --print-to PRINTER CASE.brv</translation>
    </message>
    <message>
        <source>die Seiten können nicht gedruckt werden</source>
        <translation>the pages cannot be printed</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>Es ist kein Standarddrucker eingerichtet.</source>
        <translation>No default printer is set up.</translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; ist nicht vorhanden.</source>
        <translation>The printer &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>Druckereinrichtung</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>Möchten Sie die Änderungen an %1 speichern?</source>
        <translation>Do you want to save the changes to %1?</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Neu	Strg+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>Erstellt ein neues Dokument.
Neu</source>
        <translation>Creates a new document.
New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...	Strg+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>Öffnet ein bestehendes Dokument.
Öffnen</source>
        <translation>Opens an existing document.
Open</translation>
    </message>
    <message>
        <source>S&amp;peichern	Strg+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument.
Speichern</source>
        <translation>Saves the active document.
Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Speichert das aktive Dokument unter neuem Namen.
Speichern unter</source>
        <translation>Saves the active document under a new name.
Save As</translation>
    </message>
    <message>
        <source>&amp;Drucken...	Strg+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Druckt das aktive Dokument.
Drucken</source>
        <translation>Prints the active document.
Print</translation>
    </message>
    <message>
        <source>Sei&amp;tenansicht</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Zeigt ganze Seiten an.
Seitenansicht</source>
        <translation>Shows whole pages.
Print Preview</translation>
    </message>
    <message>
        <source>Drucker&amp;einrichtung...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Ändert den Drucker und die Druckoptionen.
Druckereinrichtung</source>
        <translation>Changes the printer and the printing options.
Print Setup</translation>
    </message>
    <message>
        <source>Letzte Datei</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>Öffnet dieses Dokument.</source>
        <translation>Opens this document.</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.
Beenden</source>
        <translation>Quits the application; asks whether documents are to be saved.
Exit</translation>
    </message>
    <message>
        <source>Daten ändern</source>
        <translation>Change Data</translation>
    </message>
    <message>
        <source>Daten ändern
Daten ändern</source>
        <translation>Change data
Change Data</translation>
    </message>
    <message>
        <source>Ergebnisse in aus.txt Datei</source>
        <translation>Results to aus.txt File</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden in die Datei aus.txt geschrieben</source>
        <translation>Writes the results to the file aus.txt</translation>
    </message>
    <message>
        <source>Datei aus.txt lesen</source>
        <translation>Read aus.txt File</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Zeigt die Grafik an
Grafik</source>
        <translation>Shows the chart
Chart</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Zeigt den Text an
Text</source>
        <translation>Shows the text
Text</translation>
    </message>
    <message>
        <source>&amp;Symbolleiste</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Blendet die Symbolleiste ein oder aus.
Symbolleiste ein-/ausschalten</source>
        <translation>Shows or hides the toolbar.
Toggle Toolbar</translation>
    </message>
    <message>
        <source>S&amp;tatusleiste</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Blendet die Statusleiste ein oder aus.
Statusleiste ein-/ausschalten</source>
        <translation>Shows or hides the status bar.
Toggle Status Bar</translation>
    </message>
    <message>
        <source>Inf&amp;o über brelvan...</source>
        <translation>&amp;About brelvan...</translation>
    </message>
    <message>
        <source>Zeigt Programminformationen und die Versionsnummer an.
Info</source>
        <translation>Shows program information and the version number.
About</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ruft die Online-Hilfe auf</source>
        <translation>Opens the online help</translation>
    </message>
    <message>
        <source>Grafik Lupe</source>
        <translation>Chart Magnifier</translation>
    </message>
    <message>
        <source>Grafik Lupe
Grafik Lupe</source>
        <translation>Chart magnifier
Chart Magnifier</translation>
    </message>
    <message>
        <source>Fehlerkarte</source>
        <translation>Misfit Map</translation>
    </message>
    <message>
        <source>Zeigt die Fehlerkarte an
Fehlerkarte</source>
        <translation>Shows the misfit map
Misfit Map</translation>
    </message>
    <message>
        <source>Anpassung …</source>
        <translation>Fit …</translation>
    </message>
    <message>
        <source>Passt OGIP, WIP und J-Wert nach kleinsten Quadraten an
Anpassung</source>
        <translation>Fits OGIP, WIP and J by least squares
Fit</translation>
    </message>
    <message>
        <source>Zuflussrechner …</source>
        <translation>Influx Calculator …</translation>
    </message>
    <message>
        <source>Rechnet den Wasserzufluss eines Druckverlaufs nach einem Zuflussmodell
Zuflussrechner</source>
        <translation>Computes the water influx of a pressure history with an influx model
Influx Calculator</translation>
    </message>
    <message>
        <source>Direkt drucken</source>
        <translation>Print Directly</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Ausschneiden</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Nächster Ausschnitt</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <source>Vorheriger Ausschnitt</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>UF</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Kontextmenü</source>
        <translation>Context Menu</translation>
    </message>
    <message>
        <source>Datei neu</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Es liegen keine Druckmeßwerte vor!</source>
        <translation>There are no measured pressures!</translation>
    </message>
</context>
<context>
    <name>DiagnosticViews</name>
    <message>
        <source>Druckverlauf</source>
        <translation>Pressure History</translation>
    </message>
    <message>
        <source>Zeigt den Druckverlauf mit Meßpunkten, Werten unter der Maus und Zoom an
Druckverlauf</source>
        <translation>Shows the pressure history with the measurements, values under the mouse and zoom
Pressure History</translation>
    </message>
    <message>
        <source>p/z – Gp</source>
        <translation>p/z – Gp</translation>
    </message>
    <message>
        <source>Zeigt p/z über der kumulativen Produktion mit der Ausgleichsgeraden an
p/z – Gp</source>
        <translation>Shows p/z against cumulative production with the fitted line
p/z – Gp</translation>
    </message>
    <message>
        <source>Cole-Diagramm</source>
        <translation>Cole Plot</translation>
    </message>
    <message>
        <source>Zeigt das scheinbare Gas in place über der kumulativen Produktion an
Cole-Diagramm</source>
        <translation>Shows the apparent gas in place against cumulative production
Cole Plot</translation>
    </message>
    <message>
        <source>Havlena–Odeh</source>
        <translation>Havlena–Odeh</translation>
    </message>
    <message>
        <source>Zeigt F/Eg über We/Eg mit der Geraden der Steigung 1 durch das OGIP an
Havlena–Odeh</source>
        <translation>Shows F/Eg against We/Eg with the line of slope 1 through the OGIP
Havlena–Odeh</translation>
    </message>
    <message>
        <source>Residuen</source>
        <translation>Residuals</translation>
    </message>
    <message>
        <source>Zeigt Meßwert minus Rechnung je Meßpunkt mit dem RMS-Band an
Residuen</source>
        <translation>Shows measured minus computed at each measurement with the RMS band
Residuals</translation>
    </message>
    <message>
        <source>Grafik exportieren...</source>
        <translation>Export Chart...</translation>
    </message>
    <message>
        <source>Schreibt die gezeigte Grafik als SVG, PNG oder PDF
Grafik exportieren</source>
        <translation>Writes the chart shown as SVG, PNG or PDF
Export Chart</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>CSV, Semikolon und Dezimalkomma (*.csv)</source>
        <translation>CSV, semicolon and decimal comma (*.csv)</translation>
    </message>
    <message>
        <source>CSV, Komma und Dezimalpunkt (*.csv)</source>
        <translation>CSV, comma and decimal point (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Es liegen keine berechneten Ergebnisse vor. Bitte zuerst die Daten ändern und rechnen.</source>
        <translation>There are no computed results. Please change the data and compute first.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>E&amp;xportieren …</source>
        <translation>E&amp;xport …</translation>
    </message>
    <message>
        <source>Schreibt die Ergebnistabelle als CSV-Datei oder Excel-Arbeitsmappe.</source>
        <translation>Writes the results table as a CSV file or an Excel workbook.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Aufruf: brelvan [--sprache de|en] [FALL.brv]
        brelvan --print FALL.brv            (auch /p FALL.brv)
        brelvan --print-to DRUCKER FALL.brv (auch /pt)
        brelvan --version | --help
Öffnet den Fall (oder einen neuen) im Eingabedialog; OK rechnet ihn. --print druckt den
Bericht des Falls auf dem Standarddrucker, --print-to auf DRUCKER.
--sprache (auch --language) wählt die Sprache: de Deutsch, en Englisch.
Ohne Fenster arbeitet das Stapelprogramm brelvan-cli.
</source>
        <translation>Usage: brelvan [--language de|en] [CASE.brv]
       brelvan --print CASE.brv            (also /p CASE.brv)
       brelvan --print-to PRINTER CASE.brv (also /pt)
       brelvan --version | --help
Opens the case (or a new one) in the input dialog; OK computes it. --print prints the
case&apos;s report on the default printer, --print-to on PRINTER.
--language (also --sprache) chooses the language: de German, en English.
The batch tool brelvan-cli works without a window.
</translation>
    </message>
    <message>
        <source>--sprache erwartet „de“ oder „en“.</source>
        <translation>--language expects “de” or “en”.</translation>
    </message>
    <message>
        <source>--sprache erwartet „de“ oder „en“, nicht „%1“.</source>
        <translation>--language expects “de” or “en”, not “%1”.</translation>
    </message>
</context>
</TS>
