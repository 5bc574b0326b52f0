#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "tradukolisto.h"
#include "tst_elsxuto_servilo.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace {
QByteArray legas(const QString& vojo)
{
    QFile f(vojo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mankas>");
}
} // namespace

// The course web site's folder, built by tools/kursejo from the shipped
// translations, served over HTTP and read back by the program's own readers.
class TestoKursejo : public QObject
{
    Q_OBJECT

    QString radiko;
    ProvaServilo servilo;

    // The translations the program ships.
    static QString fontoj() { return qEnvironmentVariable("LERBO_FONTO") + "/resources/tradukoj/"; }
    static QList<QStringList> sendataj()
    {
        QList<QStringList> eroj;
        for (const QString& nomo : QDir(fontoj()).entryList({"*.trd"}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
            IniDosiero t(fontoj() + nomo);
            eroj.append({t.value("Traduko/LingvoID").toString(), t.value("Traduko/Lingvo").toString(), nomo,
                         t.value("Traduko/Dato").toString()});
        }
        return eroj;
    }

    void elsxutas(const QString& vojo, const QString& nomo)
    {
        auto* d = new FileDownloader(servilo.url(vojo), nomo, this);
        QSignalSpy spiono(d, &FileDownloader::downloaded);
        QVERIFY(spiono.wait(10000));
        QVERIFY(d->sukcesis());
    }

private slots:
    void initTestCase()
    {
        const QString ilo = QCoreApplication::applicationDirPath() + "/../tools/kursejo";
        QVERIFY2(QFile::exists(ilo), qPrintable(ilo));
        radiko = testilo::novaDosierujo("kursejo");
        QProcess p;
        p.start(ilo, {radiko, qEnvironmentVariable("LERBO_FONTO") + "/tools/kursejo"});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

        // Everything the folder holds, served under its own path.
        QDirIterator it(radiko, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString vojo = it.next();
            servilo.respondu(vojo.mid(radiko.size() - 1).toUtf8(), 200, legas(vojo));
        }
    }

    void listsEveryShippedTranslation()
    {
        QFile::remove(savasLoko + "traduklisto.ini");
        elsxutas("/datumoj/traduklisto.ini", "traduklisto.ini");
        const QList<QStringList> listo = TradukoListo::elListo(savasLoko + "traduklisto.ini");
        const QList<QStringList> enkonstruitaj = sendataj();
        QVERIFY(enkonstruitaj.size() >= 3);
        QCOMPARE(listo.size(), enkonstruitaj.size());
        for (const QStringList& ero : enkonstruitaj)
            QVERIFY2(listo.contains(ero), qPrintable(ero.join(" | ")));
    }

    void translationFilesAndPages()
    {
        for (const QStringList& ero : sendataj()) {
            const QString dosiero = ero.at(TradukoListo::Dosiero);
            QFile::remove(savasLoko + dosiero);
            elsxutas("/datumoj/tradukoj/" + dosiero, dosiero);
            QCOMPARE(legas(savasLoko + dosiero), legas(fontoj() + dosiero));
            // The help link of the program for this translation.
            QString pagxo = "kiel_" + dosiero;
            pagxo.replace(".trd", ".html");
            QVERIFY2(legas(radiko + "datumoj/kiel/" + pagxo).contains("<html"), qPrintable(pagxo));
            QFile::remove(savasLoko + dosiero);
        }
        QVERIFY(legas(radiko + "datumoj/kiel/kiel_araba.html").contains("dir=\"rtl\""));
        QVERIFY(legas(radiko + "datumoj/kiel/kiel_esperanto.html").contains("Kiel uzi la kurson"));
        QVERIFY(legas(radiko + "datumoj/tradukoj/rekomendoj.html").contains("translators"));
        // The corrector page that the settings page links to.
        QVERIFY(legas(radiko + "korektanto.php").contains("human corrector"));
    }
};

LERBO_TEST_MAIN(TestoKursejo)
#include "tst_elsxuto_kursejo.moc"
