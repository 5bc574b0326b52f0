// A translation from outside whose texts name files, a device, a FIFO or an
// address in a picture, on the main window's labels, the credits and a
// lesson: the window comes up, nothing is opened or asked for, and the
// words of the texts stay. Both ways such a file reaches the program are
// driven: downloaded from the course site at start, and found in the
// writable folder at the next start.
#include "tst_elsxuto_servilo.h"
#include "tst_fifogardisto.h"
#include "tst_lerbo_komuna.h"

#include "filedownloader.h"

#include <QLabel>
#include <QPushButton>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lerbotesto;

namespace {

const QByteArray Malnova = "[Traduko]\r\nLingvo=Deutsch\r\nLingvoID=de\r\nDato=01.01.2020\r\n"
                           "[Menuo]\r\nKieButono=Wo ich war\r\n[Konfig]\r\n[Mesagxoj]\r\n";

QByteArray malamika(const QByteArray& bildo)
{
    const QByteArray img = "<img src=\"" + bildo + "\">";
    return "[Traduko]\r\nLingvo=Deutsch\r\nLingvoID=de\r\nDato=01.01.2099\r\nTradukinto=" + img
           + "Karl\r\n[Menuo]\r\nKieButono=" + img + "Wo\r\n[Konfig]\r\nLabel1=" + img
           + "Sprache\r\n[Mesagxoj]\r\n[Lec01]\r\nLabel4=" + img + "Das Alphabet\r\n";
}

} // namespace

class TestoTradukoMalamika : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProvaServilo> servilo;
    QString dosierujo; // files the texts point at

private slots:
    void initTestCase() { dosierujo = testilo::novaDosierujo(QStringLiteral("celoj")); }
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
    }

    void bildoEnTeksto_data()
    {
        QTest::addColumn<QString>("celo");
        QTest::addColumn<bool>("elsxutita");
        for (const bool elsxutita : {true, false}) {
            const char* vojo = elsxutita ? "downloaded" : "local copy";
            for (const char* celo : {"file", "/dev/zero", "FIFO", "http"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(vojo, celo))) << celo << elsxutita;
        }
    }
    void bildoEnTeksto()
    {
        QFETCH(QString, celo);
        QFETCH(bool, elsxutita);

        QByteArray bildo;
        int inotify = -1;
        std::unique_ptr<FifoGardisto> fifo;
        if (celo == "file") {
            bildo = (dosierujo + "bildo.png").toUtf8();
            testilo::skribas(QString::fromUtf8(bildo), "not a picture, and private");
            inotify = inotify_init1(IN_NONBLOCK);
            QVERIFY(inotify >= 0);
            QVERIFY(inotify_add_watch(inotify, bildo.constData(), IN_OPEN | IN_ACCESS) >= 0);
        } else if (celo == "/dev/zero") {
            bildo = "/dev/zero";
        } else if (celo == "FIFO") {
            bildo = (dosierujo + "fifo").toUtf8();
            ::unlink(bildo.constData());
            QVERIFY(::mkfifo(bildo.constData(), 0600) == 0);
            fifo.reset(new FifoGardisto(bildo));
        } else {
            bildo = servilo->url("/bildo.png").toString().toUtf8();
        }

        lernantoKun(QStringLiteral("Deutsch"), QStringLiteral("germana.trd"));
        if (elsxutita) {
            // An old list sends the program to the site, which has a newer
            // translation than the one on the computer.
            QFile::remove(savasLoko + "traduklisto.ini");
            testilo::skribas(savasLoko + "germana.trd", Malnova);
            servilo->respondu("/datumoj/traduklisto.ini", 200,
                              "[0]\r\nLingvoID=de\r\nLingvo=Deutsch\r\nDosierNomo=germana.trd\r\nDato=01.01.2099\r\n");
            servilo->respondu("/datumoj/tradukoj/germana.trd", 200, malamika(bildo));
        } else {
            testilo::skribas(savasLoko + "germana.trd", malamika(bildo));
        }

        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QVERIFY2(mesagxoj.isEmpty(), qPrintable(mesagxoj.join(" | ")));
        QLabel* kie = el<QLabel>(w.get(), "label_Kie");
        if (elsxutita)
            QTRY_VERIFY_WITH_TIMEOUT(kie->text().endsWith(QLatin1String("Wo")), 20000);
        enEkrano(w.get());
        QVERIFY(montras(w.get()));
        // Every label laid out and painted, on the home page, the settings
        // page, the credits and the first lesson.
        auto pentras = [&] {
            for (QLabel* l : w->findChildren<QLabel*>()) {
                l->sizeHint();
                l->grab();
            }
        };
        pentras();
        el<QPushButton>(w.get(), "Konfigurado")->click();
        pentras();
        el<QPushButton>(w.get(), "Hejmo")->click();
        el<QPushButton>(w.get(), "Leciono1")->click();
        QCoreApplication::processEvents();
        pentras();

        if (inotify >= 0) {
            char bufro[4096];
            const ssize_t legitaj = ::read(inotify, bufro, sizeof bufro);
            ::close(inotify);
            QVERIFY2(legitaj <= 0, "the file named in the text was opened");
        }
        if (fifo)
            QVERIFY2(!fifo->malfermita(), "the FIFO named in the text was opened");
        for (const ProvaServilo::Peto& p : servilo->petoj())
            QVERIFY2(p.vojo != "/bildo.png", "the address named in the text was asked for");
        // The words stay; only the picture went.
        QCOMPARE(kie->text(), QStringLiteral("Wo"));
        QCOMPARE(el<QLabel>(w.get(), "Tradukinto")->text(), QStringLiteral("Karl"));
        QCOMPARE(el<QLabel>(w.get(), "Konfig_Label1")->text(), QStringLiteral("Sprache"));
        QCOMPARE(el<QLabel>(w.get(), "Lec01_Label4")->text(), QStringLiteral("Das Alphabet"));
        w.reset();
    }
};

LERBO_TEST_MAIN(TestoTradukoMalamika)
#include "tst_traduko_malamika.moc"
