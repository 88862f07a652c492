#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The player's language. Trellic's texts are English in the code; a catalogue of its own
// (compiled in) and Qt's (for what Qt draws: the buttons of the boxes and prompts) turn
// them into the first of the system's languages that Trellic speaks. English, the C
// locale, and a list of languages without one Trellic speaks, keep the English texts.
class Translations {
public:
    // Installs the catalogues for the first of `locale`'s languages that has one,
    // replacing those installed before. Windows made afterwards speak it.
    static void install(const QLocale& locale = QLocale::system());

    // The language in use ("de", "pt_BR"), or empty for English.
    static QString current();

    // The languages Trellic has a catalogue for.
    static QStringList available();

    // The first of `languages` (as a locale lists them: "pt-BR", "de-Latn-DE", "de") in
    // `spoken`, trying a language without its region or script when that one is not,
    // and the language its readers read instead where it has none (pt-PT: pt_BR,
    // zh-HK: zh_TW); empty when English or the C locale comes first, or none is spoken.
    static QString firstSpoken(const QStringList& languages, const QStringList& spoken);
};
