<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>brelvan-grafik</name>
    <message>
        <source>Aufruf: brelvan-cli grafik FALL.brv AUSGABE.svg|.png|.pdf [--x tage|gp] [--lupe]
                           [--seite hoch|quer] [--art verlauf|pz|cole|ho|residuen]
Rechnet den Fall und schreibt die Grafik, wie die Grafikansicht sie zeichnet:
  --x tage|gp         x-Achse in Tagen (Vorgabe) oder kumulativer Produktion
  --lupe              vergrößerte Bildschirmgrafik (%d x %d statt %d x %d)
  --seite hoch|quer   Grafik einer gedruckten Seite im Hoch- oder Querformat
  --art ART           eine Diagnosegrafik statt der Grafik: verlauf (Druckverlauf mit
                      Meßpunkten), pz (p/z – Gp), cole, ho (Havlena–Odeh), residuen
                      (--lupe gilt nur für die Grafik ohne --art)
Die Dateiendung der Ausgabe wählt das Format (SVG, PNG oder PDF). „-“ als FALL.brv
liest den Fall von der Standardeingabe.
Rückgabewert 3, wenn die Rechnung mit einem Abbruch endet (die Grafik wird geschrieben).
--sprache de|en (auch --language) wählt die Sprache der Meldungen und der Grafik.</source>
        <translation>Usage: brelvan-cli chart CASE.brv OUTPUT.svg|.png|.pdf [--x tage|gp] [--lupe]
                          [--seite hoch|quer] [--art verlauf|pz|cole|ho|residuen]
Computes the case and writes the chart as the chart view draws it:
  --x tage|gp         x axis in days (default) or cumulative production
  --lupe              magnified screen chart (%d x %d instead of %d x %d)
  --seite hoch|quer   chart of a printed page in portrait (hoch) or landscape (quer)
  --art KIND          a diagnostic plot instead of the chart: verlauf (pressure history
                      with measurements), pz (p/z – Gp), cole, ho (Havlena–Odeh),
                      residuen (residuals); --lupe applies only to the chart without --art
The output file&apos;s ending chooses the format (SVG, PNG or PDF). “-” as CASE.brv
reads the case from standard input.
Exit status 3 when the computation ends with an abort (the chart is written).
--language de|en (also --sprache) chooses the language of the messages and the chart.</translation>
    </message>
    <message>
        <source>--%s erwartet „%s“ oder „%s“, nicht „%s“.</source>
        <translation>--%s expects “%s” or “%s”, not “%s”.</translation>
    </message>
    <message>
        <source>Anzugeben sind die Falldatei und die Ausgabedatei.</source>
        <translation>The case file and the output file must be given.</translation>
    </message>
    <message>
        <source>Die Ausgabedatei muss auf .svg, .png oder .pdf enden.</source>
        <translation>The output file must end in .svg, .png or .pdf.</translation>
    </message>
    <message>
        <source>--art erwartet „verlauf“, „pz“, „cole“, „ho“ oder „residuen“, nicht „%s“.</source>
        <translation>--art expects “verlauf”, “pz”, “cole”, “ho” or “residuen”, not “%s”.</translation>
    </message>
    <message>
        <source>Die Eingaben des Falls sind nicht gültig; es wurde nichts gerechnet.</source>
        <translation>The inputs of the case are not valid; nothing was computed.</translation>
    </message>
    <message>
        <source>--sprache erwartet „de“ oder „en“.</source>
        <translation>--language expects “de” or “en”.</translation>
    </message>
    <message>
        <source>--sprache erwartet „de“ oder „en“, nicht „%s“.</source>
        <translation>--language expects “de” or “en”, not “%s”.</translation>
    </message>
</context>
</TS>
