<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>Ejecución r = %1, N(0) = %2 guardada</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>1 ejecución guardada</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>%1 ejecuciones guardadas</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>Ninguna ejecución guardada</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>No se puede escribir en la salida estándar: %1.</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Izquierda, Derecha, Inicio, Fin, RePág y AvPág leen sus puntos; S dice un resumen; H reproduce sus curvas como sonido, y Escape lo detiene; Mayús+F10 abre su menú.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1: sin valor</translation>
    </message>
</context>
<context>
    <name>ChartMenu</name>
    <message>
        <source>Copy chart</source>
        <translation>Copiar gráfico</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Guardar gráfico como...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>Conservar esta simulación</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Olvidar simulaciones conservadas</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Guardar gráfico como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>ChartReadout</name>
    <message>
        <source>%1 = %2</source>
        <extracomment>Read-out line: a variable&apos;s name and its value (&quot;t = 5&quot;)</extracomment>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 = %5</source>
        <extracomment>A kept run&apos;s values: its name, x&apos;s name, x, y&apos;s name, y</extracomment>
        <translation>%1: %2 = %3, %4 = %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1: %2 = %3</translation>
    </message>
    <message>
        <source>Doubling time ln 2 / r = %1</source>
        <translation>Tiempo de duplicación ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>Tiempo de reducción a la mitad ln 2 / |r| = %1</translation>
    </message>
    <message>
        <source>%1: %2 = %3; %4 = %5</source>
        <extracomment>A kept run&apos;s values where numbers are written with a decimal comma: its name, x&apos;s name, x, y&apos;s name, y</extracomment>
        <translation>%1: %2 = %3; %4 = %5</translation>
    </message>
</context>
<context>
    <name>ChartRoutines</name>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>t</source>
        <extracomment>The time variable t, as it stands in the read-out (&quot;t = 5&quot;)</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>differential</source>
        <extracomment>Legend: the curve of the differential (continuous) model</extracomment>
        <translation>modelo diferencial</translation>
    </message>
    <message>
        <source>difference</source>
        <extracomment>Legend: the curve of the difference (discrete) model</extracomment>
        <translation>modelo en diferencias</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>Curva de N(t) en función del tiempo</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>Curva de lnN(t) en función del tiempo</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>ln N(t) needs N(t) &gt; 0</source>
        <translation>ln N(t) requiere N(t) &gt; 0</translation>
    </message>
    <message>
        <source>Curve of dN(t) vs. time</source>
        <translation>Curva de dN(t) en función del tiempo</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>Curva de dN(t)/N(t)dt en función de N(t)</translation>
    </message>
    <message>
        <source>dN/Ndt</source>
        <extracomment>Axis title: the per-capita growth rate dN/(N dt)</extracomment>
        <translation>dN/Ndt</translation>
    </message>
    <message>
        <source>dN/N needs N(t) ≠ 0</source>
        <translation>dN/N requiere N(t) ≠ 0</translation>
    </message>
    <message>
        <source>Curve of ln(dN(t)) vs. time</source>
        <translation>Curva de ln(dN(t)) en función del tiempo</translation>
    </message>
    <message>
        <source>lndN(t)</source>
        <translation>lndN(t)</translation>
    </message>
    <message>
        <source>ln dN(t) needs dN(t) &gt; 0</source>
        <translation>ln dN(t) requiere dN(t) &gt; 0</translation>
    </message>
    <message>
        <source>Differential model and difference model</source>
        <translation>Modelo diferencial y modelo en diferencias</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t) (modelos diferencial y en diferencias)</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>Curva de N(t+1) en función de N(t) (modelo diferencial)</translation>
    </message>
    <message>
        <source>N(t+1)</source>
        <translation>N(t+1)</translation>
    </message>
    <message>
        <source>y=x</source>
        <extracomment>Legend: the diagonal line y = x</extracomment>
        <translation>y=x</translation>
    </message>
    <message>
        <source>N(t+1) (differential)</source>
        <translation>N(t+1) (diferencial)</translation>
    </message>
</context>
<context>
    <name>ChartSound</name>
    <message>
        <source>The chart has no value to play.</source>
        <extracomment>Said when H is pressed on a chart without a point</extracomment>
        <translation>El gráfico no tiene ningún valor que reproducir.</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>No se puede reproducir la curva: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>No se encontró ningún dispositivo de sonido: no se puede reproducir la curva.</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>El dispositivo de sonido falló: no se puede reproducir la curva.</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>Sonido detenido</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>Sube de %1 a %2, por un factor e^r = %3 en cada paso: se duplica cada ln 2 / r = %4.</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>Baja de %1 a %2, por un factor e^r = %3 en cada paso: se reduce a la mitad cada ln 2 / |r| = %4.</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>Se mantiene en %1.</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>Es una recta de pendiente r = %1, de %2 a %3.</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>Es constante e igual a r = %1 para todo N(t).</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>El modelo diferencial termina en %1, el modelo en diferencias en %2: uno cambia por un factor e^r = %3 en cada paso, el otro por 1 + r = %4.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1) es N(t) por e^r = %1: una recta que pasa por 0, por encima de la recta y = x.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1) es N(t) por e^r = %1: una recta que pasa por 0, por debajo de la recta y = x.</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1, %2 de %3 a %4.</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1 termina en %2.</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>Los %1 recuentos de la clase se ajustan con r = %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Muestra el nombre y la versión del programa y termina.</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>Tasa de crecimiento r, un número simple como 0.2 o -1.5e-3 (por omisión 0.2).</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>Tamaño inicial de la población N(0), un número simple como 10 o 2.5e3 (por omisión 10).</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>Tiempo final T, un número entero de 0 a %1 (por omisión 20).</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 se da más de una vez; dé cada opción una sola vez</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate debe ser un número simple como 0.2 o -1.5e-3, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial debe ser un número simple como 10 o 2.5e3, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end debe ser un número entero de 0 a %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 es demasiado grande para calcular con él: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>argumento inesperado &quot;%1&quot;; consulte malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>falta --output: el archivo que se escribe, o - para la salida estándar; consulte malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output necesita un nombre de archivo, o - para la salida estándar</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>Abrir las ventanas con este zoom, un número entero de %1 a %2, solo en este inicio; sin la opción se abren con el último zoom elegido con las teclas.</translation>
    </message>
    <message>
        <source>A teaching program about the exponential model of population growth.
Without options it opens its window; with --output it writes the data file
of one run, exactly as the window&apos;s Save does, and opens no window.
Each option is given once at most. Numbers are read as the window reads them:
a number too small for a double is 0, leading zeros count for nothing.

Keys in every window:
  Ctrl++ or Ctrl+=   zoom in (every window, up to 250 %)
  Ctrl+-             zoom out (down to 100 %)
  Ctrl+0             back to 100 %
The zoom chosen with these keys is kept for the next start.</source>
        <translation>Un programa didáctico sobre el modelo exponencial de crecimiento poblacional.
Sin opciones abre su ventana; con --output escribe el archivo de datos
de una simulación, igual que «Guardar» en la ventana, y no abre ninguna ventana.
Cada opción se da una vez como máximo. Los números se leen como en la ventana:
un número demasiado pequeño para un double es 0; los ceros a la izquierda no cuentan.

Teclas en todas las ventanas:
  Ctrl++ o Ctrl+=   ampliar (todas las ventanas, hasta 250 %)
  Ctrl+-            reducir (hasta 100 %)
  Ctrl+0            volver a 100 %
El zoom elegido con estas teclas se conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom abre las ventanas y no se combina con ninguna otra opción, tampoco con --%1</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom debe ser un número entero de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>Escribe el archivo de datos de la simulación en &lt;file&gt;, o en la salida estándar con -. Un archivo normal solo se reemplaza cuando el nuevo está completo y en el disco, y conserva sus permisos; en una FIFO, una terminal o un dispositivo como /dev/stdout se escribe dentro, esperando como una shell a que un programa lo lea; un enlace simbólico se sigue. Un nombre que termina en .xlsx recibe un libro de cálculo: los parámetros, las columnas de la tabla de datos como números y un gráfico.</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>Lee los recuentos de una clase de &lt;file&gt; (dos columnas, tiempo y recuento, separadas por comas, puntos y comas o tabuladores; - para la entrada estándar), ajusta N(t) = N(0) exp(rt) a ellos con t contado desde el primer recuento, e imprime r con su error estándar, N(0), el tiempo de duplicación y R², uno por línea. El programa incluye un ejemplo: %1, los recuentos decenales de la población de EE. UU., 1790 a 1860 (fuente: U.S. Census Bureau, decennial census counts).</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit lee un archivo de recuentos y no va con ninguna otra opción, tampoco con --%1</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit necesita un nombre de archivo, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>Keys on a chart, once Tab has reached it:
  Left, Right          the point before or after, read out
  Home, End            the first or the last point
  Page Up, Page Down   several points back or on
  S                    a spoken summary of the chart
  H                    hear the curve as a tone; Escape stops it
  Enter                the large graph window; there, the next chart
  Escape               leave the points
  Shift+F10            the chart&apos;s menu (copy, save, keep this run)</source>
        <translation>Teclas en un gráfico, una vez que Tab lo ha alcanzado:
  Left, Right          el punto anterior o siguiente, leído en voz alta
  Home, End            el primer o el último punto
  Page Up, Page Down   varios puntos atrás o adelante
  S                    un resumen hablado del gráfico
  H                    oír la curva como un tono; Escape lo detiene
  Enter                la ventana de gráficos grandes; allí, el gráfico siguiente
  Escape               salir de los puntos
  Shift+F10            el menú del gráfico (copiar, guardar, guardar esta ejecución)</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>No se puede escribir %1:
%2.</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>Detalle de los datos</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Volver a la ventana principal</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>Volver a la ventana del gráfico</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>Guardar como hoja de cálculo…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>Guardar como hoja de cálculo</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>Libros de cálculo (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>DataTableModel</name>
    <message>
        <source>N(t)=N(0)*exp(rt)</source>
        <translation>N(t)=N(0)*exp(rt)</translation>
    </message>
    <message>
        <source>N(t+1)-N(t)</source>
        <translation>N(t+1)-N(t)</translation>
    </message>
    <message>
        <source>[N(t+1)-N(t)]/N(t)</source>
        <translation>[N(t+1)-N(t)]/N(t)</translation>
    </message>
    <message>
        <source>dN(t)=r*N(t)</source>
        <translation>dN(t)=r*N(t)</translation>
    </message>
    <message>
        <source>dN(t)/N(t)</source>
        <translation>dN(t)/N(t)</translation>
    </message>
    <message>
        <source>N(t)=N(t-1)+dN(t)</source>
        <translation>N(t)=N(t-1)+dN(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>What a screen reader says for the first value of a row: %1 is the time column&apos;s header (&quot;Time&quot;), %2 the row&apos;s time, %3 the value</extracomment>
        <translation>%1 %2, %3</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>it is closed</source>
        <extracomment>Why a standard stream (such as standard output) cannot be written: the caller closed it.</extracomment>
        <translation>está cerrada</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>No se puede escribir %1: el nombre contiene el signo %2, que representa caracteres que no se pudieron leer, así que designaría otro archivo. Elija otro nombre.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>La pantalla tiene espacio para esta ventana como máximo al %1 %.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Malvora</source>
        <translation>Malvora</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Datos y simulación</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Más...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta ventana</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>Hora actual</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Tasa de crec. (r):</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>Tam. inicial N(0):</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>Para t = 0 hasta </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>Tamaño poblacional en t =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Ejecutar la simulación</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Guardar los datos del gráfico</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>¡Buenos días!</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>¡Buenas tardes!</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <extracomment>Chart buttons: population size N, its change dN (written DN here) and their logarithms ln against time t; keep the symbols, translate &quot;vs.&quot; only</extracomment>
        <translation>N vs. t</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <translation>lnN vs. t</translation>
    </message>
    <message>
        <source>DN vs. t</source>
        <translation>DN vs. t</translation>
    </message>
    <message>
        <source>DN/N vs. N</source>
        <translation>DN/N vs. N</translation>
    </message>
    <message>
        <source>lndN vs. t</source>
        <translation>lndN vs. t</translation>
    </message>
    <message>
        <source>Show graph N(t) vs. t</source>
        <translation>Mostrar el gráfico N(t) frente a t</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>Mostrar el gráfico lnN(t) frente a t</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>Mostrar el gráfico dN(t) frente a t</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>Mostrar el gráfico dN(t)/N(t) frente a N(t)</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>Mostrar el gráfico lndN(t) frente a t</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Fotografía del autor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>Laboratorio de Ecología de Poblaciones</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>Departamento de Biología</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>El crecimiento exponencial es el modelo más simple independiente de la densidad. Forma diferencial:
%1
Forma integral:
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>Pulse Intro o haga clic en CALCULAR para ejecutar el programa con los valores por omisión.  Si cambia los valores, pulse Intro para confirmar el cambio.  Para ver gráficos más grandes, haga clic en el gráfico.  
Sus comentarios son bienvenidos (escriba a %1).</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>Se leyó «%1» como %2: use un punto como separador decimal.</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>No se calculó nada.</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>Tamaño poblacional en t =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter solo acepta tamaños mayores que 0, así que N(0) volvió a %1. Para empezar en 0 o menos, escriba el tamaño y haga clic en Calcular.</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) es demasiado grande para calcular con él, así que volvió a %1. Escriba un tamaño menor.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter en una casilla que no ha cambiado desde el cálculo la devuelve a %1. Escriba un nuevo tamaño o haga clic en Calcular.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter solo acepta tasas mayores que 0, así que la tasa volvió a %1. Para un decrecimiento, escriba la tasa negativa y haga clic en Calcular.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter solo acepta tasas mayores que 0, así que la tasa volvió a %1. Para calcular con r = 0, escriba 0 y haga clic en Calcular.</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>La tasa es demasiado grande para calcular con ella, así que volvió a %1. Escriba una tasa menor.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter en una casilla que no ha cambiado desde el cálculo la devuelve a %1. Escriba una nueva tasa o haga clic en Calcular.</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter solo acepta tiempos finales mayores que 0, así que el tiempo final volvió a %1. Para calcular hasta t = 0, escriba 0 y haga clic en Calcular.</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>Enter solo acepta tiempos finales de 1 a %2, así que el tiempo final volvió a %1.</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter solo acepta tiempos finales enteros, así que el tiempo final volvió a %1. Escriba un número entero y pulse Enter.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter en una casilla que no ha cambiado desde el cálculo la devuelve a %1. Escriba un nuevo tiempo final o haga clic en Calcular.</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>Abrir observaciones</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>Recuentos (*.csv *.tsv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>Abrir observaciones…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>Usar los valores ajustados</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>Observado: %1 (%2 recuentos)</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>Se leyó «%1» como 0: no empieza por un número.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>Se leyó «%1» como %2: el número termina antes de «%3».</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>Se leyó «%1» como %2: un número lleva una sola coma decimal y ningún separador de miles.</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>Tamaño de la población en t = %1: %2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>Haga clic en el gráfico, o pulse Intro sobre él, para verlo en la ventana grande</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>Más sobre el crecimiento exponencial</translation>
    </message>
    <message>
        <source>Malvora is the simplest form of populaiton growth.  It assumes all 
individuals are identical.  It should not be used in species with age structure
and sex differentiation.  Moreover, it does not take the effect of density into
consideration.  This kind of growth can be observed in most microorganisms
for a short period.  After that, density plays an important limiting role.
Because the environment is changing from time to time, the growth rate cannot
be constant for long. However, in artificial environments, such as mass rearing
of green algae or bacteria, the exponential growth rate can be maintained under
constant temperature, continuous harvest and input of fresh culture media.</source>
        <extracomment>The paragraph of the &quot;More about exponential growth&quot; window: nine lines, one a label, split at the line feeds; keep nine lines, each no longer than the English one.</extracomment>
        <translation>Malvora es la forma más simple de crecimiento poblacional.  Supone que todos
los individuos son idénticos.  No debe usarse en especies con estructura de
edades y diferenciación sexual.  Además, no tiene en cuenta el efecto de la
densidad.  Este tipo de crecimiento se observa en la mayoría de los
microorganismos durante un período corto.  Después, la densidad lo limita.
Como el ambiente cambia de un momento a otro, la tasa de crecimiento no
puede ser constante por mucho tiempo.  Sin embargo, en ambientes artificiales,
como la cría masiva de algas verdes o bacterias, se mantiene la tasa exponencial
con temperatura constante, cosecha continua y aporte de medio fresco.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>El crecimiento exponencial es el modelo más simple de crecimiento poblacional. La forma diferencial es dN/dt=rN. La forma integral es N(t)=N(0)Exp(rt), donde N(t) y N(0) son el número de individuos en el tiempo t y en el tiempo cero, respectivamente. El parámetro r es la tasa de crecimiento. El crecimiento exponencial también se llama crecimiento geométrico. La tasa de crecimiento r a veces se llama tasa instantánea, tasa intrínseca, tasa per cápita, tasa geométrica, etc. Es independiente de la densidad. Este modelo no debe usarse para poblaciones con estructura de edades, poblaciones con estructura de estadios ni poblaciones con dos sexos. Supone que todos los individuos son idénticos, que los recursos son ilimitados, que el espacio es ilimitado y que las condiciones ambientales son estables.  Por eso, solo los microorganismos siguen el crecimiento exponencial, y durante un período corto.  Los insectos, las aves, las ranas, los peces, los mamíferos, las serpientes y los caracoles no siguen el crecimiento exponencial.  Algunas poblaciones de insectos pueden crecer rápido, y la gráfica del tamaño poblacional frente al tiempo puede parecerse a la exponencial, p. ej., en pulgones y ácaros. Pero tenga presente que en teoría es incorrecto usar este modelo simple para poblaciones con estructura de edades o con dimorfismo sexual. Los programas ORBEL y STAVEN son modelos con estructura de edades; le invitamos a probarlos.  El programa DUOLIN es un modelo de edad y estadio con dos sexos. Sirve para el estudio y el análisis de datos brutos de la historia de vida de una población con dos sexos. </translation>
    </message>
</context>
<context>
    <name>KeptRuns</name>
    <message>
        <source>r = %1, N(0) = %2</source>
        <translation>r = %1, N(0) = %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A kept run&apos;s curve in the read-out: the run&apos;s name, the curve&apos;s label</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>r = %1; N(0) = %2</source>
        <extracomment>A run&apos;s name where numbers are written with a decimal comma</extracomment>
        <translation>r = %1; N(0) = %2</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>%1 is not a regular file of yours of at most 64 KB; it is left alone, and no setting is read from it or kept in it.</source>
        <translation>%1 no es un archivo normal suyo de 64 KB como máximo; se deja como está, y no se lee de él ni se guarda en él ningún ajuste.</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>Un ajuste necesita al menos %1 recuentos mayores que 0, tomados en dos o más tiempos.</translation>
    </message>
    <message>
        <source>r = %1 ± %2</source>
        <extracomment>The fitted growth rate and its standard error</extracomment>
        <translation>r = %1 ± %2</translation>
    </message>
    <message>
        <source>N(0) = %1</source>
        <extracomment>The fitted count at the first observation&apos;s time</extracomment>
        <translation>N(0) = %1</translation>
    </message>
    <message>
        <source>doubling time = %1</source>
        <translation>tiempo de duplicación = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>tiempo de reducción a la mitad = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>tiempo de duplicación = ninguno: los recuentos no crecen</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>recuentos ajustados = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>recuentos omitidos (0 o menos) = %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1, línea %2: no son dos números, tiempo y recuento: «%3».</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 no contiene observaciones: necesita líneas de dos números, tiempo y recuento.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>observado (%1 recuentos)</translation>
    </message>
    <message>
        <source>observed</source>
        <extracomment>Read-out: a class&apos;s count at a time</extracomment>
        <translation>observado</translation>
    </message>
    <message>
        <source>fitted (r = %1)</source>
        <extracomment>Legend and read-out: the curve fitted to a class&apos;s counts, with its rate</extracomment>
        <translation>ajustado (r = %1)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>No hay ninguna impresora disponible. Configure una impresora predeterminada y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>La impresora %1 no puede imprimir ahora.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>La impresora %1 no puede imprimir ahora: %2. No se imprimió nada.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>La impresora %1 no aceptó la página: %2 No se imprimió nada.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Volver a la ventana principal</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. ¿Puede nombrar tres organismos que puedan crecer exponencialmente en un día?</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. ¿Puede nombrar algún organismo que pueda crecer exponencialmente para siempre?</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. ¿Cree que una población con estructura de edades puede crecer exponencialmente?</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. ¿Está de acuerdo en que la verdad existe, la «crea» usted o no?</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. ¿«Cree» que los cambios de los factores ambientales impiden a los organismos crecer exponencialmente?</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. Tanto el cambio de las condiciones ambientales con el tiempo como el límite de los recursos ambientales son factores importantes que impiden un crecimiento exponencial.  Pero ¿cuál es más importante?</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>Ningún programa está leyendo %1 todavía. Los datos irán allí en cuanto uno lo haga; Cancelar abandona.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>Vesk, A. and H. Marrow. 1985. Two new methods for the study of insect population ecology. Norland J. Entomol. 12:141-156.</source>
        <translation>Vesk, A. and H. Marrow. 1985. Two new methods for the study of insect population ecology. Norland J. Entomol. 12:141-156.</translation>
    </message>
    <message>
        <source>Vesk, A. 1988. Life-table analysis incorporating both sexes and variable development rates among individuals. Ann. Calverly Zool. Soc. 27:33-48.</source>
        <translation>Vesk, A. 1988. Life-table analysis incorporating both sexes and variable development rates among individuals. Ann. Calverly Zool. Soc. 27:33-48.</translation>
    </message>
    <message>
        <source>Eason, G., C.W. Coles and G. Gettinby. 1980. Mathematics and Statistics for the Bio-sciences. Ellis Horwood, Chichester.</source>
        <translation>Eason, G., C.W. Coles and G. Gettinby. 1980. Mathematics and Statistics for the Bio-sciences. Ellis Horwood, Chichester.</translation>
    </message>
    <message>
        <source>Malthus, T.R. 1798. An Essay on the Principle of Population. Reprinted 1970, Penguin Books, Harmondsworth.</source>
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Reimpreso en 1970, Penguin Books, Harmondsworth.</translation>
    </message>
    <message>
        <source>Leslie, P.H. 1945. On the use of matrices in certain population mathematics. Biometrika 33:183-212.</source>
        <translation>Leslie, P.H. 1945. On the use of matrices in certain population mathematics. Biometrika 33:183-212.</translation>
    </message>
    <message>
        <source>Lewis, E.G. 1942. On the generation and growth of a population. Sankhya 6:93-96.</source>
        <translation>Lewis, E.G. 1942. On the generation and growth of a population. Sankhya 6:93-96.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>RunProblem</name>
    <message>
        <source>The end time t must be a whole number from 0 to %1.</source>
        <translation>El tiempo final t debe ser un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>El tamaño inicial N(0) es demasiado grande para calcular con él.</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>La tasa de crecimiento r es demasiado grande para calcular con ella.</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>Con estos valores, algunos números del modelo se vuelven demasiado grandes para que el programa los calcule. Elija un tiempo final menor, o una tasa de crecimiento o un tamaño inicial más cercanos a 0.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dedicatoria</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Descanse en paz</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>Retrato de la dedicatoria</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>Tasa de crecimiento r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>Tamaño inicial N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>Tiempo final T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>Observado</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>Recuento ajustado</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>No se puede crear el libro de cálculo: %1.</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>Simulación guardada %1</translation>
    </message>
</context>
<context>
    <name>backform</name>
    <message>
        <source>Malvora4</source>
        <extracomment>Title of the dark backdrop window behind all others: the program&apos;s name and major version; keep it</extracomment>
        <translation>Malvora4</translation>
    </message>
</context>
<context>
    <name>copyrigh</name>
    <message>
        <source>Copyright</source>
        <translation>Derechos de autor</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>Este programa es obra de su autor. Puede usarlo libremente para la enseñanza y el estudio, pero no puede modificarlo, aplicarle ingeniería inversa ni entregarlo a otros sin el permiso escrito del autor.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Advertencia: este programa está protegido por la ley de derechos de autor y por tratados internacionales.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Fotografía del autor</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>Si usa este programa en su investigación, cite la siguiente referencia en su artículo:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>Puede obtener nuevas versiones de este programa en %1
(Norland Society for Population Ecology, Norland) o en
%2
(National Tolvern University).</translation>
    </message>
    <message>
        <source>© 1997-%1 Arlo Vesk</source>
        <translation>© 1997-%1 Arlo Vesk</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>Form2</source>
        <extracomment>Title of the large graph window: its form name, kept as a name; leave as it is or give the window&apos;s name in your language (&quot;Graph&quot;)</extracomment>
        <translation>Form2</translation>
    </message>
    <message>
        <source>N(t) vs. t</source>
        <extracomment>Chart button: population size N against time t; keep the symbols, translate &quot;vs.&quot; only</extracomment>
        <translation>N(t) vs. t</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <translation>lnN vs. t</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <translation>dN vs. t</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <translation>dN/N vs. N</translation>
    </message>
    <message>
        <source>lndN vs. t</source>
        <translation>lndN vs. t</translation>
    </message>
    <message>
        <source>N(t+1) vs. N(t)</source>
        <translation>N(t+1) vs. N(t)</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>Print button of the large graph window, one letter wide: the first letter of &quot;print&quot;</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>Button back to the main window</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>Haga clic en el gráfico, o pulse Intro sobre él, para ver el siguiente gráfico del ciclo</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimir esta página</translation>
    </message>
    <message>
        <source>Large graphs</source>
        <extracomment>What a screen reader calls the large graph window, whose caption is a bare form name</extracomment>
        <translation>Gráficos grandes</translation>
    </message>
</context>
<context>
    <name>titlform</name>
    <message>
        <source>Malvora</source>
        <translation>Malvora</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Pulse una tecla o haga clic.</translation>
    </message>
</context>
</TS>
