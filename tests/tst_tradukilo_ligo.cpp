// The main window's side of the translation editor: one editor per run,
// following the text being translated into the lesson or the settings page,
// and the editor's unsaved work when the program quits.
#include "tst_lerbo_komuna.h"
#include "tst_navigado_leciono.h"

#include "tradukmodelo.h"
#include "traduko.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace lerbotesto;

namespace {
const QString Tekstita = QStringLiteral("Sprechen Sie Esperanto?");
}

class TestoTradukiloLigo : public QObject
{
    Q_OBJECT

    std::unique_ptr<fiksaleciono::Anstatauo> anstatauo;

    static QStackedWidget* paghujo(lerbo* w) { return el<QStackedWidget>(w, "Paghujo"); }

    // The editor's settings: the German volunteer's header, and the section
    // "Menuo" last, which follows nothing.
    static void redaktilaAgordoj(bool plenaKapo, const QString& sekcio = QStringLiteral("Menuo"))
    {
        IniDosiero ini(agordoVojo());
        ini.beginGroup(QStringLiteral("Tradukilo"));
        if (plenaKapo) {
            ini.setValue(QStringLiteral("Lingvo"), QStringLiteral("Deutsch — germana"));
            ini.setValue(QStringLiteral("LingvoID"), QStringLiteral("de"));
            ini.setValue(QStringLiteral("Tradukinto"), QStringLiteral("Karl Muster"));
            ini.setValue(QStringLiteral("Dosiero"), QStringLiteral("germana_nova.trd"));
        }
        ini.setValue(QStringLiteral("LastaLeciono"), TradukModelo::Sekcioj().indexOf(sekcio));
        ini.endGroup();
        ini.sync();
    }

    // Opens the editor from the settings page, goes back home, and waits
    // until the editor is the active window, as when the volunteer works in it.
    static traduko* malfermasRedaktilon(lerbo* w)
    {
        el<QPushButton>(w, "Konfigurado")->click();
        el<QPushButton>(w, "tradukilo")->click();
        el<QPushButton>(w, "Hejmo")->click();
        traduko* d = w->redaktilo;
        if (d) {
            d->activateWindow();
            if (!QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }, 10000))
                qWarning("the translation editor did not come to the front");
        }
        return d;
    }

    // Chooses a section as the volunteer does; no message may come.
    static void elektas(traduko* d, const QString& sekcio)
    {
        auto* listo = d->findChild<QComboBox*>(QStringLiteral("Listo"));
        const QStringList mesagxoj = kunKestoj([&] {
            listo->setCurrentText(sekcio);
            d->on_Listo_activated(sekcio);
        });
        QVERIFY2(mesagxoj.isEmpty(), qPrintable(mesagxoj.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(tradukilo);
        TradukModelo::MetasTradukujon(QStringLiteral(":/fiksajhoj/tradukilo/"));
        traduko::MalfermasUrl = [](const QUrl&) { return true; };
    }

    void init()
    {
        purigas();
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        redaktilaAgordoj(true);
        anstatauo.reset(new fiksaleciono::Anstatauo);
    }
    void cleanup() { anstatauo.reset(); }

    // Two clicks, one editor: closing hides it, the next click brings the
    // same one back.
    void unuRedaktilo()
    {
        auto w = kreas();
        QVERIFY(montras(w.get()));
        QVERIFY(!w->redaktilo);
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        QVERIFY(d->isVisible());
        QCOMPARE(d->parent(), w.get());
        QCOMPARE(d->windowModality(), Qt::NonModal);
        QCOMPARE(d->font().family(), QFont(sTiparoEo).family());
        QCOMPARE(d->font().pointSize(), ghustigas_tiparon(iLiterGrandoEo));
        QPointer<traduko> gardata(d);
        d->close();
        QVERIFY(gardata && !d->isVisible());
        el<QPushButton>(w.get(), "Konfigurado")->click();
        el<QPushButton>(w.get(), "tradukilo")->click();
        el<QPushButton>(w.get(), "tradukilo")->click();
        QCOMPARE(w->redaktilo, d);
        QCOMPARE(w->findChildren<traduko*>().size(), 1);
        QVERIFY(d->isVisible());
    }

    // A text of lesson 1: the lesson opens (built if needed) on the page that
    // holds the label, which gets the frame; turning pages for the editor is
    // not where the learner stopped.
    void lecionaTeksto()
    {
        skribasAgordojn({{QStringLiteral("LastaLeciono"), 1}, {QStringLiteral("LastaPagxo"), 3}});
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(d));
        elektas(d, QStringLiteral("Lec01"));
        QCOMPARE(d->Modelo().Shlosilo(), QStringLiteral("Label10"));

        QCOMPARE(paghujo(w.get())->currentIndex(), 1);
        QCOMPARE(fiksaleciono::konstruoj().at(1), 1);
        auto* tabulo = el<QTabWidget>(w.get(), "Lec01");
        auto* etikedo = el<QLabel>(w.get(), "Lec01_Label10"); // the second page's labels are 6 to 10
        QCOMPARE(tabulo->currentIndex(), 1);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("2/13"));
        QCOMPARE(etikedo->frameShape(), QFrame::Box);
        QCOMPARE(w->lastaKadro, static_cast<QFrame*>(etikedo));
        QCOMPARE(LastaPagxo, 3);
        QCOMPARE(LastaLeciono, 1);

        // The next key lies on the first page: the frame moves with it.
        d->Movighas(QStringLiteral("posta"));
        auto* dua = el<QLabel>(w.get(), "Lec01_Label2");
        QCOMPARE(tabulo->currentIndex(), 0);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("1/13"));
        QCOMPARE(dua->frameShape(), QFrame::Box);
        QCOMPARE(etikedo->frameShape(), QFrame::NoFrame);
        QCOMPARE(LastaPagxo, 3);
        QCOMPARE(fiksaleciono::konstruoj().at(1), 1);
    }

    // The same with the course's own lesson 1.
    void lecionoUnu()
    {
        anstatauo.reset();
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        elektas(d, QStringLiteral("Lec01"));
        QCOMPARE(paghujo(w.get())->currentIndex(), 1);
        auto* tabulo = el<QTabWidget>(w.get(), "Lec01");
        auto paghoDe = [tabulo](QWidget* etikedo) {
            for (int i = 0; i < tabulo->count(); ++i)
                if (tabulo->widget(i)->isAncestorOf(etikedo))
                    return i;
            return -1;
        };
        auto* unua = el<QLabel>(w.get(), qPrintable(QStringLiteral("Lec01_") + d->Modelo().Shlosilo()));
        QVERIFY(paghoDe(unua) > 0);
        QCOMPARE(tabulo->currentIndex(), paghoDe(unua));
        QCOMPARE(unua->frameShape(), QFrame::Box);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(),
                 QStringLiteral("%1/%2").arg(paghoDe(unua) + 1).arg(tabulo->count()));
        QCOMPARE(LastaPagxo, 0);

        d->Movighas(QStringLiteral("posta"));
        auto* dua = el<QLabel>(w.get(), qPrintable(QStringLiteral("Lec01_") + d->Modelo().Shlosilo()));
        QVERIFY(dua != unua);
        QCOMPARE(tabulo->currentIndex(), paghoDe(dua));
        QCOMPARE(dua->frameShape(), QFrame::Box);
        QCOMPARE(unua->frameShape(), QFrame::NoFrame);
        QCOMPARE(LastaPagxo, 0);
    }

    // A settings text is framed where it stands, the page is not shown; the
    // other sections (credits among them) are not followed.
    void aliajSekcioj_data()
    {
        QTest::addColumn<QString>("sekcio");
        QTest::addColumn<QString>("kadrita");
        QTest::newRow("settings") << "Konfig"
                                  << "Konfig_Label3";
        QTest::newRow("credits") << "Menuo4"
                                 << "";
        QTest::newRow("general") << "Gheneralaj"
                                 << "";
        QTest::newRow("messages") << "Mesagxoj"
                                  << "";
        QTest::newRow("exercise") << "Ekzerco-0204"
                                  << "";
    }
    void aliajSekcioj()
    {
        QFETCH(QString, sekcio);
        QFETCH(QString, kadrita);
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        QMap<QString, QFrame::Shape> antaue;
        for (QLabel* l : w->findChildren<QLabel*>())
            antaue.insert(l->objectName(), l->frameShape());
        elektas(d, sekcio);
        d->Movighas(QStringLiteral("posta"));
        d->Movighas(QStringLiteral("antaua"));

        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        for (int k : fiksaleciono::konstruoj())
            QCOMPARE(k, 0);
        for (QLabel* l : w->findChildren<QLabel*>()) {
            const QFrame::Shape atendata = l->objectName() == kadrita ? QFrame::Box : antaue.value(l->objectName());
            QVERIFY2(l->frameShape() == atendata, qPrintable(l->objectName()));
        }
        if (kadrita.isEmpty())
            QVERIFY(!w->lastaKadro);
        else
            QCOMPARE(w->lastaKadro->objectName(), kadrita);
    }

    // Quitting the program with the volunteer's text not yet saved saves it;
    // the window still closes from a lesson only as far as the home page.
    void fermoKonservas()
    {
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        elektas(d, QStringLiteral("Lec01"));
        d->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(Tekstita);
        bool fermita = true;
        QCOMPARE(kunKestoj([&] { fermita = w->close(); }), QStringList());
        QVERIFY(!fermita);
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        QVERIFY(!IniDosiero(savasLoko + QStringLiteral("germana_nova.trd")).contains(QStringLiteral("Lec01/Label10")));
        QCOMPARE(kunKestoj([&] { fermita = w->close(); }), QStringList());
        QVERIFY(fermita);
        IniDosiero dosiero(savasLoko + QStringLiteral("germana_nova.trd"));
        QCOMPARE(dosiero.value(QStringLiteral("Lec01/Label10")).toString(), Tekstita);
        QCOMPARE(dosiero.value(QStringLiteral("Traduko/LingvoID")).toString(), QStringLiteral("de"));
        IniDosiero agordoj(agordoVojo());
        QCOMPARE(agordoj.value(QStringLiteral("Tradukilo/LastaLeciono")).toInt(),
                 TradukModelo::Sekcioj().indexOf(QStringLiteral("Lec01")));
        QCOMPARE(agordoj.value(QStringLiteral("Gxenerala/Dosiero")).toString(), QStringLiteral("angla.trd"));
    }

    // Work that cannot be saved (no header yet) is not thrown away silently:
    // the volunteer may go back, and the window stays open.
    void fermoDemandas()
    {
        IniDosiero(agordoVojo()).remove(QStringLiteral("Tradukilo"));
        redaktilaAgordoj(false, QStringLiteral("Konfig"));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        QCOMPARE(d->findChild<QComboBox*>(QStringLiteral("Listo"))->currentText(), QStringLiteral("Konfig"));
        d->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(Tekstita);
        auto respondas = [](const QString& butono) {
            return [butono](QWidget* m) {
                auto* mb = qobject_cast<QMessageBox*>(m);
                if (!mb) {
                    m->close();
                    return;
                }
                for (QAbstractButton* b : mb->buttons())
                    if (b->text() == butono)
                        b->click();
            };
        };
        bool fermita = true;
        QCOMPARE(testilo::kunModalo([&] { fermita = w->close(); }, respondas(QStringLiteral("Reveni al la tradukilo"))),
                 1);
        QVERIFY(!fermita);
        QVERIFY(w->isVisible());
        QVERIFY(d->isVisible());
        QCOMPARE(d->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(), Tekstita);
        QCOMPARE(testilo::kunModalo([&] { fermita = w->close(); }, respondas(QStringLiteral("Forĵeti la tradukojn"))),
                 1);
        QVERIFY(fermita);
        QCOMPARE(QDir(savasLoko).entryList({QStringLiteral("*.trd")}, QDir::Files), QStringList());
    }

    // An end from outside (a signal, the session's end) asks nothing. The
    // text typed goes into the volunteer's file when the header allows; else
    // it is kept aside, and the next opening offers it back or throws it away.
    void finoDeEkstere_data()
    {
        QTest::addColumn<bool>("plenaKapo");
        QTest::addColumn<QString>("respondo");
        QTest::newRow("complete header: saved") << true << "";
        QTest::newRow("incomplete header: restored") << false << "Restarigi la tradukojn";
        QTest::newRow("incomplete header: discarded") << false << "Forĵeti la tradukojn";
        QTest::newRow("incomplete header: question closed") << false << "";
    }
    void finoDeEkstere()
    {
        QFETCH(bool, plenaKapo);
        QFETCH(QString, respondo);
        IniDosiero(agordoVojo()).remove(QStringLiteral("Tradukilo"));
        redaktilaAgordoj(plenaKapo, QStringLiteral("Konfig"));
        const QString restarigo = savasLoko + TradukModelo::RestarigoNomo();
        auto w = kreas();
        QVERIFY(montras(w.get()));
        traduko* d = malfermasRedaktilon(w.get());
        QVERIFY(d);
        d->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(Tekstita);
        const QString sxlosilo = d->Modelo().Shlosilo();
        QCOMPARE(kunKestoj([&] { fermasDeEkstere(w.get()); }), QStringList());
        QVERIFY(!w->isVisible());
        w.reset();
        const QString propra = savasLoko + QStringLiteral("germana_nova.trd");
        if (plenaKapo) {
            QVERIFY(!QFile::exists(restarigo));
            QCOMPARE(IniDosiero(propra).value(QStringLiteral("Konfig/") + sxlosilo).toString(), Tekstita);
        } else {
            QVERIFY(QFile::exists(restarigo));
            QCOMPARE(QDir(savasLoko).entryList({QStringLiteral("*.trd")}, QDir::Files), QStringList());
        }

        // The next opening.
        w = kreas();
        QVERIFY(montras(w.get()));
        QStringList demandoj;
        traduko* nova = nullptr;
        testilo::kunModalo([&] { nova = malfermasRedaktilon(w.get()); },
                           [&](QWidget* m) {
                               auto* mb = qobject_cast<QMessageBox*>(m);
                               if (!mb) {
                                   m->close();
                                   return;
                               }
                               demandoj << mb->text();
                               for (QAbstractButton* b : mb->buttons())
                                   if (b->text() == respondo)
                                       return b->click();
                               mb->close();
                           });
        QVERIFY(nova);
        QVERIFY2(!QFile::exists(restarigo), qPrintable(demandoj.join(QLatin1Char('\n'))));
        auto* memo = nova->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        if (plenaKapo) {
            QCOMPARE(demandoj, QStringList());
            QCOMPARE(memo->toPlainText(), Tekstita);
            return;
        }
        QCOMPARE(demandoj.size(), 1);
        QVERIFY2(demandoj.first().contains(QStringLiteral("\"Konfig\"")), qPrintable(demandoj.first()));
        QCOMPARE(nova->findChild<QComboBox*>(QStringLiteral("Listo"))->currentText(), QStringLiteral("Konfig"));
        QCOMPARE(nova->Modelo().Shlosilo(), sxlosilo);
        const bool restarigita = respondo != QStringLiteral("Forĵeti la tradukojn");
        QCOMPARE(memo->toPlainText(), restarigita ? Tekstita : QString());
        QCOMPARE(nova->Modelo().HavasNekonservitajn(), restarigita);
    }
};

LERBO_TEST_MAIN(TestoTradukiloLigo)
#include "tst_tradukilo_ligo.moc"
