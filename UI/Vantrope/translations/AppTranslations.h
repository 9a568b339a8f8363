#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program speaks the user's language where a translation ships with it:
// its own texts from the compiled-in catalogues, and Qt's (file dialogs,
// standard buttons) from the system's Qt translations. English is the
// source language and needs no catalogue.
namespace AppTranslations {

// The languages shipped, as catalogue suffixes: "de", "pt_BR", "zh_CN", ...
QStringList shippedLanguages();

// Of the user's languages, most wanted first (QLocale::uiLanguages(), for
// example "de-DE", "pt-BR", "zh-Hans-CN"), the first one a shipped catalogue
// serves; a language matches a catalogue of the same language and script
// (Austrian German gets German, Traditional Chinese does not get Simplified).
// English before any match, or no match at all, gives an empty string: the
// texts stay as written.
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped);

// Installs the catalogues for the locale's languages into the running
// application (once; a later call replaces them). Returns the language
// installed, or an empty string for English.
QString install(const QLocale &locale = QLocale::system());

} // namespace AppTranslations
