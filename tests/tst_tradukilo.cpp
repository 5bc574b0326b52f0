// The translation editor as the volunteer uses it: the real dialog, offscreen,
// on the fixture translation files of tests/fiksajhoj/tradukilo/.
#include "agordo.h"
#include "filedownloader.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "testilo.h"
#include "traduko.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <memory>

namespace {

// What a language list makes of traduklisto.ini: groups "0" upward until the
// first without a code.
struct ListoEro
{
    QString id, lingvo, dosiero, dato;
};
QList<ListoEro> legasListon(const QString& vojo)
{
    QList<ListoEro> eroj;
    IniDosiero listo(vojo);
    for (int i = 0; i < 200; ++i) {
        listo.beginGroup(QString::number(i));
        ListoEro e{listo.value("LingvoID", "??").toString(), listo.value("Lingvo", "?????????").toString(),
                   listo.value("DosierNomo", "?????????").toString(), listo.value("Dato", "?????????").toString()};
        listo.endGroup();
        if (e.id == "??")
            break;
        eroj << e;
    }
    return eroj;
}

QByteArray listo(int kiom)
{
    QByteArray t;
    for (int i = 0; i < kiom; ++i)
        t += QStringLiteral("[%1]\r\nLingvoID=x%1\r\nLingvo=Lingvo %1\r\nDosierNomo=alia%1.trd\r\n"
                            "Dato=01.01.2020\r\n")
                 .arg(i)
                 .toUtf8();
    return t;
}

const QByteArray PlenaKapo = "[Tradukilo]\r\nLingvo=Deutsch — germana\r\nLingvoID=de\r\n"
                             "Tradukinto=Karl Muster\r\nDosiero=germana_nova.trd\r\n";

} // namespace

class TestoTradukilo : public QObject
{
    Q_OBJECT

    std::unique_ptr<traduko> dlg;
    QList<QUrl> malfermitaj;
    QStringList mesaghoj; // texts of the modal boxes of the last action
    int dosierujoj = 0;

    template <typename T>
    T* w(const char* nomo)
    {
        return testilo::trovas<T>(dlg.get(), QLatin1String(nomo));
    }
    QPlainTextEdit* memo1() { return w<QPlainTextEdit>("Memo1"); }
    QString pozicio() { return w<QLabel>("pozicio")->text(); }
    QComboBox* listoSekcioj() { return w<QComboBox>("Listo"); }

    // Runs an action, closing every message box it opens and keeping its text.
    int kunMesaghoj(const std::function<void()>& ago)
    {
        mesaghoj.clear();
        return testilo::kunModalo(ago, [this](QWidget* m) {
            if (auto* mb = qobject_cast<QMessageBox*>(m))
                mesaghoj << mb->text();
            m->close();
        });
    }

    // A fresh writable folder with the given settings and translation list.
    void preparasDosierujon(const QByteArray& agordoj, const QByteArray& traduklisto = QByteArray())
    {
        savasLoko = testilo::novaDosierujo(QStringLiteral("skribebla%1").arg(++dosierujoj));
        if (!agordoj.isEmpty())
            testilo::skribas(savasLoko + "darudaver.ini", agordoj);
        if (!traduklisto.isNull())
            testilo::skribas(savasLoko + "traduklisto.ini", traduklisto);
    }

    void malfermas()
    {
        dlg.reset();
        QCOMPARE(kunMesaghoj([this] { dlg.reset(new traduko); }), 0);
    }

    // Chooses a section as the volunteer does with the list.
    void elektas(const QString& sekcio)
    {
        listoSekcioj()->setCurrentText(sekcio);
        dlg->on_Listo_activated(sekcio);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(tradukilo);
        TradukModelo::MetasTradukujon(QStringLiteral(":/fiksajhoj/tradukilo/"));
        traduko::MalfermasUrl = [this](const QUrl& u) {
            malfermitaj << u;
            return true;
        };
    }

    void cleanup() { dlg.reset(); }

    void everyButtonShowsItsPicture()
    {
        // A picture named in the form but missing from the resources would
        // leave its button blank.
        preparasDosierujon(QByteArray());
        malfermas();
        int kun = 0;
        const auto butonoj = dlg->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : butonoj) {
            if (b->icon().isNull())
                continue;
            ++kun;
            QVERIFY2(!b->icon().availableSizes().isEmpty(), qPrintable(b->objectName()));
        }
        QVERIFY(kun >= 6);
    }

    void freshSettingsGiveTheDefaults()
    {
        preparasDosierujon(QByteArray());
        malfermas();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Tradukilo"));
        QCOMPARE(w<QLineEdit>("Edit_dosiero")->text(), QStringLiteral("mia_traduko.trd"));
        QCOMPARE(w<QLineEdit>("Edit1")->text(), QString());
        QCOMPARE(w<QSpinBox>("literGrando")->value(), 12);
        QCOMPARE(w<QSlider>("horizontalSlider")->value(), 12);
        QCOMPARE(listoSekcioj()->count(), 30);
        QCOMPARE(listoSekcioj()->currentText(), QStringLiteral("Gheneralaj"));
        QCOMPARE(listoSekcioj()->itemText(29), QStringLiteral("Ekzerco-Klarigoj"));
        QCOMPARE(dlg->sReferenca1, QStringLiteral("esperanto.trd"));
        QCOMPARE(dlg->sReferenca2, QStringLiteral("angla.trd"));
        QCOMPARE(w<QComboBox>("lingvoj1")->currentText(), QStringLiteral("Esperanto"));
        QCOMPARE(w<QComboBox>("lingvoj2")->currentText(), QStringLiteral("English — angla"));
        QCOMPARE(w<QLabel>("vojo_dosierujo")->text(), savasLoko);
        // Four built-in files in name order; one without a header shows placeholders.
        QCOMPARE(dlg->Lingvoj.size(), 4);
        QCOMPARE(dlg->Lingvoj.at(3), (QStringList{"??", "?????????", "sen_kapo.trd"}));
        QCOMPARE(w<QComboBox>("lingvoj1")->itemText(3), QStringLiteral("?????????"));
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 1 / 3        (TFrame2.PP_Label1)   "));
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Prononco"));
        // A comma left unquoted in a file still shows as one text.
        dlg->Movighas("fina");
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Skribu la vorton, kiun vi aŭdas."));
        QCOMPARE(w<QLabel>("Memo3")->text(), QStringLiteral("Ne tradukita."));
    }

    void translateMoveAndSave()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n", listo(2));
        malfermas();
        dlg->show();
        QCOMPARE(listoSekcioj()->currentText(), QStringLiteral("Lec01"));
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 1 / 123        (Label10)   "));
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Ĉu vi parolas Esperanton?"));
        QCOMPARE(w<QLabel>("Memo3")->text(), QStringLiteral("Do you speak Esperanto?"));

        QTest::keyClicks(memo1(), QStringLiteral("Sprechen Sie Esperanto?"));
        w<QPushButton>("Button2")->click();
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 2 / 123        (Label2)   "));
        QCOMPARE(memo1()->toPlainText(), QString());
        w<QPushButton>("Button2")->click();
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 3 / 123        (Label7)   "));
        memo1()->setPlainText(QStringLiteral("Grüße, Freunde"));
        w<QPushButton>("Button1")->click();
        w<QPushButton>("Button5")->click();
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Sprechen Sie Esperanto?"));
        w<QPushButton>("Button2")->click();
        w<QPushButton>("Button2")->click();
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Grüße, Freunde"));

        dlg->show();
        QCOMPARE(kunMesaghoj([this] { w<QPushButton>("pushButton")->click(); }), 0);
        QVERIFY(!dlg->isVisible());

        // The file reads back through the translation readers.
        const QString vojo = savasLoko + "germana_nova.trd";
        QVERIFY(QFileInfo::exists(vojo));
        {
            IniDosiero f(vojo);
            QCOMPARE(f.value("Traduko/Lingvo").toString(), QStringLiteral("Deutsch — germana"));
            QCOMPARE(f.value("Traduko/LingvoID").toString(), QStringLiteral("de"));
            QCOMPARE(f.value("Traduko/Tradukinto").toString(), QStringLiteral("Karl Muster"));
            QCOMPARE(f.value("Traduko/LiterGrando").toInt(), 12);
            QVERIFY(!f.contains("Traduko/Dato"));
            QCOMPARE(f.value("Lec01/Label10").toString(), QStringLiteral("Sprechen Sie Esperanto?"));
            QCOMPARE(f.value("Lec01/Label7").toString(), QStringLiteral("Grüße, Freunde"));
            f.beginGroup("Lec01");
            QCOMPARE(f.childKeys(), (QStringList{"Label10", "Label7"}));
        }
        // Its entry follows the two others in the list the language dialogs read.
        const QList<ListoEro> eroj = legasListon(savasLoko + "traduklisto.ini");
        QCOMPARE(eroj.size(), 3);
        QCOMPARE(eroj.at(2).id, QStringLiteral("de"));
        QCOMPARE(eroj.at(2).lingvo, QStringLiteral("Deutsch — germana"));
        QCOMPARE(eroj.at(2).dosiero, QStringLiteral("germana_nova.trd"));
        QCOMPARE(eroj.at(2).dato, QDate::currentDate().toString("dd.MM.yyyy"));
        {
            IniDosiero a(savasLoko + "darudaver.ini");
            QCOMPARE(a.value("Tradukilo/LastaLeciono").toInt(), 1);
            QCOMPARE(a.value("Tradukilo/Pozicio").toInt(), 2);
            QCOMPARE(a.value("Tradukilo/Dosiero").toString(), QStringLiteral("germana_nova.trd"));
            QCOMPARE(a.value("Tradukilo/Referenca1").toString(), QStringLiteral("esperanto.trd"));
        }

        // Opening again brings back the section, the entry and the own texts.
        malfermas();
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 3 / 123        (Label7)   "));
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Grüße, Freunde"));
        QCOMPARE(dlg->Modelo().Propraj().at(0), QStringLiteral("Sprechen Sie Esperanto?"));
        QVERIFY(!dlg->Modelo().HavasNekonservitajn());

        // Saving again on the same day keeps one entry.
        dlg->show();
        QCOMPARE(kunMesaghoj([this] { dlg->close(); }), 0);
        QCOMPARE(legasListon(savasLoko + "traduklisto.ini").size(), 3);
    }

    void keysAndButtons()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n");
        malfermas();
        dlg->show();
        const QStringList shlosiloj = dlg->Ordigas("Lec01");
        QCOMPARE(shlosiloj.size(), 123);
        QCOMPARE(shlosiloj.mid(0, 5), (QStringList{"Label10", "Label2", "Label7", "Label1", "Label11"}));
        QCOMPARE(dlg->Modelo().Shlosiloj(), shlosiloj);
        QVERIFY(dlg->Ordigas("Lec05").isEmpty());

        QVERIFY(!w<QPushButton>("Button5")->isEnabled());
        QVERIFY(!w<QPushButton>("Button1")->isEnabled());
        QVERIFY(w<QPushButton>("Button2")->isEnabled());
        QVERIFY(w<QPushButton>("Button6")->isEnabled());
        dlg->Movighas("antaua");
        QCOMPARE(dlg->Modelo().Pozicio(), 0);
        w<QPushButton>("Button6")->click();
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 123 / 123        (Label129)   "));
        QVERIFY(w<QPushButton>("Button5")->isEnabled());
        QVERIFY(!w<QPushButton>("Button2")->isEnabled());
        QVERIFY(!w<QPushButton>("Button6")->isEnabled());
        dlg->Movighas("posta");
        QCOMPARE(dlg->Modelo().Pozicio(), 122);
        // A missing reference text shows the editor's placeholder.
        dlg->Movighas("komenca");
        dlg->Movighas("posta");
        dlg->Movighas("posta");
        dlg->Movighas("posta");
        QCOMPARE(dlg->Modelo().Shlosilo(), QStringLiteral("Label1"));
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Ne tradukita."));

        elektas("Lec13");
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 1 / 1        (Label1)   "));
        for (const char* b : {"Button1", "Button2", "Button5", "Button6"})
            QVERIFY2(!w<QPushButton>(b)->isEnabled(), b);

        // Exercise sections are numbered after reference 1.
        elektas("Ekzerco-0204");
        QCOMPARE(dlg->Modelo().Shlosiloj(), (QStringList{"0", "1", "2", "3", "4"}));
        dlg->Movighas("fina");
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Ekzerca frazo 4"));
        QCOMPARE(w<QLabel>("Memo3")->text(), QStringLiteral("Ne tradukita."));

        // The list reacts to the keyboard as to the mouse.
        QTest::keyClick(listoSekcioj(), Qt::Key_Up);
        QCOMPARE(dlg->Modelo().Sekcio(), QStringLiteral("Mesagxoj"));
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 1 / 2        (smGratulon)   "));
    }

    void escapeClosesLikeTheCloseButton()
    {
        preparasDosierujon("[Tradukilo]\r\nLastaLeciono=1\r\n");
        malfermas();
        dlg->show();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(kunMesaghoj([this] { QTest::keyClick(memo1(), Qt::Key_Escape); }), 1);
        QVERIFY(dlg->isVisible());
        w<QLineEdit>("Edit1")->setText(QStringLiteral("Deutsch — germana"));
        w<QLineEdit>("Edit2")->setText(QStringLiteral("Karl Muster"));
        w<QLineEdit>("dulitera_lingvokodo")->setText(QStringLiteral("de"));
        QCOMPARE(kunMesaghoj([this] { QTest::keyClick(memo1(), Qt::Key_Escape); }), 0);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(IniDosiero(savasLoko + "mia_traduko.trd").value("Lec01/Label10").toString(),
                 QStringLiteral("Sprechen Sie Esperanto?"));
    }

    void findUntranslated()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n");
        testilo::skribas(savasLoko + "germana_nova.trd",
                         "[Lec01]\r\nLabel10=Sprechen Sie Esperanto?\r\nLabel2=Hallo\r\nLabel7=\"   \"\r\n");
        malfermas();
        dlg->show();
        w<QPushButton>("Button4")->click();
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 3 / 123        (Label7)   "));
        memo1()->setPlainText(QStringLiteral("Text"));
        w<QPushButton>("Button4")->click();
        QCOMPARE(dlg->Modelo().Shlosilo(), QStringLiteral("Label1"));
        QCOMPARE(dlg->Modelo().Propraj().at(2), QStringLiteral("Text"));

        elektas("Lec13");
        memo1()->setPlainText(QStringLiteral("Die Abschlussprüfung"));
        QCOMPARE(kunMesaghoj([this] { dlg->on_Button4_clicked(); }), 1);
        QCOMPARE(mesaghoj.value(0), QStringLiteral("En ĉi tiu sekcio, ĉiuj frazoj estas tradukitaj. \n"
                                                   "Bonvolu kontroli ankaŭ la aliajn sekciojn."));
        QCOMPARE(dlg->Modelo().Pozicio(), 0);
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Die Abschlussprüfung"));
    }

    void followingTheText_data()
    {
        QTest::addColumn<QString>("sekcio");
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<QString>("frazo");
        QTest::newRow("lesson 1") << "Lec01"
                                  << "Pagho01"
                                  << "Lec01_Label10";
        QTest::newRow("lesson 7") << "Lec07"
                                  << "Pagho07"
                                  << "Lec07_Label1";
        QTest::newRow("settings") << "Konfig"
                                  << "Pagho_Konfigurado"
                                  << "Konfig_Label3";
        QTest::newRow("credits") << "Menuo4"
                                 << "Pagho_Kreditoj"
                                 << "Kredit_Titolo";
        QTest::newRow("general") << "Gheneralaj"
                                 << ""
                                 << "";
        QTest::newRow("menu") << "Menuo"
                              << ""
                              << "";
        QTest::newRow("messages") << "Mesagxoj"
                                  << ""
                                  << "";
        QTest::newRow("exercise") << "Ekzerco-0204"
                                  << ""
                                  << "";
    }
    void followingTheText()
    {
        QFETCH(QString, sekcio);
        QFETCH(QString, pagho);
        QFETCH(QString, frazo);
        preparasDosierujon(PlenaKapo + "LastaLeciono=15\r\n"); // "Menuo" follows nothing
        malfermas();
        QSignalSpy paghoj(dlg.get(), &traduko::novapagho);
        QSignalSpy frazoj(dlg.get(), &traduko::novafrazo);
        elektas(sekcio);
        QCOMPARE(listoSekcioj()->currentText(), sekcio);
        if (pagho.isEmpty()) {
            dlg->Movighas("posta");
            dlg->show();
            QCOMPARE(paghoj.count(), 0);
            QCOMPARE(frazoj.count(), 0);
            return;
        }
        QVERIFY(paghoj.count() >= 1);
        for (const auto& s : paghoj)
            QCOMPARE(s.at(0).toString(), pagho);
        QCOMPARE(frazoj.count(), 1);
        QCOMPARE(frazoj.at(0), (QList<QVariant>{pagho, frazo}));

        dlg->Movighas("posta");
        QCOMPARE(frazoj.count(), 2);
        QCOMPARE(frazoj.at(1).at(0).toString(), pagho);
        QCOMPARE(frazoj.at(1).at(1).toString(), frazo.section('_', 0, 0) + "_" + dlg->Modelo().Shlosilo());

        // Every show sends the page and the current text again.
        paghoj.clear();
        frazoj.clear();
        dlg->show();
        QCOMPARE(paghoj.count(), 1);
        QCOMPARE(frazoj.count(), 1);
        QCOMPARE(frazoj.at(0).at(0).toString(), pagho);
    }

    void links()
    {
        preparasDosierujon(QByteArray());
        malfermas();
        dlg->show();
        malfermitaj.clear();
        w<QPushButton>("Button7")->click();
        w<QPushButton>("dosierujo")->click();
        QCOMPARE(malfermitaj.size(), 2);
        QCOMPARE(malfermitaj.at(0), FileDownloader::kursejo(QStringLiteral("/datumoj/tradukoj/rekomendoj.html")));
        QCOMPARE(malfermitaj.at(1), QUrl::fromLocalFile(savasLoko));
        QVERIFY(malfermitaj.at(1).isLocalFile());
    }

    void fonts()
    {
        preparasDosierujon("[Tradukilo]\r\nTiparo=DejaVu Serif\r\nLiterGrando=10\r\n");
        malfermas();
        QCOMPARE(w<QSpinBox>("literGrando")->value(), 10);
        QVERIFY(memo1()->styleSheet().startsWith("font-family: \"DejaVu Serif\"; font-size: "));
        w<QSlider>("horizontalSlider")->setValue(14);
        QCOMPARE(w<QSpinBox>("literGrando")->value(), 14);
        const QString grando = QString::number(ghustigas_tiparon(14));
        QCOMPARE(memo1()->styleSheet(),
                 "font-family: \"" + w<QComboBox>("tiparo")->currentText() + "\"; font-size: " + grando + "pt;");
        QCOMPARE(w<QLabel>("Memo2")->styleSheet(), "font-family: \"" + w<QComboBox>("tiparo")->currentText()
                                                       + "\"; font-size: " + grando
                                                       + "pt;background-color: rgb(199, 227, 255); padding: 5px;");
        w<QSpinBox>("literGrando")->setValue(8);
        QCOMPARE(w<QSlider>("horizontalSlider")->value(), 9);
    }

    void missingReferenceFallsBackOnce()
    {
        preparasDosierujon("[Tradukilo]\r\nReferenca1=nenia.trd\r\nReferenca2=germana.trd\r\n");
        dlg.reset();
        QCOMPARE(kunMesaghoj([this] { dlg.reset(new traduko); }), 1);
        QCOMPARE(mesaghoj.value(0), QStringLiteral("Mankas la tradukdosiero por antaŭe elektita referenca "
                                                   "lingvo.\nAlia lingvo estas elektita por referenco.\n"
                                                   "Bonvolu kontroli tion."));
        QCOMPARE(dlg->sReferenca1, QStringLiteral("angla.trd"));
        QCOMPARE(w<QComboBox>("lingvoj1")->currentIndex(), 0);
        QCOMPARE(w<QComboBox>("lingvoj2")->currentText(), QStringLiteral("Deutsch — germana"));
    }

    // --- Faults mended --------------------------------------------------------

    void fileNameMustStayInTheFolder_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::newRow("parent folder") << "../ekstere.trd";
        QTest::newRow("absolute") << "/tmp/ekstere.trd";
        QTest::newRow("subfolder") << "sub/ekstere.trd";
        QTest::newRow("backslash") << "sub\\ekstere.trd";
        QTest::newRow("dots") << "ekstere..trd";
        QTest::newRow("other ending") << "ekstere.ini";
        QTest::newRow("ending only") << " .trd ";
        QTest::newRow("URL characters") << "a?b#c.trd";
        QTest::newRow("65 characters") << QString(61, 'a') + ".trd";
    }
    void fileNameMustStayInTheFolder()
    {
        QFETCH(QString, nomo);
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n", listo(1));
        malfermas();
        w<QLineEdit>("Edit_dosiero")->setText(nomo);
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        bool savita = true;
        QCOMPARE(kunMesaghoj([&] { savita = dlg->SavasTrad(); }), 1);
        QVERIFY(!savita);
        QVERIFY(mesaghoj.value(0).startsWith("La dosiernomo devas esti nura nomo de dosiero"));
        QVERIFY(mesaghoj.value(0).contains("Nenio estas konservita."));
        QDir skribebla(savasLoko);
        QCOMPARE(skribebla.entryList({"*.trd"}, QDir::Files), QStringList());
        QVERIFY(!QFileInfo::exists(savasLoko + "../ekstere.trd"));
        QVERIFY(!QFileInfo::exists("/tmp/ekstere.trd"));
        QCOMPARE(legasListon(savasLoko + "traduklisto.ini").size(), 1);
        // Nor does a section change go ahead.
        QCOMPARE(kunMesaghoj([this] { elektas("Lec07"); }), 1);
        QCOMPARE(listoSekcioj()->currentText(), QStringLiteral("Lec01"));
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Sprechen Sie Esperanto?"));
    }

    // A name with a line break, from an edited settings file, would split the
    // entry of traduklisto.ini and make a file no list can name.
    void fileNameFromTheSettingsIsCheckedToo()
    {
        QByteArray agordoj = PlenaKapo + "LastaLeciono=1\r\n";
        agordoj.replace("Dosiero=germana_nova.trd", "Dosiero=\"a\\nevil.trd\"");
        preparasDosierujon(agordoj, listo(1));
        QFile listoDosiero(savasLoko + "traduklisto.ini");
        QVERIFY(listoDosiero.open(QIODevice::ReadOnly));
        const QByteArray listoEnhavo = listoDosiero.readAll();
        listoDosiero.close();
        malfermas();
        QCOMPARE(w<QLineEdit>("Edit_dosiero")->text(), QStringLiteral("a\nevil.trd"));
        dlg->show();
        testilo::tajpas(memo1(), QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(kunMesaghoj([this] { w<QPushButton>("pushButton")->click(); }), 1);
        QVERIFY(mesaghoj.value(0).startsWith("La dosiernomo devas esti nura nomo de dosiero"));
        QVERIFY(dlg->isVisible());
        QCOMPARE(QDir(savasLoko).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"darudaver.ini", "traduklisto.ini"}));
        QVERIFY(listoDosiero.open(QIODevice::ReadOnly));
        QCOMPARE(listoDosiero.readAll(), listoEnhavo);
    }

    void fileNameIsTrimmedBothTimes()
    {
        // An earlier entry of the same file is updated, not repeated.
        QByteArray l = listo(3);
        l.replace("alia1.trd", "nova.trd");
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n", l);
        malfermas();
        w<QLineEdit>("Edit_dosiero")->setText(QStringLiteral("  nova.trd  "));
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        bool savita = false;
        QCOMPARE(kunMesaghoj([&] { savita = dlg->SavasTrad(); }), 0);
        QVERIFY(savita);
        QVERIFY(QFileInfo::exists(savasLoko + "nova.trd"));
        QCOMPARE(QDir(savasLoko).entryList({"*.trd"}, QDir::Files), QStringList{"nova.trd"});
        const QList<ListoEro> eroj = legasListon(savasLoko + "traduklisto.ini");
        QCOMPARE(eroj.size(), 3);
        QCOMPARE(eroj.at(1).dosiero, QStringLiteral("nova.trd"));
        QCOMPARE(eroj.at(1).id, QStringLiteral("de"));
        QCOMPARE(eroj.at(1).dato, QDate::currentDate().toString("dd.MM.yyyy"));
    }

    void closingKeepsUnsavedWork()
    {
        preparasDosierujon("[Tradukilo]\r\nLastaLeciono=1\r\n");
        malfermas();
        dlg->show();
        // Nothing typed: an unfinished header does not hold the window.
        QCOMPARE(kunMesaghoj([this] { dlg->close(); }), 0);
        QVERIFY(!dlg->isVisible());

        dlg->show();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(kunMesaghoj([this] { dlg->close(); }), 1);
        QVERIFY(mesaghoj.value(0).startsWith("Bonvolu plenigi devigajn informojn (en la kampoj kun flava fono)."));
        QVERIFY(mesaghoj.value(0).contains("restas malfermita"));
        QVERIFY(dlg->isVisible());
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(dlg->focusWidget(), w<QLineEdit>("Edit_dosiero"));

        w<QLineEdit>("Edit1")->setText(QStringLiteral("Deutsch — germana"));
        w<QLineEdit>("Edit2")->setText(QStringLiteral("Karl Muster"));
        w<QLineEdit>("dulitera_lingvokodo")->setText(QStringLiteral("DE"));
        QCOMPARE(kunMesaghoj([this] { dlg->close(); }), 0);
        QVERIFY(!dlg->isVisible());
        IniDosiero f(savasLoko + "mia_traduko.trd");
        QCOMPARE(f.value("Lec01/Label10").toString(), QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(f.value("Traduko/LingvoID").toString(), QStringLiteral("de"));
    }

    void switchingAReferenceKeepsTheText()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n");
        malfermas();
        dlg->Movighas("posta");
        memo1()->setPlainText(QStringLiteral("Hallo"));
        dlg->on_lingvoj1_activated(2); // germana.trd
        QCOMPARE(dlg->sReferenca1, QStringLiteral("germana.trd"));
        QCOMPARE(w<QLabel>("Memo2")->text(), QStringLiteral("Deutscher Text Label2"));
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Hallo"));
        dlg->on_lingvoj2_activated(1); // esperanto.trd
        QCOMPARE(w<QLabel>("Memo3")->text(), QStringLiteral("Esperanta teksto Label2"));
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Hallo"));
    }

    void quittingTheProgramSavesOrAsks()
    {
        // Header complete: the work is saved without a question.
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n");
        malfermas();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        bool fermu = false;
        QCOMPARE(kunMesaghoj([&] { fermu = dlg->FinasLaboron(); }), 0);
        QVERIFY(fermu);
        QCOMPARE(IniDosiero(savasLoko + "germana_nova.trd").value("Lec01/Label10").toString(),
                 QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(IniDosiero(savasLoko + "darudaver.ini").value("Tradukilo/LastaLeciono").toInt(), 1);

        // Nothing unsaved: no question.
        QCOMPARE(kunMesaghoj([&] { fermu = dlg->FinasLaboron(); }), 0);
        QVERIFY(fermu);

        // Header missing: the volunteer is asked, and may go back to the editor...
        preparasDosierujon("[Tradukilo]\r\nLastaLeciono=1\r\n");
        malfermas();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        QString demando;
        auto respondas = [&](const QString& butono) {
            return [&, butono](QWidget* m) {
                auto* mb = qobject_cast<QMessageBox*>(m);
                QVERIFY(mb);
                demando = mb->text();
                for (QAbstractButton* b : mb->buttons())
                    if (b->text() == butono)
                        b->click();
            };
        };
        QCOMPARE(testilo::kunModalo([&] { fermu = dlg->FinasLaboron(); }, respondas("Reveni al la tradukilo")), 1);
        QVERIFY(!fermu);
        QVERIFY(demando.contains("ne estas konservitaj"));
        QVERIFY(dlg->isVisible());
        QCOMPARE(memo1()->toPlainText(), QStringLiteral("Sprechen Sie Esperanto?"));
        // ...or let the work go.
        QCOMPARE(testilo::kunModalo([&] { fermu = dlg->FinasLaboron(); }, respondas("Forĵeti la tradukojn")), 1);
        QVERIFY(fermu);
        QCOMPARE(QDir(savasLoko).entryList({"*.trd"}, QDir::Files), QStringList());
    }

    void settingsOutOfRangeAreClamped_data()
    {
        QTest::addColumn<QByteArray>("leciono");
        QTest::addColumn<QByteArray>("pozicioAgordo");
        QTest::addColumn<QString>("sekcio");
        QTest::addColumn<int>("atendata");
        QTest::newRow("below the list") << QByteArray("-4") << QByteArray("1") << "Gheneralaj" << 1;
        QTest::newRow("beyond the list") << QByteArray("30") << QByteArray("1") << "Ekzerco-Klarigoj" << 1;
        QTest::newRow("far beyond") << QByteArray("99999") << QByteArray("0") << "Ekzerco-Klarigoj" << 0;
        QTest::newRow("not a number") << QByteArray("abc") << QByteArray("xyz") << "Gheneralaj" << 0;
        QTest::newRow("position beyond") << QByteArray("1") << QByteArray("500") << "Lec01" << 122;
        QTest::newRow("position below") << QByteArray("1") << QByteArray("-3") << "Lec01" << 0;
        QTest::newRow("older, shorter section") << QByteArray("13") << QByteArray("25") << "Lec13" << 0;
    }
    void settingsOutOfRangeAreClamped()
    {
        QFETCH(QByteArray, leciono);
        QFETCH(QByteArray, pozicioAgordo);
        QFETCH(QString, sekcio);
        QFETCH(int, atendata);
        preparasDosierujon("[Tradukilo]\r\nLastaLeciono=" + leciono + "\r\nPozicio=" + pozicioAgordo + "\r\n");
        malfermas();
        QCOMPARE(listoSekcioj()->currentText(), sekcio);
        QCOMPARE(dlg->Modelo().Pozicio(), atendata);
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: %1 / %2        (%3)   ")
                                .arg(atendata + 1)
                                .arg(dlg->Modelo().Nombro())
                                .arg(dlg->Modelo().Shlosilo()));
    }

    void sectionWithoutKeys()
    {
        // A section that the key list lacks shows nothing and moves nowhere.
        preparasDosierujon("[Tradukilo]\r\nLastaLeciono=5\r\nPozicio=3\r\n");
        malfermas();
        QCOMPARE(listoSekcioj()->currentText(), QStringLiteral("Lec05"));
        QCOMPARE(pozicio(), QStringLiteral("Pozicio: 0 / 0        ()   "));
        QVERIFY(!memo1()->isEnabled());
        for (const char* b : {"Button1", "Button2", "Button5", "Button6"})
            QVERIFY2(!w<QPushButton>(b)->isEnabled(), b);
        dlg->Movighas("posta");
        dlg->Movighas("fina");
        QCOMPARE(dlg->Modelo().Pozicio(), 0);
        QCOMPARE(kunMesaghoj([this] { dlg->on_Button4_clicked(); }), 1);
    }

    void fullListGetsAMessage()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n", listo(200));
        malfermas();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        bool savita = false;
        QCOMPARE(kunMesaghoj([&] { savita = dlg->SavasTrad(); }), 1);
        QVERIFY(savita);
        QVERIFY(mesaghoj.value(0).contains("traduklisto.ini"));
        QVERIFY(mesaghoj.value(0).contains("200"));
        QCOMPARE(IniDosiero(savasLoko + "germana_nova.trd").value("Lec01/Label10").toString(),
                 QStringLiteral("Sprechen Sie Esperanto?"));
        IniDosiero l(savasLoko + "traduklisto.ini");
        QVERIFY(!l.childGroups().contains("200"));
        QCOMPARE(l.childGroups().size(), 200);
        QCOMPARE(legasListon(savasLoko + "traduklisto.ini").size(), 200);
    }

    void failedWriteIsNotReportedAsSaved()
    {
        preparasDosierujon(PlenaKapo + "LastaLeciono=1\r\n");
        QDir().mkpath(savasLoko + "germana_nova.trd"); // a folder where the file should go
        malfermas();
        dlg->show();
        memo1()->setPlainText(QStringLiteral("Sprechen Sie Esperanto?"));
        QCOMPARE(kunMesaghoj([this] { dlg->close(); }), 1);
        QVERIFY(mesaghoj.value(0).startsWith("Ne eblis konservi la tradukon"));
        QVERIFY(dlg->isVisible());
        QVERIFY(dlg->Modelo().HavasNekonservitajn());
    }
};

LERBO_TEST_MAIN(TestoTradukilo)
#include "tst_tradukilo.moc"
