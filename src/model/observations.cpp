#include "model/observations.h"

#include <cmath>

namespace MALVORA1
{
Observations Observed;
} // namespace MALVORA1

void Observations::set(const QString &fileName, std::vector<Observation> observations)
{
    m_fileName = fileName;
    m_observations = std::move(observations);
    m_fitProblem.clear();
    m_fit = fitGrowth(m_observations, &m_fitProblem);
    emit changed();
}

void Observations::forget()
{
    if (m_observations.empty()) return;
    m_fileName.clear();
    m_observations.clear();
    m_fit.reset();
    m_fitProblem.clear();
    emit changed();
}

double Observations::fitted(double time) const
{
    if (!m_fit || m_observations.empty()) return 0;
    return m_fit->initialSize * std::exp(m_fit->rate * (time - m_observations.front().time));
}
