<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AuxCirclePage</name>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>phase = 0%1</source>
        <translation>Phase = 0%1</translation>
    </message>
    <message>
        <source>set phase|Set the phase difference between points</source>
        <translation>Phase einstellen|Die Phasendifferenz zwischen den Punkten einstellen</translation>
    </message>
    <message>
        <source>move points|Scroll through the animation</source>
        <translation>Punkte bewegen|Die Animation durchlaufen</translation>
    </message>
    <message>
        <source>angle = 0%1</source>
        <translation>Winkel = 0%1</translation>
    </message>
    <message>
        <source>reference circle and wave</source>
        <translation>Hilfskreis und Welle</translation>
    </message>
    <message>
        <source>Two points go round the reference circle and trace the wave beside it: %1, %2.</source>
        <translation>Zwei Punkte laufen auf dem Hilfskreis um und zeichnen daneben die Welle: %1, %2.</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>curve %1</source>
        <translation>Kurve %1</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 bei %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n points, largest value %2</source>
        <translation>
            <numerusform>%1: %n Punkt, größter Wert %2</numerusform>
            <numerusform>%1: %n Punkte, größter Wert %2</numerusform>
        </translation>
    </message>
    <message>
        <source>horizontal axis</source>
        <translation>waagerechte Achse</translation>
    </message>
    <message>
        <source>vertical axis</source>
        <translation>senkrechte Achse</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 bis %3</translation>
    </message>
    <message>
        <source>zoomed in</source>
        <translation>vergrößert</translation>
    </message>
</context>
<context>
    <name>ControlValues</name>
    <message>
        <source>There is no control named &quot;%1&quot;.</source>
        <translation>Es gibt kein Bedienelement namens „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number, as &quot;%2&quot; needs.</source>
        <translation>„%1“ ist keine ganze Zahl, wie „%2“ sie verlangt.</translation>
    </message>
    <message>
        <source>The value %1 for &quot;%2&quot; is outside %3 to %4.</source>
        <translation>Der Wert %1 für „%2“ liegt außerhalb von %3 bis %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a control that takes a value.</source>
        <translation>„%1“ ist kein Bedienelement, das einen Wert annimmt.</translation>
    </message>
</context>
<context>
    <name>DifPage</name>
    <message>
        <source>number of slits %1</source>
        <translation>Spaltanzahl %1</translation>
    </message>
    <message>
        <source>slit separation %1</source>
        <translation>Spaltabstand %1</translation>
    </message>
    <message>
        <source>slit width %1</source>
        <translation>Spaltbreite %1</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>Hüllkurve</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Multiple slit diffraction</source>
        <translation>Beugung am Mehrfachspalt</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Drag down and right with the  left mouse button to zoom in; Use right button to pan graph</source>
        <translation>Zum Vergrößern mit der linken Maustaste nach rechts unten ziehen; mit der rechten Taste das Diagramm verschieben</translation>
    </message>
    <message>
        <source>interference pattern</source>
        <translation>Interferenzmuster</translation>
    </message>
    <message>
        <source>single slit envelope</source>
        <translation>Hüllkurve des Einzelspalts</translation>
    </message>
    <message>
        <source>Set the number of slits</source>
        <translation>Die Anzahl der Spalte einstellen</translation>
    </message>
    <message>
        <source>Set the separation of the slits</source>
        <translation>Den Abstand der Spalte einstellen</translation>
    </message>
    <message>
        <source>Set the width of each slit</source>
        <translation>Die Breite jedes Spalts einstellen</translation>
    </message>
    <message>
        <source>Show the single-slit envelope on the chart</source>
        <translation>Die Hüllkurve des Einzelspalts im Diagramm zeigen</translation>
    </message>
    <message>
        <source>Restore the whole chart after zooming or panning</source>
        <translation>Nach Zoomen oder Verschieben wieder das ganze Diagramm zeigen</translation>
    </message>
    <message>
        <source>intensity against angle</source>
        <translation>Intensität in Abhängigkeit vom Winkel</translation>
    </message>
    <message>
        <source>pattern on the screen</source>
        <translation>Muster auf dem Schirm</translation>
    </message>
    <message>
        <source>Bright lines on the screen from %1 slits, separation %2, width %3.</source>
        <translation>Helle Linien auf dem Schirm von %1 Spalten, Abstand %2, Breite %3.</translation>
    </message>
    <message>
        <source>Angular Intensity distribution graph</source>
        <translation>Intensitätsverteilung über dem Winkel</translation>
    </message>
</context>
<context>
    <name>EMWavePage</name>
    <message>
        <source>Drag with left button to rotate; right button to pan.</source>
        <translation>Ziehen Sie mit der linken Taste zum Drehen, mit der rechten zum Verschieben.</translation>
    </message>
    <message>
        <source>move wave|Scroll to animate the wave motion.</source>
        <translation>Welle bewegen|Mit der Bildlaufleiste die Wellenbewegung animieren.</translation>
    </message>
    <message>
        <source>move the wave along</source>
        <translation>die Welle fortbewegen</translation>
    </message>
    <message>
        <source>electromagnetic wave in three dimensions</source>
        <translation>elektromagnetische Welle in drei Dimensionen</translation>
    </message>
    <message>
        <source>The electric and magnetic fields oscillate in phase, at right angles to each other and to the direction of travel. Wave position %1 of %2; the view is tilted %3 degrees and turned %4 degrees; the arrow keys turn it.</source>
        <translation>Elektrisches und magnetisches Feld schwingen in Phase, senkrecht zueinander und zur Ausbreitungsrichtung. Wellenposition %1 von %2; die Ansicht ist um %3 Grad geneigt und um %4 Grad gedreht; die Pfeiltasten drehen sie.</translation>
    </message>
</context>
<context>
    <name>EmSpectra</name>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>n = %1</source>
        <translation>n = %1</translation>
    </message>
    <message>
        <source>(ground state)</source>
        <translation>(Grundzustand)</translation>
    </message>
    <message>
        <source>n = ∞</source>
        <translation>n = ∞</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>ultraviolet</source>
        <translation>ultraviolett</translation>
    </message>
    <message>
        <source>visible</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>infrared</source>
        <translation>infrarot</translation>
    </message>
</context>
<context>
    <name>GammaPage</name>
    <message>
        <source>gamma
source</source>
        <translation>Gamma-
quelle</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Detector position</source>
        <translation>Detektorposition</translation>
    </message>
    <message>
        <source>move detector</source>
        <translation>Detektor verschieben</translation>
    </message>
    <message>
        <source>Absorber position</source>
        <translation>Absorberposition</translation>
    </message>
    <message>
        <source>move absorber</source>
        <translation>Absorber verschieben</translation>
    </message>
    <message>
        <source>absorber thickness 5 mm</source>
        <translation>Absorberdicke 5 mm</translation>
    </message>
    <message>
        <source>set absorber thickness</source>
        <translation>Absorberdicke einstellen</translation>
    </message>
    <message>
        <source>measure background count</source>
        <translation>Nulleffekt messen</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Zählung</translation>
    </message>
    <message>
        <source>start count</source>
        <translation>Zählung starten</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop count</source>
        <translation>Zählung anhalten</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Magnified view
of scale</source>
        <translation>Vergrößerte
Skala</translation>
    </message>
    <message>
        <source>detector distance (mm)</source>
        <translation>Detektorabstand (mm)</translation>
    </message>
    <message>
        <source>absorber thickness (mm)</source>
        <translation>Absorberdicke (mm)</translation>
    </message>
    <message>
        <source>background</source>
        <translation>Nulleffekt</translation>
    </message>
    <message>
        <source>time counted (s)</source>
        <translation>Zählzeit (s)</translation>
    </message>
    <message>
        <source>count rate (per second)</source>
        <translation>Zählrate (pro Sekunde)</translation>
    </message>
    <message>
        <source>distance
(mm)</source>
        <translation>Abstand
(mm)</translation>
    </message>
    <message>
        <source>absorber
(mm)</source>
        <translation>Absorber
(mm)</translation>
    </message>
    <message>
        <source>time
(s)</source>
        <translation>Zeit
(s)</translation>
    </message>
    <message>
        <source>rate
(/s)</source>
        <translation>Rate
(/s)</translation>
    </message>
    <message>
        <source>The count rates of the results table; drag down and right to zoom in, up and left to zoom out</source>
        <translation>Die Zählraten der Messtabelle; zum Vergrößern nach rechts unten ziehen, zum Verkleinern nach links oben</translation>
    </message>
    <message>
        <source>count rate</source>
        <translation>Zählrate</translation>
    </message>
    <message>
        <source>fit</source>
        <translation>Ausgleichskurve</translation>
    </message>
    <message>
        <source> rate against </source>
        <translation> Rate gegen </translation>
    </message>
    <message>
        <source>distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Plot the count rate against the detector distance or the absorber thickness</source>
        <translation>Die Zählrate gegen den Detektorabstand oder die Absorberdicke auftragen</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>log. Skala</translation>
    </message>
    <message>
        <source>Show the count rate on a logarithmic scale</source>
        <translation>Die Zählrate auf einer logarithmischen Skala zeigen</translation>
    </message>
    <message>
        <source>fit line</source>
        <translation>Ausgleichskurve</translation>
    </message>
    <message>
        <source>Draw the inverse-square law or the exponential absorption through the readings</source>
        <translation>Das quadratische Abstandsgesetz oder die exponentielle Absorption durch die Messwerte legen</translation>
    </message>
    <message>
        <source>Take the source away and count the background radiation</source>
        <translation>Die Quelle entfernen und den Nulleffekt zählen</translation>
    </message>
    <message>
        <source>gamma source, absorber and detector on a bench</source>
        <translation>Gammaquelle, Absorber und Detektor auf einer Bank</translation>
    </message>
    <message>
        <source>The source is away: the detector counts background only.</source>
        <translation>Die Quelle ist entfernt: Der Detektor zählt nur den Nulleffekt.</translation>
    </message>
    <message>
        <source>The detector is %1 mm from the source behind %2 mm of absorber at %3 mm; it should count about %4 per second.</source>
        <translation>Der Detektor ist %1 mm von der Quelle entfernt, hinter %2 mm Absorber bei %3 mm; er sollte etwa %4 pro Sekunde zählen.</translation>
    </message>
    <message>
        <source> The counter shows %1 after %2 s.</source>
        <translation> Der Zähler zeigt %1 nach %2 s.</translation>
    </message>
    <message>
        <source>magnified view of the scale</source>
        <translation>vergrößerte Ansicht der Skala</translation>
    </message>
    <message>
        <source>The detector is at %1 mm on the scale.</source>
        <translation>Der Detektor steht bei %1 mm auf der Skala.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>rate less background (/s)</source>
        <translation>Rate ohne Nulleffekt (/s)</translation>
    </message>
    <message>
        <source>count rate (/s)</source>
        <translation>Zählrate (/s)</translation>
    </message>
    <message>
        <source>Each count adds its rate to the table and a point here.</source>
        <translation>Jede Zählung trägt ihre Rate in die Tabelle und hier einen Punkt ein.</translation>
    </message>
    <message>
        <source>Readings with the detector at %1 mm.</source>
        <translation>Messwerte mit dem Detektor bei %1 mm.</translation>
    </message>
    <message>
        <source>Readings behind %1 mm of absorber.</source>
        <translation>Messwerte hinter %1 mm Absorber.</translation>
    </message>
    <message>
        <source>Background %1 per second taken off.</source>
        <translation>Nulleffekt von %1 pro Sekunde abgezogen.</translation>
    </message>
    <message>
        <source>Exponential fit: half-value thickness %1 mm (absorption coefficient %2 per mm).</source>
        <translation>Exponentielle Anpassung: Halbwertsdicke %1 mm (Absorptionskoeffizient %2 pro mm).</translation>
    </message>
    <message>
        <source>The fit needs readings at two thicknesses, the rate falling.</source>
        <translation>Die Anpassung braucht Messwerte bei zwei Dicken mit abnehmender Rate.</translation>
    </message>
    <message>
        <source>Inverse-square fit: %1 per second at 1 m, four times as many at 0.5 m.</source>
        <translation>Anpassung an das Abstandsgesetz: %1 pro Sekunde bei 1 m, viermal so viel bei 0,5 m.</translation>
    </message>
    <message>
        <source>The fit needs a reading with a count.</source>
        <translation>Die Anpassung braucht einen Messwert mit gezählten Impulsen.</translation>
    </message>
    <message>
        <source>absorber thickness %1 mm</source>
        <translation>Absorberdicke %1 mm</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>GraphCommands</name>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>Der Drucker konnte den Druckauftrag nicht starten.</translation>
    </message>
</context>
<context>
    <name>Grating</name>
    <message>
        <source>collimator</source>
        <translation>Kollimator</translation>
    </message>
    <message>
        <source>grating</source>
        <translation>Gitter</translation>
    </message>
</context>
<context>
    <name>GratingPage</name>
    <message>
        <source>wavelength %1 nm</source>
        <translation>Wellenlänge %1 nm</translation>
    </message>
    <message>
        <source>set wavelength|Set the wavelength of the light</source>
        <translation>Wellenlänge einstellen|Die Wellenlänge des Lichts einstellen</translation>
    </message>
    <message>
        <source>Lines per mm = %1</source>
        <translation>Striche pro mm = %1</translation>
    </message>
    <message>
        <source>set  line spacing|Set the spacing of the lines on the grating</source>
        <translation>Strichabstand einstellen|Den Abstand der Striche des Gitters einstellen</translation>
    </message>
    <message>
        <source>move telescope|Turn the telescope round the table</source>
        <translation>Fernrohr drehen|Das Fernrohr um den Tisch drehen</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Ablesen</translation>
    </message>
    <message>
        <source>record|Add the wavelength, the grating, the telescope angle and the order to the table</source>
        <translation>Ablesen|Wellenlänge, Gitter, Fernrohrwinkel und Ordnung in die Tabelle eintragen</translation>
    </message>
    <message>
        <source>wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>lines per mm</source>
        <translation>Striche pro mm</translation>
    </message>
    <message>
        <source>telescope angle (degrees)</source>
        <translation>Fernrohrwinkel (Grad)</translation>
    </message>
    <message>
        <source>order</source>
        <translation>Ordnung</translation>
    </message>
    <message>
        <source>angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>Fernrohr</translation>
    </message>
    <message>
        <source>spectrometer, seen from above</source>
        <translation>Spektrometer, von oben gesehen</translation>
    </message>
    <message>
        <source>%1 nm light falls on a grating of %2 lines per mm. Orders up to %3 are seen; the first order is at %4 degrees. The telescope is at %5 degrees.</source>
        <translation>Licht von %1 nm fällt auf ein Gitter mit %2 Strichen pro mm. Ordnungen bis %3 sind zu sehen; die erste Ordnung liegt bei %4 Grad. Das Fernrohr steht bei %5 Grad.</translation>
    </message>
    <message>
        <source>view through the telescope</source>
        <translation>Blick durch das Fernrohr</translation>
    </message>
    <message>
        <source>Cross-wires at %1 degrees; the nearest line is order %2, at %3 degrees.</source>
        <translation>Fadenkreuz bei %1 Grad; die nächste Linie ist die Ordnung %2 bei %3 Grad.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Corvane Help</source>
        <translation>Corvane-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <translation>&amp;Geben Sie die ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vorwärts (Alt+Rechts)</translation>
    </message>
    <message>
        <source>home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>The help contents page</source>
        <translation>Die Inhaltsseite der Hilfe</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing or damaged and could not be opened. Reinstall Corvane to restore it.</source>
        <translation>Die Hilfedatei „%1“ fehlt oder ist beschädigt und konnte nicht geöffnet werden. Installieren Sie Corvane neu, um sie wiederherzustellen.</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>This page cannot be shown: its tables are nested more than %1 deep.</source>
        <translation>Diese Seite kann nicht angezeigt werden: Ihre Tabellen sind mehr als %1 Ebenen tief verschachtelt.</translation>
    </message>
    <message>
        <source>This page cannot be shown. %1</source>
        <translation>Diese Seite kann nicht angezeigt werden. %1</translation>
    </message>
    <message>
        <source>Cannot open the link &quot;%1&quot;.</source>
        <translation>Der Verweis „%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>HydrogenPage</name>
    <message>
        <source>Click on an arrow to show the transition</source>
        <translation>Klicken Sie auf einen Pfeil, um den Übergang zu zeigen</translation>
    </message>
    <message>
        <source>animate</source>
        <translation>Animieren</translation>
    </message>
    <message>
        <source>animate transitions</source>
        <translation>Übergänge animieren</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>n = %1 to n = %2, %3 nm</source>
        <translation>n = %1 nach n = %2, %3 nm</translation>
    </message>
    <message>
        <source>hydrogen spectrum lines</source>
        <translation>Linien des Wasserstoffspektrums</translation>
    </message>
    <message>
        <source>Twelve lines: the Lyman series in the ultraviolet, Balmer in the visible, Paschen in the infrared.</source>
        <translation>Zwölf Linien: die Lyman-Serie im Ultravioletten, die Balmer-Serie im Sichtbaren, die Paschen-Serie im Infraroten.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Markiert: %1.</translation>
    </message>
    <message>
        <source>energy levels of hydrogen</source>
        <translation>Energieniveaus des Wasserstoffs</translation>
    </message>
    <message>
        <source>Energy levels from n = 1 upwards, with arrows for the twelve transitions. The arrow keys point at them in turn; Enter shows the one pointed at.</source>
        <translation>Energieniveaus von n = 1 aufwärts, mit Pfeilen für die zwölf Übergänge. Die Pfeiltasten wählen sie nacheinander aus; die Eingabetaste zeigt den ausgewählten.</translation>
    </message>
    <message>
        <source>Pointed at: %1.</source>
        <translation>Ausgewählt: %1.</translation>
    </message>
</context>
<context>
    <name>PageSafety</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. The file does not exist.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine Datei.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: only the program&apos;s own pages and pictures can be shown.</source>
        <translation>„%1“ kann nicht geöffnet werden: Nur die programmeigenen Seiten und Bilder können angezeigt werden.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2 MB.</source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei ist größer als %2 MB.</translation>
    </message>
</context>
<context>
    <name>PolarPage</name>
    <message>
        <source>Drag with left button to rotate; right button to pan.</source>
        <translation>Ziehen Sie mit der linken Taste zum Drehen, mit der rechten zum Verschieben.</translation>
    </message>
    <message>
        <source>rotate polaroid</source>
        <translation>Polarisationsfilter drehen</translation>
    </message>
    <message>
        <source>rotation = 0</source>
        <translation>Drehung = 0</translation>
    </message>
    <message>
        <source>unpolarized light</source>
        <translation>Unpolarisiert</translation>
    </message>
    <message>
        <source>unpolarized light|Show unpolarized light, whose plane of polarization keeps changing</source>
        <translation>Unpolarisiertes Licht|Unpolarisiertes Licht zeigen, dessen Polarisationsebene sich ständig ändert</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>return to polarization topic</source>
        <translation>Zurück zum Thema Polarisation</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>polarized light and a polaroid</source>
        <translation>polarisiertes Licht und ein Polarisationsfilter</translation>
    </message>
    <message>
        <source>Unpolarized light seen almost end-on: its plane of polarization keeps changing at random.</source>
        <translation>Unpolarisiertes Licht, fast in Ausbreitungsrichtung gesehen: Seine Polarisationsebene ändert sich ständig zufällig.</translation>
    </message>
    <message>
        <source>Plane-polarized light meets a polaroid turned %1 degrees from its plane; %2% of the field amplitude and %3% of the intensity pass.</source>
        <translation>Linear polarisiertes Licht trifft auf einen Polarisationsfilter, der um %1 Grad gegen seine Schwingungsebene gedreht ist; %2% der Feldamplitude und %3% der Intensität werden durchgelassen.</translation>
    </message>
    <message>
        <source>rotation = %1%2</source>
        <translation>Drehung = %1%2</translation>
    </message>
    <message>
        <source>Press start to see the plane of polarization change</source>
        <translation>Drücken Sie Start, um zu sehen, wie sich die Polarisationsebene ändert</translation>
    </message>
</context>
<context>
    <name>RadioGroup</name>
    <message>
        <source>%1: choice %2 of %3</source>
        <translation>%1: Auswahl %2 von %3</translation>
    </message>
</context>
<context>
    <name>ResonancePage</name>
    <message>
        <source>damping</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>set damping</source>
        <translation>Dämpfung einstellen</translation>
    </message>
    <message>
        <source>driving frequency</source>
        <translation>Erregerfrequenz</translation>
    </message>
    <message>
        <source>set driving frequency</source>
        <translation>Erregerfrequenz einstellen</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>Graph of amplitude v driving frequency</source>
        <translation>Amplitude in Abhängigkeit von der Erregerfrequenz</translation>
    </message>
    <message>
        <source>driving frequency (Hz)</source>
        <translation>Erregerfrequenz (Hz)</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>To zoom in, drag down and right with the left button; drag up and left to zoom out. Right button to pan graph</source>
        <translation>Zum Vergrößern mit der linken Taste nach rechts unten ziehen, zum Verkleinern nach links oben. Mit der rechten Taste das Diagramm verschieben</translation>
    </message>
    <message>
        <source>response curve</source>
        <translation>Resonanzkurve</translation>
    </message>
    <message>
        <source>present driving frequency</source>
        <translation>aktuelle Erregerfrequenz</translation>
    </message>
    <message>
        <source>amplitude against driving frequency</source>
        <translation>Amplitude gegen Erregerfrequenz</translation>
    </message>
    <message>
        <source>driven mass between two springs</source>
        <translation>angeregte Masse zwischen zwei Federn</translation>
    </message>
    <message>
        <source>Driven at %1 Hz with %2; the natural frequency is %3 Hz. The steady amplitude is %4.</source>
        <translation>Erregt mit %1 Hz, %2; die Eigenfrequenz beträgt %3 Hz. Die Amplitude im eingeschwungenen Zustand ist %4.</translation>
    </message>
    <message>
        <source>damping %1</source>
        <translation>Dämpfung %1</translation>
    </message>
    <message>
        <source>driving frequency %1 Hz</source>
        <translation>Erregerfrequenz %1 Hz</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>results</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>One row for each finished measurement</source>
        <translation>Eine Zeile für jede abgeschlossene Messung</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Messwerte löschen</translation>
    </message>
    <message>
        <source>clear the results</source>
        <translation>Messwerte löschen</translation>
    </message>
    <message>
        <source>Removes every row of the results</source>
        <translation>Entfernt alle Zeilen der Messwerte</translation>
    </message>
</context>
<context>
    <name>RipplePage</name>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation|Start the animation from the current position.</source>
        <translation>Animation starten|Die Animation ab der aktuellen Position starten.</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>reset|Reset the animation to the start</source>
        <translation>Anfang|Die Animation auf den Anfang zurücksetzen</translation>
    </message>
    <message>
        <source>slit width </source>
        <translation>Spaltbreite </translation>
    </message>
    <message>
        <source>Set the slit width</source>
        <translation>Die Spaltbreite einstellen</translation>
    </message>
    <message>
        <source>set slit separation</source>
        <translation>Spaltabstand einstellen</translation>
    </message>
    <message>
        <source>single slit</source>
        <translation>Einzelspalt</translation>
    </message>
    <message>
        <source>double slit</source>
        <translation>Doppelspalt</translation>
    </message>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Die Animation Bild für Bild durchlaufen</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Waves pass one gap in the barrier</source>
        <translation>Wellen passieren eine Öffnung im Hindernis</translation>
    </message>
    <message>
        <source>Waves pass two gaps in the barrier</source>
        <translation>Wellen passieren zwei Öffnungen im Hindernis</translation>
    </message>
    <message>
        <source>ripple tank seen from above</source>
        <translation>Wellenwanne, von oben gesehen</translation>
    </message>
    <message>
        <source>Straight waves pass a single gap %1 wavelengths wide and spread out beyond it; frame %2.</source>
        <translation>Gerade Wellen passieren eine einzelne Öffnung von %1 Wellenlängen Breite und breiten sich dahinter aus; Bild %2.</translation>
    </message>
    <message numerus="yes">
        <source>Straight waves pass two gaps %1 wavelengths apart; dotted lines mark the %n directions where their waves reinforce on each side; frame %2.</source>
        <translation>
            <numerusform>Gerade Wellen passieren zwei Öffnungen im Abstand von %1 Wellenlängen; gepunktete Linien markieren auf jeder Seite die %n Richtung, in der sich ihre Wellen verstärken; Bild %2.</numerusform>
            <numerusform>Gerade Wellen passieren zwei Öffnungen im Abstand von %1 Wellenlängen; gepunktete Linien markieren auf jeder Seite die %n Richtungen, in denen sich ihre Wellen verstärken; Bild %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>slit width</source>
        <translation>Spaltbreite</translation>
    </message>
    <message>
        <source>slit separation</source>
        <translation>Spaltabstand</translation>
    </message>
</context>
<context>
    <name>SHMPage</name>
    <message>
        <source>mass 0.50 kg</source>
        <translation>Masse 0,50 kg</translation>
    </message>
    <message>
        <source>k = 40 N/m</source>
        <translation>k = 40 N/m</translation>
    </message>
    <message>
        <source>damping 0.20 kg/s</source>
        <translation>Dämpfung 0,20 kg/s</translation>
    </message>
    <message>
        <source>mass on spring</source>
        <translation>Masse an der Feder</translation>
    </message>
    <message>
        <source>spring constant</source>
        <translation>Federkonstante</translation>
    </message>
    <message>
        <source>damping factor</source>
        <translation>Dämpfungsfaktor</translation>
    </message>
    <message>
        <source>go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop motion</source>
        <translation>Bewegung anhalten</translation>
    </message>
    <message>
        <source>unzoom</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>unzoom graph</source>
        <translation>Ganzes Diagramm zeigen</translation>
    </message>
    <message>
        <source>Click and drag weight to set initial displacement</source>
        <translation>Klicken und ziehen Sie den Körper, um die Anfangsauslenkung einzustellen</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>displacement</source>
        <translation>Auslenkung</translation>
    </message>
    <message>
        <source>To zoom in, drag down and right with the left button; drag up and left to zoom out. Right button to pan graph</source>
        <translation>Zum Vergrößern mit der linken Taste nach rechts unten ziehen, zum Verkleinern nach links oben. Mit der rechten Taste das Diagramm verschieben</translation>
    </message>
    <message>
        <source>present state</source>
        <translation>aktueller Zustand</translation>
    </message>
    <message>
        <source>displacement against time</source>
        <translation>Auslenkung gegen Zeit</translation>
    </message>
    <message>
        <source>mass on a spring</source>
        <translation>Masse an einer Feder</translation>
    </message>
    <message>
        <source>without damping</source>
        <translation>ungedämpft</translation>
    </message>
    <message>
        <source>critically damped</source>
        <translation>aperiodischer Grenzfall</translation>
    </message>
    <message>
        <source>under-damped</source>
        <translation>Schwingfall (schwach gedämpft)</translation>
    </message>
    <message>
        <source>over-damped</source>
        <translation>Kriechfall (stark gedämpft)</translation>
    </message>
    <message>
        <source>%1, %2, %3: released from displacement %4 (the up and down keys move it), the motion is %5; the undamped period is %6 s.</source>
        <translation>%1, %2, %3: losgelassen aus der Auslenkung %4 (die Pfeiltasten auf und ab verändern sie), Art der Bewegung: %5; die ungedämpfte Periodendauer beträgt %6 s.</translation>
    </message>
    <message>
        <source>mass %1 kg</source>
        <translation>Masse %1 kg</translation>
    </message>
    <message>
        <source>k = %1 N/m</source>
        <translation>k = %1 N/m</translation>
    </message>
    <message>
        <source>damping %1 kg/s</source>
        <translation>Dämpfung %1 kg/s</translation>
    </message>
    <message>
        <source>Displacement - time graph for damped S.H.M.</source>
        <translation>Auslenkung-Zeit-Diagramm der gedämpften harmonischen Schwingung</translation>
    </message>
    <message>
        <source>Mass = %1 kg</source>
        <translation>Masse = %1 kg</translation>
    </message>
    <message>
        <source>Spring constant = %1 N/m</source>
        <translation>Federkonstante = %1 N/m</translation>
    </message>
    <message>
        <source>Damping = %1 kg/s</source>
        <translation>Dämpfung = %1 kg/s</translation>
    </message>
</context>
<context>
    <name>SimulationPrint</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <source>%1: %2 (of %3 to %4)</source>
        <translation>%1: %2 (von %3 bis %4)</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>SndSpeed</name>
    <message>
        <source>loudspeaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>Mikrofon</translation>
    </message>
</context>
<context>
    <name>SndSpeedPage</name>
    <message>
        <source>signal
generator</source>
        <translation>Signal-
generator</translation>
    </message>
    <message>
        <source>CRO</source>
        <translation>Oszi</translation>
    </message>
    <message>
        <source>move microphone|Set the position of the microphone</source>
        <translation>Mikrofon verschieben|Die Position des Mikrofons einstellen</translation>
    </message>
    <message>
        <source>micro-
phone</source>
        <translation>Mikro-
fon</translation>
    </message>
    <message>
        <source>  signal generator </source>
        <translation>  Signalgenerator </translation>
    </message>
    <message>
        <source>set frequency</source>
        <translation>Frequenz einstellen</translation>
    </message>
    <message>
        <source>frequency = 300 Hz</source>
        <translation>Frequenz = 300 Hz</translation>
    </message>
    <message>
        <source> CRO -channel 2 </source>
        <translation> Oszilloskop – Kanal 2 </translation>
    </message>
    <message>
        <source>5 volt/div</source>
        <translation>5 Volt/Skt.</translation>
    </message>
    <message>
        <source>set Ygain</source>
        <translation>Y-Verstärkung einstellen</translation>
    </message>
    <message>
        <source>Y shift</source>
        <translation>Y-Verschiebung</translation>
    </message>
    <message>
        <source>set Y shift</source>
        <translation>Y-Verschiebung einstellen</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>zoom|Magnify the ruler scale.</source>
        <translation>Lupe|Die Skala des Maßstabs vergrößern.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>Ablesen</translation>
    </message>
    <message>
        <source>record|Add the frequency, the microphone&apos;s position and the phase to the table</source>
        <translation>Ablesen|Frequenz, Position des Mikrofons und Phase in die Tabelle eintragen</translation>
    </message>
    <message>
        <source>frequency (Hz)</source>
        <translation>Frequenz (Hz)</translation>
    </message>
    <message>
        <source>microphone position (cm)</source>
        <translation>Mikrofonposition (cm)</translation>
    </message>
    <message>
        <source>phase difference (degrees)</source>
        <translation>Phasendifferenz (Grad)</translation>
    </message>
    <message>
        <source>microphone (cm)</source>
        <translation>Mikrofon (cm)</translation>
    </message>
    <message>
        <source>phase (degrees)</source>
        <translation>Phase (Grad)</translation>
    </message>
    <message>
        <source>loudspeaker, microphone and oscilloscope</source>
        <translation>Lautsprecher, Mikrofon und Oszilloskop</translation>
    </message>
    <message>
        <source>The generator gives %1 Hz. The microphone is %2 cm from the loudspeaker, so its trace lags the generator&apos;s by %3 wavelengths (%4 degrees past whole cycles). Channel 2 at %5 volt/div, shifted %6.</source>
        <translation>Der Generator liefert %1 Hz. Das Mikrofon ist %2 cm vom Lautsprecher entfernt, daher läuft seine Kurve der des Generators um %3 Wellenlängen nach (%4 Grad über ganze Perioden hinaus). Kanal 2 auf %5 Volt/Skt., verschoben um %6.</translation>
    </message>
    <message>
        <source>magnified ruler scale</source>
        <translation>vergrößerte Skala des Maßstabs</translation>
    </message>
    <message>
        <source>The microphone is at %1 cm.</source>
        <translation>Das Mikrofon steht bei %1 cm.</translation>
    </message>
    <message>
        <source>frequency = %1 Hz</source>
        <translation>Frequenz = %1 Hz</translation>
    </message>
    <message>
        <source>%1 volt/div</source>
        <translation>%1 Volt/Skt.</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>time(ms)</source>
        <translation>Zeit(ms)</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Hold down the mouse button over a key to play the note</source>
        <translation>Halten Sie die Maustaste über einer Taste gedrückt, um den Ton zu spielen</translation>
    </message>
    <message>
        <source>Set the frequency of the fundamental</source>
        <translation>Die Frequenz des Grundtons einstellen</translation>
    </message>
    <message>
        <source>frequency 262 Hz</source>
        <translation>Frequenz 262 Hz</translation>
    </message>
    <message>
        <source> amplitudes </source>
        <translation> Amplituden </translation>
    </message>
    <message>
        <source>Set the amplitudes of the harmonics</source>
        <translation>Die Amplituden der Harmonischen einstellen</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>2f</source>
        <translation>2f</translation>
    </message>
    <message>
        <source>3f</source>
        <translation>3f</translation>
    </message>
    <message>
        <source>4f</source>
        <translation>4f</translation>
    </message>
    <message>
        <source>5f</source>
        <translation>5f</translation>
    </message>
    <message>
        <source>amplitude of the fundamental</source>
        <translation>Amplitude des Grundtons</translation>
    </message>
    <message>
        <source>amplitude of harmonic %1</source>
        <translation>Amplitude der %1. Harmonischen</translation>
    </message>
    <message>
        <source>sound wave</source>
        <translation>Schallwelle</translation>
    </message>
    <message>
        <source>The wave of a %1 Hz note; amplitudes of the fundamental and harmonics 2 to 5: %2, %3, %4, %5, %6.</source>
        <translation>Die Welle eines Tons von %1 Hz; Amplituden des Grundtons und der Harmonischen 2 bis 5: %2, %3, %4, %5, %6.</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>Klaviatur</translation>
    </message>
    <message>
        <source>An octave of piano keys; the chosen note is %1 Hz. Left and right arrows choose a note, the space bar plays it while held.</source>
        <translation>Eine Oktave Klaviertasten; der gewählte Ton hat %1 Hz. Die Pfeiltasten links und rechts wählen einen Ton, die Leertaste spielt ihn, solange sie gedrückt ist.</translation>
    </message>
    <message>
        <source>frequency %1 Hz</source>
        <translation>Frequenz %1 Hz</translation>
    </message>
</context>
<context>
    <name>StatWave</name>
    <message>
        <source>frequency = %1f</source>
        <translation>Frequenz = %1f</translation>
    </message>
    <message>
        <source>wavelength = 2L</source>
        <translation>Wellenlänge = 2L</translation>
    </message>
    <message>
        <source>wavelength = L</source>
        <translation>Wellenlänge = L</translation>
    </message>
    <message>
        <source>wavelength = 2L/3</source>
        <translation>Wellenlänge = 2L/3</translation>
    </message>
    <message>
        <source>wavelength = L/2</source>
        <translation>Wellenlänge = L/2</translation>
    </message>
    <message>
        <source>wavelength = 2L/5</source>
        <translation>Wellenlänge = 2L/5</translation>
    </message>
    <message>
        <source>wavelength = L/3</source>
        <translation>Wellenlänge = L/3</translation>
    </message>
    <message>
        <source>wavelength = 2L/7</source>
        <translation>Wellenlänge = 2L/7</translation>
    </message>
</context>
<context>
    <name>StatWavePage</name>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>Animation starten</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>frequency = f</source>
        <translation>Frequenz = f</translation>
    </message>
    <message>
        <source>wavelength = L</source>
        <translation>Wellenlänge = L</translation>
    </message>
    <message>
        <source>Travelling waves moving in opposite directions</source>
        <translation>Gegenläufige fortschreitende Wellen</translation>
    </message>
    <message>
        <source>Combined wave</source>
        <translation>Resultierende Welle</translation>
    </message>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Die Animation Bild für Bild durchlaufen</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>  harmonics </source>
        <translation>  Harmonische </translation>
    </message>
    <message>
        <source>fundamental</source>
        <translation>Grundschw.</translation>
    </message>
    <message>
        <source>1st.</source>
        <translation>1. Oberschw.</translation>
    </message>
    <message>
        <source>2nd.</source>
        <translation>2. Oberschw.</translation>
    </message>
    <message>
        <source>3rd.</source>
        <translation>3. Oberschw.</translation>
    </message>
    <message>
        <source>4th. </source>
        <translation>4. Oberschw. </translation>
    </message>
    <message>
        <source>5th.</source>
        <translation>5. Oberschw.</translation>
    </message>
    <message>
        <source>6th.</source>
        <translation>6. Oberschw.</translation>
    </message>
    <message>
        <source>travelling waves moving in opposite directions</source>
        <translation>gegenläufige fortschreitende Wellen</translation>
    </message>
    <message>
        <source>Two equal waves travel in opposite directions; phase %1 degrees.</source>
        <translation>Zwei gleiche Wellen laufen in entgegengesetzte Richtungen; Phase %1 Grad.</translation>
    </message>
    <message>
        <source>combined wave</source>
        <translation>resultierende Welle</translation>
    </message>
    <message>
        <source>The two waves add to a standing wave, %1 harmonic: %2, %3. Phase %4 degrees.</source>
        <translation>Die beiden Wellen ergeben eine stehende Welle (%1): %2, %3. Phase %4 Grad.</translation>
    </message>
</context>
<context>
    <name>SumWavePage</name>
    <message>
        <source>set frequency</source>
        <translation>Frequenz einstellen</translation>
    </message>
    <message>
        <source>set amplitude</source>
        <translation>Amplitude einstellen</translation>
    </message>
    <message>
        <source>set phase</source>
        <translation>Phase einstellen</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>add to combined wave</source>
        <translation>Zur resultierenden Welle addieren</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>clear list</source>
        <translation>Liste löschen</translation>
    </message>
    <message>
        <source>series</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>wave series</source>
        <translation>Wellenreihen</translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation>Rechteckwelle</translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation>Dreieckwelle</translation>
    </message>
    <message>
        <source>Click to select; press DELETE to remove an entry</source>
        <translation>Zum Auswählen klicken; mit ENTF einen Eintrag entfernen</translation>
    </message>
    <message>
        <source>combined wave</source>
        <translation>resultierende Welle</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Drag down and right with the  left mouse button to zoom in; Use right button to pan graph</source>
        <translation>Zum Vergrößern mit der linken Maustaste nach rechts unten ziehen; mit der rechten Taste das Diagramm verschieben</translation>
    </message>
    <message>
        <source>sum of the waves</source>
        <translation>Summe der Wellen</translation>
    </message>
    <message>
        <source>sum of the waves against angle</source>
        <translation>Summe der Wellen gegen den Winkel</translation>
    </message>
    <message>
        <source>waves added</source>
        <translation>addierte Wellen</translation>
    </message>
    <message>
        <source>The waves added to the sum; click one to show it again</source>
        <translation>Die zur Summe addierten Wellen; klicken Sie eine an, um sie wieder zu zeigen</translation>
    </message>
    <message>
        <source>wave to add</source>
        <translation>zu addierende Welle</translation>
    </message>
    <message numerus="yes">
        <source>A sine wave of %1, %2, %3 degrees. %n waves added so far.</source>
        <translation>
            <numerusform>Eine Sinuswelle mit %1, %2, %3 Grad. Bisher %n Welle addiert.</numerusform>
            <numerusform>Eine Sinuswelle mit %1, %2, %3 Grad. Bisher %n Wellen addiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>frequency = %1</source>
        <translation>Frequenz = %1</translation>
    </message>
    <message>
        <source>amplitude = %1</source>
        <translation>Amplitude = %1</translation>
    </message>
    <message>
        <source>phase = %1</source>
        <translation>Phase = %1</translation>
    </message>
</context>
<context>
    <name>TAboutFrm</name>
    <message>
        <source>About</source>
        <translation>Über Corvane</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Waves and oscillations, simulated for upper-secondary physics: sixteen topics with explanatory pages.</source>
        <translation>Wellen und Schwingungen, simuliert für den Physikunterricht der Oberstufe: sechzehn Themen mit erklärenden Seiten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnimSpdFrm</name>
    <message>
        <source>Set animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>From slow on the left to fast on the right</source>
        <translation>Von langsam (links) bis schnell (rechts)</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMainFrm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Print topic</source>
        <translation>Thema drucken</translation>
    </message>
    <message>
        <source>Print simulation</source>
        <translation>Simulation drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Themen</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Daten speichern...</translation>
    </message>
    <message>
        <source>Show crosshair</source>
        <translation>Fadenkreuz anzeigen</translation>
    </message>
    <message>
        <source>Time scale</source>
        <translation>Zeitskala</translation>
    </message>
    <message>
        <source>X axis range</source>
        <translation>Bereich der x-Achse</translation>
    </message>
    <message>
        <source>360 degrees</source>
        <translation>360 Grad</translation>
    </message>
    <message>
        <source>720 degrees</source>
        <translation>720 Grad</translation>
    </message>
    <message>
        <source>1440 degrees</source>
        <translation>1440 Grad</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>set speed</source>
        <translation>Geschwindigkeit einstellen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Farben für Projektor</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Search for help on</source>
        <translation>Suche in der Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Corvane</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Cannot save the data to &quot;%1&quot;. %2</source>
        <translation>Die Daten können nicht in „%1“ gespeichert werden. %2</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names no topic: it must start with a topic number from 1 to %2.</source>
        <translation>Der Verweis „%1“ nennt kein Thema: Er muss mit einer Themennummer von 1 bis %2 beginnen.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names a menu item &quot;%2&quot; that does not exist.</source>
        <translation>Der Verweis „%1“ nennt einen Menüpunkt „%2“, den es nicht gibt.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names a button &quot;%2&quot; that is not on the page &quot;%3&quot;.</source>
        <translation>Der Verweis „%1“ nennt eine Schaltfläche „%2“, die nicht auf der Seite „%3“ ist.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot set up &quot;%2&quot;: %3</source>
        <translation>Der Verweis „%1“ kann „%2“ nicht einrichten: %3</translation>
    </message>
    <message>
        <source>Do you want to leave the data on the clipboard
after the program is closed?</source>
        <translation>Sollen die Daten nach dem Beenden des Programms
in der Zwischenablage bleiben?</translation>
    </message>
    <message>
        <source>Exit program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Corvane speaks %1 from its next start.</source>
        <translation>Corvane spricht ab dem nächsten Start %1.</translation>
    </message>
    <message>
        <source>Change to %1 now? The simulation pages start again from their first settings; otherwise Corvane speaks %1 from its next start.</source>
        <translation>Jetzt zu %1 wechseln? Die Simulationsseiten beginnen wieder mit ihren Anfangseinstellungen; sonst spricht Corvane %1 ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>TPrntPrevFrm</name>
    <message>
        <source>Printer not available</source>
        <translation>Kein Drucker verfügbar</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TextPane</name>
    <message>
        <source>index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>main index|Return to main index page</source>
        <translation>Hauptindex|Zurück zur Hauptindexseite</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>copy selected text|Copy selected text to the clipboard</source>
        <translation>Auswahl kopieren|Den markierten Text in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>font size|Set font size</source>
        <translation>Schriftgröße|Die Schriftgröße einstellen</translation>
    </message>
    <message>
        <source>print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>print|Print current topic</source>
        <translation>Drucken|Das aktuelle Thema drucken</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>Copy picture to clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Text background</source>
        <translation>Texthintergrund</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>pale yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>blue/gray</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>Links that set up a simulation are not available here.</source>
        <translation>Verweise, die eine Simulation einrichten, sind hier nicht verfügbar.</translation>
    </message>
    <message>
        <source>The picture link &quot;%1&quot; does not name a picture in the pictures folder.</source>
        <translation>Der Bildverweis „%1“ nennt kein Bild im Bilderordner.</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;.</source>
        <translation>Das Bild „%1“ kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>The sound output could not be opened; the keyboard plays no sound.</source>
        <translation>Die Tonausgabe konnte nicht geöffnet werden; die Klaviatur spielt keinen Ton.</translation>
    </message>
    <message>
        <source>The sound output failed; the keyboard plays no sound.</source>
        <translation>Die Tonausgabe ist ausgefallen; die Klaviatur spielt keinen Ton.</translation>
    </message>
    <message>
        <source>The sound output does not answer; the keyboard plays no sound.</source>
        <translation>Die Tonausgabe antwortet nicht; die Klaviatur spielt keinen Ton.</translation>
    </message>
</context>
<context>
    <name>Topics</name>
    <message>
        <source>Young&apos;s double slits</source>
        <translation>Youngscher Doppelspalt</translation>
    </message>
    <message>
        <source>Waves [Young&apos;s double slit experiment]</source>
        <translation>Wellen [Doppelspaltversuch nach Young]</translation>
    </message>
    <message>
        <source>Change the slit separation or the colour and watch the fringes; drag across the fringes to measure them</source>
        <translation>Ändern Sie den Spaltabstand oder die Farbe und beobachten Sie die Streifen; ziehen Sie zum Ausmessen über die Streifen</translation>
    </message>
    <message>
        <source>Multiple slit diffraction</source>
        <translation>Beugung am Mehrfachspalt</translation>
    </message>
    <message>
        <source>Waves [multiple slit interference]</source>
        <translation>Wellen [Interferenz am Mehrfachspalt]</translation>
    </message>
    <message>
        <source>Move the number of slits and watch the principal maxima grow sharper</source>
        <translation>Ändern Sie die Spaltanzahl und beobachten Sie, wie die Hauptmaxima schärfer werden</translation>
    </message>
    <message>
        <source>Diffraction grating (spectrometer)</source>
        <translation>Beugungsgitter (Spektrometer)</translation>
    </message>
    <message>
        <source>Waves [diffraction grating]</source>
        <translation>Wellen [Beugungsgitter]</translation>
    </message>
    <message>
        <source>Move the telescope to find each colour of the spectrum in every order</source>
        <translation>Drehen Sie das Fernrohr, um jede Farbe des Spektrums in jeder Ordnung zu finden</translation>
    </message>
    <message>
        <source>Transverse and longitudinal waves</source>
        <translation>Transversal- und Longitudinalwellen</translation>
    </message>
    <message>
        <source>Waves [longitudinal and transverse waves]</source>
        <translation>Wellen [Longitudinal- und Transversalwellen]</translation>
    </message>
    <message>
        <source>Press start, then compare the transverse and the longitudinal wave</source>
        <translation>Drücken Sie Start und vergleichen Sie dann die Transversal- mit der Longitudinalwelle</translation>
    </message>
    <message>
        <source>Sound waves</source>
        <translation>Schallwellen</translation>
    </message>
    <message>
        <source>Waves [sound waves]</source>
        <translation>Wellen [Schallwellen]</translation>
    </message>
    <message>
        <source>Hold a key to hear its note; move the amplitudes to change its tone</source>
        <translation>Halten Sie eine Taste gedrückt, um ihren Ton zu hören; verändern Sie die Amplituden, um die Klangfarbe zu ändern</translation>
    </message>
    <message>
        <source>Standing waves</source>
        <translation>Stehende Wellen</translation>
    </message>
    <message>
        <source>Waves [stationary waves]</source>
        <translation>Wellen [Stehende Wellen]</translation>
    </message>
    <message>
        <source>Press start and watch the nodes; then choose another harmonic</source>
        <translation>Drücken Sie Start und beobachten Sie die Knoten; wählen Sie dann eine andere Oberschwingung</translation>
    </message>
    <message>
        <source>Speed of sound measurement</source>
        <translation>Messung der Schallgeschwindigkeit</translation>
    </message>
    <message>
        <source>Waves [speed of sound in air]</source>
        <translation>Wellen [Schallgeschwindigkeit in Luft]</translation>
    </message>
    <message>
        <source>Move the microphone until the two traces are back in step: it has moved one wavelength</source>
        <translation>Verschieben Sie das Mikrofon, bis beide Kurven wieder im Gleichtakt sind: Es hat sich um eine Wellenlänge bewegt</translation>
    </message>
    <message>
        <source>Superposition of waves</source>
        <translation>Überlagerung von Wellen</translation>
    </message>
    <message>
        <source>Waves [superposition of waves]</source>
        <translation>Wellen [Überlagerung von Wellen]</translation>
    </message>
    <message>
        <source>Set a wave and press add; add another to see the two summed</source>
        <translation>Stellen Sie eine Welle ein und drücken Sie Plus; fügen Sie eine weitere hinzu, um die Summe beider zu sehen</translation>
    </message>
    <message>
        <source>Damped SHM</source>
        <translation>Gedämpfte harmonische Schwingung</translation>
    </message>
    <message>
        <source>Waves [damped SHM]</source>
        <translation>Wellen [Gedämpfte harmonische Schwingung]</translation>
    </message>
    <message>
        <source>Drag the mass to a starting point and press go</source>
        <translation>Ziehen Sie die Masse an einen Startpunkt und drücken Sie Los</translation>
    </message>
    <message>
        <source>Absorption of gamma rays</source>
        <translation>Absorption von Gammastrahlung</translation>
    </message>
    <message>
        <source>Waves [Absorption of gamma rays]</source>
        <translation>Wellen [Absorption von Gammastrahlung]</translation>
    </message>
    <message>
        <source>Set the detector and the absorber, then press count</source>
        <translation>Stellen Sie Detektor und Absorber ein und drücken Sie dann Zählung</translation>
    </message>
    <message>
        <source>Wave mathematics</source>
        <translation>Mathematik der Wellen</translation>
    </message>
    <message>
        <source>Waves [Wave mathematics]</source>
        <translation>Wellen [Mathematik der Wellen]</translation>
    </message>
    <message>
        <source>Press start and follow the point round the circle and along the wave</source>
        <translation>Drücken Sie Start und verfolgen Sie den Punkt auf dem Kreis und entlang der Welle</translation>
    </message>
    <message>
        <source>Ripple tank models</source>
        <translation>Modelle in der Wellenwanne</translation>
    </message>
    <message>
        <source>Waves [Interference and diffraction in ripple tanks]</source>
        <translation>Wellen [Interferenz und Beugung in der Wellenwanne]</translation>
    </message>
    <message>
        <source>Choose a single or a double slit and press start</source>
        <translation>Wählen Sie Einzel- oder Doppelspalt und drücken Sie Start</translation>
    </message>
    <message>
        <source>Hydrogen emission spectrum</source>
        <translation>Emissionsspektrum von Wasserstoff</translation>
    </message>
    <message>
        <source>Waves [Hydrogen emission spectrum]</source>
        <translation>Wellen [Emissionsspektrum von Wasserstoff]</translation>
    </message>
    <message>
        <source>Click an arrow in the energy-level diagram to show its line in the spectrum</source>
        <translation>Klicken Sie im Energieniveauschema auf einen Pfeil, um seine Linie im Spektrum zu zeigen</translation>
    </message>
    <message>
        <source>Forced oscillations</source>
        <translation>Erzwungene Schwingungen</translation>
    </message>
    <message>
        <source>Waves [Forced oscillations and resonance]</source>
        <translation>Wellen [Erzwungene Schwingungen und Resonanz]</translation>
    </message>
    <message>
        <source>Press start and move the driving frequency to find the resonance</source>
        <translation>Drücken Sie Start und verändern Sie die Erregerfrequenz, um die Resonanz zu finden</translation>
    </message>
    <message>
        <source>Electromagnetic waves</source>
        <translation>Elektromagnetische Wellen</translation>
    </message>
    <message>
        <source>Waves [Electromagnetic waves]</source>
        <translation>Wellen [Elektromagnetische Wellen]</translation>
    </message>
    <message>
        <source>Drag the picture to turn the wave; scroll the bar below to move it along</source>
        <translation>Ziehen Sie am Bild, um die Welle zu drehen; verschieben Sie die Leiste darunter, um sie fortzubewegen</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Waves [Polarization]</source>
        <translation>Wellen [Polarisation]</translation>
    </message>
    <message>
        <source>Turn the polaroid and watch how much of the light passes</source>
        <translation>Drehen Sie den Polarisationsfilter und beobachten Sie, wie viel Licht durchgelassen wird</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
</context>
<context>
    <name>TransWavePage</name>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Die Animation Bild für Bild durchlaufen</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>set wave amplitude</source>
        <translation>Amplitude der Welle einstellen</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source> wave type</source>
        <translation> Wellenart</translation>
    </message>
    <message>
        <source>Transverse </source>
        <translation>Transversal </translation>
    </message>
    <message>
        <source>Longitudinal </source>
        <translation>Longitudinal </translation>
    </message>
    <message>
        <source>set wave type</source>
        <translation>Wellenart wählen</translation>
    </message>
    <message>
        <source>highlight</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>highlight single particle</source>
        <translation>Ein einzelnes Teilchen hervorheben</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>start animation|Start the animation from the current position.</source>
        <translation>Animation starten|Die Animation ab der aktuellen Position starten.</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>Animation anhalten</translation>
    </message>
    <message>
        <source>wave on a row of particles</source>
        <translation>Welle auf einer Teilchenkette</translation>
    </message>
    <message>
        <source>A transverse wave: the particles move across the direction of travel</source>
        <translation>Eine Transversalwelle: Die Teilchen schwingen quer zur Ausbreitungsrichtung</translation>
    </message>
    <message>
        <source>A longitudinal wave: the particles move along the direction of travel</source>
        <translation>Eine Longitudinalwelle: Die Teilchen schwingen längs der Ausbreitungsrichtung</translation>
    </message>
    <message>
        <source>%1. Amplitude %2, phase %3 degrees.</source>
        <translation>%1. Amplitude %2, Phase %3 Grad.</translation>
    </message>
    <message>
        <source> One particle is highlighted.</source>
        <translation> Ein Teilchen ist hervorgehoben.</translation>
    </message>
</context>
<context>
    <name>Wave3D</name>
    <message>
        <source>polarizer</source>
        <translation>Polarisator</translation>
    </message>
    <message>
        <source>analyser</source>
        <translation>Analysator</translation>
    </message>
</context>
<context>
    <name>WaveMaths</name>
    <message>
        <source>angle = %1</source>
        <translation>Winkel = %1</translation>
    </message>
    <message>
        <source>phase = %1</source>
        <translation>Phase = %1</translation>
    </message>
</context>
<context>
    <name>YDSPage</name>
    <message>
        <source>slit separation</source>
        <translation>Spaltabstand</translation>
    </message>
    <message>
        <source>set slit separation|Set the slit separation</source>
        <translation>Spaltabstand einstellen|Den Spaltabstand einstellen</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>light colour|Set the colour of the light</source>
        <translation>Lichtfarbe|Die Farbe des Lichts einstellen</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>zoom|Magnify the ruler scale</source>
        <translation>Lupe|Die Skala des Maßstabs vergrößern</translation>
    </message>
    <message>
        <source>Click and drag to show a marker</source>
        <translation>Klicken und ziehen Sie, um eine Markierung zu zeigen</translation>
    </message>
    <message>
        <source>(mm)</source>
        <translation>(mm)</translation>
    </message>
    <message>
        <source>move screen|Move the position of the screen</source>
        <translation>Schirm verschieben|Die Position des Schirms verändern</translation>
    </message>
    <message>
        <source>interference fringes on the screen</source>
        <translation>Interferenzstreifen auf dem Schirm</translation>
    </message>
    <message>
        <source>Fringe spacing %1 mm: %2 nm light, slits %3 mm apart, screen %4 m from the slits.</source>
        <translation>Streifenabstand %1 mm: Licht von %2 nm, Spaltabstand %3 mm, Schirm %4 m von den Spalten entfernt.</translation>
    </message>
    <message>
        <source>double-slit apparatus on a metre rule</source>
        <translation>Doppelspaltaufbau auf einem Meterstab</translation>
    </message>
    <message>
        <source>Light of %1 nm passes a double slit; the screen is %2 m from the slits.</source>
        <translation>Licht von %1 nm fällt durch einen Doppelspalt; der Schirm ist %2 m von den Spalten entfernt.</translation>
    </message>
    <message>
        <source>magnified ruler scale</source>
        <translation>vergrößerte Skala des Maßstabs</translation>
    </message>
    <message>
        <source>The screen is %1 m from the slits.</source>
        <translation>Der Schirm ist %1 m von den Spalten entfernt.</translation>
    </message>
    <message>
        <source>screen at D = %1 m</source>
        <translation>Schirm bei D = %1 m</translation>
    </message>
</context>
<context>
    <name>YDSlit</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>double slit</source>
        <translation>Doppelspalt</translation>
    </message>
    <message>
        <source> screen</source>
        <translation> Schirm</translation>
    </message>
</context>
</TS>
