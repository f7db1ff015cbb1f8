#include "output/runproblem.h"

#include "model/malvora1.h"
#include "model/numbertext.h"

#include <QCoreApplication>

// Values beyond the double range may be positive or negative, and a model may
// overflow while its population shrinks: the words say "in size".
QString runProblemText(RunProblem problem)
{
    switch (problem) {
    case RunProblem::EndTimeOutOfRange:
        return QCoreApplication::translate("RunProblem",
                                           "The end time t must be a whole number from 0 to %1.")
            .arg(integerText(MALVORA1::MaxEndTime));
    case RunProblem::InitialSizeTooLarge:
        return QCoreApplication::translate(
            "RunProblem", "The initial size N(0) is too large in size to compute with.");
    case RunProblem::RateTooLarge:
        return QCoreApplication::translate(
            "RunProblem", "The growth rate r is too large in size to compute with.");
    case RunProblem::Overflow:
        return QCoreApplication::translate(
            "RunProblem", "With these values some numbers of the model become too large in size "
                          "for the program to compute. Choose a smaller end time, or a growth "
                          "rate or initial size nearer 0.");
    case RunProblem::None:
        break;
    }
    return {};
}
