#include "harmlesswarnings.h"

#include <QString>
#include <QtGlobal>

void dropHarmlessWarnings()
{
    static QtMessageHandler next = nullptr;
    if (next) return;
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg &&
                (message == "This plugin does not support raise()" ||
                 message == "This plugin does not support propagateSizeHints()"))
                return;
            next(type, context, message);
        });
}
