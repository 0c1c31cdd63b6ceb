<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AuxCirclePage</name>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>iniciar la animación</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>phase = 0%1</source>
        <translation>fase = 0%1</translation>
    </message>
    <message>
        <source>set phase|Set the phase difference between points</source>
        <translation>ajustar fase|Ajusta la diferencia de fase entre los puntos</translation>
    </message>
    <message>
        <source>move points|Scroll through the animation</source>
        <translation>mover puntos|Recorre la animación</translation>
    </message>
    <message>
        <source>angle = 0%1</source>
        <translation>ángulo = 0%1</translation>
    </message>
    <message>
        <source>reference circle and wave</source>
        <translation>círculo de referencia y onda</translation>
    </message>
    <message>
        <source>Two points go round the reference circle and trace the wave beside it: %1, %2.</source>
        <translation>Dos puntos giran en el círculo de referencia y trazan la onda a su lado: %1, %2.</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>chart</source>
        <translation>gráfico</translation>
    </message>
    <message>
        <source>curve %1</source>
        <translation>curva %1</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 en %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n points, largest value %2</source>
        <translation>
            <numerusform>%1: %n punto, valor máximo %2</numerusform>
            <numerusform>%1: %n puntos, valor máximo %2</numerusform>
        </translation>
    </message>
    <message>
        <source>horizontal axis</source>
        <translation>eje horizontal</translation>
    </message>
    <message>
        <source>vertical axis</source>
        <translation>eje vertical</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>zoomed in</source>
        <translation>ampliado</translation>
    </message>
</context>
<context>
    <name>ControlValues</name>
    <message>
        <source>There is no control named &quot;%1&quot;.</source>
        <translation>No hay ningún control llamado «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number, as &quot;%2&quot; needs.</source>
        <translation>«%1» no es un número entero, como requiere «%2».</translation>
    </message>
    <message>
        <source>The value %1 for &quot;%2&quot; is outside %3 to %4.</source>
        <translation>El valor %1 para «%2» está fuera del intervalo de %3 a %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a control that takes a value.</source>
        <translation>«%1» no es un control que admita un valor.</translation>
    </message>
</context>
<context>
    <name>DifPage</name>
    <message>
        <source>number of slits %1</source>
        <translation>n.º de rendijas %1</translation>
    </message>
    <message>
        <source>slit separation %1</source>
        <translation>separación %1</translation>
    </message>
    <message>
        <source>slit width %1</source>
        <translation>anchura %1</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>envolvente</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>reponer</translation>
    </message>
    <message>
        <source>Multiple slit diffraction</source>
        <translation>Difracción por varias rendijas</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Drag down and right with the  left mouse button to zoom in; Use right button to pan graph</source>
        <translation>Arrastre hacia abajo y a la derecha con el botón izquierdo para ampliar; use el botón derecho para desplazar el gráfico</translation>
    </message>
    <message>
        <source>interference pattern</source>
        <translation>figura de interferencia</translation>
    </message>
    <message>
        <source>single slit envelope</source>
        <translation>envolvente de una rendija</translation>
    </message>
    <message>
        <source>Set the number of slits</source>
        <translation>Ajusta el número de rendijas</translation>
    </message>
    <message>
        <source>Set the separation of the slits</source>
        <translation>Ajusta la separación entre las rendijas</translation>
    </message>
    <message>
        <source>Set the width of each slit</source>
        <translation>Ajusta la anchura de cada rendija</translation>
    </message>
    <message>
        <source>Show the single-slit envelope on the chart</source>
        <translation>Muestra en el gráfico la envolvente de una sola rendija</translation>
    </message>
    <message>
        <source>Restore the whole chart after zooming or panning</source>
        <translation>Restaura el gráfico completo tras ampliarlo o desplazarlo</translation>
    </message>
    <message>
        <source>intensity against angle</source>
        <translation>intensidad frente al ángulo</translation>
    </message>
    <message>
        <source>pattern on the screen</source>
        <translation>figura en la pantalla</translation>
    </message>
    <message>
        <source>Bright lines on the screen from %1 slits, separation %2, width %3.</source>
        <translation>Líneas brillantes en la pantalla producidas por %1 rendijas, separación %2, anchura %3.</translation>
    </message>
    <message>
        <source>Angular Intensity distribution graph</source>
        <translation>Distribución angular de la intensidad</translation>
    </message>
</context>
<context>
    <name>EMWavePage</name>
    <message>
        <source>Drag with left button to rotate; right button to pan.</source>
        <translation>Arrastre con el botón izquierdo para girar; con el derecho, para desplazar.</translation>
    </message>
    <message>
        <source>move wave|Scroll to animate the wave motion.</source>
        <translation>mover onda|Desplace la barra para animar el movimiento de la onda.</translation>
    </message>
    <message>
        <source>move the wave along</source>
        <translation>desplazar la onda</translation>
    </message>
    <message>
        <source>electromagnetic wave in three dimensions</source>
        <translation>onda electromagnética en tres dimensiones</translation>
    </message>
    <message>
        <source>The electric and magnetic fields oscillate in phase, at right angles to each other and to the direction of travel. Wave position %1 of %2; the view is tilted %3 degrees and turned %4 degrees; the arrow keys turn it.</source>
        <translation>Los campos eléctrico y magnético oscilan en fase, perpendiculares entre sí y a la dirección de propagación. Posición de la onda %1 de %2; la vista está inclinada %3 grados y girada %4 grados; las teclas de flecha la giran.</translation>
    </message>
</context>
<context>
    <name>EmSpectra</name>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>n = %1</source>
        <translation>n = %1</translation>
    </message>
    <message>
        <source>(ground state)</source>
        <translation>(estado fundamental)</translation>
    </message>
    <message>
        <source>n = ∞</source>
        <translation>n = ∞</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longitud de onda (nm)</translation>
    </message>
    <message>
        <source>ultraviolet</source>
        <translation>ultravioleta</translation>
    </message>
    <message>
        <source>visible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>infrared</source>
        <translation>infrarrojo</translation>
    </message>
</context>
<context>
    <name>GammaPage</name>
    <message>
        <source>gamma
source</source>
        <translation>fuente
gamma</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>contador</translation>
    </message>
    <message>
        <source>Detector position</source>
        <translation>Posición del detector</translation>
    </message>
    <message>
        <source>move detector</source>
        <translation>mover el detector</translation>
    </message>
    <message>
        <source>Absorber position</source>
        <translation>Posición del absorbente</translation>
    </message>
    <message>
        <source>move absorber</source>
        <translation>mover el absorbente</translation>
    </message>
    <message>
        <source>absorber thickness 5 mm</source>
        <translation>espesor del absorbente 5 mm</translation>
    </message>
    <message>
        <source>set absorber thickness</source>
        <translation>ajustar el espesor del absorbente</translation>
    </message>
    <message>
        <source>measure background count</source>
        <translation>medir el recuento de fondo</translation>
    </message>
    <message>
        <source>count</source>
        <translation>recuento</translation>
    </message>
    <message>
        <source>start count</source>
        <translation>iniciar el recuento</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop count</source>
        <translation>parar el recuento</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <source>Magnified view
of scale</source>
        <translation>Vista ampliada
de la escala</translation>
    </message>
    <message>
        <source>detector distance (mm)</source>
        <translation>distancia del detector (mm)</translation>
    </message>
    <message>
        <source>absorber thickness (mm)</source>
        <translation>espesor del absorbente (mm)</translation>
    </message>
    <message>
        <source>background</source>
        <translation>fondo</translation>
    </message>
    <message>
        <source>time counted (s)</source>
        <translation>tiempo de recuento (s)</translation>
    </message>
    <message>
        <source>count rate (per second)</source>
        <translation>tasa de recuento (por segundo)</translation>
    </message>
    <message>
        <source>distance
(mm)</source>
        <translation>dist.
(mm)</translation>
    </message>
    <message>
        <source>absorber
(mm)</source>
        <translation>absorb.
(mm)</translation>
    </message>
    <message>
        <source>time
(s)</source>
        <translation>t
(s)</translation>
    </message>
    <message>
        <source>rate
(/s)</source>
        <translation>tasa
(/s)</translation>
    </message>
    <message>
        <source>The count rates of the results table; drag down and right to zoom in, up and left to zoom out</source>
        <translation>Las tasas de recuento de la tabla de resultados; arrastre hacia abajo y a la derecha para ampliar, hacia arriba y a la izquierda para reducir</translation>
    </message>
    <message>
        <source>count rate</source>
        <translation>tasa de recuento</translation>
    </message>
    <message>
        <source>fit</source>
        <translation>ajuste</translation>
    </message>
    <message>
        <source> rate against </source>
        <translation> tasa frente a </translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distancia</translation>
    </message>
    <message>
        <source>thickness</source>
        <translation>espesor</translation>
    </message>
    <message>
        <source>Plot the count rate against the detector distance or the absorber thickness</source>
        <translation>Representa la tasa de recuento frente a la distancia del detector o frente al espesor del absorbente</translation>
    </message>
    <message>
        <source>log scale</source>
        <translation>escala log.</translation>
    </message>
    <message>
        <source>Show the count rate on a logarithmic scale</source>
        <translation>Muestra la tasa de recuento en escala logarítmica</translation>
    </message>
    <message>
        <source>fit line</source>
        <translation>línea de ajuste</translation>
    </message>
    <message>
        <source>Draw the inverse-square law or the exponential absorption through the readings</source>
        <translation>Traza por las medidas la ley del inverso del cuadrado o la absorción exponencial</translation>
    </message>
    <message>
        <source>Take the source away and count the background radiation</source>
        <translation>Retira la fuente y cuenta la radiación de fondo</translation>
    </message>
    <message>
        <source>gamma source, absorber and detector on a bench</source>
        <translation>fuente gamma, absorbente y detector sobre un banco</translation>
    </message>
    <message>
        <source>The source is away: the detector counts background only.</source>
        <translation>La fuente está retirada: el detector solo cuenta el fondo.</translation>
    </message>
    <message>
        <source>The detector is %1 mm from the source behind %2 mm of absorber at %3 mm; it should count about %4 per second.</source>
        <translation>El detector está a %1 mm de la fuente, detrás de %2 mm de absorbente situado en %3 mm; debería contar unas %4 por segundo.</translation>
    </message>
    <message>
        <source> The counter shows %1 after %2 s.</source>
        <translation> El contador marca %1 tras %2 s.</translation>
    </message>
    <message>
        <source>magnified view of the scale</source>
        <translation>vista ampliada de la escala</translation>
    </message>
    <message>
        <source>The detector is at %1 mm on the scale.</source>
        <translation>El detector está en %1 mm de la escala.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>rate less background (/s)</source>
        <translation>tasa menos fondo (/s)</translation>
    </message>
    <message>
        <source>count rate (/s)</source>
        <translation>tasa de recuento (/s)</translation>
    </message>
    <message>
        <source>Each count adds its rate to the table and a point here.</source>
        <translation>Cada recuento añade su tasa a la tabla y un punto aquí.</translation>
    </message>
    <message>
        <source>Readings with the detector at %1 mm.</source>
        <translation>Medidas con el detector en %1 mm.</translation>
    </message>
    <message>
        <source>Readings behind %1 mm of absorber.</source>
        <translation>Medidas detrás de %1 mm de absorbente.</translation>
    </message>
    <message>
        <source>Background %1 per second taken off.</source>
        <translation>Fondo de %1 por segundo descontado.</translation>
    </message>
    <message>
        <source>Exponential fit: half-value thickness %1 mm (absorption coefficient %2 per mm).</source>
        <translation>Ajuste exponencial: espesor de semirreducción %1 mm (coeficiente de absorción %2 por mm).</translation>
    </message>
    <message>
        <source>The fit needs readings at two thicknesses, the rate falling.</source>
        <translation>El ajuste necesita medidas con dos espesores y una tasa que disminuya.</translation>
    </message>
    <message>
        <source>Inverse-square fit: %1 per second at 1 m, four times as many at 0.5 m.</source>
        <translation>Ajuste del inverso del cuadrado: %1 por segundo a 1 m, cuatro veces más a 0,5 m.</translation>
    </message>
    <message>
        <source>The fit needs a reading with a count.</source>
        <translation>El ajuste necesita una medida con alguna cuenta.</translation>
    </message>
    <message>
        <source>absorber thickness %1 mm</source>
        <translation>espesor del absorbente %1 mm</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>GraphCommands</name>
    <message>
        <source>The printer could not start the print job.</source>
        <translation>La impresora no pudo iniciar el trabajo de impresión.</translation>
    </message>
</context>
<context>
    <name>Grating</name>
    <message>
        <source>collimator</source>
        <translation>colimador</translation>
    </message>
    <message>
        <source>grating</source>
        <translation>red</translation>
    </message>
</context>
<context>
    <name>GratingPage</name>
    <message>
        <source>wavelength %1 nm</source>
        <translation>long. de onda %1 nm</translation>
    </message>
    <message>
        <source>set wavelength|Set the wavelength of the light</source>
        <translation>ajustar long. de onda|Ajusta la longitud de onda de la luz</translation>
    </message>
    <message>
        <source>Lines per mm = %1</source>
        <translation>Líneas por mm = %1</translation>
    </message>
    <message>
        <source>set  line spacing|Set the spacing of the lines on the grating</source>
        <translation>ajustar la separación de líneas|Ajusta la separación entre las líneas de la red</translation>
    </message>
    <message>
        <source>move telescope|Turn the telescope round the table</source>
        <translation>mover el anteojo|Gira el anteojo alrededor de la plataforma</translation>
    </message>
    <message>
        <source>record</source>
        <translation>anotar</translation>
    </message>
    <message>
        <source>record|Add the wavelength, the grating, the telescope angle and the order to the table</source>
        <translation>anotar|Añade a la tabla la longitud de onda, la red, el ángulo del anteojo y el orden</translation>
    </message>
    <message>
        <source>wavelength (nm)</source>
        <translation>long. de onda (nm)</translation>
    </message>
    <message>
        <source>lines per mm</source>
        <translation>líneas por mm</translation>
    </message>
    <message>
        <source>telescope angle (degrees)</source>
        <translation>ángulo del anteojo (grados)</translation>
    </message>
    <message>
        <source>order</source>
        <translation>orden</translation>
    </message>
    <message>
        <source>angle (degrees)</source>
        <translation>ángulo (grados)</translation>
    </message>
    <message>
        <source>telescope</source>
        <translation>anteojo</translation>
    </message>
    <message>
        <source>spectrometer, seen from above</source>
        <translation>espectrómetro visto desde arriba</translation>
    </message>
    <message>
        <source>%1 nm light falls on a grating of %2 lines per mm. Orders up to %3 are seen; the first order is at %4 degrees. The telescope is at %5 degrees.</source>
        <translation>Luz de %1 nm incide sobre una red de %2 líneas por mm. Se ven órdenes hasta el %3; el primer orden está a %4 grados. El anteojo está a %5 grados.</translation>
    </message>
    <message>
        <source>view through the telescope</source>
        <translation>vista a través del anteojo</translation>
    </message>
    <message>
        <source>Cross-wires at %1 degrees; the nearest line is order %2, at %3 degrees.</source>
        <translation>Retículo a %1 grados; la línea más próxima es de orden %2, a %3 grados.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Corvane Help</source>
        <translation>Ayuda de Corvane</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <translation>&amp;Escriba las primeras letras de la palabra que busca:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Índ&amp;ice</translation>
    </message>
    <message>
        <source>back</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>adelante</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Adelante (Alt+Derecha)</translation>
    </message>
    <message>
        <source>home</source>
        <translation>inicio</translation>
    </message>
    <message>
        <source>The help contents page</source>
        <translation>La página de contenido de la ayuda</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; is missing or damaged and could not be opened. Reinstall Corvane to restore it.</source>
        <translation>El archivo de ayuda «%1» falta o está dañado y no se pudo abrir. Reinstale Corvane para recuperarlo.</translation>
    </message>
</context>
<context>
    <name>HtmlViewer</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>This page cannot be shown: its tables are nested more than %1 deep.</source>
        <translation>Esta página no se puede mostrar: sus tablas están anidadas a más de %1 niveles.</translation>
    </message>
    <message>
        <source>This page cannot be shown. %1</source>
        <translation>Esta página no se puede mostrar. %1</translation>
    </message>
    <message>
        <source>Cannot open the link &quot;%1&quot;.</source>
        <translation>No se puede abrir el enlace «%1».</translation>
    </message>
</context>
<context>
    <name>HydrogenPage</name>
    <message>
        <source>Click on an arrow to show the transition</source>
        <translation>Haga clic en una flecha para mostrar la transición</translation>
    </message>
    <message>
        <source>animate</source>
        <translation>animar</translation>
    </message>
    <message>
        <source>animate transitions</source>
        <translation>animar las transiciones</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>n = %1 to n = %2, %3 nm</source>
        <translation>de n = %1 a n = %2, %3 nm</translation>
    </message>
    <message>
        <source>hydrogen spectrum lines</source>
        <translation>líneas del espectro del hidrógeno</translation>
    </message>
    <message>
        <source>Twelve lines: the Lyman series in the ultraviolet, Balmer in the visible, Paschen in the infrared.</source>
        <translation>Doce líneas: la serie de Lyman en el ultravioleta, la de Balmer en el visible y la de Paschen en el infrarrojo.</translation>
    </message>
    <message>
        <source>Marked: %1.</source>
        <translation>Marcada: %1.</translation>
    </message>
    <message>
        <source>energy levels of hydrogen</source>
        <translation>niveles de energía del hidrógeno</translation>
    </message>
    <message>
        <source>Energy levels from n = 1 upwards, with arrows for the twelve transitions. The arrow keys point at them in turn; Enter shows the one pointed at.</source>
        <translation>Niveles de energía desde n = 1 hacia arriba, con flechas para las doce transiciones. Las teclas de flecha las señalan por turno; Intro muestra la señalada.</translation>
    </message>
    <message>
        <source>Pointed at: %1.</source>
        <translation>Señalada: %1.</translation>
    </message>
</context>
<context>
    <name>PageSafety</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. The file does not exist.</source>
        <translation>No se puede abrir el archivo «%1». El archivo no existe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it is not a file.</source>
        <translation>No se puede abrir «%1»: no es un archivo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: only the program&apos;s own pages and pictures can be shown.</source>
        <translation>No se puede abrir «%1»: solo se pueden mostrar las páginas e imágenes propias del programa.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: the file is larger than %2 MB.</source>
        <translation>No se puede abrir «%1»: el archivo ocupa más de %2 MB.</translation>
    </message>
</context>
<context>
    <name>PolarPage</name>
    <message>
        <source>Drag with left button to rotate; right button to pan.</source>
        <translation>Arrastre con el botón izquierdo para girar; con el derecho, para desplazar.</translation>
    </message>
    <message>
        <source>rotate polaroid</source>
        <translation>girar el polaroid</translation>
    </message>
    <message>
        <source>rotation = 0</source>
        <translation>giro = 0</translation>
    </message>
    <message>
        <source>unpolarized light</source>
        <translation>luz no polarizada</translation>
    </message>
    <message>
        <source>unpolarized light|Show unpolarized light, whose plane of polarization keeps changing</source>
        <translation>luz no polarizada|Muestra luz no polarizada, cuyo plano de polarización cambia continuamente</translation>
    </message>
    <message>
        <source>back</source>
        <translation>volver</translation>
    </message>
    <message>
        <source>return to polarization topic</source>
        <translation>volver al tema de polarización</translation>
    </message>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>iniciar la animación</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>polarized light and a polaroid</source>
        <translation>luz polarizada y un polaroid</translation>
    </message>
    <message>
        <source>Unpolarized light seen almost end-on: its plane of polarization keeps changing at random.</source>
        <translation>Luz no polarizada vista casi de frente: su plano de polarización cambia continuamente al azar.</translation>
    </message>
    <message>
        <source>Plane-polarized light meets a polaroid turned %1 degrees from its plane; %2% of the field amplitude and %3% of the intensity pass.</source>
        <translation>Luz polarizada plana llega a un polaroid girado %1 grados respecto a su plano; pasa el %2% de la amplitud del campo y el %3% de la intensidad.</translation>
    </message>
    <message>
        <source>rotation = %1%2</source>
        <translation>giro = %1%2</translation>
    </message>
    <message>
        <source>Press start to see the plane of polarization change</source>
        <translation>Pulse iniciar para ver cómo cambia el plano de polarización</translation>
    </message>
</context>
<context>
    <name>RadioGroup</name>
    <message>
        <source>%1: choice %2 of %3</source>
        <translation>%1: opción %2 de %3</translation>
    </message>
</context>
<context>
    <name>ResonancePage</name>
    <message>
        <source>damping</source>
        <translation>amortiguamiento</translation>
    </message>
    <message>
        <source>set damping</source>
        <translation>ajustar el amortiguamiento</translation>
    </message>
    <message>
        <source>driving frequency</source>
        <translation>frecuencia excitadora</translation>
    </message>
    <message>
        <source>set driving frequency</source>
        <translation>ajustar la frecuencia excitadora</translation>
    </message>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>iniciar la animación</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>Graph of amplitude v driving frequency</source>
        <translation>Amplitud frente a frecuencia excitadora</translation>
    </message>
    <message>
        <source>driving frequency (Hz)</source>
        <translation>frecuencia excitadora (Hz)</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitud</translation>
    </message>
    <message>
        <source>To zoom in, drag down and right with the left button; drag up and left to zoom out. Right button to pan graph</source>
        <translation>Para ampliar, arrastre hacia abajo y a la derecha con el botón izquierdo; hacia arriba y a la izquierda para reducir. Botón derecho para desplazar el gráfico</translation>
    </message>
    <message>
        <source>response curve</source>
        <translation>curva de respuesta</translation>
    </message>
    <message>
        <source>present driving frequency</source>
        <translation>frecuencia excitadora actual</translation>
    </message>
    <message>
        <source>amplitude against driving frequency</source>
        <translation>amplitud frente a la frecuencia excitadora</translation>
    </message>
    <message>
        <source>driven mass between two springs</source>
        <translation>masa excitada entre dos muelles</translation>
    </message>
    <message>
        <source>Driven at %1 Hz with %2; the natural frequency is %3 Hz. The steady amplitude is %4.</source>
        <translation>Excitada a %1 Hz con %2; la frecuencia natural es %3 Hz. La amplitud en régimen estacionario es %4.</translation>
    </message>
    <message>
        <source>damping %1</source>
        <translation>amortiguamiento %1</translation>
    </message>
    <message>
        <source>driving frequency %1 Hz</source>
        <translation>frec. excitadora %1 Hz</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>results</source>
        <translation>resultados</translation>
    </message>
    <message>
        <source>One row for each finished measurement</source>
        <translation>Una fila por cada medida terminada</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>Clear the results</source>
        <translation>Borra los resultados</translation>
    </message>
    <message>
        <source>clear the results</source>
        <translation>borrar los resultados</translation>
    </message>
    <message>
        <source>Removes every row of the results</source>
        <translation>Elimina todas las filas de los resultados</translation>
    </message>
</context>
<context>
    <name>RipplePage</name>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>start animation|Start the animation from the current position.</source>
        <translation>iniciar la animación|Inicia la animación desde la posición actual.</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>reset</source>
        <translation>reinic.</translation>
    </message>
    <message>
        <source>reset|Reset the animation to the start</source>
        <translation>reiniciar|Vuelve la animación al principio</translation>
    </message>
    <message>
        <source>slit width </source>
        <translation>anchura de rendija </translation>
    </message>
    <message>
        <source>Set the slit width</source>
        <translation>Ajusta la anchura de la rendija</translation>
    </message>
    <message>
        <source>set slit separation</source>
        <translation>ajustar la separación de las rendijas</translation>
    </message>
    <message>
        <source>single slit</source>
        <translation>una rendija</translation>
    </message>
    <message>
        <source>double slit</source>
        <translation>doble rendija</translation>
    </message>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Recorre la animación fotograma a fotograma</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>fotograma</translation>
    </message>
    <message>
        <source>Waves pass one gap in the barrier</source>
        <translation>Las ondas atraviesan una abertura de la barrera</translation>
    </message>
    <message>
        <source>Waves pass two gaps in the barrier</source>
        <translation>Las ondas atraviesan dos aberturas de la barrera</translation>
    </message>
    <message>
        <source>ripple tank seen from above</source>
        <translation>cubeta de ondas vista desde arriba</translation>
    </message>
    <message>
        <source>Straight waves pass a single gap %1 wavelengths wide and spread out beyond it; frame %2.</source>
        <translation>Ondas planas atraviesan una sola abertura de %1 longitudes de onda de anchura y se abren al otro lado; fotograma %2.</translation>
    </message>
    <message numerus="yes">
        <source>Straight waves pass two gaps %1 wavelengths apart; dotted lines mark the %n directions where their waves reinforce on each side; frame %2.</source>
        <translation>
            <numerusform>Ondas planas atraviesan dos aberturas separadas %1 longitudes de onda; las líneas de puntos marcan a cada lado %n dirección en la que sus ondas se refuerzan; fotograma %2.</numerusform>
            <numerusform>Ondas planas atraviesan dos aberturas separadas %1 longitudes de onda; las líneas de puntos marcan a cada lado %n direcciones en las que sus ondas se refuerzan; fotograma %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>slit width</source>
        <translation>anchura de rendija</translation>
    </message>
    <message>
        <source>slit separation</source>
        <translation>separación de rendijas</translation>
    </message>
</context>
<context>
    <name>SHMPage</name>
    <message>
        <source>mass 0.50 kg</source>
        <translation>masa 0,50 kg</translation>
    </message>
    <message>
        <source>k = 40 N/m</source>
        <translation>k = 40 N/m</translation>
    </message>
    <message>
        <source>damping 0.20 kg/s</source>
        <translation>amort. 0,20 kg/s</translation>
    </message>
    <message>
        <source>mass on spring</source>
        <translation>masa colgada del muelle</translation>
    </message>
    <message>
        <source>spring constant</source>
        <translation>constante elástica</translation>
    </message>
    <message>
        <source>damping factor</source>
        <translation>coeficiente de amortiguamiento</translation>
    </message>
    <message>
        <source>go</source>
        <translation>soltar</translation>
    </message>
    <message>
        <source>release</source>
        <translation>soltar la masa</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop motion</source>
        <translation>parar el movimiento</translation>
    </message>
    <message>
        <source>unzoom</source>
        <translation>restaurar</translation>
    </message>
    <message>
        <source>unzoom graph</source>
        <translation>restaurar el gráfico</translation>
    </message>
    <message>
        <source>Click and drag weight to set initial displacement</source>
        <translation>Haga clic y arrastre la masa para fijar el desplazamiento inicial</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <source>displacement</source>
        <translation>elongación</translation>
    </message>
    <message>
        <source>To zoom in, drag down and right with the left button; drag up and left to zoom out. Right button to pan graph</source>
        <translation>Para ampliar, arrastre hacia abajo y a la derecha con el botón izquierdo; hacia arriba y a la izquierda para reducir. Botón derecho para desplazar el gráfico</translation>
    </message>
    <message>
        <source>present state</source>
        <translation>estado actual</translation>
    </message>
    <message>
        <source>displacement against time</source>
        <translation>elongación frente al tiempo</translation>
    </message>
    <message>
        <source>mass on a spring</source>
        <translation>masa colgada de un muelle</translation>
    </message>
    <message>
        <source>without damping</source>
        <translation>no amortiguado</translation>
    </message>
    <message>
        <source>critically damped</source>
        <translation>críticamente amortiguado</translation>
    </message>
    <message>
        <source>under-damped</source>
        <translation>subamortiguado</translation>
    </message>
    <message>
        <source>over-damped</source>
        <translation>sobreamortiguado</translation>
    </message>
    <message>
        <source>%1, %2, %3: released from displacement %4 (the up and down keys move it), the motion is %5; the undamped period is %6 s.</source>
        <translation>%1, %2, %3: soltada desde una elongación %4 (las teclas arriba y abajo la cambian), el movimiento es %5; el periodo sin amortiguamiento es %6 s.</translation>
    </message>
    <message>
        <source>mass %1 kg</source>
        <translation>masa %1 kg</translation>
    </message>
    <message>
        <source>k = %1 N/m</source>
        <translation>k = %1 N/m</translation>
    </message>
    <message>
        <source>damping %1 kg/s</source>
        <translation>amort. %1 kg/s</translation>
    </message>
    <message>
        <source>Displacement - time graph for damped S.H.M.</source>
        <translation>Gráfica elongación-tiempo de un MAS amortiguado</translation>
    </message>
    <message>
        <source>Mass = %1 kg</source>
        <translation>Masa = %1 kg</translation>
    </message>
    <message>
        <source>Spring constant = %1 N/m</source>
        <translation>Constante elástica = %1 N/m</translation>
    </message>
    <message>
        <source>Damping = %1 kg/s</source>
        <translation>Amortiguamiento = %1 kg/s</translation>
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
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>elegido</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>no elegido</translation>
    </message>
    <message>
        <source>%1: %2 (of %3 to %4)</source>
        <translation>%1: %2 (de %3 a %4)</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
</context>
<context>
    <name>SndSpeed</name>
    <message>
        <source>loudspeaker</source>
        <translation>altavoz</translation>
    </message>
    <message>
        <source>microphone</source>
        <translation>micrófono</translation>
    </message>
</context>
<context>
    <name>SndSpeedPage</name>
    <message>
        <source>signal
generator</source>
        <translation>generador
de señales</translation>
    </message>
    <message>
        <source>CRO</source>
        <translation>ORC</translation>
    </message>
    <message>
        <source>move microphone|Set the position of the microphone</source>
        <translation>mover el micrófono|Ajusta la posición del micrófono</translation>
    </message>
    <message>
        <source>micro-
phone</source>
        <translation>micró-
fono</translation>
    </message>
    <message>
        <source>  signal generator </source>
        <translation>  generador de señales </translation>
    </message>
    <message>
        <source>set frequency</source>
        <translation>ajustar la frecuencia</translation>
    </message>
    <message>
        <source>frequency = 300 Hz</source>
        <translation>frecuencia = 300 Hz</translation>
    </message>
    <message>
        <source> CRO -channel 2 </source>
        <translation> ORC - canal 2 </translation>
    </message>
    <message>
        <source>5 volt/div</source>
        <translation>5 volt/div</translation>
    </message>
    <message>
        <source>set Ygain</source>
        <translation>ajustar la ganancia Y</translation>
    </message>
    <message>
        <source>Y shift</source>
        <translation>Despl. Y</translation>
    </message>
    <message>
        <source>set Y shift</source>
        <translation>ajustar el desplazamiento Y</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>zoom|Magnify the ruler scale.</source>
        <translation>zoom|Amplía la escala de la regla.</translation>
    </message>
    <message>
        <source>record</source>
        <translation>anotar</translation>
    </message>
    <message>
        <source>record|Add the frequency, the microphone&apos;s position and the phase to the table</source>
        <translation>anotar|Añade a la tabla la frecuencia, la posición del micrófono y la fase</translation>
    </message>
    <message>
        <source>frequency (Hz)</source>
        <translation>frecuencia (Hz)</translation>
    </message>
    <message>
        <source>microphone position (cm)</source>
        <translation>posición del micrófono (cm)</translation>
    </message>
    <message>
        <source>phase difference (degrees)</source>
        <translation>diferencia de fase (grados)</translation>
    </message>
    <message>
        <source>microphone (cm)</source>
        <translation>micrófono (cm)</translation>
    </message>
    <message>
        <source>phase (degrees)</source>
        <translation>fase (grados)</translation>
    </message>
    <message>
        <source>loudspeaker, microphone and oscilloscope</source>
        <translation>altavoz, micrófono y osciloscopio</translation>
    </message>
    <message>
        <source>The generator gives %1 Hz. The microphone is %2 cm from the loudspeaker, so its trace lags the generator&apos;s by %3 wavelengths (%4 degrees past whole cycles). Channel 2 at %5 volt/div, shifted %6.</source>
        <translation>El generador da %1 Hz. El micrófono está a %2 cm del altavoz, así que su traza va retrasada respecto a la del generador %3 longitudes de onda (%4 grados más allá de los ciclos completos). Canal 2 a %5 volt/div, desplazado %6.</translation>
    </message>
    <message>
        <source>magnified ruler scale</source>
        <translation>escala de la regla ampliada</translation>
    </message>
    <message>
        <source>The microphone is at %1 cm.</source>
        <translation>El micrófono está en %1 cm.</translation>
    </message>
    <message>
        <source>frequency = %1 Hz</source>
        <translation>frecuencia = %1 Hz</translation>
    </message>
    <message>
        <source>%1 volt/div</source>
        <translation>%1 volt/div</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>time(ms)</source>
        <translation>t(ms)</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Hold down the mouse button over a key to play the note</source>
        <translation>Mantenga pulsado el botón del ratón sobre una tecla para tocar la nota</translation>
    </message>
    <message>
        <source>Set the frequency of the fundamental</source>
        <translation>Ajusta la frecuencia fundamental</translation>
    </message>
    <message>
        <source>frequency 262 Hz</source>
        <translation>frecuencia 262 Hz</translation>
    </message>
    <message>
        <source> amplitudes </source>
        <translation> amplitudes </translation>
    </message>
    <message>
        <source>Set the amplitudes of the harmonics</source>
        <translation>Ajusta las amplitudes de los armónicos</translation>
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
        <translation>amplitud del fundamental</translation>
    </message>
    <message>
        <source>amplitude of harmonic %1</source>
        <translation>amplitud del armónico %1</translation>
    </message>
    <message>
        <source>sound wave</source>
        <translation>onda sonora</translation>
    </message>
    <message>
        <source>The wave of a %1 Hz note; amplitudes of the fundamental and harmonics 2 to 5: %2, %3, %4, %5, %6.</source>
        <translation>La onda de una nota de %1 Hz; amplitudes del fundamental y de los armónicos 2 a 5: %2, %3, %4, %5, %6.</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>teclado</translation>
    </message>
    <message>
        <source>An octave of piano keys; the chosen note is %1 Hz. Left and right arrows choose a note, the space bar plays it while held.</source>
        <translation>Una octava de teclas de piano; la nota elegida es de %1 Hz. Las flechas izquierda y derecha eligen una nota y la barra espaciadora la toca mientras se mantiene pulsada.</translation>
    </message>
    <message>
        <source>frequency %1 Hz</source>
        <translation>frecuencia %1 Hz</translation>
    </message>
</context>
<context>
    <name>StatWave</name>
    <message>
        <source>frequency = %1f</source>
        <translation>frecuencia = %1f</translation>
    </message>
    <message>
        <source>wavelength = 2L</source>
        <translation>long. de onda = 2L</translation>
    </message>
    <message>
        <source>wavelength = L</source>
        <translation>long. de onda = L</translation>
    </message>
    <message>
        <source>wavelength = 2L/3</source>
        <translation>long. de onda = 2L/3</translation>
    </message>
    <message>
        <source>wavelength = L/2</source>
        <translation>long. de onda = L/2</translation>
    </message>
    <message>
        <source>wavelength = 2L/5</source>
        <translation>long. de onda = 2L/5</translation>
    </message>
    <message>
        <source>wavelength = L/3</source>
        <translation>long. de onda = L/3</translation>
    </message>
    <message>
        <source>wavelength = 2L/7</source>
        <translation>long. de onda = 2L/7</translation>
    </message>
</context>
<context>
    <name>StatWavePage</name>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>start animation</source>
        <translation>iniciar la animación</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>parar</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>frequency = f</source>
        <translation>frecuencia = f</translation>
    </message>
    <message>
        <source>wavelength = L</source>
        <translation>long. de onda = L</translation>
    </message>
    <message>
        <source>Travelling waves moving in opposite directions</source>
        <translation>Ondas viajeras que se mueven en sentidos opuestos</translation>
    </message>
    <message>
        <source>Combined wave</source>
        <translation>Onda resultante</translation>
    </message>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Recorre la animación fotograma a fotograma</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>  harmonics </source>
        <translation>  armónicos </translation>
    </message>
    <message>
        <source>fundamental</source>
        <translation>fundamental</translation>
    </message>
    <message>
        <source>1st.</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>2nd.</source>
        <translation>3.º</translation>
    </message>
    <message>
        <source>3rd.</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>4th. </source>
        <translation>5.º </translation>
    </message>
    <message>
        <source>5th.</source>
        <translation>6.º</translation>
    </message>
    <message>
        <source>6th.</source>
        <translation>7.º</translation>
    </message>
    <message>
        <source>travelling waves moving in opposite directions</source>
        <translation>ondas viajeras que se mueven en sentidos opuestos</translation>
    </message>
    <message>
        <source>Two equal waves travel in opposite directions; phase %1 degrees.</source>
        <translation>Dos ondas iguales viajan en sentidos opuestos; fase %1 grados.</translation>
    </message>
    <message>
        <source>combined wave</source>
        <translation>onda resultante</translation>
    </message>
    <message>
        <source>The two waves add to a standing wave, %1 harmonic: %2, %3. Phase %4 degrees.</source>
        <translation>Las dos ondas se suman en una onda estacionaria, armónico %1: %2, %3. Fase %4 grados.</translation>
    </message>
</context>
<context>
    <name>SumWavePage</name>
    <message>
        <source>set frequency</source>
        <translation>ajustar la frecuencia</translation>
    </message>
    <message>
        <source>set amplitude</source>
        <translation>ajustar la amplitud</translation>
    </message>
    <message>
        <source>set phase</source>
        <translation>ajustar la fase</translation>
    </message>
    <message>
        <source>add</source>
        <translation>añadir</translation>
    </message>
    <message>
        <source>add to combined wave</source>
        <translation>añadir a la onda resultante</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>clear list</source>
        <translation>borrar la lista</translation>
    </message>
    <message>
        <source>series</source>
        <translation>series</translation>
    </message>
    <message>
        <source>wave series</source>
        <translation>series de ondas</translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation>Onda cuadrada</translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation>Onda triangular</translation>
    </message>
    <message>
        <source>Click to select; press DELETE to remove an entry</source>
        <translation>Haga clic para seleccionar; pulse SUPR para eliminar una entrada</translation>
    </message>
    <message>
        <source>combined wave</source>
        <translation>onda resultante</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitud</translation>
    </message>
    <message>
        <source>Drag down and right with the  left mouse button to zoom in; Use right button to pan graph</source>
        <translation>Arrastre hacia abajo y a la derecha con el botón izquierdo para ampliar; use el botón derecho para desplazar el gráfico</translation>
    </message>
    <message>
        <source>sum of the waves</source>
        <translation>suma de las ondas</translation>
    </message>
    <message>
        <source>sum of the waves against angle</source>
        <translation>suma de las ondas frente al ángulo</translation>
    </message>
    <message>
        <source>waves added</source>
        <translation>ondas añadidas</translation>
    </message>
    <message>
        <source>The waves added to the sum; click one to show it again</source>
        <translation>Las ondas añadidas a la suma; haga clic en una para volver a mostrarla</translation>
    </message>
    <message>
        <source>wave to add</source>
        <translation>onda que se va a añadir</translation>
    </message>
    <message numerus="yes">
        <source>A sine wave of %1, %2, %3 degrees. %n waves added so far.</source>
        <translation>
            <numerusform>Una onda sinusoidal de %1, %2, %3 grados. %n onda añadida hasta ahora.</numerusform>
            <numerusform>Una onda sinusoidal de %1, %2, %3 grados. %n ondas añadidas hasta ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>frequency = %1</source>
        <translation>frecuencia = %1</translation>
    </message>
    <message>
        <source>amplitude = %1</source>
        <translation>amplitud = %1</translation>
    </message>
    <message>
        <source>phase = %1</source>
        <translation>fase = %1</translation>
    </message>
</context>
<context>
    <name>TAboutFrm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>version 1.1</source>
        <translation>versión 1.1</translation>
    </message>
    <message>
        <source>Waves and oscillations, simulated for upper-secondary physics: sixteen topics with explanatory pages.</source>
        <translation>Ondas y oscilaciones simuladas para la física de bachillerato: dieciséis temas con páginas explicativas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TAnimSpdFrm</name>
    <message>
        <source>Set animation speed</source>
        <translation>Velocidad de la animación</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápida</translation>
    </message>
    <message>
        <source>animation speed</source>
        <translation>velocidad de la animación</translation>
    </message>
    <message>
        <source>From slow on the left to fast on the right</source>
        <translation>De lenta a la izquierda a rápida a la derecha</translation>
    </message>
    <message>
        <source>apply</source>
        <translation>aplicar</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancelar</translation>
    </message>
</context>
<context>
    <name>TMainFrm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print topic</source>
        <translation>Imprimir tema</translation>
    </message>
    <message>
        <source>Print simulation</source>
        <translation>Imprimir simulación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar datos</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Guardar datos...</translation>
    </message>
    <message>
        <source>Show crosshair</source>
        <translation>Mostrar cruceta</translation>
    </message>
    <message>
        <source>Time scale</source>
        <translation>Escala de tiempo</translation>
    </message>
    <message>
        <source>X axis range</source>
        <translation>Intervalo del eje X</translation>
    </message>
    <message>
        <source>360 degrees</source>
        <translation>360 grados</translation>
    </message>
    <message>
        <source>720 degrees</source>
        <translation>720 grados</translation>
    </message>
    <message>
        <source>1440 degrees</source>
        <translation>1440 grados</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimación</translation>
    </message>
    <message>
        <source>set speed</source>
        <translation>ajustar velocidad</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Fit to window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Projector colours</source>
        <translation>Colores para proyector</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Search for help on</source>
        <translation>Buscar ayuda sobre</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Cannot save the data to &quot;%1&quot;. %2</source>
        <translation>No se pueden guardar los datos en «%1». %2</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names no topic: it must start with a topic number from 1 to %2.</source>
        <translation>El enlace «%1» no indica ningún tema: debe empezar por un número de tema del 1 al %2.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names a menu item &quot;%2&quot; that does not exist.</source>
        <translation>El enlace «%1» nombra un elemento de menú «%2» que no existe.</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names a button &quot;%2&quot; that is not on the page &quot;%3&quot;.</source>
        <translation>El enlace «%1» nombra un botón «%2» que no está en la página «%3».</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; cannot set up &quot;%2&quot;: %3</source>
        <translation>El enlace «%1» no puede preparar «%2»: %3</translation>
    </message>
    <message>
        <source>Do you want to leave the data on the clipboard
after the program is closed?</source>
        <translation>¿Desea dejar los datos en el portapapeles
después de cerrar el programa?</translation>
    </message>
    <message>
        <source>Exit program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Corvane speaks %1 from its next start.</source>
        <translation>Corvane usará el idioma %1 desde el próximo inicio.</translation>
    </message>
    <message>
        <source>Change to %1 now? The simulation pages start again from their first settings; otherwise Corvane speaks %1 from its next start.</source>
        <translation>¿Cambiar a %1 ahora? Las páginas de simulación vuelven a empezar con sus valores iniciales; si no, Corvane hablará %1 a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>TPrntPrevFrm</name>
    <message>
        <source>Printer not available</source>
        <translation>Impresora no disponible</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>prev</source>
        <translation>anterior</translation>
    </message>
    <message>
        <source>next</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TextPane</name>
    <message>
        <source>index</source>
        <translation>índice</translation>
    </message>
    <message>
        <source>main index|Return to main index page</source>
        <translation>índice principal|Vuelve a la página del índice principal</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>adelante</translation>
    </message>
    <message>
        <source>back</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>copiar</translation>
    </message>
    <message>
        <source>copy selected text|Copy selected text to the clipboard</source>
        <translation>copiar el texto seleccionado|Copia el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>font</source>
        <translation>letra</translation>
    </message>
    <message>
        <source>font size|Set font size</source>
        <translation>tamaño de letra|Ajusta el tamaño de la letra</translation>
    </message>
    <message>
        <source>print</source>
        <translation>imprimir</translation>
    </message>
    <message>
        <source>print|Print current topic</source>
        <translation>imprimir|Imprime el tema actual</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Copy picture to clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Text background</source>
        <translation>Fondo del texto</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>pale yellow</source>
        <translation>amarillo pálido</translation>
    </message>
    <message>
        <source>blue/gray</source>
        <translation>azul/gris</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>Links that set up a simulation are not available here.</source>
        <translation>Los enlaces que preparan una simulación no están disponibles aquí.</translation>
    </message>
    <message>
        <source>The picture link &quot;%1&quot; does not name a picture in the pictures folder.</source>
        <translation>El enlace de imagen «%1» no corresponde a ninguna imagen de la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;.</source>
        <translation>No se puede cargar la imagen «%1».</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>The sound output could not be opened; the keyboard plays no sound.</source>
        <translation>No se pudo abrir la salida de sonido; el teclado no suena.</translation>
    </message>
    <message>
        <source>The sound output failed; the keyboard plays no sound.</source>
        <translation>La salida de sonido ha fallado; el teclado no suena.</translation>
    </message>
    <message>
        <source>The sound output does not answer; the keyboard plays no sound.</source>
        <translation>La salida de sonido no responde; el teclado no suena.</translation>
    </message>
</context>
<context>
    <name>Topics</name>
    <message>
        <source>Young&apos;s double slits</source>
        <translation>Doble rendija de Young</translation>
    </message>
    <message>
        <source>Waves [Young&apos;s double slit experiment]</source>
        <translation>Ondas [experimento de la doble rendija de Young]</translation>
    </message>
    <message>
        <source>Change the slit separation or the colour and watch the fringes; drag across the fringes to measure them</source>
        <translation>Cambie la separación de las rendijas o el color y observe las franjas; arrastre sobre las franjas para medirlas</translation>
    </message>
    <message>
        <source>Multiple slit diffraction</source>
        <translation>Difracción por varias rendijas</translation>
    </message>
    <message>
        <source>Waves [multiple slit interference]</source>
        <translation>Ondas [interferencia por varias rendijas]</translation>
    </message>
    <message>
        <source>Move the number of slits and watch the principal maxima grow sharper</source>
        <translation>Cambie el número de rendijas y observe cómo los máximos principales se hacen más nítidos</translation>
    </message>
    <message>
        <source>Diffraction grating (spectrometer)</source>
        <translation>Red de difracción (espectrómetro)</translation>
    </message>
    <message>
        <source>Waves [diffraction grating]</source>
        <translation>Ondas [red de difracción]</translation>
    </message>
    <message>
        <source>Move the telescope to find each colour of the spectrum in every order</source>
        <translation>Mueva el anteojo para encontrar cada color del espectro en todos los órdenes</translation>
    </message>
    <message>
        <source>Transverse and longitudinal waves</source>
        <translation>Ondas transversales y longitudinales</translation>
    </message>
    <message>
        <source>Waves [longitudinal and transverse waves]</source>
        <translation>Ondas [ondas longitudinales y transversales]</translation>
    </message>
    <message>
        <source>Press start, then compare the transverse and the longitudinal wave</source>
        <translation>Pulse el botón de inicio y compare la onda transversal con la longitudinal</translation>
    </message>
    <message>
        <source>Sound waves</source>
        <translation>Ondas sonoras</translation>
    </message>
    <message>
        <source>Waves [sound waves]</source>
        <translation>Ondas [ondas sonoras]</translation>
    </message>
    <message>
        <source>Hold a key to hear its note; move the amplitudes to change its tone</source>
        <translation>Mantenga pulsada una tecla para oír su nota; mueva las amplitudes para cambiar su timbre</translation>
    </message>
    <message>
        <source>Standing waves</source>
        <translation>Ondas estacionarias</translation>
    </message>
    <message>
        <source>Waves [stationary waves]</source>
        <translation>Ondas [ondas estacionarias]</translation>
    </message>
    <message>
        <source>Press start and watch the nodes; then choose another harmonic</source>
        <translation>Pulse iniciar y observe los nodos; después elija otro armónico</translation>
    </message>
    <message>
        <source>Speed of sound measurement</source>
        <translation>Medida de la velocidad del sonido</translation>
    </message>
    <message>
        <source>Waves [speed of sound in air]</source>
        <translation>Ondas [velocidad del sonido en el aire]</translation>
    </message>
    <message>
        <source>Move the microphone until the two traces are back in step: it has moved one wavelength</source>
        <translation>Mueva el micrófono hasta que las dos trazas vuelvan a estar en fase: se habrá desplazado una longitud de onda</translation>
    </message>
    <message>
        <source>Superposition of waves</source>
        <translation>Superposición de ondas</translation>
    </message>
    <message>
        <source>Waves [superposition of waves]</source>
        <translation>Ondas [superposición de ondas]</translation>
    </message>
    <message>
        <source>Set a wave and press add; add another to see the two summed</source>
        <translation>Ajuste una onda y pulse añadir; añada otra para ver la suma de las dos</translation>
    </message>
    <message>
        <source>Damped SHM</source>
        <translation>MAS amortiguado</translation>
    </message>
    <message>
        <source>Waves [damped SHM]</source>
        <translation>Ondas [MAS amortiguado]</translation>
    </message>
    <message>
        <source>Drag the mass to a starting point and press go</source>
        <translation>Arrastre la masa hasta un punto de partida y pulse soltar</translation>
    </message>
    <message>
        <source>Absorption of gamma rays</source>
        <translation>Absorción de rayos gamma</translation>
    </message>
    <message>
        <source>Waves [Absorption of gamma rays]</source>
        <translation>Ondas [absorción de rayos gamma]</translation>
    </message>
    <message>
        <source>Set the detector and the absorber, then press count</source>
        <translation>Coloque el detector y el absorbente y pulse recuento</translation>
    </message>
    <message>
        <source>Wave mathematics</source>
        <translation>Matemáticas de las ondas</translation>
    </message>
    <message>
        <source>Waves [Wave mathematics]</source>
        <translation>Ondas [matemáticas de las ondas]</translation>
    </message>
    <message>
        <source>Press start and follow the point round the circle and along the wave</source>
        <translation>Pulse iniciar y siga el punto alrededor del círculo y a lo largo de la onda</translation>
    </message>
    <message>
        <source>Ripple tank models</source>
        <translation>Modelos de cubeta de ondas</translation>
    </message>
    <message>
        <source>Waves [Interference and diffraction in ripple tanks]</source>
        <translation>Ondas [interferencia y difracción en la cubeta de ondas]</translation>
    </message>
    <message>
        <source>Choose a single or a double slit and press start</source>
        <translation>Elija una rendija o doble rendija y pulse iniciar</translation>
    </message>
    <message>
        <source>Hydrogen emission spectrum</source>
        <translation>Espectro de emisión del hidrógeno</translation>
    </message>
    <message>
        <source>Waves [Hydrogen emission spectrum]</source>
        <translation>Ondas [espectro de emisión del hidrógeno]</translation>
    </message>
    <message>
        <source>Click an arrow in the energy-level diagram to show its line in the spectrum</source>
        <translation>Haga clic en una flecha del diagrama de niveles de energía para mostrar su línea en el espectro</translation>
    </message>
    <message>
        <source>Forced oscillations</source>
        <translation>Oscilaciones forzadas</translation>
    </message>
    <message>
        <source>Waves [Forced oscillations and resonance]</source>
        <translation>Ondas [oscilaciones forzadas y resonancia]</translation>
    </message>
    <message>
        <source>Press start and move the driving frequency to find the resonance</source>
        <translation>Pulse iniciar y mueva la frecuencia excitadora hasta encontrar la resonancia</translation>
    </message>
    <message>
        <source>Electromagnetic waves</source>
        <translation>Ondas electromagnéticas</translation>
    </message>
    <message>
        <source>Waves [Electromagnetic waves]</source>
        <translation>Ondas [ondas electromagnéticas]</translation>
    </message>
    <message>
        <source>Drag the picture to turn the wave; scroll the bar below to move it along</source>
        <translation>Arrastre la imagen para girar la onda; desplace la barra inferior para moverla</translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Waves [Polarization]</source>
        <translation>Ondas [polarización]</translation>
    </message>
    <message>
        <source>Turn the polaroid and watch how much of the light passes</source>
        <translation>Gire el polaroid y observe cuánta luz pasa</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
</context>
<context>
    <name>TransWavePage</name>
    <message>
        <source>Scroll through the animation one frame at a time</source>
        <translation>Recorre la animación fotograma a fotograma</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitud</translation>
    </message>
    <message>
        <source>set wave amplitude</source>
        <translation>ajustar la amplitud de la onda</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fase</translation>
    </message>
    <message>
        <source> wave type</source>
        <translation> tipo de onda</translation>
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
        <translation>elegir el tipo de onda</translation>
    </message>
    <message>
        <source>highlight</source>
        <translation>resaltar</translation>
    </message>
    <message>
        <source>highlight single particle</source>
        <translation>resaltar una partícula</translation>
    </message>
    <message>
        <source>start</source>
        <translation>inic.</translation>
    </message>
    <message>
        <source>start animation|Start the animation from the current position.</source>
        <translation>iniciar la animación|Inicia la animación desde la posición actual.</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>paro</translation>
    </message>
    <message>
        <source>stop animation</source>
        <translation>parar la animación</translation>
    </message>
    <message>
        <source>wave on a row of particles</source>
        <translation>onda en una fila de partículas</translation>
    </message>
    <message>
        <source>A transverse wave: the particles move across the direction of travel</source>
        <translation>Onda transversal: las partículas se mueven perpendicularmente a la dirección de propagación</translation>
    </message>
    <message>
        <source>A longitudinal wave: the particles move along the direction of travel</source>
        <translation>Onda longitudinal: las partículas se mueven en la dirección de propagación</translation>
    </message>
    <message>
        <source>%1. Amplitude %2, phase %3 degrees.</source>
        <translation>%1. Amplitud %2, fase %3 grados.</translation>
    </message>
    <message>
        <source> One particle is highlighted.</source>
        <translation> Una partícula está resaltada.</translation>
    </message>
</context>
<context>
    <name>Wave3D</name>
    <message>
        <source>polarizer</source>
        <translation>polarizador</translation>
    </message>
    <message>
        <source>analyser</source>
        <translation>analizador</translation>
    </message>
</context>
<context>
    <name>WaveMaths</name>
    <message>
        <source>angle = %1</source>
        <translation>ángulo = %1</translation>
    </message>
    <message>
        <source>phase = %1</source>
        <translation>fase = %1</translation>
    </message>
</context>
<context>
    <name>YDSPage</name>
    <message>
        <source>slit separation</source>
        <translation>sep. de rendijas</translation>
    </message>
    <message>
        <source>set slit separation|Set the slit separation</source>
        <translation>ajustar la separación|Ajusta la separación entre las rendijas</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>light colour|Set the colour of the light</source>
        <translation>color de la luz|Ajusta el color de la luz</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>zoom|Magnify the ruler scale</source>
        <translation>zoom|Amplía la escala de la regla</translation>
    </message>
    <message>
        <source>Click and drag to show a marker</source>
        <translation>Haga clic y arrastre para mostrar una marca</translation>
    </message>
    <message>
        <source>(mm)</source>
        <translation>(mm)</translation>
    </message>
    <message>
        <source>move screen|Move the position of the screen</source>
        <translation>mover la pantalla|Cambia la posición de la pantalla</translation>
    </message>
    <message>
        <source>interference fringes on the screen</source>
        <translation>franjas de interferencia en la pantalla</translation>
    </message>
    <message>
        <source>Fringe spacing %1 mm: %2 nm light, slits %3 mm apart, screen %4 m from the slits.</source>
        <translation>Interfranja %1 mm: luz de %2 nm, rendijas separadas %3 mm, pantalla a %4 m de las rendijas.</translation>
    </message>
    <message>
        <source>double-slit apparatus on a metre rule</source>
        <translation>doble rendija sobre una regla de un metro</translation>
    </message>
    <message>
        <source>Light of %1 nm passes a double slit; the screen is %2 m from the slits.</source>
        <translation>Luz de %1 nm atraviesa una doble rendija; la pantalla está a %2 m de las rendijas.</translation>
    </message>
    <message>
        <source>magnified ruler scale</source>
        <translation>escala de la regla ampliada</translation>
    </message>
    <message>
        <source>The screen is %1 m from the slits.</source>
        <translation>La pantalla está a %1 m de las rendijas.</translation>
    </message>
    <message>
        <source>screen at D = %1 m</source>
        <translation>pantalla a D = %1 m</translation>
    </message>
</context>
<context>
    <name>YDSlit</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>laser</source>
        <translation>láser</translation>
    </message>
    <message>
        <source>double slit</source>
        <translation>doble rendija</translation>
    </message>
    <message>
        <source> screen</source>
        <translation> pantalla</translation>
    </message>
</context>
</TS>
