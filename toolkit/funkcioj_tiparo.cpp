#include "funkcioj.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <cmath>
#include <fontconfig/fontconfig.h>

int ghustigas_tiparon(int grando, double dpi)
{
    if (dpi <= 0)
        return grando;
    return int(std::round(96.0 / dpi * grando));
}

int ghustigas_tiparon(int grando)
{
    const QScreen* ekrano = QGuiApplication::primaryScreen();
    return ghustigas_tiparon(grando, ekrano ? ekrano->logicalDotsPerInch() : 96.0);
}

namespace {

// The face the font configuration matches for `demando`, filled in as a
// desktop fills it, when that face has the language `lingvo`; else "".
// Takes `demando` over.
QString tiparoKunLingvo(FcPattern* demando, const FcChar8* lingvo)
{
    FcConfigSubstitute(nullptr, demando, FcMatchPattern);
    FcDefaultSubstitute(demando);
    FcResult rezulto = FcResultNoMatch;
    FcPattern* trovita = FcFontMatch(nullptr, demando, &rezulto);
    FcPatternDestroy(demando);
    if (!trovita)
        return QString();
    QString familio;
    FcLangSet* lingvojDeTiparo = nullptr;
    FcChar8* nomo = nullptr;
    if (FcPatternGetLangSet(trovita, FC_LANG, 0, &lingvojDeTiparo) == FcResultMatch
        && FcLangSetHasLang(lingvojDeTiparo, lingvo) == FcLangEqual
        && FcPatternGetString(trovita, FC_FAMILY, 0, &nomo) == FcResultMatch)
        familio = QString::fromUtf8(reinterpret_cast<const char*>(nomo));
    FcPatternDestroy(trovita);
    return familio;
}

} // namespace

QString hanTiparo(const QString& lingvoID, const QString& tiparo)
{
    static const QHash<QString, QByteArray> lingvoj = {
        {QStringLiteral("ch"), QByteArrayLiteral("zh-cn")}, {QStringLiteral("zh"), QByteArrayLiteral("zh-cn")},
        {QStringLiteral("jp"), QByteArrayLiteral("ja")},    {QStringLiteral("ja"), QByteArrayLiteral("ja")},
        {QStringLiteral("ko"), QByteArrayLiteral("ko")},
    };
    const QByteArray lingvo = lingvoj.value(lingvoID);
    if (lingvo.isEmpty())
        return QString();
    const auto* lingvaNomo = reinterpret_cast<const FcChar8*>(lingvo.constData());

    // A face the learner chose that writes the language stays the face.
    FcPattern* propra = FcPatternCreate();
    const QByteArray propraNomo = tiparo.toUtf8();
    FcPatternAddString(propra, FC_FAMILY, reinterpret_cast<const FcChar8*>(propraNomo.constData()));
    if (tiparoKunLingvo(propra, lingvaNomo).compare(tiparo, Qt::CaseInsensitive) == 0)
        return QString();

    // The same question a desktop set to that language asks: which sans-serif
    // face the font configuration chooses for it.
    FcPattern* demando = FcPatternCreate();
    FcPatternAddString(demando, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddString(demando, FC_LANG, lingvaNomo);
    return tiparoKunLingvo(demando, lingvaNomo);
}
