#include "AppTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

static void initTranslationResources()
{
    // The catalogues live in a static library: its resources are registered
    // by hand.
    Q_INIT_RESOURCE(vantrope_translations);
}

namespace AppTranslations {

namespace {

const char kCatalogueFolder[] = ":/translations";

QTranslator *ownCatalogue = nullptr;
QTranslator *qtCatalogue = nullptr;

void removeInstalled()
{
    for (QTranslator **translator : {&ownCatalogue, &qtCatalogue}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

} // namespace

QStringList shippedLanguages()
{
    return QString::fromLatin1(VANTROPE_SHIPPED_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped)
{
    for (const QString &wanted : uiLanguages) {
        const QLocale user(wanted);
        if (user.language() == QLocale::English || user.language() == QLocale::C)
            return QString();
        // The exact catalogue first (pt_BR for pt-BR), then any of the same
        // language and script.
        const QString exact = user.name();
        if (shipped.contains(exact))
            return exact;
        for (const QString &catalogue : shipped) {
            const QLocale offered(catalogue);
            if (offered.language() == user.language() && offered.script() == user.script())
                return catalogue;
        }
    }
    return QString();
}

QString install(const QLocale &locale)
{
    initTranslationResources();
    removeInstalled();
    const QString language = chooseLanguage(locale.uiLanguages(), shippedLanguages());
    if (language.isEmpty())
        return QString();

    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral("vantrope_") + language, QString::fromLatin1(kCatalogueFolder))) {
        delete own;
        return QString();
    }
    QCoreApplication::installTranslator(own);
    ownCatalogue = own;

    // Qt's own texts in the same language; QTranslator falls back from
    // qtbase_pt_BR to qtbase_pt by itself. Without the system's catalogue
    // (qttranslations5-l10n) they stay English.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtCatalogue = qt;
    } else {
        delete qt;
    }
    return language;
}

} // namespace AppTranslations
