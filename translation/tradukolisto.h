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
    // in file name order ignoring case. `datoDefault` stands in for a missing
    // "Dato". Taken from the folder's index where it names the file, else
    // read from the file.
    static QList<QStringList> enkonstruitaj(const QString& datoDefault);

    // The keys of section [Traduko] of a translation file's contents, read as
    // QSettings reads them, but from the header alone: a list of 35 files
    // would otherwise parse 35 whole files of 100 KB. True when the header is
    // plain enough to be sure of that: it is the file's first section, comes
    // only once, and its lines hold no quotes, escapes, commas, comments
    // after a value or special values. False for anything else, which the
    // caller leaves to QSettings.
    static bool simplaKapo(const QByteArray& enhavo, QHash<QString, QString>& kapo);

    // The keys of section [Traduko] of the translation file at `vojo`, read
    // as the lists read them: the header alone where simplaKapo() is sure of
    // it, else the whole file through QSettings.
    static QHash<QString, QString> kapo(const QString& vojo);

    // The index of the built-in translations, made by the build from every
    // file `nomoj` names in `dosierujo`: each file's name on a line, then its
    // header's keys as kapo() reads them, one "key=value" a line, the bytes
    // '%', '=', 0x7f and those below 0x20 written as %XX. The start and the
    // language lists read it in place of the headers of every file (35 files
    // of 100 KB, most of them compressed among the resources).
    static QByteArray indekso(const QString& dosierujo, const QStringList& nomoj);
    // The headers an index holds, by file name.
    static QHash<QString, QHash<QString, QString>> elIndekso(const QByteArray& indekso);
    // Its name in the folder of the built-in translations (TradukUjo()).
    static QString indeksoNomo() { return QStringLiteral("indekso"); }

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
