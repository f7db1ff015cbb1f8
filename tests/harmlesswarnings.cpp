#include "harmlesswarnings.h"

#include <QString>
#include <QtGlobal>

namespace
{

QtMessageHandler next = nullptr;

const char *const Harmless[] = {
    "This plugin does not support raise()",
    "This plugin does not support propagateSizeHints()",
};

void dropHarmless(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    for (const char *text : Harmless)
        if (type == QtWarningMsg && message == QLatin1String(text)) return;
    next(type, context, message);
}

} // namespace

void dropHarmlessWarnings()
{
    if (!next) next = qInstallMessageHandler(dropHarmless);
}
