#pragma once
#include <QSettings>

// Every INI file of the course (settings, translations, item files, lists)
// is UTF-8; without the codec Esperanto letters come back garbled.
class IniDosiero : public QSettings
{
public:
    explicit IniDosiero(const QString& vojo)
        : QSettings(vojo, QSettings::IniFormat)
    {
        setIniCodec("UTF-8");
    }

    // A value holding an unquoted comma comes back from the reader as a
    // list; it is still one text (the blanks after its commas are lost).
    static QString teksto(const QVariant& valoro)
    {
        if (valoro.type() == QVariant::StringList)
            return valoro.toStringList().join(QStringLiteral(", "));
        return valoro.toString();
    }
};
