// The program speaks the user's language: which catalogue a user's languages
// choose, that every shipped one loads and translates, and that Qt's own
// texts (the file dialog's buttons) follow.

#include "AppTranslations.h"
#include "BatchReport.h"
#include "Heif2jpg.h"
#include "HeicFileTable.h"
#include "HomeTile.h"
#include "TipDialog.h"
#include "Vantrope.h"
#include "ZoSkin.h"
#include "ZoStyleButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void chooseLanguage_data();
    void chooseLanguage();
    void everyCatalogueLoads();
    void widgetsSpeakIt();
    void qtTextsFollow();
    void englishNeedsNoCatalogue();
    void translationsKeepTheirShape();
    void countsTakeTheLanguagesPluralForms_data();
    void countsTakeTheLanguagesPluralForms();
    void captionsFit_data();
    void captionsFit();
};

void tst_Translations::cleanup()
{
    AppTranslations::install(QLocale(QLocale::English));
}

void tst_Translations::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR", "pt"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
    QTest::newRow("Traditional Chinese") << QStringList{"zh-Hant-TW", "zh-TW"} << "";
    QTest::newRow("Japanese") << QStringList{"ja-JP"} << "ja";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("first shipped one wins") << QStringList{"nl-NL", "it-IT", "de-DE"} << "it";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("C locale") << QStringList{"C"} << "";
    QTest::newRow("none shipped") << QStringList{"nl-NL", "sv-SE"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
}

void tst_Translations::chooseLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(AppTranslations::chooseLanguage(uiLanguages, AppTranslations::shippedLanguages()), chosen);
}

void tst_Translations::everyCatalogueLoads()
{
    for (const QString &language : AppTranslations::shippedLanguages()) {
        QCOMPARE(AppTranslations::install(QLocale(language)), language);
        const QString convert = QCoreApplication::translate("HeicFileTable", "Convert");
        QVERIFY2(!convert.isEmpty() && convert != QLatin1String("Convert"), qPrintable(language));
        // Placeholders survive translation.
        const QString reason = QCoreApplication::translate(
            "PreviewHEIC", "%1 could not be saved.\nFolder: %2\nReason: %3");
        for (const char *marker : {"%1", "%2", "%3"})
            QVERIFY2(reason.contains(QLatin1String(marker)), qPrintable(language + ": " + reason));
    }
}

void tst_Translations::widgetsSpeakIt()
{
    QCOMPARE(AppTranslations::install(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de"));
    TipDialog question;
    question.setQuitConfirmMode();
    QCOMPARE(question.windowTitle(), QStringLiteral("Hinweis"));
    QStringList texts;
    for (QLabel *label : question.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(texts.contains(QStringLiteral("Möchten Sie das Programm wirklich beenden?")),
             qPrintable(texts.join(" | ")));

    // The reason a photo was not converted, from the decoder's error code.
    if (!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/libTarnwick.so"))
        QSKIP("libTarnwick.so is not built");
    QVERIFY(bindDecoder());
    QCOMPARE(decoderErrorText(-3), QStringLiteral("keine HEIF- oder JPEG-Datei (Decoderfehler -3)"));
}

void tst_Translations::qtTextsFollow()
{
    const QString qtCatalogues = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(QDir(qtCatalogues).filePath("qtbase_de.qm")))
        QSKIP("Qt's own catalogues (qttranslations5-l10n) are not installed");
    AppTranslations::install(QLocale(QLocale::German, QLocale::Germany));
    // The file dialog's and the standard buttons' texts.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Öffnen"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void tst_Translations::englishNeedsNoCatalogue()
{
    AppTranslations::install(QLocale(QLocale::German));
    QCOMPARE(AppTranslations::install(QLocale(QLocale::English, QLocale::UnitedStates)), QString());
    // Switching back leaves no German behind.
    QCOMPARE(QCoreApplication::translate("HeicFileTable", "Convert"), QStringLiteral("Convert"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// Chinese and Japanese punctuation (，、。) carries its own space.
static bool endsWithWidePunctuation(const QString &text)
{
    if (text.isEmpty())
        return false;
    const ushort last = text.at(text.size() - 1).unicode();
    return (last >= 0x3000 && last <= 0x303F) || (last >= 0xFF00 && last <= 0xFFEF);
}

// Texts are joined with numbers and other texts ("3" + " files ..."), and
// fill in placeholders: a translation keeps every %N of its source and the
// spaces at either end, or the window shows "3Dateien" or a missing folder.
void tst_Translations::translationsKeepTheirShape()
{
    const QString sources = qEnvironmentVariable("VANTROPE_SOURCE_DIR");
    if (sources.isEmpty())
        QSKIP("VANTROPE_SOURCE_DIR not set (run through ctest)");
    const QRegularExpression marker(QStringLiteral("%\\d"));
    auto markers = [&](const QString &text) {
        QStringList found;
        for (auto it = marker.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    int checked = 0;
    for (const QString &language : AppTranslations::shippedLanguages()) {
        QFile file(sources + QStringLiteral("/UI/Vantrope/translations/vantrope_") + language
                   + QStringLiteral(".ts"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString source;
        bool numerus = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message")) {
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if ((xml.name() == QLatin1String("translation") && !numerus)
                       || xml.name() == QLatin1String("numerusform")) {
                // A %n text's plural forms each keep the shape of the source.
                const QString translation = xml.readElementText();
                const QString where = language + QStringLiteral(": \"") + source + QStringLiteral("\" -> \"")
                                      + translation + QLatin1Char('"');
                QVERIFY2(markers(translation) == markers(source), qPrintable(where));
                QVERIFY2(!numerus || translation.contains(QLatin1String("%n")), qPrintable(where));
                QVERIFY2(translation.startsWith(QLatin1Char(' ')) == source.startsWith(QLatin1Char(' ')),
                         qPrintable(where));
                if (source.endsWith(QLatin1Char(' ')))
                    QVERIFY2(translation.endsWith(QLatin1Char(' ')) || endsWithWidePunctuation(translation),
                             qPrintable(where));
                else
                    QVERIFY2(!translation.endsWith(QLatin1Char(' ')), qPrintable(where));
                QVERIFY2(translation.count(QLatin1Char('\n')) == source.count(QLatin1Char('\n')),
                         qPrintable(where));
                ++checked;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
    QVERIFY(checked > 0);
}

void tst_Translations::countsTakeTheLanguagesPluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("en 1") << "en" << 1 << "1 file has been successfully converted!";
    QTest::newRow("en 0") << "en" << 0 << "0 files have been successfully converted!";
    QTest::newRow("de 1") << "de" << 1 << "1 Datei wurde erfolgreich konvertiert!";
    QTest::newRow("de 5") << "de" << 5 << "5 Dateien wurden erfolgreich konvertiert!";
    QTest::newRow("fr 0 is singular") << "fr" << 0 << "0 fichier a été converti avec succès !";
    QTest::newRow("fr 2") << "fr" << 2 << "2 fichiers ont été convertis avec succès !";
    QTest::newRow("ja 3") << "ja" << 3 << "3 個のファイルを変換しました。";
}

void tst_Translations::countsTakeTheLanguagesPluralForms()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, text);
    AppTranslations::install(QLocale(language));
    QCOMPARE(BatchReport::convertedCount(count, true), text);
}

void tst_Translations::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    for (const QString &language : AppTranslations::shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// The captions the widgets paint over text-free skin images (the batch
// table's tool links, Home, the home tiles) are translated and fit: a link
// or Home widens to its caption and the links stay apart; a tile's title
// fits its line and its description its lines. English keeps its layout.
void tst_Translations::captionsFit()
{
    QFETCH(QString, language);
    AppTranslations::install(language.isEmpty() ? QLocale(QLocale::English) : QLocale(language));
    const bool english = language.isEmpty();

    HeicFileTable page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const struct {
        const char *name;
        const char *english;
        int englishWidth;
    } links[] = {{"pushButton_Add", "Add", 60}, {"pushButton_Delete", "Delete", 76}, {"pushButton_Clear", "Clear", 68}};
    int previousRight = -1;
    for (const auto &link : links) {
        auto *button = page.findChild<ZoStyleButton *>(link.name);
        QVERIFY2(button, link.name);
        QCOMPARE(button->text(), QCoreApplication::translate("HeicFileTable", link.english));
        QVERIFY2(button->width() >= button->captionWidth(), qPrintable(button->text()));
        if (english)
            QCOMPARE(button->width(), link.englishWidth);
        const QRect placed(button->mapTo(&page, QPoint()), button->size());
        QVERIFY2(placed.left() > previousRight, qPrintable(button->text()));
        previousRight = placed.right();
    }

    Vantrope window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *home = window.findChild<ZoStyleButton *>("pushButton_BackHome");
    QVERIFY(home);
    QCOMPARE(home->text(), QCoreApplication::translate("Vantrope", "Home"));
    QVERIFY(home->width() >= home->captionWidth());
    if (english)
        QCOMPARE(home->width(), 90);

    const ZoSkin skin;
    const QFontMetrics titleMetrics(skin.font(ZoSkin::TileTitleFont));
    const QFontMetrics descriptionMetrics(skin.font(ZoSkin::SmallFont));
    for (const char *name : {"label_SignalPhoto", "label_BatchPhoto"}) {
        auto *tile = window.findChild<HomeTile *>(name);
        QVERIFY2(tile, name);
        QVERIFY(!tile->title().isEmpty() && !tile->description().isEmpty());
        QCOMPARE(tile->accessibleName(), tile->title());
        QVERIFY2(titleMetrics.horizontalAdvance(tile->title()) <= HomeTile::titleRect().width(),
                 qPrintable(tile->title()));
        const QRect description = HomeTile::descriptionRect();
        const QRect needed = descriptionMetrics.boundingRect(description, Qt::AlignHCenter | Qt::TextWordWrap,
                                                             tile->description());
        QVERIFY2(needed.height() <= description.height() && needed.width() <= description.width(),
                 qPrintable(tile->description()));
    }
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
