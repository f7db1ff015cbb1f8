<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>Simulation r = %1, N(0) = %2 conservée</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>1 simulation conservée</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>%1 simulations conservées</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>Aucune simulation conservée</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Impossible d&apos;écrire sur la sortie standard : %1.</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Gauche, Droite, Début, Fin, Page précédente et Page suivante lisent ses points ; S donne un résumé ; H joue ses courbes en son, et Échap l&apos;arrête ; Maj+F10 ouvre son menu.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1 : aucune valeur</translation>
    </message>
</context>
<context>
    <name>ChartMenu</name>
    <message>
        <source>Copy chart</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Enregistrer le graphique sous...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>Garder cette simulation</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Oublier les simulations gardées</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Enregistrer le graphique sous</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
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
        <translation>%1 : %2 = %3, %4 = %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1 : %2 = %3</translation>
    </message>
    <message>
        <source>Doubling time ln 2 / r = %1</source>
        <translation>Temps de doublement ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>Temps de division par deux ln 2 / |r| = %1</translation>
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
        <translation>Temps</translation>
    </message>
    <message>
        <source>t</source>
        <extracomment>The time variable t, as it stands in the read-out (&quot;t = 5&quot;)</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>differential</source>
        <extracomment>Legend: the curve of the differential (continuous) model</extracomment>
        <translation>modèle différentiel</translation>
    </message>
    <message>
        <source>difference</source>
        <extracomment>Legend: the curve of the difference (discrete) model</extracomment>
        <translation>modèle aux différences</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>Courbe de N(t) en fonction du temps</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>Courbe de lnN(t) en fonction du temps</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>ln N(t) needs N(t) &gt; 0</source>
        <translation>ln N(t) exige N(t) &gt; 0</translation>
    </message>
    <message>
        <source>Curve of dN(t) vs. time</source>
        <translation>Courbe de dN(t) en fonction du temps</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>Courbe de dN(t)/N(t)dt en fonction de N(t)</translation>
    </message>
    <message>
        <source>dN/Ndt</source>
        <extracomment>Axis title: the per-capita growth rate dN/(N dt)</extracomment>
        <translation>dN/Ndt</translation>
    </message>
    <message>
        <source>dN/N needs N(t) ≠ 0</source>
        <translation>dN/N exige N(t) ≠ 0</translation>
    </message>
    <message>
        <source>Curve of ln(dN(t)) vs. time</source>
        <translation>Courbe de ln(dN(t)) en fonction du temps</translation>
    </message>
    <message>
        <source>lndN(t)</source>
        <translation>lndN(t)</translation>
    </message>
    <message>
        <source>ln dN(t) needs dN(t) &gt; 0</source>
        <translation>ln dN(t) exige dN(t) &gt; 0</translation>
    </message>
    <message>
        <source>Differential model and difference model</source>
        <translation>Modèle différentiel et modèle aux différences</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t) (modèles différentiel et aux différences)</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>Courbe de N(t+1) en fonction de N(t) (modèle différentiel)</translation>
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
        <translation>N(t+1) (différentiel)</translation>
    </message>
</context>
<context>
    <name>ChartSound</name>
    <message>
        <source>The chart has no value to play.</source>
        <extracomment>Said when H is pressed on a chart without a point</extracomment>
        <translation>Le graphique n&apos;a aucune valeur à jouer.</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>La courbe ne peut pas être jouée : %1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>Aucun périphérique audio n&apos;a été trouvé : la courbe ne peut pas être jouée.</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>Le périphérique audio a échoué : la courbe ne peut pas être jouée.</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>Son arrêté</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>Elle monte de %1 à %2, d’un facteur e^r = %3 à chaque pas : elle double tous les ln 2 / r = %4.</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>Elle descend de %1 à %2, d’un facteur e^r = %3 à chaque pas : elle diminue de moitié tous les ln 2 / |r| = %4.</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>Elle reste à %1.</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>C’est une droite de pente r = %1, de %2 à %3.</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>Elle est constante, égale à r = %1, pour tout N(t).</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>Le modèle différentiel finit à %1, le modèle aux différences à %2 : l’un change d’un facteur e^r = %3 par pas, l’autre de 1 + r = %4.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1) vaut N(t) fois e^r = %1 : une droite passant par 0, au-dessus de la droite y = x.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1) vaut N(t) fois e^r = %1 : une droite passant par 0, au-dessous de la droite y = x.</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1, %2 de %3 à %4.</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1 finit à %2.</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>Les %1 comptages de la classe sont ajustés par r = %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Affiche le nom et la version du programme et quitte.</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>Taux de croissance r, un nombre simple comme 0.2 ou -1.5e-3 (0.2 par défaut).</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>Effectif initial de la population N(0), un nombre simple comme 10 ou 2.5e3 (10 par défaut).</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>Temps final T, un nombre entier de 0 à %1 (20 par défaut).</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 est donné plusieurs fois ; donnez chaque option une seule fois</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate doit être un nombre simple comme 0.2 ou -1.5e-3, et non « %1 »</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial doit être un nombre simple comme 10 ou 2.5e3, et non « %1 »</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end doit être un nombre entier de 0 à %1, et non « %2 »</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 est trop grand pour le calcul : « %2 »</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>argument inattendu « %1 » ; voir malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>--output est nécessaire : le fichier à écrire, ou - pour la sortie standard ; voir malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output demande un nom de fichier, ou - pour la sortie standard</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>Ouvrir les fenêtres à ce zoom, un nombre entier de %1 à %2, pour ce lancement seulement ; sans cette option, elles s&apos;ouvrent au dernier zoom choisi avec les touches.</translation>
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
        <translation>Un programme d&apos;enseignement sur le modèle exponentiel de croissance des populations.
Sans option, il ouvre sa fenêtre ; avec --output, il écrit le fichier de données
d&apos;une simulation, exactement comme « Enregistrer » dans la fenêtre, sans fenêtre.
Chaque option est donnée une fois au plus. Les nombres sont lus comme dans la fenêtre :
un nombre trop petit pour un double vaut 0, les zéros en tête ne comptent pas.

Touches dans chaque fenêtre :
  Ctrl++ ou Ctrl+=   agrandir (toutes les fenêtres, jusqu&apos;à 250 %)
  Ctrl+-             réduire (jusqu&apos;à 100 %)
  Ctrl+0             revenir à 100 %
Le zoom choisi avec ces touches est conservé pour le prochain lancement.</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom ouvre les fenêtres et ne se combine avec aucune autre option, pas même --%1</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom doit être un nombre entier de %1 à %2, et non « %3 »</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>Écrit le fichier de données de la simulation dans &lt;file&gt;, ou sur la sortie standard avec -. Un fichier ordinaire n&apos;est remplacé qu&apos;une fois le nouveau complet et sur le disque, et garde ses permissions ; une FIFO, un terminal ou un périphérique comme /dev/stdout reçoit les données directement, après avoir attendu comme un shell qu&apos;un programme les lise ; un lien symbolique est suivi. Un nom qui se termine par .xlsx reçoit un classeur : les paramètres, les colonnes du tableau de données sous forme de nombres et un graphique.</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>Lit les comptages d&apos;une classe dans &lt;file&gt; (deux colonnes, temps et comptage, séparées par des virgules, des points-virgules ou des tabulations ; - pour l&apos;entrée standard), y ajuste N(t) = N(0) exp(rt) avec t compté depuis le premier comptage, et affiche r avec son erreur type, N(0), le temps de doublement et R², un par ligne. Le programme fournit un exemple : %1, les recensements décennaux de la population des États-Unis, 1790 à 1860 (source : U.S. Census Bureau, decennial census counts).</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit lit un fichier de comptages et ne va avec aucune autre option, pas avec --%1</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit a besoin d&apos;un nom de fichier, ou de - pour l&apos;entrée standard</translation>
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
        <translation>Touches sur un graphique, une fois que Tab l’a atteint :
  Left, Right          le point précédent ou suivant, lu à voix haute
  Home, End            le premier ou le dernier point
  Page Up, Page Down   plusieurs points en arrière ou en avant
  S                    un résumé parlé du graphique
  H                    entendre la courbe comme un son ; Échap l’arrête
  Enter                la fenêtre des grands graphiques ; là, le graphique suivant
  Escape               quitter les points
  Shift+F10            le menu du graphique (copier, enregistrer, conserver cette simulation)</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>Impossible d&apos;écrire %1 :
%2.</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>Détail des données</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Vers la fenêtre principale</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>Vers la fenêtre du graphique</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>Enregistrer comme classeur…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>Enregistrer comme classeur</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>Classeurs (*.xlsx)</translation>
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
        <translation>Temps</translation>
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
        <translation>elle est fermée</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>Impossible d&apos;écrire %1 : le nom contient le signe %2, qui remplace des caractères illisibles ; il désignerait donc un autre fichier. Choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>L&apos;écran a de la place pour cette fenêtre à %1 % au plus.</translation>
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
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Données et simulation</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Taux (r) :</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>Effectif N(0) :</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>Pour t = 0 à </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>Effectif de la population à t =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Lancer la simulation</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Enregistrer les données du graphique</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>Bonjour !</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>Bon après-midi !</translation>
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
        <translation>Afficher le graphique N(t) en fonction de t</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>Afficher le graphique lnN(t) en fonction de t</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>Afficher le graphique dN(t) en fonction de t</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>Afficher le graphique dN(t)/N(t) en fonction de N(t)</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>Afficher le graphique lndN(t) en fonction de t</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Photographie de l&apos;auteur</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>Laboratoire d&apos;écologie des populations</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>Département de biologie</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>La croissance exponentielle est le plus simple des modèles indépendants de la densité. Forme différentielle :
%1
Forme intégrée :
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>Appuyez sur Entrée ou cliquez sur CALCULER pour exécuter le programme avec les valeurs par défaut.  Si vous changez ces valeurs, appuyez sur Entrée pour confirmer.  Pour agrandir un graphique, cliquez dessus.  
Vos remarques sont les bienvenues (écrivez à %1).</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>« %1 » lu comme %2 : utilisez un point comme séparateur décimal.</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>Rien n&apos;a été calculé.</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>Effectif de la population à t =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des effectifs supérieurs à 0 : N(0) est revenu à %1. Pour partir de 0 ou moins, tapez l&apos;effectif et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) est trop grand pour les calculs : il est revenu à %1. Tapez un effectif plus petit.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Entrée dans une case non modifiée depuis le calcul la remet à %1. Tapez un nouvel effectif ou cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des taux supérieurs à 0 : le taux est revenu à %1. Pour une décroissance, tapez le taux négatif et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des taux supérieurs à 0 : le taux est revenu à %1. Pour calculer avec r = 0, tapez 0 et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Le taux est trop grand pour les calculs : il est revenu à %1. Tapez un taux plus petit.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Entrée dans une case non modifiée depuis le calcul la remet à %1. Tapez un nouveau taux ou cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des temps finaux supérieurs à 0 : le temps final est revenu à %1. Pour calculer jusqu&apos;à t = 0, tapez 0 et cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des temps finaux de 1 à %2 : le temps final est revenu à %1.</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Entrée n&apos;accepte que des temps finaux entiers : le temps final est revenu à %1. Tapez un nombre entier et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Entrée dans une case non modifiée depuis le calcul la remet à %1. Tapez un nouveau temps final ou cliquez sur Calculer.</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>Ouvrir des observations</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>Comptages (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>Ouvrir des observations…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>Utiliser les valeurs ajustées</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>Observé : %1 (%2 comptages)</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>« %1 » lu comme 0 : il ne commence pas par un nombre.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>« %1 » lu comme %2 : le nombre s&apos;arrête avant « %3 ».</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>« %1 » lu comme %2 : un nombre prend une seule virgule décimale et aucun séparateur de milliers.</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>Taille de la population à t = %1 : %2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>Cliquez sur le graphique, ou appuyez sur Entrée, pour le voir dans la grande fenêtre</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>En savoir plus sur la croissance exponentielle</translation>
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
        <translation>Malvora est la forme la plus simple de croissance des populations.  Elle suppose
que tous les individus sont identiques.  Elle ne convient pas aux espèces
structurées en âges et à sexes différenciés.  De plus, elle ne tient pas compte
de l&apos;effet de la densité.  On observe cette croissance chez la plupart des
micro-organismes pendant une courte période.  Ensuite, la densité la limite.
Comme l&apos;environnement change sans cesse, le taux de croissance ne peut pas
rester longtemps constant.  Mais en milieu artificiel, par exemple en élevage
de masse d&apos;algues vertes ou de bactéries, le taux exponentiel se maintient à
température constante, avec récolte continue et apport de milieu de culture frais.</translation>
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
        <translation>Introduction</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Bibliographie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>La croissance exponentielle est le modèle le plus simple de croissance des populations. La forme différentielle est dN/dt=rN. La forme intégrée est N(t)=N(0)Exp(rt), où N(t) et N(0) sont le nombre d&apos;individus au temps t et au temps zéro. Le paramètre r est le taux de croissance. La croissance exponentielle est aussi appelée croissance géométrique. Le taux de croissance r est parfois appelé taux instantané, taux intrinsèque, taux par individu, taux géométrique, etc. Il est indépendant de la densité. Ce modèle ne doit pas être utilisé pour une population structurée en âges, une population structurée en stades ou une population à deux sexes. Il suppose que tous les individus sont identiques, que les ressources sont illimitées, que l&apos;espace est illimité et que les conditions du milieu sont stables.  C&apos;est pourquoi seuls les micro-organismes suivent une croissance exponentielle, et pendant une courte période.  Les insectes, les oiseaux, les grenouilles, les poissons, les mammifères, les serpents et les escargots ne suivent pas la croissance exponentielle.  Certaines populations d&apos;insectes peuvent croître vite, et la courbe de l&apos;effectif en fonction du temps peut ressembler à une exponentielle, par exemple chez les pucerons et les acariens. Mais gardez à l&apos;esprit qu&apos;il est théoriquement faux d&apos;appliquer ce modèle simple à une population structurée en âges ou présentant un dimorphisme sexuel. Les programmes ORBEL et STAVEN sont des modèles structurés en âges ; n&apos;hésitez pas à les essayer.  Le programme DUOLIN est un modèle âge-stade à deux sexes. Il sert à l&apos;étude et à l&apos;analyse des données brutes du cycle de vie d&apos;une population à deux sexes. </translation>
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
        <translation>%1 n&apos;est pas un fichier ordinaire à vous d&apos;au plus 64 Ko ; il est laissé tel quel, et aucun réglage n&apos;y est lu ni gardé.</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>Un ajustement demande au moins %1 comptages supérieurs à 0, pris à deux instants ou plus.</translation>
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
        <translation>temps de doublement = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>temps de division par deux = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>temps de doublement = aucun : les comptages ne croissent pas</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>comptages ajustés = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>comptages écartés (0 ou moins) = %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1, ligne %2 : pas deux nombres, temps et comptage : « %3 ».</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 ne contient aucune observation : il faut des lignes de deux nombres, temps et comptage.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>observé (%1 comptages)</translation>
    </message>
    <message>
        <source>observed</source>
        <extracomment>Read-out: a class&apos;s count at a time</extracomment>
        <translation>observé</translation>
    </message>
    <message>
        <source>fitted (r = %1)</source>
        <extracomment>Legend and read-out: the curve fitted to a class&apos;s counts, with its rate</extracomment>
        <translation>ajusté (r = %1)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>Aucune imprimante n&apos;est disponible. Configurez une imprimante par défaut et réessayez.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>L&apos;imprimante %1 ne peut pas imprimer pour l&apos;instant.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>L&apos;imprimante %1 ne peut pas imprimer pour l&apos;instant : %2. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté la page : %2 Rien n&apos;a été imprimé.</translation>
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
        <translation>Vers la fenêtre principale</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. Pouvez-vous citer trois organismes capables de croître de façon exponentielle en un jour ?</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. Pouvez-vous citer un organisme capable de croître de façon exponentielle pour toujours ?</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. Croyez-vous qu&apos;une population structurée en âges puisse croître de façon exponentielle ?</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. Êtes-vous d&apos;accord que la vérité existe, que vous y « croyiez » ou non ?</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. « Croyez »-vous que les changements des facteurs du milieu empêchent les organismes de croître de façon exponentielle ?</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. Le changement des conditions du milieu au cours du temps et la limite des ressources du milieu sont tous deux des facteurs importants qui empêchent une croissance exponentielle.  Mais lequel est le plus important ?</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>Aucun programme ne lit encore %1. Les données y partiront dès qu&apos;un programme le lira ; Annuler abandonne.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Bibliographie</translation>
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
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Réimprimé en 1970, Penguin Books, Harmondsworth.</translation>
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
        <translation>Le temps final t doit être un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>L&apos;effectif initial N(0) est trop grand pour le calcul.</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>Le taux de croissance r est trop grand pour le calcul.</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>Avec ces valeurs, certains nombres du modèle deviennent trop grands pour que le programme les calcule. Choisissez un temps final plus petit, ou un taux de croissance ou un effectif initial plus proche de 0.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dédicace</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Que Dieu ait son âme</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>Portrait de la dédicace</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>Taux de croissance r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>Taille initiale N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>Temps final T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>Observé</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>Comptage</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>Comptage ajusté</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>Impossible de créer le classeur : %1.</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>Simulation gardée %1</translation>
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
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>Ce programme est l&apos;œuvre de son auteur. Vous pouvez l&apos;utiliser librement pour l&apos;enseignement et l&apos;étude, mais vous ne pouvez ni le modifier, ni le décompiler, ni le transmettre à d&apos;autres sans l&apos;autorisation écrite de l&apos;auteur.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Avertissement : ce programme est protégé par la loi sur le droit d&apos;auteur et par les traités internationaux.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Photographie de l&apos;auteur</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>Si vous utilisez ce programme dans vos recherches, citez :

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>Vous trouverez les nouvelles versions de ce programme sur %1
(Norland Society for Population Ecology, Norland) ou
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
        <translation>Détail</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>Print button of the large graph window, one letter wide: the first letter of &quot;print&quot;</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>Button back to the main window</extracomment>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>Cliquez sur le graphique, ou appuyez sur Entrée, pour afficher le graphique suivant du cycle</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Imprimer cette page</translation>
    </message>
    <message>
        <source>Large graphs</source>
        <extracomment>What a screen reader calls the large graph window, whose caption is a bare form name</extracomment>
        <translation>Grands graphiques</translation>
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
        <translation>Appuyez sur une touche ou cliquez.</translation>
    </message>
</context>
</TS>
