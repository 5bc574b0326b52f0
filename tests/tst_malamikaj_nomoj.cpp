// Names that come from outside the program stand in its boxes, labels and
// lists as the text they are: the writable folder's path (a folder's name
// is anyone's choice), the values of the settings file, the downloaded
// language list, a translation's translator. Shown as rich text, a name
// holding a picture makes the widget read that file the moment it is laid
// out (a FIFO there holds the start before any window), and markup or an
// entity in it shows as something other than the name. Each place is driven
// through the real forms with a picture that names a FIFO, markup that must
// show as written, and an entity that must show as written.
#include "tst_fifogardisto.h"
#include "tst_lerbo_komuna.h"

#include "lancxilo.h"
#include "lingvoelekto.h"
#include "tradukmodelo.h"
#include "traduko.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <sys/stat.h>

using namespace lerbotesto;

namespace {

// What a widget shows of a text: the text itself, and whether it is laid
// out as rich text.
struct Vido
{
    QString kie;
    QString teksto;
    bool rica = false;
};

Vido deEtikedo(const QString& kie, const QLabel* etikedo)
{
    const Qt::TextFormat formo = etikedo->textFormat();
    return {kie, etikedo->text(),
            formo == Qt::RichText || (formo == Qt::AutoText && Qt::mightBeRichText(etikedo->text()))};
}

Vido deKesto(const QMessageBox* kesto)
{
    // The box's text stands on this label, laid out as the label's format says.
    if (const auto* etikedo = kesto->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        return deEtikedo(QStringLiteral("box"), etikedo);
    return {QStringLiteral("box"), kesto->text(), kesto->textFormat() != Qt::PlainText};
}

// Runs `ago`, closing every box and dialog it opens; what each box showed.
QList<Vido> vidojDeKestoj(const std::function<void()>& ago)
{
    QList<Vido> vidoj;
    testilo::kunModalo(ago, [&](QWidget* modalo) {
        if (qobject_cast<lerbo*>(modalo))
            return;
        if (auto* kesto = qobject_cast<QMessageBox*>(modalo))
            vidoj << deKesto(kesto);
        modalo->close();
    });
    return vidoj;
}

// The boxes standing open now, which do not hold the window up; closed.
QList<Vido> malfermitajKestoj()
{
    QList<Vido> vidoj;
    for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible()) {
            vidoj << deKesto(k);
            k->close();
        }
    return vidoj;
}

// A value as QSettings writes it into an INI file.
QByteArray citita(const QString& valoro)
{
    QByteArray b = valoro.toUtf8();
    b.replace('\\', "\\\\");
    b.replace('"', "\\\"");
    return '"' + b + '"';
}

// The editor's header as a volunteer left it, on lesson 1.
const QByteArray RedaktilaKapo = "[Tradukilo]\r\nLingvo=Deutsch\r\nLingvoID=de\r\nTradukinto=Karl\r\n"
                                 "Dosiero=germana_nova.trd\r\nLastaLeciono=1\r\n";

} // namespace

class TestoMalamikajNomoj : public QObject
{
    Q_OBJECT

    QString propraSavasLoko;
    QString fifo; // the FIFO the picture names

    // The writable folder under a path that holds the name (its slashes
    // make folders of their own).
    static QString malamikaDosierujo(const QString& nomo)
    {
        const QString vojo = testilo::novaDosierujo(QStringLiteral("nomoj")) + nomo + QLatin1Char('/');
        QDir().mkpath(vojo);
        return vojo;
    }

    // What `kie` shows once the name `nomo` has come to it.
    QList<Vido> vidojDe(const QString& kie, const QString& nomo)
    {
        QList<Vido> vidoj;
        if (kie == "settings not saved") {
            lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
            auto w = kreas();
            savasLoko = malamikaDosierujo(nomo);
            QDir().mkpath(agordoVojo() + QStringLiteral("/ene"));
            vidoj = vidojDeKestoj([&] { w->SavasKonfig(); });
        } else if (kie == "save warning at start") {
            savasLoko = malamikaDosierujo(nomo);
            QDir().mkpath(agordoVojo() + QStringLiteral("/ene"));
            std::unique_ptr<lerbo> w;
            vidoj = vidojDeKestoj([&] { w.reset(new lerbo); });
        } else if (kie == "save warning while working") {
            savasLoko = malamikaDosierujo(nomo);
            lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
            auto w = kreas();
            if (!lerbotesto::montras(w.get()))
                qWarning("the window did not come to the front");
            QLineEdit* kampo = sendKampo(w.get());
            QFile::remove(agordoVojo());
            QDir().mkpath(agordoVojo() + QStringLiteral("/ene"));
            testilo::tajpas(kampo, QStringLiteral("Saluton"));
            (void)QTest::qWaitFor([] { return !videblajKestoj().isEmpty(); }, 20000);
            vidoj = malfermitajKestoj();
            w->hide();
        } else if (kie == "second copy's lock") {
            // A folder where the lock should be; the start then ends on a
            // missing translation, before its main loop.
            savasLoko = malamikaDosierujo(nomo);
            lernantoKun(QStringLiteral("Klingona"), QStringLiteral("klingona.trd"));
            QDir().mkpath(savasLoko + QStringLiteral("darudaver.seruro"));
            Loko = testilo::novaDosierujo(QStringLiteral("sen_tradukoj"));
            vidoj = vidojDeKestoj([] { Lancxilo::lancxas(); });
            Loko = QStringLiteral(":/");
            // The exit asked for outside any loop would end the next box's loop.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        } else if (kie == "translation not found") {
            lernantoKun(QStringLiteral("Klingona"), nomo + QStringLiteral(".trd"));
            std::unique_ptr<lerbo> w;
            vidoj = vidojDeKestoj([&] { w.reset(new lerbo); });
        } else if (kie == "no translation at all") {
            lernantoKun(QStringLiteral("Klingona"), nomo + QStringLiteral(".trd"));
            Loko = testilo::novaDosierujo(QStringLiteral("sen_tradukoj"));
            vidoj = vidojDeKestoj([] { Lancxilo::lancxas(); });
            Loko = QStringLiteral(":/");
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            QCoreApplication::exec();
        } else if (kie == "language on the settings page") {
            lernantoKun(nomo, QStringLiteral("esperanto.trd"));
            auto w = kreas();
            if (!lerbotesto::montras(w.get()))
                qWarning("the window did not come to the front");
            el<QPushButton>(w.get(), "Konfigurado")->click();
            vidoj << deEtikedo(QStringLiteral("tekstoLingvo"), el<QLabel>(w.get(), "tekstoLingvo"));
            w->hide();
        } else if (kie == "language chosen in the list") {
            lernantoKun(QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"));
            skribasListon({{QStringLiteral("en"), QStringLiteral("English — angla"), QStringLiteral("angla.trd"),
                            QStringLiteral("09.07.2020")},
                           {QStringLiteral("eo"), QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"),
                            QStringLiteral("09.07.2020")},
                           {QStringLiteral("vo"), nomo, QStringLiteral("volapuka.trd"), QStringLiteral("09.07.2020")}});
            auto w = kreas();
            if (!lerbotesto::montras(w.get()))
                qWarning("the window did not come to the front");
            el<QPushButton>(w.get(), "Konfigurado")->click();
            auto* listo = el<QComboBox>(w.get(), "Lingvo");
            if (listo->count() != 3)
                qWarning("the settings page lists %d languages", listo->count());
            vidoj << Vido{QStringLiteral("list row"), listo->itemText(2), false};
            listo->setCurrentIndex(1);
            listo->setFocus();
            QTest::keyClick(listo, Qt::Key_Down);
            vidoj << deEtikedo(QStringLiteral("tekstoLingvo"), el<QLabel>(w.get(), "tekstoLingvo"));
            w->hide();
        } else if (kie == "translator on the credits page") {
            lernantoKun(QStringLiteral("Nomoj"), QStringLiteral("nomoj.trd"));
            testilo::skribas(savasLoko + QStringLiteral("nomoj.trd"),
                             "[Traduko]\r\nLingvo=Nomoj\r\nLingvoID=xx\r\nDato=01.01.2020\r\nTradukinto=" + citita(nomo)
                                 + "\r\n" + testilo::CxefajGrupoj);
            auto w = kreas();
            if (!lerbotesto::montras(w.get()))
                qWarning("the window did not come to the front");
            el<QPushButton>(w.get(), "Kreditoj")->click();
            vidoj << deEtikedo(QStringLiteral("Tradukinto"), el<QLabel>(w.get(), "Tradukinto"));
            w->hide();
        } else if (kie == "first start's language list") {
            skribasListon({{QStringLiteral("en"), QStringLiteral("English — angla"), QStringLiteral("angla.trd"),
                            QStringLiteral("09.07.2020")},
                           {QStringLiteral("vo"), nomo, QStringLiteral("volapuka.trd"), QStringLiteral("09.07.2020")}});
            lingvoelekto dialogo;
            dialogo.show();
            auto* listo = el<QListWidget>(&dialogo, "Lingvo");
            (void)QTest::qWaitFor([listo] { return listo->count() == 2; }, 20000);
            if (QListWidgetItem* vico = listo->item(1))
                vidoj << Vido{QStringLiteral("list row"), vico->text(), false};
            // Chosen, so that the close fetches nothing.
            sLingvo = QStringLiteral("English — angla");
            sTradukoDosiero = QStringLiteral("angla.trd");
            dialogo.hide();
        } else if (kie == "editor's folder") {
            savasLoko = malamikaDosierujo(nomo);
            std::unique_ptr<traduko> d;
            vidoj = vidojDeKestoj([&] { d.reset(new traduko); });
            d->show();
            vidoj << deEtikedo(QStringLiteral("vojo_dosierujo"), el<QLabel>(d.get(), "vojo_dosierujo"));
        } else if (kie == "editor's failed save") {
            savasLoko = malamikaDosierujo(nomo);
            testilo::skribas(agordoVojo(), RedaktilaKapo);
            QDir().mkpath(savasLoko + QStringLiteral("germana_nova.trd")); // a folder where the file goes
            std::unique_ptr<traduko> d;
            vidoj = vidojDeKestoj([&] { d.reset(new traduko); });
            d->show();
            testilo::tajpas(el<QPlainTextEdit>(d.get(), "Memo1"), QStringLiteral("Hallo"));
            vidoj << vidojDeKestoj([&] { d->close(); });
        } else if (kie == "editor's recovery question") {
            savasLoko = malamikaDosierujo(nomo);
            testilo::skribas(agordoVojo(), RedaktilaKapo);
            testilo::skribas(savasLoko + TradukModelo::RestarigoNomo(),
                             "[Restarigo]\r\nDosiero=germana_nova.trd\r\nSekcio=Lec01\r\nPozicio=0\r\n"
                             "[Lec01]\r\nLabel10=Hallo\r\n");
            std::unique_ptr<traduko> d;
            vidoj = vidojDeKestoj([&] { d.reset(new traduko); });
        }
        return vidoj;
    }

private slots:
    void initTestCase()
    {
        propraSavasLoko = savasLoko;
        fifo = testilo::novaDosierujo(QStringLiteral("celoj")) + QStringLiteral("fifo");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    }
    void init()
    {
        savasLoko = propraSavasLoko;
        purigas();
    }
    void cleanup()
    {
        savasLoko = propraSavasLoko;
        Loko = QStringLiteral(":/");
        NeEkzistasTraduko = false;
        QDir(testilo::novaDosierujo(QStringLiteral("nomoj"))).removeRecursively();
    }

    void nomo_data()
    {
        QTest::addColumn<QString>("kie");
        QTest::addColumn<QString>("kio");
        for (const char* kie :
             {"settings not saved", "save warning at start", "save warning while working", "second copy's lock",
              "translation not found", "no translation at all", "language on the settings page",
              "language chosen in the list", "translator on the credits page", "first start's language list",
              "editor's folder", "editor's failed save", "editor's recovery question"})
            for (const char* kio : {"picture", "markup", "entity"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(kie, kio))) << kie << kio;
    }
    void nomo()
    {
        QFETCH(QString, kie);
        QFETCH(QString, kio);
        std::unique_ptr<FifoGardisto> gardisto;
        QString kerno;
        if (kio == "picture") {
            kerno = QStringLiteral("<img src=\"") + fifo + QStringLiteral("\">");
            gardisto.reset(new FifoGardisto(QFile::encodeName(fifo)));
        } else if (kio == "markup") {
            kerno = QStringLiteral("<b>x</b>");
        } else {
            kerno = QStringLiteral("&lt;");
        }
        const QString nomo = QStringLiteral("Nomo") + kerno + QStringLiteral("Fino");

        QList<Vido> vidoj;
        for (const Vido& v : vidojDe(kie, nomo))
            if (v.teksto.contains(QLatin1String("Nomo")))
                vidoj << v;

        if (gardisto)
            QVERIFY2(!gardisto->malfermita(), "the FIFO the name's picture names was opened");
        QVERIFY2(!vidoj.isEmpty(), "the name is shown nowhere");
        for (const Vido& v : qAsConst(vidoj)) {
            QVERIFY2(!v.rica, qPrintable(v.kie + QStringLiteral(" shows as rich text: ") + v.teksto));
            // A picture from outside may be left out by the cleaner of
            // downloaded texts; markup and entities show as written.
            if (kio != "picture")
                QVERIFY2(v.teksto.contains(nomo), qPrintable(v.kie + QStringLiteral(" shows: ") + v.teksto));
        }
    }
};

LERBO_TEST_MAIN(TestoMalamikajNomoj)
#include "tst_malamikaj_nomoj.moc"
