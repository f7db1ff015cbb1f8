#include "model/growthfit.h"

#include "model/numbertext.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>
#include <vector>

namespace
{

// The context of the texts about observations, for translators.
class Observations
{
    Q_DECLARE_TR_FUNCTIONS(Observations)
};

// Fewer points leave no freedom to say how far r may be off.
constexpr int LeastCounts = 3;

struct Point {
    double x, y;
};

} // namespace

double GrowthFit::doublingTime() const
{
    return std::numbers::ln2 / rate;
}

std::optional<GrowthFit> fitGrowth(std::span<const Observation> observations, QString *problem)
{
    GrowthFit fit;
    std::vector<Point> points;
    points.reserve(observations.size());
    const double start = observations.empty() ? 0 : observations.front().time;
    double xMean = 0, yMean = 0;
    for (const Observation &o : observations) {
        if (!(o.count > 0)) {
            ++fit.leftOut;
            continue;
        }
        points.push_back({o.time - start, std::log(o.count)});
        xMean += points.back().x;
        yMean += points.back().y;
    }
    const auto n = double(points.size());
    xMean /= n;
    yMean /= n;
    double sxx = 0, sxy = 0, syy = 0;
    for (const Point &p : points) {
        sxx += (p.x - xMean) * (p.x - xMean);
        sxy += (p.x - xMean) * (p.y - yMean);
        syy += (p.y - yMean) * (p.y - yMean);
    }
    if (points.size() < size_t(LeastCounts) || !(sxx > 0) || !std::isfinite(sxx)) {
        //: %1 is the least number of counts a fit takes, "3"
        *problem = Observations::tr("A fit needs at least %1 counts above 0, taken "
                                    "at two times or more.")
                       .arg(integerText(LeastCounts));
        return std::nullopt;
    }
    fit.rate = sxy / sxx;
    const double intercept = yMean - fit.rate * xMean;
    double residuals = 0;
    for (const Point &p : points) {
        const double e = p.y - intercept - fit.rate * p.x;
        residuals += e * e;
    }
    fit.rateError = std::sqrt(residuals / (n - 2) / sxx);
    fit.initialSize = std::exp(intercept);
    fit.rSquared = syy > 0 ? 1 - residuals / syy : 1;
    fit.fitted = int(points.size());
    return fit;
}

namespace
{

// A figure to the given significant digits.
QString significant(double x, int digits, const QLocale &locale)
{
    return decimalNumber(x, significantDecimals(x, digits), locale);
}

} // namespace

QStringList fitFigures(const GrowthFit &fit, const QLocale &locale)
{
    // r to five significant digits, its error to as many decimals: what is
    // below them is noise.
    const int rateDecimals = significantDecimals(fit.rate, 5);
    QStringList lines;
    //: The fitted growth rate and its standard error
    lines << Observations::tr("r = %1 ± %2")
                 .arg(decimalNumber(fit.rate, rateDecimals, locale),
                      decimalNumber(fit.rateError, rateDecimals, locale));
    //: The fitted count at the first observation's time
    lines << Observations::tr("N(0) = %1").arg(significant(fit.initialSize, 7, locale));
    if (fit.rate > 0)
        lines << Observations::tr("doubling time = %1")
                     .arg(significant(fit.doublingTime(), 4, locale));
    else if (fit.rate < 0)
        //: The time in which the fitted counts halve, for a negative rate
        lines << Observations::tr("halving time = %1")
                     .arg(significant(-fit.doublingTime(), 4, locale));
    else
        lines << Observations::tr("doubling time = none: the counts do not grow");
    //: The coefficient of determination of the fit on the logarithms
    lines << Observations::tr("R² = %1").arg(significant(fit.rSquared, 5, locale));
    lines << Observations::tr("counts fitted = %1").arg(integerText(fit.fitted));
    lines << Observations::tr("counts left out (0 or below) = %1").arg(integerText(fit.leftOut));
    return lines;
}
