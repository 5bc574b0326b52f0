// What the learner does is kept: the settings file is written as the
// learner goes, its failures are told when they happen and only then.
#include "agordoj.h"
#include "tst_lerbo_komuna.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace lerbotesto;

namespace {

// Bytes that read as no INI file at all.
QByteArray hazardajBajtoj(int kiom)
{
    QByteArray b;
    quint32 x = 2463534242u;
    for (int i = 0; i < kiom; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b.append(char(x & 0xff));
    }
    return b;
}

QString konservita(const QString& sxlosilo)
{
    return IniDosiero(agordoVojo()).value(sxlosilo).toString();
}

using testilo::fermasKestojn;

} // namespace

class TestoKonservado : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    // A settings file of random bytes is written over at the close, and that
    // write is no failure: no box says the changes are lost.
    void hazardaDosieroNeEstasFiasko()
    {
        testilo::skribas(agordoVojo(), hazardajBajtoj(4000));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        const QStringList mesagxoj = kunKestoj([&] { w->close(); });
        QVERIFY2(mesagxoj.isEmpty(), qPrintable(mesagxoj.join(QLatin1Char('|'))));
        sTradukoDosiero.clear();
        Agordoj::legas(agordoVojo());
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
    }

    // Answers reach the disk while the program runs: when the learner turns
    // the page, goes back home, or stops typing for a moment.
    void respondojDumLaboro_data()
    {
        QTest::addColumn<QString>("ago");
        QTest::newRow("turns the page") << "pagho";
        QTest::newRow("goes home") << "hejmo";
        QTest::newRow("stops typing") << "nenio";
    }
    void respondojDumLaboro()
    {
        QFETCH(QString, ago);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        QLineEdit* kampo = sendKampo(w.get());
        QVERIFY(kampo);
        testilo::tajpas(kampo, QStringLiteral("Mi lernas."));
        const QString sxlosilo = QStringLiteral("Lec01/") + kampo->objectName();
        if (ago == QLatin1String("pagho")) {
            el<QPushButton>(w.get(), "dekstren")->click();
            QCOMPARE(konservita(sxlosilo), QStringLiteral("Mi lernas."));
            QCOMPARE(konservita(QStringLiteral("Gxenerala/LastaPagxo")).toInt(), 0);
        } else if (ago == QLatin1String("hejmo")) {
            el<QPushButton>(w.get(), "Hejmo")->click();
            QCOMPARE(konservita(sxlosilo), QStringLiteral("Mi lernas."));
        } else {
            QTRY_COMPARE(konservita(sxlosilo), QStringLiteral("Mi lernas."));
        }
        w->hide();
    }

    // The first start's choice is on disk before the window even shows.
    void lingvoTujKonservita()
    {
        auto w = kreas(); // the dialog is closed: English
        QCOMPARE(konservita(QStringLiteral("Gxenerala/Dosiero")), QStringLiteral("angla.trd"));
    }

    // Every character comes back as typed, those outside the Basic
    // Multilingual Plane too, even after the settings are written again
    // around them; lines written before read as they always did.
    void cxiujSignoj_data()
    {
        QTest::addColumn<QString>("teksto");
        QTest::newRow("emoji") << QStringLiteral("Ĉu 😀 jes");
        QTest::newRow("only emoji") << QStringLiteral("😀😀");
        QTest::newRow("musical sign, quotes, comma, equals") << QStringLiteral("𝄞 \"ŝi\", diris; a=b \\ fino ");
        QTest::newRow("new line and tab after") << QStringLiteral("𐍈\n\tdua linio 0f");
    }
    void cxiujSignoj()
    {
        QFETCH(QString, teksto);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        {
            auto w = kreas();
            QVERIFY(montras(w.get()));
            QLineEdit* kampo = sendKampo(w.get());
            kampo->setText(teksto);
            el<QPushButton>(w.get(), "Hejmo")->click();
            QVERIFY(w->close());
        }
        QCOMPARE(konservita(QStringLiteral("Lec01/lineEdit")), teksto);
        QVERIFY(Agordoj::skribas(agordoVojo()));
        QCOMPARE(konservita(QStringLiteral("Lec01/lineEdit")), teksto);
        auto w = kreas();
        QVERIFY(montras(w.get()));
        QCOMPARE(sendKampo(w.get())->text(), teksto);
        w->hide();
    }
    void malnovaDosiero()
    {
        testilo::skribas(agordoVojo(), "[Lec01]\nlineEdit=\"\xc4\x88u vi, \\\"jes\\\"?\"\nlineEdit_2=\"a, b\"\n");
        QCOMPARE(konservita(QStringLiteral("Lec01/lineEdit")), QStringLiteral("Ĉu vi, \"jes\"?"));
        QCOMPARE(konservita(QStringLiteral("Lec01/lineEdit_2")), QStringLiteral("a, b"));
    }

    // A folder that cannot be written is told at start, before any work;
    // one that stops being writable is told at the next save, once.
    void neSkribebla_data()
    {
        QTest::addColumn<QString>("kio");
        QTest::newRow("a folder in place of darudaver.ini") << "dosierujo";
        QTest::newRow("a file in place of the writable folder") << "dosiero";
    }
    void neSkribebla()
    {
        QFETCH(QString, kio);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        const QString propra = savasLoko;
        auto malhelpas = [&] {
            if (kio == QLatin1String("dosierujo")) {
                QFile::remove(agordoVojo());
                QVERIFY(QDir().mkpath(agordoVojo() + QStringLiteral("/ene")));
            } else {
                const QString celo = testilo::novaDosierujo(QStringLiteral("ne_dosierujo"));
                QDir().rmdir(celo);
                testilo::skribas(celo.chopped(1), "ne dosierujo");
                savasLoko = celo + QStringLiteral("ene/");
            }
        };
        auto riparas = [&] {
            savasLoko = propra;
            QDir(agordoVojo()).removeRecursively();
        };

        // At start.
        malhelpas();
        QStringList mesagxoj;
        auto w = kreas(&mesagxoj);
        QCOMPARE(mesagxoj.size(), 1);
        QVERIFY2(mesagxoj.first().contains(QStringLiteral("cannot be saved")), qPrintable(mesagxoj.first()));
        riparas();
        w.reset();

        // While working: told once for two failed saves.
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        w = kreas(&mesagxoj);
        QVERIFY(mesagxoj.isEmpty());
        QVERIFY(montras(w.get()));
        QLineEdit* kampo = sendKampo(w.get());
        malhelpas();
        testilo::tajpas(kampo, QStringLiteral("Saluton"));
        QTRY_COMPARE(videblajKestoj().size(), 1);
        QVERIFY(videblajKestoj().first().contains(QStringLiteral("cannot be saved")));
        fermasKestojn();
        QVERIFY(montras(w.get()));
        testilo::tajpas(kampo, QStringLiteral(" denove"));
        el<QPushButton>(w.get(), "dekstren")->click();
        QVERIFY(videblajKestoj().isEmpty());
        riparas();
        w->hide();
    }

    // The close's warning that nothing could be kept: a box when the learner
    // closes the window, none when the end is asked from outside (a signal,
    // the session), where nobody may be there to answer it.
    void finaAverto_data()
    {
        QTest::addColumn<bool>("deEkstere");
        QTest::newRow("the learner closes the window") << false;
        QTest::newRow("an end asked from outside") << true;
    }
    void finaAverto()
    {
        QFETCH(bool, deEkstere);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        testilo::tajpas(sendKampo(w.get()), QStringLiteral("Saluton"));
        el<QPushButton>(w.get(), "Hejmo")->click();
        QFile::remove(agordoVojo());
        QVERIFY(QDir().mkpath(agordoVojo() + QStringLiteral("/ene")));
        const QStringList kestoj = kunKestoj([&] {
            if (!deEkstere) {
                QVERIFY(w->close());
                return;
            }
            fermasDeEkstere(w.get());
        });
        QDir(agordoVojo()).removeRecursively();
        QVERIFY(!w->isVisible());
        if (deEkstere) {
            QCOMPARE(kestoj, QStringList());
        } else {
            QCOMPARE(kestoj.size(), 1);
            QVERIFY2(kestoj.first().startsWith(QStringLiteral("The settings could not be saved")),
                     qPrintable(kestoj.first()));
        }
    }

    // A saved page the lesson does not have opens the lesson's first page.
    void paghoEksterLimoj_data()
    {
        QTest::addColumn<int>("pagho");
        QTest::newRow("past the last") << 99;
        QTest::newRow("negative") << -3;
    }
    void paghoEksterLimoj()
    {
        QFETCH(int, pagho);
        lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
        skribasAgordojn({{QStringLiteral("LastaLeciono"), 2}, {QStringLiteral("LastaPagxo"), pagho}});
        auto w = kreas();
        QVERIFY(montras(w.get()));
        el<QPushButton>(w.get(), "KieButono")->click();
        QCOMPARE(el<QTabWidget>(w.get(), "Lec02")->currentIndex(), 0);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text().section(QLatin1Char('/'), 0, 0), QStringLiteral("1"));
        w->hide();
    }
};

LERBO_TEST_MAIN(TestoKonservado)
#include "tst_konservado.moc"
