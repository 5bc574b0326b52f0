#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Reading the lists of available translations, shared by the first-start
// language dialog and the settings page of the main window. Widget-free.
//
// An entry is four strings in this order: language code, display name,
// file name, date ("dd.MM.yyyy").
class TradukoListo
{
public:
    enum Kampo { ID = 0, Nomo = 1, Dosiero = 2, Dato = 3 };

    // True for a safe translation file name (TradukDosierNomo). A name from
    // the downloaded list becomes a path under savasLoko, so anything else
    // must never reach the disk.
    static bool ValidaDosierNomo(const QString& nomo);

    // The downloaded list: groups "0", "1", ... "199", stopping at the first
    // group without a language code. Entries whose file name is not a valid
    // bare ".trd" name are skipped. Empty when the file is missing or its
    // group "0" has no language code; then the caller lists the built-in files.
    static QList<QStringList> elListo(const QString& vojo);

    // The headers of the built-in translation files (those in TradukUjo()),
    // in file name order ignoring case. `datoDefault` stands in for a missing "Dato".
    static QList<QStringList> enkonstruitaj(const QString& datoDefault);

    // The keys of section [Traduko] of a translation file's contents, read as
    // QSettings reads them, but from the header alone: a list of 35 files
    // would otherwise parse 35 whole files of 100 KB. True when the header is
    // plain enough to be sure of that: it is the file's first section, comes
    // only once, and its lines hold no quotes, escapes, commas, comments
    // after a value or special values. False for anything else, which the
    // caller leaves to QSettings.
    static bool simplaKapo(const QByteArray& enhavo, QHash<QString, QString>& kapo);

    // The downloaded list when it gives any entry, else the built-in files.
    static QList<QStringList> disponeblaj(const QString& listoVojo, const QString& datoDefault);

    // The "Dato" of the first group among all 200 whose language code, with
    // blanks trimmed, equals `lingvoID` trimmed (the search does not stop at
    // a missing group). Empty when the list is missing or no group matches.
    static QString datoEnListo(const QString& vojo, const QString& lingvoID);

    // The row to preselect: the last entry whose code is `lokaKodo`, else the
    // last one whose code is "en", else -1.
    static int antauElekto(const QList<QStringList>& eroj, const QString& lokaKodo);

    // The code the list gives the default locale's language: its two
    // letters ("pt" for pt_BR), but "jp", "ch", "la" and "li" for Japanese,
    // Chinese, Latvian and Lithuanian; empty for a language whose ISO code
    // is one of those.
    static QString lokaKodo();
};
