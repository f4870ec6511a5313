<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>FitDialog</name>
    <message>
        <source>Das Topf-Modell hängt nicht vom J-Wert ab; er bleibt fest.</source>
        <translation>The pot model does not depend on the J value; it stays fixed.</translation>
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
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
</context>
</TS>
