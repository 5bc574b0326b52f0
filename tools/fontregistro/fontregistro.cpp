#include "fontregistro.h"

#include "inidosiero.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <climits>

namespace {

const QString Angla = QStringLiteral("angla.trd");

QString nomo(const QString& vojo)
{
    return QFileInfo(vojo).fileName();
}

} // namespace

FontRegistro::FontRegistro(const QString& traduko)
    : m_Vojo(traduko)
{
    if (nomo(traduko) == Angla) {
        m_Eraro = QStringLiteral("angla.trd is the English itself and keeps no record");
        return;
    }
    const Tekstoj angla = tekstoj(QFileInfo(traduko).dir().filePath(Angla), &m_Eraro);
    if (!m_Eraro.isEmpty())
        return;
    const Tekstoj tradukitaj = tekstoj(traduko, &m_Eraro);
    if (!m_Eraro.isEmpty())
        return;
    for (const auto& t : angla) {
        m_Ordo << t.first;
        m_Angla.insert(t.first, t.second);
    }
    for (const auto& t : tradukitaj)
        m_Traduko.insert(t.first, t.second);
    legasRegistron();
}

QString FontRegistro::registroVojo(const QString& traduko)
{
    const QFileInfo i(traduko);
    return i.dir().filePath(QStringLiteral("fontoj/") + i.completeBaseName() + QStringLiteral(".txt"));
}

QString FontRegistro::cifero(const QString& teksto)
{
    return QString::fromLatin1(QCryptographicHash::hash(teksto.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

FontRegistro::Tekstoj FontRegistro::tekstoj(const QString& vojo, QString* eraro)
{
    QFile f(vojo);
    if (!QFileInfo(vojo).isFile() || !f.open(QIODevice::ReadOnly)) {
        *eraro = QStringLiteral("cannot read %1").arg(vojo);
        return {};
    }
    // The reader gives its keys sorted; the file's order is taken from its
    // lines, as the reader splits them into groups and keys.
    QHash<QString, int> loko;
    QString grupo;
    for (QByteArray linio : f.readAll().split('\n')) {
        linio = linio.trimmed();
        if (linio.startsWith('[') && linio.endsWith(']')) {
            grupo = QString::fromUtf8(linio.mid(1, linio.size() - 2).trimmed());
            continue;
        }
        const int egala = int(linio.indexOf('='));
        if (egala <= 0 || linio.startsWith(';'))
            continue;
        const QString sxlosilo = QString::fromUtf8(linio.left(egala).trimmed());
        const QString plena = grupo.isEmpty() || grupo == QLatin1String("General") ? sxlosilo : grupo + '/' + sxlosilo;
        if (!loko.contains(plena))
            loko.insert(plena, int(loko.size()));
    }
    IniDosiero ini(vojo);
    if (ini.status() != QSettings::NoError) {
        *eraro = QStringLiteral("%1 does not read as an INI file").arg(vojo);
        return {};
    }
    QStringList sxlosiloj;
    for (const QString& k : ini.allKeys())
        if (!k.startsWith(QLatin1String("Traduko/")))
            sxlosiloj << k;
    // A key the lines did not show as the reader does (an escaped name) goes last.
    std::stable_sort(sxlosiloj.begin(), sxlosiloj.end(), [&](const QString& a, const QString& b) {
        return loko.value(a, INT_MAX) < loko.value(b, INT_MAX);
    });
    Tekstoj el;
    for (const QString& k : qAsConst(sxlosiloj))
        el << qMakePair(k, IniDosiero::teksto(ini.value(k)));
    return el;
}

void FontRegistro::legasRegistron()
{
    const QString vojo = registroVojo(m_Vojo);
    if (!QFileInfo::exists(vojo))
        return; // nothing recorded yet: every key is without a record
    QFile f(vojo);
    if (!f.open(QIODevice::ReadOnly)) {
        m_Eraro = QStringLiteral("cannot read %1").arg(vojo);
        return;
    }
    static const QRegularExpression linioForma(QStringLiteral("^(\\S+/\\S+) ([0-9a-f]{16})$"));
    QSet<QString> legitaj;
    int n = 0;
    for (const QByteArray& l : f.readAll().split('\n')) {
        ++n;
        const QString linio = QString::fromUtf8(l).trimmed();
        if (linio.isEmpty() || linio.startsWith(QLatin1Char('#')))
            continue;
        const auto m = linioForma.match(linio);
        if (!m.hasMatch()) {
            m_Eraro = QStringLiteral("%1:%2: not \"Section/Key hash\": %3").arg(vojo).arg(n).arg(linio);
            return;
        }
        if (legitaj.contains(m.captured(1))) {
            m_Eraro = QStringLiteral("%1:%2: %3 stands twice").arg(vojo).arg(n).arg(m.captured(1));
            return;
        }
        legitaj.insert(m.captured(1));
        m_Registro << qMakePair(m.captured(1), m.captured(2));
    }
}

QStringList FontRegistro::malnovaj() const
{
    QHash<QString, QString> registro;
    for (const auto& r : m_Registro)
        registro.insert(r.first, r.second);
    QStringList el;
    for (const QString& k : m_Ordo)
        if (registro.contains(k) && registro.value(k) != cifero(m_Angla.value(k)))
            el << k;
    return el;
}

QStringList FontRegistro::senRegistro() const
{
    QSet<QString> registritaj;
    for (const auto& r : m_Registro)
        registritaj.insert(r.first);
    // A key the translation lacks is the completeness check's to report.
    QStringList el;
    for (const QString& k : m_Ordo)
        if (m_Traduko.contains(k) && !registritaj.contains(k))
            el << k;
    return el;
}

QStringList FontRegistro::restantaj() const
{
    QStringList el;
    for (const auto& r : m_Registro)
        if (!m_Angla.contains(r.first))
            el << r.first;
    return el;
}

QStringList FontRegistro::mankantaj() const
{
    QStringList el;
    for (const QString& k : m_Ordo)
        if (!m_Traduko.contains(k))
            el << k;
    return el;
}

bool FontRegistro::revizias(QStringList sxlosiloj)
{
    if (!m_Eraro.isEmpty())
        return false;
    sxlosiloj.removeDuplicates();
    QStringList eraroj;
    for (const QString& k : sxlosiloj) {
        const bool registrita =
            std::any_of(m_Registro.cbegin(), m_Registro.cend(), [&](const auto& r) { return r.first == k; });
        if (m_Angla.contains(k) && !m_Traduko.contains(k))
            eraroj << QStringLiteral("%1 has no text %2 to follow angla.trd's").arg(nomo(m_Vojo), k);
        else if (!m_Angla.contains(k) && !registrita)
            eraroj << QStringLiteral("%1 is no key of angla.trd nor of the record").arg(k);
    }
    if (!eraroj.isEmpty()) {
        m_Eraro = eraroj.join(QStringLiteral("; "));
        return false;
    }
    for (const QString& k : sxlosiloj) {
        auto it = std::find_if(m_Registro.begin(), m_Registro.end(), [&](const auto& r) { return r.first == k; });
        if (!m_Angla.contains(k))
            m_Registro.erase(it);
        else if (it != m_Registro.end())
            it->second = cifero(m_Angla.value(k));
        else
            m_Registro << qMakePair(k, cifero(m_Angla.value(k)));
    }
    return true;
}

void FontRegistro::reviziasCxiujn()
{
    if (!m_Eraro.isEmpty())
        return;
    m_Registro.clear();
    for (const QString& k : qAsConst(m_Ordo))
        if (m_Traduko.contains(k))
            m_Registro << qMakePair(k, cifero(m_Angla.value(k)));
}

bool FontRegistro::skribas()
{
    if (!m_Eraro.isEmpty())
        return false;
    QHash<QString, int> loko;
    for (int i = 0; i < m_Ordo.size(); ++i)
        loko.insert(m_Ordo.at(i), i);
    // Left-over lines, kept until named, go last in the order they had.
    std::stable_sort(m_Registro.begin(), m_Registro.end(), [&](const auto& a, const auto& b) {
        return loko.value(a.first, INT_MAX) < loko.value(b.first, INT_MAX);
    });
    QByteArray enhavo = "# The English each text of " + nomo(m_Vojo).toUtf8()
                        + " was made from: key and hash of angla.trd's text (tools/tradukfontoj).\n";
    for (const auto& r : qAsConst(m_Registro))
        enhavo += r.first.toUtf8() + ' ' + r.second.toLatin1() + '\n';
    const QString vojo = registroVojo(m_Vojo);
    QSaveFile f(vojo);
    if (!QDir().mkpath(QFileInfo(vojo).path()) || !f.open(QIODevice::WriteOnly) || f.write(enhavo) != enhavo.size()
        || !f.commit()) {
        m_Eraro = QStringLiteral("cannot write %1").arg(vojo);
        return false;
    }
    return true;
}
