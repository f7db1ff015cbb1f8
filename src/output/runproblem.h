#pragma once

#include "model/simulation.h"

#include <QString>

// Why Run cannot go on with these values, for the user and on the command
// line alike; empty when it can.
QString runProblemText(RunProblem problem);
