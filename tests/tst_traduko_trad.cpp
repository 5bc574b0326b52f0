#include "funkcioj.h"
#include "klakbutono_nova.h"
#include "korekta.h"
#include "label_klakebla.h"
#include "label_sago.h"
#include "label_sago_reversa.h"
#include "neklakebla_nova.h"
#include "plenigas_spacon.h"
#include "testilo.h"
#include "titolo.h"
#include "trad.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTabWidget>

namespace {

const QString Marko(QChar(0x200E));

QByteArray tradukDosiero(const QByteArray& direkto)
{
    QByteArray t = "[Traduko]\r\nLingvo=Provo\r\nLingvoID=pv\r\n";
    if (!direkto.isEmpty())
        t += "Direkto=" + direkto + "\r\n";
    t += testilo::CxefajGrupoj;
    t += "[Gheneralaj]\r\nTFrame4.Label83=Choose the word\r\nEkz_FrazoKonstruo=Build the sentence\r\n"
         "TFrame1.Label7=Click the right translation\r\n"
         "[Lec08]\r\nLabel4=The fourth label\r\nLabel10=A title\r\nLabel11=Clickable\r\n"
         "TFrame41.Label84=Fill the gaps\r\nFrame42.Label84=Fill the gaps again\r\n"
         "Label6=must not appear\r\nButton7=must not appear\r\nLabel9=must not appear\r\n"
         "[Lec03]\r\nLabel7=must not appear\r\n";
    return t;
}

bool samaBildo(const QPixmap& p, const QString& vojo)
{
    // Through a pixmap the picture is stored premultiplied; compare it so.
    const QImage a = p.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = QImage(vojo).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return !b.isNull() && a == b;
}

// A lesson page of lesson 8 with one label of every kind the pass meets.
struct Leciono
{
    QWidget radiko;
    QLabel* label4;
    QLabel* label5;
    neklakebla_nova* vortujo;
    klakbutono_nova* parolanta;
    korekta* modelo;
    titolo* titol;
    label_klakebla* klakebla;
    QLabel* alia;
    QLabel* vort1;
    QLabel* vort2;
    QLabel* konstruo;
    QLabel* audk2;
    QLabel* plen2a;
    QLabel* plen2b;
    QLabel* esperanta;
    QLabel* simpla;
    label_sago* sago;
    label_sago_reversa* reveno;

    template <class T>
    T* nova(QWidget* gepatro, const char* nomo, const QString& teksto = QStringLiteral("Texto em português"))
    {
        auto* w = new T(gepatro);
        w->setObjectName(QString::fromLatin1(nomo));
        w->setText(teksto);
        return w;
    }

    // The real gap-filling frame: its instruction sits on a scroll area's contents.
    QLabel* plenigo(QWidget* gepatro, const char* kadroNomo)
    {
        auto* kadro = new plenigas_spacon(gepatro);
        kadro->setObjectName(QString::fromLatin1(kadroNomo));
        return kadro->findChild<QLabel*>("Ekz_Plen2");
    }

    Leciono()
    {
        radiko.setObjectName("Pagho08");
        auto* tabo = new QTabWidget(&radiko);
        tabo->setObjectName("Lec08");
        auto* p1 = new QWidget;
        auto* p2 = new QWidget;
        tabo->addTab(p1, "1");
        tabo->addTab(p2, "2");
        label4 = nova<QLabel>(p1, "Lec08_Label4");
        label5 = nova<QLabel>(p1, "Lec08_Label5");
        vortujo = nova<neklakebla_nova>(p1, "Lec08_Label6", "domo");
        parolanta = nova<klakbutono_nova>(p1, "Lec08_Button7", "hundo");
        modelo = nova<korekta>(p2, "Lec08_Label9", "Mi vidas la domon.");
        titol = nova<titolo>(p1, "Lec08_Label10");
        klakebla = nova<label_klakebla>(p1, "Lec08_klak__Label11");
        alia = nova<QLabel>(p1, "Lec03_Label7", "alia leciono");
        vort1 = nova<QLabel>(p2, "Ekz_Vort1");
        vort2 = nova<QLabel>(p2, "Ekz_Vort2");
        konstruo = nova<QLabel>(p2, "Ekz_FrazoKonstruo");
        audk2 = nova<QLabel>(p2, "Ekz_Audk2");
        plen2a = plenigo(p2, "Lec08_Ekzerco_0801");
        plen2b = plenigo(p2, "Lec08B_Ekzerco_0802");
        esperanta = nova<QLabel>(p2, "frazo", "Saluton!");
        esperanta->setProperty("tipo", "esperanta");
        simpla = nova<QLabel>(p2, "simpla", "ne tusxu");
        simpla->setAlignment(Qt::AlignCenter);
        sago = new label_sago(p1);
        reveno = new label_sago_reversa(p1);
    }
};

} // namespace

class TestoTrad : public QObject
{
    Q_OBJECT

    void uzas(const QString& dosiero, const QByteArray& direkto)
    {
        testilo::skribas(savasLoko + dosiero, tradukDosiero(direkto));
        sTradukoDosiero = dosiero;
    }

private slots:
    void lessonLabels()
    {
        uzas("provo.trd", QByteArray());
        Leciono l;
        Trad(&l.radiko, "Lec08");
        QCOMPARE(l.label4->text(), QString("The fourth label"));
        QCOMPARE(l.label5->text(), QString("Ne Tradukita"));
        QCOMPARE(l.titol->text(), QString("A title"));
        QCOMPARE(l.klakebla->text(), QString("Clickable"));
        // Esperanto words and model answers keep their Esperanto.
        QCOMPARE(l.vortujo->text(), QString("domo"));
        QCOMPARE(l.parolanta->text(), QString("hundo"));
        QCOMPARE(l.modelo->text(), QString("Mi vidas la domon."));
        // A label of another lesson is not this section's, nor a frame label.
        QCOMPARE(l.alia->text(), QString("alia leciono"));
        QCOMPARE(l.simpla->text(), QString("ne tusxu"));
        QCOMPARE(l.simpla->alignment(), Qt::Alignment(Qt::AlignCenter));
    }

    void frameLabels()
    {
        uzas("provo.trd", QByteArray());
        Leciono l;
        Trad(&l.radiko, "Lec08");
        QCOMPARE(l.vort1->text(), QString("Choose the word"));
        QCOMPARE(l.vort2->text(), QString("Click the right translation"));
        QCOMPARE(l.konstruo->text(), QString("Build the sentence"));
        QCOMPARE(l.audk2->text(), QString("Ne Tradukita"));
        QCOMPARE(l.plen2a->text(), QString("Fill the gaps"));
        QCOMPARE(l.plen2b->text(), QString("Fill the gaps again"));
    }

    void frameTable_data()
    {
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QString>("sxlosilo");
        QTest::newRow("Akuz1") << "Ekz_Akuz1"
                               << "TFrame5.Label6";
        QTest::newRow("Akuz2") << "Ekz_Akuz2"
                               << "TFrame5.Label1";
        QTest::newRow("Pron1") << "Ekz_Pron1"
                               << "TFrame2.PP_Label1";
        QTest::newRow("Pron2") << "Ekz_Pron2"
                               << "TFrame2.PP_Label41";
        QTest::newRow("Audk1") << "Ekz_Audk1"
                               << "TFrame3.Label59";
        QTest::newRow("Audk2") << "Ekz_Audk2"
                               << "TFrame3.Label68";
        QTest::newRow("Vort1") << "Ekz_Vort1"
                               << "TFrame4.Label83";
        QTest::newRow("Vort2") << "Ekz_Vort2"
                               << "TFrame1.Label7";
        QTest::newRow("Plen1") << "Ekz_Plen1"
                               << "TFrame4.Label83";
        QTest::newRow("FrazoKonstruo") << "Ekz_FrazoKonstruo"
                                       << "Ekz_FrazoKonstruo";
        QTest::newRow("Plen2 is not in the table") << "Ekz_Plen2"
                                                   << "";
        QTest::newRow("case matters") << "ekz_vort1"
                                      << "";
    }
    void frameTable()
    {
        QFETCH(QString, nomo);
        QFETCH(QString, sxlosilo);
        QCOMPARE(TradKadraSxlosilo(nomo), sxlosilo);
    }

    void sectionOfAnotherLesson()
    {
        // The same label under a call for lesson 4 keeps its text.
        uzas("provo.trd", QByteArray());
        QWidget radiko;
        auto* l = new QLabel("original", &radiko);
        l->setObjectName("Lec03_Label7");
        Trad(&radiko, "Lec04");
        QCOMPARE(l->text(), QString("original"));
        testilo::skribas(savasLoko + "provo.trd", tradukDosiero(QByteArray()) + "Label7=Seven\r\n");
        Trad(&radiko, "Lec03");
        QCOMPARE(l->text(), QString("Seven"));
    }

    void direction_data()
    {
        QTest::addColumn<QByteArray>("direkto");
        QTest::addColumn<bool>("spegulita");
        QTest::addColumn<bool>("markita");
        QTest::newRow("none") << QByteArray() << false << false;
        QTest::newRow("LTR") << QByteArray("LTR") << false << false;
        QTest::newRow("RTL") << QByteArray("RTL") << true << true;
        QTest::newRow("rtl lower case") << QByteArray("rtl") << true << false;
    }
    void direction()
    {
        QFETCH(QByteArray, direkto);
        QFETCH(bool, spegulita);
        QFETCH(bool, markita);
        uzas("direkto.trd", direkto);
        Leciono l;
        Trad(&l.radiko, "Lec08");

        QVERIFY(samaBildo(l.sago->pixmap(Qt::ReturnByValue),
                          spegulita ? ":/ikonoj/sago_antauen_RTL.png" : ":/ikonoj/sago_antauen.png"));
        QVERIFY(samaBildo(l.reveno->pixmap(Qt::ReturnByValue),
                          spegulita ? ":/ikonoj/sago_revena_RTL.png" : ":/ikonoj/sago_revena.png"));
        QCOMPARE(l.reveno->styleSheet(), spegulita ? QString("margin-right: 15px;") : QString("margin-left: 15px;"));

        const Qt::Alignment vortoj = (spegulita ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        QCOMPARE(l.vortujo->alignment(), vortoj);
        QCOMPARE(l.parolanta->alignment(), vortoj);

        QCOMPARE(l.esperanta->text(), markita ? QString("Saluton!") + Marko : QString("Saluton!"));
        QCOMPARE(l.esperanta->alignment(), (markita ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        // Translated labels never get the left-to-right mark; a right-to-left
        // translation leads one that begins with a Latin letter with a
        // right-to-left mark.
        QCOMPARE(l.label4->text(), markita ? QChar(0x200F) + QString("The fourth label") : QString("The fourth label"));
        QCOMPARE(l.label5->text(), QString("Ne Tradukita"));
    }

    void arrowPicturesDiffer()
    {
        QVERIFY(QImage(":/ikonoj/sago_antauen.png") != QImage(":/ikonoj/sago_antauen_RTL.png"));
        QVERIFY(QImage(":/ikonoj/sago_revena.png") != QImage(":/ikonoj/sago_revena_RTL.png"));
        QVERIFY(QImage(":/ikonoj/sago_revena.png") != QImage(":/ikonoj/sago_antauen_RTL.png"));
    }

    void shippedArabicIsRightToLeft()
    {
        QFile::remove(savasLoko + "araba.trd");
        sTradukoDosiero = "araba.trd";
        Leciono l;
        Trad(&l.radiko, "Lec08");
        QVERIFY(samaBildo(l.sago->pixmap(Qt::ReturnByValue), ":/ikonoj/sago_antauen_RTL.png"));
        QCOMPARE(l.esperanta->text(), QString("Saluton!") + Marko);
    }

    void rtlTwiceMarksOnce()
    {
        uzas("direkto.trd", "RTL");
        Leciono l;
        Trad(&l.radiko, "Lec08");
        Trad(&l.radiko, "Lec08");
        QCOMPARE(l.esperanta->text(), QString("Saluton!") + Marko);
    }

    void missingFile()
    {
        sTradukoDosiero = "nenie.trd";
        Leciono l;
        Trad(&l.radiko, "Lec08");
        QCOMPARE(l.label4->text(), QString("Ne Tradukita"));
        QCOMPARE(l.vort1->text(), QString("Ne Tradukita"));
        QCOMPARE(l.vortujo->text(), QString("domo"));
        QVERIFY(samaBildo(l.sago->pixmap(Qt::ReturnByValue), ":/ikonoj/sago_antauen.png"));
    }
};

LERBO_TEST_MAIN(TestoTrad)
#include "tst_traduko_trad.moc"
