// Downloads that never hang and never bring a wrong file: an overall
// deadline however slowly the bytes come, a busy cursor meanwhile, and a
// translation file kept only when it reads as one.
#include "tst_elsxuto_servilo.h"
#include "tst_lerbo_komuna.h"

#include "filedownloader.h"

#include <QLabel>
#include <QProcess>

using namespace lerbotesto;

namespace {

QByteArray legas(const QString& vojo)
{
    QFile f(vojo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mankas>");
}

// The most memory this process has held since the last call, in KiB
// (Linux's high-water mark, reset by each call).
qint64 plejMemoro()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    qint64 kib = -1;
    if (stato.open(QIODevice::ReadOnly)) {
        for (const QByteArray& linio : stato.readAll().split('\n'))
            if (linio.startsWith("VmHWM:"))
                kib = linio.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    QFile nuligo(QStringLiteral("/proc/self/clear_refs"));
    if (nuligo.open(QIODevice::WriteOnly))
        nuligo.write("5");
    return kib;
}

// A gzip body of 256 MiB of zeros, some 250 KB packed, made by gzip itself
// so that this process never holds what it unpacks to.
QByteArray gzipBombo()
{
    static QByteArray bombo;
    if (bombo.isEmpty()) {
        QProcess gzip;
        gzip.start(QStringLiteral("sh"),
                   {QStringLiteral("-c"), QStringLiteral("head -c 268435456 /dev/zero | gzip -9 -c")});
        if (gzip.waitForFinished(60000) && gzip.exitCode() == 0)
            bombo = gzip.readAllStandardOutput();
    }
    return bombo;
}

const QByteArray Malnova = "[Traduko]\r\nLingvo=Malnova\r\nLingvoID=ml\r\n" + testilo::CxefajGrupoj;

} // namespace

class TestoElsxutoLimoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProvaServilo> servilo;

private slots:
    void init()
    {
        purigas();
        servilo.reset(new ProvaServilo);
        FileDownloader::setKursejo(servilo->gastiganto());
    }
    void cleanup()
    {
        servilo->fermuCxiujn();
        FileDownloader::setKursejo(QString());
        FileDownloader::setEntutajLimoj(0, 0);
        FileDownloader::setTempolimo(15000);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void apriorajLimoj()
    {
        QCOMPARE(FileDownloader::entutaLimo(QStringLiteral("traduklisto.ini")), 15000);
        QCOMPARE(FileDownloader::entutaLimo(QStringLiteral("germana.trd")), 30000);
    }

    // The learner hears of a refused translation once in a run, and the
    // window keeps the translation it had. First of the refusals: the run
    // is this test program's.
    void diritaUnufoje()
    {
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        skribasListon({{QStringLiteral("en"), QStringLiteral("English — angla"), QStringLiteral("angla.trd"),
                        QStringLiteral("01.01.2099")},
                       {QStringLiteral("eo"), QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"),
                        QStringLiteral("01.01.2099")}});
        servilo->respondu("/datumoj/tradukoj/esperanto.trd", 200, QByteArray("<html>Login</html>"));
        for (int fojo = 0; fojo < 2; ++fojo) {
            auto w = kreas();
            const QStringList mesagxoj = kunKestoj([&] {
                w->aktualigasTradukon();
                QVERIFY(w->elshutilo);
                QSignalSpy fino(w->elshutilo, &FileDownloader::downloaded);
                QVERIFY(QTest::qWaitFor([&] { return fino.count() > 0; }, 20000));
                QCoreApplication::processEvents();
            });
            QCOMPARE(mesagxoj.size(), fojo == 0 ? 1 : 0);
            if (fojo == 0)
                QVERIFY2(mesagxoj.first().contains(QStringLiteral("esperanto.trd")), qPrintable(mesagxoj.first()));
            QVERIFY(!QFile::exists(savasLoko + QStringLiteral("esperanto.trd")));
            QCOMPARE(sTradukoDosiero, QStringLiteral("esperanto.trd"));
            QVERIFY(el<QLabel>(w.get(), "label_Eliri")->text() != NeTradukita);
        }
    }

    // A server that sends a byte every 20 ms never pauses long enough for
    // the watchdog; the overall deadline ends the transfer, as a failure
    // that leaves the old file, and the busy cursor shows until then.
    void gutetantaServilo_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::newRow("list") << "traduklisto.ini";
        QTest::newRow("translation") << "germana.trd";
    }
    void gutetantaServilo()
    {
        QFETCH(QString, nomo);
        FileDownloader::setEntutajLimoj(nomo.endsWith(QLatin1String(".trd")) ? 60000 : 300,
                                        nomo.endsWith(QLatin1String(".trd")) ? 300 : 60000);
        const QByteArray vojo = "/" + nomo.toUtf8();
        servilo->respondu(vojo, 200, QByteArray(100000, 'a'), ProvaServilo::Gutetas);
        testilo::skribas(savasLoko + nomo, Malnova);
        FileDownloader d(servilo->url(QString::fromUtf8(vojo)), nomo);
        int finoj = 0;
        connect(&d, &FileDownloader::downloaded, [&] { ++finoj; });
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_COMPARE_WITH_TIMEOUT(finoj, 1, 20000);
        QVERIFY(!d.sukcesis());
        QCOMPARE(legas(savasLoko + nomo), Malnova);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The first start's dialog works again once the list's deadline has
    // passed: it lists the built-in translations.
    void dialogoNeHaltas()
    {
        FileDownloader::setEntutajLimoj(300, 300);
        servilo->respondu("/datumoj/traduklisto.ini", 200, QByteArray(100000, 'a'), ProvaServilo::Gutetas);
        servilo->respondu("/datumoj/tradukoj/angla.trd", 200, QByteArray(100000, 'a'), ProvaServilo::Gutetas);
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(mesagxoj.isEmpty());
    }

    // A length announced above the limit is refused on the head alone: the
    // server holds the body back until asked, so a client that waited for
    // it would never finish, and one that finished read nothing.
    void anoncitaLongo_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<qint64>("anoncita");
        QTest::addColumn<bool>("akceptebla");
        const qint64 dekGiB = Q_INT64_C(10) * 1024 * 1024 * 1024;
        QTest::newRow("translation, 10 GiB") << "germana.trd" << dekGiB << false;
        QTest::newRow("list, 10 GiB") << "traduklisto.ini" << dekGiB << false;
        QTest::newRow("translation, a byte over") << "germana.trd" << FileDownloader::MaksGrando + 1 << false;
        QTest::newRow("translation within the limit") << "germana.trd" << qint64(-1) << true;
    }
    void anoncitaLongo()
    {
        QFETCH(QString, nomo);
        QFETCH(qint64, anoncita);
        QFETCH(bool, akceptebla);
        FileDownloader::setTempolimo(60000);
        FileDownloader::setEntutajLimoj(60000, 60000);
        const QByteArray nova = "[0]\r\nLingvoID=de\r\n[Traduko]\r\nLingvoID=de\r\n" + testilo::CxefajGrupoj;
        const QByteArray korpo = nomo.endsWith(QLatin1String(".trd")) ? nova.mid(nova.indexOf("[Traduko]")) : nova;
        ProvaServilo::Respondo r;
        r.korpo = korpo;
        r.konduto = ProvaServilo::Anoncas;
        r.anoncita = anoncita < 0 ? korpo.size() : anoncita;
        servilo->respondu("/" + nomo.toUtf8(), r);
        testilo::skribas(savasLoko + nomo, Malnova);
        FileDownloader d(servilo->url("/" + nomo), nomo);
        QSignalSpy fino(&d, &FileDownloader::downloaded);
        if (akceptebla) {
            QTRY_VERIFY(!servilo->petoj().isEmpty());
            servilo->sendasKorpon();
        }
        QVERIFY2(fino.wait(10000), "the download waited for a body it must not read");
        QCOMPARE(d.sukcesis(), akceptebla);
        QCOMPARE(legas(savasLoko + nomo), akceptebla ? korpo : Malnova);
        if (!akceptebla) {
            QCOMPARE(servilo->senditaKorpo(), qint64(0));
            QTRY_COMPARE(servilo->fermitajDeKliento(), 1);
        }
    }

    // The program asks for the body as it is, and a body the server packs
    // all the same is refused on its head: unpacked it could be many times
    // the limit (a small packed bomb here), and even a good packed file
    // would reach the disk packed. The old file stays, the learner hears
    // why, and memory stays far below what the bomb unpacks to.
    void pakitaKorpo_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QByteArray>("kodigo");
        QTest::addColumn<QByteArray>("korpo");
        QTest::addColumn<bool>("akceptebla");
        const QByteArray bombo = gzipBombo();
        const QByteArray traduko = "[Traduko]\r\nLingvoID=de\r\n" + testilo::CxefajGrupoj;
        QTest::newRow("translation, gzip bomb") << "germana.trd" << QByteArray("gzip") << bombo << false;
        QTest::newRow("list, gzip bomb") << "traduklisto.ini" << QByteArray("gzip") << bombo << false;
        QTest::newRow("translation, deflate")
            << "germana.trd" << QByteArray("deflate") << qCompress(traduko).mid(4) << false;
        QTest::newRow("translation, x-gzip in capitals") << "germana.trd" << QByteArray("X-GZIP") << bombo << false;
        QTest::newRow("translation, identity") << "germana.trd" << QByteArray("identity") << traduko << true;
    }
    void pakitaKorpo()
    {
        QFETCH(QString, nomo);
        QFETCH(QByteArray, kodigo);
        QFETCH(QByteArray, korpo);
        QFETCH(bool, akceptebla);
        QVERIFY2(!korpo.isEmpty(), "gzip made no bomb");
        FileDownloader::setTempolimo(60000);
        FileDownloader::setEntutajLimoj(60000, 60000);
        ProvaServilo::Respondo r;
        r.korpo = korpo;
        r.kapoj = "Content-Encoding: " + kodigo + "\r\n";
        servilo->respondu("/" + nomo.toUtf8(), r);
        testilo::skribas(savasLoko + nomo, Malnova);
        plejMemoro();
        const qint64 antaue = plejMemoro(); // what the process holds now
        QVERIFY(antaue > 0);
        FileDownloader d(servilo->url("/" + nomo), nomo);
        QSignalSpy fino(&d, &FileDownloader::downloaded);
        QVERIFY(fino.wait(30000));
        const qint64 kreskis = plejMemoro() - antaue;
        QVERIFY2(kreskis < 32 * 1024, qPrintable(QStringLiteral("memory grew by %1 KiB").arg(kreskis)));
        QCOMPARE(servilo->petoj().size(), 1);
        QStringList kodigoj;
        for (const QByteArray& linio : servilo->petoj().first().kapo.split('\n'))
            if (linio.toLower().startsWith("accept-encoding:"))
                kodigoj << QString::fromLatin1(linio.mid(16).trimmed());
        QCOMPARE(kodigoj, QStringList{QStringLiteral("identity")});
        QCOMPARE(d.sukcesis(), akceptebla);
        QCOMPARE(legas(savasLoko + nomo), akceptebla ? korpo : Malnova);
        if (nomo.endsWith(QLatin1String(".trd"))) {
            QCOMPARE(d.malakceptita(), !akceptebla);
            QVERIFY2(akceptebla ? d.malakcepto().isEmpty() : d.malakcepto().contains(QLatin1String("packed")),
                     qPrintable(d.malakcepto()));
        }
    }

    // A translation that came whole with status 200 but does not read as
    // one is not kept: the old file stays.
    void neTraduko_data()
    {
        QTest::addColumn<QByteArray>("korpo");
        QTest::newRow("captive portal page")
            << QByteArray("<!DOCTYPE html>\r\n<html><body><h1>Welcome to the hotel network</h1>"
                          "<form action=\"/login\"><input name=\"room\"></form></body></html>\r\n");
        QTest::newRow("cut short at 3000 bytes")
            << testilo::enkonstruitaTraduko(QStringLiteral("angla.trd")).left(3000);
        QTest::newRow("UTF-16") << testilo::utf16(testilo::enkonstruitaTraduko(QStringLiteral("angla.trd")));
        QTest::newRow("no LingvoID") << QByteArray("[Traduko]\r\nLingvo=Nenia\r\n" + testilo::CxefajGrupoj);
        QTest::newRow("another group first")
            << QByteArray("[Menuo]\r\nEliri=x\r\n[Traduko]\r\nLingvoID=xx\r\n" + testilo::CxefajGrupoj);
    }
    void neTraduko()
    {
        QFETCH(QByteArray, korpo);
        servilo->respondu("/datumoj/tradukoj/germana.trd", 200, korpo);
        testilo::skribas(savasLoko + QStringLiteral("germana.trd"), Malnova);
        FileDownloader d(servilo->url(QStringLiteral("/datumoj/tradukoj/germana.trd")), QStringLiteral("germana.trd"));
        QSignalSpy fino(&d, &FileDownloader::downloaded);
        QVERIFY(fino.wait(20000));
        QVERIFY(!d.sukcesis());
        QVERIFY(d.malakceptita());
        QCOMPARE(legas(savasLoko + QStringLiteral("germana.trd")), Malnova);
    }
};

LERBO_TEST_MAIN(TestoElsxutoLimoj)
#include "tst_elsxuto_limoj.moc"
