// Lesson 2 worked through as a learner works through it, opened from the
// main window's home page and turned with its navigation arrows: the
// accusative and gap-filling exercises run on the lesson's own items to their
// verdicts with the right answers, showing the English sentence
// translations, the word-choice exercise finds a meaning for every word it
// asks, the listening exercise plays every word of its list from the
// lesson's sound folder, and the music page's video player asks for the
// lesson's video.
#include "audkompreno.h"
#include "auskultilo.h"
#include "tst_lerbo_komuna.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <memory>

class TestoLec02Kuro : public QObject
{
    Q_OBJECT

    std::unique_ptr<lerbo> fenestro;
    QTabWidget* lec = nullptr;
    QStringList angle; // [Ekzerco-0204] of the English file

    QFrame* ekzerco(const char* nomo) { return lec->findChild<QFrame*>(QLatin1String(nomo)); }
    static QPushButton* butono(QWidget* ekz, const char* nomo)
    {
        return ekz->findChild<QPushButton*>(QLatin1String(nomo));
    }
    static int valoro(QWidget* ekz, const char* nomo)
    {
        return ekz->findChild<QSpinBox*>(QLatin1String(nomo))->value();
    }

    // The navigation arrow turns the pages; each page change reaches the main window.
    void turnas(int indekso)
    {
        // Headless there is no window manager to give the focus back after a
        // verdict box; the learner would click into the window.
        QVERIFY(lerbotesto::montras(fenestro.get()));
        auto* dekstren = lerbotesto::el<QAbstractButton>(fenestro.get(), "dekstren");
        while (lec->currentIndex() < indekso)
            QTest::mouseClick(dekstren, Qt::LeftButton);
        while (lec->currentIndex() > indekso)
            QTest::mouseClick(lerbotesto::el<QAbstractButton>(fenestro.get(), "maldekstren"), Qt::LeftButton);
        QCOMPARE(LastaPagxo, indekso);
    }

private slots:
    void initTestCase()
    {
        lerbotesto::purigas();
        lerbotesto::lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
        fenestro = lerbotesto::kreas();
        QVERIFY(fenestro);
        QVERIFY(lerbotesto::montras(fenestro.get()));
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        lNoteto = false;
        lSxaltilo = false;

        IniDosiero trd(QStringLiteral(":/tradukoj/angla.trd"));
        trd.beginGroup(QStringLiteral("Ekzerco-0204"));
        for (int i = 0; i < 28; ++i)
            angle << trd.value(QString::number(i)).toString();
        QVERIFY(!angle.contains(QString()));

        // Opening lesson 2 from the home page names the translations the
        // accusative exercise shows and builds the lesson.
        QVERIFY(EkzercoAkuzativoTrad.isEmpty());
        QTest::mouseClick(lerbotesto::el<QPushButton>(fenestro.get(), "Leciono2"), Qt::LeftButton);
        QCOMPARE(EkzercoAkuzativoTrad, QStringLiteral("0204"));
        lec = lerbotesto::el<QWidget>(fenestro.get(), "Pagho02")->findChild<QTabWidget*>(QStringLiteral("Lec02"));
        QVERIFY(lec);
        QVERIFY(lec->isVisible());
        QCOMPARE(lec->currentIndex(), 0);
        smGratulon = QStringLiteral("GRATULON");
        smDenove = QStringLiteral("DENOVE");
    }

    void video()
    {
        turnas(3);
        QCOMPARE(lec->currentWidget()->objectName(), QStringLiteral("tab_16"));
        QWidget* ludilo = lec->currentWidget()->findChild<QWidget*>(QStringLiteral("videoludilo"));
        QVERIFY(ludilo && ludilo->isVisible());
        auto* medio = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("video/lec02/ziv_video.ogv")));
        // The heading stands under the video.
        QVERIFY(lec->currentWidget()->findChild<QWidget*>(QStringLiteral("Lec02_Label50"))->y()
                >= ludilo->geometry().bottom());
    }

    void akuzativo()
    {
        turnas(9);
        QFrame* ekz = ekzerco("Lec02_Ekz_Akuz_0202");
        QVERIFY(ekz && ekz->isVisible());
        QList<QStringList> d, r;
        _Matriz2(&d, QStringLiteral("0202"), QStringLiteral("D"), 11);
        _Matriz2(&r, QStringLiteral("0202"), QStringLiteral("R"), 11);
        auto vorto = [&](int k) { return ekz->findChild<QLabel*>(QStringLiteral("label_%1").arg(164 + k)); };

        butono(ekz, "BitBtn1")->click();
        QCOMPARE(valoro(ekz, "Placar1"), 28);
        QSet<int> viditaj;
        QStringList verdikto;
        for (int demando = 0; demando < 28; ++demando) {
            QStringList montrataj;
            for (int k = 0; k < 10; ++k)
                montrataj << (vorto(k)->isHidden() ? QString() : vorto(k)->text());
            int i = -1;
            for (int j = 0; j < d.size() && i < 0; ++j)
                if (d.at(j).mid(0, 10) == montrataj && !viditaj.contains(j))
                    i = j;
            QVERIFY2(i >= 0, qPrintable(montrataj.join(QLatin1Char(' '))));
            viditaj << i;
            // The sentence's English translation, from the group the lesson named.
            QCOMPARE(ekz->findChild<QLabel*>(QStringLiteral("Traduko1"))->text(), angle.at(i));
            for (int k = 0; k < 10; ++k)
                if (r.at(i).at(k) == QLatin1String("1")) {
                    QTest::mouseClick(vorto(k), Qt::LeftButton);
                    QCOMPARE(vorto(k)->text(), d.at(i).at(k) + QLatin1Char('n'));
                    // The explanation of an object praises the learner.
                    QVERIFY(!ekz->findChild<QLabel*>(QStringLiteral("Klarigo"))->text().isEmpty());
                }
            verdikto = lerbotesto::kunKestoj([&] { butono(ekz, "BitBtn2")->click(); });
            QCOMPARE(valoro(ekz, "Placar2"), demando + 1);
            QCOMPARE(verdikto.isEmpty(), demando < 27);
        }
        QCOMPARE(verdikto, QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(valoro(ekz, "Placar1"), 0);
        QCOMPARE(valoro(ekz, "Placar3"), 0);
        QCOMPARE(valoro(ekz, "Placar4"), 100);
        QVERIFY(butono(ekz, "BitBtn1")->isEnabled());
    }

    void plenigas()
    {
        turnas(10);
        QFrame* ekz = ekzerco("Lec02_Ekz_Plen_0204");
        QVERIFY(ekz && ekz->isVisible());
        QList<QStringList> d, r;
        _Matriz2(&d, QStringLiteral("0204"), QStringLiteral("D"), 6);
        _Matriz2(&r, QStringLiteral("0204"), QStringLiteral("R"), 6);

        butono(ekz, "BitBtn4")->click();
        QCOMPARE(valoro(ekz, "Placar25"), 28);
        QSet<int> viditaj;
        QStringList verdikto;
        for (int demando = 0; demando < 28; ++demando) {
            QStringList partoj;
            for (int j = 1; j <= 6; ++j)
                partoj << ekz->findChild<QLabel*>(QStringLiteral("Vorto%1").arg(j))->text();
            int i = -1;
            for (int j = 0; j < d.size() && i < 0; ++j)
                if (d.at(j).mid(0, 6) == partoj && !viditaj.contains(j))
                    i = j;
            QVERIFY2(i >= 0, qPrintable(partoj.join(QLatin1Char('|'))));
            viditaj << i;
            QCOMPARE(ekz->findChild<QLabel*>(QStringLiteral("Traduko"))->text(), angle.at(i));
            for (int j = 1; j <= 5; ++j) {
                auto* kampo = ekz->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(j));
                QCOMPARE(kampo->isHidden(), r.at(i).at(j - 1).isEmpty());
                if (!kampo->isHidden())
                    QTest::keyClicks(kampo, r.at(i).at(j - 1));
            }
            verdikto = lerbotesto::kunKestoj([&] { butono(ekz, "BitBtn6")->click(); });
            QCOMPARE(valoro(ekz, "Placar26"), demando + 1);
            QCOMPARE(verdikto.isEmpty(), demando < 27);
        }
        QCOMPARE(verdikto, QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(valoro(ekz, "Placar25"), 0);
        QCOMPARE(valoro(ekz, "Placar27"), 0);
        QCOMPARE(valoro(ekz, "Placar28"), 100);
        QVERIFY(butono(ekz, "BitBtn4")->isEnabled());
    }

    void vortoludo()
    {
        // Every word of the word-choice items is offered with the meaning
        // its row on the lesson's pages gives it.
        turnas(8);
        QFrame* ekz = ekzerco("Lec02_Ekz_Vorto_0203");
        QVERIFY(ekz && ekz->isVisible());
        QStringList d, r;
        _Matriz(&d, QStringLiteral("0203"), QStringLiteral("D"));
        _Matriz(&r, QStringLiteral("0203"), QStringLiteral("R"));
        QHash<QString, QString> signifoj;
        for (int i = 0; i < d.size(); ++i)
            signifoj.insert(lec->findChild<QLabel*>(QStringLiteral("Lec02_Button") + d.at(i))->text(),
                            lec->findChild<QLabel*>(QStringLiteral("Lec02_Label") + r.at(i))->text());

        butono(ekz, "BitBtn18")->click();
        const int kiom = valoro(ekz, "Placar1");
        QCOMPARE(kiom, limigo(42));
        QStringList verdikto;
        for (int demando = 0; demando < kiom; ++demando) {
            const QString vorto = ekz->findChild<QLabel*>(QStringLiteral("Vorto"))->text();
            QVERIFY2(signifoj.contains(vorto), qPrintable(vorto));
            int p = -1;
            for (int j = 0; j < 5; ++j)
                if (ekz->findChild<QLabel*>(QStringLiteral("teksto%1").arg(j))->text() == signifoj.value(vorto))
                    p = j;
            QVERIFY2(p >= 0, qPrintable(vorto));
            verdikto = lerbotesto::kunKestoj(
                [&] { QTest::mouseClick(ekz->findChild<QWidget*>(QStringLiteral("frazo%1").arg(p)), Qt::LeftButton); });
            QCOMPARE(valoro(ekz, "Placar2"), demando + 1);
        }
        QCOMPARE(verdikto, QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(valoro(ekz, "Placar4"), 100);
    }

    void auskultado()
    {
        // Each word of the list is played from the lesson's sound folder
        // under its own name, and typing it is right.
        turnas(7);
        auto* ekz = lec->findChild<audkompreno*>(QStringLiteral("Lec02_Ekz_Aud_0201"));
        QVERIFY(ekz && ekz->isVisible());
        QStringList eroj;
        _Matriz(&eroj, QStringLiteral("0201"), QStringLiteral("D"));
        QHash<QString, QString> klipoj;
        for (const QString& e : qAsConst(eroj)) {
            QVERIFY(auskultilo::estasVorto(e));
            klipoj.insert(auskultilo::klipo(e, QStringLiteral("0201")), e);
        }
        QVERIFY(klipoj.keys().first().startsWith(QLatin1String("sonoj/lec02/")));

        butono(ekz, "BitBtn8")->click();
        const int kiom = valoro(ekz, "Placar1");
        QCOMPARE(kiom, limigo(40));
        auto* kampo = ekz->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        QStringList verdikto;
        for (int demando = 0; demando < kiom; ++demando) {
            const QString vorto = klipoj.value(ekz->sono());
            QVERIFY2(!vorto.isEmpty(), qPrintable(ekz->sono()));
            verdikto = lerbotesto::kunKestoj([&] {
                kampo->clear();
                QTest::keyClicks(kampo, vorto);
                QTest::keyClick(kampo, Qt::Key_Return);
            });
            QCOMPARE(valoro(ekz, "Placar2"), demando + 1);
        }
        QCOMPARE(verdikto, QStringList{QStringLiteral("GRATULON")});
        QCOMPARE(valoro(ekz, "Placar4"), 100);
    }
};

LERBO_TEST_MAIN(TestoLec02Kuro)
#include "tst_lec02_kuro.moc"
