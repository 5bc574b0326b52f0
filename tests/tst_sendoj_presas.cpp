#include "funkcioj.h"
#include "testilo.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QTabWidget>
#include <QVBoxLayout>

// Printing a lesson's exercise pages, two to a sheet, onto a PDF printer.
class TestoPresas : public QObject
{
    Q_OBJECT

    static QTabWidget* leciono(const QString& nomo, const QStringList& paghoj)
    {
        auto* t = new QTabWidget();
        t->setObjectName(nomo);
        for (const QString& p : paghoj) {
            auto* pagho = new QWidget();
            pagho->setObjectName(p);
            auto* v = new QVBoxLayout(pagho);
            v->addWidget(new QLabel(p, pagho));
            t->addTab(pagho, p);
        }
        t->resize(600, 400);
        return t;
    }

    static int folioj(const QString& pdf)
    {
        QFile f(pdf);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray enhavo = f.readAll();
        return enhavo.count("/Type /Page") - enhavo.count("/Type /Pages");
    }

private slots:
    void initTestCase()
    {
        // No print server runs here; a socket that is not there makes the
        // printer set-up give up at once instead of waiting on the network.
        qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    }

    // Every second exercise page starts a new sheet, but only when another
    // exercise page is still to come: no empty sheet at the end.
    void folioj_data()
    {
        QTest::addColumn<QStringList>("paghoj");
        QTest::addColumn<int>("atendataj");
        QTest::newRow("three exercise pages")
            << QStringList{"tab", "Ekzerco1_Lec07", "Ekzerco2_Lec07", "Ekzerco3_Lec07"} << 2;
        QTest::newRow("two, then other pages")
            << QStringList{"tab", "Ekzerco1_Lec07", "Ekzerco2_Lec07", "tab_4", "Sendas1_Lec07"} << 1;
        QTest::newRow("four with pages between")
            << QStringList{"Ekzerco1_Lec07", "tab",  "Ekzerco2_Lec07", "Sendas1_Lec07", "Ekzerco3_Lec07",
                           "Ekzerco4_Lec07", "tab_9"}
            << 2;
        QTest::newRow("one") << QStringList{"Ekzerco1_Lec07"} << 1;
        QTest::newRow("none: the title alone") << QStringList{"tab", "Sendas1_Lec07"} << 1;
        QTest::newRow("named like an exercise only later") << QStringList{"tabEkzerco", "ekzerco1"} << 1;
    }
    void folioj()
    {
        QFETCH(QStringList, paghoj);
        QFETCH(int, atendataj);
        QScopedPointer<QTabWidget> t(leciono(QStringLiteral("Lec07"), paghoj));
        t->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.data()));
        t->setCurrentIndex(paghoj.size() - 1);
        QProgressBar progreso;
        progreso.hide();
        const QString pdf = savasLoko + QStringLiteral("presajho.pdf");
        QFile::remove(pdf);
        {
            // The sheet arithmetic is the same at any resolution; the screen's
            // keeps the drawing of the pages quick.
            QPrinter presilo(QPrinter::ScreenResolution);
            presilo.setOutputFormat(QPrinter::PdfFormat);
            presilo.setOutputFileName(pdf);
            PresasEkzercojn(&presilo, t.data(), QStringLiteral("Leciono 07"), &progreso);
            QCOMPARE(presilo.docName(), QStringLiteral("Leciono 07"));
        }
        QCOMPARE(folioj(pdf), atendataj);
        QCOMPARE(t->currentIndex(), paghoj.size() - 1);
        QVERIFY(progreso.isHidden());
        QCOMPARE(progreso.maximum(), paghoj.size() + 1);
    }

    // The examination prints under its own name.
    void fina_ekzameno()
    {
        QScopedPointer<QTabWidget> t(leciono(QStringLiteral("Lec13"), {"tab", "tab_2", "Sendas5_Lec13"}));
        t->show();
        const QString pdf = savasLoko + QStringLiteral("ekzameno.pdf");
        QPrinter presilo(QPrinter::HighResolution);
        presilo.setOutputFormat(QPrinter::PdfFormat);
        presilo.setOutputFileName(pdf);
        PresasEkzercojn(&presilo, t.data(), QStringLiteral("Leciono 13"), nullptr);
        QCOMPARE(presilo.docName(), QStringLiteral("Fina Ekzameno"));
    }
};

LERBO_TEST_MAIN(TestoPresas)
#include "tst_sendoj_presas.moc"
