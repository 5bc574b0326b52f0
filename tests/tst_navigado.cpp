// Lesson navigation on the real main window, with stand-in lessons built
// through the lesson factory.
#include "lecionaj_datumoj.h"
#include "tst_elsxuto_servilo.h"
#include "tst_lerbo_komuna.h"
#include "tst_navigado_leciono.h"

#include "filedownloader.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace lerbotesto;

class TestoNavigado : public QObject
{
    Q_OBJECT

    std::unique_ptr<fiksaleciono::Anstatauo> anstatauo;

    static QStackedWidget* paghujo(lerbo* w) { return el<QStackedWidget>(w, "Paghujo"); }
    static QTabWidget* tabulo(lerbo* w, int numero)
    {
        return el<QTabWidget>(w, qPrintable(QStringLiteral("Lec") + fiksaleciono::du(numero)));
    }
    static QString nombrilo(lerbo* w) { return el<QLabel>(w, "kiom_da_paghoj")->text(); }
    static void klakas(lerbo* w, const QString& nomo) { el<QPushButton>(w, qPrintable(nomo))->click(); }
    static void malfermas(lerbo* w, int numero) { klakas(w, QStringLiteral("Leciono%1").arg(numero)); }

private slots:
    void init()
    {
        purigas();
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        anstatauo.reset(new fiksaleciono::Anstatauo);
    }
    void cleanup() { anstatauo.reset(); }

    // The first opening builds the lesson once and starts where the learner
    // stopped when it is the lesson of the last visit, else on its first page.
    void unuaMalfermo_data()
    {
        QTest::addColumn<int>("lastaLeciono");
        QTest::addColumn<int>("lastaPagxo");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("tabo");
        QTest::addColumn<QString>("teksto");
        QTest::newRow("last lesson, fifth page") << 3 << 4 << 3 << 4 << "5/10";
        QTest::newRow("another lesson last") << 5 << 7 << 3 << 0 << "1/10";
        QTest::newRow("lesson 1, first page") << 1 << 0 << 1 << 0 << "1/13";
        QTest::newRow("lesson 1, last page") << 1 << 12 << 1 << 12 << "13/13";
    }
    void unuaMalfermo()
    {
        QFETCH(int, lastaLeciono);
        QFETCH(int, lastaPagxo);
        QFETCH(int, numero);
        QFETCH(int, tabo);
        QFETCH(QString, teksto);
        auto w = kreas();
        QVERIFY(montras(w.get()));
        LastaLeciono = lastaLeciono;
        LastaPagxo = lastaPagxo;
        malfermas(w.get(), numero);

        QCOMPARE(fiksaleciono::konstruoj().at(numero), 1);
        QWidget* pagho = paghujo(w.get())->widget(numero);
        QCOMPARE(paghujo(w.get())->currentIndex(), numero);
        QVERIFY(w->lecionoj[numero - 1]);
        QCOMPARE(w->lecionoj[numero - 1]->parentWidget(), pagho);
        QVERIFY(pagho->layout()->indexOf(w->lecionoj[numero - 1]) >= 0);
        QVERIFY(pagho->styleSheet().startsWith(QStringLiteral("QTabBar::tab {height: 0px; width: 0px;}")));
        QTabWidget* t = tabulo(w.get(), numero);
        QCOMPARE(t->currentIndex(), tabo);
        QCOMPARE(LastaPagxo, tabo);
        QCOMPARE(LastaLeciono, numero);
        QCOMPARE(nombrilo(w.get()), teksto);
        QCOMPARE(w->tradukitaj.at(numero - 1), QStringLiteral("angla.trd"));
        QVERIFY(!el<QLabel>(w.get(), "leciono")->pixmap(Qt::ReturnByValue).isNull());
        // The page shown follows the window's width; the pages never shown
        // (the first aside, which the opening passes through) do not.
        for (int p = 0; p < t->count(); ++p) {
            const bool laux = t->widget(p)->findChild<QScrollArea*>()->widgetResizable();
            if (p == tabo)
                QVERIFY(laux);
            else if (p != 0)
                QVERIFY2(!laux, qPrintable(QString::number(p)));
        }
        QVERIFY(!el(w.get(), "butonujo")->isHidden() && !el(w.get(), "navigujo")->isHidden());
        QVERIFY(el(w.get(), "paghopiedo")->isHidden());
    }

    // Home and back (by the lesson's button or by "where I stopped") returns
    // to the page last shown, without building the lesson again.
    void hejmenKajReen()
    {
        auto w = kreas();
        QVERIFY(montras(w.get()));
        malfermas(w.get(), 5);
        klakas(w.get(), "dekstren");
        klakas(w.get(), "dekstren");
        QCOMPARE(LastaPagxo, 2);
        klakas(w.get(), "Hejmo");
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        QVERIFY(el(w.get(), "navigujo")->isHidden() && el(w.get(), "butonujo")->isHidden());
        klakas(w.get(), "KieButono");
        QCOMPARE(paghujo(w.get())->currentIndex(), 5);
        QCOMPARE(tabulo(w.get(), 5)->currentIndex(), 2);
        QCOMPARE(nombrilo(w.get()), QStringLiteral("3/10"));
        klakas(w.get(), "Hejmo");
        malfermas(w.get(), 5);
        QCOMPARE(tabulo(w.get(), 5)->currentIndex(), 2);
        QCOMPARE(fiksaleciono::konstruoj().at(5), 1);

        // After another lesson, lesson 5 starts on its first page again.
        klakas(w.get(), "Hejmo");
        malfermas(w.get(), 7);
        klakas(w.get(), "Hejmo");
        malfermas(w.get(), 5);
        QCOMPARE(tabulo(w.get(), 5)->currentIndex(), 0);
        QCOMPARE(LastaPagxo, 0);
        QCOMPARE(LastaLeciono, 5);
    }

    // The arrows turn round at both ends; the counter and the recorded page follow.
    void sagoj()
    {
        auto w = kreas();
        QVERIFY(montras(w.get()));
        LastaLeciono = 9;
        malfermas(w.get(), 1);
        QCOMPARE(nombrilo(w.get()), QStringLiteral("1/13"));
        klakas(w.get(), "maldekstren");
        QCOMPARE(nombrilo(w.get()), QStringLiteral("13/13"));
        QCOMPARE(tabulo(w.get(), 1)->currentIndex(), 12);
        QCOMPARE(LastaPagxo, 12);
        klakas(w.get(), "dekstren");
        QCOMPARE(nombrilo(w.get()), QStringLiteral("1/13"));
        QCOMPARE(LastaPagxo, 0);
        klakas(w.get(), "dekstren");
        QCOMPARE(nombrilo(w.get()), QStringLiteral("2/13"));
        QCOMPARE(LastaPagxo, 1);
    }

    // Only a direction of exactly "LTR" (or none) keeps the arrows' pictures;
    // what each arrow does never changes.
    void direkto_data()
    {
        QTest::addColumn<QByteArray>("kapo");
        QTest::addColumn<bool>("intersxangxitaj");
        QTest::newRow("LTR") << QByteArray("Direkto=LTR\r\n") << false;
        QTest::newRow("none") << QByteArray() << false;
        QTest::newRow("RTL") << QByteArray("Direkto=RTL\r\n") << true;
        QTest::newRow("rtl") << QByteArray("Direkto=rtl\r\n") << true;
    }
    void direkto()
    {
        QFETCH(QByteArray, kapo);
        QFETCH(bool, intersxangxitaj);
        auto w = kreas();
        QVERIFY(montras(w.get()));
        testilo::skribas(savasLoko + QStringLiteral("direkto.trd"),
                         "[Traduko]\r\nLingvoID=xx\r\n" + kapo + testilo::CxefajGrupoj);
        sTradukoDosiero = QStringLiteral("direkto.trd");
        malfermas(w.get(), 4);
        auto bildo = [](const QIcon& i) { return i.pixmap(36, 36).toImage(); };
        const QImage malantauen = bildo(QIcon(QStringLiteral(":/ikonoj_androjdo/baseline_arrow_back_black_36.png")));
        const QImage antauen = bildo(QIcon(QStringLiteral(":/ikonoj_androjdo/baseline_arrow_forward_black_36.png")));
        QCOMPARE(bildo(el<QPushButton>(w.get(), "maldekstren")->icon()), intersxangxitaj ? antauen : malantauen);
        QCOMPARE(bildo(el<QPushButton>(w.get(), "dekstren")->icon()), intersxangxitaj ? malantauen : antauen);
        klakas(w.get(), "dekstren");
        QCOMPARE(tabulo(w.get(), 4)->currentIndex(), 1);
        klakas(w.get(), "maldekstren");
        QCOMPARE(tabulo(w.get(), 4)->currentIndex(), 0);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // "Where I stopped", by its button or the label of its tile: the lesson
    // of the last visit at its page, or home when that is no lesson.
    void kieButono_data()
    {
        QTest::addColumn<QString>("kie");
        QTest::addColumn<int>("lasta");
        QTest::addColumn<int>("pagho");
        for (const char* kie : {"KieButono", "label_Kie"}) {
            QTest::addRow("%s, none", kie) << kie << 0 << 0;
            QTest::addRow("%s, below the first", kie) << kie << -1 << 0;
            QTest::addRow("%s, past the last", kie) << kie << 14 << 0;
            QTest::addRow("%s, lesson 13", kie) << kie << 13 << 13;
            QTest::addRow("%s, lesson 6", kie) << kie << 6 << 6;
        }
    }
    void kieButono()
    {
        QFETCH(QString, kie);
        QFETCH(int, lasta);
        QFETCH(int, pagho);
        auto w = kreas();
        QVERIFY(montras(w.get()));
        LastaLeciono = lasta;
        LastaPagxo = 6;
        if (kie == QLatin1String("label_Kie"))
            QMetaObject::invokeMethod(el(w.get(), "label_Kie"), "clicked");
        else
            klakas(w.get(), kie);
        QCOMPARE(paghujo(w.get())->currentIndex(), pagho);
        int konstruitaj = 0;
        for (int k : fiksaleciono::konstruoj())
            konstruitaj += k;
        QCOMPARE(konstruitaj, pagho ? 1 : 0);
        if (pagho) {
            QCOMPARE(tabulo(w.get(), pagho)->currentIndex(), 6);
            QCOMPARE(nombrilo(w.get()), QStringLiteral("7/10"));
        } else {
            QVERIFY(el(w.get(), "navigujo")->isHidden());
            QCOMPARE(LastaLeciono, lasta);
        }
    }

    // The accusative exercise of a lesson follows the lesson opened, however
    // it was opened: by its button or by the translation editor, with the
    // stand-in lessons or the course's own. The codes are the lesson table's
    // of the tests (lecionaj_datumoj), which the whole-course test checks
    // against the lessons themselves.
    void akuzativo_data()
    {
        QTest::addColumn<int>("numero");
        QTest::addColumn<bool>("redaktilo");
        QTest::addColumn<bool>("reala");
        QTest::addColumn<QString>("kodo");
        for (const lecionaj_datumoj::Leciono& l : lecionaj_datumoj::lecionoj()) {
            const QString kodo = l.akuzativo.isEmpty() ? QStringLiteral("antaŭa") : l.akuzativo;
            for (bool redaktilo : {false, true})
                QTest::addRow("%s, lesson %d", redaktilo ? "editor" : "button", l.numero)
                    << l.numero << redaktilo << false << kodo;
            // The course's own lessons cost much more to build: those with
            // an accusative exercise, and a few without.
            if (!l.akuzativo.isEmpty() || l.numero == 1 || l.numero == 4 || l.numero == 13)
                QTest::addRow("button, the course's lesson %d", l.numero) << l.numero << false << true << kodo;
        }
    }
    void akuzativo()
    {
        QFETCH(int, numero);
        QFETCH(bool, redaktilo);
        QFETCH(bool, reala);
        QFETCH(QString, kodo);
        if (reala)
            anstatauo.reset();
        auto w = kreas();
        EkzercoAkuzativoTrad = QStringLiteral("antaŭa");
        if (redaktilo)
            w->lokigas_paghotrad(QStringLiteral("Pagho") + fiksaleciono::du(numero));
        else
            malfermas(w.get(), numero);
        QCOMPARE(paghujo(w.get())->currentIndex(), numero);
        QCOMPARE(EkzercoAkuzativoTrad, kodo);
        QVERIFY(!el(w.get(), "navigujo")->isHidden());
        if (reala)
            QVERIFY(el(w.get(), qPrintable(QStringLiteral("lec") + fiksaleciono::du(numero)))->inherits("leciono"));
    }

    // A language chosen on the settings page reaches an already built lesson
    // at its next opening, once.
    void lingvoShanghitaUnufoje()
    {
        ProvaServilo servilo; // answers 404: the local copies serve
        FileDownloader::setKursejo(servilo.gastiganto());
        testilo::skribas(savasLoko + QStringLiteral("unua.trd"), "[Traduko]\r\nLingvo=Unua\r\nLingvoID=xa\r\n"
                                                                     + testilo::CxefajGrupoj
                                                                     + "[Lec05]\r\nLabel1=unu\r\n");
        testilo::skribas(savasLoko + QStringLiteral("dua.trd"), "[Traduko]\r\nLingvo=Dua\r\nLingvoID=xb\r\n"
                                                                    + testilo::CxefajGrupoj
                                                                    + "[Lec05]\r\nLabel1=du\r\n");
        skribasAgordojn({{"Lingvo", "Unua"}, {"Dosiero", "unua.trd"}});
        skribasListon({{"xa", "Unua", "unua.trd", "01.01.2020"}, {"xb", "Dua", "dua.trd", "01.01.2020"}});
        auto w = kreas();
        QVERIFY(montras(w.get()));
        malfermas(w.get(), 5);
        auto* etikedo = el<QLabel>(w.get(), "Lec05_Label1");
        QCOMPARE(etikedo->text(), QStringLiteral("unu"));
        QCOMPARE(el<QLabel>(w.get(), "Lec05_Label2")->text(), QStringLiteral("Ne Tradukita"));
        klakas(w.get(), "dekstren");
        klakas(w.get(), "Hejmo");

        klakas(w.get(), "Konfigurado");
        auto* lingvo = el<QComboBox>(w.get(), "Lingvo");
        lingvo->setCurrentIndex(lingvo->findText(QStringLiteral("Dua")));
        w->on_Lingvo_activated(lingvo->currentIndex());
        klakas(w.get(), "shanghasKonfigurojn");
        QVERIFY(w->elshutilo);
        QSignalSpy fino(w->elshutilo, SIGNAL(downloaded()));
        QVERIFY(fino.count() == 1 || fino.wait(20000));
        FileDownloader::setKursejo(QString());
        QCOMPARE(servilo.petoj().last().vojo, QByteArray("/datumoj/tradukoj/dua.trd"));
        QCOMPARE(sTradukoDosiero, QStringLiteral("dua.trd"));
        QCOMPARE(etikedo->text(), QStringLiteral("unu")); // not at the moment of the change

        malfermas(w.get(), 5);
        QCOMPARE(etikedo->text(), QStringLiteral("du"));
        QCOMPARE(tabulo(w.get(), 5)->currentIndex(), 1);
        QCOMPARE(w->tradukitaj.at(4), QStringLiteral("dua.trd"));
        etikedo->setText(QStringLiteral("tuŝita"));
        klakas(w.get(), "Hejmo");
        malfermas(w.get(), 5);
        QCOMPARE(etikedo->text(), QStringLiteral("tuŝita"));
        QCOMPARE(fiksaleciono::konstruoj().at(5), 1);
    }

    // A page turned while a message box is the active window is not the page
    // the window reopens.
    void mesaghoKestoNeRegistrata()
    {
        auto w = kreas();
        QVERIFY(montras(w.get()));
        malfermas(w.get(), 6);
        klakas(w.get(), "dekstren");
        QCOMPARE(LastaPagxo, 1);
        bool turnita = false;
        testilo::kunModalo(
            [&] {
                QMessageBox kesto(QMessageBox::Information, QString(), QStringLiteral("Gratulon!"), QMessageBox::Ok,
                                  w.get());
                kesto.exec();
            },
            [&](QWidget* kesto) {
                if (QApplication::activeWindow() != kesto)
                    return; // not active yet: the next tick tries again
                w->on_dekstren_clicked();
                turnita = true;
                kesto->close();
            });
        QVERIFY(turnita);
        QCOMPARE(tabulo(w.get(), 6)->currentIndex(), 2);
        QCOMPARE(nombrilo(w.get()), QStringLiteral("3/10"));
        QCOMPARE(LastaPagxo, 1);
        klakas(w.get(), "Hejmo");
        klakas(w.get(), "KieButono");
        QCOMPARE(tabulo(w.get(), 6)->currentIndex(), 1);

        // With the window active again, turning is recorded.
        QVERIFY(montras(w.get()));
        klakas(w.get(), "dekstren");
        QCOMPARE(LastaPagxo, 2);
    }
};

LERBO_TEST_MAIN(TestoNavigado)
#include "tst_navigado.moc"
