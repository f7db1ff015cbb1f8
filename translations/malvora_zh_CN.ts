<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>已保留运行 r = %1，N(0) = %2</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>已保留 1 次运行</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>已保留 %1 次运行</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>没有保留的运行</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>无法写入标准输出：%1。</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Left、Right、Home、End、Page Up 和 Page Down 朗读其各点；S 朗读摘要；H 以声音播放其曲线，Escape 停止播放；Shift+F10 打开其菜单。</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>无法生成图像</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1：无数值</translation>
    </message>
</context>
<context>
    <name>ChartMenu</name>
    <message>
        <source>Copy chart</source>
        <translation>复制图表</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>图表另存为...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>保留本次运行</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>清除保留的运行</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>图表另存为</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
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
        <translation>%1：%2 = %3，%4 = %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1：%2 = %3</translation>
    </message>
    <message>
        <source>Doubling time ln 2 / r = %1</source>
        <translation>倍增时间 ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>减半时间 ln 2 / |r| = %1</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>t</source>
        <extracomment>The time variable t, as it stands in the read-out (&quot;t = 5&quot;)</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>differential</source>
        <extracomment>Legend: the curve of the differential (continuous) model</extracomment>
        <translation>微分模型</translation>
    </message>
    <message>
        <source>difference</source>
        <extracomment>Legend: the curve of the difference (discrete) model</extracomment>
        <translation>差分模型</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>N(t) 随时间变化的曲线</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>lnN(t) 随时间变化的曲线</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>ln N(t) needs N(t) &gt; 0</source>
        <translation>ln N(t) 要求 N(t) &gt; 0</translation>
    </message>
    <message>
        <source>Curve of dN(t) vs. time</source>
        <translation>dN(t) 随时间变化的曲线</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>dN(t)/N(t)dt 随 N(t) 变化的曲线</translation>
    </message>
    <message>
        <source>dN/Ndt</source>
        <extracomment>Axis title: the per-capita growth rate dN/(N dt)</extracomment>
        <translation>dN/Ndt</translation>
    </message>
    <message>
        <source>dN/N needs N(t) ≠ 0</source>
        <translation>dN/N 要求 N(t) ≠ 0</translation>
    </message>
    <message>
        <source>Curve of ln(dN(t)) vs. time</source>
        <translation>ln(dN(t)) 随时间变化的曲线</translation>
    </message>
    <message>
        <source>lndN(t)</source>
        <translation>lndN(t)</translation>
    </message>
    <message>
        <source>ln dN(t) needs dN(t) &gt; 0</source>
        <translation>ln dN(t) 要求 dN(t) &gt; 0</translation>
    </message>
    <message>
        <source>Differential model and difference model</source>
        <translation>微分模型与差分模型</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t)（微分模型与差分模型）</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>N(t+1) 随 N(t) 变化的曲线（微分模型）</translation>
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
        <translation>N(t+1)（微分模型）</translation>
    </message>
</context>
<context>
    <name>ChartSound</name>
    <message>
        <source>The chart has no value to play.</source>
        <extracomment>Said when H is pressed on a chart without a point</extracomment>
        <translation>图表没有可播放的数值。</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>无法播放曲线：%1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>未找到声音设备：无法播放曲线。</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>声音设备出错：无法播放曲线。</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>声音已停止</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>它从 %1 升到 %2，每步乘以 e^r = %3：每隔 ln 2 / r = %4 翻一番。</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>它从 %1 降到 %2，每步乘以 e^r = %3：每隔 ln 2 / |r| = %4 减半。</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>它保持在 %1。</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>它是斜率为 r = %1 的直线，从 %2 到 %3。</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>对每个 N(t) 它都恒等于 r = %1。</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>微分模型终于 %1，差分模型终于 %2：前者每步乘以 e^r = %3，后者乘以 1 + r = %4。</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1) 等于 N(t) 乘以 e^r = %1：一条过 0 的直线，位于直线 y = x 之上。</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1) 等于 N(t) 乘以 e^r = %1：一条过 0 的直线，位于直线 y = x 之下。</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1，%2 从 %3 到 %4。</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1 终于 %2。</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>班级的 %1 个计数拟合得 r = %2。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示本帮助并退出。</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>显示程序名称和版本并退出。</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>增长率 r，普通数字，如 0.2 或 -1.5e-3（默认 0.2）。</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>初始种群数量 N(0)，普通数字，如 10 或 2.5e3（默认 10）。</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>结束时间 T，0 到 %1 的整数（默认 20）。</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 给出了不止一次；每个选项只能给出一次</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate 必须是普通数字，如 0.2 或 -1.5e-3，而不是“%1”</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial 必须是普通数字，如 10 或 2.5e3，而不是“%1”</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end 必须是 0 到 %1 的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 太大，无法计算：“%2”</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>意外的参数“%1”；请参阅 malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>需要 --output：要写入的文件，或用 - 表示标准输出；请参阅 malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output 需要一个文件名，或用 - 表示标准输出</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>仅在本次启动时以此缩放比例打开窗口，为 %1 到 %2 的整数；不给此选项时，按上次用按键选定的缩放比例打开。</translation>
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
        <translation>一个讲授种群增长指数模型的教学程序。
不带选项时打开窗口；带 --output 时写出一次运行的数据文件，
与窗口中的“保存”完全相同，不打开任何窗口。
每个选项最多给出一次。数字按窗口的方式读取：
小到 double 无法表示的数为 0，前导零不起作用。

所有窗口中的按键：
  Ctrl++ 或 Ctrl+=   放大（所有窗口，最大 250 %）
  Ctrl+-             缩小（最小 100 %）
  Ctrl+0             恢复到 100 %
用这些按键选定的缩放比例会在下次启动时保留。</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom 会打开窗口，不能与其他选项同用，包括 --%1</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom 必须是 %1 到 %2 的整数，而不是“%3”</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>将本次运行的数据文件写入 &lt;file&gt;，用 - 则写到标准输出。普通文件只在新文件完整写入磁盘后才被替换，并保留其权限；FIFO、终端或 /dev/stdout 之类的设备则直接写入，并像 shell 一样等待有程序读取；符号链接会被跟随。以 .xlsx 结尾的文件名则得到一个工作簿：参数、数据表的各列（以数字形式）和一张图表。</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>从 &lt;file&gt; 读取一个班级的计数（两列：时间和计数，以逗号、分号或制表符分隔；- 表示标准输入），以第一次计数起算的 t 拟合 N(t) = N(0) exp(rt)，并逐行输出 r 及其标准误差、N(0)、倍增时间和 R²。程序附带一个示例：%1，美国 1790 至 1860 年每十年一次的人口普查数（来源：U.S. Census Bureau, decennial census counts）。</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit 读取计数文件，不能与其他选项同用，包括 --%1</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit 需要一个文件名，或用 - 表示标准输入</translation>
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
        <translation>图表上的按键（用 Tab 到达图表后）：
  Left, Right          前一个或后一个点，并朗读
  Home, End            第一个或最后一个点
  Page Up, Page Down   向前或向后若干点
  S                    图表的语音摘要
  H                    以声音听曲线；Escape 停止
  Enter                大图窗口；在那里为下一个图表
  Escape               离开数据点
  Shift+F10            图表菜单（复制、保存、保留本次运行）</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>无法写入 %1：
%2。</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>数据明细</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>返回图表窗口</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>另存为电子表格…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>另存为电子表格</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>工作簿 (*.xlsx)</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>What a screen reader says for the first value of a row: %1 is the time column&apos;s header (&quot;Time&quot;), %2 the row&apos;s time, %3 the value</extracomment>
        <translation>%1 %2，%3</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>it is closed</source>
        <extracomment>Why a standard stream (such as standard output) cannot be written: the caller closed it.</extracomment>
        <translation>它已关闭</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>无法写入 %1：文件名中含有符号 %2，它代表无法读取的字符，因此会指向另一个文件。请另选一个名称。</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>屏幕最多只能以 %1% 显示此窗口。</translation>
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
        <translation>简介</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>数据与运行</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>更多...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>打印窗口</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>打印本窗口</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>当前时间</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>增长率 (r)：</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>初始数量 N(0)：</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>t = 0 到 </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>种群数量，t =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>运行模拟</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>保存图表数据</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>退出本程序</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>早上好！</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>下午好！</translation>
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
        <translation>显示 N(t)–t 图</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>显示 lnN(t)–t 图</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>显示 dN(t)–t 图</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>显示 dN(t)/N(t)–N(t) 图</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>显示 lndN(t)–t 图</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>作者照片</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>测验</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>种群生态学实验室</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>生物学系</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>指数增长是非密度制约模型中最简单的一种。其微分形式为
%1
其积分形式为
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>按 Enter 键或单击“运行”，即以默认值运行本程序。如果更改了默认值，请按 Enter 键确认。单击图表可查看大图。
欢迎提出意见（请发电子邮件至 %1）。</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>已将“%1”读作 %2：请用句点作小数点。</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>没有进行计算。</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>种群数量，t =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>按 Enter 只接受大于 0 的数量，因此 N(0) 已恢复为 %1。若要从 0 或更小的值开始，请输入该数量并单击“运行”。</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) 太大，无法计算，因此已恢复为 %1。请输入较小的数量。</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>在运行后未改动的输入框中按 Enter，会将其恢复为 %1。请输入新的数量，或单击“运行”。</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>按 Enter 只接受大于 0 的增长率，因此增长率已恢复为 %1。若要计算衰减，请输入负的增长率并单击“运行”。</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>按 Enter 只接受大于 0 的增长率，因此增长率已恢复为 %1。若要以 r = 0 运行，请输入 0 并单击“运行”。</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>增长率太大，无法计算，因此已恢复为 %1。请输入较小的增长率。</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>在运行后未改动的输入框中按 Enter，会将其恢复为 %1。请输入新的增长率，或单击“运行”。</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>按 Enter 只接受大于 0 的结束时间，因此结束时间已恢复为 %1。若要计算到 t = 0，请输入 0 并单击“运行”。</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>按 Enter 只接受 1 到 %2 的结束时间，因此结束时间已恢复为 %1。</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>按 Enter 只接受整数的结束时间，因此结束时间已恢复为 %1。请输入整数并按 Enter。</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>在运行后未改动的输入框中按 Enter，会将其恢复为 %1。请输入新的结束时间，或单击“运行”。</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>打开观测数据</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>计数 (*.csv *.tsv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>打开观测数据…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>使用拟合值</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>观测：%1（%2 个计数）</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>将“%1”读作 0：它不以数字开头。</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>将“%1”读作 %2：数字在“%3”之前结束。</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>将“%1”读作 %2：一个数只能有一个小数逗号，且不带千位分隔符。</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>t = %1 时的种群大小：%2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>单击图表，或在图表上按 Enter 键，在大窗口中查看</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>关于指数增长的更多说明</translation>
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
        <translation>Malvora 是最简单的种群增长形式。它假定所有个体都相同。
它不应用于具有年龄结构和性别分化的物种。
此外，它没有考虑密度的影响。
大多数微生物在短时期内都可以观察到这种增长。
此后，密度会起到重要的限制作用。
由于环境随时间不断变化，增长率不可能长期保持恒定。
不过，在人工环境中，例如大量培养绿藻或细菌时，
只要温度恒定、持续收获并不断加入新鲜培养基，
指数增长率就可以维持。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <source>References</source>
        <translation>参考文献</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>指数增长是最简单的种群增长模型。其微分形式为 dN/dt=rN，积分形式为 N(t)=N(0)Exp(rt)，其中 N(t) 和 N(0) 分别是时间 t 和时间零时的个体数。参数 r 是增长率。指数增长也称为几何增长。增长率 r 有时也称为瞬时增长率、内禀增长率、人均增长率、几何增长率等。它与密度无关。本模型不应用于具有年龄结构的种群、具有阶段结构的种群或两性种群。它假定所有个体都相同，资源无限，空间无限，环境条件稳定。因此，只有微生物会在短时期内遵循指数增长。昆虫、鸟类、蛙类、鱼类、哺乳动物、蛇和蜗牛都不遵循指数增长。有些昆虫种群可能增长很快，其种群数量随时间变化的曲线可能与指数曲线相似，例如蚜虫和螨类。但应当记住，把这个简单模型用于具有年龄结构或两性异形的种群，在理论上是不正确的。ORBEL 和 STAVEN 程序是年龄结构模型，欢迎试用。DUOLIN 程序是年龄—阶段、两性模型，可用于研究两性种群的生命史并分析其原始数据。</translation>
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
        <translation>%1 不是属于您的、不超过 64 KB 的普通文件；程序不会改动它，也不会从中读取或向其中保存任何设置。</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>拟合至少需要 %1 个大于 0 的计数，且取自两个或更多时刻。</translation>
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
        <translation>倍增时间 = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>减半时间 = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>倍增时间 = 无：计数没有增长</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>参与拟合的计数 = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>被排除的计数（0 或以下）= %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1，第 %2 行：不是两个数（时间和计数）：“%3”。</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 不含观测数据：需要每行两个数，时间和计数。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>观测值（%1 个计数）</translation>
    </message>
    <message>
        <source>observed</source>
        <extracomment>Read-out: a class&apos;s count at a time</extracomment>
        <translation>观测值</translation>
    </message>
    <message>
        <source>fitted (r = %1)</source>
        <extracomment>Legend and read-out: the curve fitted to a class&apos;s counts, with its rate</extracomment>
        <translation>拟合（r = %1）</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>没有可用的打印机。请设置一台默认打印机后重试。</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>打印机 %1 现在无法打印。</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>打印机 %1 现在无法打印：%2。没有打印任何内容。</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>打印机 %1 没有接受该页：%2 没有打印任何内容。</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>测验</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>返回主窗口</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. 你能说出三种能在一天之内呈指数增长的生物吗？</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. 你能说出任何一种能永远呈指数增长的生物吗？</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. 你认为具有年龄结构的种群能呈指数增长吗？</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. 不论你“相信”与否，你是否同意真理是存在的？</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. 你是否“相信”环境因子的变化会限制生物呈指数增长？</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. 环境条件随时间的变化和环境资源的限制都是阻止指数增长的重要因素。但哪一个更重要呢？</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>还没有程序在读取 %1。一旦有程序读取，数据就会写入其中；点“取消”则放弃。</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>参考文献</translation>
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
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Reprinted 1970, Penguin Books, Harmondsworth.</translation>
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
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>RunProblem</name>
    <message>
        <source>The end time t must be a whole number from 0 to %1.</source>
        <translation>结束时间 t 必须是 0 到 %1 的整数。</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>初始数量 N(0) 太大，无法计算。</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>增长率 r 太大，无法计算。</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>在这些数值下，模型中的某些数变得太大，程序无法计算。请选择较小的结束时间，或更接近 0 的增长率或初始数量。</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>献词</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>愿他安息</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>献词肖像</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>增长率 r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>初始规模 N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>结束时间 T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>观测</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>计数</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>拟合计数</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>无法生成工作簿：%1。</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>运行</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>保留的运行 %1</translation>
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
        <translation>版权</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>本程序是作者的作品。欢迎将其用于教学和学习，但未经作者书面许可，不得修改、逆向工程或转给他人。</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>警告：本程序受版权法和国际条约保护。</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>作者照片</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>如果你在研究中使用本程序，请在论文中引用以下文献：

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>本程序的新版本可从 %1
（Norland Society for Population Ecology, Norland）或
%2
（National Tolvern University）获得。</translation>
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
        <translation>明细</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>Print button of the large graph window, one letter wide: the first letter of &quot;print&quot;</extracomment>
        <translation>印</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>Button back to the main window</extracomment>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>单击图表，或在图表上按 Enter 键，显示循环中的下一张图表</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>打印本页</translation>
    </message>
    <message>
        <source>Large graphs</source>
        <extracomment>What a screen reader calls the large graph window, whose caption is a bare form name</extracomment>
        <translation>大图</translation>
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
        <translation>按任意键或单击鼠标开始。</translation>
    </message>
</context>
</TS>
