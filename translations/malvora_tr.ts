<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Announce</name>
    <message>
        <source>Run r = %1, N(0) = %2 kept</source>
        <extracomment>Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)</extracomment>
        <translation>r = %1, N(0) = %2 çalıştırması saklandı</translation>
    </message>
    <message>
        <source>1 run kept</source>
        <extracomment>Spoken after a run is kept, when it is the only one</extracomment>
        <translation>1 çalıştırma saklandı</translation>
    </message>
    <message>
        <source>%1 runs kept</source>
        <translation>%1 çalıştırma saklandı</translation>
    </message>
    <message>
        <source>No runs kept</source>
        <translation>Saklanan çalıştırma yok</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Standart çıktıya yazılamıyor: %1.</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Left, Right, Home, End, Page Up and Page Down read its points; S speaks a summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its menu.</source>
        <extracomment>A chart&apos;s accessible description: the keys that read it</extracomment>
        <translation>Sol, Sağ, Home, End, Page Up ve Page Down noktalarını okur; S bir özet söyler; H eğrilerini ses olarak çalar, Escape durdurur; Shift+F10 menüsünü açar.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>the image could not be made</source>
        <extracomment>Why a chart&apos;s image could not be saved: drawing it failed (out of memory).</extracomment>
        <translation>görüntü oluşturulamadı</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
</context>
<context>
    <name>ChartLayout</name>
    <message>
        <source>%1: no value</source>
        <translation>%1: değer yok</translation>
    </message>
</context>
<context>
    <name>ChartMenu</name>
    <message>
        <source>Copy chart</source>
        <translation>Grafiği kopyala</translation>
    </message>
    <message>
        <source>Save chart as...</source>
        <translation>Grafiği farklı kaydet...</translation>
    </message>
    <message>
        <source>Keep this run</source>
        <translation>Bu çalıştırmayı sakla</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Saklanan çalıştırmaları unut</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Grafiği farklı kaydet</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG görüntüsü (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG görüntüsü (*.svg)</translation>
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
        <translation>İkiye katlanma süresi ln 2 / r = %1</translation>
    </message>
    <message>
        <source>Halving time ln 2 / |r| = %1</source>
        <translation>Yarılanma süresi ln 2 / |r| = %1</translation>
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
        <translation>Zaman</translation>
    </message>
    <message>
        <source>t</source>
        <extracomment>The time variable t, as it stands in the read-out (&quot;t = 5&quot;)</extracomment>
        <translation>t</translation>
    </message>
    <message>
        <source>differential</source>
        <extracomment>Legend: the curve of the differential (continuous) model</extracomment>
        <translation>diferansiyel model</translation>
    </message>
    <message>
        <source>difference</source>
        <extracomment>Legend: the curve of the difference (discrete) model</extracomment>
        <translation>fark modeli</translation>
    </message>
    <message>
        <source>Curve of N(t) vs. time</source>
        <translation>N(t) eğrisinin zamana göre değişimi</translation>
    </message>
    <message>
        <source>N(t)</source>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Curve of lnN(t) vs. time</source>
        <translation>lnN(t) eğrisinin zamana göre değişimi</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>ln N(t) needs N(t) &gt; 0</source>
        <translation>ln N(t) için N(t) &gt; 0 olmalı</translation>
    </message>
    <message>
        <source>Curve of dN(t) vs. time</source>
        <translation>dN(t) eğrisinin zamana göre değişimi</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>Curve of dN(t)/N(t)dt vs. N(t)</source>
        <translation>dN(t)/N(t)dt eğrisinin N(t)&apos;ye göre değişimi</translation>
    </message>
    <message>
        <source>dN/Ndt</source>
        <extracomment>Axis title: the per-capita growth rate dN/(N dt)</extracomment>
        <translation>dN/Ndt</translation>
    </message>
    <message>
        <source>dN/N needs N(t) ≠ 0</source>
        <translation>dN/N için N(t) ≠ 0 olmalı</translation>
    </message>
    <message>
        <source>Curve of ln(dN(t)) vs. time</source>
        <translation>ln(dN(t)) eğrisinin zamana göre değişimi</translation>
    </message>
    <message>
        <source>lndN(t)</source>
        <translation>lndN(t)</translation>
    </message>
    <message>
        <source>ln dN(t) needs dN(t) &gt; 0</source>
        <translation>ln dN(t) için dN(t) &gt; 0 olmalı</translation>
    </message>
    <message>
        <source>Differential model and difference model</source>
        <translation>Diferansiyel model ve fark modeli</translation>
    </message>
    <message>
        <source>N(t+1)-N(t) (Differential and difference models)</source>
        <translation>N(t+1)-N(t) (diferansiyel ve fark modelleri)</translation>
    </message>
    <message>
        <source>Curve of N(t+1) vs. N(t) (differential model)</source>
        <translation>N(t+1) eğrisinin N(t)&apos;ye göre değişimi (diferansiyel model)</translation>
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
        <translation>N(t+1) (diferansiyel)</translation>
    </message>
</context>
<context>
    <name>ChartSound</name>
    <message>
        <source>The chart has no value to play.</source>
        <extracomment>Said when H is pressed on a chart without a point</extracomment>
        <translation>Grafikte çalınacak bir değer yok.</translation>
    </message>
    <message>
        <source>The curve cannot be played: %1</source>
        <extracomment>A notice when the sound module cannot be loaded: %1 is the system&apos;s reason</extracomment>
        <translation>Eğri çalınamıyor: %1</translation>
    </message>
    <message>
        <source>No sound device was found: the curve cannot be played.</source>
        <translation>Ses aygıtı bulunamadı: eğri çalınamıyor.</translation>
    </message>
    <message>
        <source>The sound device failed: the curve cannot be played.</source>
        <translation>Ses aygıtı hata verdi: eğri çalınamıyor.</translation>
    </message>
    <message>
        <source>Sound stopped</source>
        <extracomment>Said when Escape stops the curve&apos;s sound</extracomment>
        <translation>Ses durduruldu</translation>
    </message>
</context>
<context>
    <name>ChartSummary</name>
    <message>
        <source>It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every ln 2 / r = %4.</source>
        <translation>%1 değerinden %2 değerine yükselir, her adımda e^r = %3 katı: her ln 2 / r = %4 sürede iki katına çıkar.</translation>
    </message>
    <message>
        <source>It falls from %1 to %2, by a factor e^r = %3 each step: it halves every ln 2 / |r| = %4.</source>
        <translation>%1 değerinden %2 değerine düşer, her adımda e^r = %3 katı: her ln 2 / |r| = %4 sürede yarıya iner.</translation>
    </message>
    <message>
        <source>It stays at %1.</source>
        <translation>%1 değerinde kalır.</translation>
    </message>
    <message>
        <source>It is a straight line of slope r = %1, from %2 to %3.</source>
        <translation>Eğimi r = %1 olan bir doğrudur, %2 değerinden %3 değerine.</translation>
    </message>
    <message>
        <source>It is constant at r = %1 for every N(t).</source>
        <translation>Her N(t) için r = %1 değerinde sabittir.</translation>
    </message>
    <message>
        <source>The differential model ends at %1, the difference model at %2: the one changes by a factor e^r = %3 a step, the other by 1 + r = %4.</source>
        <translation>Diferansiyel model %1 değerinde, fark modeli %2 değerinde biter: biri her adımda e^r = %3 katı, öteki 1 + r = %4 katı değişir.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, above the line y = x.</source>
        <translation>N(t+1), N(t) çarpı e^r = %1 değeridir: 0 noktasından geçen, y = x doğrusunun üstünde bir doğru.</translation>
    </message>
    <message>
        <source>N(t+1) is N(t) times e^r = %1: a straight line through 0, below the line y = x.</source>
        <translation>N(t+1), N(t) çarpı e^r = %1 değeridir: 0 noktasından geçen, y = x doğrusunun altında bir doğru.</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4.</source>
        <translation>%1, %2 = %3 ile %4 arası.</translation>
    </message>
    <message>
        <source>%1 ends at %2.</source>
        <translation>%1, %2 değerinde biter.</translation>
    </message>
    <message>
        <source>The class&apos;s %1 counts are fitted by r = %2.</source>
        <translation>Sınıfın %1 sayımı r = %2 ile uydurulur.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Bu yardımı göster ve çık.</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version and exit.</source>
        <translation>Programın adını ve sürümünü göster ve çık.</translation>
    </message>
    <message>
        <source>Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2).</source>
        <translation>Büyüme hızı r, 0.2 ya da -1.5e-3 gibi yalın bir sayı (varsayılan 0.2).</translation>
    </message>
    <message>
        <source>Initial population size N(0), a plain number such as 10 or 2.5e3 (default 10).</source>
        <translation>Başlangıç popülasyon büyüklüğü N(0), 10 ya da 2.5e3 gibi yalın bir sayı (varsayılan 10).</translation>
    </message>
    <message>
        <source>End time T, a whole number from 0 to %1 (default 20).</source>
        <translation>Bitiş zamanı T, 0 ile %1 arasında bir tam sayı (varsayılan 20).</translation>
    </message>
    <message>
        <source>--%1 is given more than once; give each option once</source>
        <translation>--%1 birden çok kez verilmiş; her seçeneği bir kez verin</translation>
    </message>
    <message>
        <source>--rate must be a plain number such as 0.2 or -1.5e-3, not &quot;%1&quot;</source>
        <translation>--rate, 0.2 ya da -1.5e-3 gibi yalın bir sayı olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>--initial must be a plain number such as 10 or 2.5e3, not &quot;%1&quot;</source>
        <translation>--initial, 10 ya da 2.5e3 gibi yalın bir sayı olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>--end must be a whole number from 0 to %1, not &quot;%2&quot;</source>
        <translation>--end, 0 ile %1 arasında bir tam sayı olmalı, &quot;%2&quot; değil</translation>
    </message>
    <message>
        <source>--%1 is too large in size to compute with: &quot;%2&quot;</source>
        <translation>--%1 hesaplanamayacak kadar büyük: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see malvora --help</source>
        <translation>beklenmeyen bağımsız değişken &quot;%1&quot;; bkz. malvora --help</translation>
    </message>
    <message>
        <source>--output is needed: the file to write, or - for standard output; see malvora --help</source>
        <translation>--output gerekli: yazılacak dosya ya da standart çıktı için -; bkz. malvora --help</translation>
    </message>
    <message>
        <source>--output needs a file name, or - for standard output</source>
        <translation>--output bir dosya adı ya da standart çıktı için - bekliyor</translation>
    </message>
    <message>
        <source>Open the windows at this zoom, a whole number from %1 to %2, for this start only; without it they open at the zoom last chosen with the keys.</source>
        <translation>Pencereleri yalnızca bu açılışta bu yakınlaştırmayla aç; %1 ile %2 arasında bir tam sayı. Bu seçenek verilmezse pencereler tuşlarla en son seçilen yakınlaştırmayla açılır.</translation>
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
        <translation>Popülasyon büyümesinin üstel modeli üzerine bir öğretim programı.
Seçeneksiz çalıştırılınca penceresini açar; --output ile bir çalıştırmanın
veri dosyasını, penceredeki &quot;Kaydet&quot; ile tam olarak aynı biçimde yazar ve pencere açmaz.
Her seçenek en çok bir kez verilir. Sayılar pencerede olduğu gibi okunur:
double için fazla küçük bir sayı 0 olur, baştaki sıfırlar önemsizdir.

Her penceredeki tuşlar:
  Ctrl++ ya da Ctrl+=   yakınlaştır (tüm pencereler, en çok %250)
  Ctrl+-                uzaklaştır (en az %100)
  Ctrl+0                %100&apos;e dön
Bu tuşlarla seçilen yakınlaştırma bir sonraki açılışta da kalır.</translation>
    </message>
    <message>
        <source>--zoom opens the windows and goes with no other option, not with --%1</source>
        <translation>--zoom pencereleri açar ve başka hiçbir seçenekle birlikte kullanılmaz, --%1 ile de</translation>
    </message>
    <message>
        <source>--zoom must be a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--zoom, %1 ile %2 arasında bir tam sayı olmalıdır, &quot;%3&quot; değil</translation>
    </message>
    <message>
        <source>Write the data file of the run to &lt;file&gt;, or to standard output for -. A regular file is replaced only once the new one is whole and on the disk, keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout is written into, waiting as a shell does for a program to read it; a symbolic link is followed. A name ending in .xlsx gets a workbook: the parameters, the data table&apos;s columns as numbers and a chart.</source>
        <translation>Çalıştırmanın veri dosyasını &lt;file&gt; dosyasına, - ile standart çıktıya yaz. Normal bir dosya, yenisi tamamlanıp diske yazıldıktan sonra değiştirilir ve izinlerini korur; FIFO, terminal ya da /dev/stdout gibi bir aygıtın içine, bir kabukta olduğu gibi bir programın okumasını bekleyerek yazılır; sembolik bağlantı izlenir. .xlsx ile biten bir ad bir çalışma kitabı alır: parametreler, veri tablosunun sütunları sayı olarak ve bir grafik.</translation>
    </message>
    <message>
        <source>Read a class&apos;s counts from &lt;file&gt; (two columns, time and count, separated by commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) to them with t counted from the first count, and print r with its standard error, N(0), the doubling time and R², one a line. The program ships an example: %1, the decennial counts of the U.S. population, 1790 to 1860 (source: U.S. Census Bureau decennial census counts).</source>
        <translation>Bir sınıfın sayımlarını &lt;file&gt; dosyasından oku (iki sütun, zaman ve sayım; virgül, noktalı virgül ya da sekmeyle ayrılmış; standart girdi için -), t ilk sayımdan başlayarak N(t) = N(0) exp(rt) modelini bunlara uydur ve r&apos;yi standart hatasıyla, N(0)&apos;ı, ikiye katlanma süresini ve R²&apos;yi her biri bir satırda yazdır. Program bir örnekle gelir: %1, ABD nüfusunun on yıllık sayımları, 1790–1860 (kaynak: U.S. Census Bureau, decennial census counts).</translation>
    </message>
    <message>
        <source>--fit reads a file of counts and goes with no other option, not with --%1</source>
        <translation>--fit bir sayım dosyası okur ve başka hiçbir seçenekle kullanılmaz, --%1 ile de</translation>
    </message>
    <message>
        <source>--fit needs a file name, or - for standard input</source>
        <translation>--fit bir dosya adı ister, ya da standart girdi için -</translation>
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
        <translation>Bir grafikte, Tab ona ulaştığında tuşlar:
  Left, Right          önceki veya sonraki nokta, sesli okunur
  Home, End            ilk veya son nokta
  Page Up, Page Down   birkaç nokta geri veya ileri
  S                    grafiğin sesli özeti
  H                    eğriyi bir ses olarak dinle; Escape durdurur
  Enter                büyük grafik penceresi; orada sonraki grafik
  Escape               noktalardan çık
  Shift+F10            grafiğin menüsü (kopyala, kaydet, bu çalıştırmayı sakla)</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot write %1:
%2.</source>
        <translation>%1 yazılamıyor:
%2.</translation>
    </message>
</context>
<context>
    <name>DataTabl</name>
    <message>
        <source>Data detail</source>
        <translation>Veri ayrıntısı</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Ana pencereye dön</translation>
    </message>
    <message>
        <source>Back to the graph form</source>
        <translation>Grafik penceresine dön</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>In the data table&apos;s context menu: puts the selected cells, or all, on the clipboard</extracomment>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Save as spreadsheet…</source>
        <extracomment>In the data table&apos;s context menu: writes the table and the kept runs as a workbook</extracomment>
        <translation>Elektronik tablo olarak kaydet…</translation>
    </message>
    <message>
        <source>Save as spreadsheet</source>
        <translation>Elektronik tablo olarak kaydet</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <extracomment>The file type of the workbook dialog</extracomment>
        <translation>Çalışma kitapları (*.xlsx)</translation>
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
        <translation>Zaman</translation>
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
        <translation>kapatılmış</translation>
    </message>
    <message>
        <source>Cannot write %1: the name holds the sign %2, which stands for characters that could not be read, so it would name another file. Choose another name.</source>
        <translation>%1 yazılamıyor: ad, okunamayan karakterlerin yerini tutan %2 işaretini içeriyor, bu yüzden başka bir dosyayı gösterirdi. Başka bir ad seçin.</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>The screen has room for this window at %1 % at most.</source>
        <extracomment>%1 is a zoom in percent, less than the one the user asked for</extracomment>
        <translation>Ekranda bu pencere için en fazla %%1 yakınlaştırmaya yer var.</translation>
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
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Data and run</source>
        <translation>Veri ve çalıştırma</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Yazar</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Daha...</translation>
    </message>
    <message>
        <source>Print form</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Bu pencereyi yazdır</translation>
    </message>
    <message>
        <source>Present time</source>
        <translation>Şu anki zaman</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Büyüme hızı (r):</translation>
    </message>
    <message>
        <source>Initial size N(0):</source>
        <translation>Başlangıç N(0):</translation>
    </message>
    <message>
        <source>For t = 0 to </source>
        <extracomment>Before the end-time box: the run goes from time t = 0 to the end time typed in the box</extracomment>
        <translation>t = 0 ile </translation>
    </message>
    <message>
        <source>Population size at t =</source>
        <extracomment>Above the result box; the end time follows it after a run (&quot;Population size at t =20&quot;)</extracomment>
        <translation>t anındaki büyüklük =</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Çalıştır</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Benzetimi çalıştır</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Grafik verilerini kaydet</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Programdan çık</translation>
    </message>
    <message>
        <source>Buenos dias!</source>
        <extracomment>Greeting shown in the morning (a Spanish &quot;Good morning!&quot; in the English program); give your language&apos;s &quot;Good morning!&quot;</extracomment>
        <translation>Günaydın!</translation>
    </message>
    <message>
        <source>Buenas tardes!</source>
        <extracomment>Greeting shown in the afternoon (a Spanish &quot;Good afternoon!&quot; in the English program)</extracomment>
        <translation>İyi günler!</translation>
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
        <translation>N(t)–t grafiğini göster</translation>
    </message>
    <message>
        <source>Show graph lnN(t) vs. t</source>
        <translation>lnN(t)–t grafiğini göster</translation>
    </message>
    <message>
        <source>Show graph dN(t) vs. t</source>
        <translation>dN(t)–t grafiğini göster</translation>
    </message>
    <message>
        <source>Show graph dN(t)/N(t) vs. N(t)</source>
        <translation>dN(t)/N(t)–N(t) grafiğini göster</translation>
    </message>
    <message>
        <source>Show graph lndN(t) vs. t</source>
        <translation>lndN(t)–t grafiğini göster</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Yazarın fotoğrafı</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Sınav</translation>
    </message>
    <message>
        <source>Laboratory of Population Ecology</source>
        <translation>Popülasyon Ekolojisi Laboratuvarı</translation>
    </message>
    <message>
        <source>Department of Biology</source>
        <translation>Biyoloji Bölümü</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest form of the density-independent models. The differential form is
%1
The integral form is
%2</source>
        <translation>Üstel büyüme, yoğunluktan bağımsız modellerin en basit biçimidir. Diferansiyel biçimi
%1
İntegral biçimi
%2</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to run this program using default values.  If you change the default values, press Enter to confirm the change.  To see larger graphs, click on the graph.  
Comments are welcome (please e-maile to %1).</source>
        <translation>Programı varsayılan değerlerle çalıştırmak için Enter tuşuna basın ya da ÇALIŞTIR düğmesine tıklayın.  Varsayılan değerleri değiştirirseniz, değişikliği Enter ile onaylayın.  Daha büyük grafikler için grafiğe tıklayın.  
Görüşlerinizi bekliyoruz (lütfen %1 adresine yazın).</translation>
    </message>
    <message>
        <source>Copyright © 1997-%1 Arlo Vesk</source>
        <translation>Copyright © 1997-%1 Arlo Vesk</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: use a period as the decimal point.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>&quot;%1&quot;, %2 olarak okundu: ondalık ayırıcı olarak nokta kullanın.</translation>
    </message>
    <message>
        <source>Nothing was run.</source>
        <translation>Hiçbir şey hesaplanmadı.</translation>
    </message>
    <message>
        <source>Population size at t =%1</source>
        <extracomment>%1 is the end time T of the run; the population size N(T) stands in the box below</extracomment>
        <translation>t anındaki büyüklük =%1</translation>
    </message>
    <message>
        <source>Enter takes only sizes above 0, so N(0) went back to %1. To start from 0 or below, type the size and click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Enter yalnızca 0&apos;dan büyük büyüklükleri kabul eder; bu yüzden N(0) yeniden %1 oldu. 0 ya da daha küçük bir değerle başlamak için büyüklüğü yazıp Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>N(0) is too large in size to compute with, so it went back to %1. Type a smaller size.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>N(0) hesaplanamayacak kadar büyük; bu yüzden yeniden %1 oldu. Daha küçük bir büyüklük yazın.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new size, or click Run.</source>
        <extracomment>%1 is the default initial size as the box shows it, &quot;10&quot;</extracomment>
        <translation>Çalıştırmadan beri değiştirilmemiş bir kutuda Enter&apos;a basmak onu %1 değerine geri döndürür. Yeni bir büyüklük yazın ya da Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run a decay, type the negative rate and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter yalnızca 0&apos;dan büyük hızları kabul eder; bu yüzden hız yeniden %1 oldu. Azalma için negatif hızı yazıp Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Enter takes only rates above 0, so the rate went back to %1. To run with r = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Enter yalnızca 0&apos;dan büyük hızları kabul eder; bu yüzden hız yeniden %1 oldu. r = 0 ile çalıştırmak için 0 yazıp Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>The rate is too large in size to compute with, so it went back to %1. Type a smaller rate.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Hız hesaplanamayacak kadar büyük; bu yüzden yeniden %1 oldu. Daha küçük bir hız yazın.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new rate, or click Run.</source>
        <extracomment>%1 is the default growth rate as the box shows it, &quot;0.2&quot;</extracomment>
        <translation>Çalıştırmadan beri değiştirilmemiş bir kutuda Enter&apos;a basmak onu %1 değerine geri döndürür. Yeni bir hız yazın ya da Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Enter takes only end times above 0, so the end time went back to %1. To run to t = 0, type 0 and click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter yalnızca 0&apos;dan büyük bitiş zamanlarını kabul eder; bu yüzden bitiş zamanı yeniden %1 oldu. t = 0&apos;a kadar çalıştırmak için 0 yazıp Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Enter takes only end times from 1 to %2, so the end time went back to %1.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;; %2 the last end time, &quot;2999&quot;</extracomment>
        <translation>Enter yalnızca 1 ile %2 arasındaki bitiş zamanlarını kabul eder; bu yüzden bitiş zamanı yeniden %1 oldu.</translation>
    </message>
    <message>
        <source>Enter takes only whole end times, so the end time went back to %1. Type a whole number and press Enter.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Enter yalnızca tam sayı bitiş zamanlarını kabul eder; bu yüzden bitiş zamanı yeniden %1 oldu. Bir tam sayı yazıp Enter&apos;a basın.</translation>
    </message>
    <message>
        <source>Enter in a box you have not changed since the run sets it back to %1. Type a new end time, or click Run.</source>
        <extracomment>%1 is the default end time as the box shows it, &quot;20&quot;</extracomment>
        <translation>Çalıştırmadan beri değiştirilmemiş bir kutuda Enter&apos;a basmak onu %1 değerine geri döndürür. Yeni bir bitiş zamanı yazın ya da Çalıştır&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Open observations</source>
        <translation>Gözlemleri aç</translation>
    </message>
    <message>
        <source>Counts (*.csv *.tsv *.txt);;All files (*)</source>
        <extracomment>The file types of the observations dialog; keep the patterns in brackets</extracomment>
        <translation>Sayımlar (*.csv *.tsv *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Open observations…</source>
        <extracomment>In the main window&apos;s keys and the chart&apos;s context menu: reads a class&apos;s file of counts</extracomment>
        <translation>Gözlemleri aç…</translation>
    </message>
    <message>
        <source>Use the fitted values</source>
        <extracomment>Puts the fitted r and N(0) into the boxes of the main window</extracomment>
        <translation>Uydurulan değerleri kullan</translation>
    </message>
    <message>
        <source>Observed: %1 (%2 counts)</source>
        <extracomment>%1 is the observations file&apos;s name, %2 the number of counts in it</extracomment>
        <translation>Gözlenen: %1 (%2 sayım)</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as 0: it does not begin with a number.</source>
        <extracomment>%1 is the text typed in a box, which holds no number at its start</extracomment>
        <translation>&quot;%1&quot;, 0 olarak okundu: bir sayıyla başlamıyor.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: the number ends before &quot;%3&quot;.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start, %3 what follows it</extracomment>
        <translation>&quot;%1&quot;, %2 olarak okundu: sayı &quot;%3&quot; öncesinde bitiyor.</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot; as %2: a number takes one decimal comma and no thousands separators.</source>
        <extracomment>%1 is the text typed in a box, %2 the number read from its start</extracomment>
        <translation>&quot;%1&quot;, %2 olarak okundu: bir sayıda tek bir ondalık virgül olur, binlik ayırıcı olmaz.</translation>
    </message>
    <message>
        <source>Population size at t = %1: %2</source>
        <extracomment>Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01</extracomment>
        <translation>t = %1 anında popülasyon büyüklüğü: %2</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to see it in the large window</source>
        <translation>Büyük pencerede görmek için grafiğe tıklayın ya da üzerindeyken Enter tuşuna basın</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>More about exponential growth</source>
        <translation>Üstel büyüme üzerine daha fazlası</translation>
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
        <translation>Malvora, popülasyon büyümesinin en basit biçimidir.  Bütün bireylerin
aynı olduğunu varsayar.  Yaş yapısı ve eşey farklılaşması olan türlerde
kullanılmamalıdır.  Ayrıca yoğunluğun etkisini hesaba katmaz.  Bu tür
büyüme, mikroorganizmaların çoğunda kısa bir süre için görülebilir.
Sonrasında yoğunluk önemli bir sınırlayıcı rol oynar.  Çevre zaman
içinde değiştiği için büyüme hızı uzun süre sabit kalamaz.  Ancak yeşil
alg ya da bakterilerin kitle üretimi gibi yapay ortamlarda, sabit sıcaklık,
sürekli hasat ve taze besiyeri eklenmesiyle üstel büyüme hızı
korunabilir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Kaynaklar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>The exponential growth is the simplest model of population growth. The differential form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The exponential growth is also called as geometric growth. The growth rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric rate, etc. It is density-independent. This model should not be used for age-structured population, stage-structured population, or bisexual populaton. It assumes that all individuals are identical, the resources are unlimited, the space is unlimited, the environmental conditions are stable.  Therefore, only microorganisms follow the exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the exponential growth.  Some insect populations may grow fast and the plot of population size against time may similar to the exponential one, e.g., aphids and mites. But, you should keep in mind that it is theoretically incorrect to use this simple model for population with age structure or population with sexual bimorphism. The programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis of the life history of a two-sex population. </source>
        <translation>Üstel büyüme, popülasyon büyümesinin en basit modelidir. Diferansiyel biçimi dN/dt=rN&apos;dir. İntegral biçimi N(t)=N(0)Exp(rt)&apos;dir; burada N(t) ve N(0) sırasıyla t anındaki ve sıfır anındaki birey sayısıdır. r parametresi büyüme hızıdır. Üstel büyümeye geometrik büyüme de denir. Büyüme hızı r bazen anlık hız, içsel artış hızı, birey başına hız, geometrik hız vb. olarak da adlandırılır. Yoğunluktan bağımsızdır. Bu model yaş yapılı popülasyonlar, evre yapılı popülasyonlar ya da iki eşeyli popülasyonlar için kullanılmamalıdır. Bütün bireylerin aynı olduğunu, kaynakların sınırsız, alanın sınırsız ve çevre koşullarının kararlı olduğunu varsayar.  Bu nedenle yalnızca mikroorganizmalar kısa bir süre üstel büyüme gösterir.  Böcekler, kuşlar, kurbağalar, balıklar, memeliler, yılanlar ve salyangozlar üstel büyüme göstermez.  Bazı böcek popülasyonları hızla büyüyebilir ve popülasyon büyüklüğünün zamana karşı grafiği üstel eğriye benzeyebilir; örneğin yaprak bitleri ve akarlar. Ancak bu basit modeli yaş yapılı ya da eşeysel dimorfizm gösteren popülasyonlara uygulamanın kuramsal olarak yanlış olduğunu unutmayın. ORBEL ve STAVEN programları yaş yapılı modellerdir; onları denemenizi öneririz.  DUOLIN programı yaş-evre yapılı, iki eşeyli bir modeldir. İki eşeyli bir popülasyonun yaşam öyküsünü incelemek ve ham verilerini çözümlemek için kullanılabilir. </translation>
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
        <translation>%1 size ait, en çok 64 KB büyüklüğünde normal bir dosya değil; olduğu gibi bırakılıyor, ondan hiçbir ayar okunmuyor ve ona hiçbir ayar yazılmıyor.</translation>
    </message>
</context>
<context>
    <name>Observations</name>
    <message>
        <source>A fit needs at least %1 counts above 0, taken at two times or more.</source>
        <extracomment>%1 is the least number of counts a fit takes, &quot;3&quot;</extracomment>
        <translation>Bir uydurma, iki ya da daha fazla zamanda alınmış, 0&apos;ın üzerinde en az %1 sayım ister.</translation>
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
        <translation>ikiye katlanma süresi = %1</translation>
    </message>
    <message>
        <source>halving time = %1</source>
        <extracomment>The time in which the fitted counts halve, for a negative rate</extracomment>
        <translation>yarılanma süresi = %1</translation>
    </message>
    <message>
        <source>doubling time = none: the counts do not grow</source>
        <translation>ikiye katlanma süresi = yok: sayımlar artmıyor</translation>
    </message>
    <message>
        <source>R² = %1</source>
        <extracomment>The coefficient of determination of the fit on the logarithms</extracomment>
        <translation>R² = %1</translation>
    </message>
    <message>
        <source>counts fitted = %1</source>
        <translation>uydurulan sayımlar = %1</translation>
    </message>
    <message>
        <source>counts left out (0 or below) = %1</source>
        <translation>dışarıda bırakılan sayımlar (0 ya da altı) = %1</translation>
    </message>
    <message>
        <source>%1, line %2: not two numbers, time and count: &quot;%3&quot;.</source>
        <extracomment>%1 is the observations file&apos;s name, %2 a line number, %3 that line</extracomment>
        <translation>%1, satır %2: iki sayı, zaman ve sayım değil: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>%1 holds no observations: it needs lines of two numbers, time and count.</source>
        <extracomment>%1 is the observations file&apos;s name</extracomment>
        <translation>%1 hiç gözlem içermiyor: iki sayılık satırlar, zaman ve sayım gerekir.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the observations file&apos;s name, %2 why its counts cannot be fitted</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>observed (%1 counts)</source>
        <extracomment>Legend: a class&apos;s counts drawn as markers; %1 is how many</extracomment>
        <translation>gözlenen (%1 sayım)</translation>
    </message>
    <message>
        <source>observed</source>
        <extracomment>Read-out: a class&apos;s count at a time</extracomment>
        <translation>gözlenen</translation>
    </message>
    <message>
        <source>fitted (r = %1)</source>
        <extracomment>Legend and read-out: the curve fitted to a class&apos;s counts, with its rate</extracomment>
        <translation>uydurulan (r = %1)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Set up a default printer and try again.</source>
        <translation>Kullanılabilir yazıcı yok. Varsayılan bir yazıcı kurun ve yeniden deneyin.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now.</source>
        <translation>%1 yazıcısı şu anda yazdıramıyor.</translation>
    </message>
    <message>
        <source>The printer %1 cannot print now: %2. Nothing was printed.</source>
        <translation>%1 yazıcısı şu anda yazdıramıyor: %2. Hiçbir şey yazdırılmadı.</translation>
    </message>
    <message>
        <source>The printer %1 did not take the page: %2 Nothing was printed.</source>
        <translation>%1 yazıcısı sayfayı kabul etmedi: %2 Hiçbir şey yazdırılmadı.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <translation>Sınav</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Ana pencereye dön</translation>
    </message>
    <message>
        <source>1. Can you name three organisms which can grow exponentially within a day?</source>
        <translation>1. Bir gün içinde üstel olarak büyüyebilen üç organizma sayabilir misiniz?</translation>
    </message>
    <message>
        <source>2. Can you name any organism which can grow exponentially forever?</source>
        <translation>2. Sonsuza dek üstel olarak büyüyebilen herhangi bir organizma sayabilir misiniz?</translation>
    </message>
    <message>
        <source>3. Do you believe that an age-structured population can grow exponentially?</source>
        <translation>3. Yaş yapılı bir popülasyonun üstel olarak büyüyebileceğine inanıyor musunuz?</translation>
    </message>
    <message>
        <source>4. Do you agree that the truth exists no matter you &quot;believe&quot; it or not?</source>
        <translation>4. Siz &quot;inansanız&quot; da inanmasanız da gerçeğin var olduğunu kabul ediyor musunuz?</translation>
    </message>
    <message>
        <source>5. Do you &quot;believe&quot; that the changes of environmental factors limit organisms to grow exponentially?</source>
        <translation>5. Çevresel etkenlerdeki değişikliklerin organizmaların üstel büyümesini sınırladığına &quot;inanıyor&quot; musunuz?</translation>
    </message>
    <message>
        <source>6. Both the change of environmental conditions with time and the limit of environmental resources are important factors which prevent an exponential growth.  But, which one is more important?</source>
        <translation>6. Hem çevre koşullarının zamanla değişmesi hem de çevresel kaynakların sınırlı olması üstel büyümeyi önleyen önemli etkenlerdir.  Ama hangisi daha önemlidir?</translation>
    </message>
</context>
<context>
    <name>ReaderWait</name>
    <message>
        <source>No program is reading %1 yet. The data go to it as soon as one does; Cancel gives up.</source>
        <extracomment>Shown while the program waits to write into a FIFO (a named pipe) or a device that no program reads; %1 is its name.</extracomment>
        <translation>Henüz hiçbir program %1 okumuyor. Bir program okumaya başlar başlamaz veriler ona gider; İptal vazgeçer.</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>References</source>
        <translation>Kaynaklar</translation>
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
        <translation>Malthus, T.R. 1798. An Essay on the Principle of Population. Yeni baskı 1970, Penguin Books, Harmondsworth.</translation>
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
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>RunProblem</name>
    <message>
        <source>The end time t must be a whole number from 0 to %1.</source>
        <translation>Bitiş zamanı t, 0 ile %1 arasında bir tam sayı olmalıdır.</translation>
    </message>
    <message>
        <source>The initial size N(0) is too large in size to compute with.</source>
        <translation>Başlangıç büyüklüğü N(0) hesaplanamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>The growth rate r is too large in size to compute with.</source>
        <translation>Büyüme hızı r hesaplanamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>With these values some numbers of the model become too large in size for the program to compute. Choose a smaller end time, or a growth rate or initial size nearer 0.</source>
        <translation>Bu değerlerle modelin bazı sayıları programın hesaplayamayacağı kadar büyüyor. Daha küçük bir bitiş zamanı ya da 0&apos;a daha yakın bir büyüme hızı veya başlangıç büyüklüğü seçin.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <translation>İthaf</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Allah rahmet eylesin</translation>
    </message>
    <message>
        <source>Dedication portrait</source>
        <translation>İthaf portresi</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Growth rate r</source>
        <extracomment>In the workbook, beside the run&apos;s growth rate</extracomment>
        <translation>Büyüme hızı r</translation>
    </message>
    <message>
        <source>Initial size N(0)</source>
        <extracomment>In the workbook, beside the run&apos;s initial size</extracomment>
        <translation>Başlangıç büyüklüğü N(0)</translation>
    </message>
    <message>
        <source>End time T</source>
        <extracomment>In the workbook, beside the run&apos;s end time</extracomment>
        <translation>Bitiş zamanı T</translation>
    </message>
    <message>
        <source>Observed</source>
        <extracomment>The name of the workbook&apos;s sheet of a class&apos;s counts</extracomment>
        <translation>Gözlenen</translation>
    </message>
    <message>
        <source>Count</source>
        <extracomment>Column headers of the workbook&apos;s sheet of counts</extracomment>
        <translation>Sayım</translation>
    </message>
    <message>
        <source>Fitted count</source>
        <translation>Uydurulan sayım</translation>
    </message>
    <message>
        <source>The workbook cannot be made: %1.</source>
        <extracomment>%1 is the spreadsheet library&apos;s reason, in English</extracomment>
        <translation>Çalışma kitabı oluşturulamıyor: %1.</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>The names of the workbook&apos;s sheets: the run shown, then each kept run</extracomment>
        <translation>Çalıştırma</translation>
    </message>
    <message>
        <source>Kept run %1</source>
        <translation>Saklanan çalıştırma %1</translation>
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
        <translation>Telif hakkı</translation>
    </message>
    <message>
        <source>This program is the work of its author. You are welcome to use it for teaching and study, but you may not modify it, reverse-engineer it or pass it on to others without the author&apos;s written permission.</source>
        <translation>Bu program yazarının eseridir. Öğretim ve çalışma için kullanabilirsiniz; ancak yazarın yazılı izni olmadan değiştiremez, tersine mühendislik uygulayamaz ya da başkalarına veremezsiniz.</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law and international treaties.</source>
        <translation>Uyarı: Bu program telif hakkı yasası ve uluslararası antlaşmalarla korunmaktadır.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Photograph of the author</source>
        <translation>Yazarın fotoğrafı</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</source>
        <translation>Bu programı araştırmanızda kullanırsanız, lütfen makalenizde şu kaynağı gösterin:

Vesk, A. 1997. Computer program for the exponential growth. National Tolvern University, Calverly, Norland.</translation>
    </message>
    <message>
        <source>You can get new version of this program at %1
(Norland Society for Population Ecology, Norland) or
%2
(National Tolvern University).</source>
        <translation>Bu programın yeni sürümlerini %1 adresinden
(Norland Society for Population Ecology, Norland) ya da
%2 adresinden
(National Tolvern University) edinebilirsiniz.</translation>
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
        <translation>Ayrıntı</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>Print button of the large graph window, one letter wide: the first letter of &quot;print&quot;</extracomment>
        <translation>Y</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>Button back to the main window</extracomment>
        <translation>Ana pencere</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Click the chart, or press Enter on it, to show the next chart of the cycle</source>
        <translation>Döngüdeki sonraki grafiği göstermek için grafiğe tıklayın ya da üzerindeyken Enter tuşuna basın</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Bu sayfayı yazdır</translation>
    </message>
    <message>
        <source>Large graphs</source>
        <extracomment>What a screen reader calls the large graph window, whose caption is a bare form name</extracomment>
        <translation>Büyük grafikler</translation>
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
        <translation>Başlamak için bir tuşa basın ya da tıklayın.</translation>
    </message>
</context>
</TS>
