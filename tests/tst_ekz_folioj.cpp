#include "ekzercfolio.h"
#include "ekznumeraloj.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "plenigas_spacon.h"
#include "testilo.h"
#include "vortelektilo.h"
#include "vortoludo.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

// The printed sheets of the printable exercises: their HTML in both text
// directions, and a print without any dialog.
class TestoFolioj : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;

    template <typename Ekzerco>
    Ekzerco* faras(const QString& nomo)
    {
        auto* e = new Ekzerco(lec99::pagxo(leciono));
        e->setObjectName(nomo);
        lec99::pagxo(leciono)->layout()->addWidget(e);
        return e;
    }
    static QString kapo(const QString& direkto, const QString& nomo)
    {
        return "<body dir=" + direkto
               + " style=\" font-family:'DejaVu Sans'; font-size:12pt; font-weight:400; font-style:normal;\">"
               + "<P><h2>Lerbo de Esperanto   -   " + nomo + "   (" + ekzercfolio::adreso() + ")" + QChar(0x200E)
               + "</h2></P>";
    }
    static QString ltr(const QString& s) { return QString(QChar(0x202A)) + s + QChar(0x202C); }

private slots:
    void initTestCase()
    {
        testilo::instalasTradukon(QStringLiteral("ekz99.trd"));
        sTradukoDosiero = QStringLiteral("ekz99.trd");
    }
    void init()
    {
        Direkto = "LTR";
        sSistemo = "linux";
        leciono = lec99::faras();
        QFont f("DejaVu Sans");
        f.setPixelSize(16); // 16 / 1.33333 gives 12 pt
        lec99::pagxo(leciono)->setFont(f);
    }
    void cleanup()
    {
        delete leciono;
        Direkto = "LTR";
        sSistemo = "linux";
    }

    void plenigas_data()
    {
        QTest::addColumn<QString>("direkto");
        QTest::newRow("LTR") << "LTR";
        QTest::newRow("RTL") << "RTL";
    }
    void plenigas()
    {
        QFETCH(QString, direkto);
        Direkto = direkto;
        auto* e = faras<plenigas_spacon>("Lec99_Ekz_Plen_9902");
        e->findChild<QLabel*>("Ekz_Plen1")->setText("Fill the gaps");
        e->findChild<QLabel*>("Ekz_Plen2")->setText("Type the missing pieces.");
        const bool rtl = direkto == "RTL";
        auto frazo = [&](const QString& s) { return rtl ? ltr(s) : s; };
        const QString atendata =
            kapo(direkto, "Lec99_Ekz_Plen_9902") + "<P><B>Fill the gaps</B></P>"
            + "<P>Type the missing pieces.</P><P>&nbsp;</P>" + "<ol>" + "<li>My cousins came to visit my parents.<br>"
            + frazo("Miaj &nbsp;____kuzoj venis viziti miajn &nbsp;____patrojn.") + "<br></li>"
            + "<li>The son loves the mother.<br>" + frazo("La fil__&nbsp; am____&nbsp; la patr________.") + "<br></li>"
            + "<li>Ne tradukita<br>" + frazo("Mi hav____&nbsp; du fratojn.") + "<br></li>"
            + "<li>We are not going home.<br>" + frazo("Ni &nbsp;____&nbsp; iras hejmen.") + "<br></li>" + "<li><br>"
            + frazo("La kato dorm____&nbsp; sur la tablo.") + "<br></li>" + "</ol>" + "<P dir=\"ltr\">Respondoj: <br>"
            + "1)&nbsp;ge,&nbsp;&nbsp;ge&nbsp;&nbsp;&nbsp; "
            + "2)&nbsp;o,&nbsp;&nbsp;as,&nbsp;&nbsp;inon&nbsp;&nbsp;&nbsp; " + "3)&nbsp;as&nbsp;&nbsp;&nbsp; "
            + "4)&nbsp;ne&nbsp;&nbsp;&nbsp; " + "5)&nbsp;as&nbsp;&nbsp;&nbsp; " + "</P></body>";
        QCOMPARE(e->folio(), atendata);
    }

    void numeraloj_data()
    {
        QTest::addColumn<QString>("direkto");
        QTest::newRow("LTR") << "LTR";
        QTest::newRow("RTL") << "RTL";
    }
    void numeraloj()
    {
        QFETCH(QString, direkto);
        Direkto = direkto;
        auto* e = faras<ekznumeraloj>("Lec03_Ekz_0301");
        e->kodo = "9906";
        e->findChild<QLabel*>("Lec03_Label11")->setText("Numbers");
        e->findChild<QLabel*>("Lec03_Label12")->setText("Write the numbers in digits.");
        const bool rtl = direkto == "RTL";
        QString eroj;
        for (const char* f : {"mil okcent kvindek sep", "nulo", "tridek tri", "mil du", "dek"}) {
            const QString linio = QString(f) + " : ____________";
            eroj += "<li>" + (rtl ? ltr(linio) : linio) + "<br></li>";
        }
        const QString atendata = kapo(direkto, "Lec03_Ekz_0301") + "<P><B>Numbers</B></P>"
                                 + "<P>Write the numbers in digits.</P>" + "<ol>" + eroj + "</ol>"
                                 + "<P dir=\"ltr\">Respondoj: <br>" + "1)&nbsp;1857&nbsp;&nbsp;&nbsp; "
                                 + "2)&nbsp;0&nbsp;&nbsp;&nbsp; " + "3)&nbsp;33&nbsp;&nbsp;&nbsp; "
                                 + "4)&nbsp;1002&nbsp;&nbsp;&nbsp; " + "5)&nbsp;10&nbsp;&nbsp;&nbsp; " + "</P></body>";
        QCOMPARE(e->folio(), atendata);
    }

    void vortoludo_data()
    {
        QTest::addColumn<QString>("direkto");
        QTest::newRow("LTR") << "LTR";
        QTest::newRow("RTL") << "RTL";
    }
    // Two items a row; the key names the letter under which the right
    // translation was printed.
    void vortoludo()
    {
        QFETCH(QString, direkto);
        Direkto = direkto;
        auto* e = faras<::vortoludo>("Lec99_Ekz_Vorto_9903");
        e->findChild<QLabel*>("Ekz_Vort1")->setText("Word choice");
        e->findChild<QLabel*>("Ekz_Vort2")->setText("Mark the right translation.");
        const bool rtl = direkto == "RTL";
        const QString html = e->folio();
        const QString komenco = kapo(direkto, "Lec99_Ekz_Vorto_9903") + "<P><B>Word choice</B></P>"
                                + "<P>Mark the right translation.</P><P>&nbsp;</P><table>";
        QVERIFY(html.startsWith(komenco));
        QVERIFY(html.contains("</table><P dir=\"LTR\">Respondoj: <br>"));
        QVERIFY(html.endsWith("</P></body>"));
        QCOMPARE(html.count("<tr>"), 3);
        QCOMPARE(html.count("</tr>"), 3);

        const QStringList vortoj = {"domo", "hundo", "kato", "kiu", "libro", QString::fromUtf8("ŝtono")};
        const QStringList gxustaj = {"house", "dog", "cat", "who", "book", "stone"};
        const QString sxlosilo = html.mid(html.indexOf("Respondoj: <br>"));
        const QString korpo = html.mid(komenco.size(), html.indexOf("</table>") - komenco.size());
        const QStringList eroj = korpo.split("<B>").mid(1);
        QVERIFY(korpo.startsWith("<tr><td><B>"));
        QCOMPARE(eroj.size(), 6);
        for (int i = 0; i < 6; ++i) {
            const QString n = QString::number(i + 1);
            const QString kapo_ = rtl ? vortoj.at(i) + " (" + n : n + ") " + vortoj.at(i);
            QVERIFY2(eroj.at(i).startsWith(kapo_ + "</B><br>"), qPrintable(eroj.at(i)));
            const QStringList linioj = eroj.at(i).split("<br>").mid(1, 5);
            QString litero;
            QSet<QString> opcioj;
            for (int j = 0; j < 5; ++j) {
                const QString l = vortelektilo::litero(j);
                QString teksto;
                if (rtl) {
                    const QString fino = QString(QChar(0x202C)) + QChar(0x202A) + "&nbsp;[&nbsp;&nbsp;]" + QChar(0x200E)
                                         + "(" + l + QChar(0x202C);
                    QVERIFY2(linioj.at(j).startsWith(QChar(0x202B)) && linioj.at(j).endsWith(fino),
                             qPrintable(linioj.at(j)));
                    teksto = linioj.at(j).mid(1, linioj.at(j).size() - 1 - fino.size());
                } else {
                    const QString komenco_ = l + ") [&nbsp;&nbsp;]&nbsp;";
                    QVERIFY2(linioj.at(j).startsWith(komenco_), qPrintable(linioj.at(j)));
                    teksto = linioj.at(j).mid(komenco_.size());
                }
                opcioj << teksto;
                if (teksto == gxustaj.at(i))
                    litero = l;
            }
            QCOMPARE(opcioj.size(), 5);
            QVERIFY(!litero.isEmpty());
            QVERIFY2(sxlosilo.contains(n + ")&nbsp;" + litero + "&nbsp;&nbsp;&nbsp; "), qPrintable(sxlosilo));
        }
    }

    // 45 items: 23 rows, the last item alone closes its row.
    void vortoludoNepara()
    {
        auto* e = faras<::vortoludo>("Lec99_Ekz_Vorto_9910");
        const QString html = e->folio();
        QCOMPARE(html.count("<tr>"), 23);
        QCOMPARE(html.count("</tr>"), 23);
        QVERIFY(html.contains("<tr><td><B>45) " + lec99::vortoj().at(44) + "</B><br>"));
        QVERIFY(html.contains(QRegularExpression("<br></td></tr></table>")));
        QVERIFY(html.contains("45)&nbsp;"));
    }

    void vortoludoTroMalmultaj()
    {
        auto* e = faras<::vortoludo>("Lec99_Ekz_Vorto_9907");
        const QString html = e->folio();
        QVERIFY(html.contains("<table></table>"));
    }

    void parentezoj()
    {
        const QString l = vortelektilo::linio(3, "book (thick)", false);
        const QString atendata = QString(QChar(0x202B)) + "book " + QChar(0x202E) + "(" + QChar(0x202C) + "thick"
                                 + QChar(0x202E) + ")" + QChar(0x202C) + QChar(0x202C) + QChar(0x202A)
                                 + "&nbsp;[&nbsp;&nbsp;]" + QChar(0x200E) + "(" + QString::fromUtf8("ĉ") + QChar(0x202C)
                                 + "<br>";
        QCOMPARE(l, atendata);
        QCOMPARE(vortelektilo::linio(3, "x", true), QString::fromUtf8("ĉ) [&nbsp;&nbsp;]&nbsp;x<br>"));
    }

    // A page font set in points has no pixel size: the sheet takes the points.
    void tiparoEnPunktoj()
    {
        QFont f("DejaVu Sans");
        f.setPointSize(14);
        lec99::pagxo(leciono)->setFont(f);
        auto* e = faras<ekznumeraloj>("Lec03_Ekz_0301");
        e->kodo = "9906";
        QVERIFY(e->folio().contains("font-size:14pt;"));
        QVERIFY(!e->folio().contains("font-size:-1"));
    }

    void presas()
    {
        auto* e = faras<plenigas_spacon>("Lec99_Ekz_Plen_9902");
        const QString dosiero = testilo::novaDosierujo("presajxoj") + "folio.pdf";
        QPrinter printilo(QPrinter::HighResolution);
        printilo.setOutputFormat(QPrinter::PdfFormat);
        printilo.setOutputFileName(dosiero);
        printilo.setDocName(e->objectName());
        ekzercfolio::presas(e->folio(), &printilo);
        QFile f(dosiero);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(4) == "%PDF");
        QVERIFY(f.size() > 1000);
    }

    // A print dialog closed without printing prints nothing and asks nothing more.
    void dialogoNuligita()
    {
        auto* e = faras<ekznumeraloj>("Lec03_Ekz_0301");
        e->kodo = "9906";
        QCOMPARE(testilo::kunModalo([&] { e->on_printilo_ps_clicked(); }), 1);
    }

    void presbutono_data()
    {
        QTest::addColumn<QString>("sistemo");
        QTest::addColumn<bool>("videbla");
        QTest::newRow("linux") << "linux" << false;
        QTest::newRow("windows") << "windows" << true;
        QTest::newRow("osx") << "osx" << true;
        QTest::newRow("Windows") << "Windows" << false;
    }
    void presbutono()
    {
        QFETCH(QString, sistemo);
        QFETCH(bool, videbla);
        sSistemo = sistemo;
        QWidget* ekzercoj[] = {faras<plenigas_spacon>("Lec99_Ekz_Plen_9902"),
                               faras<::vortoludo>("Lec99_Ekz_Vorto_9903"), faras<ekznumeraloj>("Lec03_Ekz_0301")};
        for (QWidget* e : ekzercoj)
            QCOMPARE(!e->findChild<QPushButton*>("printilo_ps")->isHidden(), videbla);
    }
};

LERBO_TEST_MAIN(TestoFolioj)
#include "tst_ekz_folioj.moc"
