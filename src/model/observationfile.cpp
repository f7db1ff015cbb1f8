#include "model/observationfile.h"

#include "model/numbertext.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace
{

// The context of the texts about observations, for translators.
class Observations
{
    Q_DECLARE_TR_FUNCTIONS(Observations)
};

// The longest part of a refused line that a message quotes.
constexpr qsizetype QuotedLength = 60;

std::optional<double> cellNumber(QStringView cell, bool decimalComma)
{
    cell = cell.trimmed();
    if (cell.size() >= 2 && cell.front() == u'"' && cell.back() == u'"')
        cell = cell.sliced(1, cell.size() - 2).trimmed();
    if (cell.startsWith(u'+')) cell = cell.sliced(1);
    std::string text;
    text.reserve(size_t(cell.size()));
    for (const QChar c : cell) {
        if (c.unicode() >= 128) return std::nullopt;
        text += c == u',' && decimalComma ? '.' : char(c.unicode());
    }
    if (text.empty() || text[0] == '+') return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QChar separatorOf(QStringView line)
{
    for (const QChar candidate : {u'\t', u';'})
        if (line.contains(candidate)) return candidate;
    return u',';
}

QString quoted(QStringView line)
{
    return line.size() <= QuotedLength ? line.toString()
                                       : line.first(QuotedLength).toString() + u'…';
}

} // namespace

ObservationFile readObservations(QByteArrayView bytes, const QString &fileName)
{
    ObservationFile file;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    const QString text = QString::fromUtf8(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    QChar separator;
    bool decimalComma = false, first = true;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        QStringView line = lines[k];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        if (first) {
            separator = separatorOf(line);
            decimalComma = separator != u',';
        }
        const QList<QStringView> cells = line.split(separator);
        std::optional<double> time, count;
        if (cells.size() == 2) {
            time = cellNumber(cells[0], decimalComma);
            count = cellNumber(cells[1], decimalComma);
        }
        bool header = false;
        if (first) {
            header = true;
            for (const QStringView cell : cells)
                header = header && !cellNumber(cell, decimalComma);
            first = false;
        }
        if (header) continue;
        if (!time || !count) {
            file.observations.clear();
            file.refusedLine = int(k + 1);
            //: %1 is the observations file's name, %2 a line number, %3 that line
            file.problem = Observations::tr("%1, line %2: not two numbers, time and count: "
                                            "\"%3\".")
                               .arg(fileName, integerText(int(k + 1)), quoted(line));
            return file;
        }
        file.observations.push_back({*time, *count});
    }
    if (file.observations.empty())
        //: %1 is the observations file's name
        file.problem = Observations::tr("%1 holds no observations: it needs lines of two "
                                        "numbers, time and count.")
                           .arg(fileName);
    return file;
}
