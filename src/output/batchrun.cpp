#include "output/batchrun.h"

#include "model/filewrite.h"
#include "model/keptruns.h"
#include "model/simulation.h"
#include "output/datafile.h"
#include "output/runproblem.h"
#include "output/workbook.h"

#include <QCoreApplication>

#include <unistd.h>

namespace
{

bool writeStandardOutput(QString *problem)
{
    QString reason;
    if (writeAll(STDOUT_FILENO, dataFileText(), &reason)) return true;
    *problem =
        QCoreApplication::translate("BatchRun", "Cannot write to standard output: %1.").arg(reason);
    return false;
}

} // namespace

bool writeRunData(QStringView endTime, QStringView initialSize, QStringView rate,
                  const QByteArray &output, QString *problem)
{
    const RunProblem run = simulate(endTime, initialSize, rate);
    if (run != RunProblem::None) {
        *problem = runProblemText(run);
        return false;
    }
    if (output == "-") return writeStandardOutput(problem);
    const RunSeries runs[] = {currentRun()};
    const bool written = isWorkbookName(output) ? writeWorkbook(output, runs, nullptr, problem)
                                                : writeDataFile(output, problem);
    if (written) return true;
    problem->replace(u'\n', u' ');
    return false;
}
