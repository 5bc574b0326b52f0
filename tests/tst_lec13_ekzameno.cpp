// What only lesson 13 has: one press of its send button copies the whole
// examination, its five pages, with every answer written on them, whether a
// question names its field or not, and with no heading line; the copy is the
// same from whatever page it is made.
#include "funkcioj.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <memory>

using lecionaj_datumoj::Sendo;

namespace {

const Sendo& ekzameno()
{
    for (const lecionaj_datumoj::Leciono& l : lecionaj_datumoj::lecionoj())
        if (l.numero == 13)
            return l.sendoj.first();
    QTest::qFail("lesson 13 has no row in lecionaj_datumoj", __FILE__, __LINE__);
    static const Sendo neniu{};
    return neniu;
}

} // namespace

class TestoLec13Ekzameno : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    // Presses the send button from page `pagho` and returns the copy.
    QString kopias(int pagho)
    {
        lec->setCurrentIndex(pagho);
        QAbstractButton* butono = lecionilo::kopiilo(lec->findChild<QWidget*>(ekzameno().panelo));
        QGuiApplication::clipboard()->clear();
        const int kestoj = testilo::kunModalo([&] { butono->click(); });
        if (kestoj != 1)
            QTest::qFail(qPrintable(QStringLiteral("the copy was confirmed by %1 boxes, not by one").arg(kestoj)),
                         __FILE__, __LINE__);
        return QGuiApplication::clipboard()->text();
    }

private slots:
    void init()
    {
        iSistemo = 0;
        leciono.reset(KreasLecionon(13, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 13);
        QVERIFY(lec);
    }
    void cleanup() { leciono.reset(); }

    void kampoj()
    {
        // The row names every answer field of the five pages.
        QStringList kampoj;
        const auto cxiuj = lec->findChildren<QWidget*>();
        for (QWidget* w : cxiuj)
            if (w->inherits("QLineEdit") || w->inherits("QPlainTextEdit"))
                kampoj << w->objectName();
        QCOMPARE(kampoj.size(), 65);
        const QString diferenco = lecionilo::diferencoj(kampoj, ekzameno().kampoj());
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
    }

    void respondo_data()
    {
        QTest::addColumn<QString>("kampo");
        QTest::addColumn<QString>("demando");
        QTest::addColumn<QString>("antaua");
        const Sendo& s = ekzameno();
        for (const lecionaj_datumoj::Demando& d : s.demandoj)
            QTest::newRow(qPrintable(d.kampo)) << d.kampo << d.demando << QString();
        // A second question stands under the first, an example word beside its affix.
        for (const lecionaj_datumoj::Demando& d : s.aliajKampoj) {
            const int n = d.kampo.mid(9).toInt();
            const QString antaua = QStringLiteral("lineEdit_%1").arg(n < 54 ? n - 1 : n + 5);
            QTest::newRow(qPrintable(d.kampo)) << d.kampo << QString() << antaua;
        }
    }
    void respondo()
    {
        // Whatever field holds it, an answer reaches the copy: under its
        // question, or under the answer it goes with.
        QFETCH(QString, kampo);
        QFETCH(QString, demando);
        QFETCH(QString, antaua);
        const QString teksto = QStringLiteral("respondo en ") + kampo;
        auto* w = lec->findChild<QWidget*>(kampo);
        QVERIFY(w);
        testilo::tajpas(w, teksto);
        QString atendata = teksto;
        if (!demando.isEmpty()) {
            auto* e = lec->findChild<QLabel*>(demando);
            QCOMPARE(e->buddy(), w);
            atendata = e->text().trimmed()
                       + (w->inherits("QPlainTextEdit") ? QStringLiteral("\n\n\n") : QStringLiteral("\n")) + teksto;
        } else {
            testilo::tajpas(lec->findChild<QWidget*>(antaua), QStringLiteral("unua"));
            atendata = QStringLiteral("unua\n\n") + teksto;
        }
        const QString kopio = kopias(4);
        QVERIFY2(kopio.contains(atendata + QLatin1Char('\n')), qPrintable(kopio.right(400)));
        QVERIFY(!kopio.contains(QLatin1String("Leciono ")));
    }

    void sameElCxiuPagho()
    {
        // With answers on every page, the copy is the same from each of the
        // five, starts with the examination's heading and has no heading line.
        const Sendo& s = ekzameno();
        for (const lecionaj_datumoj::Demando& d : s.demandoj + s.aliajKampoj)
            testilo::tajpas(lec->findChild<QWidget*>(d.kampo), d.modelaTeksto);
        const QString kopio = kopias(4);
        QVERIFY(kopio.startsWith(QStringLiteral("\n\n") + lec->findChild<QLabel*>(s.kapo)->text()
                                 + QStringLiteral("\n\n")));
        for (int pagho = 0; pagho < 4; ++pagho)
            QCOMPARE(kopias(pagho), kopio);
        for (const lecionaj_datumoj::Demando& d : s.demandoj + s.aliajKampoj)
            QVERIFY2(kopio.contains(d.modelaTeksto), qPrintable(d.kampo));
    }

    void malplena()
    {
        // With nothing written the copy still holds every question and
        // instruction: the 68 texts of the five pages.
        const QString kopio = kopias(2);
        int tekstoj = 0;
        const auto etikedoj = lec->findChildren<QLabel*>();
        for (QLabel* e : etikedoj) {
            QVERIFY2(kopio.contains(e->text().trimmed()), qPrintable(e->objectName()));
            ++tekstoj;
        }
        QCOMPARE(tekstoj, 68);
        // An empty one-line answer adds nothing under its word; an empty
        // translation still stands apart.
        QVERIFY(kopio.contains(QStringLiteral("nokto\ndomo\n")));
        QVERIFY(kopio.contains(lec->findChild<QLabel*>(QStringLiteral("label_104"))->text().trimmed()
                               + QStringLiteral("\n\n\n\n\n")));
    }
};

LERBO_TEST_MAIN(TestoLec13Ekzameno)
#include "tst_lec13_ekzameno.moc"
