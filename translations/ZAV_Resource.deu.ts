<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="deu">
 <context>
  <name>Spectavo</name>
  <message>
   <source>Method</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Method</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>WL &amp;1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>WL &amp;2</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>WL &amp;3</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>With &amp;Reference</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Coef. f%1=</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Unit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Results</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>DNA/Protein Measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Recalc</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Font</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Information</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sample</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Open...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Open a document</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Load...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Load a document or a method</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Save	Ctrl+S</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Save &amp;As...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Open file from &amp;UV-Rediradozu</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Print...	Ctrl+P</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Export as PDF...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Document</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Measure</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Start	F5</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Measure the sample at predefined points</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Modify</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Modify the measurement by testing the sample again</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Delete</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Delete a sample.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Autorun</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto change sample cell and run</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Blank Calibration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Calibrate the baseline at the current cell</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Automatic Blank Calibration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Export Sam&amp;ple</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Export S&amp;tandard</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Standard &amp;Parameter Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>De&amp;lete Standard Parameters</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;View</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup the measurement method.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Display Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Display Setup.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Trace Cursor</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Activate the Trace Cursor</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Transmittance Mode</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Absorbance Mode</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Data &amp;Font...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Copy</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Copy the calibration curve</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>standards</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>samples</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Text file(*.txt)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Result has not been saved. Save it now?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>A measurement is running. Finish or cancel it first.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The automatic run is still measuring. Stop it first.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Memo  (Press Ctrl+Enter to start a new line)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Blank Calibration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Lambda</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sample &amp;name</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fixed Points Measuring</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>deltaAbs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Conc.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print this page?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print the memo information?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Could not start print job.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Error</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Error

No printer is set up. Export as PDF... instead?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>PDF document(*.pdf)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Start</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Recalculate</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Data &amp;Font</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Print...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%s is not a document this window can read.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cannot write %s.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Goto specified wavelength</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength (nm)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Abs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Goto</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Zero</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Close</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>o : Sample</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>+ : Standard</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scales</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Automatic Setting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Unit of Conc.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Show</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X-Axis</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Axis</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Title</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Standard</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fit Parameters</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Tick labels</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Apply</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Number of WL points</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelengths (nm)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>WL%1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Calculate Concentration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Select a &amp;Unit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Use Standard Samples</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Curve &amp;Fit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Linear Fit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Quadratic Fit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cubic Fit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Coefficients</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fitting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Display Setting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Standard Samples Parameter Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Standard &amp;name</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Concentration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Next</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>OK</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cancel</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enter a number.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Instrument Validity Measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Test</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Photometric Validity Test</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength Validity Test</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Select a method</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Number of WLs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Tolerance</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan &amp;Range</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelengths and standards</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>WL %1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Tolerance</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Double click left button to exit search mode.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Display Range Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Manual Settings</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Time Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time Ma&amp;ximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X Maximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y Maximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X Interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y Interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please enter an integer between %g and %g.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please enter a number between %g and %g.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please enter a number.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please enter an integer between %d and %d.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Derivative</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Class</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Colo&amp;r</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Name</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup the measurement method</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Automatic Zero Calibration</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Automatically calibrate the fullsale energy</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Energy scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectrum &amp;Slitwidth</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>List out Peaks of a Spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>List out Valleys of a Spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Compute</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Savitzky-&amp;Golay Smoothing Filter</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Smooth</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Smooth the current spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Derivate</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Resample</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Add</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Sub</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Multiple</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Di&amp;vide</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Se&amp;ttings</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Peak &amp;Height</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup the Peak/Valley Threshold</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cannot read %s.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File type mismatched, please select another one.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The instrument's file is not a spectrum this program can read.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%s has not completed. This window should not be closed.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Lambda(nm)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Abs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>FWHM</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time(s)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Peak/Valley</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Settings to display and print the spectra</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>View</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Peak and Valley</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Legend</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Special</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scaler</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Memo</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Dynamic Analysis</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X-Axis Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X-Axis Maximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Axis Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Axis Maximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Don't mark any</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Mark working spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Mark all spectra</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Mark position of peak and valley</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of peak</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of valley</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Axis Abs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Axis T</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of X-Axis</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of Y-Axis</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of title</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Measuring spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Pen width</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Other spectrum Default</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Pen width </source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Manual settings</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Show grid lines</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>X-Interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Y-Interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Color</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of tips</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Grid data</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Foot notes</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Total Time</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Range</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Step</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print Time</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Operator</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Filters</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Font of data</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print memo  (Press Ctrl+Enter to start a new line)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Print Result</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Calculate</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time &amp;Begin</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time &amp;End</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;K Factor</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Resample the spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source> points</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Make one point every</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Use Filter</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>From</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>To</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Ste&amp;p</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Filte&amp;r</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Degree</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Width</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Smooth the spectrum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Range</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Export</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Export as CSV...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Export as JCAMP-DX...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Remove</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Print Pre&amp;view</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>P&amp;rint Setup...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Magnify</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Activate the ZOOM Function</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Restore</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Original Scales</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>S&amp;earch</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Trace Cursor</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Display &amp;Range</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Undo Scales	Ctrl+Z</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>C&amp;ustomize</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Peaks</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Valleys</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup peak/valley threshold</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please key in the threshold(Abs)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup the Savitzky-Golay Filter</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Degree of &amp;Polynomials</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Derivertive</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Width of Filter Windows</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Name of Result</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Curve</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Calibrate the blank at the current cell</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>List out Peaks of a Curve</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>List out Valleys of a Curve</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Moving Windows Averaging</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time Scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>kinetics analysis spectra(*.kin)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The instrument's file is not a time scan this program can read.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup kinetic scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Lambda</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Total Time</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time:%.1fs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectra Addition/Subtraction</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File &amp;1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File &amp;2</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Result</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Choose two different spectra.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Multicells settiing</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>No.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Check</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Name(Null means autoname)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please input the required parameter</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup the sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time setting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sipping time</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sipping interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto Sipping</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Enable</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Disable</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Photrak File Management</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File &amp;Type</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;File Name</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Refresh</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Open</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Cancel</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectavo Help</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Back</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Close</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Communication Hub Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Select one from installed Drivers</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Hub Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Failed to load %s!</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Couldn't find all ZAV_CommDrv entry points we needed.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectavo Login</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Input your password</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Login</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>E&amp;xit</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectavo</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%v of %m</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Recalibrate System?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File system error.
Initialize file system?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength out of range, please restart Photrak!</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>D2 lamp energy too low!

Turn off Photrak and check the system, then try again.

Or, click the OK button to continue.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;File</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Open</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Recent &amp;Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;System</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Link Spectrophotometer</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Reset Spectrophotometer</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Escape</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>S&amp;top</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Pause</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Comm hub setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enable &amp;Internal Keypad</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Change Password</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Status &amp;font</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Instrument</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Status of Spectrophoto&amp;meter</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>View Dar&amp;k Current</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Set A&amp;mplifier</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Calibrate System Baseline</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Locate &amp;656.1nm</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Goto Wavelength...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>D2/W Switch &amp;Point</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Turn on/off &amp;D2 lamp</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Turn on/off &amp;W lamp</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Slit &amp;Bandwidth</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Cells</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cell &amp;%1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Setup &amp;MultiCells</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto &amp;Sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sipper C&amp;onnected</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Sipper Setup</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sipping &amp;Time</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please input the sipping time(&gt;2s)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sipping &amp;Interval</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please input the sipping interval(&gt;2s)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Enable Sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Disable Sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Flush the sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Absorbance</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;%T</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>System</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto Sampling</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Help</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Help Topics</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Add a new printer</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;About Spectavo</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Window</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Cascade</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Tile</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>System Status</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Refresh</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Refresh Background Current</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Refresh background...
Please wait a moment.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Print</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Save</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Load</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Save</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Background Current Data(*.dark)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Load</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%s is not a dark current table.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Analog to Digital Sampling</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Drag and set the amplifier level: </source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;OK</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Change password</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Old password</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New password</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Comfirm it</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>PROM Version  %X.%03X on %s</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>About Spectavo</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Spectavo Version 5.12</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Set the switch point</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Minimum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Maximum</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New point</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Save As</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Save or Read &amp;method only</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Custom</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Color</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Calibration not computed: it needs %d standards with different Abs(eff).</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto-changer error, check and try again!</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fixed points file(*.QUA);;Template file(*.QM)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>DNA/Protein measurement file(*.DNA);;DNA/Protein Method(*.DM)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Instrument Validity files(*.VAL);;Instrument Validity method files(*.VM)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Only the first 200 rows were loaded.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Only the first 200 rows were imported.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The file from the instrument is in a form this program cannot read.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enter an integer.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enter a number between %.*g and %.*g.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enter an integer between %d and %d.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The tip interval you selected is too dense.
It will be auto selected.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Page %d</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Operator:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Date &amp; Time:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Memo:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Continued</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Sample name</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The table is full (200 samples). Save it and start a new document.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Please select the sample name.
Try again!</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>To delete the selected sample?</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Peak Detected</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%d of %d points did not arrive; they are shown as 0.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Quantitative Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength Scan Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Kinetics Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>DNA/Protein Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Multi-Wavelength Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Photometric Validity Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength Validity Files</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Standard Curves</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Switch point should be in  valid range</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>A new device is found.
Please restart this application to obtain all functions.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The file from the instrument is incomplete.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>wavelength scan spectra(*.sca)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Previous Data Format(*.wav)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Comma-separated values(*.csv)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>JCAMP-DX spectra(*.jdx *.dx)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The tip interval you selected is too dense,
please set it again.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Peak</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Valley</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The file holds %d of its %d points.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Range:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Step:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Filter:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan Time:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wait...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Ready</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time scan completed, please continue your work.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time scan has been broken.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>%d points repeat the previous reading because sampling fell behind.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The time scan's settings hold no usable step or total time. Open the setup and confirm it.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Total Time:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Begin Time:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>End Time:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Factor:</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The step &quot;%s&quot; is not a number of seconds from 0 to %d.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The instrument stopped sending the scan.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>You should choose ONE CELL at least.
Try again.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>How to &amp;Maintenance</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>How to &amp;Replacement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Quantitaive or multiwavelength</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Wavelength scanning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>&amp;Time scanning (Kinetic analysis)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The help page for this topic is not installed.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>No printer settings tool is installed.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fixed Points Measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New &amp;Fixed Points</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength Scan Measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New &amp;Wavelength Scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Time Scan Measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New &amp;Time Scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>DNA/Protein measurement</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New &amp;DNA/Protein</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Instrument Validity</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>New Instrument &amp;Validity</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Enter a number between %g and %g.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Waiting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The new passwords are not the same,
please check and try again.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Pos: Unknown</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Starting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The lights is stable 30 seconds after you turn on D2.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Unknown</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>False</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Number of sample cells</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Automatic multicells</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Auto Sipper</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Color filter assembly</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength driven assembly</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Status of ADCs</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Energy of D2 lamp</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Energy of W lamp</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength calibration(656.1nm)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Status of Power</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Only 1</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Not installed</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Installed</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Low!</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Level</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Refrence</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>System booted.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Energy validating</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Wavelength positioning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Filters Positioning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cells positioning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>ADC calibrating</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Waiting keys</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Warmup...</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Slits positioning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Lamp positioning</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Printer Initiating</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Starting RTOS</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>System baseline calibrating</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File System Error</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Background correcting</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Difference</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Result</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Abs(Std.)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>T%(Std.)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Abs(Detected)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>T%(Detected)</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fail</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Pass</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Fixed</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Scan</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source> Ready </source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>File</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>The instrument link does not accept commands.</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>A serial device such as /dev/ttyUSB0, or tcp:HOST:PORT</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Port</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Baud rate</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Speed factor</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Lost packets</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Damaged packets</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Duplicated packets</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Refused sends</source>
   <translation type="unfinished"></translation>
  </message>
  <message>
   <source>Cell %1</source>
   <translation type="unfinished"></translation>
  </message>
 </context>
</TS>
