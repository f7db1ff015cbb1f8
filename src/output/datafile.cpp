#include "output/datafile.h"

#include "model/malvora1.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <algorithm>

using namespace MALVORA1;

QByteArray dataFileText()
{
    static constexpr char Header[] = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";
    // A line: t, two numbers, two commas, CR LF.
    constexpr qsizetype LongestLine = 11 + 2 * FileNumberSize + 4;
    QByteArray text(qsizetype(sizeof Header) + LongestLine * (Simut + 1), Qt::Uninitialized);
    char *out = std::copy_n(Header, sizeof Header - 1, text.data());
    for (i = 0; i <= Simut; ++i) {
        out = writeInteger(out, i);
        *out++ = ',';
        out = writeFileNumber(out, roundToPlaces(Nt[size_t(i)], 10000));
        *out++ = ',';
        out = writeFileNumber(out, roundToPlaces(DeltaN[size_t(i)], 10000));
        *out++ = '\r';
        *out++ = '\n';
    }
    text.truncate(out - text.data());
    return text;
}

namespace
{

// A disk that fills up takes part of a write and says nothing; only the next
// write fails and tells why ("No space left on device"). So the text goes out
// unbuffered (a buffered short write surfaces only in commit(), which then
// replaces the old file with a cut one), and a short write is followed by
// another until one fails.
bool writeAll(QSaveFile &file, const QByteArray &text)
{
    for (qint64 written = 0, n = 0; written < text.size(); written += n)
        if ((n = file.write(text.constData() + written, text.size() - written)) <= 0) return false;
    return true;
}

} // namespace

bool writeDataFile(const QString &fileName, QString *problem)
{
    QSaveFile file(fileName);
    const QByteArray text = dataFileText();
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, text) &&
        file.commit())
        return true;
    *problem = QCoreApplication::translate("DataFile", "Cannot write %1:\n%2.")
                   .arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
}
