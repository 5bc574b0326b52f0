// The toolkit's pieces that every lesson and exercise stands on: item files,
// word labels, typing fields, the flow layout, font scaling and waits.
#include "FlowLayout.h"
#include "cx_edit.h"
#include "cx_plainedit.h"
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "klakbutono_nova.h"
#include "testilo.h"
#include "tradukovojo.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <ctime>

class TestoIlaro : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        sTradukoDosiero = QStringLiteral("angla.trd");
        lCxapeligo = true;
    }

    // --- item files --------------------------------------------------------
    void matriz_legas_valorojn()
    {
        QStringList el{QStringLiteral("malnova")};
        QCOMPARE(_Matriz(&el, QStringLiteral("9701"), QStringLiteral("D")), 6);
        QCOMPARE(el, (QStringList{"ami", "La fil~ am~ la patr~.", "~~~~1", "Ŝi diris: \"Saluton, amiko!\"", "", "a~"}));
    }

    void matriz_komo_sen_citiloj()
    {
        // An unquoted comma makes the settings reader return a list; the
        // item keeps its text rather than becoming empty.
        QStringList el;
        QCOMPARE(_Matriz(&el, QStringLiteral("9702"), QStringLiteral("D")), 1);
        QVERIFY2(el.first().startsWith(QStringLiteral("unu,")), qPrintable(el.first()));
    }

    // A built-in item file is read up to its highest key, a missing key
    // giving an empty item: a section of other right orders lists only the
    // items that have one, and its last key must not be dropped.
    void matriz_truo_en_numerado()
    {
        QStringList el;
        QCOMPARE(_Matriz(&el, QStringLiteral("9701"), QStringLiteral("R")), 4);
        QCOMPARE(el, (QStringList{"13", "", "15", "16"}));
    }

    void matriz_mankas_data()
    {
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<QString>("speco");
        QTest::newRow("missing section") << "9799"
                                         << "D";
        QTest::newRow("missing kind") << "9701"
                                      << "K";
        QTest::newRow("missing file") << "5501"
                                      << "D";
        QTest::newRow("no translation section") << "9701"
                                                << "T";
    }
    void matriz_mankas()
    {
        QFETCH(QString, kodo);
        QFETCH(QString, speco);
        QStringList el{QStringLiteral("malnova")};
        QCOMPARE(_Matriz(&el, kodo, speco), 0);
        QVERIFY(el.isEmpty());
        QList<QStringList> el2{{QStringLiteral("x")}};
        QCOMPARE(_Matriz2(&el2, kodo, speco, 6), 0);
        QVERIFY(el2.isEmpty());
    }

    void matriz2_kampoj()
    {
        QList<QStringList> el;
        QCOMPARE(_Matriz2(&el, QStringLiteral("9701"), QStringLiteral("D"), 6), 6);
        QCOMPARE(el.at(0), (QStringList{"ami", "", "", "", "", ""}));
        QCOMPARE(el.at(1), (QStringList{"La fil", " am", " la patr", ".", "", ""}));
        QCOMPARE(el.at(2), (QStringList{"", "", "", "", "1", ""}));
        QCOMPARE(el.at(4), (QStringList{"", "", "", "", "", ""}));
        QCOMPARE(el.at(5), (QStringList{"a", "", "", "", "", ""}));
        // Fields beyond the column count stay.
        QCOMPARE(_Matriz2(&el, QStringLiteral("9701"), QStringLiteral("D"), 2), 6);
        QCOMPARE(el.at(2).size(), 5);
    }

    void matriz_tradukoj()
    {
        // A downloaded translation (only in savasLoko) gives its sentences.
        testilo::skribas(savasLoko + QStringLiteral("elsxutita.trd"),
                         "[Traduko]\r\nLingvoID=xx\r\n" + testilo::CxefajGrupoj
                             + "[Ekzerco-9701]\r\n0=The son loves the mother.\r\n"
                               "2=\"Well, yes.\"\r\n");
        sTradukoDosiero = QStringLiteral("elsxutita.trd");
        QStringList el;
        QCOMPARE(_Matriz(&el, QStringLiteral("9701"), QStringLiteral("T")), 2);
        QCOMPARE(el, (QStringList{"The son loves the mother.", "Ne tradukita"}));
    }

    void ini_difektita_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("web error page") << QByteArray("<html><body>404 Not Found</body></html>\n");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01=\x02", 7);
        QTest::newRow("missing") << QByteArray("-");
    }
    void ini_difektita()
    {
        QFETCH(QByteArray, enhavo);
        const QString vojo = savasLoko + QStringLiteral("difektita.trd");
        QFile::remove(vojo);
        if (enhavo != "-")
            testilo::skribas(vojo, enhavo);
        IniDosiero ini(vojo);
        QCOMPARE(ini.value(QStringLiteral("Traduko/Lingvo"), QStringLiteral("?????????")).toString(),
                 QStringLiteral("?????????"));
        QCOMPARE(ini.value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR")).toString(), QStringLiteral("LTR"));
        sTradukoDosiero = QStringLiteral("difektita.trd");
        QStringList el;
        QCOMPARE(_Matriz(&el, QStringLiteral("9701"), QStringLiteral("T")), 0);
    }

    void enkonstruitaj_tradukoj()
    {
        for (const QString& dosiero : {QStringLiteral("angla.trd"), QStringLiteral("esperanto.trd")}) {
            IniDosiero ini(QStringLiteral(":/tradukoj/") + dosiero);
            QCOMPARE(ini.status(), QSettings::NoError);
            QVERIFY(!ini.value(QStringLiteral("Traduko/Lingvo")).toString().isEmpty());
            QCOMPARE(ini.value(QStringLiteral("Traduko/Dato")).toString().size(), 10);
            QCOMPARE(ini.value(QStringLiteral("Traduko/Direkto"), QStringLiteral("LTR")).toString(),
                     QStringLiteral("LTR"));
        }
        QCOMPARE(IniDosiero(QStringLiteral(":/tradukoj/angla.trd")).value(QStringLiteral("Traduko/LingvoID")),
                 QVariant(QStringLiteral("en")));
        QCOMPARE(IniDosiero(QStringLiteral(":/tradukoj/angla.trd")).value(QStringLiteral("Traduko/Lingvo")),
                 QVariant(QStringLiteral("English — angla")));
    }

    void traduko_vojo()
    {
        QCOMPARE(TradukoVojo(QStringLiteral("angla.trd")), QStringLiteral(":/tradukoj/angla.trd"));
        testilo::skribas(savasLoko + QStringLiteral("angla.trd"),
                         "[Traduko]\r\nLingvoID=en\r\n" + testilo::CxefajGrupoj);
        QCOMPARE(TradukoVojo(QStringLiteral("angla.trd")), savasLoko + QStringLiteral("angla.trd"));
        QFile::remove(savasLoko + QStringLiteral("angla.trd"));
    }

    // --- word labels -------------------------------------------------------
    void klipo_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QString>("teksto");
        QTest::addColumn<QString>("klipo");
        QTest::newRow("word") << "Lec01_Button5"
                              << "domo"
                              << "sonoj/lec01/domo.oga";
        QTest::newRow("hatted word") << "Lec01_Button6"
                                     << "ĉu"
                                     << "sonoj/lec01/cxu.oga";
        QTest::newRow("8 in x-system") << "Lec01_Button7"
                                       << "ĉambroj"
                                       << "sonoj/lec01/cxambroj.oga";
        QTest::newRow("9 in x-system") << "Lec01_Button8"
                                       << "ĉambrojn"
                                       << "sonoj/lec01/btn8.oga";
        QTest::newRow("grows past 8") << "Lec02_Button40"
                                      << "ŝanĝiĝ"
                                      << "sonoj/lec02/btn40.oga";
        QTest::newRow("phrase") << "Lec03_Button17"
                                << "bona tago"
                                << "sonoj/lec03/btn17.oga";
        QTest::newRow("exclamation") << "Lec04_Button3"
                                     << "Saluton!"
                                     << "sonoj/lec04/btn3.oga";
        QTest::newRow("short with !") << "Lec04_Button4"
                                      << "Ho!"
                                      << "sonoj/lec04/btn4.oga";
        QTest::newRow("blank") << "Lec05_Button9"
                               << " "
                               << "sonoj/lec05/btn9.oga";
        QTest::newRow("aŭ") << "Lec01_Button10"
                            << "aŭ"
                            << "sonoj/lec01/auh.oga";
        QTest::newRow("Aŭ") << "Lec01_Button11"
                            << "Aŭ"
                            << "sonoj/lec01/Aux.oga";
        QTest::newRow("marks removed") << "Lec01_Button12"
                                       << "\u200Eĉu\u200E"
                                       << "sonoj/lec01/cxu.oga";
        QTest::newRow("lesson 12") << "Lec12_Button301"
                                   << "kaj"
                                   << "sonoj/lec12/kaj.oga";
    }
    void klipo()
    {
        QFETCH(QString, nomo);
        QFETCH(QString, teksto);
        QFETCH(QString, klipo);
        klakbutono_nova b;
        b.setObjectName(nomo);
        b.setText(teksto);
        QCOMPARE(b.klipo(), klipo);
    }

    void klakbutono_premo()
    {
        klakbutono_nova b;
        QSignalSpy klakoj(&b, SIGNAL(clicked()));
        QTest::mousePress(&b, Qt::LeftButton);
        QTest::mousePress(&b, Qt::RightButton);
        QCOMPARE(klakoj.count(), 2);
    }

    // --- typing fields -----------------------------------------------------
    void tajpado_data()
    {
        QTest::addColumn<QString>("komenco");
        QTest::addColumn<QString>("klavoj");
        QTest::addColumn<bool>("cxapeligo");
        QTest::addColumn<QString>("rezulto");
        QTest::newRow("c x") << ""
                             << "cx" << true << "ĉ";
        QTest::newRow("S x") << ""
                             << "Sx" << true << "Ŝ";
        QTest::newRow("s X") << ""
                             << "sX" << true << "ŝ";
        QTest::newRow("all six") << ""
                                 << "cxgxhxjxsxux" << true << "ĉĝĥĵŝŭ";
        QTest::newRow("word") << ""
                              << "Ankaux mi mangxas" << true << "Ankaŭ mi manĝas";
        QTest::newRow("x at start") << ""
                                    << "x" << true << "x";
        QTest::newRow("after a") << ""
                                 << "ax" << true << "ax";
        QTest::newRow("after ĉ") << "ĉ"
                                 << "x" << true << "ĉx";
        QTest::newRow("off") << ""
                             << "cxsx" << false << "cxsx";
    }
    void tajpado()
    {
        QFETCH(QString, komenco);
        QFETCH(QString, klavoj);
        QFETCH(bool, cxapeligo);
        QFETCH(QString, rezulto);
        lCxapeligo = cxapeligo;

        cx_edit linio;
        linio.insert(komenco);
        QTest::keyClicks(&linio, klavoj);
        QCOMPARE(linio.text(), rezulto);

        cx_plainedit plena;
        plena.insertPlainText(komenco);
        QTest::keyClicks(&plena, klavoj);
        QCOMPARE(plena.toPlainText(), rezulto);
    }

    void ctrl_x_konvertas()
    {
        cx_edit linio;
        QTest::keyClicks(&linio, QStringLiteral("bc"));
        QTest::keyClick(&linio, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(linio.text(), QStringLiteral("bĉ"));
        QCOMPARE(linio.cursorPosition(), 2);
    }

    void meze_de_teksto()
    {
        cx_plainedit plena;
        plena.setPlainText(QStringLiteral("lac\nfino"));
        QTextCursor c = plena.textCursor();
        c.setPosition(3);
        plena.setTextCursor(c);
        QTest::keyClick(&plena, Qt::Key_X, Qt::NoModifier, 'x');
        QCOMPARE(plena.toPlainText(), QStringLiteral("laĉ\nfino"));
        QCOMPARE(plena.textCursor().position(), 3);
    }

    void cxteksto_data()
    {
        QTest::addColumn<QString>("en");
        QTest::addColumn<QString>("el");
        QTest::newRow("word") << "Sxangxo"
                              << "Ŝanĝo";
        QTest::newRow("pairs") << "CX cX sX ux"
                               << "Ĉ ĉ ŝ ŭ";
        QTest::newRow("none") << "Saluton, amiko"
                              << "Saluton, amiko";
    }
    void cxteksto()
    {
        QFETCH(QString, en);
        QFETCH(QString, el);
        QCOMPARE(cx_edit().cxteksto(en), el);
        QCOMPARE(cx_plainedit().cxteksto(en), el);
    }

    void cx_ios()
    {
        cx_edit linio;
        linio.setText(QStringLiteral("cx"));
        linio.setCursorPosition(2);
        linio.cx_ios(linio.text());
        QCOMPARE(linio.text(), QStringLiteral("ĉ"));
        QCOMPARE(linio.cursorPosition(), 1);

        lCxapeligo = false;
        linio.setText(QStringLiteral("sx"));
        linio.setCursorPosition(2);
        linio.cx_ios(linio.text());
        QCOMPARE(linio.text(), QStringLiteral("sx"));
    }

    // --- flow layout -------------------------------------------------------
    void flow_centras_vicon()
    {
        QWidget gepatro;
        auto* aranghilo = new FlowLayout(&gepatro, 0, 6);
        QList<QWidget*> butonoj;
        for (int l : {50, 60, 70}) {
            auto* w = new QWidget;
            w->setFixedSize(l, 20);
            aranghilo->addWidget(w);
            butonoj << w;
        }
        aranghilo->setGeometry(QRect(0, 0, 400, 100));
        QCOMPARE(butonoj.at(0)->geometry(), QRect(101, 0, 50, 20));
        QCOMPARE(butonoj.at(1)->geometry(), QRect(157, 0, 60, 20));
        QCOMPARE(butonoj.at(2)->geometry(), QRect(223, 0, 70, 20));
    }

    void flow_vicoj_data()
    {
        QTest::addColumn<int>("largxo");
        QTest::addColumn<int>("vicoj");
        // Five items 100 wide, spacing 10, margin 4.
        QTest::newRow("one row") << 600 << 1;
        QTest::newRow("two rows") << 400 << 2;
        QTest::newRow("three rows") << 250 << 3;
        QTest::newRow("one per row") << 150 << 5;
        QTest::newRow("narrower than an item") << 50 << 5;
    }
    void flow_vicoj()
    {
        QFETCH(int, largxo);
        QFETCH(int, vicoj);
        QWidget gepatro;
        auto* aranghilo = new FlowLayout(&gepatro, 4, 10);
        for (int i = 0; i < 5; ++i) {
            auto* w = new QWidget;
            w->setFixedSize(100, 20);
            aranghilo->addWidget(w);
        }
        const int alto = 2 * 4 + vicoj * 20 + (vicoj - 1) * 10;
        QCOMPARE(aranghilo->heightForWidth(largxo), alto);
        aranghilo->setGeometry(QRect(0, 0, largxo, alto));
        QSet<int> supraj;
        for (int i = 0; i < aranghilo->count(); ++i) {
            const QRect g = aranghilo->itemAt(i)->geometry();
            supraj << g.top();
            QVERIFY(g.left() >= 4 || largxo < 100 + 8);
        }
        QCOMPARE(supraj.size(), vicoj);
    }

    void flow_kasxita_kaj_spacoj()
    {
        QWidget gepatro;
        auto* aranghilo = new FlowLayout(0, 0);
        gepatro.setLayout(aranghilo);
        aranghilo->setContentsMargins(0, 0, 0, 0);
        auto* a = new QWidget;
        a->setFixedSize(100, 20);
        auto* kasxita = new QWidget;
        kasxita->setFixedSize(100, 20);
        kasxita->hide();
        auto* b = new QWidget;
        b->setFixedSize(100, 30);
        aranghilo->addSpacing(40); // at the start of a row: dropped
        aranghilo->addWidget(a);
        aranghilo->addWidget(kasxita);
        aranghilo->addSpacing(25);
        aranghilo->addSpacing(25); // right after a spacer: dropped
        aranghilo->addWidget(b);
        aranghilo->setGeometry(QRect(0, 0, 1000, 100));
        // Row: a (100) + spacer (25) + b (100) = 225; centred in 1000.
        const int sxovo = (1000 - 225) / 2;
        QCOMPARE(a->geometry().left(), sxovo);
        QCOMPARE(b->geometry().left(), sxovo + 125);
        QCOMPARE(aranghilo->heightForWidth(1000), 30);
    }

    void flow_malplena_kaj_limoj()
    {
        FlowLayout aranghilo(3, 3);
        aranghilo.setContentsMargins(5, 5, 5, 5);
        QCOMPARE(aranghilo.minimumSize(), QSize(9, 9));
        QCOMPARE(aranghilo.sizeHint(), QSize(9, 9));
        QCOMPARE(aranghilo.heightForWidth(300), 10);
        QVERIFY(aranghilo.hasHeightForWidth());
        QCOMPARE(aranghilo.expandingDirections(), Qt::Orientations());
        QVERIFY(!aranghilo.itemAt(-1));
        QVERIFY(!aranghilo.itemAt(0));
        QVERIFY(!aranghilo.takeAt(0));
        QCOMPARE(aranghilo.horizontalSpacing(), 3);
        aranghilo.setVerticalSpacing(9);
        QCOMPARE(aranghilo.verticalSpacing(), 9);
    }

    // --- fonts and waits ---------------------------------------------------
    void tiparo_data()
    {
        QTest::addColumn<int>("grando");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("rezulto");
        QTest::newRow("96 dpi") << 11 << 96.0 << 11;
        QTest::newRow("120 dpi") << 15 << 120.0 << 12;
        QTest::newRow("rounds down") << 13 << 120.0 << 10;
        QTest::newRow("half away from zero") << 5 << 192.0 << 3;
        QTest::newRow("72 dpi") << 12 << 72.0 << 16;
        QTest::newRow("zero") << 0 << 120.0 << 0;
    }
    void tiparo()
    {
        QFETCH(int, grando);
        QFETCH(double, dpi);
        QFETCH(int, rezulto);
        QCOMPARE(ghustigas_tiparon(grando, dpi), rezulto);
    }

    void tiparo_ekrano()
    {
        // The tests run at QT_FONT_DPI=96.
        QCOMPARE(ghustigas_tiparon(11), 11);
        QCOMPARE(ghustigas_tiparon(17), 17);
    }

    // --- icons -----------------------------------------------------------------
    // An icon a form makes from picture files (normal and hovered, no size)
    // draws and measures as Qt's own icon of the same pictures, in every mode
    // and at sizes under, at and over the picture's own.
    void ikono_el_dosieroj_data()
    {
        QTest::addColumn<QSize>("grando");
        QTest::addColumn<int>("reghimo");
        const QSize grandoj[] = {{35, 33}, {162, 66}, {300, 300}, {16, 40}};
        for (const QSize& g : grandoj) {
            for (int r : {int(QIcon::Normal), int(QIcon::Active), int(QIcon::Disabled), int(QIcon::Selected)})
                QTest::addRow("%dx%d, mode %d", g.width(), g.height(), r) << g << r;
        }
    }
    void ikono_el_dosieroj()
    {
        QFETCH(QSize, grando);
        QFETCH(int, reghimo);
        const QString normala = QStringLiteral(":/ikonoj/ekzercoj/komenci.png");
        const QString aktiva = QStringLiteral(":/ikonoj/ekzercoj/komenci-over.png");
        const auto r = QIcon::Mode(reghimo);
        QIcon formo;
        formo.addFile(normala, QSize(), QIcon::Normal, QIcon::Off);
        formo.addFile(aktiva, QSize(), QIcon::Active, QIcon::Off);
        QIcon qt;
        qt.addPixmap(QPixmap(normala), QIcon::Normal, QIcon::Off);
        qt.addPixmap(QPixmap(aktiva), QIcon::Active, QIcon::Off);
        QVERIFY(!formo.isNull());
        QCOMPARE(formo.actualSize(grando, r), qt.actualSize(grando, r));
        QCOMPARE(formo.pixmap(grando, r).toImage(), qt.pixmap(grando, r).toImage());
        QCOMPARE(formo.availableSizes(r), qt.availableSizes(r));
        // A copy given a picture of its own keeps it to itself.
        QIcon kopio = formo;
        QPixmap ruga(grando);
        ruga.fill(Qt::red);
        kopio.addPixmap(ruga, r, QIcon::On);
        QCOMPARE(kopio.pixmap(grando, r, QIcon::On).toImage(), ruga.toImage());
        QCOMPARE(formo.pixmap(grando, r, QIcon::On).toImage(), qt.pixmap(grando, r, QIcon::On).toImage());

        QImage bildo(grando, QImage::Format_ARGB32_Premultiplied);
        QImage atendita = bildo;
        bildo.fill(Qt::transparent);
        atendita.fill(Qt::transparent);
        {
            QPainter p(&bildo);
            formo.paint(&p, bildo.rect(), Qt::AlignCenter, r);
            QPainter q(&atendita);
            qt.paint(&q, atendita.rect(), Qt::AlignCenter, r);
        }
        QCOMPARE(bildo, atendita);
    }

    void ikono_sen_dosiero()
    {
        QVERIFY(QIcon(QStringLiteral(":/ikonoj/ekzercoj/ne_ekzistas.png")).isNull());
        QVERIFY(QIcon(QStringLiteral(":/ikonoj/ekzercoj/ne_ekzistas.png")).pixmap(24, 24).isNull());
        QVERIFY(!QIcon(QStringLiteral(":/ikonoj/ekzercoj/halti.png")).isNull());
        QCOMPARE(QIcon(QStringLiteral(":/ikonoj/ekzercoj/halti.png")).pixmap(70, 66).toImage(),
                 QPixmap(QStringLiteral(":/ikonoj/ekzercoj/halti.png")).toImage());
    }

    void pauzu_vivas_sen_bruli()
    {
        const double antaua = TempoSkalo;
        TempoSkalo = 1.0;
        int tikoj = 0;
        QTimer tiko;
        connect(&tiko, &QTimer::timeout, [&] { ++tikoj; });
        tiko.start(10);
        QElapsedTimer tempo;
        tempo.start();
        const std::clock_t procesoro = std::clock();
        Pauzu(0.3);
        const double uzita = double(std::clock() - procesoro) / CLOCKS_PER_SEC;
        TempoSkalo = antaua;
        QVERIFY(tempo.elapsed() >= 300);
        QVERIFY2(tikoj >= 10, "timers must run during the wait");
        QVERIFY2(uzita < 0.15, qPrintable(QString("CPU seconds: %1").arg(uzita)));
    }

    void pauzu_skalita()
    {
        QElapsedTimer tempo;
        tempo.start();
        Pauzu(2); // a thousandth in tests
        QVERIFY(tempo.elapsed() < 500);
    }

    // --- folders and addresses ---------------------------------------------
    void dosierujoj()
    {
        const QString antaua = sSistemo;
        sSistemo = QStringLiteral("linux");
        QCOMPARE(kiuSistemo(QStringLiteral("multrimedoj")), QCoreApplication::applicationDirPath() + "/");
        QVERIFY(kiuSistemo(QStringLiteral("skribebla")).endsWith(QStringLiteral("/DarudAver/")));
        QVERIFY(!kiuSistemo(QStringLiteral("skribebla")).endsWith(QStringLiteral("//")));
        sSistemo = QStringLiteral("android");
        QCOMPARE(kiuSistemo(QStringLiteral("multrimedoj")), QStringLiteral("assets:/"));
        sSistemo = QStringLiteral("osx");
        QCOMPARE(kiuSistemo(QStringLiteral("multrimedoj")), QCoreApplication::applicationDirPath() + "/../Resources/");
        sSistemo = QStringLiteral("nekonata");
        QCOMPARE(kiuSistemo(QStringLiteral("multrimedoj")), QStringLiteral("/"));
        sSistemo = antaua;
        QCOMPARE(kiuSistemo(QStringLiteral("io")), QStringLiteral("/"));
    }

    void helpo()
    {
        sLingvoID = QStringLiteral("de");
        sTradukoDosiero = QStringLiteral("germana.trd");
        const QUrl kio(helpdosiero(QStringLiteral("kio")));
        QCOMPARE(kio.scheme(), QStringLiteral("https"));
        QCOMPARE(kio.path(), QStringLiteral("/info/de/ghisdate_pri_esperanto"));
        const QUrl kiel(helpdosiero(QStringLiteral("kiel")));
        QCOMPARE(kiel.scheme(), QStringLiteral("http"));
        QCOMPARE(kiel.path(), QStringLiteral("/datumoj/kiel/kiel_germana.html"));
    }
};

LERBO_TEST_MAIN(TestoIlaro)
#include "tst_ilaro.moc"
