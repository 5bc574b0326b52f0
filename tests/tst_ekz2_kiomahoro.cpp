#include "erodosieroj.h"
#include "funkcioj.h"
#include "kiomahoro.h"
#include "kiomahoro_horo.h"
#include "testilo.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

// The clock-time exercise on the lesson-11 items, typed as a learner types.
class TestoKiomahoro : public QObject
{
    Q_OBJECT

    kiomahoro* ekz = nullptr;
    QStringList frazoj, solvoj;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLabel* etikedo(const char* nomo) { return ekz->findChild<QLabel*>(QLatin1String(nomo)); }
    QLineEdit* kampo() { return ekz->findChild<QLineEdit*>("Edit1"); }
    int placar(int n) { return ekz->findChild<QSpinBox*>(QStringLiteral("Placar") + QString::number(n))->value(); }
    QString nunaSolvo() { return solvoj.value(frazoj.indexOf(etikedo("Vorto0")->text())); }

    // Types the digits and presses Enter; returns the texts of the boxes shown.
    QStringList tajpas(const QString& ciferoj, bool enigu = true)
    {
        QStringList tekstoj;
        testilo::kunModalo(
            [&] {
                QTest::keyClicks(kampo(), ciferoj);
                if (enigu)
                    QTest::keyClick(kampo(), Qt::Key_Return);
                else
                    butono("BitBtn2")->click();
            },
            [&](QWidget* w) {
                if (auto* m = qobject_cast<QMessageBox*>(w))
                    tekstoj << m->text();
                w->close();
            });
        return tekstoj;
    }
    static QString ciferoj(const QString& horo) { return QString(horo).remove(':'); }

private slots:
    void initTestCase()
    {
        QCOMPARE(_Matriz(&frazoj, "1101", "D"), 14);
        QCOMPARE(_Matriz(&solvoj, "1101", "R"), 14);
        smGratulon = QStringLiteral("GRATULON");
        smDenove = QStringLiteral("DENOVE");
    }
    void init()
    {
        TempoSkalo = 0.001;
        lNoteto = false;
        lSxaltilo = false;
        sSistemo = QStringLiteral("linux");
        Direkto = QStringLiteral("LTR");
        ekz = new kiomahoro;
        ekz->setObjectName(QStringLiteral("Lec11_Ekzerco_Horo"));
        ekz->resize(760, 500);
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
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn2")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QCOMPARE(kampo()->inputMask(), QStringLiteral("99:99;_"));
        QCOMPARE(kampo()->displayText(), QStringLiteral("__:__"));
        QVERIFY(butono("printilo_ps")->isHidden());
    }

    void presbutono()
    {
        sSistemo = QStringLiteral("windows");
        kiomahoro alia;
        QVERIFY(!alia.findChild<QPushButton*>("printilo_ps")->isHidden());
    }

    void horoj_data()
    {
        QTest::addColumn<QString>("kampo");
        QTest::addColumn<QString>("atendata");
        QTest::addColumn<bool>("malplena");
        QTest::addColumn<bool>("gxusta");
        QTest::newRow("nine in the evening") << "21:00"
                                             << "21:00" << false << true;
        QTest::newRow("midnight as 00:00") << "00:00"
                                           << "24:00" << false << false;
        QTest::newRow("midnight") << "24:00"
                                  << "24:00" << false << true;
        QTest::newRow("nothing typed") << ":"
                                       << "21:00" << true << false;
        QTest::newRow("blanks") << " : "
                                << "21:00" << true << false;
        QTest::newRow("hours only") << "14:"
                                    << "14:20" << false << false;
        QTest::newRow("one digit short") << "9:45"
                                         << "09:45" << false << false;
    }
    void horoj()
    {
        QFETCH(QString, kampo);
        QFETCH(QString, atendata);
        QFETCH(bool, malplena);
        QFETCH(bool, gxusta);
        QCOMPARE(kiomahoro_horo::malplena(kampo), malplena);
        QCOMPARE(kiomahoro_horo::gxusta(kampo, atendata), gxusta);
    }

    void najxaVespere()
    {
        butono("BitBtn1")->click();
        QCOMPARE(placar(1), 14);
        while (etikedo("Vorto0")->text() != QStringLiteral("La naŭa vespere"))
            QCOMPARE(tajpas(ciferoj(nunaSolvo())), QStringList());
        const int gxustaj = placar(2);
        QTest::keyClicks(kampo(), "2100");
        QCOMPARE(kampo()->text(), QStringLiteral("21:00"));
        // The phrase may be the last one left: then the verdict follows.
        testilo::kunModalo([&] { QTest::keyClick(kampo(), Qt::Key_Return); });
        QCOMPARE(placar(2), gxustaj + 1);
        QCOMPARE(placar(3), 0);
        QCOMPARE(placar(1), 14 - gxustaj - 1);
    }

    void malplenaKampo()
    {
        butono("BitBtn1")->click();
        const QString frazo = etikedo("Vorto0")->text();
        QCOMPARE(tajpas(QString(), false), QStringList());
        QCOMPARE(placar(2), 0);
        QCOMPARE(placar(3), 0);
        QCOMPARE(etikedo("Vorto0")->text(), frazo);
        QVERIFY(butono("BitBtn2")->isEnabled());
        QVERIFY(kampo()->hasFocus());
    }

    void noktomezo()
    {
        butono("BitBtn1")->click();
        while (etikedo("Vorto0")->text() != QStringLiteral("Noktomezo"))
            tajpas(ciferoj(nunaSolvo()));
        // What the correction line shows each time the blink restyles it.
        struct Notilo : QObject
        {
            QStringList tekstoj;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::StyleChange)
                    tekstoj << static_cast<QLabel*>(o)->text();
                return false;
            }
        } notilo;
        etikedo("Korekta")->installEventFilter(&notilo);
        tajpas("0000");
        etikedo("Korekta")->removeEventFilter(&notilo);
        const QStringList montritaj = notilo.tekstoj;
        QVERIFY(!montritaj.isEmpty());
        QCOMPARE(montritaj.first(), QStringLiteral("24:00"));
        QCOMPARE(placar(3), 1);
        QVERIFY(etikedo("Korekta")->text().isEmpty());
        QVERIFY(butono("BitBtn3")->isEnabled());
        QVERIFY(kampo()->isEnabled());
    }

    void tutaKuro()
    {
        butono("BitBtn1")->click();
        tajpas("0001");
        tajpas("0002");
        QCOMPARE(placar(3), 2);
        QStringList verdikto;
        for (int i = 0; i < 14 && verdikto.isEmpty(); ++i)
            verdikto = tajpas(ciferoj(nunaSolvo()));
        QCOMPARE(verdikto, QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(placar(1), 0);
        QCOMPARE(placar(2), 14);
        QCOMPARE(placar(3), 2);
        QCOMPARE(placar(4), 87);
        QVERIFY(butono("BitBtn1")->isEnabled());
        QVERIFY(!butono("BitBtn3")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(etikedo("Vorto0")->text().isEmpty());
    }

    // Stop and start while the praise of a right answer plays: the new run
    // keeps its fresh board and its own phrase.
    void haltoDumLaugxo()
    {
        TempoSkalo = 0.02;
        lNoteto = true;
        butono("BitBtn1")->click();
        bool dumPauzo = false;
        QTimer::singleShot(5, ekz, [&] {
            // Still inside the praise: the phrase is judged, the next not shown.
            dumPauzo = !kampo()->isEnabled() && butono("BitBtn3")->isEnabled();
            butono("BitBtn3")->click();
            butono("BitBtn1")->click();
        });
        QCOMPARE(tajpas(ciferoj(nunaSolvo())), QStringList());
        QVERIFY(dumPauzo);
        QCOMPARE(placar(1), 14);
        QCOMPARE(placar(2), 0);
        QCOMPARE(placar(4), 0);
        QVERIFY(!butono("BitBtn1")->isEnabled());
        QVERIFY(kampo()->isEnabled());
        QVERIFY(frazoj.contains(etikedo("Vorto0")->text()));
    }

    void folio_data()
    {
        QTest::addColumn<QString>("direkto");
        QTest::addColumn<QString>("ero");
        QTest::newRow("LTR") << "LTR"
                             << "<li>La naŭa vespere : ______:______<br></li>";
        QTest::newRow("RTL") << "RTL"
                             << QStringLiteral("<li>") + QChar(0x202A) + "La naŭa vespere : ______:______"
                                    + QChar(0x202C) + "<br></li>";
    }
    void folio()
    {
        QFETCH(QString, direkto);
        QFETCH(QString, ero);
        QWidget pagxo;
        QFont tiparo("DejaVu Sans");
        tiparo.setPixelSize(16);
        pagxo.setFont(tiparo);
        kiomahoro k(&pagxo);
        k.setObjectName("Lec11_Ekzerco_Horo");
        k.findChild<QLabel*>("Lec11_Label3")->setText("Exercises - time");
        k.findChild<QLabel*>("Lec11_Label12")->setText("Type the time.");
        Direkto = direkto;
        const QString html = k.folio();
        QVERIFY(html.startsWith("<body dir=" + direkto + " style=\" font-family:'DejaVu Sans'; font-size:12pt;"));
        QVERIFY(html.contains("Lerbo de Esperanto   -   Lec11_Ekzerco_Horo   ("));
        QVERIFY(html.contains(QString(QChar(0x200E)) + "</h2></P>"));
        QVERIFY(html.contains(
            "<P><B>Exercises - time</B></P><P><B>Kioma horo estas?  Estas...</B></P><P>Type the time.</P><ol>"));
        QVERIFY2(html.contains(ero), qPrintable(html));
        QCOMPARE(html.count("<li>"), 14);
        QVERIFY(html.contains(
            "</ol><P dir=\"ltr\">Respondoj: <br>1)&nbsp;14:20&nbsp;&nbsp;&nbsp; 2)&nbsp;21:00&nbsp;&nbsp;&nbsp; "));
        QVERIFY(html.contains("14)&nbsp;22:55&nbsp;&nbsp;&nbsp; </P></body>"));
        QCOMPARE(html.contains(QChar(0x202A)), direkto == "RTL");
    }
};

LERBO_TEST_MAIN(TestoKiomahoro)
#include "tst_ekz2_kiomahoro.moc"
