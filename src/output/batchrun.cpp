#include "output/batchrun.h"

#include "model/simulation.h"
#include "output/datafile.h"
#include "output/runproblem.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace
{

bool writeStandardOutput(QString *problem)
{
    const QByteArray text = dataFileText();
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(text) == text.size() && out.flush())
        return true;
    *problem = QCoreApplication::translate("BatchRun", "Cannot write to standard output: %1.")
                   .arg(out.errorString());
    return false;
}

} // namespace

bool writeRunData(QStringView endTime, QStringView initialSize, QStringView rate,
                  const QString &output, QString *problem)
{
    const RunProblem run = simulate(endTime, initialSize, rate);
    if (run != RunProblem::None) {
        *problem = runProblemText(run);
        return false;
    }
    if (output == u"-") return writeStandardOutput(problem);
    if (writeDataFile(output, problem)) return true;
    problem->replace(u'\n', u' ');
    return false;
}
