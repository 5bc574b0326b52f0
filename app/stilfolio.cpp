#include "stilfolio.h"

// Headings are a quarter larger, cut to whole points.
static int titolGrando(int grando)
{
    return int(grando * 1.25);
}

QString Stilfolio::generas(int t, const QString& tiparoEo, int e)
{
    QString s;
    s += QStringLiteral("myLabel#label_Kie, #label_Kreditoj, #label_Kio, #label_Konfiguroj, #label_Kiel, "
                        "#label_Eliri { font-size: ")
         + QString::number(t - 1) + QStringLiteral("pt; font-weight: bold; } ");
    s += QStringLiteral("titolo { font-size: ") + QString::number(titolGrando(t))
         + QStringLiteral("pt; font-weight: bold; min-height: 1.2em;} ");
    s += QStringLiteral("QLabel[lingvo=\"eo\"], klakbutono_nova, neklakebla_nova, korekta, cx_edit, "
                        "cx_plainedit, cx_edit_minuskla { font-family: \"")
         + tiparoEo + QStringLiteral("\";  font-size: ") + QString::number(e) + QStringLiteral("pt;} ");
    s += QStringLiteral("titolo[lingvo=\"eo\"], QPushButton[tipo=\"speciala\"], QLabel[tipo=\"afikso\"]  "
                        "{ font-family: \"")
         + tiparoEo + QStringLiteral("\"; font-size: ") + QString::number(titolGrando(e))
         + QStringLiteral("pt; font-weight: bold; min-height: 1.2em;} ");
    return s;
}

QString Stilfolio::specimeno(const QString& familio, int grando)
{
    return QStringLiteral("font-family: \"") + familio + QStringLiteral("\"; font-size: ") + QString::number(grando)
           + QStringLiteral("pt;");
}
