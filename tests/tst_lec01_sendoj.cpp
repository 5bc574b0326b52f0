// Lesson 1's send page with the real send panel: what the corrector gets,
// the model answers, and the written answers kept across runs.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lec01.h"
#include "testilo.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <memory>

class TestoLec01Sendoj : public QObject
{
    Q_OBJECT

    static QTabWidget* lecionoDe(QWidget* kadro) { return kadro->findChild<QTabWidget*>(QStringLiteral("Lec01")); }

private slots:
    void init()
    {
        QFile::remove(savasLoko + QStringLiteral("darudaver.ini"));
        iSistemo = 0;
    }

    void kopioPorKorektanto()
    {
        lec01 kadro(nullptr);
        QTabWidget* lec = lecionoDe(&kadro);
        lec->setCurrentIndex(12);
        QWidget* pagho = lec->currentWidget();
        pagho->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(QStringLiteral("La teo estas varma."));
        pagho->findChild<QLineEdit*>(QStringLiteral("lineEdit_4"))
            ->setText(QStringLiteral("La novaj instruistoj ĉiam estos bonaj."));

        auto* kopiu = pagho->findChild<QAbstractButton*>(QStringLiteral("pushButton_2"));
        QVERIFY(kopiu);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(testilo::kunModalo([&] { kopiu->click(); }), 1);

        // Heading first, then each question with its own answer right under
        // it, in the order of the questions, whatever their label numbers.
        auto teksto = [&](const char* nomo) { return pagho->findChild<QLabel*>(QLatin1String(nomo))->text(); };
        const QString kopio = QGuiApplication::clipboard()->text();
        QVERIFY2(kopio.startsWith(QStringLiteral("Leciono 01 - Paĝo 13\n\n")), qPrintable(kopio));
        int pozicio = kopio.indexOf(teksto("Lec01_Label99"));
        QVERIFY(pozicio > 0);
        const char* const demandoj[] = {"Lec01_Label121", "Lec01_Label122", "Lec01_Label123", "Lec01_Label110",
                                        "Lec01_Label125", "Lec01_Label126", "Lec01_Label127", "Lec01_Label128",
                                        "Lec01_Label129", "Lec01_Label130"};
        for (const char* d : demandoj) {
            const int sekva = kopio.indexOf(teksto(d), pozicio);
            QVERIFY2(sekva > pozicio, d);
            pozicio = sekva;
        }
        QVERIFY(kopio.contains(teksto("Lec01_Label121") + QStringLiteral("\nLa teo estas varma.\n")));
        QVERIFY(
            kopio.contains(teksto("Lec01_Label110") + QStringLiteral("\nLa novaj instruistoj ĉiam estos bonaj.\n")));
        // The model answers stay out of the copy.
        QVERIFY(!kopio.contains(QLatin1String("Instruisto estas patro.")));
    }

    void modelajRespondoj()
    {
        lec01 kadro(nullptr);
        kadro.resize(900, 700);
        kadro.show();
        QTabWidget* lec = lecionoDe(&kadro);
        lec->setCurrentIndex(12);
        QWidget* pagho = lec->currentWidget();
        auto* montru = pagho->findChild<QAbstractButton*>(QStringLiteral("pushButton"));
        QVERIFY(montru);
        auto videblaj = [&] {
            int n = 0;
            for (int i = 1; i <= 10; ++i)
                n += pagho->findChild<QLabel*>(QStringLiteral("Lec01_Button9%1").arg(i, 2, 10, QLatin1Char('0')))
                         ->isVisible();
            return n;
        };
        QCOMPARE(videblaj(), 0);
        montru->click();
        QCOMPARE(videblaj(), 10);
        montru->click();
        QCOMPARE(videblaj(), 0);
    }

    void respondojRestas()
    {
        {
            lec01 kadro(nullptr);
            QTabWidget* lec = lecionoDe(&kadro);
            kadro.findChild<QLineEdit*>(QStringLiteral("lineEdit_4"))->setText(QStringLiteral("Ŝi estos bona."));
            kadro.findChild<QLineEdit*>(QStringLiteral("lineEdit_10"))
                ->setText(QStringLiteral("La knaboj estos bonaj amikoj."));
            SxargxasEk(lec, true);
        }
        IniDosiero ini(savasLoko + QStringLiteral("darudaver.ini"));
        ini.beginGroup(QStringLiteral("Lec01"));
        QStringList sxlosiloj = ini.childKeys();
        sxlosiloj.sort();
        QStringList atenditaj = {QStringLiteral("lineEdit")};
        for (int i = 2; i <= 10; ++i)
            atenditaj << QStringLiteral("lineEdit_%1").arg(i);
        atenditaj.sort();
        QCOMPARE(sxlosiloj, atenditaj);
        QCOMPARE(ini.value(QStringLiteral("lineEdit_4")).toString(), QStringLiteral("Ŝi estos bona."));

        lec01 nova(nullptr);
        SxargxasEk(lecionoDe(&nova), false);
        QCOMPARE(nova.findChild<QLineEdit*>(QStringLiteral("lineEdit_4"))->text(), QStringLiteral("Ŝi estos bona."));
        QCOMPARE(nova.findChild<QLineEdit*>(QStringLiteral("lineEdit_10"))->text(),
                 QStringLiteral("La knaboj estos bonaj amikoj."));
        QVERIFY(nova.findChild<QLineEdit*>(QStringLiteral("lineEdit"))->text().isEmpty());
    }
};

LERBO_TEST_MAIN(TestoLec01Sendoj)
#include "tst_lec01_sendoj.moc"
