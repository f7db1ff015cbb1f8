#pragma once

#include "model/growthfit.h"
#include "model/observationfile.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// One set of a class's counts and the model fitted to them, as a value that
// can be copied and handed to a writer on another thread.
struct ObservationSet {
    QString fileName; // as the user reads it
    std::vector<Observation> observations;
    std::optional<GrowthFit> fit;
    QString fitProblem; // why there is no fit, for the user; empty when there is one

    bool isEmpty() const { return observations.empty(); }
    // The fitted curve's value at a time of the observations' own clock.
    double fitted(double time) const;
};

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

    const ObservationSet &current() const { return m_set; }
    bool isEmpty() const { return m_set.isEmpty(); }
    const QString &fileName() const { return m_set.fileName; }
    const std::vector<Observation> &observations() const { return m_set.observations; }
    const std::optional<GrowthFit> &fit() const { return m_set.fit; }
    const QString &fitProblem() const { return m_set.fitProblem; }
    double fitted(double time) const { return m_set.fitted(time); }

  signals:
    void changed();

  private:
    ObservationSet m_set;
};

namespace MALVORA1
{
extern Observations Observed; // the class's counts, beside the model state
} // namespace MALVORA1
