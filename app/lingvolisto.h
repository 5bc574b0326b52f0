#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The age checks of the downloaded list "traduklisto.ini" (the list itself
// is read by TradukoListo).
class Lingvolisto
{
public:
    // Whether the list is missing or was last written more than 7 days before `hodiau`.
    static bool malnova(const QString& listo, const QDate& hodiau);

    // Whether the list names a version later than `loka` of the translation
    // in use: the entry of its file `dosiero` when the list has one, else the
    // first entry of its language `lingvoID`. Two files may share a language
    // code (two Russian translations share "ru"), and the first entry of the
    // code may well be the other file.
    static bool pliNova(const QString& listo, const QString& dosiero, const QString& lingvoID, const QDate& loka);
};
