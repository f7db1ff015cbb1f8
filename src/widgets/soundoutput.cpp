#include "widgets/soundoutput.h"

#include <QCoreApplication>
#include <QLibrary>

std::unique_ptr<SoundOutput> loadSoundOutput(QString *why)
{
    // Beside the program's folder, as installed (bin/../lib/malvora/modules) and in the build tree.
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../" MALVORA_MODULE_DIR "/malvora-sound"));
    const auto make = reinterpret_cast<MakeSoundOutput>(module.resolve("malvoraSoundOutput"));
    if (!make) {
        *why = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundOutput>(make());
}
