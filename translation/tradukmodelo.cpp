#include "tradukmodelo.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "tradukdosiernomo.h"
#include "tradukovojo.h"

#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <algorithm>

namespace {

QString& anstatauaTradukujo()
{
    static QString dosierujo;
    return dosierujo;
}

QString elPrenas(const QStringList& listo, int i)
{
    return i >= 0 && i < listo.size() ? listo.at(i) : QString();
}

const QString NeTradukitaRef = QStringLiteral("Ne tradukita.");

} // namespace

QString TradukModelo::Tradukujo()
{
    if (!anstatauaTradukujo().isEmpty())
        return anstatauaTradukujo();
    return TradukUjo();
}

void TradukModelo::MetasTradukujon(const QString& dosierujo)
{
    anstatauaTradukujo() = dosierujo;
    if (!dosierujo.isEmpty() && !dosierujo.endsWith(QLatin1Char('/')))
        anstatauaTradukujo() += QLatin1Char('/');
}

const QStringList& TradukModelo::Sekcioj()
{
    static const QStringList sekcioj = [] {
        QStringList s{QStringLiteral("Gheneralaj")};
        for (int i = 1; i <= 13; ++i)
            s << QStringLiteral("Lec%1").arg(i, 2, 10, QLatin1Char('0'));
        s << QStringLiteral("Konfig") << QStringLiteral("Menuo") << QStringLiteral("Menuo4")
          << QStringLiteral("Mesagxoj");
        for (const char* kodo :
             {"0204", "0502", "0602", "0605", "0702", "0801", "0802", "0902", "1001", "1002", "1202"})
            s << QStringLiteral("Ekzerco-") + QLatin1String(kodo);
        s << QStringLiteral("Ekzerco-Klarigoj");
        return s;
    }();
    return sekcioj;
}

bool TradukModelo::EstasNumerita(const QString& sekcio)
{
    return sekcio.left(3) == QLatin1String("Ekz");
}

QStringList TradukModelo::Ordigas(const QString& sekcio)
{
    IniDosiero listo(Tradukujo() + QStringLiteral("tradukendaj.tdf"));
    listo.beginGroup(sekcio);
    QStringList rezulto;
    // The keys are "000", "001", ...: the reader's ascending order is theirs.
    for (const QString& k : listo.childKeys()) {
        const QString v = IniDosiero::teksto(listo.value(k));
        rezulto << (v.isEmpty() ? QStringLiteral("Eraro") : v);
    }
    listo.endGroup();
    return rezulto;
}

void TradukModelo::Sharghas(const QString& sekcio, const QString& referenca1, const QString& referenca2,
                            const QString& propraVojo)
{
    IniDosiero ref1(Tradukujo() + referenca1);
    IniDosiero ref2(Tradukujo() + referenca2);
    ref1.beginGroup(sekcio);
    ref2.beginGroup(sekcio);

    if (!EstasNumerita(sekcio)) {
        m_shlosiloj = Ordigas(sekcio);
    } else {
        m_shlosiloj.clear();
        const int n = ref1.childKeys().size();
        for (int i = 0; i < n; ++i)
            m_shlosiloj << QString::number(i);
    }

    m_referenco1.clear();
    m_referenco2.clear();
    m_propraj.clear();
    for (const QString& k : qAsConst(m_shlosiloj)) {
        m_referenco1 << IniDosiero::teksto(ref1.value(k, NeTradukitaRef));
        m_referenco2 << IniDosiero::teksto(ref2.value(k, NeTradukitaRef));
    }
    if (!propraVojo.isEmpty()) {
        IniDosiero propra(propraVojo);
        propra.beginGroup(sekcio);
        for (const QString& k : qAsConst(m_shlosiloj))
            m_propraj << IniDosiero::teksto(propra.value(k, QString()));
    } else {
        for (int i = 0; i < m_shlosiloj.size(); ++i)
            m_propraj << QString();
    }
    m_konservitaj = m_propraj;
    m_sekcio = sekcio;
}

void TradukModelo::RelegasReferencon(int kiu, const QString& dosiero)
{
    IniDosiero ref(Tradukujo() + dosiero);
    ref.beginGroup(m_sekcio);
    QStringList& kolumno = kiu == 1 ? m_referenco1 : m_referenco2;
    kolumno.clear();
    for (const QString& k : qAsConst(m_shlosiloj))
        kolumno << IniDosiero::teksto(ref.value(k, NeTradukitaRef));
}

void TradukModelo::MetasPozicion(int pozicio)
{
    m_pozicio = std::max(0, std::min(pozicio, Nombro() - 1));
}

QString TradukModelo::Shlosilo() const
{
    return elPrenas(m_shlosiloj, m_pozicio);
}
QString TradukModelo::Referenco1() const
{
    return elPrenas(m_referenco1, m_pozicio);
}
QString TradukModelo::Referenco2() const
{
    return elPrenas(m_referenco2, m_pozicio);
}
QString TradukModelo::Propra() const
{
    return elPrenas(m_propraj, m_pozicio);
}

void TradukModelo::MetasPropran(const QString& teksto)
{
    if (m_pozicio >= 0 && m_pozicio < m_propraj.size())
        m_propraj[m_pozicio] = teksto;
}

void TradukModelo::Movighas(const QString& direkto)
{
    const int n = Nombro();
    if (direkto == QLatin1String("posta")) {
        if (m_pozicio < n - 1)
            ++m_pozicio;
    } else if (direkto == QLatin1String("antaua")) {
        if (m_pozicio > 0)
            --m_pozicio;
    } else if (direkto == QLatin1String("komenca")) {
        m_pozicio = 0;
    } else if (direkto == QLatin1String("fina")) {
        m_pozicio = std::max(0, n - 1);
    }
}

QString TradukModelo::PozicioTeksto() const
{
    const int n = Nombro();
    return QStringLiteral("Pozicio: ") + QString::number(n > 0 ? m_pozicio + 1 : 0) + QStringLiteral(" / ")
           + QString::number(n) + QStringLiteral("        (") + Shlosilo() + QStringLiteral(")   ");
}

int TradukModelo::UnuaNetradukita() const
{
    for (int i = 0; i < m_propraj.size(); ++i)
        if (m_propraj.at(i).trimmed().isEmpty())
            return i;
    return -1;
}

QString TradukModelo::PaghoNomo(const QString& sekcio)
{
    if (sekcio.left(3) == QLatin1String("Lec"))
        return QStringLiteral("Pagho") + sekcio.right(2);
    if (sekcio == QLatin1String("Konfig"))
        return QStringLiteral("Pagho_Konfigurado");
    if (sekcio == QLatin1String("Menuo4"))
        return QStringLiteral("Pagho_Kreditoj");
    return QString();
}

QString TradukModelo::FrazoNomo(const QString& sekcio, const QString& shlosilo)
{
    if (sekcio.startsWith(QLatin1String("Lec")))
        return sekcio + QLatin1Char('_') + shlosilo;
    if (sekcio == QLatin1String("Menuo4"))
        return QStringLiteral("Kredit_") + shlosilo;
    if (sekcio == QLatin1String("Konfig"))
        return QStringLiteral("Konfig_") + shlosilo;
    return QString();
}

TradukModelo::KapoEraro TradukModelo::KontrolasKapon(const Kapo& kapo)
{
    for (const QString* kampo : {&kapo.dosiero, &kapo.lingvo, &kapo.tradukinto, &kapo.lingvoID})
        if (kampo->trimmed().isEmpty())
            return KapoEraro::MankasKampo;
    if (!BonaDosiernomo(kapo.dosiero))
        return KapoEraro::MalbonaDosiernomo;
    return KapoEraro::Neniu;
}

bool TradukModelo::BonaDosiernomo(const QString& nomo)
{
    return TradukDosierNomo::sekura(nomo.trimmed());
}

TradukModelo::SavRezulto TradukModelo::Savas(const Kapo& kapo, const QString& dosierujo, const QDate& hodiau)
{
    SavRezulto r;
    const QString nomo = kapo.dosiero.trimmed();
    r.vojo = dosierujo + nomo;
    {
        IniDosiero propra(r.vojo);
        propra.beginGroup(QStringLiteral("Traduko"));
        propra.setValue(QStringLiteral("LingvoID"), kapo.lingvoID);
        propra.setValue(QStringLiteral("Lingvo"), kapo.lingvo);
        propra.setValue(QStringLiteral("Tradukinto"), kapo.tradukinto);
        propra.setValue(QStringLiteral("LiterGrando"), kapo.literGrando);
        propra.endGroup();
        propra.beginGroup(m_sekcio);
        for (int i = 0; i < m_shlosiloj.size(); ++i)
            if (!m_propraj.at(i).isEmpty())
                propra.setValue(m_shlosiloj.at(i), m_propraj.at(i));
        propra.endGroup();
        propra.sync();
        if (propra.status() != QSettings::NoError)
            return r;
    }
    r.savita = true;
    m_konservitaj = m_propraj;
    r.listo = Registras(dosierujo + QStringLiteral("traduklisto.ini"), kapo.lingvoID.trimmed(), kapo.lingvo.trimmed(),
                        nomo, hodiau, &r.grupo);
    return r;
}

TradukModelo::ListoRezulto TradukModelo::Registras(const QString& listoVojo, const QString& lingvoID,
                                                   const QString& lingvo, const QString& dosiero, const QDate& hodiau,
                                                   int* grupo)
{
    if (grupo)
        *grupo = -1;
    if (!QFileInfo(listoVojo).isFile())
        return ListoRezulto::SenListo;
    IniDosiero listo(listoVojo);
    int i = 0;
    for (; i < ListoGrupoj; ++i) {
        const QString g = QString::number(i) + QLatin1Char('/');
        if (listo.value(g + QStringLiteral("LingvoID"), QStringLiteral("??")).toString() == QLatin1String("??")
            || listo.value(g + QStringLiteral("DosierNomo"), QStringLiteral("?????????")).toString() == dosiero)
            break;
    }
    // The readers stop after group "199": an entry beyond it would never be listed.
    if (i >= ListoGrupoj)
        return ListoRezulto::PlenaListo;
    listo.beginGroup(QString::number(i));
    listo.setValue(QStringLiteral("LingvoID"), lingvoID);
    listo.setValue(QStringLiteral("Lingvo"), lingvo);
    listo.setValue(QStringLiteral("DosierNomo"), dosiero);
    listo.setValue(QStringLiteral("Dato"), hodiau.toString(QStringLiteral("dd.MM.yyyy")));
    listo.endGroup();
    listo.sync();
    if (listo.status() != QSettings::NoError)
        return ListoRezulto::SkribEraro;
    if (grupo)
        *grupo = i;
    return ListoRezulto::Registrita;
}

bool TradukModelo::SkribasRestarigon(const QString& vojo, const Kapo& kapo) const
{
    // Keys of an older copy must not mix with these texts.
    if (QFileInfo::exists(vojo) && !QFile::remove(vojo))
        return false;
    IniDosiero dosiero(vojo);
    dosiero.beginGroup(QStringLiteral("Traduko"));
    dosiero.setValue(QStringLiteral("LingvoID"), kapo.lingvoID);
    dosiero.setValue(QStringLiteral("Lingvo"), kapo.lingvo);
    dosiero.setValue(QStringLiteral("Tradukinto"), kapo.tradukinto);
    dosiero.setValue(QStringLiteral("LiterGrando"), kapo.literGrando);
    dosiero.endGroup();
    dosiero.beginGroup(QStringLiteral("Restarigo"));
    dosiero.setValue(QStringLiteral("Dosiero"), kapo.dosiero);
    dosiero.setValue(QStringLiteral("Sekcio"), m_sekcio);
    dosiero.setValue(QStringLiteral("Pozicio"), m_pozicio);
    dosiero.endGroup();
    dosiero.beginGroup(m_sekcio);
    for (int i = 0; i < m_shlosiloj.size(); ++i)
        dosiero.setValue(m_shlosiloj.at(i), m_propraj.value(i));
    dosiero.endGroup();
    dosiero.sync();
    return dosiero.status() == QSettings::NoError;
}

bool TradukModelo::LegasRestarigon(const QString& vojo, Restarigo* r)
{
    if (!QFileInfo(vojo).isFile())
        return false;
    IniDosiero dosiero(vojo);
    r->sekcio = dosiero.value(QStringLiteral("Restarigo/Sekcio")).toString();
    if (!Sekcioj().contains(r->sekcio))
        return false;
    r->pozicio = std::max(0, dosiero.value(QStringLiteral("Restarigo/Pozicio"), 0).toInt());
    r->kapo.dosiero = dosiero.value(QStringLiteral("Restarigo/Dosiero")).toString();
    dosiero.beginGroup(QStringLiteral("Traduko"));
    r->kapo.lingvoID = dosiero.value(QStringLiteral("LingvoID")).toString();
    r->kapo.lingvo = dosiero.value(QStringLiteral("Lingvo")).toString();
    r->kapo.tradukinto = dosiero.value(QStringLiteral("Tradukinto")).toString();
    r->kapo.literGrando = dosiero.value(QStringLiteral("LiterGrando"), r->kapo.literGrando).toInt();
    dosiero.endGroup();
    dosiero.beginGroup(r->sekcio);
    r->shlosiloj = dosiero.childKeys();
    r->tekstoj.clear();
    for (const QString& k : qAsConst(r->shlosiloj))
        r->tekstoj << IniDosiero::teksto(dosiero.value(k));
    dosiero.endGroup();
    return true;
}

void TradukModelo::Restarigas(const Restarigo& r)
{
    if (r.sekcio != m_sekcio)
        return;
    for (int i = 0; i < r.shlosiloj.size(); ++i) {
        const int j = m_shlosiloj.indexOf(r.shlosiloj.at(i));
        if (j >= 0)
            m_propraj[j] = r.tekstoj.value(i);
    }
}

TradukModelo::Agordoj TradukModelo::LegasAgordojn(const QString& vojo)
{
    Agordoj a;
    IniDosiero agordoj(vojo);
    agordoj.beginGroup(QStringLiteral("Tradukilo"));
    a.lingvoID = agordoj.value(QStringLiteral("LingvoID"), a.lingvoID).toString();
    a.lingvo = agordoj.value(QStringLiteral("Lingvo"), a.lingvo).toString();
    a.dosiero = agordoj.value(QStringLiteral("Dosiero"), a.dosiero).toString();
    a.tradukinto = agordoj.value(QStringLiteral("Tradukinto"), a.tradukinto).toString();
    a.literGrando = agordoj.value(QStringLiteral("LiterGrando"), a.literGrando).toInt();
    a.tiparo = agordoj.value(QStringLiteral("Tiparo"), a.tiparo).toString();
    a.referenca1 = agordoj.value(QStringLiteral("Referenca1"), a.referenca1).toString();
    a.referenca2 = agordoj.value(QStringLiteral("Referenca2"), a.referenca2).toString();
    // An edited or older settings file may hold any number here.
    a.lastaLeciono =
        std::max(0, std::min(agordoj.value(QStringLiteral("LastaLeciono"), 0).toInt(), int(Sekcioj().size()) - 1));
    a.pozicio = std::max(0, agordoj.value(QStringLiteral("Pozicio"), 0).toInt());
    agordoj.endGroup();
    return a;
}

void TradukModelo::SkribasAgordojn(const QString& vojo, const Agordoj& a)
{
    IniDosiero agordoj(vojo);
    agordoj.beginGroup(QStringLiteral("Tradukilo"));
    agordoj.setValue(QStringLiteral("Lingvo"), a.lingvo);
    agordoj.setValue(QStringLiteral("LingvoID"), a.lingvoID);
    agordoj.setValue(QStringLiteral("Dosiero"), a.dosiero);
    agordoj.setValue(QStringLiteral("Tradukinto"), a.tradukinto);
    agordoj.setValue(QStringLiteral("LiterGrando"), a.literGrando);
    agordoj.setValue(QStringLiteral("Tiparo"), a.tiparo);
    agordoj.setValue(QStringLiteral("Referenca1"), a.referenca1);
    agordoj.setValue(QStringLiteral("Referenca2"), a.referenca2);
    agordoj.setValue(QStringLiteral("LastaLeciono"), a.lastaLeciono);
    agordoj.setValue(QStringLiteral("Pozicio"), a.pozicio);
    agordoj.endGroup();
    agordoj.sync();
}
