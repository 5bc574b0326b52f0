// Spell check of every Esperanto text the program ships: the Esperanto
// translation file, the Esperanto word boxes and model answers of every
// lesson the program builds, and the item files as the learner meets them
// (gap-filling items as their filled sentences, accusative items with the
// endings their words take). Words the dictionary lacks but that are good
// Esperanto are listed in tests/vortlisto_eo.txt.
#include "esperantaj_tekstoj.h"
#include "inidosiero.h"
#include "lecionoj.h"
#include "testilo.h"
#include "vortlistoj.h"

#include <QDir>
#include <QFrame>
#include <QMap>
#include <QProcess>
#include <algorithm>

namespace {

// One text and where it lives, for the failure message.
struct Teksto
{
    QString loko;
    QString teksto;
};

using esperantaj_tekstoj::Vorto;
using esperantaj_tekstoj::vortoj;

} // namespace

class TestoLiterumado : public QObject
{
    Q_OBJECT

    QString fonto; // the source tree
    QMap<QString, QString> vortlisto; // word -> why it is good Esperanto
    QList<Teksto> lecionaj; // the Esperanto texts of the built lessons
    QMap<QString, QString> specoj; // item code -> class of the exercise reading it

    // Runs the spell checker over one word a line; its output is the words
    // the dictionary does not know. The exit code is -1 when it cannot start.
    static int hunspell(const QStringList& vortoj_, QStringList* nekonataj, QString* eraroj)
    {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p.setProcessEnvironment(e);
        p.start(QStringLiteral("hunspell"), {"-i", "UTF-8", "-d", "eo", "-l"});
        if (!p.waitForStarted())
            return -1;
        p.write(vortoj_.join(QLatin1Char('\n')).toUtf8() + '\n');
        p.closeWriteChannel();
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        *nekonataj = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        *eraroj = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }

    // The forms among `formoj` that the dictionary does not know.
    static void nekonataj(const QSet<QString>& formoj, QSet<QString>* el)
    {
        QStringList listo(formoj.begin(), formoj.end());
        listo.sort();
        QStringList nekonata;
        QString eraroj;
        QVERIFY2(hunspell(listo, &nekonata, &eraroj) == 0, qPrintable(QStringLiteral("hunspell: ") + eraroj));
        *el = QSet<QString>(nekonata.begin(), nekonata.end());
    }

    bool listita(const QString& formo) const
    {
        return vortlisto.contains(formo) || vortlisto.contains(formo.toLower());
    }

    // Checks the words of `tekstoj`; a word neither the dictionary nor the
    // list knows fails with every place it stands.
    void kontrolas(const QList<Teksto>& tekstoj)
    {
        QVERIFY(!tekstoj.isEmpty());
        QMap<QString, QStringList> malbonaj;
        QList<QPair<Vorto, QString>> cxiuj;
        QSet<QString> formoj;
        for (const Teksto& t : tekstoj) {
            for (const Vorto& v : vortoj(t.teksto)) {
                cxiuj << qMakePair(v, t.loko);
                for (const QString& f : v.formoj)
                    formoj.insert(f);
                if (!v.kunigita.isEmpty())
                    formoj.insert(v.kunigita);
            }
        }
        QSet<QString> nekonata;
        nekonataj(formoj, &nekonata);
        if (QTest::currentTestFailed())
            return;
        auto bona = [&](const QString& f) { return !nekonata.contains(f) || listita(f); };
        for (const auto& vl : qAsConst(cxiuj)) {
            const Vorto& v = vl.first;
            if (!v.kunigita.isEmpty() && bona(v.kunigita))
                continue;
            if (std::all_of(v.formoj.begin(), v.formoj.end(), bona))
                continue;
            QStringList& lokoj = malbonaj[v.skribita];
            if (!lokoj.contains(vl.second))
                lokoj << vl.second;
        }
        QStringList raporto;
        for (auto it = malbonaj.constBegin(); it != malbonaj.constEnd(); ++it)
            raporto << QStringLiteral("\"%1\" at %2").arg(it.key(), it.value().join(QStringLiteral("; ")));
        QVERIFY2(raporto.isEmpty(),
                 qPrintable(QStringLiteral("not in the dictionary nor in tests/vortlisto_eo.txt:\n  ")
                            + raporto.join(QStringLiteral("\n  "))));
    }

    QList<Teksto> tradukoj() const
    {
        QList<Teksto> el;
        IniDosiero trd(fonto + QStringLiteral("/resources/tradukoj/esperanto.trd"));
        if (trd.status() != QSettings::NoError)
            return el;
        for (const QString& sekcio : trd.childGroups()) {
            trd.beginGroup(sekcio);
            for (const QString& k : trd.childKeys()) {
                // The language code is no text.
                if (sekcio == QLatin1String("Traduko") && k == QLatin1String("LingvoID"))
                    continue;
                const QVariant v = trd.value(k);
                const QString t =
                    v.type() == QVariant::StringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString();
                el << Teksto{QStringLiteral("esperanto.trd [%1] %2").arg(sekcio, k), t};
            }
            trd.endGroup();
        }
        return el;
    }

    static bool esperanta(const QWidget* w)
    {
        return w->inherits("klakbutono_nova") || w->inherits("neklakebla_nova") || w->inherits("korekta")
               || w->property("lingvo").toString() == QLatin1String("eo");
    }

    // One walk over every lesson the program builds: its Esperanto word
    // boxes and model answers, and which exercise reads which item code.
    void legasLecionojn()
    {
        QWidget patro;
        for (int n = 1; n <= 13; ++n) {
            if (!LecionaDatumoj(n))
                continue;
            QScopedPointer<QFrame> f(KreasLecionon(n, &patro));
            if (!f)
                continue;
            const auto cxiuj = f->findChildren<QWidget*>();
            for (QWidget* w : cxiuj) {
                if (esperanta(w))
                    lecionaj << Teksto{QStringLiteral("lesson %1 %2").arg(n).arg(w->objectName()),
                                       w->property("text").toString()};
                if (w->inherits("plenigas_spacon") || w->inherits("akuzativo"))
                    specoj.insert(w->objectName().right(4), QString::fromLatin1(w->metaObject()->className()));
            }
        }
    }

    // How the exercise of `kodo` reads its sections: from the frame that
    // reads it, or, for a lesson not built yet, from the sections' shape.
    QString speco(IniDosiero& dat, const QString& kodo) const
    {
        if (specoj.contains(kodo))
            return specoj.value(kodo);
        const QStringList sekcioj = dat.childGroups();
        if (sekcioj.contains(kodo + QLatin1Char('K')))
            return QStringLiteral("akuzativo");
        if (sekcioj.contains(kodo + QLatin1Char('R')))
            for (const QStringList& d : esperantaj_tekstoj::vicoj(dat, kodo + QLatin1Char('D')))
                if (d.size() > 1)
                    return QStringLiteral("plenigas_spacon");
        return QString();
    }

    // The items the learner reads are the D sections; the other kinds are
    // answers (label numbers, digits, clock times, flags), explanation codes
    // and Portuguese translations, except that the gap-filling and
    // accusative answers are checked inside their sentences.
    QList<Teksto> eroj() const
    {
        QList<Teksto> el;
        const QDir dosierujo(fonto + QStringLiteral("/resources/ekzercoj"));
        for (const QString& nomo : dosierujo.entryList({QStringLiteral("ekz*.dat")}, QDir::Files, QDir::Name)) {
            IniDosiero dat(dosierujo.filePath(nomo));
            const QStringList sekcioj = dat.childGroups();
            for (const QString& s : sekcioj) {
                if (!s.endsWith(QLatin1Char('D')))
                    continue;
                const QString kodo = s.chopped(1);
                const QString sp = speco(dat, kodo);
                const QList<QStringList> d = esperantaj_tekstoj::vicoj(dat, s);
                const QList<QStringList> r = esperantaj_tekstoj::vicoj(dat, kodo + QLatin1Char('R'));
                for (int i = 0; i < d.size(); ++i)
                    el << Teksto{QStringLiteral("%1 [%2] %3").arg(nomo, s).arg(i),
                                 sp.isEmpty() ? d.at(i).join(QLatin1Char(' '))
                                              : esperantaj_tekstoj::frazo(sp, d.at(i), r.value(i))};
            }
        }
        return el;
    }

private slots:
    void initTestCase()
    {
        fonto = qEnvironmentVariable("LERBO_FONTO");
        QVERIFY2(!fonto.isEmpty(), "LERBO_FONTO names the source tree");
        // CI installs both and fails without them; elsewhere the check is skipped.
        QStringList nekonata;
        QString eraroj;
        const int stato = hunspell({QStringLiteral("ĉambro")}, &nekonata, &eraroj);
        if (stato < 0)
            LERBO_MANKAS("hunspell is not installed (Debian: apt-get install hunspell myspell-eo)");
        if (stato != 0)
            LERBO_MANKAS("hunspell has no Esperanto dictionary (Debian: apt-get install myspell-eo)");
        QVERIFY2(nekonata.isEmpty(), "the Esperanto dictionary does not read UTF-8 words");

        const QString listo = fonto + QStringLiteral("/tests/vortlisto_eo.txt");
        QList<vortlistoj::Ero> eroj;
        QVERIFY2(vortlistoj::legas(listo, &eroj), qPrintable(listo));
        for (const vortlistoj::Ero& e : qAsConst(eroj)) {
            QVERIFY2(!vortlisto.contains(e.vorto), qPrintable(QStringLiteral("listed twice: ") + e.vorto));
            vortlisto.insert(e.vorto, e.kialo);
        }
        legasLecionojn();
    }

    void traduko() { kontrolas(tradukoj()); }
    void lecionaj_vortoj() { kontrolas(lecionaj); }
    void ekzercaj_eroj() { kontrolas(eroj()); }

    void vortlisto_necesa()
    {
        // The list stays short: every entry is a word the dictionary lacks
        // and some shipped text still uses.
        QSet<QString> uzataj;
        for (const QList<Teksto>& tt : {tradukoj(), lecionaj, eroj()})
            for (const Teksto& t : tt)
                for (const Vorto& v : vortoj(t.teksto)) {
                    for (const QString& f : v.formoj)
                        uzataj.insert(f.toLower());
                    if (!v.kunigita.isEmpty())
                        uzataj.insert(v.kunigita);
                }
        const QStringList listo = vortlisto.keys();
        QSet<QString> nekonata;
        nekonataj(QSet<QString>(listo.begin(), listo.end()), &nekonata);
        if (QTest::currentTestFailed())
            return;
        for (const QString& v : listo) {
            QVERIFY2(nekonata.contains(v), qPrintable(QStringLiteral("the dictionary knows \"%1\"").arg(v)));
            QVERIFY2(uzataj.contains(v.toLower()), qPrintable(QStringLiteral("no text uses \"%1\"").arg(v)));
        }
    }
};

LERBO_TEST_MAIN(TestoLiterumado)
#include "tst_literumado.moc"
