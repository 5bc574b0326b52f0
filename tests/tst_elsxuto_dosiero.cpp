#include "filedownloader.h"
#include "funkcioj.h"
#include "testilo.h"
#include "tst_elsxuto_servilo.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>

namespace {
const QByteArray Malnova = "[Traduko]\r\nLingvo=Malnova\r\nLingvoID=xx\r\n";

QByteArray legas(const QString& vojo)
{
    QFile f(vojo);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<mankas>");
    return f.readAll();
}
} // namespace

class TestoElsxutoDosiero : public QObject
{
    Q_OBJECT

    ProvaServilo servilo;

    // Runs one download to its end and returns how often downloaded() came.
    int elsxutas(const QUrl& url, const QString& nomo, FileDownloader** el = nullptr)
    {
        auto* d = new FileDownloader(url, nomo, this);
        QSignalSpy spiono(d, &FileDownloader::downloaded);
        if (!spiono.wait(10000) && spiono.isEmpty())
            return 0;
        QTest::qWait(50); // a second signal would come now
        if (el)
            *el = d;
        return spiono.count();
    }

private slots:
    void cleanup()
    {
        FileDownloader::setTempolimo(15000);
        servilo.fermuCxiujn();
    }

    void sukcesa()
    {
        const QByteArray nova = "[Traduko]\r\nLingvo=Nova\r\nLingvoID=nv\r\n" + testilo::CxefajGrupoj;
        servilo.respondu("/datumoj/tradukoj/nova.trd", 200, nova);
        testilo::skribas(savasLoko + "nova.trd", Malnova);
        FileDownloader* d = nullptr;
        QCOMPARE(elsxutas(servilo.url("/datumoj/tradukoj/nova.trd"), "nova.trd", &d), 1);
        QCOMPARE(legas(savasLoko + "nova.trd"), nova);
        QVERIFY(d->sukcesis());
        QCOMPARE(d->downloadedData(), nova);
        QCOMPARE(servilo.petoj().last().vojo, QByteArray("/datumoj/tradukoj/nova.trd"));
        QCOMPARE(servilo.petoj().last().agento, QByteArray("LerboAndrojdo"));
    }

    void listo()
    {
        const QByteArray listo = "[0]\r\nLingvoID=en\r\n";
        servilo.respondu("/datumoj/traduklisto.ini", 200, listo);
        QFile::remove(savasLoko + "traduklisto.ini");
        QCOMPARE(elsxutas(servilo.url("/datumoj/traduklisto.ini"), "traduklisto.ini"), 1);
        QCOMPARE(legas(savasLoko + "traduklisto.ini"), listo);
    }

    void bodyWithoutLength()
    {
        const QByteArray nova = "[Traduko]\r\nLingvo=Fermita\r\nLingvoID=fe\r\n" + testilo::CxefajGrupoj;
        servilo.respondu("/senlonga.trd", 200, nova, ProvaServilo::SenLongo);
        testilo::skribas(savasLoko + "senlonga.trd", Malnova);
        QCOMPARE(elsxutas(servilo.url("/senlonga.trd"), "senlonga.trd"), 1);
        QCOMPARE(legas(savasLoko + "senlonga.trd"), nova);
    }

    void malsukcesa_data()
    {
        QTest::addColumn<int>("stato");
        QTest::addColumn<QByteArray>("korpo");
        QTest::addColumn<int>("konduto");
        QTest::addColumn<QString>("nomo");
        const QByteArray bona = "[Traduko]\r\nLingvo=Ne skribota\r\n";
        const QByteArray grandega(int(FileDownloader::MaksGrando) + 4096, 'a');
        QTest::newRow("404 with a body") << 404 << QByteArray("<html>Not found</html>") << int(ProvaServilo::Normala)
                                         << "a.trd";
        QTest::newRow("500 with a body") << 500 << QByteArray("<html>Oops</html>") << int(ProvaServilo::Normala)
                                         << "a.trd";
        QTest::newRow("redirect") << 301 << QByteArray("moved") << int(ProvaServilo::Normala) << "a.trd";
        QTest::newRow("empty 200") << 200 << QByteArray() << int(ProvaServilo::Normala) << "a.trd";
        QTest::newRow("reset connection") << 200 << bona << int(ProvaServilo::Rompita) << "a.trd";
        QTest::newRow("cut short") << 200 << bona << int(ProvaServilo::Mallonga) << "a.trd";
        QTest::newRow("stalled server") << 200 << bona << int(ProvaServilo::Silenta) << "a.trd";
        QTest::newRow("oversized, announced") << 200 << grandega << int(ProvaServilo::Normala) << "a.trd";
        QTest::newRow("oversized, unannounced") << 200 << grandega << int(ProvaServilo::SenLongo) << "a.trd";
        QTest::newRow("name ../x.trd") << 200 << bona << int(ProvaServilo::Normala) << "../x.trd";
        QTest::newRow("name /etc/x") << 200 << bona << int(ProvaServilo::Normala) << "/etc/x";
        QTest::newRow("name a/b.trd") << 200 << bona << int(ProvaServilo::Normala) << "a/b.trd";
        QTest::newRow("name a\\b.trd") << 200 << bona << int(ProvaServilo::Normala) << "a\\b.trd";
        QTest::newRow("name .trd") << 200 << bona << int(ProvaServilo::Normala) << ".trd";
        QTest::newRow("name not .trd") << 200 << bona << int(ProvaServilo::Normala) << "darudaver.ini";
    }
    void malsukcesa()
    {
        QFETCH(int, stato);
        QFETCH(QByteArray, korpo);
        QFETCH(int, konduto);
        QFETCH(QString, nomo);
        FileDownloader::setTempolimo(300);
        servilo.respondu("/celo", stato, korpo, ProvaServilo::Konduto(konduto));
        testilo::skribas(savasLoko + nomo, Malnova);
        const int petojAntaue = servilo.petoj().size();
        QElapsedTimer horlogxo;
        horlogxo.start();
        QCOMPARE(elsxutas(servilo.url("/celo"), nomo), 1);
        QVERIFY2(horlogxo.elapsed() < 8000, "the failure took too long");
        QCOMPARE(legas(savasLoko + nomo), Malnova);
        if (nomo != "a.trd") {
            // A name that cannot be written is not even asked for.
            QCOMPARE(servilo.petoj().size(), petojAntaue);
        }
    }

    void unreachable()
    {
        // A port nobody listens on: refused at once, which is the failure
        // this download must come through.
        const QString adreso = testilo::fermitaAdreso();
        QTcpSocket provo;
        provo.connectToHost(QHostAddress::LocalHost, quint16(adreso.section(':', 1).toUInt()));
        QVERIFY(!provo.waitForConnected(5000));
        QCOMPARE(provo.error(), QAbstractSocket::ConnectionRefusedError);
        testilo::skribas(savasLoko + "a.trd", Malnova);
        QCOMPARE(elsxutas(QUrl(QStringLiteral("http://%1/a.trd").arg(adreso)), "a.trd"), 1);
        QCOMPARE(legas(savasLoko + "a.trd"), Malnova);
    }

    void destroyedWhileRunning()
    {
        servilo.respondu("/silenta.trd", 200, "x", ProvaServilo::Silenta);
        testilo::skribas(savasLoko + "silenta.trd", Malnova);
        auto* d = new FileDownloader(servilo.url("/silenta.trd"), "silenta.trd", this);
        QTRY_VERIFY(!servilo.petoj().isEmpty() && servilo.petoj().last().vojo == "/silenta.trd");
        delete d;
        servilo.fermuCxiujn();
        QTest::qWait(100);
        QCOMPARE(legas(savasLoko + "silenta.trd"), Malnova);
    }

    void siteAddress()
    {
        FileDownloader::setKursejo("127.0.0.1:8000");
        QCOMPARE(FileDownloader::kursejo("/datumoj/traduklisto.ini").toString(),
                 QString("http://127.0.0.1:8000/datumoj/traduklisto.ini"));
        FileDownloader::setKursejo(QString());
        QVERIFY(FileDownloader::kursejo("/x").toString().startsWith("http://"));
    }
};

LERBO_TEST_MAIN(TestoElsxutoDosiero)
#include "tst_elsxuto_dosiero.moc"
