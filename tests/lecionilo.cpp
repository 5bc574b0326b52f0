#include "lecionilo.h"
#include "inidosiero.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>

namespace lecionilo {

QString enhavo(const QWidget* kampo)
{
    if (auto* e = qobject_cast<const QLineEdit*>(kampo))
        return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(kampo))
        return e->toPlainText();
    return QString();
}

namespace {

const char* const KADROJ[] = {"ekzerco1",  "frazokonstruo", "prononco",        "audkompreno",
                              "vortoludo", "akuzativo",     "plenigas_spacon", "ekznumeraloj",
                              "kiomahoro", "sendujo",       "videoludilo",     "mp3ludilo"};

} // namespace

QString du(int numero)
{
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

QTabWidget* tabulo(QWidget* leciono, int numero)
{
    return leciono ? leciono->findChild<QTabWidget*>(QStringLiteral("Lec") + du(numero)) : nullptr;
}

bool havasPropranEnhavon(const QObject* o)
{
    for (const char* k : KADROJ)
        if (o->inherits(k))
            return true;
    return false;
}

bool estasPropra(const QWidget* w, const QWidget* radiko)
{
    for (const QWidget* p = w->parentWidget(); p && p != radiko; p = p->parentWidget())
        if (havasPropranEnhavon(p))
            return false;
    return true;
}

const QStringList& kalkulatajKlasoj()
{
    static const QStringList klasoj = {
        "klakbutono_nova",    "neklakebla_nova", "label_klakebla", "titolo",       "QLabel",      "label_sago",
        "label_sago_reversa", "korekta",         "cx_edit",        "cx_plainedit", "QLineEdit",   "QPlainTextEdit",
        "QPushButton",        "sendas_butono",   "sendujo",        "mp3ludilo",    "videoludilo", "QScrollArea"};
    return klasoj;
}

namespace {

QString linio(const QMap<QString, int>& kiom, const QStringList& nekonataj)
{
    QStringList eroj;
    for (const QString& k : kalkulatajKlasoj())
        if (kiom.value(k) != 0)
            eroj << k + QLatin1Char(' ') + QString::number(kiom.value(k));
    for (const QString& n : nekonataj)
        eroj << QLatin1Char('?') + n;
    return eroj.join(QStringLiteral(", "));
}

} // namespace

QString kalkuloj(QWidget* pagho)
{
    QMap<QString, int> kiom;
    const auto cxiuj = propraj<QWidget>(pagho);
    for (QWidget* w : cxiuj) {
        const QString klaso = QString::fromLatin1(w->metaObject()->className());
        if (klaso == QLatin1String("QScrollArea"))
            continue;
        if (kalkulatajKlasoj().contains(klaso))
            ++kiom[klaso];
    }
    kiom[QStringLiteral("QScrollArea")] =
        pagho->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly).size();
    return linio(kiom, {});
}

QString normigas(const QString& linio_)
{
    QMap<QString, int> kiom;
    QStringList nekonataj;
    const QStringList eroj = linio_.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& e : eroj) {
        const QStringList partoj = e.simplified().split(QLatin1Char(' '));
        bool nombro = false;
        const int n = partoj.value(1).toInt(&nombro);
        if (partoj.size() != 2 || !nombro || !kalkulatajKlasoj().contains(partoj.at(0)))
            nekonataj << e.simplified();
        else
            kiom[partoj.at(0)] += n;
    }
    return linio(kiom, nekonataj);
}

QStringList tradukataj(QTabWidget* lec)
{
    QStringList sxlosiloj;
    for (int i = 0; i < lec->count(); ++i) {
        const auto etikedoj = lec->widget(i)->findChildren<QLabel*>();
        for (QLabel* l : etikedoj) {
            if (l->objectName().left(5) != lec->objectName() || l->inherits("klakbutono_nova")
                || l->inherits("neklakebla_nova") || l->inherits("korekta"))
                continue;
            sxlosiloj << l->objectName().mid(6);
        }
    }
    return sxlosiloj;
}

QAbstractButton* kopiilo(QWidget* panelo)
{
    if (!panelo)
        return nullptr;
    if (panelo->inherits("sendas_butono"))
        return qobject_cast<QAbstractButton*>(panelo);
    return panelo->inherits("sendujo") ? panelo->findChild<QAbstractButton*>(QStringLiteral("pushButton_2")) : nullptr;
}

QLayout* ujoDe(QWidget* radiko, QWidget* w)
{
    const auto arangxoj = radiko->findChildren<QLayout*>();
    for (QLayout* l : arangxoj)
        if (l->indexOf(w) >= 0)
            return l;
    return nullptr;
}

QString diferencoj(QStringList reala, QStringList atendata)
{
    reala.sort();
    atendata.sort();
    QStringList nurReala, nurAtendata;
    int i = 0, j = 0;
    while (i < reala.size() || j < atendata.size()) {
        if (j == atendata.size() || (i < reala.size() && reala.at(i) < atendata.at(j)))
            nurReala << reala.at(i++);
        else if (i == reala.size() || atendata.at(j) < reala.at(i))
            nurAtendata << atendata.at(j++);
        else
            ++i, ++j;
    }
    QStringList partoj;
    if (!nurReala.isEmpty())
        partoj << QStringLiteral("found but not expected: ") + nurReala.join(QStringLiteral(", "));
    if (!nurAtendata.isEmpty())
        partoj << QStringLiteral("expected but not found: ") + nurAtendata.join(QStringLiteral(", "));
    return partoj.join(QStringLiteral("; "));
}

QStringList numerataj(IniDosiero& ini, const QString& grupo)
{
    ini.beginGroup(grupo);
    const int n = ini.childKeys().size();
    QStringList valoroj;
    for (int i = 0; i < n; ++i)
        valoroj << ini.value(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))).toString();
    ini.endGroup();
    return valoroj;
}

} // namespace lecionilo
