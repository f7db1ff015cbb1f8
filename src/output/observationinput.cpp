#include "output/observationinput.h"

#include "model/filewrite.h"
#include "model/growthfit.h"
#include "model/observationfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

// Found from the program's own file, as the command line needs it before the
// application object exists.
QString exampleObservationsPath()
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QDir::cleanPath(QFileInfo(program).path() +
                           QStringLiteral("/../share/malvora/examples/census-1790-1860.csv"));
}

std::optional<QByteArray> readInputFile(const QByteArray &name, QString *problem)
{
    const bool standardInput = name == "-";
    QFile file(standardInput ? QString() : QFile::decodeName(name));
    if (standardInput)
        file.open(stdin, QIODevice::ReadOnly);
    else
        file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.isOpen() ? file.readAll() : QByteArray();
    if (file.isOpen() && file.error() == QFileDevice::NoError) return bytes;
    //: %1 is a file's name, %2 the system's reason
    *problem =
        QCoreApplication::translate("Observations", "Cannot read %1: %2.")
            .arg(standardInput ? QStringLiteral("-") : displayName(name), file.errorString());
    return std::nullopt;
}

std::optional<QStringList> fitObservationFile(const QByteArray &name, QString *problem)
{
    const std::optional<QByteArray> bytes = readInputFile(name, problem);
    if (!bytes) return std::nullopt;
    const QString shown = name == "-" ? QStringLiteral("-") : displayName(name);
    const ObservationFile file = readObservations(*bytes, shown);
    if (!file.problem.isEmpty()) {
        *problem = file.problem;
        return std::nullopt;
    }
    QString fitProblem;
    const std::optional<GrowthFit> fit = fitGrowth(file.observations, &fitProblem);
    if (!fit) {
        //: %1 is the observations file's name, %2 why its counts cannot be fitted
        *problem = QCoreApplication::translate("Observations", "%1: %2").arg(shown, fitProblem);
        return std::nullopt;
    }
    return fitFigures(*fit, QLocale::c());
}
