#pragma once
#include "specialadosiero.h"

#include <QSettings>

// Every INI file of the course (settings, translations, item files, lists)
// is UTF-8; without the codec Esperanto letters come back garbled.
//
// Qt's INI writer encodes a value one UTF-16 unit at a time and so drops
// both halves of every character outside the Basic Multilingual Plane (an
// emoji typed into an answer); its reader takes such a character in UTF-8
// well. So after each write through this class the lines whose values hold
// one are written again whole, and the file reads as before everywhere
// else. The writes go through the names below, which hide QSettings' own.
//
// A FIFO or device in place of the file is read as a missing file and
// never written (SpecialaDosiero).
class IniDosiero : public QSettings
{
public:
    explicit IniDosiero(const QString& vojo)
        : QSettings(SpecialaDosiero::anstatauo(vojo), QSettings::IniFormat)
    {
        setIniCodec("UTF-8");
    }
    ~IniDosiero() override
    {
        if (m_Skribis)
            sync();
    }

    void setValue(const QString& sxlosilo, const QVariant& valoro)
    {
        m_Skribis = true;
        QSettings::setValue(sxlosilo, valoro);
    }
    void remove(const QString& sxlosilo)
    {
        m_Skribis = true;
        QSettings::remove(sxlosilo);
    }
    // Flushes the file, then mends the values Qt's writer cut.
    void sync();

    // A value holding an unquoted comma comes back from the reader as a
    // list; it is still one text (the blanks after its commas are lost).
    static QString teksto(const QVariant& valoro)
    {
        if (valoro.type() == QVariant::StringList)
            return valoro.toStringList().join(QStringLiteral(", "));
        return valoro.toString();
    }

    // A value as the INI reader takes it back whole: quoted, with the
    // reader's escapes, every other character in UTF-8.
    static QByteArray skribero(const QString& valoro);

private:
    bool m_Skribis = false;
};
