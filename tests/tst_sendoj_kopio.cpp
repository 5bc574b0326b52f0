#include "funkcioj.h"
#include "korekta_butono.h"
#include "testilo.h"
#include "tst_sendoj_fiksajho.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QScrollBar>

// The copy of a send page for the corrector: its text, the clipboard, the
// confirmation, and the model-answer toggle beside the copy button.
class TestoKopio : public QObject
{
    Q_OBJECT

    QFrame* kadro = nullptr;
    QTabWidget* lec = nullptr;

    template <class T>
    T* trovas(const QString& nomo) const
    {
        return testilo::trovas<T>(lec, nomo);
    }

    // Presses a copy button and returns what reached the clipboard; every
    // confirmation box is checked and closed.
    QString premas(QPushButton* butono, int* kiomKestoj = nullptr)
    {
        QApplication::clipboard()->setText(QStringLiteral("antaŭe"));
        QString mesagxo;
        QMessageBox::Icon ikono = QMessageBox::NoIcon;
        const int n = testilo::kunModalo([&] { butono->click(); },
                                         [&](QWidget* w) {
                                             if (auto* m = qobject_cast<QMessageBox*>(w)) {
                                                 mesagxo = m->text();
                                                 ikono = m->icon();
                                             }
                                             w->close();
                                         });
        if (kiomKestoj)
            *kiomKestoj = n;
        if (n > 0) {
            [&] {
                QCOMPARE(mesagxo, smTondujo);
                QCOMPARE(ikono, QMessageBox::Information);
            }();
        }
        return QApplication::clipboard()->text();
    }

private slots:
    void initTestCase() { smTondujo = QStringLiteral("La teksto estas en la tondujo."); }

    void init()
    {
        iSistemo = 0;
        lec = fiksajho::lec07(&kadro);
        kadro->resize(500, 260);
        kadro->show();
        QVERIFY(QTest::qWaitForWindowExposed(kadro));
        lec->setCurrentIndex(2);
    }

    void cleanup()
    {
        delete kadro;
        kadro = nullptr;
    }

    // The send button on a send page: the header, then every label in order
    // (texts without buddy framed by blank lines, questions with their
    // answers), the model answers and word boxes left out.
    void butono_data()
    {
        QTest::addColumn<QString>("unua");
        QTest::addColumn<QString>("dua");
        QTest::addColumn<int>("sistemo");
        QTest::addColumn<QString>("atendata");
        const QString komenco = QStringLiteral("\n\nTraduku:\n\n1. La domo estas granda.\n");
        QTest::newRow("answers, letters")
            << "La domo estas granda."
            << "Mi ŝatas\nkafon." << 0
            << "Leciono 07 - Paĝo 3\n\n" + komenco
                   + "La domo estas granda.\n\n2. Ĉu vi ŝatas kafon?\n\n\nMi ŝatas\nkafon.\n\n3. Sen respondo\n";
        QTest::newRow("empty answers") << ""
                                       << "" << 0
                                       << "Leciono 07 - Paĝo 3\n\n" + komenco
                                              + "2. Ĉu vi ŝatas kafon?\n\n\n\n\n3. Sen respondo\n";
        QTest::newRow("x-system") << "ĉe ŝi"
                                  << "aŭ ĝi" << 1
                                  << "Leciono 07 - Pagxo 3\n\n" + komenco
                                         + "cxe sxi\n\n2. Cxu vi sxatas kafon?\n\n\naux gxi\n\n3. Sen respondo\n";
        QTest::newRow("h-system") << "ĉe ŝi"
                                  << "aŭ ĝi" << 2
                                  << "Leciono 07 - Pagho 3\n\n" + komenco
                                         + "che shi\n\n2. Chu vi shatas kafon?\n\n\nau ghi\n\n3. Sen respondo\n";
    }
    void butono()
    {
        QFETCH(QString, unua);
        QFETCH(QString, dua);
        QFETCH(int, sistemo);
        QFETCH(QString, atendata);
        iSistemo = sistemo;
        trovas<QLineEdit>(QStringLiteral("lineEdit"))->setText(unua);
        trovas<QPlainTextEdit>(QStringLiteral("plainTextEdit"))->setPlainText(dua);
        int kestoj = 0;
        QCOMPARE(premas(trovas<sendujo>(QStringLiteral("frame"))->findChild<sendas_butono*>(), &kestoj), atendata);
        QCOMPARE(kestoj, 1);
    }

    // The footer command copies the page it is given with its own framing
    // and keeps the model answers and word boxes.
    void pieda_komando()
    {
        trovas<QLineEdit>(QStringLiteral("lineEdit"))->setText(QStringLiteral("La domo estas granda."));
        QApplication::clipboard()->clear();
        const int kestoj = testilo::kunModalo([&] { Sendas(lec->widget(2), 3); });
        QCOMPARE(kestoj, 1);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Leciono 07 - Paĝo 3\n\nTraduku:\n\n1. La domo estas granda.\nLa domo estas granda.\n\n"
                                "2. Ĉu vi ŝatas kafon?\n\n\n\n\nLa domo estas granda.\n\nŝipo\n\nĉevalo\n\n"
                                "3. Sen respondo\nĈu vi ŝatas kafon? Jes.\n\n"));
    }

    // A writing page that is not named as a send page copies the same way,
    // with its own page number.
    void alia_nomo()
    {
        lec->setCurrentIndex(3);
        trovas<QLineEdit>(QStringLiteral("lineEdit_3"))->setText(QStringLiteral("La tria"));
        QCOMPARE(premas(trovas<sendujo>(QStringLiteral("frame_2"))->findChild<sendas_butono*>()),
                 QStringLiteral("Leciono 07 - Paĝo 4\n\n5. Kioma horo?\nLa tria\n\n"));
    }

    // The examination copies its five pages whatever page is current, with
    // no header; fields that no label names go where they stand, when
    // something is written in them.
    void fina_ekzameno()
    {
        QFrame* k13 = nullptr;
        QTabWidget* l13 = fiksajho::lec13(&k13);
        QScopedPointer<QFrame> gardas(k13);
        auto kampo = [&](const char* nomo, const QString& t) {
            if (auto* e = l13->findChild<QLineEdit*>(QLatin1String(nomo)))
                e->setText(t);
            else
                l13->findChild<QPlainTextEdit*>(QLatin1String(nomo))->setPlainText(t);
        };
        kampo("lineEdit", QStringLiteral("noktoj"));
        kampo("lineEdit_28", QStringLiteral("Kia estas la pano?"));
        kampo("lineEdit_29", QStringLiteral("Kio estas blanka?"));
        kampo("lineEdit_59", QStringLiteral("ge-"));
        kampo("lineEdit_54", QStringLiteral("gepatroj"));
        kampo("plainTextEdit", QStringLiteral("Mi loĝas en malgranda urbo."));
        kampo("plainTextEdit_2", QStringLiteral("Dear friend:"));
        const QString atendata = QStringLiteral(
            "\n\nFina ekzameno\n\n\n\nSkribu la pluralon.\n\nnokto\nnoktoj\n\n"
            "a) La pano estas blanka.\nKia estas la pano?\n\nKio estas blanka?\n\n"
            "a) (Tiu) (Kiu) estas tiu objekto?\n"
            "both sexes together\nge-\n\ngepatroj\n\nI live in a small town.\n\n\nMi loĝas en malgranda urbo.\n\n"
            "Kara amikino:\n\n\nDear friend:\n\n");
        auto* butono = l13->findChild<sendas_butono*>(QStringLiteral("pushButton"));
        for (int aktuala : {4, 0}) {
            l13->setCurrentIndex(aktuala);
            QCOMPARE(premas(butono), atendata);
        }
        kampo("lineEdit_29", QStringLiteral("   "));
        kampo("lineEdit_54", QString());
        iSistemo = 1;
        const QString x = premas(butono);
        QVERIFY(!x.contains(QLatin1String("blanka?\n\n\n")));
        QVERIFY(!x.contains(QLatin1String("gepatroj")));
        QVERIFY(x.contains(QLatin1String("Mi logxas en malgranda urbo.")));
        QVERIFY(!x.contains(QLatin1String("Leciono")));
    }

    // Buttons and pages outside a lesson copy nothing and show no box.
    void ekster_leciono()
    {
        QWidget sola;
        auto* butono = new sendas_butono(&sola);
        auto* korektilo = new korekta_butono(&sola);
        new korekta(&sola);
        QApplication::clipboard()->setText(QStringLiteral("antaŭe"));
        int kestoj = testilo::kunModalo([&] {
            butono->click();
            korektilo->click();
            Sendas(nullptr, 1);
            Sendas(&sola, 1);
            Sendas(butono, 1);
        });
        QCOMPARE(kestoj, 0);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("antaŭe"));
    }

    // The toggle shows every model answer of its scroll area and brings the
    // first into view; pressed again it hides them all.
    void modelaj_respondoj()
    {
        const QList<korekta*> respondoj = lec->widget(2)->findChildren<korekta*>();
        QCOMPARE(respondoj.size(), 2);
        for (korekta* r : respondoj)
            QVERIFY(r->isHidden());
        auto* butono = trovas<sendujo>(QStringLiteral("frame"))->findChild<korekta_butono*>();
        QVERIFY(butono);
        auto* rulumejo = trovas<QScrollArea>(QStringLiteral("scrollArea_Sendas1_Lec07"));
        rulumejo->setWidgetResizable(false);
        rulumejo->widget()->resize(480, 900);
        QCoreApplication::processEvents();

        butono->click();
        for (korekta* r : respondoj)
            QVERIFY(!r->isHidden());
        QVERIFY(rulumejo->verticalScrollBar()->value() > 0);
        const QRect videbla = rulumejo->viewport()->rect();
        const QRect unua(respondoj.first()->mapTo(rulumejo->viewport(), QPoint(0, 0)), respondoj.first()->size());
        QVERIFY2(unua.top() >= 0 && unua.bottom() <= videbla.bottom() && videbla.intersects(unua),
                 "the first model answer is in view");

        butono->click();
        for (korekta* r : respondoj)
            QVERIFY(r->isHidden());
    }
};

LERBO_TEST_MAIN(TestoKopio)
#include "tst_sendoj_kopio.moc"
