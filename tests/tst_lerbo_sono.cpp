#include "tst_lerbo_komuna.h"

#include <QApplication>
#include <QLabel>
#include <QMediaContent>
#include <QMediaPlayer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

using namespace lerbotesto;

// Sounds, spoken feedback and the verdict, checked as the clips handed to the
// main window's player.
class TestoSono : public QObject
{
    Q_OBJECT

    std::unique_ptr<lerbo> w;

    // The clip last given to the player, relative to the media folder.
    QString klipo() const
    {
        const QString vojo = w->sonludilo()->media().request().url().toLocalFile();
        return vojo.startsWith(mrLoko) ? vojo.mid(mrLoko.size()) : vojo;
    }

    static void klipoj(const QStringList& nomoj)
    {
        for (const QString& nomo : nomoj)
            testilo::skribas(mrLoko + QStringLiteral("sonoj/") + nomo, "OggS");
    }

private slots:
    void initTestCase()
    {
        purigas();
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        klipoj({"noteto_jes.oga", "noteto_ne.oga", "jes1.oga", "jes2.oga", "trebone1.oga", "bonege1.oga", "prave1.oga",
                "trafe1.oga", "korekte1.oga", "ne1.oga", "ne2.oga", "ghis1.oga", "revido1.oga", "baldau1.oga",
                "adiau1.oga", "nenio.oga"});
        for (int n = 1; n <= 8; ++n)
            klipoj({QStringLiteral("gratulo%1.oga").arg(n), QStringLiteral("nebona%1.oga").arg(n)});
        w = kreas();
        QVERIFY(montras(w.get()));
    }
    void init()
    {
        w->sonludilo()->stop();
        w->sonludilo()->setMedia(QMediaContent());
        lSxaltilo = true;
        lNoteto = true;
        QVERIFY(montras(w.get()));
    }
    void cleanupTestCase()
    {
        w->hide();
        w.reset();
    }

    void mp3()
    {
        ::mp3(QStringLiteral("sonoj/Nenio.oga"));
        QCOMPARE(klipo(), QStringLiteral("sonoj/nenio.oga")); // the name lower-cased, not the folder
    }

    void nurLaFenestroParolas()
    {
        QString dumKesto;
        QMessageBox kesto(QMessageBox::Information, QString(), QStringLiteral("?"), QMessageBox::Ok, w.get());
        testilo::kunModalo([&] { kesto.exec(); },
                           [&](QWidget* modalo) {
                               if (modalo != &kesto || QApplication::activeWindow() != &kesto)
                                   return; // asked again until the box has the focus
                               ::mp3(QStringLiteral("sonoj/jes1.oga"));
                               dumKesto = klipo();
                               kesto.close();
                           });
        QCOMPARE(dumKesto, QString());
        QVERIFY(montras(w.get()));
        ::mp3(QStringLiteral("sonoj/jes1.oga"));
        QCOMPARE(klipo(), QStringLiteral("sonoj/jes1.oga"));
    }

    void noteto()
    {
        Noteto(true);
        QCOMPARE(klipo(), QStringLiteral("sonoj/noteto_jes.oga"));
        Noteto(false);
        QCOMPARE(klipo(), QStringLiteral("sonoj/noteto_ne.oga"));
        w->sonludilo()->setMedia(QMediaContent());
        lNoteto = false;
        Noteto(true);
        QCOMPARE(klipo(), QString());
    }

    // Two praises in a row are never the same word, and the first of a run is never "jes".
    void jesNeRipetas()
    {
        lNoteto = false;
        iLastaFojo = 0;
        QString antaua;
        QSet<QString> auditaj;
        for (int i = 0; i < 120; ++i) {
            Jes();
            QString vorto = klipo().mid(6);
            vorto.remove(QRegularExpression(QStringLiteral("\\d\\.oga$")));
            if (i == 0)
                QVERIFY(vorto != QLatin1String("jes"));
            QVERIFY2(vorto != antaua, qPrintable(vorto));
            antaua = vorto;
            auditaj.insert(vorto);
        }
        QCOMPARE(auditaj.size(), 6);
    }

    void jesKajNeKunNotoj()
    {
        lSxaltilo = false;
        Jes();
        QCOMPARE(klipo(), QStringLiteral("sonoj/noteto_jes.oga"));
        Ne();
        QCOMPARE(klipo(), QStringLiteral("sonoj/noteto_ne.oga"));
        lSxaltilo = true;
        lNoteto = false;
        Ne();
        QVERIFY(klipo() == QLatin1String("sonoj/ne1.oga") || klipo() == QLatin1String("sonoj/ne2.oga"));
    }

    void adiau()
    {
        Adiau();
        QVERIFY(QStringList({"sonoj/ghis1.oga", "sonoj/revido1.oga", "sonoj/baldau1.oga", "sonoj/adiau1.oga"})
                    .contains(klipo()));
        w->sonludilo()->setMedia(QMediaContent());
        lSxaltilo = false;
        Adiau();
        QCOMPARE(klipo(), QString());
    }

    void mesagxo_data()
    {
        QTest::addColumn<int>("malgxustaj");
        QTest::addColumn<int>("gxustaj");
        QTest::addColumn<bool>("parolo");
        QTest::addColumn<bool>("trapasis");
        QTest::addColumn<QString>("klipRadiko");
        QTest::newRow("70 % passes") << 3 << 7 << true << true << "sonoj/gratulo";
        QTest::newRow("60 % fails") << 4 << 6 << true << false << "sonoj/nebona";
        QTest::newRow("66 % fails") << 1 << 2 << true << false << "sonoj/nebona";
        QTest::newRow("all right") << 0 << 5 << true << true << "sonoj/gratulo";
        QTest::newRow("notes only, pass") << 3 << 7 << false << true << "sonoj/noteto_jes.oga";
        QTest::newRow("notes only, fail") << 1 << 2 << false << false << "sonoj/noteto_ne.oga";
    }
    void mesagxo()
    {
        QFETCH(int, malgxustaj);
        QFETCH(int, gxustaj);
        QFETCH(bool, parolo);
        QFETCH(bool, trapasis);
        QFETCH(QString, klipRadiko);
        lSxaltilo = parolo;
        smGratulon = QStringLiteral("Gratulon!");
        smDenove = QStringLiteral("Denove!");
        QString teksto;
        QMessageBox::Icon ikono = QMessageBox::NoIcon;
        QString dumKesto;
        testilo::kunModalo([&] { Mesagxo(malgxustaj, gxustaj); },
                           [&](QWidget* modalo) {
                               auto* kesto = qobject_cast<QMessageBox*>(modalo);
                               if (!kesto)
                                   return;
                               teksto = kesto->text();
                               ikono = kesto->icon();
                               dumKesto = klipo();
                               kesto->close();
                           });
        QCOMPARE(teksto, trapasis ? smGratulon : smDenove);
        QCOMPARE(ikono, QMessageBox::Information);
        QVERIFY2(dumKesto.startsWith(klipRadiko), qPrintable(dumKesto));
        if (parolo)
            QVERIFY(
                QRegularExpression(QStringLiteral("^sonoj/(gratulo|nebona)[1-8]\\.oga$")).match(dumKesto).hasMatch());
    }

    void blinko_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::newRow("label") << false;
        QTest::newRow("radio button") << true;
    }
    void blinko()
    {
        QFETCH(bool, radio);
        QWidget* celo = radio ? static_cast<QWidget*>(new QRadioButton(QStringLiteral("ĉu"), w.get()))
                              : static_cast<QWidget*>(new QLabel(QStringLiteral("ĉu"), w.get()));
        QFont f = celo->font();
        f.setPointSize(14);
        celo->setFont(f);
        celo->setStyleSheet(QStringLiteral("margin: 1px;"));
        const double skalo = TempoSkalo;
        // Phases of 100 ms, 750 ms in all: long enough that a machine busy
        // with other work still lets the second phase come.
        TempoSkalo = 0.25;
        // Every style the blink sets, seen as it is set rather than sampled.
        struct Gvato : QObject
        {
            QStringList vidataj;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (e->type() == QEvent::StyleChange) {
                    const QString stilo = static_cast<QWidget*>(o)->styleSheet();
                    if (!vidataj.contains(stilo))
                        vidataj.append(stilo);
                }
                return false;
            }
        } gvato;
        celo->installEventFilter(&gvato);
        tekstoblinko(celo);
        celo->removeEventFilter(&gvato);
        const QStringList& vidataj = gvato.vidataj;
        TempoSkalo = skalo;
        QCOMPARE(celo->styleSheet(), QStringLiteral("margin: 1px;"));
        if (radio) {
            QVERIFY(vidataj.contains(QStringLiteral("background: white;")));
            QVERIFY(vidataj.contains(QStringLiteral("background: lightBlue;")));
        } else {
            const QString fino = QStringLiteral("font-size: 14pt; font-family: ") + f.family();
            QVERIFY(vidataj.contains(QStringLiteral("font-weight: bold; color: red; ") + fino));
            QVERIFY(vidataj.contains(QStringLiteral("font-weight: bold; color: white; ") + fino));
        }
        delete celo;
    }
};

LERBO_TEST_MAIN(TestoSono)
#include "tst_lerbo_sono.moc"
