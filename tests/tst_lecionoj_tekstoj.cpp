// Every lesson's texts in the shipped translation files against its form:
// the section [LecNN] holds one text for each label the translation pass
// fills (and the row's extra keys), the pass leaves no label untranslated,
// the translation editor lists the keys in the order of the form, and the
// texts the exercises show are there and tell their items apart.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"
#include "trad.h"

#include <QLabel>
#include <QMap>
#include <QSet>
#include <QTabWidget>
#include <memory>

using lecionaj_datumoj::Leciono;

Q_DECLARE_METATYPE(const Leciono*)

namespace {

const char* const DOSIEROJ[] = {"angla.trd", "esperanto.trd", "araba.trd"};

// A lesson built afresh, with its tab widget.
struct Konstruita
{
    std::unique_ptr<QFrame> kadro;
    QTabWidget* lec = nullptr;
};

Konstruita konstruas(const Leciono* l)
{
    Konstruita k;
    k.kadro.reset(KreasLecionon(l->numero, nullptr));
    k.lec = lecionilo::tabulo(k.kadro.get(), l->numero);
    return k;
}

// The keys of the lesson's headings.
QStringList titoloj(QTabWidget* lec)
{
    QStringList sxlosiloj;
    const auto cxiuj = lecionilo::propraj<QLabel>(lec);
    for (QLabel* e : cxiuj)
        if (e->inherits("titolo") && e->objectName().startsWith(lec->objectName() + QLatin1Char('_')))
            sxlosiloj << e->objectName().mid(6);
    return sxlosiloj;
}

} // namespace

class TestoLecionojTekstoj : public QObject
{
    Q_OBJECT

    QString antauaDosiero;

    static void perLecionoKajDosiero()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<QString>("dosiero");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (const char* d : DOSIEROJ)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + QLatin1String(d)))
                    << &l << QString::fromLatin1(d);
    }

private slots:
    void initTestCase() { antauaDosiero = sTradukoDosiero; }
    void cleanup() { sTradukoDosiero = antauaDosiero; }

    void etikedoj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            QTest::newRow(qPrintable(l.klaso)) << &l;
    }
    void etikedoj()
    {
        QFETCH(const Leciono*, l);
        const Konstruita k = konstruas(l);
        QVERIFY(k.lec);
        const QStringList sxlosiloj = lecionilo::tradukataj(k.lec);
        QCOMPARE(sxlosiloj.size(), l->etikedoj);
        QCOMPARE(QSet<QString>(sxlosiloj.begin(), sxlosiloj.end()).size(), sxlosiloj.size());
        for (const QString& e : l->ekstrajSxlosiloj)
            QVERIFY2(!sxlosiloj.contains(e), qPrintable(e + QStringLiteral(" names a label: no extra key")));
    }

    void sekcio_data() { perLecionoKajDosiero(); }
    void sekcio()
    {
        // Exactly one text for each label and each extra key, each a
        // non-empty text (an unquoted comma would turn a text into a list).
        QFETCH(const Leciono*, l);
        QFETCH(QString, dosiero);
        const Konstruita k = konstruas(l);
        const QStringList etikedoj = lecionilo::tradukataj(k.lec);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        QCOMPARE(trd.status(), QSettings::NoError);
        trd.beginGroup(l->sekcio());
        QStringList sxlosiloj = trd.childKeys();
        for (const QString& sxlosilo : sxlosiloj) {
            const QVariant v = trd.value(sxlosilo);
            QVERIFY2(v.type() == QVariant::String, qPrintable(sxlosilo));
            QVERIFY2(!v.toString().trimmed().isEmpty(), qPrintable(sxlosilo));
        }
        for (const QString& e : l->ekstrajSxlosiloj) {
            QVERIFY2(sxlosiloj.removeAll(e) == 1, qPrintable(e));
        }
        const QString diferenco = lecionilo::diferencoj(sxlosiloj, etikedoj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));

        // Headings read as headings (a send page opens with an instruction
        // instead); the send pages' questions keep their numbers.
        QStringList kapoj = titoloj(k.lec);
        for (const lecionaj_datumoj::Sendo& s : l->sendoj)
            kapoj.removeAll(s.kapo.mid(6));
        for (const QString& kapo : qAsConst(kapoj))
            QVERIFY2(!trd.value(kapo).toString().trimmed().endsWith(QLatin1Char('.')), qPrintable(kapo));
        for (const lecionaj_datumoj::Sendo& s : l->sendoj)
            for (int i = 0; i < s.demandoj.size() && s.numeritaj; ++i) {
                // Questions in Esperanto on a reading have no text in the file.
                if (!s.demandoj.at(i).demando.startsWith(l->sekcio() + QLatin1Char('_')))
                    continue;
                const QString sxlosilo = s.demandoj.at(i).demando.mid(6);
                QVERIFY2(
                    trd.value(sxlosilo).toString().trimmed().startsWith(QString::number(i + 1) + QLatin1String(". ")),
                    qPrintable(sxlosilo));
            }
    }

    void postTrad_data() { perLecionoKajDosiero(); }
    void postTrad()
    {
        // Through the translation pass itself: every label of the lesson gets
        // its text from the file, none is left saying it was not translated.
        QFETCH(const Leciono*, l);
        QFETCH(QString, dosiero);
        sTradukoDosiero = dosiero;
        const Konstruita k = konstruas(l);
        Trad(k.kadro.get(), l->sekcio());
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        // A right-to-left translation leads a text whose first letter would
        // turn it left to right with a right-to-left mark.
        const bool rtl = trd.value(QStringLiteral("Traduko/Direkto")).toString() == QLatin1String("RTL");
        trd.beginGroup(l->sekcio());
        const QStringList sxlosiloj = lecionilo::tradukataj(k.lec);
        for (const QString& s : sxlosiloj) {
            auto* e = k.lec->findChild<QLabel*>(l->sekcio() + QLatin1Char('_') + s);
            QVERIFY2(e, qPrintable(s));
            const QString atendata = trd.value(s).toString();
            QString teksto = e->text();
            if (rtl && teksto == QChar(0x200F) + atendata)
                teksto = atendata;
            QCOMPARE(teksto, atendata);
        }
        QStringList netradukitaj;
        const auto cxiuj = k.kadro->findChildren<QLabel*>();
        for (QLabel* e : cxiuj)
            if (e->text() == NeTradukita)
                netradukitaj << e->objectName();
        QCOMPARE(netradukitaj, QStringList());
    }

    void signifoj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("kodo");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (const lecionaj_datumoj::Ekzerco& e : l.ekzercoj)
                if (e.klaso == QLatin1String("vortoludo"))
                    for (const char* d : DOSIEROJ)
                        QTest::newRow(qPrintable(e.nomo + QLatin1Char(' ') + QLatin1String(d)))
                            << &l << QString::fromLatin1(d) << lecionaj_datumoj::kodoDe(e);
    }
    void signifoj()
    {
        // The word-choice exercise offers five meanings at once; two equal
        // meanings among its answers would make a question unanswerable.
        QFETCH(const Leciono*, l);
        QFETCH(QString, dosiero);
        QFETCH(QString, kodo);
        IniDosiero trd(QStringLiteral(":/tradukoj/") + dosiero);
        QStringList r;
        const int n = _Matriz(&r, kodo, QStringLiteral("R"));
        QVERIFY(n > 0);
        QSet<QString> signifoj;
        for (const QString& m : qAsConst(r))
            signifoj.insert(trd.value(l->sekcio() + QStringLiteral("/Label") + m).toString());
        QCOMPARE(signifoj.size(), n);
    }

    void frazTradukoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::addColumn<QString>("grupo");
        QTest::addColumn<QStringList>("kodoj");
        for (const Leciono& l : lecionaj_datumoj::lecionoj()) {
            // Group "Ekzerco-" + code of the file, and the sections whose items it translates.
            QMap<QString, QStringList> grupoj;
            for (const lecionaj_datumoj::Ekzerco& e : l.ekzercoj) {
                if (e.klaso == QLatin1String("plenigas_spacon"))
                    grupoj[lecionaj_datumoj::kodoDe(e)] << lecionaj_datumoj::kodoDe(e);
                else if (e.klaso == QLatin1String("akuzativo"))
                    grupoj[l.akuzativo] << lecionaj_datumoj::kodoDe(e);
            }
            for (auto g = grupoj.cbegin(); g != grupoj.cend(); ++g)
                for (const char* d : DOSIEROJ)
                    QTest::newRow(qPrintable(l.klaso + QStringLiteral(" Ekzerco-") + g.key() + QLatin1Char(' ') + d))
                        << QString::fromLatin1(d) << g.key() << g.value();
        }
    }
    void frazTradukoj()
    {
        // One translation per sentence, read the way the exercises read them.
        QFETCH(QString, dosiero);
        QFETCH(QString, grupo);
        QFETCH(QStringList, kodoj);
        QVERIFY2(!grupo.isEmpty(), "the lesson names no group for its accusative exercise");
        sTradukoDosiero = dosiero;
        QStringList t;
        const int n = _Matriz(&t, grupo, QStringLiteral("T"));
        QVERIFY(n > 0);
        for (const QString& kodo : kodoj) {
            QStringList d;
            QCOMPARE(_Matriz(&d, kodo, QStringLiteral("D")), n);
        }
        for (const QString& f : qAsConst(t))
            QVERIFY2(!f.trimmed().isEmpty() && f != NeTradukitaEkzerco, qPrintable(f));
        QCOMPARE(QSet<QString>(t.begin(), t.end()).size(), n);
    }

    void tradukendaj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            QTest::newRow(qPrintable(l.klaso)) << &l;
    }
    void tradukendaj()
    {
        // The translation editor offers the keys in the order of the form,
        // and the extra keys too.
        QFETCH(const Leciono*, l);
        const Konstruita k = konstruas(l);
        IniDosiero tdf(QStringLiteral(":/tradukoj/tradukendaj.tdf"));
        QStringList listo = lecionilo::numerataj(tdf, l->sekcio());
        for (const QString& e : l->ekstrajSxlosiloj) {
            QVERIFY2(listo.removeAll(e) == 1, qPrintable(e));
        }
        const QString diferenco = lecionilo::diferencoj(listo, lecionilo::tradukataj(k.lec));
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
        QCOMPARE(listo, lecionilo::tradukataj(k.lec));
    }
};

LERBO_TEST_MAIN(TestoLecionojTekstoj)
#include "tst_lecionoj_tekstoj.moc"
