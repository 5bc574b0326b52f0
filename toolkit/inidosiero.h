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
};
