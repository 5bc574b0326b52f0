// The media folder: the clip list that tools/sonlisto draws from the
// program's own forms, the voicing script tools/sonoj.sh, the completeness
// check tools/sonkontrolo.sh, and a generated clip played to its end through
// the program's own player.
#include "esperantaj_tekstoj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "klakbutono_nova.h"
#include "lecionoj.h"
#include "lerbo.h"
#include "neklakebla_nova.h"
#include "testilo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMap>
#include <QMediaPlayer>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

struct Rezulto
{
    int stato = -1;
    QString el;
    QString eraroj;
};

struct Linio
{
    QString teksto;
    QString vocxo;
};

} // namespace

class TestoSonoj : public QObject
{
    Q_OBJECT

    QString fonto; // the source tree, where the scripts live
    QString sonlisto; // the list tool, built beside the tests
    Rezulto listo; // the tool's whole list, run once
    QMap<QString, Linio> klipoj;

    Rezulto lancxu(const QString& programo, const QStringList& args, const QMap<QString, QString>& medio = {})
    {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("SONLISTO"), sonlisto);
        for (auto it = medio.constBegin(); it != medio.constEnd(); ++it)
            e.insert(it.key(), it.value());
        p.setProcessEnvironment(e);
        p.start(programo, args);
        Rezulto r;
        if (!p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
            r.eraroj = QStringLiteral("timed out");
            return r;
        }
        r.stato = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.el = QString::fromUtf8(p.readAllStandardOutput());
        r.eraroj = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    Rezulto skripto(const QString& nomo, const QStringList& args, const QMap<QString, QString>& medio = {})
    {
        return lancxu(QStringLiteral("bash"), QStringList{fonto + QStringLiteral("/tools/") + nomo} + args, medio);
    }

    // A label's text as it is voiced: without the left-to-right marks that
    // right-to-left translations add.
    static QString plata(const QString& teksto)
    {
        return esperantaj_tekstoj::plata(teksto).remove(QChar(0x200E)).simplified();
    }

    static bool ekzistas(int leciono)
    {
        QWidget patro;
        QScopedPointer<QFrame> f(KreasLecionon(leciono, &patro));
        return !f.isNull();
    }

    // The number after "N made" in the script's summary.
    static int faritaj(const Rezulto& r)
    {
        const auto m = QRegularExpression(QStringLiteral("(\\d+) made")).match(r.el);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    static QByteArray legas(const QString& vojo)
    {
        QFile f(vojo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        fonto = qEnvironmentVariable("LERBO_FONTO");
        QVERIFY2(!fonto.isEmpty(), "LERBO_FONTO names the source tree");
        sonlisto = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../tools/sonlisto"));
        QVERIFY2(QFileInfo(sonlisto).isExecutable(), qPrintable(sonlisto + QStringLiteral(" is not built")));
        listo = lancxu(sonlisto, {});
        for (const QString& l : listo.el.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList k = l.split(QLatin1Char('\t'));
            QVERIFY2(k.size() == 3, qPrintable(QStringLiteral("three columns: ") + l));
            QVERIFY2(!klipoj.contains(k.at(0)), qPrintable(QStringLiteral("listed twice: ") + l));
            klipoj.insert(k.at(0), Linio{k.at(1), k.at(2)});
        }
    }

    // --- the list ----------------------------------------------------------

    void listo_sen_konfliktoj()
    {
        // One clip asked for with two different texts, or an item naming a
        // word label that does not exist, is a fault of the course data.
        QVERIFY2(!listo.eraroj.contains(QStringLiteral("conflict")), qPrintable(listo.eraroj));
        QVERIFY2(!listo.eraroj.contains(QStringLiteral("names no word label")), qPrintable(listo.eraroj));
        QVERIFY2(!listo.eraroj.contains(QStringLiteral("no text")), qPrintable(listo.eraroj));
        QCOMPARE(listo.stato, 0);
    }

    void listo_formo()
    {
        QVERIFY(klipoj.size() > 50);
        const QRegularExpression formo(QStringLiteral(
            "^(sonoj/([a-z0-9_]+|lec(0[1-9]|1[0-3])/[^/ A-Z]+)\\.oga|video/lec(0[1-9]|1[0-3])/[a-z0-9_]+\\.ogv)$"));
        for (auto it = klipoj.constBegin(); it != klipoj.constEnd(); ++it) {
            QVERIFY2(formo.match(it.key()).hasMatch(), qPrintable(it.key()));
            QVERIFY2(!it->teksto.trimmed().isEmpty(), qPrintable(it.key()));
            QVERIFY2(!it->vocxo.isEmpty(), qPrintable(it.key()));
        }
    }

    void listo_reagoj_data()
    {
        QTest::addColumn<QString>("sxablono");
        // Words that the program picks among variants "word" + one character.
        for (const char* v : {"jes", "trebone", "bonege", "prave", "trafe", "korekte", "ne", "ghis", "revido", "baldau",
                              "adiau", "saluton", "matenon", "tagon", "vespero", "nokton"})
            QTest::newRow(v) << QStringLiteral("^sonoj/%1.\\.oga$").arg(QLatin1String(v));
        for (int n = 1; n <= 8; ++n) {
            QTest::newRow(qPrintable(QStringLiteral("gratulo%1").arg(n)))
                << QStringLiteral("^sonoj/gratulo%1\\.oga$").arg(n);
            QTest::newRow(qPrintable(QStringLiteral("nebona%1").arg(n)))
                << QStringLiteral("^sonoj/nebona%1\\.oga$").arg(n);
        }
        QTest::newRow("noteto_jes") << "^sonoj/noteto_jes\\.oga$";
        QTest::newRow("noteto_ne") << "^sonoj/noteto_ne\\.oga$";
    }
    void listo_reagoj()
    {
        QFETCH(QString, sxablono);
        const QRegularExpression re(sxablono);
        int kiom = 0;
        for (const QString& k : klipoj.keys())
            kiom += re.match(k).hasMatch();
        QVERIFY2(kiom >= 1, qPrintable(sxablono));
    }

    void listo_tonoj()
    {
        // The two notes are tones, not speech.
        QVERIFY(klipoj.value(QStringLiteral("sonoj/noteto_jes.oga")).teksto.startsWith(QStringLiteral("=tono ")));
        QVERIFY(klipoj.value(QStringLiteral("sonoj/noteto_ne.oga")).teksto.startsWith(QStringLiteral("=tono ")));
        const Rezulto r = lancxu(sonlisto, {QStringLiteral("--tono"), QStringLiteral("440")});
        QCOMPARE(r.stato, 0);
        QVERIFY(r.el.toLatin1().startsWith("RIFF"));
        QCOMPARE(lancxu(sonlisto, {QStringLiteral("--tono"), QStringLiteral("la")}).stato, 1);
    }

    void listo_el_dosiero_data()
    {
        QTest::addColumn<QByteArray>("enhavo");
        QTest::addColumn<int>("stato");
        QTest::addColumn<QString>("eligo");
        QTest::addColumn<QString>("eraro");
        QTest::newRow("two texts for one name")
            << QByteArray("sonoj/lec01/domo.oga\tdomo\nsonoj/lec01/domo.oga\tkato\n") << 2
            << "sonoj/lec01/domo.oga\tdomo\teo\n"
            << "conflict for sonoj/lec01/domo.oga";
        QTest::newRow("two voices for one name")
            << QByteArray("sonoj/jes1.oga\tJes!\teo\nsonoj/jes1.oga\tJes!\teo+f3\n") << 2
            << "sonoj/jes1.oga\tJes!\teo\n"
            << "conflict";
        QTest::newRow("only the case differs")
            << QByteArray("sonoj/lec01/Cx.oga\tĈ\nsonoj/lec01/cx.oga\tĉ\n") << 0 << "sonoj/lec01/cx.oga\tĈ\teo\n"
            << "";
        QTest::newRow("not a clip path") << QByteArray(
            "lec01/domo.oga\tdomo\nsonoj/lec01/domo\tdomo\nsonoj/lec01/domo.oga\n")
                                         << 0 << ""
                                         << "listo.txt:3 is not";
        QTest::newRow("voice given") << QByteArray("sonoj/lec01/btn7.oga\t  la   domo \teo+f3\n") << 0
                                     << "sonoj/lec01/btn7.oga\tla domo\teo+f3\n"
                                     << "";
        QTest::newRow("no text") << QByteArray("sonoj/lec01/a.oga\t \n") << 0 << ""
                                 << "no text to voice";
    }
    void listo_el_dosiero()
    {
        QFETCH(QByteArray, enhavo);
        QFETCH(int, stato);
        QFETCH(QString, eligo);
        QFETCH(QString, eraro);
        const QString dosiero = testilo::novaDosierujo(QStringLiteral("el")) + QStringLiteral("listo.txt");
        testilo::skribas(dosiero, enhavo);
        const Rezulto r = lancxu(sonlisto, {QStringLiteral("--el"), dosiero});
        QCOMPARE(r.stato, stato);
        QCOMPARE(r.el, eligo);
        if (eraro.isEmpty())
            QVERIFY2(!r.eraroj.contains(QStringLiteral("sonlisto:")), qPrintable(r.eraroj));
        else
            QVERIFY2(r.eraroj.contains(eraro), qPrintable(r.eraroj));
    }

    void leciono_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 13; ++n)
            QTest::newRow(qPrintable(QStringLiteral("lesson %1").arg(n))) << n;
    }
    void leciono()
    {
        QFETCH(int, n);
        QWidget patro;
        QScopedPointer<QFrame> leciono(KreasLecionon(n, &patro));
        if (!leciono)
            QSKIP("this lesson does not exist yet");
        // Every word label's own clip is listed with the label's text. A
        // lesson whose word boxes do not speak (lessons 8 on) asks for no clip.
        const auto etikedoj = leciono->findChildren<klakbutono_nova*>();
        QVERIFY(!etikedoj.isEmpty() || n >= 8);
        for (auto* k : etikedoj) {
            const QString klipo = k->klipo().toLower();
            QVERIFY2(klipoj.contains(klipo), qPrintable(k->objectName() + QStringLiteral(": ") + klipo));
            QVERIFY2(klipoj.value(klipo).teksto.compare(plata(k->text()), Qt::CaseInsensitive) == 0,
                     qPrintable(k->objectName() + QStringLiteral(": ") + klipoj.value(klipo).teksto));
        }
        // A reading's recording says the reading beside its player (the
        // labels marked "teksta" on its page) and not the word list under it.
        const auto ludiloj = leciono->findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Lec\\d\\d_memo")));
        for (QFrame* ludilo : ludiloj) {
            QWidget* pagho = ludilo;
            while (pagho->parentWidget() && !qobject_cast<QTabWidget*>(pagho->parentWidget()->parentWidget()))
                pagho = pagho->parentWidget();
            QStringList legajhoj;
            const auto tekstoj = pagho->findChildren<QLabel*>();
            for (QLabel* e : tekstoj)
                if (e->property("tipo").toString() == QLatin1String("teksta"))
                    legajhoj << plata(e->text());
            if (legajhoj.isEmpty())
                continue;
            const QString nomo = ludilo->objectName();
            const QString klipo =
                QStringLiteral("sonoj/") + nomo.left(5).toLower() + QLatin1Char('/') + nomo.mid(6) + mp3_finajho;
            QCOMPARE(klipoj.value(klipo).teksto, legajhoj.join(QLatin1Char(' ')));
        }
        // Every player has its file listed; a song's is made from the score
        // named after it, which the source tree holds.
        const auto cxiujLudiloj = leciono->findChildren<QFrame*>();
        for (QFrame* l : cxiujLudiloj) {
            if (!l->inherits("mp3ludilo"))
                continue;
            const QString dosiero = l->objectName().mid(6);
            const QString ll = l->objectName().left(5).toLower();
            const QString klipo = QStringLiteral("sonoj/") + ll + QLatin1Char('/') + dosiero + mp3_finajho;
            QVERIFY2(klipoj.contains(klipo), qPrintable(klipo));
            if (dosiero.startsWith(QLatin1String("memo")))
                continue;
            const QString partituro =
                QStringLiteral("tools/muziko/") + ll + QLatin1Char('_') + dosiero + QStringLiteral(".py");
            QCOMPARE(klipoj.value(klipo).teksto, QStringLiteral("=muziko ") + partituro);
            QCOMPARE(klipoj.value(klipo).vocxo, QStringLiteral("-"));
            QVERIFY2(QFileInfo::exists(fonto + QLatin1Char('/') + partituro), qPrintable(partituro));
        }
        if (n == 2) {
            // The video, and beside it its song alone, from one score.
            const QString partituro = QStringLiteral("tools/muziko/lec02_ziv_video.py");
            QCOMPARE(klipoj.value(QStringLiteral("video/lec02/ziv_video.ogv")).teksto,
                     QStringLiteral("=video ") + partituro);
            QCOMPARE(klipoj.value(QStringLiteral("sonoj/lec02/ziv_video.oga")).teksto,
                     QStringLiteral("=muziko ") + partituro);
            QVERIFY(QFileInfo::exists(fonto + QLatin1Char('/') + partituro));
        }
        if (n == 1) {
            QCOMPARE(klipoj.value(QStringLiteral("sonoj/lec01/cx.oga")).teksto, QStringLiteral("Ĉ"));
            QCOMPARE(klipoj.value(QStringLiteral("sonoj/lec01/jxurnalo.oga")).teksto, QStringLiteral("ĵurnalo"));
            QCOMPARE(klipoj.value(QStringLiteral("sonoj/lec01/btn214.oga")).teksto, QStringLiteral("instruisto"));
        }
    }

    // --- making the folder ---------------------------------------------------

    void generas_kaj_kontrolas()
    {
        // The feedback and greeting clips, and a few of lesson 1 once it
        // exists, made into the program's own media folder.
        QString nur = QStringLiteral("^sonoj/[^/]+$");
        if (ekzistas(1))
            nur += QStringLiteral("|^sonoj/lec01/(cx|a|jxurnalo|btn214)\\.oga$");
        const QString celo = mrLoko;
        const QStringList opcioj{celo, QStringLiteral("--nur"), nur};

        Rezulto r = skripto(QStringLiteral("sonoj.sh"), opcioj);
        QVERIFY2(r.stato == 0, qPrintable(r.el + r.eraroj));
        const int kiom = faritaj(r);
        QVERIFY2(kiom > 50, qPrintable(r.el));
        r = skripto(QStringLiteral("sonkontrolo.sh"), opcioj);
        QVERIFY2(r.stato == 0, qPrintable(r.el + r.eraroj));
        QVERIFY2(r.el.contains(QStringLiteral("%1 clips checked, 0 faulty").arg(kiom)), qPrintable(r.el));

        // Nothing changed: nothing is made again.
        r = skripto(QStringLiteral("sonoj.sh"), opcioj);
        QVERIFY2(r.stato == 0 && faritaj(r) == 0, qPrintable(r.el + r.eraroj));

        // A missing clip, and one whose recorded text differs, are remade.
        QVERIFY(QFile::remove(celo + QStringLiteral("sonoj/gratulo3.oga")));
        const QString manifesto = celo + QStringLiteral("sonoj/.manifesto");
        QByteArray m = legas(manifesto);
        const int i = m.indexOf("\tsonoj/nebona5.oga");
        QVERIFY(i > 0);
        m[i - 4] = m.at(i - 4) == '0' ? '1' : '0';
        testilo::skribas(manifesto, m);
        const QByteArray antaue = legas(celo + QStringLiteral("sonoj/jes1.oga"));
        r = skripto(QStringLiteral("sonoj.sh"), opcioj);
        QVERIFY2(r.stato == 0 && faritaj(r) == 2, qPrintable(r.el + r.eraroj));
        QVERIFY(QFileInfo(celo + QStringLiteral("sonoj/gratulo3.oga")).size() > 0);
        QCOMPARE(legas(celo + QStringLiteral("sonoj/jes1.oga")), antaue);

        // The check finds a damaged, an empty and a missing clip by name.
        const QString sonoj = celo + QStringLiteral("sonoj/");
        testilo::skribas(sonoj + QStringLiteral("prave1.oga"), legas(sonoj + QStringLiteral("prave2.oga")).left(300));
        testilo::skribas(sonoj + QStringLiteral("trafe1.oga"), QByteArray());
        QVERIFY(QFile::remove(sonoj + QStringLiteral("ne1.oga")));
        r = skripto(QStringLiteral("sonkontrolo.sh"), opcioj);
        QCOMPARE(r.stato, 1);
        QVERIFY2(r.el.contains(QStringLiteral("sonoj/prave1.oga: ")), qPrintable(r.el));
        QVERIFY2(r.el.contains(QStringLiteral("sonoj/trafe1.oga: empty file")), qPrintable(r.el));
        QVERIFY2(r.el.contains(QStringLiteral("sonoj/ne1.oga: missing")), qPrintable(r.el));
        QVERIFY2(r.el.contains(QStringLiteral("3 faulty")), qPrintable(r.el));

        // The remedy the check advises: remove them and make them again.
        for (const char* f : {"prave1.oga", "trafe1.oga"})
            QVERIFY(QFile::remove(sonoj + QLatin1String(f)));
        r = skripto(QStringLiteral("sonoj.sh"), opcioj);
        QVERIFY2(r.stato == 0 && faritaj(r) == 3, qPrintable(r.el + r.eraroj));
        r = skripto(QStringLiteral("sonkontrolo.sh"), opcioj);
        QVERIFY2(r.stato == 0, qPrintable(r.el + r.eraroj));
    }

    void kanto_sen_partituro()
    {
        // A song whose score is not in the source tree is told by name and
        // fails the run; the clips beside it are made all the same.
        const QString celo = testilo::novaDosierujo(QStringLiteral("sen_partituro"));
        const QString listoDosiero = celo + QStringLiteral("listo.txt");
        testilo::skribas(listoDosiero, "sonoj/lec09/kanto.oga\t=muziko tools/muziko/lec09_kanto.py\t-\n"
                                       "sonoj/lec09/domo.oga\tdomo\n");
        const Rezulto r = skripto(QStringLiteral("sonoj.sh"), {celo, QStringLiteral("--listo"), listoDosiero});
        QCOMPARE(r.stato, 1);
        QVERIFY2(r.eraroj.contains(QStringLiteral("no score tools/muziko/lec09_kanto.py for sonoj/lec09/kanto.oga")),
                 qPrintable(r.eraroj));
        QVERIFY2(r.el.contains(QStringLiteral("2 clips listed, 1 made")), qPrintable(r.el));
        QVERIFY(QFileInfo(celo + QStringLiteral("sonoj/lec09/domo.oga")).size() > 0);
        QVERIFY(!QFileInfo::exists(celo + QStringLiteral("sonoj/lec09/kanto.oga")));
    }

    void generas_nur_la_siajn()
    {
        // A full run against a stand-in list tool: what the list drops and the
        // script had made goes; a clip the script did not make stays untouched.
        const QString celo = testilo::novaDosierujo(QStringLiteral("plena"));
        const QString listoDosiero = celo + QStringLiteral("listo.txt");
        const QString ilo = celo + QStringLiteral("sonlisto.sh");
        testilo::skribas(ilo, "#!/bin/sh\ncat \"$(dirname \"$0\")/listo.txt\"\n");
        QFile(ilo).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QMap<QString, QString> medio{{QStringLiteral("SONLISTO"), ilo}};
        testilo::skribas(listoDosiero, "sonoj/lec01/domo.oga\tdomo\teo\taaaa\n"
                                       "sonoj/lec01/btn7.oga\tla domo\teo\tbbbb\n"
                                       "sonoj/lec01/mano.oga\tmano\teo\tcccc\n");
        const QByteArray propra("a recording made by hand");
        testilo::skribas(celo + QStringLiteral("sonoj/lec01/mano.oga"), propra);

        Rezulto r = skripto(QStringLiteral("sonoj.sh"), {celo}, medio);
        QVERIFY2(r.stato == 0 && faritaj(r) == 2, qPrintable(r.el + r.eraroj));
        QVERIFY2(r.el.contains(QStringLiteral("1 kept as found")), qPrintable(r.el));
        QCOMPARE(legas(celo + QStringLiteral("sonoj/lec01/mano.oga")), propra);

        testilo::skribas(listoDosiero, "sonoj/lec01/domo.oga\tdomo\teo\taaaa\n");
        r = skripto(QStringLiteral("sonoj.sh"), {celo}, medio);
        QVERIFY2(r.stato == 0 && r.el.contains(QStringLiteral("1 removed")), qPrintable(r.el + r.eraroj));
        QVERIFY(!QFile::exists(celo + QStringLiteral("sonoj/lec01/btn7.oga")));
        QVERIFY(QFile::exists(celo + QStringLiteral("sonoj/lec01/domo.oga")));
        QCOMPARE(legas(celo + QStringLiteral("sonoj/lec01/mano.oga")), propra);
    }

    // --- playing --------------------------------------------------------------

    void ludas_per_la_programo()
    {
        // A word clip made into the program's media folder beside the
        // feedback clips made above, then played by the main window's player.
        Rezulto r =
            skripto(QStringLiteral("sonoj.sh"), {mrLoko, QStringLiteral("--nur"), QStringLiteral("^sonoj/[^/]+$")});
        QVERIFY2(r.stato == 0, qPrintable(r.el + r.eraroj));
        const QString listoDosiero = testilo::novaDosierujo(QStringLiteral("unu")) + QStringLiteral("listo.txt");
        testilo::skribas(listoDosiero, "sonoj/lec01/cxio.oga\tĉio\n");
        r = skripto(QStringLiteral("sonoj.sh"), {mrLoko, QStringLiteral("--listo"), listoDosiero});
        QVERIFY2(r.stato == 0 && faritaj(r) == 1, qPrintable(r.el + r.eraroj));

        // A language is chosen, so the main window starts without asking.
        {
            IniDosiero agordoj(savasLoko + QStringLiteral("darudaver.ini"));
            agordoj.beginGroup(QStringLiteral("Gxenerala"));
            agordoj.setValue(QStringLiteral("Lingvo"), QStringLiteral("English — angla"));
            agordoj.setValue(QStringLiteral("Dosiero"), QStringLiteral("angla.trd"));
        }
        lerbo w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        auto* vorto = new klakbutono_nova(&w);
        vorto->setObjectName(QStringLiteral("Lec01_Button78"));
        vorto->setText(QStringLiteral("ĉio"));
        vorto->klakita();
        QCOMPARE(w.sonludilo()->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec01/cxio.oga")));
        QTRY_COMPARE_WITH_TIMEOUT(w.sonludilo()->mediaStatus(), QMediaPlayer::EndOfMedia, 20000);
        QCOMPARE(w.ludilo->error(), QMediaPlayer::NoError);

        // Spoken feedback and the greeting find a made clip for every word
        // they may choose.
        lSxaltilo = true;
        lNoteto = false;
        auto ludata = [&] { return w.ludilo->media().request().url().toLocalFile(); };
        for (int i = 0; i < 40; ++i) {
            w.ludilo->setMedia(QMediaContent());
            Jes();
            QVERIFY2(QFileInfo(ludata()).size() > 0, qPrintable(ludata()));
            w.ludilo->setMedia(QMediaContent());
            Adiau();
            QVERIFY2(QFileInfo(ludata()).size() > 0, qPrintable(ludata()));
            w.ludilo->setMedia(QMediaContent());
            w.Saluton();
            QVERIFY2(QFileInfo(ludata()).size() > 0, qPrintable(ludata()));
        }
        w.ludilo->setMedia(QMediaContent());
        Ne();
        QVERIFY2(QFileInfo(ludata()).size() > 0, qPrintable(ludata()));
        for (int i = 0; i < 10; ++i) {
            // The closed box hands the focus back; only then may a clip play.
            w.activateWindow();
            QTRY_VERIFY(QApplication::activeWindow() == &w);
            w.ludilo->setMedia(QMediaContent());
            testilo::kunModalo([&] { Mesagxo(i % 2, 1); });
            QVERIFY2(QFileInfo(ludata()).size() > 0, qPrintable(ludata()));
        }
        lNoteto = true;
        w.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        Noteto(true);
        QVERIFY2(ludata().endsWith(QStringLiteral("sonoj/noteto_jes.oga")) && QFileInfo(ludata()).size() > 0,
                 qPrintable(ludata()));
        QTRY_COMPARE_WITH_TIMEOUT(w.ludilo->mediaStatus(), QMediaPlayer::EndOfMedia, 20000);
    }
};

LERBO_TEST_MAIN(TestoSonoj)
#include "tst_sonoj.moc"
