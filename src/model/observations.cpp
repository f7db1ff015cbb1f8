#include "model/observations.h"

#include <cmath>

namespace MALVORA1
{
Observations Observed;
} // namespace MALVORA1

void Observations::set(const QString &fileName, std::vector<Observation> observations)
{
    ObservationSet set{fileName, std::move(observations), std::nullopt, QString()};
    set.fit = fitGrowth(set.observations, &set.fitProblem);
    m_set = std::move(set);
    emit changed();
}

void Observations::forget()
{
    if (m_set.isEmpty()) return;
    m_set = ObservationSet();
    emit changed();
}

double ObservationSet::fitted(double time) const
{
    if (!fit || observations.empty()) return 0;
    return fit->initialSize * std::exp(fit->rate * (time - observations.front().time));
}
