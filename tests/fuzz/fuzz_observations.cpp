// The reader of a class's counts against what its format promises: a file is
// read whole or refused at a line that exists; every line that holds
// something is one observation, a first line of headers aside; and the
// observations, written back with 17 digits in a comma file, read back as the
// same doubles. The fit of what was read must not fail on any of them.
#include "model/growthfit.h"
#include "model/observationfile.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

void fail(const char *what)
{
    std::fprintf(stderr, "observations: %s\n", what);
    std::abort();
}

// Lines that hold more than blanks, as the reader counts them.
qsizetype filledLines(const QString &text)
{
    qsizetype filled = 0;
    for (QStringView line : QStringView(text).split(u'\n'))
        filled += !line.trimmed().isEmpty();
    return filled;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ObservationFile file = readObservations(bytes, QStringLiteral("fuzz"));
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    const QString text = QString::fromUtf8(body);
    if (file.refusedLine != 0) {
        if (file.refusedLine > text.count(u'\n') + 1 || file.problem.isEmpty() ||
            !file.observations.empty())
            fail("a refusal without its line");
        return 0;
    }
    const auto read = qsizetype(file.observations.size());
    const qsizetype filled = filledLines(text);
    if (read != filled && read != filled - 1) fail("a line dropped");
    if (read == 0 && file.problem.isEmpty()) fail("no observations, and no word of it");

    QByteArray again;
    char line[80];
    for (const Observation &o : file.observations)
        again +=
            QByteArray(line, std::snprintf(line, sizeof line, "%.17g,%.17g\n", o.time, o.count));
    const ObservationFile back = readObservations(again, QStringLiteral("again"));
    if (back.observations.size() != file.observations.size()) fail("not read back");
    for (size_t k = 0; k < back.observations.size(); ++k)
        if (back.observations[k].time != file.observations[k].time ||
            back.observations[k].count != file.observations[k].count)
            fail("read back as another number");

    QString problem;
    if (const auto fit = fitGrowth(file.observations, &problem))
        if (fit->fitted + fit->leftOut != int(read)) fail("a count neither fitted nor left out");
    return 0;
}
