#include "agordo.h"
#include "funkcioj.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

QString kiuSistemo(const QString& speco)
{
    QString dosierujo;
    const QString skribebla = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString programo = QCoreApplication::applicationDirPath();
    if (speco == QLatin1String("skribebla")) {
        if (sSistemo == QLatin1String("android") || sSistemo == QLatin1String("windows")
            || sSistemo == QLatin1String("linux") || sSistemo == QLatin1String("osx")
            || sSistemo == QLatin1String("ios"))
            dosierujo = skribebla;
    } else if (speco == QLatin1String("multrimedoj")) {
        if (sSistemo == QLatin1String("android"))
            dosierujo = QStringLiteral("assets:/");
        else if (sSistemo == QLatin1String("windows") || sSistemo == QLatin1String("linux"))
            dosierujo = programo;
        else if (sSistemo == QLatin1String("osx"))
            dosierujo = programo + QStringLiteral("/../Resources/");
        else if (sSistemo == QLatin1String("ios"))
            dosierujo = programo + QStringLiteral("/assets/");
    }
    if (!dosierujo.endsWith(QLatin1Char('/')))
        dosierujo += QLatin1Char('/');
    return dosierujo;
}

QString helpdosiero(const QString& kio)
{
    if (kio == QLatin1String("kio"))
        return QStringLiteral("https://" LERBO_ASOCIO "/info/") + sLingvoID + QStringLiteral("/ghisdate_pri_esperanto");
    QString nomo = sTradukoDosiero;
    nomo.replace(QLatin1String(".trd"), QLatin1String(".html"));
    return QStringLiteral("http://" LERBO_KURSEJO "/datumoj/kiel/kiel_") + nomo;
}
