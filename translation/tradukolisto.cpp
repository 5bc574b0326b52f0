#include "tradukolisto.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "tradukdosiernomo.h"
#include "tradukdosiero.h"
#include "tradukovojo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextCodec>

namespace {
const QString Nekonata = QStringLiteral("?????????");
const QString NekonataID = QStringLiteral("??");
const int MaksGrupoj = 200;

bool blanka(char c)
{
    return c == ' ' || c == '\t';
}

bool linifino(char c)
{
    return c == '\n' || c == '\r';
}

bool simplaSxlosilo(const QByteArray& s)
{
    if (s.isEmpty())
        return false;
    for (const char c : s) {
        const bool bona = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                          || c == '.' || c == '-';
        if (!bona)
            return false;
    }
    return true;
}

QByteArray senBlankoj(const QByteArray& s)
{
    int de = 0;
    int al = s.size();
    while (de < al && blanka(s.at(de)))
        ++de;
    while (al > de && blanka(s.at(al - 1)))
        --al;
    return s.mid(de, al - de);
}

// A section name as the INI reader takes it: "%U" and four hex digits or "%"
// and two stand for a character.
QString sekcioNomo(const QByteArray& kruda)
{
    QString nomo;
    for (int i = 0; i < kruda.size(); ++i) {
        bool bone = false;
        if (kruda.at(i) == '%' && i + 5 < kruda.size() && kruda.at(i + 1) == 'U') {
            const uint c = kruda.mid(i + 2, 4).toUInt(&bone, 16);
            if (bone) {
                nomo += QChar(c);
                i += 5;
                continue;
            }
        }
        if (kruda.at(i) == '%' && i + 2 < kruda.size()) {
            const uint c = kruda.mid(i + 1, 2).toUInt(&bone, 16);
            if (bone) {
                nomo += QChar(c);
                i += 2;
                continue;
            }
        }
        nomo += QChar::fromLatin1(kruda.at(i));
    }
    return nomo;
}

// Whether the section that begins at `komenco` (its "[") is [Traduko] once
// more, however written: the reader joins the sections of one name.
bool denoveTraduko(const QByteArray& enhavo, int komenco)
{
    int fino = komenco + 1;
    while (fino < enhavo.size() && enhavo.at(fino) != ']' && !linifino(enhavo.at(fino)))
        ++fino;
    return sekcioNomo(enhavo.mid(komenco + 1, fino - komenco - 1).trimmed()) == QLatin1String("Traduko");
}

// A key or value of the index: the bytes that would end or split its line
// escaped.
QByteArray indeksero(const QString& teksto)
{
    QByteArray el;
    for (const char c : teksto.toUtf8()) {
        if (c == '%' || c == '=' || uchar(c) < 0x20 || c == 0x7f)
            el += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0').toUpper();
        else
            el += c;
    }
    return el;
}
} // namespace

QHash<QString, QString> TradukoListo::kapo(const QString& vojo)
{
    QHash<QString, QString> kapo;
    QFile f(vojo);
    if (f.open(QIODevice::ReadOnly)) {
        // A resource built in without compression maps straight to its data:
        // only the header is touched then, not copied with the rest.
        const qint64 grando = f.size();
        const uchar* mapita = grando > 0 && grando < (1 << 30) ? f.map(0, grando) : nullptr;
        const QByteArray enhavo =
            mapita ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapita), int(grando)) : f.readAll();
        if (simplaKapo(enhavo, kapo))
            return kapo;
    }
    kapo.clear();
    IniDosiero traduko(vojo);
    traduko.beginGroup(QStringLiteral("Traduko"));
    for (const QString& sxlosilo : traduko.childKeys())
        kapo.insert(sxlosilo, traduko.value(sxlosilo).toString());
    return kapo;
}

QByteArray TradukoListo::indekso(const QString& dosierujo, const QStringList& nomoj)
{
    QByteArray el;
    const QString radiko = dosierujo.endsWith(QLatin1Char('/')) ? dosierujo : dosierujo + QLatin1Char('/');
    for (const QString& nomo : nomoj) {
        el += nomo.toUtf8() + '\n';
        const QHash<QString, QString> k = kapo(radiko + nomo);
        QStringList sxlosiloj = k.keys();
        sxlosiloj.sort();
        for (const QString& s : qAsConst(sxlosiloj))
            el += indeksero(s) + '=' + indeksero(k.value(s)) + '\n';
    }
    return el;
}

QHash<QString, QHash<QString, QString>> TradukoListo::elIndekso(const QByteArray& indekso)
{
    QHash<QString, QHash<QString, QString>> kapoj;
    QHash<QString, QString>* nuna = nullptr;
    for (const QByteArray& linio : indekso.split('\n')) {
        if (linio.isEmpty())
            continue;
        const int egala = linio.indexOf('=');
        if (egala < 0) {
            nuna = &kapoj[QString::fromUtf8(linio)];
            continue;
        }
        if (nuna)
            nuna->insert(QString::fromUtf8(QByteArray::fromPercentEncoding(linio.left(egala))),
                         QString::fromUtf8(QByteArray::fromPercentEncoding(linio.mid(egala + 1))));
    }
    return kapoj;
}

bool TradukoListo::simplaKapo(const QByteArray& enhavo, QHash<QString, QString>& kapo)
{
    kapo.clear();
    static const QByteArray Titolo("[Traduko]");
    int i = 0;
    while (i < enhavo.size() && (blanka(enhavo.at(i)) || linifino(enhavo.at(i))))
        ++i;
    if (enhavo.mid(i, Titolo.size()) != Titolo)
        return false;
    i += Titolo.size();
    while (i < enhavo.size() && blanka(enhavo.at(i)))
        ++i;
    if (i < enhavo.size() && !linifino(enhavo.at(i)))
        return false;

    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    int sekciaFino = enhavo.size();
    while (i < enhavo.size()) {
        while (i < enhavo.size() && (blanka(enhavo.at(i)) || linifino(enhavo.at(i))))
            ++i;
        if (i >= enhavo.size())
            break;
        if (enhavo.at(i) == '[') {
            sekciaFino = i;
            break;
        }
        int fino = i;
        while (fino < enhavo.size() && !linifino(enhavo.at(fino)))
            ++fino;
        const QByteArray linio = enhavo.mid(i, fino - i);
        i = fino;
        if (linio.startsWith(';'))
            continue;
        if (linio.startsWith('#'))
            return false;
        for (const char c : linio) {
            if (c == '"' || c == '\\' || c == ',' || c == ';' || (uchar(c) < 0x20 && c != '\t') || c == 0x7f)
                return false;
        }
        const int egala = linio.indexOf('=');
        if (egala < 0)
            return false;
        const QByteArray sxlosilo = senBlankoj(linio.left(egala));
        const QByteArray valoro = senBlankoj(linio.mid(egala + 1));
        if (!simplaSxlosilo(sxlosilo) || valoro.startsWith('@') || valoro.startsWith("\xef\xbb\xbf"))
            return false;
        const QString nomo = QString::fromLatin1(sxlosilo);
        if (kapo.contains(nomo))
            return false;
        kapo.insert(nomo, utf8->toUnicode(valoro));
    }

    // A later [Traduko] would still change the header. Only line starts can
    // open a section, and few lines start with "[" besides the sections.
    for (int j = enhavo.indexOf('[', sekciaFino); j >= 0; j = enhavo.indexOf('[', j + 1)) {
        int antau = j - 1;
        while (antau >= 0 && blanka(enhavo.at(antau)))
            --antau;
        if (antau >= 0 && !linifino(enhavo.at(antau)))
            continue;
        if (denoveTraduko(enhavo, j))
            return false;
    }
    return true;
}

bool TradukoListo::ValidaDosierNomo(const QString& nomo)
{
    return TradukDosierNomo::sekura(nomo);
}

QList<QStringList> TradukoListo::elListo(const QString& vojo)
{
    QList<QStringList> eroj;
    if (!QFileInfo(vojo).isFile())
        return eroj;
    TradukDosiero listo(vojo);
    if (listo.value(QStringLiteral("0/LingvoID"), NekonataID).toString() == NekonataID)
        return eroj;
    for (int i = 0; i < MaksGrupoj; ++i) {
        listo.beginGroup(QString::number(i));
        const QString id = listo.value(QStringLiteral("LingvoID"), NekonataID).toString();
        const QStringList ero{id, listo.value(QStringLiteral("Lingvo"), Nekonata).toString(),
                              listo.value(QStringLiteral("DosierNomo"), Nekonata).toString(),
                              listo.value(QStringLiteral("Dato"), Nekonata).toString()};
        listo.endGroup();
        if (id == NekonataID)
            break;
        if (ValidaDosierNomo(ero.at(Dosiero)))
            eroj.append(ero);
    }
    return eroj;
}

QList<QStringList> TradukoListo::enkonstruitaj(const QString& datoDefault)
{
    QList<QStringList> eroj;
    // The folder the main window loads a built-in translation from, so that
    // every file listed can also be loaded.
    const QString dosierujo = TradukUjo();
    const QStringList nomoj =
        QDir(dosierujo).entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QHash<QString, QHash<QString, QString>> indeksitaj;
    QFile indeksa(dosierujo + indeksoNomo());
    if (indeksa.open(QIODevice::ReadOnly))
        indeksitaj = elIndekso(indeksa.readAll());
    for (const QString& nomo : nomoj) {
        const auto it = indeksitaj.constFind(nomo);
        const QHash<QString, QString> kapo = it != indeksitaj.constEnd() ? *it : TradukoListo::kapo(dosierujo + nomo);
        eroj.append({kapo.value(QStringLiteral("LingvoID"), NekonataID), kapo.value(QStringLiteral("Lingvo"), Nekonata),
                     nomo, kapo.value(QStringLiteral("Dato"), datoDefault)});
    }
    return eroj;
}

QList<QStringList> TradukoListo::disponeblaj(const QString& listoVojo, const QString& datoDefault)
{
    QList<QStringList> eroj = elListo(listoVojo);
    if (eroj.isEmpty())
        eroj = enkonstruitaj(datoDefault);
    return eroj;
}

QString TradukoListo::datoEnListo(const QString& vojo, const QString& lingvoID)
{
    if (!QFileInfo(vojo).isFile())
        return QString();
    IniDosiero listo(vojo);
    const QString sercxata = lingvoID.trimmed();
    for (int i = 0; i < MaksGrupoj; ++i) {
        const QString grupo = QString::number(i) + QLatin1Char('/');
        if (listo.value(grupo + QStringLiteral("LingvoID"), NekonataID).toString().trimmed() == sercxata)
            return listo.value(grupo + QStringLiteral("Dato"), QStringLiteral("01.01.2000")).toString();
    }
    return QString();
}

int TradukoListo::antauElekto(const QList<QStringList>& eroj, const QString& lokaKodo)
{
    int loka = -1;
    int angla = -1;
    for (int i = 0; i < eroj.size(); ++i) {
        const QString& id = eroj.at(i).at(ID);
        if (!lokaKodo.isEmpty() && id == lokaKodo)
            loka = i;
        if (id == QLatin1String("en"))
            angla = i;
    }
    return loka >= 0 ? loka : angla;
}

QString TradukoListo::lokaKodo()
{
    const QString iso = QLocale().name().left(2);
    // The list and the files name four languages by codes of their own,
    // three of which ISO gives to other languages: those find no row.
    static const QHash<QString, QString> propraj = {
        {QStringLiteral("ja"), QStringLiteral("jp")},
        {QStringLiteral("zh"), QStringLiteral("ch")},
        {QStringLiteral("lv"), QStringLiteral("la")},
        {QStringLiteral("lt"), QStringLiteral("li")},
        {QStringLiteral("la"), QString()},
        {QStringLiteral("li"), QString()},
        {QStringLiteral("ch"), QString()},
    };
    return propraj.value(iso, iso);
}
