// Every send page of every lesson with its real send panel: what the
// corrector gets on the clipboard, the model answers shown and hidden, and
// the written answers kept across runs.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <memory>

using lecionaj_datumoj::Leciono;
using lecionaj_datumoj::Sendo;

Q_DECLARE_METATYPE(const Leciono*)

namespace {

// Writes into a one-line or multi-line answer field as the learner does.
void skribas(QWidget* kampo, const QString& teksto)
{
    if (auto* linio = qobject_cast<QLineEdit*>(kampo))
        linio->clear();
    else if (auto* areo = qobject_cast<QPlainTextEdit*>(kampo))
        areo->clear();
    testilo::tajpas(kampo, teksto);
}

// A learner's answer to question i: the model answer to every other
// question, a sentence of the learner's own to the rest.
QString respondo(const Sendo& s, int i)
{
    return i % 2 == 0 ? s.demandoj.at(i).unuaFormo() : QStringLiteral("Ĉi tion mi ankoraŭ ne scias.");
}

// The heading line a copy begins with: none for a copy of several pages.
QString kapa(const Leciono* l, const Sendo& s)
{
    if (!s.kopiataj.isEmpty())
        return QString();
    return QStringLiteral("Leciono %1 - Paĝo %2\n\n").arg(lecionilo::du(l->numero)).arg(l->indeksoDe(s.pagho) + 1);
}

} // namespace

class TestoLecionojSendoj : public QObject
{
    Q_OBJECT

    struct Pagho
    {
        std::unique_ptr<QFrame> kadro;
        QTabWidget* lec = nullptr;
        QWidget* pagho = nullptr;
        // Where the questions stand: the page, or the lesson for a copy of several pages.
        QWidget* ujo = nullptr;
    };

    // The lesson built afresh, turned to its send page.
    static Pagho malfermas(const Leciono* l, const Sendo& s)
    {
        Pagho p;
        p.kadro.reset(KreasLecionon(l->numero, nullptr));
        p.lec = lecionilo::tabulo(p.kadro.get(), l->numero);
        p.lec->setCurrentIndex(l->indeksoDe(s.pagho));
        p.pagho = p.lec->currentWidget();
        p.ujo = s.kopiataj.isEmpty() ? p.pagho : p.lec;
        return p;
    }

private slots:
    void init()
    {
        QFile::remove(savasLoko + QStringLiteral("darudaver.ini"));
        iSistemo = 0;
    }

    void kopio_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("i");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.sendoj.size(); ++i)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.sendoj.at(i).pagho)) << &l << i;
    }
    void kopio()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const Sendo& s = l->sendoj.at(i);
        const Pagho p = malfermas(l, s);
        QVERIFY(p.pagho);
        // Answers to the first question and every third after it, and to
        // every field no question names.
        for (int k = 0; k < s.demandoj.size(); k += 3)
            skribas(p.ujo->findChild<QWidget*>(s.demandoj.at(k).kampo), respondo(s, k));
        for (const lecionaj_datumoj::Demando& d : s.aliajKampoj)
            skribas(p.ujo->findChild<QWidget*>(d.kampo), d.modelaTeksto);

        QAbstractButton* kopiu = lecionilo::kopiilo(p.pagho->findChild<QWidget*>(s.panelo));
        QVERIFY(kopiu);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(testilo::kunModalo([&] { kopiu->click(); }), 1);

        // Heading first, then each question with its own answer right under
        // it, in the order of the questions, whatever their label numbers.
        auto teksto = [&](const QString& nomo) { return p.ujo->findChild<QLabel*>(nomo)->text().trimmed(); };
        const QString kopio = QGuiApplication::clipboard()->text();
        QVERIFY2(kopio.startsWith(kapa(l, s)), qPrintable(kopio));
        if (!s.kopiataj.isEmpty())
            QVERIFY2(!kopio.contains(QLatin1String(" - Paĝo ")), qPrintable(kopio));
        // A page without a heading label begins with its first question, on
        // the line after the blank one that closes the page line.
        int pozicio = s.kapo.isEmpty() ? kapa(l, s).size() - 2 : kopio.indexOf(teksto(s.kapo));
        QVERIFY(pozicio > 0);
        for (int k = 0; k < s.demandoj.size(); ++k) {
            const lecionaj_datumoj::Demando& d = s.demandoj.at(k);
            // A question stands on a line of its own ("vira" is no "viraĉo").
            const int sekva = kopio.indexOf(QLatin1Char('\n') + teksto(d.demando) + QLatin1Char('\n'), pozicio);
            QVERIFY2(sekva > pozicio, qPrintable(d.demando));
            pozicio = sekva;
            // A multi-line answer stands two blank lines below its question.
            const QString post =
                p.ujo->findChild<QPlainTextEdit*>(d.kampo) ? QStringLiteral("\n\n\n") : QStringLiteral("\n");
            if (k % 3 == 0)
                QVERIFY2(kopio.contains(teksto(d.demando) + post + respondo(s, k) + QLatin1Char('\n')),
                         qPrintable(d.demando));
            else if (!d.modelo.isEmpty())
                // The model answers stay out of the copy.
                QVERIFY2(!kopio.contains(d.modelaTeksto), qPrintable(d.modelaTeksto));
        }
        // What is written where no question names the field is copied too.
        for (const lecionaj_datumoj::Demando& d : s.aliajKampoj)
            QVERIFY2(kopio.contains(d.modelaTeksto + QStringLiteral("\n\n")), qPrintable(d.kampo));
    }

    void modelajRespondoj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("i");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.sendoj.size(); ++i)
                if (!l.sendoj.at(i).demandoj.isEmpty() && !l.sendoj.at(i).demandoj.first().modelo.isEmpty())
                    QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.sendoj.at(i).pagho)) << &l << i;
    }
    void modelajRespondoj()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const Sendo& s = l->sendoj.at(i);
        if (s.demandoj.isEmpty() || s.demandoj.first().modelo.isEmpty())
            QSKIP("the page has no model answers");
        const Pagho p = malfermas(l, s);
        p.kadro->resize(900, 700);
        p.kadro->show();
        auto* montru =
            p.pagho->findChild<QWidget*>(s.panelo)->findChild<QAbstractButton*>(QStringLiteral("pushButton"));
        QVERIFY(montru);
        auto videblaj = [&] {
            int n = 0;
            for (const lecionaj_datumoj::Demando& d : s.demandoj)
                n += p.pagho->findChild<QLabel*>(d.modelo)->isVisible();
            return n;
        };
        QCOMPARE(videblaj(), 0);
        montru->click();
        QCOMPARE(videblaj(), s.demandoj.size());
        montru->click();
        QCOMPARE(videblaj(), 0);
    }

    void respondojRestas_data()
    {
        QTest::addColumn<const Leciono*>("l");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            if (!l.sendoj.isEmpty())
                QTest::newRow(qPrintable(l.klaso)) << &l;
    }
    void respondojRestas()
    {
        // What is written on the send pages is kept under the field names,
        // and comes back in a lesson built later; fields left empty stay so.
        QFETCH(const Leciono*, l);
        QStringList kampoj;
        QMap<QString, QString> skribitaj;
        for (const Sendo& s : l->sendoj) {
            kampoj << s.kampoj();
            for (int k = 0; k < s.demandoj.size(); ++k)
                if (k % 3 == 1)
                    skribitaj.insert(s.demandoj.at(k).kampo, respondo(s, k));
            for (const lecionaj_datumoj::Demando& d : s.aliajKampoj)
                skribitaj.insert(d.kampo, d.modelaTeksto);
        }
        {
            std::unique_ptr<QFrame> kadro(KreasLecionon(l->numero, nullptr));
            QTabWidget* lec = lecionilo::tabulo(kadro.get(), l->numero);
            for (auto it = skribitaj.cbegin(); it != skribitaj.cend(); ++it)
                skribas(lec->findChild<QWidget*>(it.key()), it.value());
            SxargxasEk(lec, true);
        }
        IniDosiero ini(savasLoko + QStringLiteral("darudaver.ini"));
        ini.beginGroup(l->sekcio());
        const QString diferenco = lecionilo::diferencoj(ini.childKeys(), kampoj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
        for (auto it = skribitaj.cbegin(); it != skribitaj.cend(); ++it)
            QCOMPARE(ini.value(it.key()).toString(), it.value());

        std::unique_ptr<QFrame> nova(KreasLecionon(l->numero, nullptr));
        QTabWidget* lec = lecionilo::tabulo(nova.get(), l->numero);
        SxargxasEk(lec, false);
        for (const QString& k : qAsConst(kampoj))
            QCOMPARE(lecionilo::enhavo(lec->findChild<QWidget*>(k)), skribitaj.value(k));
    }
};

LERBO_TEST_MAIN(TestoLecionojSendoj)
#include "tst_lecionoj_sendoj.moc"
