#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

const QString CatalogueFolder = QStringLiteral(":/i18n");
const QString CataloguePrefix = QStringLiteral("trellic_");

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString language;
};

Installed& installed()
{
    static Installed catalogues;
    return catalogues;
}

// A language without a catalogue of its own that readers of it read in another one:
// European Portuguese in Brazilian, Traditional Chinese (Hong Kong, Macao) in Taiwan's.
QString readInstead(const QString& language)
{
    static const QHash<QString, QString> instead = {
        {QStringLiteral("pt"), QStringLiteral("pt_BR")},
        {QStringLiteral("zh_Hant"), QStringLiteral("zh_TW")},
        {QStringLiteral("zh_HK"), QStringLiteral("zh_TW")},
        {QStringLiteral("zh_MO"), QStringLiteral("zh_TW")},
    };
    return instead.value(language);
}

} // namespace

QString Translations::firstSpoken(const QStringList& languages, const QStringList& spoken)
{
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language == QLatin1String("en") ||
            language.startsWith(QLatin1String("en_"))) {
            return {};
        }
        for (;;) {
            if (spoken.contains(language)) {
                return language;
            }
            if (const QString other = readInstead(language); spoken.contains(other)) {
                return other;
            }
            const qsizetype cut = language.lastIndexOf(QLatin1Char('_'));
            if (cut < 0) {
                break;
            }
            language.truncate(cut);
        }
    }
    return {};
}

void Translations::install(const QLocale& locale)
{
    Installed& catalogues = installed();
    for (auto* translator : {catalogues.own.get(), catalogues.qt.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    catalogues = {};
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);

    if (locale.language() == QLocale::C) {
        return;
    }
    const QString language = firstSpoken(locale.uiLanguages(), available());
    if (language.isEmpty()) {
        return;
    }
    catalogues.own = std::make_unique<QTranslator>();
    if (!catalogues.own->load(CataloguePrefix + language, CatalogueFolder)) {
        catalogues.own.reset();
        return;
    }
    QCoreApplication::installTranslator(catalogues.own.get());
    catalogues.language = language;
    // Each catalogue says which way its language is written, and every window is laid
    // out that way.
    //: "RTL" for a language written from right to left, "LTR" for any other
    const QString direction = QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION");
    QGuiApplication::setLayoutDirection(direction == QLatin1String("RTL") ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);

    // Qt's own words: compiled in beside Trellic's where the program carries them (on
    // Windows), otherwise where the system keeps Qt's translations. Without them Qt's
    // buttons stay English.
    const QString qtCatalogue = QStringLiteral("qtbase_") + language;
    catalogues.qt = std::make_unique<QTranslator>();
    if (catalogues.qt->load(qtCatalogue, CatalogueFolder) ||
        catalogues.qt->load(qtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(catalogues.qt.get());
    } else {
        catalogues.qt.reset();
    }
}

QString Translations::current()
{
    return installed().language;
}

QStringList Translations::available()
{
    // Picked out by hand rather than by a name filter, which would load the regular
    // expression library (half a megabyte) for this alone.
    const QString suffix = QStringLiteral(".qm");
    QStringList languages;
    for (const QString& file : QDir(CatalogueFolder).entryList(QDir::Files, QDir::Name)) {
        if (file.startsWith(CataloguePrefix) && file.endsWith(suffix)) {
            languages << file.mid(CataloguePrefix.size()).chopped(suffix.size());
        }
    }
    return languages;
}
