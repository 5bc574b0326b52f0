// A FIFO, a folder or a device where the program expects one of its files:
// the settings, a translation in the writable folder, a word's clip. Each
// is taken for a missing file, with the message a missing one gets, and
// is left as it is; nothing waits on it. A FIFO's reader would wait for
// ever, so a guard opens the other end as soon as anyone reads it (and the
// test fails); a device like /dev/zero read to its end would end the test
// with it.
#include "tst_elsxuto_servilo.h"
#include "tst_fifogardisto.h"
#include "tst_lerbo_komuna.h"

#include "filedownloader.h"

#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTabWidget>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace lerbotesto;

namespace {

// Puts the special file at `vojo`; the guard when it is a FIFO.
bool faras(const QString& speco, const QString& vojo, std::unique_ptr<FifoGardisto>* gardisto)
{
    QDir().mkpath(QFileInfo(vojo).absolutePath());
    const QByteArray v = QFile::encodeName(vojo);
    if (speco == QLatin1String("FIFO")) {
        if (::mkfifo(v.constData(), 0600) != 0)
            return false;
        gardisto->reset(new FifoGardisto(v));
        return true;
    }
    if (speco == QLatin1String("folder"))
        return QDir().mkdir(vojo);
    // A node of its own, a twin of /dev/zero: a program that saved through
    // a link to /dev/zero itself would, run as root, replace the machine's
    // device. Only where no node can be made, and the save could not reach
    // /dev, a link does.
    if (::mknod(v.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0)
        return true;
    return ::geteuid() != 0 && ::symlink("/dev/zero", v.constData()) == 0;
}

// The special file is still there, as it was.
bool netusxita(const QString& speco, const QString& vojo)
{
    struct stat s;
    const QByteArray v = QFile::encodeName(vojo);
    if (::lstat(v.constData(), &s) != 0)
        return false;
    if (speco == QLatin1String("FIFO"))
        return S_ISFIFO(s.st_mode);
    if (speco == QLatin1String("folder"))
        return S_ISDIR(s.st_mode);
    struct stat celo;
    return ::stat(v.constData(), &celo) == 0 && S_ISCHR(celo.st_mode);
}

} // namespace

#define FARAS(speco, vojo, gardisto)                                                                                   \
    do {                                                                                                               \
        if (!faras(speco, vojo, gardisto)) {                                                                           \
            if (speco == QLatin1String("device"))                                                                      \
                QSKIP("root without the right to make a device node: no safe device to point at");                     \
            QFAIL("the special file could not be made");                                                               \
        }                                                                                                              \
    } while (false)

class TestoSpecialajDosieroj : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProvaServilo> servilo;
    QString propraMrLoko;

private slots:
    void initTestCase() { propraMrLoko = mrLoko; }
    void init()
    {
        purigas();
        QDir(savasLoko).removeRecursively();
        QDir().mkpath(savasLoko);
        mrLoko = testilo::novaDosierujo(QStringLiteral("multrimedoj"));
        servilo.reset(new ProvaServilo);
        FileDownloader::setKursejo(servilo->gastiganto());
    }
    void cleanup()
    {
        servilo->fermuCxiujn();
        FileDownloader::setKursejo(QString());
        QFile::remove(savasLoko + "darudaver.ini");
        QDir(savasLoko).removeRecursively();
        QDir().mkpath(savasLoko);
        mrLoko = propraMrLoko;
        lNeSonoDirita = true;
    }

    void specialaDosiero_data()
    {
        QTest::addColumn<QString>("kio");
        QTest::addColumn<QString>("speco");
        for (const char* kio : {"settings", "translation", "clip"})
            for (const char* speco : {"FIFO", "folder", "device"})
                QTest::newRow(qPrintable(QStringLiteral("%1 as a %2").arg(kio, speco))) << kio << speco;
    }
    void specialaDosiero()
    {
        QFETCH(QString, kio);
        QFETCH(QString, speco);
        std::unique_ptr<FifoGardisto> gardisto;
        QString vojo;
        std::unique_ptr<lerbo> w;
        QStringList mesagxoj;

        if (kio == "settings") {
            // Read as missing: the first start's language choice, closed,
            // gives English; the save that follows cannot be made there.
            vojo = agordoVojo();
            FARAS(speco, vojo, &gardisto);
            w = kreas(&mesagxoj);
            QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
            QCOMPARE(mesagxoj.size(), 1);
            QVERIFY2(mesagxoj.first().contains("cannot be saved in " + QDir::toNativeSeparators(vojo)),
                     qPrintable(mesagxoj.first()));
        } else if (kio == "translation") {
            // The list is old, so the start reads the copy in the writable
            // folder to compare its date; then the translation is missing
            // (a language the program does not ship, so nothing stands in).
            lernantoKun(QStringLiteral("Volapük"), QStringLiteral("volapuka.trd"));
            QFile::remove(savasLoko + "traduklisto.ini");
            servilo->respondu("/datumoj/traduklisto.ini", 200,
                              "[0]\r\nLingvoID=vo\r\nLingvo=Volapük\r\nDosierNomo=volapuka.trd\r\nDato=01.01.2000\r\n");
            vojo = savasLoko + "volapuka.trd";
            FARAS(speco, vojo, &gardisto);
            mesagxoj = kunKestoj([&] {
                w.reset(new lerbo);
                (void)QTest::qWaitFor([] { return sTradukoDosiero == QLatin1String("angla.trd"); }, 20000);
            });
            QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
            QCOMPARE(mesagxoj, QStringList{"The translation file volapuka.trd could not be found. English "
                                           "translation will be used as default."});
        } else {
            // The learner clicks the word "ami" of the first lesson.
            vojo = mrLoko + "sonoj/lec01/ami.oga";
            FARAS(speco, vojo, &gardisto);
            lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
            w = kreas(&mesagxoj);
            QVERIFY(mesagxoj.isEmpty());
            enEkrano(w.get());
            QVERIFY(montras(w.get()));
            el<QPushButton>(w.get(), "Leciono1")->click();
            auto* ami = el<QLabel>(w.get(), "Lec01_Button10");
            auto* leciono = el<QTabWidget>(w.get(), "Lec01");
            for (int i = 0; i < leciono->count(); ++i)
                if (leciono->widget(i)->isAncestorOf(ami))
                    leciono->setCurrentIndex(i);
            QCOMPARE(ami->text(), QStringLiteral("ami"));
            lNeSonoDirita = false;
            testilo::klakas(ami);
            QTRY_COMPARE_WITH_TIMEOUT(videblajKestoj(), QStringList{smNeLudebla}, 20000);
            for (QWidget* f : QApplication::topLevelWidgets())
                if (auto* k = qobject_cast<QMessageBox*>(f))
                    k->close();
            if (speco != "folder")
                QVERIFY(w->sonludilo()->media().request().url().toLocalFile() != vojo);
        }

        if (gardisto)
            QVERIFY2(!gardisto->malfermita(), "the FIFO was opened");
        gardisto.reset();
        w.reset();
        QVERIFY2(netusxita(speco, vojo), "the special file was replaced");
    }
};

LERBO_TEST_MAIN(TestoSpecialajDosieroj)
#include "tst_specialaj_dosieroj.moc"
