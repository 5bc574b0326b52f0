#include "akuzativo.h"
#include "akuzativo_datumoj.h"
#include "akuzativo_frazo.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

// Notes every style sheet a widget is given.
class StilNotilo : public QObject
{
public:
    QStringList stiloj;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::StyleChange)
            stiloj << static_cast<QWidget*>(o)->styleSheet();
        return false;
    }
};

// The accusative exercise, driven through its buttons and word labels as a
// learner drives it, on the fixture sections 9802, 9803 and 9807.
class TestoAkuzativo : public QObject
{
    Q_OBJECT

    akuzativo* ekz = nullptr;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLabel* etikedo(const QString& nomo) { return ekz->findChild<QLabel*>(nomo); }
    QLabel* vorto(int k) { return etikedo(QStringLiteral("label_") + QString::number(164 + k)); }
    int placar(int n) { return ekz->findChild<QSpinBox*>(QStringLiteral("Placar") + QString::number(n))->value(); }
    void klakas(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    // Confirms and answers every verdict box; returns the texts of the boxes.
    QStringList konfirmas()
    {
        QStringList tekstoj;
        testilo::kunModalo([&] { butono("BitBtn2")->click(); },
                           [&](QWidget* w) {
                               if (auto* m = qobject_cast<QMessageBox*>(w))
                                   tekstoj << m->text();
                               w->close();
                           });
        return tekstoj;
    }
    void komencas(const QString& kodo)
    {
        ekz->setObjectName(QStringLiteral("Lec98_Ekz_Akuz_") + kodo);
        butono("BitBtn1")->click();
    }
    bool senlabora()
    {
        return butono("BitBtn1")->isEnabled() && !butono("BitBtn2")->isEnabled() && !butono("BitBtn3")->isEnabled();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ekz2_fiksajhoj);
        testilo::instalasTradukon(QStringLiteral("ekz98.trd"));
        sTradukoDosiero = QStringLiteral("ekz98.trd");
        EkzercoAkuzativoTrad = QStringLiteral("9204");
        smGratulon = QStringLiteral("GRATULON");
        smDenove = QStringLiteral("DENOVE");
    }
    void init()
    {
        TempoSkalo = 0.001;
        lNoteto = false;
        lSxaltilo = false;
        ekz = new akuzativo;
        ekz->resize(700, 350);
        ekz->show();
        QVERIFY(QTest::qWaitForWindowExposed(ekz));
    }
    void cleanup()
    {
        delete ekz;
        ekz = nullptr;
    }

    void antauKomenco()
    {
        QVERIFY(senlabora());
        for (int k = 0; k < 10; ++k)
            QVERIFY(vorto(k)->text().isEmpty());
        // A click before the first start has nothing to judge.
        klakas(vorto(0));
        QCOMPARE(placar(3), 0);
        QVERIFY(etikedo("Klarigo")->text().isEmpty());
    }

    void vortoklakoj()
    {
        komencas("9802");
        QCOMPARE(placar(1), 1);
        const QStringList vortoj = {"La", "filo", "amas", "la", "patrino"};
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(vorto(k)->text(), vortoj.value(k));
            QCOMPARE(vorto(k)->isVisible(), k < 5);
        }
        // The translation comes from the group EkzercoAkuzativoTrad names,
        // not from the exercise's own code.
        QCOMPARE(etikedo("Traduko1")->text(), QStringLiteral("The son loves the mother."));

        klakas(vorto(4));
        QCOMPARE(vorto(4)->text(), QStringLiteral("patrinon"));
        QCOMPARE(vorto(4)->styleSheet(), QStringLiteral("color: rgb(0, 150, 0);"));
        QCOMPARE(etikedo("Klarigo")->text(), QStringLiteral("K4"));
        QCOMPARE(placar(3), 0);

        etikedo("Klarigo")->clear();
        klakas(vorto(4));
        QCOMPARE(vorto(4)->text(), QStringLiteral("patrinon"));
        QCOMPARE(placar(3), 0);
        QCOMPARE(etikedo("Klarigo")->text(), QStringLiteral("K4"));

        klakas(vorto(1));
        QCOMPARE(vorto(1)->text(), QStringLiteral("filo"));
        QCOMPARE(vorto(1)->styleSheet(), QStringLiteral("color: rgb(150, 0, 0);"));
        QCOMPARE(etikedo("Klarigo")->text(), QStringLiteral("K0"));
        QCOMPARE(placar(3), 1);
        QCOMPARE(placar(4), 0);
        klakas(vorto(1));
        QCOMPARE(placar(3), 2);

        // Wrong clicks do not make the sentence wrong; the run ends with the
        // verdict and the frame is idle again, its board kept.
        QCOMPARE(konfirmas(), QStringList{QStringLiteral("DENOVE")});
        QVERIFY(senlabora());
        QVERIFY(!ekz->findChild<QWidget*>("Vortoj")->isEnabled());
        QCOMPARE(placar(1), 0);
        QCOMPARE(placar(2), 1);
        QCOMPARE(placar(3), 2);
        QCOMPARE(placar(4), 33);
        QVERIFY(vorto(4)->text().isEmpty());
        QVERIFY(etikedo("Traduko1")->text().isEmpty());
    }

    void rektaVerdikto()
    {
        komencas("9802");
        klakas(vorto(4));
        QCOMPARE(konfirmas(), QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(placar(4), 100);
        QVERIFY(senlabora());
    }

    void maltrafitaVortoBrilas()
    {
        TempoSkalo = 0.2; // a blink of 600 ms, its phases 80 ms long
        komencas("9802");
        StilNotilo notilo;
        vorto(4)->installEventFilter(&notilo);
        QCOMPARE(konfirmas(), QStringList());
        vorto(4)->removeEventFilter(&notilo);
        // Red and white in turn, starting red, then black for the next sentence.
        QVERIFY2(notilo.stiloj.size() >= 3, qPrintable(notilo.stiloj.join('|')));
        QCOMPARE(notilo.stiloj.first(), QStringLiteral("color: rgb(200, 0, 0);"));
        QVERIFY(notilo.stiloj.contains(QStringLiteral("color: rgb(255, 255, 255);")));
        QCOMPARE(notilo.stiloj.last(), QStringLiteral("color: rgb(0, 0, 0);"));
        QCOMPARE(placar(3), 1);
        QCOMPARE(placar(1), 1);
        // The only sentence comes again, black and without its -n.
        QCOMPARE(vorto(4)->text(), QStringLiteral("patrino"));
        QCOMPARE(vorto(4)->styleSheet(), QStringLiteral("color: rgb(0, 0, 0);"));
        QVERIFY(butono("BitBtn2")->isEnabled());
        butono("BitBtn3")->click();
        QVERIFY(senlabora());
    }

    // Stop and start, or a second confirmation, while the praise plays.
    void dumLaugxo_data()
    {
        QTest::addColumn<bool>("rekomencas");
        QTest::newRow("stop and start") << true;
        QTest::newRow("second confirm") << false;
    }
    void dumLaugxo()
    {
        QFETCH(bool, rekomencas);
        TempoSkalo = 0.02;
        lNoteto = true; // Jes() then waits two (scaled) seconds
        komencas("9807");
        klakas(vorto(2));
        bool dumPauzo = false;
        QTimer::singleShot(5, ekz, [&] {
            // Still inside the praise: the confirm button is not yet disabled.
            dumPauzo = butono("BitBtn2")->isEnabled();
            if (rekomencas) {
                butono("BitBtn3")->click();
                butono("BitBtn1")->click();
            } else {
                butono("BitBtn2")->click();
            }
        });
        QCOMPARE(konfirmas(), QStringList());
        QVERIFY(dumPauzo);
        if (rekomencas) {
            // The new run is untouched by the end of the old answer.
            QCOMPARE(placar(1), 2);
            QCOMPARE(placar(2), 0);
            QCOMPARE(placar(3), 0);
            QCOMPARE(placar(4), 0);
        } else {
            QCOMPARE(placar(1), 1);
            QCOMPARE(placar(2), 1);
        }
        QVERIFY(butono("BitBtn2")->isEnabled());
        QVERIFY(!butono("BitBtn1")->isEnabled());
        QVERIFY(!vorto(0)->text().isEmpty());
    }

    void malebenajDatumoj()
    {
        komencas("9803");
        QCOMPARE(placar(1), 2);
        for (int vico = 0; vico < 2; ++vico) {
            if (vorto(0)->text() == QLatin1String("Mi")) {
                klakas(vorto(3));
                QCOMPARE(vorto(3)->text(), QStringLiteral("domon"));
                // Explanation 15 does not exist: the line stays empty.
                QCOMPARE(etikedo("Klarigo")->text(), QString());
            } else {
                QCOMPARE(vorto(0)->text(), QStringLiteral("Unu"));
                // Eleven words: the tenth is the last one shown.
                QCOMPARE(vorto(9)->text(), QStringLiteral("dek"));
                QVERIFY(vorto(9)->isVisible());
                QCOMPARE(etikedo("Traduko1")->text(), QStringLiteral("Ten words in a row."));
                // No R or K row: no word takes -n, a click reads explanation 0.
                const int antaue = placar(3);
                klakas(vorto(2));
                QCOMPARE(placar(3), antaue + 1);
                QCOMPARE(etikedo("Klarigo")->text(), QStringLiteral("K0"));
            }
            const QStringList verdikto = konfirmas();
            QCOMPARE(verdikto.size(), vico == 1 ? 1 : 0);
        }
        QVERIFY(senlabora());
        QCOMPARE(placar(2), 2);
    }

    void modelo()
    {
        akuzativo_datumoj d;
        QCOMPARE(d.legu("9803", "9204"), 2);
        QVERIFY(d.bezonasN(0, 3));
        QVERIFY(!d.bezonasN(1, 3));
        QCOMPARE(d.klarigo(0, 3), -1);
        QCOMPARE(d.klarigo(0, 1), 3);
        QCOMPARE(d.klarigo(1, 5), 0);
        QCOMPARE(d.vorto(1, 10), QStringLiteral("dek unu"));
        QCOMPARE(d.vorto(5, 0), QString());
        QCOMPARE(d.traduko(7), QString());
        akuzativo_frazo f;
        f.metas(&d, 0);
        QCOMPARE(f.maltrafitaj(), QList<int>{3});
        QCOMPARE(f.klaku(0), akuzativo_frazo::Malgxusta);
        QCOMPARE(f.klaku(3), akuzativo_frazo::Gxusta);
        QCOMPARE(f.klaku(3), akuzativo_frazo::JamFarita);
        QCOMPARE(f.klaku(10), akuzativo_frazo::Nenio);
        QVERIFY(f.gxusta());
    }

    // The shipped translations hold the 13 explanations and the headings.
    void tradukoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::newRow("English") << "angla.trd";
        QTest::newRow("Esperanto") << "esperanto.trd";
    }
    void tradukoj()
    {
        QFETCH(QString, dosiero);
        const QString antaua = sTradukoDosiero;
        sTradukoDosiero = dosiero;
        QStringList klarigoj;
        QCOMPARE(_Matriz(&klarigoj, "Klarigoj", "T"), 14);
        sTradukoDosiero = antaua;
        for (const QString& k : klarigoj)
            QVERIFY(!k.isEmpty() && k != NeTradukitaEkzerco);
        QVERIFY(klarigoj.at(12).contains("saluton"));
        IniDosiero trd(":/tradukoj/" + dosiero);
        IniDosiero tdf(":/tradukoj/tradukendaj.tdf");
        tdf.beginGroup("Gheneralaj");
        QStringList listigitaj;
        for (const QString& s : tdf.childKeys())
            listigitaj << tdf.value(s).toString();
        for (const char* s : {"TFrame2.PP_Label1", "TFrame2.PP_Label41", "TFrame5.Label1", "TFrame5.Label6"}) {
            QVERIFY2(!trd.value(QStringLiteral("Gheneralaj/") + s).toString().isEmpty(), s);
            QVERIFY2(listigitaj.contains(QLatin1String(s)), s);
        }
        QVERIFY(!trd.value("Gheneralaj/TFrame2.SenMikrofono").toString().isEmpty());
    }
};

LERBO_TEST_MAIN(TestoAkuzativo)
#include "tst_ekz2_akuzativo.moc"
