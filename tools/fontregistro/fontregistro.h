#pragma once
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The English each text of a translation file was made from. Beside the
// translation files, "fontoj/<name>.txt" keeps one line per key of
// angla.trd, in its order: "Section/Key hash", the hash of angla.trd's text
// of the key as it stood when the translated text was written or last
// reviewed. A key whose English has changed since then is stale until a
// reviewer has read the translated text again and recorded the English it
// now follows (tools/tradukfontoj, which tst_tradukoj runs too).
//
// The hash is taken of the text as the INI reader gives it back, not of the
// line, so a change of quoting or line ends in angla.trd, which changes
// nothing a translator must follow, stales nothing. Widget-free.
class FontRegistro
{
public:
    using Tekstoj = QList<QPair<QString, QString>>; // "Section/Key", text

    // `traduko`: the path of a translation file; angla.trd stands in the
    // same folder, the record in its "fontoj/" subfolder.
    explicit FontRegistro(const QString& traduko);

    // What keeps the record from being judged or written (a file that cannot
    // be read, a malformed record line, a key no file knows); empty while all
    // is well.
    const QString& eraro() const { return m_Eraro; }

    // Keys whose English has changed since their text was made, keys of
    // angla.trd without a record line, and record lines whose key angla.trd
    // no longer has; each in the order of angla.trd (of the record for the
    // last).
    QStringList malnovaj() const;
    QStringList senRegistro() const;
    QStringList restantaj() const;
    // Keys of angla.trd the translation has no text for yet, in angla.trd's
    // order: the completeness check fails on them, and the reviewer who adds
    // them wants them listed with the rest.
    QStringList mankantaj() const;

    // The texts of angla.trd and of the translation, as the program reads them.
    QString angla(const QString& sxlosilo) const { return m_Angla.value(sxlosilo); }
    QString traduko(const QString& sxlosilo) const { return m_Traduko.value(sxlosilo); }

    // After review: records angla.trd's present text for each named key,
    // and drops the line of a named key that angla.trd no longer has. A key
    // that neither angla.trd and the translation nor the record knows
    // changes nothing and sets eraro(). Written by skribas().
    bool revizias(QStringList sxlosiloj);
    // After a full review: the record follows angla.trd in every key the
    // translation has.
    void reviziasCxiujn();
    // Writes the record, in the order of angla.trd; false with eraro() when
    // it cannot.
    bool skribas();

    static QString registroVojo(const QString& traduko);
    static QString cifero(const QString& teksto);
    // The texts of a translation file in file order, its header [Traduko]
    // aside: the header names the file's language and is made from no
    // English text. Empty, with `eraro` set, when the file cannot be read.
    static Tekstoj tekstoj(const QString& vojo, QString* eraro);

private:
    void legasRegistron();

    QString m_Vojo; // the translation file
    QString m_Eraro;
    QStringList m_Ordo; // angla.trd's keys in its order
    QHash<QString, QString> m_Angla;
    QHash<QString, QString> m_Traduko;
    Tekstoj m_Registro; // "Section/Key", hash
};
