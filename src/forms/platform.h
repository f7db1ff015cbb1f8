#pragma once

#include <QByteArray>

class QProcessEnvironment;

// The platform plugin the program asks Qt for in the environment it starts in;
// empty leaves the choice to Qt.
QByteArray platformFor(const QProcessEnvironment &environment);
