#include "filedownloader.h"
#include "funkcioj.h"
#include "lingvoelekto.h"
#include "testilo.h"
#include "tst_elsxuto_servilo.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>

namespace {
QByteArray grupo(int i, const QByteArray& id, const QByteArray& nomo, const QByteArray& dosiero)
{
    return "[" + QByteArray::number(i) + "]\r\nLingvoID=" + id + "\r\nLingvo=" + nomo + "\r\nDosierNomo=" + dosiero
           + "\r\nDato=01.02.2023\r\n";
}

QByteArray legas(const QString& vojo)
{
    QFile f(vojo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mankas>");
}

const QByteArray Listo = grupo(0, "en", "English — angla", "angla.trd")
                         + grupo(1, "de", "Deutsch — germana", "germana.trd") + grupo(2, "xx", "Hostile", "../x.trd")
                         + grupo(3, "eo", "Esperanto", "esperanto.trd");
const QByteArray Germana =
    "[Traduko]\r\nLingvo=Deutsch — germana\r\nLingvoID=de\r\nDato=01.02.2023\r\n" + testilo::CxefajGrupoj;
} // namespace

class TestoElsxutoDialogo : public QObject
{
    Q_OBJECT

    ProvaServilo servilo;

    QListWidget* listo(lingvoelekto& d) { return d.findChild<QListWidget*>("Lingvo"); }
    QPushButton* ok(lingvoelekto& d) { return d.findChild<QPushButton*>("pushButton"); }

private slots:
    void init()
    {
        sLingvo.clear();
        sTradukoDosiero.clear();
        sTradukoDato.clear();
        QFile::remove(savasLoko + "traduklisto.ini");
        QFile::remove(savasLoko + "germana.trd");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        FileDownloader::setKursejo(servilo.gastiganto());
        servilo.respondu("/datumoj/traduklisto.ini", 200, Listo);
        servilo.respondu("/datumoj/tradukoj/germana.trd", 200, Germana);
    }
    void cleanup()
    {
        servilo.fermuCxiujn();
        FileDownloader::setKursejo(QString());
        QLocale::setDefault(QLocale::c());
    }

    void listFromTheSite()
    {
        lingvoelekto d;
        QCOMPARE(d.windowTitle(), QString("Elektu vian lingvon / Choose your language"));
        QVERIFY(!d.findChild<QLabel*>("label_2")->pixmap(Qt::ReturnByValue).isNull());
        d.show();
        QTRY_COMPARE(listo(d)->count(), 3);
        QCOMPARE(listo(d)->item(1)->text(), QString("Deutsch — germana"));
        // The locale's language is preselected.
        QCOMPARE(listo(d)->currentRow(), 1);
        QCOMPARE(servilo.petoj().last().agento, QByteArray("LerboAndrojdo"));
        QCOMPARE(legas(savasLoko + "traduklisto.ini"), Listo);

        ok(d)->click();
        QCOMPARE(sLingvo, QString("Deutsch — germana"));
        QCOMPARE(sTradukoDosiero, QString("germana.trd"));
        QCOMPARE(sTradukoDato, QString("01.02.2023"));
        QTRY_VERIFY(!d.isVisible());
        QCOMPARE(legas(savasLoko + "germana.trd"), Germana);
        QCOMPARE(servilo.petoj().last().vojo, QByteArray("/datumoj/tradukoj/germana.trd"));
    }

    void englishWhenTheLocaleIsNotListed()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        lingvoelekto d;
        d.show();
        QTRY_COMPARE(listo(d)->count(), 3);
        QCOMPARE(listo(d)->currentRow(), 0);
    }

    void nothingSelectedGivesEnglishDefaults()
    {
        servilo.respondu("/datumoj/traduklisto.ini", 200,
                         grupo(0, "fr", "Français — franca", "franca.trd") + grupo(1, "de", "Deutsch", "germana.trd"));
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        lingvoelekto d;
        d.show();
        QTRY_COMPARE(listo(d)->count(), 2);
        QVERIFY(!listo(d)->currentItem() || !listo(d)->currentItem()->isSelected());
        ok(d)->click();
        QCOMPARE(sLingvo, QString("English — angla"));
        QCOMPARE(sTradukoDosiero, QString("angla.trd"));
        QCOMPARE(sTradukoDato, QString("10.05.2020"));
        QTRY_VERIFY(!d.isVisible());
    }

    void builtInFilesWhenTheSiteIsDown()
    {
        FileDownloader::setKursejo(testilo::fermitaAdreso());
        QLocale::setDefault(QLocale(QLocale::Esperanto));
        lingvoelekto d;
        d.show();
        // Every built-in translation, and only those that ship.
        QTRY_COMPARE(listo(d)->count(), int(testilo::sendatajTradukoj().size()));
        QCOMPARE(d.vicoj().first().at(2), QString("angla.trd"));
        QCOMPARE(listo(d)->currentItem()->text(), QString("Esperanto"));
        ok(d)->click();
        QCOMPARE(sTradukoDosiero, QString("esperanto.trd"));
        QTRY_VERIFY(!d.isVisible());
        QVERIFY(!QFile::exists(savasLoko + "esperanto.trd"));
    }

    // On its own desktop every shipped translation is the row chosen
    // beforehand, though some files carry codes of their own ("jp", not
    // ISO's "ja"); of the two Russian files the later one, and a language
    // that only shares such a code gets English.
    void preselectsTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("lokaro");
        QTest::addColumn<QString>("dosiero");
        // clang-format off
        const QMap<QString, QString> lokaroj = {
            {"angla.trd", "en_US"}, {"araba.trd", "ar_EG"}, {"bulgara.trd", "bg_BG"}, {"ceha.trd", "cs_CZ"},
            {"china.trd", "zh_CN"}, {"dana.trd", "da_DK"}, {"esperanto.trd", "eo_001"}, {"finna.trd", "fi_FI"},
            {"franca.trd", "fr_FR"}, {"germana.trd", "de_DE"}, {"greka.trd", "el_GR"}, {"hinda.trd", "hi_IN"},
            {"hispana.trd", "es_ES"}, {"hungara.trd", "hu_HU"}, {"indonezia.trd", "id_ID"},
            {"islanda.trd", "is_IS"}, {"itala.trd", "it_IT"}, {"japana.trd", "ja_JP"}, {"kataluna.trd", "ca_ES"},
            {"korea.trd", "ko_KR"}, {"kroata.trd", "hr_HR"}, {"latva.trd", "lv_LV"}, {"litova.trd", "lt_LT"},
            {"nederlanda.trd", "nl_NL"}, {"persa.trd", "fa_IR"}, {"pola.trd", "pl_PL"},
            {"portugala.trd", "pt_BR"}, {"rusa.trd", "ru_RU"}, {"rusa2.trd", "ru_RU"}, {"serba.trd", "sr_RS"},
            {"slovaka.trd", "sk_SK"}, {"slovena.trd", "sl_SI"}, {"sveda.trd", "sv_SE"}, {"turka.trd", "tr_TR"},
            {"vjetnama.trd", "vi_VN"},
        };
        // clang-format on
        for (const QString& dosiero : testilo::sendatajTradukoj())
            QTest::newRow(qPrintable(dosiero))
                << lokaroj.value(dosiero, QStringLiteral("no locale in this test's table"))
                << (dosiero == QLatin1String("rusa.trd") ? QStringLiteral("rusa2.trd") : dosiero);
        QTest::newRow("Chinese of Taiwan") << "zh_TW"
                                           << "china.trd";
        QTest::newRow("Latin, whose ISO code is Latvian's in the list") << "la_VA"
                                                                        << "angla.trd";
    }
    void preselectsTheDesktopsLanguage()
    {
        QFETCH(QString, lokaro);
        QFETCH(QString, dosiero);
        QVERIFY2(QLocale(lokaro).name() == lokaro, qPrintable(lokaro));
        FileDownloader::setKursejo(testilo::fermitaAdreso());
        QLocale::setDefault(QLocale(lokaro));
        lingvoelekto d;
        d.show();
        QTRY_COMPARE(listo(d)->count(), int(testilo::sendatajTradukoj().size()));
        const int vico = listo(d)->currentRow();
        QVERIFY(vico >= 0 && listo(d)->currentItem()->isSelected());
        QCOMPARE(d.vicoj().at(vico).at(2), dosiero);
    }

    void modalRun()
    {
        lingvoelekto d;
        bool premita = false;
        const int modaloj = testilo::kunModalo([&] { d.exec(); },
                                               [&](QWidget* w) {
                                                   auto* l = w->findChild<QListWidget*>("Lingvo");
                                                   if (!premita && l && l->count() == 3) {
                                                       premita = true;
                                                       w->findChild<QPushButton*>("pushButton")->click();
                                                   }
                                               });
        QVERIFY(modaloj >= 1);
        QCOMPARE(sTradukoDosiero, QString("germana.trd"));
        QCOMPARE(legas(savasLoko + "germana.trd"), Germana);
    }

    void destroyedWhileDownloading()
    {
        const QByteArray malnova = "[Traduko]\r\nLingvo=malnova\r\n";
        testilo::skribas(savasLoko + "germana.trd", malnova);
        servilo.respondu("/datumoj/tradukoj/germana.trd", 200, Germana, ProvaServilo::Silenta);
        auto* d = new lingvoelekto;
        d->show();
        QTRY_COMPARE(listo(*d)->count(), 3);
        ok(*d)->click();
        QTRY_COMPARE(servilo.petoj().last().vojo, QByteArray("/datumoj/tradukoj/germana.trd"));
        delete d;
        // The server answers only now; nobody is left to write it.
        servilo.fermuCxiujn();
        QTest::qWait(100);
        QCOMPARE(legas(savasLoko + "germana.trd"), malnova);
    }

    void closingConfirms_data()
    {
        QTest::addColumn<bool>("eskapo");
        QTest::newRow("window button") << false;
        QTest::newRow("Escape") << true;
    }
    void closingConfirms()
    {
        QFETCH(bool, eskapo);
        servilo.respondu("/datumoj/tradukoj/germana.trd", 200, Germana, ProvaServilo::Silenta);
        lingvoelekto d;
        d.show();
        QTRY_COMPARE(listo(d)->count(), 3);
        if (eskapo)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();
        QVERIFY(!d.isVisible());
        QCOMPARE(sTradukoDosiero, QString("germana.trd"));
        QCOMPARE(sLingvo, QString("Deutsch — germana"));
    }
};

LERBO_TEST_MAIN(TestoElsxutoDialogo)
#include "tst_elsxuto_dialogo.moc"
