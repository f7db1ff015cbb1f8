<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>Lauf r = %1, N(0) = %2 behalten</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>1 Lauf behalten</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>%1 Läufe behalten</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>Keine Läufe behalten</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>In die Standardausgabe kann nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Left, Right, Home, End, Page Up und Page Down lesen seine Punkte vor; S spricht eine Zusammenfassung; H spielt seine Kurven als Ton, Escape hält ihn an; Shift+F10 öffnet sein Menü.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>das Bild konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1: kein Wert</translation>
    </message>
</context>
<context>
    <name>ChartMenu</name>
    <message>
        <source>Copy chart</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Diagramm speichern unter...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>Diesen Lauf behalten</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Behaltene Läufe vergessen</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
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
        <translation>Verdopplungszeit ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>Halbierungszeit ln 2 / |r| = %1</translation>
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
        <translation>Zeit</translation>
    </message>
    <message>
        <source>t</source>
        <extracomment>The time variable t, as it stands in the read-out (&quot;t = 5&quot;)</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>differential</source>
        <extracomment>Legend: the curve of the differential (continuous) model</extracomment>
        <translation>Differentialmodell</translation>
    </message>
    <message>
        <source>difference</source>
        <extracomment>Legend: the curve of the difference (discrete) model</extracomment>
        <translation>Differenzenmodell</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>Verlauf von N(t) über der Zeit</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>Verlauf von lnN(t) über der Zeit</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>ln N(t) needs N(t) &gt; 0</source>
        <translation>ln N(t) verlangt N(t) &gt; 0</translation>
    </message>
    <message>
        <source>Curve of dN(t) vs. time</source>
        <translation>Verlauf von dN(t) über der Zeit</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>Verlauf von dN(t)/N(t)dt über N(t)</translation>
    </message>
    <message>
        <source>dN/Ndt</source>
        <extracomment>Axis title: the per-capita growth rate dN/(N dt)</extracomment>
        <translation>dN/Ndt</translation>
    </message>
    <message>
        <source>dN/N needs N(t) ≠ 0</source>
        <translation>dN/N verlangt N(t) ≠ 0</translation>
    </message>
    <message>
        <source>Curve of ln(dN(t)) vs. time</source>
        <translation>Verlauf von ln(dN(t)) über der Zeit</translation>
    </message>
    <message>
        <source>lndN(t)</source>
        <translation>lndN(t)</translation>
    </message>
    <message>
        <source>ln dN(t) needs dN(t) &gt; 0</source>
        <translation>ln dN(t) verlangt dN(t) &gt; 0</translation>
    </message>
    <message>
        <source>Differential model and difference model</source>
        <translation>Differentialmodell und Differenzenmodell</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t) (Differential- und Differenzenmodell)</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>Verlauf von N(t+1) über N(t) (Differentialmodell)</translation>
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
        <translation>N(t+1) (Differentialmodell)</translation>
    </message>
</context>
<context>
    <name>ChartSound</name>
    <message>
        <source>The chart has no value to play.</source>
        <extracomment>Said when H is pressed on a chart without a point</extracomment>
        <translation>Das Diagramm hat keinen Wert zum Abspielen.</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>Die Kurve kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>Es wurde kein Audiogerät gefunden: Die Kurve kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>Das Audiogerät hat versagt: Die Kurve kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>Ton angehalten</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>Sie steigt von %1 auf %2, mit jedem Schritt um den Faktor e^r = %3: sie verdoppelt sich alle ln 2 / r = %4.</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>Sie fällt von %1 auf %2, mit jedem Schritt um den Faktor e^r = %3: sie halbiert sich alle ln 2 / |r| = %4.</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>Sie bleibt bei %1.</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>Sie ist eine Gerade mit der Steigung r = %1, von %2 bis %3.</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>Sie ist für jedes N(t) konstant r = %1.</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>Das Differentialmodell endet bei %1, das Differenzenmodell bei %2: das eine ändert sich je Schritt um den Faktor e^r = %3, das andere um 1 + r = %4.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1) ist N(t) mal e^r = %1: eine Gerade durch 0, über der Geraden y = x.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1) ist N(t) mal e^r = %1: eine Gerade durch 0, unter der Geraden y = x.</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1, %2 von %3 bis %4.</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1 endet bei %2.</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>Die %1 Zählungen der Klasse werden durch r = %2 angepasst.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Name und Version des Programms zeigen und beenden.</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>Wachstumsrate r, eine einfache Zahl wie 0.2 oder -1.5e-3 (Vorgabe 0.2).</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>Anfangsgröße der Population N(0), eine einfache Zahl wie 10 oder 2.5e3 (Vorgabe 10).</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>Endzeit T, eine ganze Zahl von 0 bis %1 (Vorgabe 20).</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 ist mehrfach angegeben; jede Option nur einmal angeben</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate muss eine einfache Zahl wie 0.2 oder -1.5e-3 sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial muss eine einfache Zahl wie 10 oder 2.5e3 sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end muss eine ganze Zahl von 0 bis %1 sein, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 ist zu groß, um damit zu rechnen: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>unerwartetes Argument &quot;%1&quot;; siehe malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>--output fehlt: die zu schreibende Datei, oder - für die Standardausgabe; siehe malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output braucht einen Dateinamen, oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>Die Fenster mit diesem Zoom öffnen, einer ganzen Zahl von %1 bis %2, nur für diesen Start; ohne die Option öffnen sie mit dem zuletzt über die Tasten gewählten Zoom.</translation>
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
        <translation>Ein Lehrprogramm zum exponentiellen Modell des Populationswachstums.
Ohne Optionen öffnet es sein Fenster; mit --output schreibt es die Datendatei
eines Laufs, genau wie „Speichern“ im Fenster, und öffnet kein Fenster.
Jede Option wird höchstens einmal angegeben. Zahlen werden wie im Fenster gelesen:
eine für double zu kleine Zahl ist 0, führende Nullen zählen nicht.

Tasten in jedem Fenster:
  Strg++ oder Strg+=   vergrößern (alle Fenster, bis 250 %)
  Strg+-               verkleinern (bis 100 %)
  Strg+0               zurück auf 100 %
Der mit diesen Tasten gewählte Zoom bleibt für den nächsten Start erhalten.</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom öffnet die Fenster und geht mit keiner anderen Option zusammen, auch nicht mit --%1</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom muss eine ganze Zahl von %1 bis %2 sein, nicht „%3“</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>Die Datendatei des Laufs nach &lt;file&gt; schreiben, oder mit - in die Standardausgabe. Eine gewöhnliche Datei wird erst ersetzt, wenn die neue vollständig auf der Platte steht, und behält ihre Rechte; in eine FIFO, ein Terminal oder ein Gerät wie /dev/stdout wird hineingeschrieben, wobei wie in einer Shell gewartet wird, bis ein Programm liest; einem symbolischen Link wird gefolgt. Ein Name, der auf .xlsx endet, erhält eine Arbeitsmappe: die Parameter, die Spalten der Datentabelle als Zahlen und ein Diagramm.</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>Die Zählungen einer Klasse aus &lt;file&gt; lesen (zwei Spalten, Zeit und Anzahl, getrennt durch Kommas, Semikolons oder Tabulatoren; - für die Standardeingabe), N(t) = N(0) exp(rt) daran anpassen, mit t ab der ersten Zählung gerechnet, und r mit seinem Standardfehler, N(0), die Verdopplungszeit und R² ausgeben, je eine Zeile. Das Programm liefert ein Beispiel mit: %1, die Volkszählungen der USA alle zehn Jahre, 1790 bis 1860 (Quelle: U.S. Census Bureau, decennial census counts).</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit liest eine Datei mit Zählungen und steht mit keiner anderen Option, nicht mit --%1</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit braucht einen Dateinamen, oder - für die Standardeingabe</translation>
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
        <translation>Tasten in einem Diagramm, sobald Tab es erreicht hat:
  Left, Right          der Punkt davor oder danach, vorgelesen
  Home, End            der erste oder der letzte Punkt
  Page Up, Page Down   einige Punkte zurück oder weiter
  S                    eine gesprochene Zusammenfassung des Diagramms
  H                    die Kurve als Ton hören; Escape beendet ihn
  Enter                das Fenster der großen Diagramme; dort das nächste Diagramm
  Escape               die Punkte verlassen
  Shift+F10            das Menü des Diagramms (kopieren, speichern, diesen Lauf behalten)</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>%1 kann nicht geschrieben werden:
%2.</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>Daten im Einzelnen</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>Zurück zum Diagrammfenster</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>Als Tabellendokument speichern…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>Als Tabellendokument speichern</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>Arbeitsmappen (*.xlsx)</translation>
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
        <translation>Zeit</translation>
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
        <translation>sie ist geschlossen</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>%1 kann nicht geschrieben werden: Der Name enthält das Zeichen %2, das für nicht lesbare Zeichen steht; er würde also eine andere Datei bezeichnen. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>Der Bildschirm hat für dieses Fenster höchstens bei %1 % Platz.</translation>
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
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Daten und Lauf</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Dieses Fenster drucken</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>Aktuelle Zeit</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Wachstumsrate r:</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>Startgröße N(0):</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>Für t = 0 bis </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>Populationsgröße bei t =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Simulation starten</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Diagrammdaten speichern</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>Guten Morgen!</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>Guten Tag!</translation>
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
        <translation>Diagramm N(t) über t zeigen</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>Diagramm lnN(t) über t zeigen</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>Diagramm dN(t) über t zeigen</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>Diagramm dN(t)/N(t) über N(t) zeigen</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>Diagramm lndN(t) über t zeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Foto des Autors</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>Labor für Populationsökologie</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>Fachbereich Biologie</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>Exponentielles Wachstum ist das einfachste dichteunabhängige Modell. Differentialform:
%1
Integralform:
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>Enter oder START rechnet mit den Vorgabewerten.  Geänderte Werte bestätigen Sie mit Enter.  Ein Klick auf das Diagramm vergrößert es.  
Anmerkungen gern per E-Mail an %1.</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>„%1“ als %2 gelesen: Bitte einen Punkt als Dezimalzeichen verwenden.</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>Es wurde nichts berechnet.</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>Populationsgröße bei t =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter nimmt nur Größen über 0 an, darum steht N(0) wieder auf %1. Um bei 0 oder darunter zu beginnen, die Größe eingeben und auf Start klicken.</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) ist zu groß, um damit zu rechnen, darum steht es wieder auf %1. Eine kleinere Größe eingeben.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter in einem Feld, das seit der Berechnung nicht geändert wurde, setzt es auf %1 zurück. Eine neue Größe eingeben oder auf Start klicken.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter nimmt nur Raten über 0 an, darum steht die Rate wieder auf %1. Für eine Abnahme die negative Rate eingeben und auf Start klicken.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter nimmt nur Raten über 0 an, darum steht die Rate wieder auf %1. Für r = 0 eine 0 eingeben und auf Start klicken.</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Die Rate ist zu groß, um damit zu rechnen, darum steht sie wieder auf %1. Eine kleinere Rate eingeben.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter in einem Feld, das seit der Berechnung nicht geändert wurde, setzt es auf %1 zurück. Eine neue Rate eingeben oder auf Start klicken.</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter nimmt nur Endzeiten über 0 an, darum steht die Endzeit wieder auf %1. Um bis t = 0 zu rechnen, eine 0 eingeben und auf Start klicken.</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>Enter nimmt nur Endzeiten von 1 bis %2 an, darum steht die Endzeit wieder auf %1.</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter nimmt nur ganzzahlige Endzeiten an, darum steht die Endzeit wieder auf %1. Eine ganze Zahl eingeben und Enter drücken.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter in einem Feld, das seit der Berechnung nicht geändert wurde, setzt es auf %1 zurück. Eine neue Endzeit eingeben oder auf Start klicken.</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>Beobachtungen öffnen</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>Zählungen (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>Beobachtungen öffnen…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>Angepasste Werte übernehmen</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>Beobachtet: %1 (%2 Zählungen)</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>„%1“ als 0 gelesen: Es beginnt nicht mit einer Zahl.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>„%1“ als %2 gelesen: Die Zahl endet vor „%3“.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>„%1“ als %2 gelesen: Eine Zahl hat ein Dezimalkomma und keine Tausendertrennzeichen.</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>Populationsgröße bei t = %1: %2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>Klicken Sie auf das Diagramm oder drücken Sie darauf Enter, um es im großen Fenster zu sehen</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>Mehr zum exponentiellen Wachstum</translation>
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
        <translation>Malvora ist die einfachste Form des Populationswachstums.  Es setzt voraus,
dass alle Individuen gleich sind.  Für Arten mit Altersstruktur und
Geschlechtertrennung ist es nicht geeignet.  Zudem berücksichtigt es
die Wirkung der Dichte nicht.  Solches Wachstum zeigen die meisten
Mikroorganismen für kurze Zeit.  Danach begrenzt die Dichte das Wachstum.
Da sich die Umwelt ständig ändert, kann die Wachstumsrate nicht lange
konstant bleiben.  In künstlicher Umgebung aber, etwa in Massenzuchten
von Grünalgen oder Bakterien, lässt sich die exponentielle Wachstumsrate
halten: bei konstanter Temperatur, laufender Ernte und frischem Nährmedium.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>Das exponentielle Wachstum ist das einfachste Modell des Populationswachstums. Die Differentialform lautet dN/dt=rN. Die Integralform lautet N(t)=N(0)Exp(rt), wobei N(t) und N(0) die Zahl der Individuen zur Zeit t bzw. zur Zeit null sind. Der Parameter r ist die Wachstumsrate. Das exponentielle Wachstum heißt auch geometrisches Wachstum. Die Wachstumsrate r wird manchmal auch momentane Rate, intrinsische Rate, Pro-Kopf-Rate, geometrische Rate usw. genannt. Sie ist dichteunabhängig. Dieses Modell sollte nicht für altersstrukturierte Populationen, stadienstrukturierte Populationen oder zweigeschlechtliche Populationen verwendet werden. Es setzt voraus, dass alle Individuen gleich sind, die Ressourcen unbegrenzt sind, der Raum unbegrenzt ist und die Umweltbedingungen stabil sind.  Deshalb folgen nur Mikroorganismen für kurze Zeit dem exponentiellen Wachstum.  Insekten, Vögel, Frösche, Fische, Säugetiere, Schlangen und Schnecken folgen nicht dem exponentiellen Wachstum.  Manche Insektenpopulationen können schnell wachsen, und die Auftragung der Populationsgröße gegen die Zeit kann der exponentiellen Kurve ähneln, z. B. bei Blattläusen und Milben. Bedenken Sie aber, dass es theoretisch falsch ist, dieses einfache Modell auf Populationen mit Altersstruktur oder mit Geschlechtsdimorphismus anzuwenden. Die Programme ORBEL und STAVEN sind altersstrukturierte Modelle; probieren Sie sie gern aus.  Das Programm DUOLIN ist ein Alters-Stadien-Modell mit zwei Geschlechtern. Es dient dem Studium und der Auswertung von Rohdaten zur Lebensgeschichte einer zweigeschlechtlichen Population. </translation>
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
        <translation>%1 ist keine gewöhnliche Datei von Ihnen mit höchstens 64 KB; sie bleibt unberührt, und keine Einstellung wird aus ihr gelesen oder in ihr gespeichert.</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>Eine Anpassung braucht mindestens %1 Zählungen über 0, zu zwei oder mehr Zeitpunkten.</translation>
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
        <translation>Verdopplungszeit = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>Halbierungszeit = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>Verdopplungszeit = keine: Die Zählungen wachsen nicht</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>angepasste Zählungen = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>ausgelassene Zählungen (0 oder weniger) = %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1, Zeile %2: nicht zwei Zahlen, Zeit und Anzahl: „%3“.</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 enthält keine Beobachtungen: Nötig sind Zeilen mit zwei Zahlen, Zeit und Anzahl.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>beobachtet (%1 Zählungen)</translation>
    </message>
    <message>
        <source>observed</source>
        <extracomment>Read-out: a class&apos;s count at a time</extracomment>
        <translation>beobachtet</translation>
    </message>
    <message>
        <source>fitted (r = %1)</source>
        <extracomment>Legend and read-out: the curve fitted to a class&apos;s counts, with its rate</extracomment>
        <translation>angepasst (r = %1)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>Es ist kein Drucker verfügbar. Richten Sie einen Standarddrucker ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>Der Drucker %1 kann jetzt nicht drucken.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>Der Drucker %1 kann jetzt nicht drucken: %2. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>Der Drucker %1 hat die Seite nicht angenommen: %2 Es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. Können Sie drei Organismen nennen, die innerhalb eines Tages exponentiell wachsen können?</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. Können Sie einen Organismus nennen, der für immer exponentiell wachsen kann?</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. Glauben Sie, dass eine altersstrukturierte Population exponentiell wachsen kann?</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. Stimmen Sie zu, dass es die Wahrheit gibt, ob Sie sie nun „glauben“ oder nicht?</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. „Glauben“ Sie, dass Veränderungen der Umweltfaktoren Organismen daran hindern, exponentiell zu wachsen?</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. Sowohl die Veränderung der Umweltbedingungen mit der Zeit als auch die Begrenztheit der Ressourcen sind wichtige Faktoren, die exponentielles Wachstum verhindern.  Doch welcher ist wichtiger?</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>Noch liest kein Programm aus %1. Die Daten gehen hinein, sobald eines liest; Abbrechen gibt auf.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
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
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Nachdruck 1970, Penguin Books, Harmondsworth.</translation>
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
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RunProblem</name>
    <message>
        <source>The end time t must be a whole number from 0 to %1.</source>
        <translation>Die Endzeit t muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>Die Anfangsgröße N(0) ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>Die Wachstumsrate r ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>Mit diesen Werten werden einige Zahlen des Modells zu groß, als dass das Programm sie berechnen könnte. Wählen Sie eine kleinere Endzeit oder eine Wachstumsrate oder Anfangsgröße näher an 0.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Widmung</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Gott hab ihn selig</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>Bild zur Widmung</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>Wachstumsrate r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>Anfangsgröße N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>Endzeit T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>Beobachtet</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>Angepasste Anzahl</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>Die Arbeitsmappe kann nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>Behaltener Lauf %1</translation>
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
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>Dieses Programm ist das Werk seines Autors. Sie dürfen es gern in Lehre und Studium verwenden, es aber ohne schriftliche Erlaubnis des Autors weder verändern noch zurückentwickeln noch an andere weitergeben.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Warnung: Dieses Programm ist durch das Urheberrecht und internationale Verträge geschützt.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Foto des Autors</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>Wenn Sie dieses Programm in Ihrer Forschung nutzen, zitieren Sie bitte:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>Neue Versionen dieses Programms gibt es unter %1
(Norland Society for Population Ecology, Norland) oder
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
        <translation>Details</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>Print button of the large graph window, one letter wide: the first letter of &quot;print&quot;</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>Button back to the main window</extracomment>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>Klicken Sie auf das Diagramm oder drücken Sie darauf Enter, um das nächste Diagramm des Zyklus zu zeigen</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Large graphs</source>
        <extracomment>What a screen reader calls the large graph window, whose caption is a bare form name</extracomment>
        <translation>Große Diagramme</translation>
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
        <translation>Zum Start eine Taste drücken oder klicken.</translation>
    </message>
</context>
</TS>
