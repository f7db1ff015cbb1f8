// The data file's text against one written from its format alone, with the C
// library's printf: each value x rounded as x * 10000 to the nearest whole
// number (ties to the even neighbour, below 2^52, where a double has a
// fraction to round) and divided back, then written with 15 significant
// digits (%.15G), without the leading zero before the point.
#include "model/malvora1.h"
#include "model/simulation.h"
#include "output/datafile.h"

#include <QString>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

std::string number(double x)
{
    const double scaled = x * 10000;
    const double rounded = std::abs(scaled) < 0x1p52 ? std::nearbyint(scaled) / 10000 : x;
    if (rounded == 0) return "0";
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", rounded);
    std::string s = text;
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return s;
}

std::string referenceFile()
{
    using namespace MALVORA1;
    std::string file = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";
    for (int t = 0; t <= Simut; ++t)
        file += std::to_string(t) + ',' + number(Nt[size_t(t)]) + ',' + number(DeltaN[size_t(t)]) +
                "\r\n";
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double rate = 0, initial = 0;
    std::uint16_t end = 0;
    if (size < sizeof rate + sizeof initial + sizeof end) return 0;
    std::memcpy(&rate, data, sizeof rate);
    std::memcpy(&initial, data + sizeof rate, sizeof initial);
    std::memcpy(&end, data + sizeof rate + sizeof initial, sizeof end);
    if (!std::isfinite(rate) || !std::isfinite(initial)) return 0;
    std::fesetround(FE_TONEAREST);
    const auto text = [](double x) { return QString::number(x, 'g', 17); };
    if (simulate(QString::number(end % 3000), text(initial), text(rate)) != RunProblem::None)
        return 0;
    const QByteArray got = dataFileText();
    const std::string want = referenceFile();
    if (got.toStdString() != want) {
        qsizetype k = 0;
        while (k < got.size() && size_t(k) < want.size() && got[k] == want[size_t(k)])
            ++k;
        const qsizetype line = got.lastIndexOf('\n', k - 1) + 1;
        std::fprintf(stderr, "r %.17g, N(0) %.17g, T %d: the file has\n%s\nthe reference\n%s\n",
                     rate, initial, end % 3000, got.mid(line, 80).constData(),
                     want.substr(size_t(line), 80).c_str());
        std::abort();
    }
    return 0;
}
