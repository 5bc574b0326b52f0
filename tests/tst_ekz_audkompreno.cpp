#include "audkompreno.h"
#include "auskultilo.h"
#include "erodosieroj.h"
#include "fiksajhoj/lec99.h"
#include "funkcioj.h"
#include "testilo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestoAudkompreno : public QObject
{
    Q_OBJECT

    QTabWidget* leciono = nullptr;
    audkompreno* ekz = nullptr;
    QStringList eroj;

    QPushButton* butono(const char* nomo) { return ekz->findChild<QPushButton*>(QLatin1String(nomo)); }
    QLineEdit* kampo() { return ekz->findChild<QLineEdit*>("Edit1"); }
    QLabel* korekta() { return ekz->findChild<QLabel*>("Korekta"); }
    int valoro(const char* nomo) { return lec99::valoro(ekz, nomo); }
    QList<QLabel*> krado() { return ekz->findChild<QWidget*>("vortujo")->findChildren<QLabel*>(); }

    // What the learner hears, as the text to type.
    QString auditita()
    {
        for (const QString& e : eroj)
            if (auskultilo::klipo(e, "9905") == ekz->sono() || auskultilo::klipo(e, "9910") == ekz->sono())
                return auskultilo::estasVorto(e) ? e : lec99::vortoj().at(e.toInt() - 1);
        return QString();
    }
    void tajpas(const QString& t)
    {
        kampo()->clear();
        // Typed in the x-system, which the field turns into accented letters.
        QTest::keyClicks(kampo(), CxSist(t, 1));
        QTest::keyClick(kampo(), Qt::Key_Return);
    }
    void komencas(const QString& nomo)
    {
        ekz->setObjectName(nomo);
        _Matriz(&eroj, nomo.right(4), "D");
        lec99::klakas(butono("BitBtn8"));
    }

private slots:
    void init()
    {
        lNoteto = false;
        lSxaltilo = false;
        lCxapeligo = true;
        leciono = lec99::faras();
        ekz = new audkompreno(lec99::pagxo(leciono));
        ekz->setObjectName("Lec99_Ekz_Aud_9905");
        QVERIFY(lec99::montras(leciono, ekz, QSize(700, 700)));
    }
    void cleanup() { delete leciono; }

    void krado40()
    {
        QCOMPARE(krado().size(), 40);
        for (QLabel* l : krado())
            QCOMPARE(l->text(), QString(" "));
        QVERIFY(butono("BitBtn8")->isEnabled());
        for (const char* n : {"BitBtn9", "BitBtn10", "finita"})
            QVERIFY(!butono(n)->isEnabled());
        QVERIFY(!kampo()->isEnabled());
    }

    void erospecoj_data()
    {
        QTest::addColumn<QString>("ero");
        QTest::addColumn<bool>("vorto");
        QTest::addColumn<QString>("klipo");
        QTest::newRow("word") << QString::fromUtf8("antaŭ") << true << "sonoj/lec07/antaux.oga";
        QTest::newRow("aŭ") << QString::fromUtf8("aŭ") << true << "sonoj/lec07/auh.oga";
        QTest::newRow("number") << "12" << false << "sonoj/lec07/btn12.oga";
        QTest::newRow("zero") << "0" << true << "sonoj/lec07/0.oga";
    }
    void erospecoj()
    {
        QFETCH(QString, ero);
        QFETCH(bool, vorto);
        QFETCH(QString, klipo);
        QCOMPARE(auskultilo::estasVorto(ero), vorto);
        QCOMPARE(auskultilo::klipo(ero, "0703"), klipo);
    }

    void tutaKuro()
    {
        komencas("Lec99_Ekz_Aud_9905");
        QCOMPARE(valoro("Placar1"), 5);
        QVERIFY(!butono("BitBtn8")->isEnabled());
        for (const char* n : {"BitBtn9", "BitBtn10", "finita"})
            QVERIFY(butono(n)->isEnabled());
        QCOMPARE(butono("BitBtn9")->shortcut(), QKeySequence("Ctrl+Shift+S"));
        // Hearing the word again replays the same clip and leaves the field ready.
        const QString sono = ekz->sono();
        lec99::klakas(butono("BitBtn9"));
        QCOMPARE(ekz->sono(), sono);
        QVERIFY(kampo()->hasFocus());
        QStringList trovitaj;
        for (int i = 0; i < 4; ++i) {
            const QString v = auditita();
            QVERIFY(!v.isEmpty());
            trovitaj << v;
            tajpas(v.left(1).toUpper() + v.mid(1) + "."); // "Antaŭ." is right for antaŭ
            QCOMPARE(valoro("Placar2"), i + 1);
            QCOMPARE(valoro("Placar1"), 4 - i);
            QCOMPARE(krado().at(i)->text(), v);
            QVERIFY(kampo()->text().isEmpty());
        }
        const QString lasta = auditita();
        QCOMPARE(testilo::kunModalo([&] { tajpas(lasta); }), 1);
        trovitaj << lasta;
        QCOMPARE(krado().at(4)->text(), lasta);
        QCOMPARE(krado().at(5)->text(), QString(" "));
        QVERIFY(trovitaj.contains(QString::fromUtf8("seĝo"))); // item "7", the label's text
        QCOMPARE(valoro("Placar1"), 0);
        QCOMPARE(valoro("Placar2"), 5);
        QCOMPARE(valoro("Placar4"), 100);
        QVERIFY(butono("BitBtn8")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(!butono("finita")->isEnabled());
    }

    // A wrong answer blinks the expected word, lower case, with every
    // control disabled; the remaining count stays.
    void malgxusta()
    {
        komencas("Lec99_Ekz_Aud_9905");
        const QString v = auditita();
        bool malsxaltitaj = false;
        QString montrata;
        lec99::Dume dume([&] {
            malsxaltitaj = !kampo()->isEnabled() && !butono("finita")->isEnabled() && !butono("BitBtn9")->isEnabled()
                           && !butono("BitBtn10")->isEnabled();
            montrata = korekta()->text();
        });
        tajpas("xyz");
        QVERIFY(dume.farita());
        QVERIFY(malsxaltitaj);
        QCOMPARE(montrata, v.toLower());
        QCOMPARE(valoro("Placar3"), 1);
        QCOMPARE(valoro("Placar1"), 5);
        QCOMPARE(valoro("Placar4"), 0);
        QCOMPARE(korekta()->text(), QString());
        QVERIFY(kampo()->isEnabled());
        QVERIFY(butono("finita")->isEnabled());
        QCOMPARE(krado().at(0)->text(), QString(" "));
        // Enter in an empty field does nothing.
        QTest::keyClick(kampo(), Qt::Key_Return);
        QCOMPARE(valoro("Placar3"), 1);
        QTest::keyClicks(kampo(), CxSist(auditita(), 1));
        lec99::klakas(butono("finita"));
        QCOMPARE(valoro("Placar2"), 1);
        QCOMPARE(valoro("Placar4"), 50);
    }

    void haltoKajRekomenco()
    {
        komencas("Lec99_Ekz_Aud_9905");
        tajpas(auditita());
        tajpas("xyz");
        QTest::keyClicks(kampo(), "abc");
        lec99::klakas(butono("BitBtn10"));
        QVERIFY(butono("BitBtn8")->isEnabled());
        QVERIFY(!kampo()->isEnabled());
        QVERIFY(kampo()->text().isEmpty());
        QCOMPARE(valoro("Placar2"), 1);
        QVERIFY(krado().at(0)->text() != " "); // the grid keeps its words until the next start
        lec99::klakas(butono("BitBtn8"));
        QCOMPARE(valoro("Placar1"), 5);
        QCOMPARE(valoro("Placar2"), 0);
        QCOMPARE(valoro("Placar3"), 0);
        QCOMPARE(valoro("Placar4"), 0);
        QCOMPARE(krado().at(0)->text(), QString(" "));
        int demandoj = 0;
        while (butono("BitBtn10")->isEnabled() && demandoj < 10) {
            ++demandoj;
            const QString v = auditita();
            testilo::kunModalo([&] { tajpas(v); });
        }
        QCOMPARE(demandoj, 5);
    }

    // 45 items: the run ends after 40 right answers, all cells filled.
    void limo()
    {
        komencas("Lec99_Ekz_Aud_9910");
        QCOMPARE(valoro("Placar1"), 40);
        int demandoj = 0;
        int modaloj = 0;
        while (butono("BitBtn10")->isEnabled() && demandoj < 50) {
            ++demandoj;
            const QString v = auditita();
            modaloj += testilo::kunModalo([&] { tajpas(v); });
        }
        QCOMPARE(demandoj, 40);
        QCOMPARE(modaloj, 1);
        for (QLabel* l : krado())
            QVERIFY(l->text() != " ");
    }
};

LERBO_TEST_MAIN(TestoAudkompreno)
#include "tst_ekz_audkompreno.moc"
