<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CBrelvanView</name>
    <message>
        <source>Der Fall ist noch nicht berechnet.</source>
        <translation>The case has not been computed yet.</translation>
    </message>
    <message>
        <source>Dokument:%1</source>
        <translation>Document:%1</translation>
    </message>
</context>
<context>
    <name>CGrafik</name>
    <message>
        <source>Grafik exportieren</source>
        <translation>Export Chart</translation>
    </message>
    <message>
        <source>grafik.svg</source>
        <translation>chart.svg</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg);;PNG-Bild (*.png);;PDF-Dokument (*.pdf)</source>
        <translation>SVG graphics (*.svg);;PNG image (*.png);;PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CScrollViewBase</name>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Print Preview</translation>
    </message>
</context>
<context>
    <name>DiagnosticChart</name>
    <message>
        <source>Kum. Produktion Gp (Mio m3)</source>
        <translation>Cum. production Gp (million m3)</translation>
    </message>
    <message>
        <source>Zeit (Tage)</source>
        <translation>Time (days)</translation>
    </message>
    <message>
        <source>Wasserzufluss WE (Mio m3)</source>
        <translation>Water influx We (million m3)</translation>
    </message>
    <message>
        <source>Druck berechnet (bar)</source>
        <translation>Pressure computed (bar)</translation>
    </message>
    <message>
        <source>Druck gemessen (bar)</source>
        <translation>Pressure measured (bar)</translation>
    </message>
    <message>
        <source>WE berechnet (Mio m3)</source>
        <translation>We computed (million m3)</translation>
    </message>
    <message>
        <source>Druck (bar)</source>
        <translation>Pressure (bar)</translation>
    </message>
    <message>
        <source>p/z gemessen</source>
        <translation>p/z measured</translation>
    </message>
    <message>
        <source>p/z berechnet</source>
        <translation>p/z computed</translation>
    </message>
    <message>
        <source>p/z-Gerade (Ausgleich)</source>
        <translation>p/z line (fitted)</translation>
    </message>
    <message>
        <source>Volumetrisches OGIP %1 Mio m3</source>
        <translation>Volumetric OGIP %1 million m3</translation>
    </message>
    <message>
        <source>OGIP des Falls %1 Mio m3</source>
        <translation>OGIP of the case %1 million m3</translation>
    </message>
    <message>
        <source>p/z (bar)</source>
        <translation>p/z (bar)</translation>
    </message>
    <message>
        <source>Cole gemessen</source>
        <translation>Cole measured</translation>
    </message>
    <message>
        <source>Cole berechnet</source>
        <translation>Cole computed</translation>
    </message>
    <message>
        <source>Gp·(p/z)i / ((p/z)i − p/z) (Mio m3)</source>
        <translation>Gp·(p/z)i / ((p/z)i − p/z) (million m3)</translation>
    </message>
    <message>
        <source>F/Eg an den Messpunkten</source>
        <translation>F/Eg at the measurements</translation>
    </message>
    <message>
        <source>Steigung 1 durch OGIP %1 Mio m3</source>
        <translation>Slope 1 through OGIP %1 million m3</translation>
    </message>
    <message>
        <source>We/Eg (Mio m3)</source>
        <translation>We/Eg (million m3)</translation>
    </message>
    <message>
        <source>F/Eg (Mio m3)</source>
        <translation>F/Eg (million m3)</translation>
    </message>
    <message>
        <source>Messwert − Rechnung</source>
        <translation>Measured − computed</translation>
    </message>
    <message>
        <source>Messwert − Rechnung (bar)</source>
        <translation>Measured − computed (bar)</translation>
    </message>
    <message>
        <source>± RMS (%1 bar)</source>
        <translation>± RMS (%1 bar)</translation>
    </message>
    <message>
        <source>Nulllinie</source>
        <translation>Zero line</translation>
    </message>
    <message>
        <source>Druckverlauf</source>
        <translation>Pressure History</translation>
    </message>
    <message>
        <source>p/z – Gp</source>
        <translation>p/z – Gp</translation>
    </message>
    <message>
        <source>Cole-Diagramm</source>
        <translation>Cole Plot</translation>
    </message>
    <message>
        <source>Havlena–Odeh</source>
        <translation>Havlena–Odeh</translation>
    </message>
    <message>
        <source>Residuen</source>
        <translation>Residuals</translation>
    </message>
    <message>
        <source>Keine Ergebnisse: bitte zuerst rechnen (Daten ändern).</source>
        <translation>No results: please compute first (Change Data).</translation>
    </message>
    <message>
        <source>&lt;br&gt;p/z-Gerade: p/z = %1 %2 %3 · Gp</source>
        <translation>&lt;br&gt;p/z line: p/z = %1 %2 %3 · Gp</translation>
    </message>
    <message>
        <source>&lt;br&gt;RMS-Fehler %1 bar, mittlerer Fehler %2 bar</source>
        <translation>&lt;br&gt;RMS error %1 bar, mean error %2 bar</translation>
    </message>
</context>
<context>
    <name>DiagnosticView</name>
    <message>
        <source>Grafik exportieren</source>
        <translation>Export Chart</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg);;PNG-Bild (*.png);;PDF-Dokument (*.pdf)</source>
        <translation>SVG graphics (*.svg);;PNG image (*.png);;PDF document (*.pdf)</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>Schließdrücke und Wasserinvasion</source>
        <translation>Shut-in Pressures, Water Influx</translation>
    </message>
    <message>
        <source>Dokument %1</source>
        <translation>Document %1</translation>
    </message>
</context>
<context>
    <name>MisfitMapPainter</name>
    <message>
        <source>%1 in jeder Zelle optimiert</source>
        <translation>%1 optimised in every cell</translation>
    </message>
    <message>
        <source>%1 fest: %2 %3</source>
        <translation>%1 fixed: %2 %3</translation>
    </message>
    <message>
        <source>Fehlerkarte: RMS-Fehler (bar)</source>
        <translation>Misfit map: RMS error (bar)</translation>
    </message>
    <message>
        <source>Fehlerkarte %1: RMS-Fehler (bar)</source>
        <translation>Misfit map %1: RMS error (bar)</translation>
    </message>
    <message>
        <source>Keine Fehlerkarte berechnet</source>
        <translation>No misfit map computed</translation>
    </message>
    <message>
        <source>RMS (bar), log.</source>
        <translation>RMS (bar), log.</translation>
    </message>
    <message>
        <source>RMS (bar)</source>
        <translation>RMS (bar)</translation>
    </message>
    <message>
        <source>95 %: %1 bar</source>
        <translation>95 %: %1 bar</translation>
    </message>
    <message>
        <source>95 %: zu wenige Werte</source>
        <translation>95 %: too few values</translation>
    </message>
    <message>
        <source>Höhenlinien</source>
        <translation>Contour lines</translation>
    </message>
    <message>
        <source>kleinster Fehler</source>
        <translation>smallest misfit</translation>
    </message>
    <message>
        <source>kein Fehlerwert</source>
        <translation>no misfit value</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>Unbekannte Dateiendung „%1“: erlaubt sind .csv, .xlsx, .svg, .png und .pdf.</source>
        <translation>Unknown file ending “%1”: allowed are .csv, .xlsx, .svg, .png and .pdf.</translation>
    </message>
    <message>
        <source>Fehlerkarte</source>
        <translation>Misfit Map</translation>
    </message>
</context>
<context>
    <name>MisfitMapView</name>
    <message>
        <source>Achsen:</source>
        <translation>Axes:</translation>
    </message>
    <message>
        <source>OGIP – WIP</source>
        <translation>OGIP – WIP</translation>
    </message>
    <message>
        <source>OGIP – J-Wert</source>
        <translation>OGIP – J value</translation>
    </message>
    <message>
        <source>WIP – J-Wert</source>
        <translation>WIP – J value</translation>
    </message>
    <message>
        <source>Punkte je Achse:</source>
        <translation>Points per axis:</translation>
    </message>
    <message>
        <source>dritter Parameter:</source>
        <translation>third parameter:</translation>
    </message>
    <message>
        <source>fest (Wert des Falls)</source>
        <translation>fixed (value of the case)</translation>
    </message>
    <message>
        <source>optimiert</source>
        <translation>optimised</translation>
    </message>
    <message>
        <source>J-Wert</source>
        <translation>J value</translation>
    </message>
    <message>
        <source>%1 (%2) von</source>
        <translation>%1 (%2) from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Exportieren …</source>
        <translation>Export …</translation>
    </message>
    <message>
        <source>Kleinster Fehler: </source>
        <translation>Smallest misfit: </translation>
    </message>
    <message>
        <source>RMS-Fehler %1 bar</source>
        <translation>RMS error %1 bar</translation>
    </message>
    <message>
        <source> (veraltet)</source>
        <translation> (out of date)</translation>
    </message>
    <message>
        <source>RMS-Fehler: %1 bar</source>
        <translation>RMS error: %1 bar</translation>
    </message>
    <message>
        <source>kein Fehlerwert</source>
        <translation>no misfit value</translation>
    </message>
    <message>
        <source>Noch keine Fehlerkarte berechnet: Achsen und Punkte wählen, dann „Berechnen“.</source>
        <translation>No misfit map computed yet: choose the axes and points, then “Compute”.</translation>
    </message>
    <message>
        <source>Die Fehlerkarte wird berechnet …</source>
        <translation>Computing the misfit map …</translation>
    </message>
    <message>
        <source>Die Fehlerkarte wird neu berechnet; bis dahin zeigt sie die früheren Werte …</source>
        <translation>Computing the misfit map again; until then it shows the earlier values …</translation>
    </message>
    <message>
        <source>Die Berechnung wurde abgebrochen.</source>
        <translation>The computation was cancelled.</translation>
    </message>
    <message>
        <source>Veraltet: der Fall wurde geändert, die Karte zeigt die früheren Werte und wird nicht exportiert. „Berechnen“ rechnet sie neu.</source>
        <translation>Out of date: the case has changed; the map shows the earlier values and is not exported. “Compute” computes it again.</translation>
    </message>
    <message>
        <source>Fehlerkarte exportieren</source>
        <translation>Export Misfit Map</translation>
    </message>
    <message>
        <source>fehlerkarte.png</source>
        <translation>misfit-map.png</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf);;CSV-Tabelle (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PNG image (*.png);;SVG graphics (*.svg);;PDF document (*.pdf);;CSV table (*.csv);;Excel workbook (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden</source>
        <translation>The file “%1” cannot be written</translation>
    </message>
    <message>
        <source>: das Bild ist zu groß.</source>
        <translation>: the picture is too large.</translation>
    </message>
    <message>
        <source>Unbekannte Dateiendung &quot;%1&quot;: erlaubt sind .svg, .png und .pdf.</source>
        <translation>Unknown file ending &quot;%1&quot;: allowed are .svg, .png and .pdf.</translation>
    </message>
    <message>
        <source>: das Bild kann nicht gezeichnet werden.</source>
        <translation>: the picture cannot be drawn.</translation>
    </message>
</context>
</TS>
