<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
 <context>
  <name>Spectavo</name>
  <message>
   <source>The table holds results of another method, and a document keeps one method.
Start a new document with the new method?</source>
   <translation>Die Tabelle enthält Ergebnisse einer anderen Methode, und ein Dokument hat nur eine Methode.
Ein neues Dokument mit der neuen Methode beginnen?</translation>
  </message>
  <message>
   <source>Method</source>
   <translation>Methode</translation>
  </message>
  <message>
   <source>&amp;Method</source>
   <translation>&amp;Methode</translation>
  </message>
  <message>
   <source>WL &amp;1</source>
   <translation>WL &amp;1</translation>
  </message>
  <message>
   <source>WL &amp;2</source>
   <translation>WL &amp;2</translation>
  </message>
  <message>
   <source>WL &amp;3</source>
   <translation>WL &amp;3</translation>
  </message>
  <message>
   <source>With &amp;Reference</source>
   <translation>Mit &amp;Referenz</translation>
  </message>
  <message>
   <source>Coef. f%1=</source>
   <translation>Koeff. f%1=</translation>
  </message>
  <message>
   <source>Unit</source>
   <translation>Einheit</translation>
  </message>
  <message>
   <source>Results</source>
   <translation>Ergebnisse</translation>
  </message>
  <message>
   <source>Method %1 (not configured)</source>
   <translation>Methode %1 (nicht eingerichtet)</translation>
  </message>
  <message>
   <source>DNA/Protein Measurement</source>
   <translation>DNA/Protein-Messung</translation>
  </message>
  <message>
   <source>&amp;Recalc</source>
   <translation>&amp;Neu berechnen</translation>
  </message>
  <message>
   <source>&amp;Font</source>
   <translation>&amp;Schrift</translation>
  </message>
  <message>
   <source>Information</source>
   <translation>Information</translation>
  </message>
  <message>
   <source>Sample</source>
   <translation>Probe</translation>
  </message>
  <message>
   <source>&amp;Open...</source>
   <translation>Ö&amp;ffnen...</translation>
  </message>
  <message>
   <source>Open a document</source>
   <translation>Ein Dokument öffnen</translation>
  </message>
  <message>
   <source>&amp;Load...</source>
   <translation>&amp;Laden...</translation>
  </message>
  <message>
   <source>Load a document or a method</source>
   <translation>Ein Dokument oder eine Methode laden</translation>
  </message>
  <message>
   <source>&amp;Save	Ctrl+S</source>
   <translation>&amp;Speichern	Ctrl+S</translation>
  </message>
  <message>
   <source>Save &amp;As...</source>
   <translation>Speichern &amp;unter...</translation>
  </message>
  <message>
   <source>Open file from &amp;UV-Rediradozu</source>
   <translation>Datei vom &amp;UV-Rediradozu öffnen</translation>
  </message>
  <message>
   <source>&amp;Print...	Ctrl+P</source>
   <translation>&amp;Drucken...	Ctrl+P</translation>
  </message>
  <message>
   <source>Export as PDF...</source>
   <translation>Als PDF exportieren...</translation>
  </message>
  <message>
   <source>&amp;Document</source>
   <translation>&amp;Dokument</translation>
  </message>
  <message>
   <source>&amp;Measure</source>
   <translation>&amp;Messen</translation>
  </message>
  <message>
   <source>&amp;Start	F5</source>
   <translation>&amp;Start	F5</translation>
  </message>
  <message>
   <source>Measure the sample at predefined points</source>
   <translation>Die Probe an den festgelegten Punkten messen</translation>
  </message>
  <message>
   <source>&amp;Modify</source>
   <translation>&amp;Ändern</translation>
  </message>
  <message>
   <source>Modify the measurement by testing the sample again</source>
   <translation>Die Messung durch erneutes Messen der Probe ändern</translation>
  </message>
  <message>
   <source>&amp;Delete</source>
   <translation>&amp;Löschen</translation>
  </message>
  <message>
   <source>Delete a sample.</source>
   <translation>Eine Probe löschen.</translation>
  </message>
  <message>
   <source>&amp;Autorun</source>
   <translation>&amp;Automatiklauf</translation>
  </message>
  <message>
   <source>Auto change sample cell and run</source>
   <translation>Küvetten automatisch wechseln und messen</translation>
  </message>
  <message>
   <source>&amp;Blank Calibration</source>
   <translation>&amp;Leerwertkalibrierung</translation>
  </message>
  <message>
   <source>Calibrate the baseline at the current cell</source>
   <translation>Die Basislinie an der aktuellen Küvette kalibrieren</translation>
  </message>
  <message>
   <source>&amp;Automatic Blank Calibration</source>
   <translation>&amp;Automatische Leerwertkalibrierung</translation>
  </message>
  <message>
   <source>Export Sam&amp;ple</source>
   <translation>&amp;Proben exportieren</translation>
  </message>
  <message>
   <source>Export S&amp;tandard</source>
   <translation>S&amp;tandards exportieren</translation>
  </message>
  <message>
   <source>Standard &amp;Parameter Setup</source>
   <translation>Standard&amp;parameter einrichten</translation>
  </message>
  <message>
   <source>De&amp;lete Standard Parameters</source>
   <translation>Standardparameter l&amp;öschen</translation>
  </message>
  <message>
   <source>&amp;View</source>
   <translation>&amp;Ansicht</translation>
  </message>
  <message>
   <source>Setup the measurement method.</source>
   <translation>Die Messmethode einrichten.</translation>
  </message>
  <message>
   <source>&amp;Display Setup</source>
   <translation>A&amp;nzeige einrichten</translation>
  </message>
  <message>
   <source>Display Setup.</source>
   <translation>Anzeige einrichten.</translation>
  </message>
  <message>
   <source>&amp;Trace Cursor</source>
   <translation>&amp;Messcursor</translation>
  </message>
  <message>
   <source>Activate the Trace Cursor</source>
   <translation>Den Messcursor einschalten</translation>
  </message>
  <message>
   <source>Transmittance Mode</source>
   <translation>Transmissionsmodus</translation>
  </message>
  <message>
   <source>Absorbance Mode</source>
   <translation>Absorptionsmodus</translation>
  </message>
  <message>
   <source>Data &amp;Font...</source>
   <translation>Daten&amp;schrift...</translation>
  </message>
  <message>
   <source>&amp;Copy</source>
   <translation>&amp;Kopieren</translation>
  </message>
  <message>
   <source>Copy the calibration curve</source>
   <translation>Die Kalibrierkurve kopieren</translation>
  </message>
  <message>
   <source>standards</source>
   <translation>Standards</translation>
  </message>
  <message>
   <source>samples</source>
   <translation>Proben</translation>
  </message>
  <message>
   <source>Text file(*.txt)</source>
   <translation>Textdatei(*.txt)</translation>
  </message>
  <message>
   <source>Result has not been saved. Save it now?</source>
   <translation>Das Ergebnis wurde nicht gespeichert. Jetzt speichern?</translation>
  </message>
  <message>
   <source>A measurement is running. Finish or cancel it first.</source>
   <translation>Eine Messung läuft. Beenden oder brechen Sie sie zuerst ab.</translation>
  </message>
  <message>
   <source>The automatic run is still measuring. Stop it first.</source>
   <translation>Der Automatiklauf misst noch. Halten Sie ihn zuerst an.</translation>
  </message>
  <message>
   <source>Title</source>
   <translation>Titel</translation>
  </message>
  <message>
   <source>Title of Report</source>
   <translation>Titel des Berichts</translation>
  </message>
  <message>
   <source>Title of Standard</source>
   <translation>Titel der Standards</translation>
  </message>
  <message>
   <source>Title of Sample</source>
   <translation>Titel der Proben</translation>
  </message>
  <message>
   <source>Sub title</source>
   <translation>Untertitel</translation>
  </message>
  <message>
   <source>Operator</source>
   <translation>Bediener</translation>
  </message>
  <message>
   <source>Date and Time</source>
   <translation>Datum und Zeit</translation>
  </message>
  <message>
   <source>Footnote</source>
   <translation>Fußnote</translation>
  </message>
  <message>
   <source>Memo  (Press Ctrl+Enter to start a new line)</source>
   <translation>Notiz  (Strg+Eingabe beginnt eine neue Zeile)</translation>
  </message>
  <message>
   <source>Blank Calibration</source>
   <translation>Leerwertkalibrierung</translation>
  </message>
  <message>
   <source>Lambda</source>
   <translation>Lambda</translation>
  </message>
  <message>
   <source>Sample &amp;name</source>
   <translation>Proben&amp;name</translation>
  </message>
  <message>
   <source>Fixed Points Measuring</source>
   <translation>Messung an festen Wellenlängen</translation>
  </message>
  <message>
   <source>deltaAbs</source>
   <translation>deltaAbs</translation>
  </message>
  <message>
   <source>Conc.</source>
   <translation>Konz.</translation>
  </message>
  <message>
   <source>Print this page?</source>
   <translation>Diese Seite drucken?</translation>
  </message>
  <message>
   <source>Print the memo information?</source>
   <translation>Die Notizen drucken?</translation>
  </message>
  <message>
   <source>Could not start print job.</source>
   <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
  </message>
  <message>
   <source>Error</source>
   <translation>Fehler</translation>
  </message>
  <message>
   <source>Error

No printer is set up. Export as PDF... instead?</source>
   <translation>Fehler

Es ist kein Drucker eingerichtet. Stattdessen als PDF exportieren?</translation>
  </message>
  <message>
   <source>PDF document(*.pdf)</source>
   <translation>PDF-Dokument(*.pdf)</translation>
  </message>
  <message>
   <source>&amp;Start</source>
   <translation>&amp;Start</translation>
  </message>
  <message>
   <source>&amp;Recalculate</source>
   <translation>&amp;Neu berechnen</translation>
  </message>
  <message>
   <source>Data &amp;Font</source>
   <translation>Daten&amp;schrift</translation>
  </message>
  <message>
   <source>&amp;Print...</source>
   <translation>&amp;Drucken...</translation>
  </message>
  <message>
   <source>Blank calibration...</source>
   <translation>Nullabgleich...</translation>
  </message>
  <message>
   <source>Ready</source>
   <translation>Bereit</translation>
  </message>
  <message>
   <source>%s is not a document this window can read.</source>
   <translation>%s ist kein Dokument, das dieses Fenster lesen kann.</translation>
  </message>
  <message>
   <source>Cannot write %s.</source>
   <translation>%s kann nicht geschrieben werden.</translation>
  </message>
  <message>
   <source>o : Sample</source>
   <translation>o : Probe</translation>
  </message>
  <message>
   <source>+ : Standard</source>
   <translation>+ : Standard</translation>
  </message>
  <message>
   <source>Scales</source>
   <translation>Skalen</translation>
  </message>
  <message>
   <source>Automatic Setting</source>
   <translation>Automatische Einstellung</translation>
  </message>
  <message>
   <source>X Interval</source>
   <translation>X-Intervall</translation>
  </message>
  <message>
   <source>Y Interval</source>
   <translation>Y-Intervall</translation>
  </message>
  <message>
   <source>Unit of Conc.</source>
   <translation>Konzentrationseinheit</translation>
  </message>
  <message>
   <source>Show</source>
   <translation>Anzeigen</translation>
  </message>
  <message>
   <source>Font</source>
   <translation>Schrift</translation>
  </message>
  <message>
   <source>X-Axis</source>
   <translation>X-Achse</translation>
  </message>
  <message>
   <source>Y-Axis</source>
   <translation>Y-Achse</translation>
  </message>
  <message>
   <source>Standard</source>
   <translation>Standard</translation>
  </message>
  <message>
   <source>Fit Parameters</source>
   <translation>Fitparameter</translation>
  </message>
  <message>
   <source>Tick labels</source>
   <translation>Achsenbeschriftung</translation>
  </message>
  <message>
   <source>Apply</source>
   <translation>Übernehmen</translation>
  </message>
  <message>
   <source>&amp;Number of WL points</source>
   <translation>&amp;Anzahl der Wellenlängen</translation>
  </message>
  <message>
   <source>Wavelengths (nm)</source>
   <translation>Wellenlängen (nm)</translation>
  </message>
  <message>
   <source>WL%1</source>
   <translation>WL%1</translation>
  </message>
  <message>
   <source>&amp;Calculate Concentration</source>
   <translation>&amp;Konzentration berechnen</translation>
  </message>
  <message>
   <source>Select a &amp;Unit</source>
   <translation>&amp;Einheit wählen</translation>
  </message>
  <message>
   <source>&amp;Use Standard Samples</source>
   <translation>&amp;Standardproben verwenden</translation>
  </message>
  <message>
   <source>Curve &amp;Fit</source>
   <translation>Kurven&amp;anpassung</translation>
  </message>
  <message>
   <source>Linear Fit</source>
   <translation>Lineare Anpassung</translation>
  </message>
  <message>
   <source>Quadratic Fit</source>
   <translation>Quadratische Anpassung</translation>
  </message>
  <message>
   <source>Cubic Fit</source>
   <translation>Kubische Anpassung</translation>
  </message>
  <message>
   <source>Coefficients</source>
   <translation>Koeffizienten</translation>
  </message>
  <message>
   <source>Fitting</source>
   <translation>Anpassung</translation>
  </message>
  <message>
   <source>Display Setting</source>
   <translation>Anzeigeeinstellung</translation>
  </message>
  <message>
   <source>Standard Samples Parameter Setup</source>
   <translation>Parameter der Standardproben</translation>
  </message>
  <message>
   <source>Standard &amp;name</source>
   <translation>Standard&amp;name</translation>
  </message>
  <message>
   <source>&amp;Concentration</source>
   <translation>&amp;Konzentration</translation>
  </message>
  <message>
   <source>Next</source>
   <translation>Weiter</translation>
  </message>
  <message>
   <source>OK</source>
   <translation>OK</translation>
  </message>
  <message>
   <source>Cancel</source>
   <translation>Abbrechen</translation>
  </message>
  <message>
   <source>Enter a number.</source>
   <translation>Geben Sie eine Zahl ein.</translation>
  </message>
  <message>
   <source>Instrument Validity Measurement</source>
   <translation>Gerätevalidierung</translation>
  </message>
  <message>
   <source>Test</source>
   <translation>Prüfung</translation>
  </message>
  <message>
   <source>Photometric Validity Test</source>
   <translation>Photometrische Prüfung</translation>
  </message>
  <message>
   <source>Wavelength Validity Test</source>
   <translation>Wellenlängenprüfung</translation>
  </message>
  <message>
   <source>&amp;Select a method</source>
   <translation>Methode &amp;wählen</translation>
  </message>
  <message>
   <source>&amp;Number of WLs</source>
   <translation>&amp;Anzahl der Wellenlängen</translation>
  </message>
  <message>
   <source>&amp;Tolerance</source>
   <translation>&amp;Toleranz</translation>
  </message>
  <message>
   <source>Scan &amp;Range</source>
   <translation>Scan&amp;bereich</translation>
  </message>
  <message>
   <source>Wavelengths and standards</source>
   <translation>Wellenlängen und Standards</translation>
  </message>
  <message>
   <source>Wavelength (nm)</source>
   <translation>Wellenlänge (nm)</translation>
  </message>
  <message>
   <source>WL %1</source>
   <translation>WL %1</translation>
  </message>
  <message>
   <source>Tolerance</source>
   <translation>Toleranz</translation>
  </message>
  <message>
   <source>Double click left button to exit search mode.</source>
   <translation>Doppelklick mit der linken Maustaste beendet den Suchmodus.</translation>
  </message>
  <message>
   <source>Display Range Setup</source>
   <translation>Anzeigebereich einrichten</translation>
  </message>
  <message>
   <source>Manual Settings</source>
   <translation>Manuelle Einstellungen</translation>
  </message>
  <message>
   <source>&amp;Time Minimum</source>
   <translation>&amp;Zeit Minimum</translation>
  </message>
  <message>
   <source>X Minimum</source>
   <translation>X Minimum</translation>
  </message>
  <message>
   <source>Time Ma&amp;ximum</source>
   <translation>Zeit Ma&amp;ximum</translation>
  </message>
  <message>
   <source>X Maximum</source>
   <translation>X Maximum</translation>
  </message>
  <message>
   <source>Y Minimum</source>
   <translation>Y Minimum</translation>
  </message>
  <message>
   <source>Y Maximum</source>
   <translation>Y Maximum</translation>
  </message>
  <message>
   <source>Please enter an integer between %g and %g.</source>
   <translation>Bitte geben Sie eine ganze Zahl zwischen %g und %g ein.</translation>
  </message>
  <message>
   <source>Please enter a number between %g and %g.</source>
   <translation>Bitte geben Sie eine Zahl zwischen %g und %g ein.</translation>
  </message>
  <message>
   <source>Please enter a number.</source>
   <translation>Bitte geben Sie eine Zahl ein.</translation>
  </message>
  <message>
   <source>Please enter an integer between %d and %d.</source>
   <translation>Bitte geben Sie eine ganze Zahl zwischen %d und %d ein.</translation>
  </message>
  <message>
   <source>Derivative</source>
   <translation>Ableitung</translation>
  </message>
  <message>
   <source>&amp;Class</source>
   <translation>&amp;Ordnung</translation>
  </message>
  <message>
   <source>Colo&amp;r</source>
   <translation>&amp;Farbe</translation>
  </message>
  <message>
   <source>&amp;Name</source>
   <translation>&amp;Name</translation>
  </message>
  <message>
   <source>&amp;Spectrum</source>
   <translation>&amp;Spektrum</translation>
  </message>
  <message>
   <source>Setup the measurement method</source>
   <translation>Die Messmethode einrichten</translation>
  </message>
  <message>
   <source>Automatic Zero Calibration</source>
   <translation>Automatischer Nullabgleich</translation>
  </message>
  <message>
   <source>Automatically calibrate the fullsale energy</source>
   <translation>Die Vollausschlag-Energie automatisch kalibrieren</translation>
  </message>
  <message>
   <source>&amp;Energy scan</source>
   <translation>&amp;Energiescan</translation>
  </message>
  <message>
   <source>Spectrum &amp;Slitwidth</source>
   <translation>&amp;Spaltbreite des Spektrums</translation>
  </message>
  <message>
   <source>List out Peaks of a Spectrum</source>
   <translation>Maxima eines Spektrums auflisten</translation>
  </message>
  <message>
   <source>List out Valleys of a Spectrum</source>
   <translation>Minima eines Spektrums auflisten</translation>
  </message>
  <message>
   <source>&amp;Compute</source>
   <translation>&amp;Berechnen</translation>
  </message>
  <message>
   <source>Smooth the current spectrum</source>
   <translation>Das aktuelle Spektrum glätten</translation>
  </message>
  <message>
   <source>Se&amp;ttings</source>
   <translation>&amp;Einstellungen</translation>
  </message>
  <message>
   <source>Peak &amp;Height</source>
   <translation>Peak&amp;höhe</translation>
  </message>
  <message>
   <source>Setup the Peak/Valley Threshold</source>
   <translation>Die Schwelle für Maxima/Minima einrichten</translation>
  </message>
  <message>
   <source>Spectrum</source>
   <translation>Spektrum</translation>
  </message>
  <message>
   <source>Cannot read %s.</source>
   <translation>%s kann nicht gelesen werden.</translation>
  </message>
  <message>
   <source>File type mismatched, please select another one.</source>
   <translation>Der Dateityp passt nicht, bitte wählen Sie eine andere Datei.</translation>
  </message>
  <message>
   <source>The instrument's file is not a spectrum this program can read.</source>
   <translation>Die Datei des Geräts ist kein Spektrum, das dieses Programm lesen kann.</translation>
  </message>
  <message>
   <source>Lambda(nm)</source>
   <translation>Lambda(nm)</translation>
  </message>
  <message>
   <source>Abs</source>
   <translation>Abs</translation>
  </message>
  <message>
   <source>FWHM</source>
   <translation>FWHM</translation>
  </message>
  <message>
   <source>Time(s)</source>
   <translation>Zeit(s)</translation>
  </message>
  <message>
   <source>Peak/Valley</source>
   <translation>Maximum/Minimum</translation>
  </message>
  <message>
   <source>Settings to display and print the spectra</source>
   <translation>Einstellungen für Anzeige und Druck der Spektren</translation>
  </message>
  <message>
   <source>View</source>
   <translation>Ansicht</translation>
  </message>
  <message>
   <source>Peak and Valley</source>
   <translation>Maxima und Minima</translation>
  </message>
  <message>
   <source>Legend</source>
   <translation>Legende</translation>
  </message>
  <message>
   <source>Special</source>
   <translation>Spezial</translation>
  </message>
  <message>
   <source>Scaler</source>
   <translation>Skalierung</translation>
  </message>
  <message>
   <source>Print</source>
   <translation>Druck</translation>
  </message>
  <message>
   <source>Memo</source>
   <translation>Notiz</translation>
  </message>
  <message>
   <source>Dynamic Analysis</source>
   <translation>Kinetische Auswertung</translation>
  </message>
  <message>
   <source>X-Axis Minimum</source>
   <translation>X-Achse Minimum</translation>
  </message>
  <message>
   <source>X-Axis Maximum</source>
   <translation>X-Achse Maximum</translation>
  </message>
  <message>
   <source>Y-Axis Minimum</source>
   <translation>Y-Achse Minimum</translation>
  </message>
  <message>
   <source>Y-Axis Maximum</source>
   <translation>Y-Achse Maximum</translation>
  </message>
  <message>
   <source>Don't mark any</source>
   <translation>Nichts markieren</translation>
  </message>
  <message>
   <source>Mark working spectrum</source>
   <translation>Das Arbeitsspektrum markieren</translation>
  </message>
  <message>
   <source>Mark all spectra</source>
   <translation>Alle Spektren markieren</translation>
  </message>
  <message>
   <source>Mark position of peak and valley</source>
   <translation>Lage der Maxima und Minima markieren</translation>
  </message>
  <message>
   <source>Font of peak</source>
   <translation>Schrift der Maxima</translation>
  </message>
  <message>
   <source>Font of valley</source>
   <translation>Schrift der Minima</translation>
  </message>
  <message>
   <source>Y-Axis Abs</source>
   <translation>Y-Achse Abs</translation>
  </message>
  <message>
   <source>Y-Axis T</source>
   <translation>Y-Achse T</translation>
  </message>
  <message>
   <source>Font of X-Axis</source>
   <translation>Schrift der X-Achse</translation>
  </message>
  <message>
   <source>Font of Y-Axis</source>
   <translation>Schrift der Y-Achse</translation>
  </message>
  <message>
   <source>Font of title</source>
   <translation>Schrift des Titels</translation>
  </message>
  <message>
   <source>Measuring spectrum</source>
   <translation>Messspektrum</translation>
  </message>
  <message>
   <source>Pen width</source>
   <translation>Strichstärke</translation>
  </message>
  <message>
   <source>Other spectrum Default</source>
   <translation>Andere Spektren Standard</translation>
  </message>
  <message>
   <source>Pen width </source>
   <translation>Strichstärke </translation>
  </message>
  <message>
   <source>Manual settings</source>
   <translation>Manuelle Einstellungen</translation>
  </message>
  <message>
   <source>Show grid lines</source>
   <translation>Gitterlinien anzeigen</translation>
  </message>
  <message>
   <source>X-Interval</source>
   <translation>X-Intervall</translation>
  </message>
  <message>
   <source>Y-Interval</source>
   <translation>Y-Intervall</translation>
  </message>
  <message>
   <source>Color</source>
   <translation>Farbe</translation>
  </message>
  <message>
   <source>Font of tips</source>
   <translation>Schrift der Achsenwerte</translation>
  </message>
  <message>
   <source>Grid data</source>
   <translation>Datentabelle</translation>
  </message>
  <message>
   <source>Foot notes</source>
   <translation>Fußnoten</translation>
  </message>
  <message>
   <source>Total Time</source>
   <translation>Gesamtzeit</translation>
  </message>
  <message>
   <source>Scan Range</source>
   <translation>Scanbereich</translation>
  </message>
  <message>
   <source>Scan Step</source>
   <translation>Schrittweite</translation>
  </message>
  <message>
   <source>Print Time</source>
   <translation>Druckzeit</translation>
  </message>
  <message>
   <source>Wavelength</source>
   <translation>Wellenlänge</translation>
  </message>
  <message>
   <source>Filters</source>
   <translation>Filter</translation>
  </message>
  <message>
   <source>Font of data</source>
   <translation>Schrift der Daten</translation>
  </message>
  <message>
   <source>Print memo  (Press Ctrl+Enter to start a new line)</source>
   <translation>Notiz drucken  (Strg+Eingabe beginnt eine neue Zeile)</translation>
  </message>
  <message>
   <source>&amp;Print Result</source>
   <translation>Ergebnis &amp;drucken</translation>
  </message>
  <message>
   <source>&amp;Calculate</source>
   <translation>&amp;Berechnen</translation>
  </message>
  <message>
   <source>Time &amp;Begin</source>
   <translation>Zeit &amp;Beginn</translation>
  </message>
  <message>
   <source>Time &amp;End</source>
   <translation>Zeit &amp;Ende</translation>
  </message>
  <message>
   <source>&amp;K Factor</source>
   <translation>&amp;K-Faktor</translation>
  </message>
  <message>
   <source>Resample the spectrum</source>
   <translation>Das Spektrum neu abtasten</translation>
  </message>
  <message>
   <source> points</source>
   <translation> Punkte</translation>
  </message>
  <message>
   <source>Make one point every</source>
   <translation>Einen Punkt von je</translation>
  </message>
  <message>
   <source>Scan Setup</source>
   <translation>Scan einrichten</translation>
  </message>
  <message>
   <source>Use Filter</source>
   <translation>Filter verwenden</translation>
  </message>
  <message>
   <source>From</source>
   <translation>Von</translation>
  </message>
  <message>
   <source>To</source>
   <translation>Bis</translation>
  </message>
  <message>
   <source>Ste&amp;p</source>
   <translation>Sch&amp;ritt</translation>
  </message>
  <message>
   <source>Filte&amp;r</source>
   <translation>Filte&amp;r</translation>
  </message>
  <message>
   <source>&amp;Degree</source>
   <translation>&amp;Grad</translation>
  </message>
  <message>
   <source>&amp;Width</source>
   <translation>&amp;Breite</translation>
  </message>
  <message>
   <source>Smooth the spectrum</source>
   <translation>Das Spektrum glätten</translation>
  </message>
  <message>
   <source>&amp;Range</source>
   <translation>&amp;Bereich</translation>
  </message>
  <message>
   <source>%s has not been saved. Save it now?</source>
   <translation>%s wurde nicht gespeichert. Jetzt speichern?</translation>
  </message>
  <message>
   <source>%s has not completed. This window should not be closed.</source>
   <translation>%s ist noch nicht abgeschlossen. Dieses Fenster sollte nicht geschlossen werden.</translation>
  </message>
  <message>
   <source>These spectra have not been saved:%s
Save them now?</source>
   <translation>Diese Spektren wurden nicht gespeichert:%s
Jetzt speichern?</translation>
  </message>
  <message>
   <source>These curves have not been saved:%s
Save them now?</source>
   <translation>Diese Kurven wurden nicht gespeichert:%s
Jetzt speichern?</translation>
  </message>
  <message>
   <source>&amp;Remove</source>
   <translation>&amp;Entfernen</translation>
  </message>
  <message>
   <source>Print Pre&amp;view</source>
   <translation>Druck&amp;vorschau</translation>
  </message>
  <message>
   <source>P&amp;rint Setup...</source>
   <translation>Dr&amp;ucker einrichten...</translation>
  </message>
  <message>
   <source>&amp;Magnify</source>
   <translation>&amp;Vergrößern</translation>
  </message>
  <message>
   <source>Activate the ZOOM Function</source>
   <translation>Die Zoomfunktion einschalten</translation>
  </message>
  <message>
   <source>&amp;Restore</source>
   <translation>&amp;Wiederherstellen</translation>
  </message>
  <message>
   <source>Original Scales</source>
   <translation>Ursprüngliche Skalen</translation>
  </message>
  <message>
   <source>S&amp;earch</source>
   <translation>S&amp;uchen</translation>
  </message>
  <message>
   <source>Trace Cursor</source>
   <translation>Messcursor</translation>
  </message>
  <message>
   <source>Display &amp;Range</source>
   <translation>Anzeige&amp;bereich</translation>
  </message>
  <message>
   <source>&amp;Undo Scales	Ctrl+Z</source>
   <translation>Skalen &amp;zurücknehmen	Ctrl+Z</translation>
  </message>
  <message>
   <source>Fit to &amp;Data</source>
   <translation>An &amp;Daten anpassen</translation>
  </message>
  <message>
   <source>The scales that show every curve whole</source>
   <translation>Die Skalen, die jede Kurve ganz zeigen</translation>
  </message>
  <message>
   <source>C&amp;ustomize</source>
   <translation>An&amp;passen</translation>
  </message>
  <message>
   <source>&amp;Peaks</source>
   <translation>&amp;Maxima</translation>
  </message>
  <message>
   <source>&amp;Valleys</source>
   <translation>M&amp;inima</translation>
  </message>
  <message>
   <source>Setup peak/valley threshold</source>
   <translation>Schwelle für Maxima/Minima einrichten</translation>
  </message>
  <message>
   <source>Please key in the threshold(Abs)</source>
   <translation>Bitte geben Sie die Schwelle ein (Abs)</translation>
  </message>
  <message>
   <source>Setup the Savitzky-Golay Filter</source>
   <translation>Den Savitzky-Golay-Filter einrichten</translation>
  </message>
  <message>
   <source>Degree of &amp;Polynomials</source>
   <translation>Grad des &amp;Polynoms</translation>
  </message>
  <message>
   <source>&amp;Derivertive</source>
   <translation>&amp;Ableitung</translation>
  </message>
  <message>
   <source>&amp;Width of Filter Windows</source>
   <translation>&amp;Breite des Filterfensters</translation>
  </message>
  <message>
   <source>&amp;Name of Result</source>
   <translation>&amp;Name des Ergebnisses</translation>
  </message>
  <message>
   <source>&amp;Curve</source>
   <translation>&amp;Kurve</translation>
  </message>
  <message>
   <source>Calibrate the blank at the current cell</source>
   <translation>Den Leerwert an der aktuellen Küvette kalibrieren</translation>
  </message>
  <message>
   <source>&amp;Dynamic Analysis...</source>
   <translation>&amp;Kinetische Auswertung...</translation>
  </message>
  <message>
   <source>The reaction rate of the current curve</source>
   <translation>Die Reaktionsgeschwindigkeit der aktuellen Kurve</translation>
  </message>
  <message>
   <source>List out Peaks of a Curve</source>
   <translation>Maxima einer Kurve auflisten</translation>
  </message>
  <message>
   <source>List out Valleys of a Curve</source>
   <translation>Minima einer Kurve auflisten</translation>
  </message>
  <message>
   <source>Time Scan</source>
   <translation>Zeitmessung</translation>
  </message>
  <message>
   <source>kinetics analysis spectra(*.kin)</source>
   <translation>Kinetik-Kurven(*.kin)</translation>
  </message>
  <message>
   <source>The instrument's file is not a time scan this program can read.</source>
   <translation>Die Datei des Geräts ist keine Zeitmessung, die dieses Programm lesen kann.</translation>
  </message>
  <message>
   <source>Setup kinetic scan</source>
   <translation>Zeitmessung einrichten</translation>
  </message>
  <message>
   <source>&amp;Lambda</source>
   <translation>&amp;Lambda</translation>
  </message>
  <message>
   <source>&amp;Total Time</source>
   <translation>&amp;Gesamtzeit</translation>
  </message>
  <message>
   <source>Time:%.1fs</source>
   <translation>Zeit:%.1fs</translation>
  </message>
  <message>
   <source>Spectra Addition/Subtraction</source>
   <translation>Addition/Subtraktion von Spektren</translation>
  </message>
  <message>
   <source>File &amp;1</source>
   <translation>Datei &amp;1</translation>
  </message>
  <message>
   <source>File &amp;2</source>
   <translation>Datei &amp;2</translation>
  </message>
  <message>
   <source>&amp;Result</source>
   <translation>&amp;Ergebnis</translation>
  </message>
  <message>
   <source>Choose two different spectra.</source>
   <translation>Wählen Sie zwei verschiedene Spektren.</translation>
  </message>
  <message>
   <source>Multicell settings</source>
   <translation>Mehrfachküvetten einrichten</translation>
  </message>
  <message>
   <source>Setting</source>
   <translation>Einstellung</translation>
  </message>
  <message>
   <source>No.</source>
   <translation>Nr.</translation>
  </message>
  <message>
   <source>Check</source>
   <translation>Auswahl</translation>
  </message>
  <message>
   <source>Name(Null means autoname)</source>
   <translation>Name (leer: automatischer Name)</translation>
  </message>
  <message>
   <source>Please input the required parameter</source>
   <translation>Bitte geben Sie den Parameter ein</translation>
  </message>
  <message>
   <source>Setup the sipper</source>
   <translation>Den Sipper einrichten</translation>
  </message>
  <message>
   <source>Time setting</source>
   <translation>Zeiteinstellung</translation>
  </message>
  <message>
   <source>Sipping time</source>
   <translation>Ansaugzeit</translation>
  </message>
  <message>
   <source>Sipping interval</source>
   <translation>Ansaugintervall</translation>
  </message>
  <message>
   <source>Auto Sipping</source>
   <translation>Automatisches Ansaugen</translation>
  </message>
  <message>
   <source>&amp;Enable</source>
   <translation>&amp;Einschalten</translation>
  </message>
  <message>
   <source>&amp;Disable</source>
   <translation>&amp;Ausschalten</translation>
  </message>
  <message>
   <source>Photrak File Management</source>
   <translation>Photrak-Dateiverwaltung</translation>
  </message>
  <message>
   <source>File &amp;Type</source>
   <translation>Datei&amp;typ</translation>
  </message>
  <message>
   <source>&amp;File Name</source>
   <translation>&amp;Dateiname</translation>
  </message>
  <message>
   <source>&amp;Refresh</source>
   <translation>&amp;Aktualisieren</translation>
  </message>
  <message>
   <source>&amp;Open</source>
   <translation>Ö&amp;ffnen</translation>
  </message>
  <message>
   <source>&amp;Cancel</source>
   <translation>&amp;Abbrechen</translation>
  </message>
  <message>
   <source>Goto specified wavelength</source>
   <translation>Zur angegebenen Wellenlänge fahren</translation>
  </message>
  <message>
   <source>&amp;Abs</source>
   <translation>&amp;Abs</translation>
  </message>
  <message>
   <source>Goto</source>
   <translation>Anfahren</translation>
  </message>
  <message>
   <source>&amp;Zero</source>
   <translation>&amp;Nullabgleich</translation>
  </message>
  <message>
   <source>Close</source>
   <translation>Schließen</translation>
  </message>
  <message>
   <source>Spectavo Help</source>
   <translation>Spectavo-Hilfe</translation>
  </message>
  <message>
   <source>&amp;Back</source>
   <translation>&amp;Zurück</translation>
  </message>
  <message>
   <source>&amp;Close</source>
   <translation>&amp;Schließen</translation>
  </message>
  <message>
   <source>Communication Hub Setup</source>
   <translation>Kommunikations-Hub einrichten</translation>
  </message>
  <message>
   <source>Select one from installed Drivers</source>
   <translation>Einen der installierten Treiber wählen</translation>
  </message>
  <message>
   <source>Setup</source>
   <translation>Einrichten</translation>
  </message>
  <message>
   <source>Hub Setup</source>
   <translation>Hub einrichten</translation>
  </message>
  <message>
   <source>Failed to load %s!</source>
   <translation>%s konnte nicht geladen werden!</translation>
  </message>
  <message>
   <source>Couldn't find all ZAV_CommDrv entry points we needed.</source>
   <translation>Nicht alle benötigten ZAV_CommDrv-Einsprungpunkte wurden gefunden.</translation>
  </message>
  <message>
   <source>Spectavo Login</source>
   <translation>Spectavo-Anmeldung</translation>
  </message>
  <message>
   <source>Input your password</source>
   <translation>Geben Sie Ihr Passwort ein</translation>
  </message>
  <message>
   <source>&amp;Login</source>
   <translation>&amp;Anmelden</translation>
  </message>
  <message>
   <source>E&amp;xit</source>
   <translation>&amp;Beenden</translation>
  </message>
  <message>
   <source>The results store cannot be opened: %s. In regulated mode no one can log in without it.</source>
   <translation>Der Ergebnisspeicher kann nicht geöffnet werden: %s. Im regulierten Betrieb kann sich ohne ihn niemand anmelden.</translation>
  </message>
  <message>
   <source>%d results and events could not be stored: the results store is not reachable. They are kept in the saved files only.</source>
   <translation>%d Ergebnisse und Ereignisse konnten nicht gespeichert werden: Der Ergebnisspeicher ist nicht erreichbar. Sie sind nur in den gespeicherten Dateien erhalten.</translation>
  </message>
  <message>
   <source>%d results and events wait in %s for the lab's results store; the next start sends them.</source>
   <translation>%d Ergebnisse und Ereignisse warten in %s auf den Ergebnisspeicher des Labors; der nächste Start sendet sie.</translation>
  </message>
  <message>
   <source>Spectavo</source>
   <translation>Spectavo</translation>
  </message>
  <message>
   <source>%v of %m</source>
   <translation>%v von %m</translation>
  </message>
  <message>
   <source>Recalibrate System?</source>
   <translation>System neu kalibrieren?</translation>
  </message>
  <message>
   <source>File system error.
Initialize file system?</source>
   <translation>Fehler im Dateisystem.
Dateisystem initialisieren?</translation>
  </message>
  <message>
   <source>Wavelength out of range, please restart Photrak!</source>
   <translation>Wellenlänge außerhalb des Bereichs, bitte starten Sie das Photrak neu!</translation>
  </message>
  <message>
   <source>D2 lamp energy too low!

Turn off Photrak and check the system, then try again.

Or, click the OK button to continue.</source>
   <translation>Energie der D2-Lampe zu niedrig!

Schalten Sie das Photrak aus, prüfen Sie das System und versuchen Sie es erneut.

Oder klicken Sie auf OK, um fortzufahren.</translation>
  </message>
  <message>
   <source>&amp;Instrument</source>
   <translation>&amp;Gerät</translation>
  </message>
  <message>
   <source>&amp;Absorbance</source>
   <translation>&amp;Absorption</translation>
  </message>
  <message>
   <source>&amp;%T</source>
   <translation>&amp;%T</translation>
  </message>
  <message>
   <source>&amp;File</source>
   <translation>&amp;Datei</translation>
  </message>
  <message>
   <source>Open</source>
   <translation>Öffnen</translation>
  </message>
  <message>
   <source>Recent &amp;Files</source>
   <translation>&amp;Zuletzt geöffnet</translation>
  </message>
  <message>
   <source>Res&amp;ults...</source>
   <translation>&amp;Ergebnisse...</translation>
  </message>
  <message>
   <source>Au&amp;dit Trail...</source>
   <translation>Au&amp;dit-Trail...</translation>
  </message>
  <message>
   <source>User &amp;Accounts...</source>
   <translation>Benutzer&amp;konten...</translation>
  </message>
  <message>
   <source>&amp;System</source>
   <translation>&amp;System</translation>
  </message>
  <message>
   <source>&amp;Link Spectrophotometer</source>
   <translation>Spektralphotometer &amp;verbinden</translation>
  </message>
  <message>
   <source>&amp;Reset Spectrophotometer</source>
   <translation>Spektralphotometer &amp;zurücksetzen</translation>
  </message>
  <message>
   <source>&amp;Escape</source>
   <translation>A&amp;bbrechen</translation>
  </message>
  <message>
   <source>S&amp;top</source>
   <translation>S&amp;topp</translation>
  </message>
  <message>
   <source>&amp;Pause</source>
   <translation>&amp;Pause</translation>
  </message>
  <message>
   <source>&amp;Comm hub setup</source>
   <translation>&amp;Kommunikations-Hub einrichten</translation>
  </message>
  <message>
   <source>Enable &amp;Internal Keypad</source>
   <translation>&amp;Gerätetastatur freigeben</translation>
  </message>
  <message>
   <source>&amp;Change Password</source>
   <translation>&amp;Passwort ändern</translation>
  </message>
  <message>
   <source>Status &amp;font</source>
   <translation>Status&amp;schrift</translation>
  </message>
  <message>
   <source>Status of Spectrophoto&amp;meter</source>
   <translation>Status des Spektralphoto&amp;meters</translation>
  </message>
  <message>
   <source>View Dar&amp;k Current</source>
   <translation>&amp;Dunkelstrom anzeigen</translation>
  </message>
  <message>
   <source>Set A&amp;mplifier</source>
   <translation>&amp;Verstärker einstellen</translation>
  </message>
  <message>
   <source>&amp;Calibrate System Baseline</source>
   <translation>System-&amp;Basislinie kalibrieren</translation>
  </message>
  <message>
   <source>Locate &amp;656.1nm</source>
   <translation>&amp;656,1 nm anfahren</translation>
  </message>
  <message>
   <source>&amp;Goto Wavelength...</source>
   <translation>&amp;Wellenlänge anfahren...</translation>
  </message>
  <message>
   <source>D2/W Switch &amp;Point</source>
   <translation>D2/W-&amp;Umschaltpunkt</translation>
  </message>
  <message>
   <source>Turn on/off &amp;D2 lamp</source>
   <translation>&amp;D2-Lampe ein/aus</translation>
  </message>
  <message>
   <source>Turn on/off &amp;W lamp</source>
   <translation>&amp;W-Lampe ein/aus</translation>
  </message>
  <message>
   <source>Slit &amp;Bandwidth</source>
   <translation>&amp;Spaltbreite</translation>
  </message>
  <message>
   <source>&amp;Cells</source>
   <translation>&amp;Küvetten</translation>
  </message>
  <message>
   <source>Cell &amp;%1</source>
   <translation>Küvette &amp;%1</translation>
  </message>
  <message>
   <source>Setup &amp;MultiCells</source>
   <translation>&amp;Mehrfachküvetten einrichten</translation>
  </message>
  <message>
   <source>Auto &amp;Sipper</source>
   <translation>Auto-&amp;Sipper</translation>
  </message>
  <message>
   <source>Please input the sipping time(&gt;2s)</source>
   <translation>Bitte geben Sie die Ansaugzeit ein (&gt;2s)</translation>
  </message>
  <message>
   <source>Please input the sipping interval(&gt;2s)</source>
   <translation>Bitte geben Sie das Ansaugintervall ein (&gt;2s)</translation>
  </message>
  <message>
   <source>Sipper C&amp;onnected</source>
   <translation>Sipper &amp;angeschlossen</translation>
  </message>
  <message>
   <source>&amp;Sipper Setup</source>
   <translation>&amp;Sipper einrichten</translation>
  </message>
  <message>
   <source>Sipping &amp;Time</source>
   <translation>Ansaug&amp;zeit</translation>
  </message>
  <message>
   <source>Sipping &amp;Interval</source>
   <translation>Ansaug&amp;intervall</translation>
  </message>
  <message>
   <source>&amp;Enable Sipper</source>
   <translation>Sipper &amp;einschalten</translation>
  </message>
  <message>
   <source>&amp;Disable Sipper</source>
   <translation>Sipper a&amp;usschalten</translation>
  </message>
  <message>
   <source>Flush the sipper</source>
   <translation>Den Sipper spülen</translation>
  </message>
  <message>
   <source>System</source>
   <translation>System</translation>
  </message>
  <message>
   <source>Auto Sampling</source>
   <translation>Automatische Probennahme</translation>
  </message>
  <message>
   <source>&amp;Help</source>
   <translation>&amp;Hilfe</translation>
  </message>
  <message>
   <source>&amp;Help Topics</source>
   <translation>&amp;Hilfethemen</translation>
  </message>
  <message>
   <source>Add a new printer</source>
   <translation>Einen neuen Drucker hinzufügen</translation>
  </message>
  <message>
   <source>&amp;About Spectavo</source>
   <translation>&amp;Über Spectavo</translation>
  </message>
  <message>
   <source>&amp;Window</source>
   <translation>&amp;Fenster</translation>
  </message>
  <message>
   <source>&amp;Cascade</source>
   <translation>Ü&amp;berlappend</translation>
  </message>
  <message>
   <source>&amp;Tile</source>
   <translation>&amp;Nebeneinander</translation>
  </message>
  <message>
   <source>The instrument is linked: click to unlink it</source>
   <translation>Das Gerät ist verbunden: Klicken trennt die Verbindung</translation>
  </message>
  <message>
   <source>The instrument is not linked: click to link it</source>
   <translation>Das Gerät ist nicht verbunden: Klicken stellt die Verbindung her</translation>
  </message>
  <message>
   <source>The results store cannot be read: %s</source>
   <translation>Der Ergebnisspeicher kann nicht gelesen werden: %s</translation>
  </message>
  <message>
   <source>The results store cannot be opened: %s. Results are kept in files only.</source>
   <translation>Der Ergebnisspeicher kann nicht geöffnet werden: %s. Ergebnisse werden nur in Dateien gehalten.</translation>
  </message>
  <message>
   <source>Store: offline, %d waiting</source>
   <translation>Speicher: offline, %d wartend</translation>
  </message>
  <message>
   <source>System Status</source>
   <translation>Systemstatus</translation>
  </message>
  <message>
   <source>Refresh</source>
   <translation>Aktualisieren</translation>
  </message>
  <message>
   <source>Refresh Background Current</source>
   <translation>Dunkelstrom aktualisieren</translation>
  </message>
  <message>
   <source>Refresh background...
Please wait a moment.</source>
   <translation>Dunkelstrom wird aktualisiert...
Bitte warten Sie einen Moment.</translation>
  </message>
  <message>
   <source>&amp;Print</source>
   <translation>&amp;Drucken</translation>
  </message>
  <message>
   <source>&amp;Save</source>
   <translation>&amp;Speichern</translation>
  </message>
  <message>
   <source>&amp;Load</source>
   <translation>&amp;Laden</translation>
  </message>
  <message>
   <source>Save</source>
   <translation>Speichern</translation>
  </message>
  <message>
   <source>Background Current Data(*.dark)</source>
   <translation>Dunkelstromdaten(*.dark)</translation>
  </message>
  <message>
   <source>Load</source>
   <translation>Laden</translation>
  </message>
  <message>
   <source>%s is not a dark current table.</source>
   <translation>%s ist keine Dunkelstromtabelle.</translation>
  </message>
  <message>
   <source>Analog to Digital Sampling</source>
   <translation>Analog-Digital-Abtastung</translation>
  </message>
  <message>
   <source>Drag and set the amplifier level: </source>
   <translation>Verstärkerstufe durch Ziehen einstellen: </translation>
  </message>
  <message>
   <source>&amp;OK</source>
   <translation>&amp;OK</translation>
  </message>
  <message>
   <source>Change password</source>
   <translation>Passwort ändern</translation>
  </message>
  <message>
   <source>Old password</source>
   <translation>Altes Passwort</translation>
  </message>
  <message>
   <source>New password</source>
   <translation>Neues Passwort</translation>
  </message>
  <message>
   <source>Confirm it</source>
   <translation>Bestätigen</translation>
  </message>
  <message>
   <source>PROM Version  %X.%03X on %s</source>
   <translation>PROM-Version  %X.%03X vom %s</translation>
  </message>
  <message>
   <source>Spectavo Version %s</source>
   <translation>Spectavo Version %s</translation>
  </message>
  <message>
   <source>About Spectavo</source>
   <translation>Über Spectavo</translation>
  </message>
  <message>
   <source>Set the switch point</source>
   <translation>Den Umschaltpunkt einstellen</translation>
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
   <source>New point</source>
   <translation>Neuer Punkt</translation>
  </message>
  <message>
   <source>User ID</source>
   <translation>Benutzerkennung</translation>
  </message>
  <message>
   <source>Password</source>
   <translation>Kennwort</translation>
  </message>
  <message>
   <source>Change Password</source>
   <translation>Kennwort ändern</translation>
  </message>
  <message>
   <source>Choose a password of your own before you go on.</source>
   <translation>Wählen Sie ein eigenes Kennwort, bevor Sie fortfahren.</translation>
  </message>
  <message>
   <source>Confirm new password</source>
   <translation>Neues Kennwort bestätigen</translation>
  </message>
  <message>
   <source>Event</source>
   <translation>Ereignis</translation>
  </message>
  <message>
   <source>Time (UTC)</source>
   <translation>Zeit (UTC)</translation>
  </message>
  <message>
   <source>User</source>
   <translation>Benutzer</translation>
  </message>
  <message>
   <source>Workstation</source>
   <translation>Arbeitsplatz</translation>
  </message>
  <message>
   <source>Kind</source>
   <translation>Art</translation>
  </message>
  <message>
   <source>Object</source>
   <translation>Objekt</translation>
  </message>
  <message>
   <source>Details</source>
   <translation>Details</translation>
  </message>
  <message>
   <source>Audit Trail</source>
   <translation>Audit-Trail</translation>
  </message>
  <message>
   <source>&amp;Verify</source>
   <translation>&amp;Prüfen</translation>
  </message>
  <message>
   <source>The audit trail holds: %d events verified.</source>
   <translation>Der Audit-Trail ist unversehrt: %d Ereignisse geprüft.</translation>
  </message>
  <message>
   <source>The audit trail does not verify: %s</source>
   <translation>Der Audit-Trail ist nicht unversehrt: %s</translation>
  </message>
  <message>
   <source>Spectavo Locked</source>
   <translation>Spectavo gesperrt</translation>
  </message>
  <message>
   <source>The workstation is locked. Measurements go on; type the password to work again. A lab manager's ends this session.</source>
   <translation>Der Arbeitsplatz ist gesperrt. Messungen laufen weiter; geben Sie das Kennwort ein, um weiterzuarbeiten. Das Kennwort eines Laborleiters beendet diese Sitzung.</translation>
  </message>
  <message>
   <source>Id</source>
   <translation>Nr.</translation>
  </message>
  <message>
   <source>Date</source>
   <translation>Datum</translation>
  </message>
  <message>
   <source>Instrument</source>
   <translation>Gerät</translation>
  </message>
  <message>
   <source>State</source>
   <translation>Zustand</translation>
  </message>
  <message>
   <source>Signed</source>
   <translation>Signiert</translation>
  </message>
  <message>
   <source>&amp;Report...</source>
   <translation>&amp;Bericht...</translation>
  </message>
  <message>
   <source>The result's data no longer match their SHA-256.</source>
   <translation>Die Daten des Ergebnisses stimmen nicht mehr mit ihrem SHA-256 überein.</translation>
  </message>
  <message>
   <source>All results</source>
   <translation>Alle Ergebnisse</translation>
  </message>
  <message>
   <source>Unsigned</source>
   <translation>Unsigniert</translation>
  </message>
  <message>
   <source>&amp;Sign...</source>
   <translation>&amp;Signieren...</translation>
  </message>
  <message>
   <source>Sign Result</source>
   <translation>Ergebnis signieren</translation>
  </message>
  <message>
   <source>Meaning</source>
   <translation>Bedeutung</translation>
  </message>
  <message>
   <source>Comment</source>
   <translation>Kommentar</translation>
  </message>
  <message>
   <source>Disable the selected account? It stays in the records, and its user ID is never used again.</source>
   <translation>Das gewählte Konto deaktivieren? Es bleibt in den Aufzeichnungen, und seine Benutzerkennung wird nie wieder vergeben.</translation>
  </message>
  <message>
   <source>User Accounts</source>
   <translation>Benutzerkonten</translation>
  </message>
  <message>
   <source>Full name</source>
   <translation>Vollständiger Name</translation>
  </message>
  <message>
   <source>Role</source>
   <translation>Rolle</translation>
  </message>
  <message>
   <source>Must change password</source>
   <translation>Muss Kennwort ändern</translation>
  </message>
  <message>
   <source>&amp;Add...</source>
   <translation>&amp;Anlegen...</translation>
  </message>
  <message>
   <source>&amp;Reset Password...</source>
   <translation>Kennwort &amp;zurücksetzen...</translation>
  </message>
  <message>
   <source>Reset Password</source>
   <translation>Kennwort zurücksetzen</translation>
  </message>
  <message>
   <source>The person changes it at the next login.</source>
   <translation>Die Person ändert es bei der nächsten Anmeldung.</translation>
  </message>
  <message>
   <source>&amp;Unlock</source>
   <translation>&amp;Entsperren</translation>
  </message>
  <message>
   <source>Change &amp;Role...</source>
   <translation>&amp;Rolle ändern...</translation>
  </message>
  <message>
   <source>Change Role</source>
   <translation>Rolle ändern</translation>
  </message>
  <message>
   <source>yes</source>
   <translation>ja</translation>
  </message>
  <message>
   <source>no</source>
   <translation>nein</translation>
  </message>
  <message>
   <source>Add Account</source>
   <translation>Konto anlegen</translation>
  </message>
  <message>
   <source>First password</source>
   <translation>Erstes Kennwort</translation>
  </message>
  <message>
   <source>Save As</source>
   <translation>Speichern unter</translation>
  </message>
  <message>
   <source>Save or Read &amp;method only</source>
   <translation>Nur die &amp;Methode speichern oder lesen</translation>
  </message>
  <message>
   <source>Custom</source>
   <translation>Benutzerdefiniert</translation>
  </message>
  <message>
   <source>&amp;Color</source>
   <translation>&amp;Farbe</translation>
  </message>
  <message>
   <source>Wait...</source>
   <translation>Bitte warten...</translation>
  </message>
  <message>
   <source>Time scan completed, please continue your work.</source>
   <translation>Die Zeitmessung ist abgeschlossen, bitte setzen Sie Ihre Arbeit fort.</translation>
  </message>
  <message>
   <source>Time scan has been broken.</source>
   <translation>Die Zeitmessung wurde abgebrochen.</translation>
  </message>
  <message>
   <source>The time scan's settings hold no usable step or total time. Open the setup and confirm it.</source>
   <translation>Die Einstellungen der Zeitmessung enthalten keine brauchbare Schrittweite oder Gesamtzeit. Öffnen und bestätigen Sie die Einrichtung.</translation>
  </message>
  <message>
   <source>The instrument stopped sending the scan.</source>
   <translation>Das Gerät hat aufgehört, den Scan zu senden.</translation>
  </message>
  <message>
   <source>Calibration not computed: it needs %d standards with different Abs(eff).</source>
   <translation>Kalibrierung nicht berechnet: Sie braucht %d Standards mit verschiedenen Abs(eff).</translation>
  </message>
  <message>
   <source>Abs(eff)</source>
   <translation>Abs(eff)</translation>
  </message>
  <message>
   <source>The marked concentrations were computed with an earlier calibration.</source>
   <translation>Die markierten Konzentrationen wurden mit einer früheren Kalibrierung berechnet.</translation>
  </message>
  <message>
   <source>The concentrations were computed with an earlier calibration. Recalculate them now?</source>
   <translation>Die Konzentrationen wurden mit einer früheren Kalibrierung berechnet. Jetzt neu berechnen?</translation>
  </message>
  <message>
   <source>Auto-changer error, check and try again!</source>
   <translation>Fehler des Probenwechslers, bitte prüfen und erneut versuchen!</translation>
  </message>
  <message>
   <source>Fixed points file(*.QUA);;Template file(*.QM)</source>
   <translation>Messung an festen Wellenlängen(*.QUA);;Vorlage(*.QM)</translation>
  </message>
  <message>
   <source>DNA/Protein measurement file(*.DNA);;DNA/Protein Method(*.DM)</source>
   <translation>DNA/Protein-Messung(*.DNA);;DNA/Protein-Methode(*.DM)</translation>
  </message>
  <message>
   <source>Instrument Validity files(*.VAL);;Instrument Validity method files(*.VM)</source>
   <translation>Gerätevalidierung(*.VAL);;Methode der Gerätevalidierung(*.VM)</translation>
  </message>
  <message>
   <source>Only the first 200 rows were loaded.</source>
   <translation>Nur die ersten 200 Zeilen wurden geladen.</translation>
  </message>
  <message>
   <source>Calibration: fitted from this document's standards</source>
   <translation>Kalibrierung: aus den Standards dieses Dokuments angepasst</translation>
  </message>
  <message>
   <source>Calibration: coefficients typed by the operator</source>
   <translation>Kalibrierung: Koeffizienten vom Bediener eingegeben</translation>
  </message>
  <message>
   <source>Calibration: carried over from the last document</source>
   <translation>Kalibrierung: aus dem letzten Dokument übernommen</translation>
  </message>
  <message>
   <source>The method's wavelength count %d is outside 1 to %d.</source>
   <translation>Die Anzahl der Wellenlängen der Methode (%d) liegt außerhalb von 1 bis %d.</translation>
  </message>
  <message>
   <source>Only the first 200 rows were imported.</source>
   <translation>Nur die ersten 200 Zeilen wurden importiert.</translation>
  </message>
  <message>
   <source>The file from the instrument is in a form this program cannot read.</source>
   <translation>Die Datei des Geräts hat eine Form, die dieses Programm nicht lesen kann.</translation>
  </message>
  <message>
   <source>Enter an integer.</source>
   <translation>Geben Sie eine ganze Zahl ein.</translation>
  </message>
  <message>
   <source>Enter a number between %.*g and %.*g.</source>
   <translation>Geben Sie eine Zahl zwischen %.*g und %.*g ein.</translation>
  </message>
  <message>
   <source>Enter an integer between %d and %d.</source>
   <translation>Geben Sie eine ganze Zahl zwischen %d und %d ein.</translation>
  </message>
  <message>
   <source>The tip interval you selected is too dense.
It will be auto selected.</source>
   <translation>Der gewählte Abstand der Achsenwerte ist zu eng.
Er wird automatisch gewählt.</translation>
  </message>
  <message>
   <source>Printed %s</source>
   <translation>Gedruckt %s</translation>
  </message>
  <message>
   <source>Page %d</source>
   <translation>Seite %d</translation>
  </message>
  <message>
   <source>Operator:</source>
   <translation>Bediener:</translation>
  </message>
  <message>
   <source>Date &amp; Time:</source>
   <translation>Datum &amp; Zeit:</translation>
  </message>
  <message>
   <source>Memo:</source>
   <translation>Notiz:</translation>
  </message>
  <message>
   <source>Continued</source>
   <translation>Fortsetzung</translation>
  </message>
  <message>
   <source>Sample name</source>
   <translation>Probenname</translation>
  </message>
  <message>
   <source>The table is full (200 samples). Save it and start a new document.</source>
   <translation>Die Tabelle ist voll (200 Proben). Speichern Sie sie und beginnen Sie ein neues Dokument.</translation>
  </message>
  <message>
   <source>Please select the sample name.
Try again!</source>
   <translation>Bitte wählen Sie den Probennamen.
Versuchen Sie es erneut!</translation>
  </message>
  <message>
   <source>To delete the selected sample?</source>
   <translation>Die gewählte Probe löschen?</translation>
  </message>
  <message>
   <source>Peak Detected</source>
   <translation>Gefundenes Maximum</translation>
  </message>
  <message>
   <source>Overall verdict: %s</source>
   <translation>Gesamtergebnis: %s</translation>
  </message>
  <message>
   <source>Tolerance: %s</source>
   <translation>Toleranz: %s</translation>
  </message>
  <message>
   <source>%d of %d points did not arrive; they are shown as 0.</source>
   <translation>%d von %d Punkten sind nicht angekommen; sie werden als 0 gezeigt.</translation>
  </message>
  <message>
   <source>Quantitative Files</source>
   <translation>Quantitative Dateien</translation>
  </message>
  <message>
   <source>Wavelength Scan Files</source>
   <translation>Wellenlängenscans</translation>
  </message>
  <message>
   <source>Kinetics Files</source>
   <translation>Kinetikdateien</translation>
  </message>
  <message>
   <source>DNA/Protein Files</source>
   <translation>DNA/Protein-Dateien</translation>
  </message>
  <message>
   <source>Multi-Wavelength Files</source>
   <translation>Mehrwellenlängen-Dateien</translation>
  </message>
  <message>
   <source>Photometric Validity Files</source>
   <translation>Photometrische Prüfungen</translation>
  </message>
  <message>
   <source>Wavelength Validity Files</source>
   <translation>Wellenlängenprüfungen</translation>
  </message>
  <message>
   <source>Standard Curves</source>
   <translation>Standardkurven</translation>
  </message>
  <message>
   <source>Switch point should be in  valid range</source>
   <translation>Der Umschaltpunkt muss im gültigen Bereich liegen</translation>
  </message>
  <message>
   <source>A new device is found.
Please restart this application to obtain all functions.</source>
   <translation>Ein neues Gerät wurde gefunden.
Bitte starten Sie das Programm neu, um alle Funktionen zu erhalten.</translation>
  </message>
  <message>
   <source>The file from the instrument is incomplete.</source>
   <translation>Die Datei des Geräts ist unvollständig.</translation>
  </message>
  <message>
   <source>wavelength scan spectra(*.sca)</source>
   <translation>Wellenlängenscans(*.sca)</translation>
  </message>
  <message>
   <source>Previous Data Format(*.wav)</source>
   <translation>Früheres Datenformat(*.wav)</translation>
  </message>
  <message>
   <source>&amp;Export</source>
   <translation>&amp;Exportieren</translation>
  </message>
  <message>
   <source>Comma-separated values(*.csv)</source>
   <translation>Kommagetrennte Werte(*.csv)</translation>
  </message>
  <message>
   <source>Export as CSV...</source>
   <translation>Als CSV exportieren...</translation>
  </message>
  <message>
   <source>JCAMP-DX spectra(*.jdx *.dx)</source>
   <translation>JCAMP-DX-Spektren(*.jdx *.dx)</translation>
  </message>
  <message>
   <source>Export as JCAMP-DX...</source>
   <translation>Als JCAMP-DX exportieren...</translation>
  </message>
  <message>
   <source>The tip interval you selected is too dense,
please set it again.</source>
   <translation>Der gewählte Abstand der Achsenwerte ist zu eng,
bitte stellen Sie ihn neu ein.</translation>
  </message>
  <message>
   <source>Peak</source>
   <translation>Maximum</translation>
  </message>
  <message>
   <source>Valley</source>
   <translation>Minimum</translation>
  </message>
  <message>
   <source>The file holds %d of its %d points.</source>
   <translation>Die Datei enthält %d ihrer %d Punkte.</translation>
  </message>
  <message>
   <source>Savitzky-&amp;Golay Smoothing Filter</source>
   <translation>Savitzky-&amp;Golay-Glättungsfilter</translation>
  </message>
  <message>
   <source>Smooth</source>
   <translation>Glätten</translation>
  </message>
  <message>
   <source>&amp;Moving Windows Averaging</source>
   <translation>&amp;Gleitender Mittelwert</translation>
  </message>
  <message>
   <source>&amp;Derivate</source>
   <translation>&amp;Ableiten</translation>
  </message>
  <message>
   <source>&amp;Resample</source>
   <translation>Neu a&amp;btasten</translation>
  </message>
  <message>
   <source>&amp;Add</source>
   <translation>&amp;Addieren</translation>
  </message>
  <message>
   <source>&amp;Sub</source>
   <translation>&amp;Subtrahieren</translation>
  </message>
  <message>
   <source>&amp;Multiple</source>
   <translation>&amp;Multiplizieren</translation>
  </message>
  <message>
   <source>Di&amp;vide</source>
   <translation>Di&amp;vidieren</translation>
  </message>
  <message>
   <source>Scan Range:</source>
   <translation>Scanbereich:</translation>
  </message>
  <message>
   <source>Scan Step:</source>
   <translation>Schrittweite:</translation>
  </message>
  <message>
   <source>Scan Filter:</source>
   <translation>Filter:</translation>
  </message>
  <message>
   <source>Scan Time:</source>
   <translation>Messzeit:</translation>
  </message>
  <message>
   <source>Wavelength:</source>
   <translation>Wellenlänge:</translation>
  </message>
  <message>
   <source>Total Time:</source>
   <translation>Gesamtzeit:</translation>
  </message>
  <message>
   <source>Begin Time:</source>
   <translation>Beginn:</translation>
  </message>
  <message>
   <source>End Time:</source>
   <translation>Ende:</translation>
  </message>
  <message>
   <source>Factor:</source>
   <translation>Faktor:</translation>
  </message>
  <message>
   <source>(I.U. per Abs/min)</source>
   <translation>(I.E. je Abs/min)</translation>
  </message>
  <message>
   <source>per minute</source>
   <translation>pro Minute</translation>
  </message>
  <message>
   <source>The step &quot;%s&quot; is not a number of seconds from 0 to %d.</source>
   <translation>Die Schrittweite &quot;%s&quot; ist keine Sekundenzahl von 0 bis %d.</translation>
  </message>
  <message>
   <source>You should choose ONE CELL at least.
Try again.</source>
   <translation>Wählen Sie mindestens EINE KÜVETTE.
Versuchen Sie es erneut.</translation>
  </message>
  <message>
   <source>How to &amp;Maintenance</source>
   <translation>&amp;Wartung</translation>
  </message>
  <message>
   <source>How to &amp;Replacement</source>
   <translation>&amp;Austausch von Teilen</translation>
  </message>
  <message>
   <source>&amp;Quantitative or multiwavelength</source>
   <translation>&amp;Quantitativ oder mehrere Wellenlängen</translation>
  </message>
  <message>
   <source>&amp;Wavelength scanning</source>
   <translation>Wellenlängen&amp;scan</translation>
  </message>
  <message>
   <source>&amp;Time scanning (Kinetic analysis)</source>
   <translation>&amp;Zeitmessung (Kinetik)</translation>
  </message>
  <message>
   <source>The help page for this topic is not installed.</source>
   <translation>Die Hilfeseite zu diesem Thema ist nicht installiert.</translation>
  </message>
  <message>
   <source>No printer settings tool is installed.</source>
   <translation>Es ist kein Programm für Druckereinstellungen installiert.</translation>
  </message>
  <message>
   <source>Fixed Points Measurement</source>
   <translation>Messung an festen Wellenlängen</translation>
  </message>
  <message>
   <source>New &amp;Fixed Points</source>
   <translation>Neue Messung an &amp;festen Wellenlängen</translation>
  </message>
  <message>
   <source>Wavelength Scan Measurement</source>
   <translation>Wellenlängenscan</translation>
  </message>
  <message>
   <source>New &amp;Wavelength Scan</source>
   <translation>Neuer &amp;Wellenlängenscan</translation>
  </message>
  <message>
   <source>Time Scan Measurement</source>
   <translation>Zeitmessung</translation>
  </message>
  <message>
   <source>New &amp;Time Scan</source>
   <translation>Neue &amp;Zeitmessung</translation>
  </message>
  <message>
   <source>DNA/Protein measurement</source>
   <translation>DNA/Protein-Messung</translation>
  </message>
  <message>
   <source>New &amp;DNA/Protein</source>
   <translation>Neue &amp;DNA/Protein-Messung</translation>
  </message>
  <message>
   <source>Instrument Validity</source>
   <translation>Gerätevalidierung</translation>
  </message>
  <message>
   <source>New Instrument &amp;Validity</source>
   <translation>Neue Geräte&amp;validierung</translation>
  </message>
  <message>
   <source>Spectavo documents (%s)</source>
   <translation>Spectavo-Dokumente (%s)</translation>
  </message>
  <message>
   <source>Enter a number between %g and %g.</source>
   <translation>Geben Sie eine Zahl zwischen %g und %g ein.</translation>
  </message>
  <message>
   <source>Waiting</source>
   <translation>Warten</translation>
  </message>
  <message>
   <source>The password is not correct.</source>
   <translation>Das Kennwort ist nicht richtig.</translation>
  </message>
  <message>
   <source>The new passwords are not the same,
please check and try again.</source>
   <translation>Die neuen Passwörter stimmen nicht überein,
bitte prüfen und erneut versuchen.</translation>
  </message>
  <message>
   <source>Pos: Unknown</source>
   <translation>Pos: unbekannt</translation>
  </message>
  <message>
   <source>Starting</source>
   <translation>Startet</translation>
  </message>
  <message>
   <source>The lights is stable 30 seconds after you turn on D2.</source>
   <translation>Das Licht ist 30 Sekunden nach dem Einschalten der D2-Lampe stabil.</translation>
  </message>
  <message>
   <source>Your role does not allow this.</source>
   <translation>Ihre Rolle erlaubt dies nicht.</translation>
  </message>
  <message>
   <source>Unknown</source>
   <translation>Unbekannt</translation>
  </message>
  <message>
   <source>False</source>
   <translation>Fehler</translation>
  </message>
  <message>
   <source>Number of sample cells</source>
   <translation>Anzahl der Küvetten</translation>
  </message>
  <message>
   <source>Automatic multicells</source>
   <translation>Automatischer Küvettenwechsler</translation>
  </message>
  <message>
   <source>Auto Sipper</source>
   <translation>Auto-Sipper</translation>
  </message>
  <message>
   <source>Color filter assembly</source>
   <translation>Farbfiltereinheit</translation>
  </message>
  <message>
   <source>Wavelength driven assembly</source>
   <translation>Wellenlängenantrieb</translation>
  </message>
  <message>
   <source>Status of ADCs</source>
   <translation>Status der A/D-Wandler</translation>
  </message>
  <message>
   <source>Energy of D2 lamp</source>
   <translation>Energie der D2-Lampe</translation>
  </message>
  <message>
   <source>Energy of W lamp</source>
   <translation>Energie der W-Lampe</translation>
  </message>
  <message>
   <source>Wavelength calibration(656.1nm)</source>
   <translation>Wellenlängenkalibrierung(656.1nm)</translation>
  </message>
  <message>
   <source>Status of Power</source>
   <translation>Status der Stromversorgung</translation>
  </message>
  <message>
   <source>Only 1</source>
   <translation>Nur 1</translation>
  </message>
  <message>
   <source>Not installed</source>
   <translation>Nicht installiert</translation>
  </message>
  <message>
   <source>Installed</source>
   <translation>Installiert</translation>
  </message>
  <message>
   <source>Low!</source>
   <translation>Niedrig!</translation>
  </message>
  <message>
   <source>Level</source>
   <translation>Stufe</translation>
  </message>
  <message>
   <source>Refrence</source>
   <translation>Referenz</translation>
  </message>
  <message>
   <source>System booted.</source>
   <translation>System gestartet.</translation>
  </message>
  <message>
   <source>Energy validating</source>
   <translation>Energie wird geprüft</translation>
  </message>
  <message>
   <source>Wavelength positioning</source>
   <translation>Wellenlänge wird positioniert</translation>
  </message>
  <message>
   <source>Filters Positioning</source>
   <translation>Filter werden positioniert</translation>
  </message>
  <message>
   <source>Cells positioning</source>
   <translation>Küvetten werden positioniert</translation>
  </message>
  <message>
   <source>ADC calibrating</source>
   <translation>A/D-Wandler wird kalibriert</translation>
  </message>
  <message>
   <source>Waiting keys</source>
   <translation>Warte auf Tasten</translation>
  </message>
  <message>
   <source>Warmup...</source>
   <translation>Aufwärmen...</translation>
  </message>
  <message>
   <source>Slits positioning</source>
   <translation>Spalte werden positioniert</translation>
  </message>
  <message>
   <source>Lamp positioning</source>
   <translation>Lampe wird positioniert</translation>
  </message>
  <message>
   <source>Printer Initiating</source>
   <translation>Drucker wird initialisiert</translation>
  </message>
  <message>
   <source>Starting RTOS</source>
   <translation>RTOS startet</translation>
  </message>
  <message>
   <source>System baseline calibrating</source>
   <translation>System-Basislinie wird kalibriert</translation>
  </message>
  <message>
   <source>File System Error</source>
   <translation>Fehler im Dateisystem</translation>
  </message>
  <message>
   <source>Background correcting</source>
   <translation>Untergrund wird korrigiert</translation>
  </message>
  <message>
   <source>Difference</source>
   <translation>Differenz</translation>
  </message>
  <message>
   <source>Result</source>
   <translation>Ergebnis</translation>
  </message>
  <message>
   <source>Abs(Std.)</source>
   <translation>Abs(Std.)</translation>
  </message>
  <message>
   <source>T%(Std.)</source>
   <translation>T%(Std.)</translation>
  </message>
  <message>
   <source>Abs(Detected)</source>
   <translation>Abs(gemessen)</translation>
  </message>
  <message>
   <source>T%(Detected)</source>
   <translation>T%(gemessen)</translation>
  </message>
  <message>
   <source>Fail</source>
   <translation>Nicht bestanden</translation>
  </message>
  <message>
   <source>Pass</source>
   <translation>Bestanden</translation>
  </message>
  <message>
   <source>Fixed</source>
   <translation>Feste Wellenlängen</translation>
  </message>
  <message>
   <source>Scan</source>
   <translation>Scan</translation>
  </message>
  <message>
   <source> Ready </source>
   <translation> Bereit </translation>
  </message>
  <message>
   <source>File</source>
   <translation>Datei</translation>
  </message>
  <message>
   <source>The instrument link does not accept commands.</source>
   <translation>Die Verbindung zum Gerät nimmt keine Befehle an.</translation>
  </message>
  <message>
   <source>A serial device such as /dev/ttyUSB0, or tcp:HOST:PORT</source>
   <translation>Eine serielle Schnittstelle wie /dev/ttyUSB0 oder tcp:HOST:PORT</translation>
  </message>
  <message>
   <source>Port</source>
   <translation>Anschluss</translation>
  </message>
  <message>
   <source>Baud rate</source>
   <translation>Baudrate</translation>
  </message>
  <message>
   <source>Speed factor</source>
   <translation>Geschwindigkeitsfaktor</translation>
  </message>
  <message>
   <source>Lost packets</source>
   <translation>Verlorene Pakete</translation>
  </message>
  <message>
   <source>Damaged packets</source>
   <translation>Beschädigte Pakete</translation>
  </message>
  <message>
   <source>Duplicated packets</source>
   <translation>Doppelte Pakete</translation>
  </message>
  <message>
   <source>Refused sends</source>
   <translation>Abgelehnte Sendungen</translation>
  </message>
  <message>
   <source>Cell %1</source>
   <translation>Küvette %1</translation>
  </message>
  <message>
   <source>The password must have at least %d characters.</source>
   <translation>Das Kennwort muss mindestens %d Zeichen haben.</translation>
  </message>
  <message>
   <source>Regulated mode is set up already: a lab manager adds the accounts.</source>
   <translation>Der regulierte Betrieb ist bereits eingerichtet: Konten legt ein Laborleiter an.</translation>
  </message>
  <message>
   <source>The account %s is locked; a lab manager can unlock it.</source>
   <translation>Das Konto %s ist gesperrt; ein Laborleiter kann es entsperren.</translation>
  </message>
  <message>
   <source>The account %s is disabled.</source>
   <translation>Das Konto %s ist deaktiviert.</translation>
  </message>
  <message>
   <source>There is no account %s.</source>
   <translation>Es gibt kein Konto %s.</translation>
  </message>
  <message>
   <source>An account needs a user ID and a full name.</source>
   <translation>Ein Konto braucht eine Benutzerkennung und einen vollständigen Namen.</translation>
  </message>
  <message>
   <source>The user ID %s was used before; a user ID is never used again.</source>
   <translation>Die Benutzerkennung %s wurde schon verwendet; eine Benutzerkennung wird nie wieder vergeben.</translation>
  </message>
  <message>
   <source>The account %s is not locked.</source>
   <translation>Das Konto %s ist nicht gesperrt.</translation>
  </message>
  <message>
   <source>The person who performed a result cannot review or approve it.</source>
   <translation>Wer ein Ergebnis gemessen hat, kann es nicht prüfen oder freigeben.</translation>
  </message>
  <message>
   <source>The user ID or password is not correct.</source>
   <translation>Benutzerkennung oder Kennwort sind nicht richtig.</translation>
  </message>
 </context>
</TS>
