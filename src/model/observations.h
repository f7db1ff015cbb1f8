#pragma once

#include "model/growthfit.h"
#include "model/observationfile.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

/*
 * The class's observations that the charts draw beside the model, and the
 * model fitted to them: one set at a time, from the file last opened, for one
 * session of the program. Every chart and read-out hears of each change from
 * here.
 */
class Observations : public QObject
{
    Q_OBJECT
  public:
    // Takes the file's observations in place of any before, and fits them;
    // a set too small to fit is kept all the same, without a fit.
    void set(const QString &fileName, std::vector<Observation> observations);
    void forget();

    bool isEmpty() const { return m_observations.empty(); }
    // The file's name as the user reads it.
    const QString &fileName() const { return m_fileName; }
    const std::vector<Observation> &observations() const { return m_observations; }
    const std::optional<GrowthFit> &fit() const { return m_fit; }
    // Why there is no fit, for the user; empty when there is one or no set.
    const QString &fitProblem() const { return m_fitProblem; }
    // The fitted curve's value at time t of the observations' own clock.
    double fitted(double time) const;

  signals:
    void changed();

  private:
    QString m_fileName;
    std::vector<Observation> m_observations;
    std::optional<GrowthFit> m_fit;
    QString m_fitProblem;
};

namespace MALVORA1
{
extern Observations Observed; // the class's counts, beside the model state
} // namespace MALVORA1
