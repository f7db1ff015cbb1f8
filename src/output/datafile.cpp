#include "output/datafile.h"

#include "model/filewrite.h"
#include "model/malvora1.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QDir>

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

bool writeDataFile(const QByteArray &fileName, QString *problem, const Waiting &waiting)
{
    QString reason;
    if (writeFile(fileName, dataFileText(), &reason, waiting)) return true;
    *problem = QCoreApplication::translate("DataFile", "Cannot write %1:\n%2.")
                   .arg(QDir::toNativeSeparators(displayName(fileName)), reason);
    return false;
}
