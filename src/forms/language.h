#pragma once

#include <QLocale>
#include <QString>

// The program speaks the desktop's language where it has a catalogue for it
// (German, Spanish, French, Brazilian Portuguese, Simplified Chinese,
// Turkish) and English otherwise; Qt's own texts, the file and print dialogs'
// buttons and the command line's usage among them, follow.
namespace Language
{

// The catalogue chosen for the first of the preferred languages that is either
// English or one the program has ("de", "pt_BR", ...); empty for English.
QString chooseCatalogue(const QStringList &preferred);

// Installs the program's and Qt's catalogues for the desktop's languages
// (QLocale::system().uiLanguages()), or for `preferred` when given; replaces
// what an earlier call installed. Returns the catalogue chosen, empty for English.
QString install(const QStringList &preferred = {});

// Where the program's catalogues lie: built into the program, so that a
// damaged file can never be loaded in their place (a damaged catalogue makes
// the toolkit read past its end). Qt's own come from the system.
QString catalogueFolder();

} // namespace Language
