#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The translations the learner can choose from, and the age checks of the
// downloaded list "traduklisto.ini".
class Lingvolisto
{
public:
    // Entries of LingvoID, Lingvo, file name, Dato: from the downloaded list
    // when it holds one (up to the first group without a language code),
    // else from the headers of the translations built into the program.
    static QList<QStringList> legas(const QString& listo, const QString& enkonstruitaj);

    // Whether the list is missing or was last written more than 7 days before `hodiau`.
    static bool malnova(const QString& listo, const QDate& hodiau);

    // Whether the list names a version of language `lingvoID` later than `loka`.
    static bool pliNova(const QString& listo, const QString& lingvoID, const QDate& loka);
};
