<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>Execução r = %1, N(0) = %2 guardada</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>1 execução guardada</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>%1 execuções guardadas</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>Nenhuma execução guardada</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Não é possível escrever na saída padrão: %1.</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Esquerda, Direita, Home, End, Page Up e Page Down leem seus pontos; S fala um resumo; H toca suas curvas como som, e Esc o interrompe; Shift+F10 abre seu menu.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>não foi possível criar a imagem</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1: sem valor</translation>
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
        <translation>Salvar gráfico como...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>Guardar esta simulação</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Esquecer simulações guardadas</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Salvar gráfico como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
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
        <translation>Tempo de duplicação ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>Tempo de redução à metade ln 2 / |r| = %1</translation>
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
        <translation>Tempo</translation>
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
        <translation>modelo de diferenças</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>Curva de N(t) em função do tempo</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>Curva de lnN(t) em função do tempo</translation>
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
        <translation>Curva de dN(t) em função do tempo</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>Curva de dN(t)/N(t)dt em função de N(t)</translation>
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
        <translation>Curva de ln(dN(t)) em função do tempo</translation>
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
        <translation>Modelo diferencial e modelo de diferenças</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t) (modelos diferencial e de diferenças)</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>Curva de N(t+1) em função de N(t) (modelo diferencial)</translation>
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
        <translation>O gráfico não tem nenhum valor para tocar.</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>Não é possível tocar a curva: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>Nenhum dispositivo de som foi encontrado: não é possível tocar a curva.</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>O dispositivo de som falhou: não é possível tocar a curva.</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>Som interrompido</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>Sobe de %1 para %2, por um fator e^r = %3 a cada passo: dobra a cada ln 2 / r = %4.</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>Cai de %1 para %2, por um fator e^r = %3 a cada passo: cai pela metade a cada ln 2 / |r| = %4.</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>Permanece em %1.</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>É uma reta de inclinação r = %1, de %2 a %3.</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>É constante, igual a r = %1, para todo N(t).</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>O modelo diferencial termina em %1, o modelo de diferenças em %2: um muda por um fator e^r = %3 a cada passo, o outro por 1 + r = %4.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1) é N(t) vezes e^r = %1: uma reta que passa por 0, acima da reta y = x.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1) é N(t) vezes e^r = %1: uma reta que passa por 0, abaixo da reta y = x.</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1, %2 de %3 a %4.</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1 termina em %2.</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>As %1 contagens da turma são ajustadas por r = %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Mostra o nome e a versão do programa e sai.</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>Taxa de crescimento r, um número simples como 0.2 ou -1.5e-3 (padrão 0.2).</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>Tamanho inicial da população N(0), um número simples como 10 ou 2.5e3 (padrão 10).</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>Tempo final T, um número inteiro de 0 a %1 (padrão 20).</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 foi dado mais de uma vez; dê cada opção uma só vez</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate deve ser um número simples como 0.2 ou -1.5e-3, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial deve ser um número simples como 10 ou 2.5e3, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end deve ser um número inteiro de 0 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 é grande demais para o cálculo: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>argumento inesperado &quot;%1&quot;; veja malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>falta --output: o arquivo a gravar, ou - para a saída padrão; veja malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output precisa de um nome de arquivo, ou - para a saída padrão</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>Abrir as janelas com este zoom, um número inteiro de %1 a %2, só nesta execução; sem a opção, elas abrem com o último zoom escolhido pelas teclas.</translation>
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
        <translation>Um programa didático sobre o modelo exponencial de crescimento populacional.
Sem opções, abre sua janela; com --output, grava o arquivo de dados
de uma simulação, exatamente como &quot;Salvar&quot; na janela, e não abre janela.
Cada opção é dada no máximo uma vez. Os números são lidos como na janela:
um número pequeno demais para um double é 0; zeros à esquerda não contam.

Teclas em todas as janelas:
  Ctrl++ ou Ctrl+=   ampliar (todas as janelas, até 250 %)
  Ctrl+-             reduzir (até 100 %)
  Ctrl+0             voltar a 100 %
O zoom escolhido com essas teclas fica guardado para a próxima execução.</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom abre as janelas e não se combina com nenhuma outra opção, nem com --%1</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom deve ser um número inteiro de %1 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>Grava o arquivo de dados da simulação em &lt;file&gt;, ou na saída padrão com -. Um arquivo comum só é substituído quando o novo está completo e no disco, mantendo suas permissões; numa FIFO, num terminal ou num dispositivo como /dev/stdout os dados são escritos diretamente, esperando como um shell que um programa os leia; um link simbólico é seguido. Um nome terminado em .xlsx recebe uma pasta de trabalho: os parâmetros, as colunas da tabela de dados como números e um gráfico.</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>Lê as contagens de uma turma de &lt;file&gt; (duas colunas, tempo e contagem, separadas por vírgulas, pontos e vírgulas ou tabulações; - para a entrada padrão), ajusta N(t) = N(0) exp(rt) a elas com t contado a partir da primeira contagem e imprime r com seu erro padrão, N(0), o tempo de duplicação e R², um por linha. O programa traz um exemplo: %1, as contagens decenais da população dos EUA, 1790 a 1860 (fonte: U.S. Census Bureau, decennial census counts).</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit lê um arquivo de contagens e não vai com nenhuma outra opção, nem com --%1</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit precisa de um nome de arquivo, ou - para a entrada padrão</translation>
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
        <translation>Teclas em um gráfico, depois que o Tab o alcança:
  Left, Right          o ponto anterior ou seguinte, lido em voz alta
  Home, End            o primeiro ou o último ponto
  Page Up, Page Down   vários pontos para trás ou para a frente
  S                    um resumo falado do gráfico
  H                    ouvir a curva como um tom; Escape o interrompe
  Enter                a janela de gráficos grandes; lá, o gráfico seguinte
  Escape               sair dos pontos
  Shift+F10            o menu do gráfico (copiar, salvar, guardar esta execução)</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>Não é possível gravar %1:
%2.</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>Detalhes dos dados</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Voltar à janela principal</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>Voltar à janela do gráfico</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>Salvar como planilha…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>Salvar como planilha</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>Pastas de trabalho (*.xlsx)</translation>
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
        <translation>Tempo</translation>
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
        <translation>está fechada</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>Não é possível gravar %1: o nome contém o sinal %2, que representa caracteres que não puderam ser lidos; assim ele designaria outro arquivo. Escolha outro nome.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>A tela comporta esta janela em no máximo %1%.</translation>
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
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Dados e simulação</translation>
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
        <translation>Mais...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta janela</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>Hora atual</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Taxa de cresc. (r):</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>Tam. inicial N(0):</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>Para t = 0 até </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>Tamanho populacional em t =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Executar a simulação</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Salvar os dados do gráfico</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>Bom dia!</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>Boa tarde!</translation>
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
        <translation>Mostrar o gráfico N(t) em função de t</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>Mostrar o gráfico lnN(t) em função de t</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>Mostrar o gráfico dN(t) em função de t</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>Mostrar o gráfico dN(t)/N(t) em função de N(t)</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>Mostrar o gráfico lndN(t) em função de t</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Fotografia do autor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Questionário</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>Laboratório de Ecologia de Populações</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>Departamento de Biologia</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>O crescimento exponencial é o mais simples dos modelos independentes da densidade. Forma diferencial:
%1
Forma integral:
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>Pressione Enter ou clique em EXECUTAR para rodar o programa com os valores padrão.  Se você mudar os valores padrão, pressione Enter para confirmar a mudança.  Para ver gráficos maiores, clique no gráfico.  
Comentários são bem-vindos (escreva para %1).</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>&quot;%1&quot; foi lido como %2: use ponto como separador decimal.</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>Nada foi calculado.</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>Tamanho populacional em t =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter só aceita tamanhos acima de 0, por isso N(0) voltou para %1. Para começar em 0 ou menos, digite o tamanho e clique em Executar.</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) é grande demais para os cálculos, por isso voltou para %1. Digite um tamanho menor.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter em uma caixa que não mudou desde o cálculo a devolve para %1. Digite um novo tamanho ou clique em Executar.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter só aceita taxas acima de 0, por isso a taxa voltou para %1. Para um decrescimento, digite a taxa negativa e clique em Executar.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter só aceita taxas acima de 0, por isso a taxa voltou para %1. Para calcular com r = 0, digite 0 e clique em Executar.</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>A taxa é grande demais para os cálculos, por isso voltou para %1. Digite uma taxa menor.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter em uma caixa que não mudou desde o cálculo a devolve para %1. Digite uma nova taxa ou clique em Executar.</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter só aceita tempos finais acima de 0, por isso o tempo final voltou para %1. Para calcular até t = 0, digite 0 e clique em Executar.</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>Enter só aceita tempos finais de 1 a %2, por isso o tempo final voltou para %1.</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter só aceita tempos finais inteiros, por isso o tempo final voltou para %1. Digite um número inteiro e pressione Enter.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter em uma caixa que não mudou desde o cálculo a devolve para %1. Digite um novo tempo final ou clique em Executar.</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>Abrir observações</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>Contagens (*.csv *.tsv *.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>Abrir observações…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>Usar os valores ajustados</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>Observado: %1 (%2 contagens)</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>&quot;%1&quot; lido como 0: não começa com um número.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>&quot;%1&quot; lido como %2: o número termina antes de &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>&quot;%1&quot; lido como %2: um número leva uma só vírgula decimal e nenhum separador de milhar.</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>Tamanho da população em t = %1: %2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>Clique no gráfico, ou pressione Enter sobre ele, para vê-lo na janela grande</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>Mais sobre o crescimento exponencial</translation>
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
        <translation>Malvora é a forma mais simples de crescimento populacional.  Supõe que todos
os indivíduos são idênticos.  Não deve ser usado em espécies com estrutura
etária e diferenciação sexual.  Além disso, não leva em conta o efeito da
densidade.  Esse crescimento se observa na maioria dos microrganismos
por um curto período.  Depois disso, a densidade passa a limitá-lo.
Como o ambiente muda de tempos em tempos, a taxa de crescimento não pode
ser constante por muito tempo.  Mas em ambientes artificiais, como a criação
massal de algas verdes ou bactérias, a taxa exponencial pode ser mantida com
temperatura constante, colheita contínua e reposição de meio de cultura fresco.</translation>
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
        <translation>Introdução</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Referências</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>O crescimento exponencial é o modelo mais simples de crescimento populacional. A forma diferencial é dN/dt=rN. A forma integral é N(t)=N(0)Exp(rt), em que N(t) e N(0) são o número de indivíduos no tempo t e no tempo zero, respectivamente. O parâmetro r é a taxa de crescimento. O crescimento exponencial também é chamado de crescimento geométrico. A taxa de crescimento r às vezes é chamada de taxa instantânea, taxa intrínseca, taxa per capita, taxa geométrica etc. Ela é independente da densidade. Este modelo não deve ser usado para populações com estrutura etária, populações com estrutura de estágios ou populações com dois sexos. Ele supõe que todos os indivíduos são idênticos, que os recursos são ilimitados, que o espaço é ilimitado e que as condições ambientais são estáveis.  Por isso, só os microrganismos seguem o crescimento exponencial, e por um curto período.  Insetos, aves, rãs, peixes, mamíferos, cobras e caramujos não seguem o crescimento exponencial.  Algumas populações de insetos podem crescer depressa, e o gráfico do tamanho populacional em função do tempo pode parecer exponencial, por exemplo em pulgões e ácaros. Mas lembre-se de que é teoricamente incorreto usar este modelo simples para populações com estrutura etária ou com dimorfismo sexual. Os programas ORBEL e STAVEN são modelos com estrutura etária; fique à vontade para experimentá-los.  O programa DUOLIN é um modelo de idade e estágio com dois sexos. Ele serve para o estudo e a análise de dados brutos da história de vida de uma população com dois sexos. </translation>
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
        <translation>%1 não é um arquivo comum seu de no máximo 64 KB; ele é deixado como está, e nenhuma configuração é lida dele ou guardada nele.</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>Um ajuste precisa de pelo menos %1 contagens acima de 0, feitas em dois ou mais tempos.</translation>
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
        <translation>tempo de duplicação = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>tempo de redução à metade = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>tempo de duplicação = nenhum: as contagens não crescem</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>contagens ajustadas = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>contagens deixadas de fora (0 ou menos) = %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1, linha %2: não são dois números, tempo e contagem: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 não contém observações: precisa de linhas de dois números, tempo e contagem.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>observado (%1 contagens)</translation>
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
        <translation>Nenhuma impressora está disponível. Configure uma impressora padrão e tente de novo.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>A impressora %1 não pode imprimir agora.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>A impressora %1 não pode imprimir agora: %2. Nada foi impresso.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>A impressora %1 não aceitou a página: %2 Nada foi impresso.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Questionário</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Voltar à janela principal</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. Você sabe citar três organismos que podem crescer exponencialmente em um dia?</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. Você sabe citar algum organismo que possa crescer exponencialmente para sempre?</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. Você acredita que uma população com estrutura etária pode crescer exponencialmente?</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. Você concorda que a verdade existe, quer você &quot;acredite&quot; nela ou não?</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. Você &quot;acredita&quot; que as mudanças dos fatores ambientais impedem os organismos de crescer exponencialmente?</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. Tanto a mudança das condições ambientais com o tempo quanto o limite dos recursos ambientais são fatores importantes que impedem um crescimento exponencial.  Mas qual deles é mais importante?</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>Nenhum programa está lendo %1 ainda. Os dados vão para lá assim que um programa ler; Cancelar desiste.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Referências</translation>
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
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Reimpresso em 1970, Penguin Books, Harmondsworth.</translation>
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
        <translation>O tempo final t deve ser um número inteiro de 0 a %1.</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>O tamanho inicial N(0) é grande demais para o cálculo.</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>A taxa de crescimento r é grande demais para o cálculo.</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>Com esses valores, alguns números do modelo ficam grandes demais para o programa calcular. Escolha um tempo final menor, ou uma taxa de crescimento ou um tamanho inicial mais próximos de 0.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>Dedicatória</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Que Deus o tenha</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>Retrato da dedicatória</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>Taxa de crescimento r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>Tamanho inicial N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>Tempo final T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>Observado</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>Contagem ajustada</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>Não é possível criar a pasta de trabalho: %1.</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>Simulação guardada %1</translation>
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
        <translation>Direitos autorais</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>Este programa é obra de seu autor. Você pode usá-lo à vontade no ensino e no estudo, mas não pode modificá-lo, fazer engenharia reversa nem repassá-lo a outras pessoas sem a permissão escrita do autor.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Aviso: este programa é protegido pela lei de direitos autorais e por tratados internacionais.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Fotografia do autor</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>Se você usar este programa em sua pesquisa, cite a seguinte referência em seu artigo:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>Novas versões deste programa estão em %1
(Norland Society for Population Ecology, Norland) ou em
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
        <translation>Detalhes</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>Clique no gráfico, ou pressione Enter sobre ele, para mostrar o próximo gráfico do ciclo</translation>
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
        <translation>Pressione uma tecla ou clique.</translation>
    </message>
</context>
</TS>
