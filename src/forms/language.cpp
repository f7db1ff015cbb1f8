#include "forms/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace
{

// The program's catalogues, by the locale each stands for.
const char *const Catalogues[] = {"de", "es", "fr", "pt_BR", "zh_CN", "tr"};

std::unique_ptr<QTranslator> &installed(int which)
{
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

void load(int which, const QString &file, const QString &folder)
{
    auto &translator = installed(which);
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    if (file.isEmpty()) return;
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(file, folder)) return;
    QCoreApplication::installTranslator(loaded.get());
    translator = std::move(loaded);
}

} // namespace

QString Language::chooseCatalogue(const QStringList &preferred)
{
    // A language matches a catalogue in language and script: any Portuguese
    // reads the Brazilian catalogue, but traditional Chinese is not simplified.
    for (const QString &name : preferred) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C) return {};
        for (const char *catalogue : Catalogues) {
            const QLocale offered(QString::fromLatin1(catalogue));
            if (offered.language() == wanted.language() && offered.script() == wanted.script())
                return QString::fromLatin1(catalogue);
        }
    }
    return {};
}

QString Language::catalogueFolder()
{
    return QStringLiteral(":/translations");
}

QString Language::install(const QStringList &preferred)
{
    const QString chosen =
        chooseCatalogue(preferred.isEmpty() ? QLocale::system().uiLanguages() : preferred);
    load(0, chosen.isEmpty() ? QString() : QStringLiteral("malvora_") + chosen, catalogueFolder());
    load(1, chosen.isEmpty() ? QString() : QStringLiteral("qtbase_") + chosen,
         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return chosen;
}
