#include "stilfolio.h"
#include "tst_lerbo_komuna.h"

#include "filedownloader.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace lerbotesto;

static const QChar LRM(0x200E);

// The main window's form, its pages, the settings page and the navigation.
class TestoFenestro : public QObject
{
    Q_OBJECT

    QStackedWidget* paghujo(lerbo* w) { return el<QStackedWidget>(w, "Paghujo"); }

private slots:
    void init()
    {
        purigas();
        lernantoKun(QStringLiteral("English — angla"), QStringLiteral("angla.trd"));
    }

    void formo()
    {
        auto w = kreas();
        QWidget& nuda = *w;
        auto* stako = el<QStackedWidget>(&nuda, "Paghujo");
        QCOMPARE(el<QTabWidget>(&nuda, "Kredit")->currentIndex(), 0);
        const QStringList nomoj = {"ChefaPagho",     "Pagho01",  "Pagho02", "Pagho03", "Pagho04",
                                   "Pagho05",        "Pagho06",  "Pagho07", "Pagho08", "Pagho09",
                                   "Pagho10",        "Pagho11",  "Pagho12", "Pagho13", "Pagho_Konfigurado",
                                   "Pagho_Kreditoj", "Bildoludo"};
        QCOMPARE(stako->count(), nomoj.size());
        for (int i = 0; i < nomoj.size(); ++i)
            QCOMPARE(stako->widget(i)->objectName(), nomoj.at(i));
        for (int i = 1; i <= 13; ++i) {
            QWidget* pagho = stako->widget(i);
            QVERIFY(pagho->findChildren<QWidget*>().isEmpty());
            QVERIFY(qobject_cast<QVBoxLayout*>(pagho->layout()));
        }
        auto* krado = el<QGridLayout>(&nuda, "gridLayout_2");
        int vico, kolumno, v, k;
        krado->getItemPosition(krado->indexOf(el(&nuda, "Leciono5")), &vico, &kolumno, &v, &k);
        QCOMPARE(QPoint(vico, kolumno), QPoint(1, 0));
        krado->getItemPosition(krado->indexOf(el(&nuda, "Leciono12")), &vico, &kolumno, &v, &k);
        QCOMPARE(QPoint(vico, kolumno), QPoint(2, 3));
        QCOMPARE(krado->indexOf(el(&nuda, "Leciono13")), -1);
        QCOMPARE(el(&nuda, "Leciono2")->property("tipo").toString(), QStringLiteral("leciona"));
        QVERIFY(!el(&nuda, "Leciono1")->property("tipo").isValid());
        QCOMPARE(el(&nuda, "Versio_Kredit")->property("lingvo").toString(), QStringLiteral("eo"));
        QCOMPARE(el<QPushButton>(&nuda, "Kreditoj")->iconSize(), QSize(60, 36));
        // Every picture the form names is drawn.
        for (QPushButton* b : nuda.findChildren<QPushButton*>())
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
        for (const char* nomo : {"label_3", "label_131", "label_132", "label_20", "label_134", "label_21"})
            QVERIFY2(!el<QLabel>(&nuda, nomo)->pixmap(Qt::ReturnByValue).isNull(), nomo);
        auto* kredit = el<QTabWidget>(&nuda, "Kredit");
        QVERIFY(!kredit->tabIcon(0).isNull() && !kredit->tabIcon(1).isNull());
    }

    void konstruanto()
    {
        skribasAgordojn({{"LastaLeciono", 5}, {"LastaPagxo", 3}});
        auto w = kreas();
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        for (const char* nomo : {"prog_printilo", "printilo", "Sendas", "Konfig_Label4", "konfig_send_literoj",
                                 "shanghasKonfigurojn", "butonujo", "navigujo", "paghopiedo"})
            QVERIFY2(el(w.get(), nomo)->isHidden(), nomo);
        QVERIFY(!el(w.get(), "tradukilo")->isHidden());
        QCOMPARE(w->tradukitaj.size(), 13);
        // The media player waits for the home page to be on screen.
        QVERIFY(!w->ludilo);
        QSignalSpy pentrado(w.get(), &lerbo::unuaPentrado);
        w->show();
        QTRY_VERIFY(w->ludilo);
        QCOMPARE(pentrado.count(), 1);
        QCOMPARE(w->ludilo->parent(), w.get());
        w->update();
        QCoreApplication::processEvents();
        QCOMPARE(pentrado.count(), 1);
    }

    void tradukiloKasxitaSurPoshaparatoj_data()
    {
        QTest::addColumn<QString>("sistemo");
        QTest::addColumn<bool>("kasxita");
        QTest::newRow("linux") << "linux" << false;
        QTest::newRow("windows") << "windows" << false;
        QTest::newRow("android") << "android" << true;
        QTest::newRow("ios") << "ios" << true;
    }
    void tradukiloKasxitaSurPoshaparatoj()
    {
        QFETCH(QString, sistemo);
        QFETCH(bool, kasxita);
        sSistemo = sistemo;
        auto w = kreas();
        sSistemo = QStringLiteral("linux");
        QCOMPARE(el(w.get(), "tradukilo")->isHidden(), kasxita);
    }

    void piedoKajKreditoj()
    {
        auto w = kreas();
        auto* piedo = el(w.get(), "paghopiedo");
        el<QPushButton>(w.get(), "butono_androjdo")->click();
        QVERIFY(!piedo->isHidden());
        el<QPushButton>(w.get(), "butono_androjdo")->click();
        QVERIFY(piedo->isHidden());

        auto* kredit = el<QTabWidget>(w.get(), "Kredit");
        kredit->setCurrentIndex(1);
        el<QPushButton>(w.get(), "Kreditoj")->click();
        QCOMPARE(paghujo(w.get())->currentWidget()->objectName(), QStringLiteral("Pagho_Kreditoj"));
        QCOMPARE(kredit->currentIndex(), 0);
        QVERIFY(!el(w.get(), "butonujo")->isHidden());
        QCOMPARE(el<QLabel>(w.get(), "Kredit_Label3")->text(), QStringLiteral("Author"));
        QCOMPARE(el<QLabel>(w.get(), "Tradukinto")->text(), QStringLiteral("Lerbo de Esperanto"));

        QMetaObject::invokeMethod(el(w.get(), "label_Konfiguroj"), "clicked");
        QCOMPARE(paghujo(w.get())->currentWidget()->objectName(), QStringLiteral("Pagho_Konfigurado"));
        QVERIFY(!el(w.get(), "shanghasKonfigurojn")->isHidden());
        el<QPushButton>(w.get(), "Hejmo")->click();
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        for (const char* nomo : {"shanghasKonfigurojn", "butonujo", "navigujo", "paghopiedo"})
            QVERIFY2(el(w.get(), nomo)->isHidden(), nomo);
    }

    // Loading the translation again (after a change of language) neither
    // doubles the language list nor piles up direction marks.
    void tradukoDenove()
    {
        auto w = kreas();
        auto* lingvo = el<QComboBox>(w.get(), "Lingvo");
        QCOMPARE(lingvo->count(), 2);
        QCOMPARE(w->lingvoj.size(), 2);
        sTradukoDosiero = QStringLiteral("esperanto.trd");
        sLingvo = QStringLiteral("Esperanto");
        w->Traduku();
        w->Traduku();
        QCOMPARE(lingvo->count(), 2);
        QCOMPARE(w->lingvoj.size(), 2);
        QCOMPARE(lingvo->currentText(), QStringLiteral("Esperanto"));
        for (const char* nomo : {"radioButton", "radioButton_2", "radioButton_3"}) {
            const QString teksto = el<QRadioButton>(w.get(), nomo)->text();
            QVERIFY2(teksto.endsWith(LRM) && teksto.count(LRM) == 1, nomo);
        }
        QCOMPARE(el<QLabel>(w.get(), "label_Konfiguroj")->text(), QStringLiteral("Agordoj"));
        QCOMPARE(el<QLabel>(w.get(), "Label_Konfigurado")->text(), QStringLiteral("Agordoj"));
        QCOMPARE(el<QLabel>(w.get(), "Kredit_Label200")->text(), QStringLiteral("Viraj voĉoj"));
    }

    // Every text the main window reads is in both shipped translations, and
    // the list of keys to translate names exactly those of its four sections.
    void plenajTradukoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        QTest::newRow("English") << "angla.trd";
        QTest::newRow("Esperanto") << "esperanto.trd";
    }
    void plenajTradukoj()
    {
        QFETCH(QString, dosiero);
        auto w = kreas();
        sTradukoDosiero = dosiero;
        w->Traduku();
        for (const QString* m :
             {&smRekomencu, &smGratulon, &smDenove, &smModifis, &smTondujo, &smDevasHaviKor, &smDevasSavi, &smKoverto,
              &smDisketo, &smPordo, &smLigilo, &Antauen, &Nuligi, &smNeSono, &smNeLudebla})
            QVERIFY(*m != NeTradukita && !m->isEmpty());
        QVERIFY(smDenove.endsWith(QLatin1Char('.'))); // a value with a comma comes through whole
        for (QLabel* l : w->findChildren<QLabel*>())
            QVERIFY2(l->text() != NeTradukita, qPrintable(l->objectName()));
        IniDosiero traduko(QStringLiteral(":/tradukoj/") + dosiero);
        IniDosiero listo(QStringLiteral(":/tradukoj/tradukendaj.tdf"));
        for (const char* sekcio : {"Menuo", "Konfig", "Menuo4", "Mesagxoj"}) {
            listo.beginGroup(sekcio);
            traduko.beginGroup(sekcio);
            QStringList listitaj;
            for (const QString& n : listo.childKeys())
                listitaj.append(listo.value(n).toString());
            QStringList tradukitaj = traduko.childKeys();
            listitaj.sort();
            tradukitaj.sort();
            QCOMPARE(listitaj, tradukitaj);
            listo.endGroup();
            traduko.endGroup();
        }
    }

    void mankantajSxlosilojKajDirekto()
    {
        auto w = kreas();
        testilo::skribas(savasLoko + QStringLiteral("maldekstra.trd"),
                         "[Traduko]\r\nLingvoID=ar\r\nDirekto=RTL\r\n" + testilo::CxefajGrupoj
                             + "[Menuo]\r\nEliri=\xd8\xae\xd8\xb1\xd9\x88\xd8\xac\r\n");
        sTradukoDosiero = QStringLiteral("maldekstra.trd");
        w->Traduku();
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QCOMPARE(el<QLabel>(w.get(), "label_Eliri")->text(), QStringLiteral("خروج"));
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Ne Tradukita"));
        QCOMPARE(el<QLabel>(w.get(), "Konfig_Label1")->text(), QStringLiteral("Ne Tradukita"));
        QCOMPARE(smGratulon, QStringLiteral("Ne Tradukita"));
        QCOMPARE(sLingvoID, QStringLiteral("ar"));
        sTradukoDosiero = QStringLiteral("angla.trd");
        w->Traduku();
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(Direkto, QStringLiteral("LTR"));
    }

    // ---- fonts and style sheets

    void stilfolio_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("e");
        QTest::addColumn<QStringList>("eroj");
        QTest::newRow("11/11") << 11 << 11
                               << QStringList{"#label_Eliri { font-size: 10pt; font-weight: bold; } ",
                                              "titolo { font-size: 13pt; font-weight: bold; min-height: 1.2em;} ",
                                              "cx_edit_minuskla { font-family: \"DejaVu Sans\";  font-size: 11pt;} ",
                                              "QLabel[tipo=\"afikso\"]  { font-family: \"DejaVu Sans\"; font-size: "
                                              "13pt; font-weight: bold; min-height: 1.2em;} "};
        QTest::newRow("12/13") << 12 << 13
                               << QStringList{"#label_Eliri { font-size: 11pt;", "titolo { font-size: 15pt;",
                                              "font-size: 13pt;} ",
                                              "font-size: 16pt; font-weight: bold; min-height: 1.2em;} "};
    }
    void stilfolio()
    {
        QFETCH(int, t);
        QFETCH(int, e);
        QFETCH(QStringList, eroj);
        const QString folio = Stilfolio::generas(t, QStringLiteral("DejaVu Sans"), e);
        QVERIFY(folio.startsWith(QStringLiteral("myLabel#label_Kie, #label_Kreditoj, #label_Kio, "
                                                "#label_Konfiguroj, #label_Kiel, #label_Eliri {")));
        for (const QString& ero : eroj)
            QVERIFY2(folio.contains(ero), qPrintable(ero));
        QCOMPARE(Stilfolio::specimeno(QStringLiteral("DejaVu Serif"), 12),
                 QStringLiteral("font-family: \"DejaVu Serif\"; font-size: 12pt;"));
    }

    void stiloSurLaFenestro()
    {
        auto w = kreas();
        QCOMPARE(QApplication::font().pointSize(), 11);
        QCOMPARE(QApplication::font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(el(w.get(), "centralWidget")->styleSheet(), Stilfolio::generas(11, QStringLiteral("DejaVu Sans"), 11));
        const QString rimedo = paghujo(w.get())->styleSheet();
        QVERIFY(rimedo.contains(QStringLiteral("QFrame[tipo=\"senborda\"]")));
        QVERIFY(rimedo.contains(QStringLiteral("QPushButton[tipo=\"speciala\"]")));
    }

    // ---- the settings page

    // A downloaded language whose entry has left the list: no row stands for
    // it, undoing a change leaves nothing to apply, and applying a font size
    // leaves the language alone.
    void lingvoEksterLaListo()
    {
        lernantoKun(QStringLiteral("Deutsch — germana"), QStringLiteral("germana.trd"));
        testilo::skribas(savasLoko + QStringLiteral("germana.trd"),
                         "[Traduko]\r\nLingvo=Deutsch — germana\r\nLingvoID=de\r\nDato=01.02.2023\r\n"
                             + testilo::CxefajGrupoj);
        auto w = kreas();
        el<QPushButton>(w.get(), "Konfigurado")->click();
        auto* lingvo = el<QComboBox>(w.get(), "Lingvo");
        auto* apliki = el<QPushButton>(w.get(), "shanghasKonfigurojn");
        auto* grando = el<QSpinBox>(w.get(), "LiterGrando");
        QCOMPARE(lingvo->currentIndex(), -1);
        QVERIFY(!apliki->isEnabled());
        grando->setValue(14);
        QVERIFY(apliki->isEnabled());
        grando->setValue(11);
        QVERIFY(!apliki->isEnabled());
        grando->setValue(14);
        apliki->click();
        QCOMPARE(iLiterGrando, 14);
        QCOMPARE(sLingvo, QStringLiteral("Deutsch — germana"));
        QCOMPARE(sTradukoDosiero, QStringLiteral("germana.trd"));
    }

    // The corrector link leads to the course site the program speaks to.
    void korektantoLigilo()
    {
        FileDownloader::setKursejo(QStringLiteral("127.0.0.1:8123"));
        auto w = kreas();
        FileDownloader::setKursejo(QString());
        auto* ligilo = el<QLabel>(w.get(), "label_126");
        QVERIFY(ligilo->openExternalLinks());
        QVERIFY2(ligilo->text().contains(QLatin1String("<a href=\"http://127.0.0.1:8123/korektanto.php\">")),
                 qPrintable(ligilo->text()));
        QVERIFY(ligilo->text().contains(QLatin1String(">127.0.0.1:8123/korektanto.php<")));
    }

    void konfiguroj()
    {
        auto w = kreas();
        auto* apliki = el<QPushButton>(w.get(), "shanghasKonfigurojn");
        auto* grando = el<QSpinBox>(w.get(), "LiterGrando");
        auto* glitilo = el<QSlider>(w.get(), "glitilo_traduko");
        auto* specimeno = el<QLabel>(w.get(), "tekstoLingvo");
        auto* centra = el(w.get(), "centralWidget");
        const QString komenca = centra->styleSheet();
        QCOMPARE(specimeno->text(), QStringLiteral("English — angla"));
        QCOMPARE(grando->value(), 11);
        QVERIFY(!apliki->isEnabled());

        // Staged: nothing changes until apply.
        glitilo->setValue(14);
        QCOMPARE(grando->value(), 14);
        QVERIFY(specimeno->styleSheet().endsWith(QStringLiteral("font-size: 14pt;")));
        QVERIFY(apliki->isEnabled());
        grando->setValue(11);
        QCOMPARE(glitilo->value(), 11);
        QVERIFY(!apliki->isEnabled());
        el<QSpinBox>(w.get(), "LiterGrandoEo")->setValue(13);
        QCOMPARE(el<QSlider>(w.get(), "glitilo_eo")->value(), 13);
        QVERIFY(apliki->isEnabled());
        QCOMPARE(iLiterGrandoEo, 11);
        QCOMPARE(centra->styleSheet(), komenca);

        // The switches act at once and stage nothing.
        el<QSpinBox>(w.get(), "LiterGrandoEo")->setValue(11);
        QVERIFY(!apliki->isEnabled());
        el<QCheckBox>(w.get(), "Noteto")->setChecked(false);
        el<QCheckBox>(w.get(), "Cxapeligo")->setChecked(false);
        QCOMPARE(lNoteto, false);
        QCOMPARE(lCxapeligo, false);
        QVERIFY(!apliki->isEnabled());

        // The letter system alone: no new style sheets, no download.
        el<QPushButton>(w.get(), "Konfigurado")->click();
        el<QRadioButton>(w.get(), "radioButton_2")->setChecked(true);
        w->shanghitajKonfiguroj();
        QVERIFY(apliki->isEnabled());
        centra->setStyleSheet(QStringLiteral("/* neŝanĝita */"));
        apliki->click();
        QCOMPARE(iSistemo, 1);
        QCOMPARE(centra->styleSheet(), QStringLiteral("/* neŝanĝita */"));
        QVERIFY(!w->elshutilo);
        QVERIFY(apliki->isHidden() && !apliki->isEnabled());
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);

        // Sizes and fonts rebuild the fonts and the sheets.
        el<QPushButton>(w.get(), "Konfigurado")->click();
        grando->setValue(13);
        el<QSpinBox>(w.get(), "LiterGrandoEo")->setValue(15);
        el<QFontComboBox>(w.get(), "TiparoEo")->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        apliki->click();
        QCOMPARE(iLiterGrando, 13);
        QCOMPARE(iLiterGrandoEo, 15);
        QCOMPARE(sTiparoEo, QStringLiteral("DejaVu Serif"));
        QCOMPARE(QApplication::font().pointSize(), 13);
        QCOMPARE(centra->styleSheet(), Stilfolio::generas(13, QStringLiteral("DejaVu Serif"), 15));
    }

    void aliaLingvo()
    {
        auto w = kreas();
        auto* lingvo = el<QComboBox>(w.get(), "Lingvo");
        lingvo->setCurrentIndex(lingvo->findText(QStringLiteral("Esperanto")));
        w->on_Lingvo_activated(lingvo->currentIndex());
        QCOMPARE(el<QLabel>(w.get(), "tekstoLingvo")->text(), QStringLiteral("Esperanto"));
        el<QPushButton>(w.get(), "shanghasKonfigurojn")->click();
        QCOMPARE(sTradukoDosiero, QStringLiteral("esperanto.trd"));
        QCOMPARE(sLingvo, QStringLiteral("Esperanto"));
        QVERIFY(w->elshutilo);
        // The interface changes only when the download has ended.
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("What is Esperanto?"));
        // (The course site of a test build never answers; the end of the
        // download is what matters here.)
        QMetaObject::invokeMethod(w->elshutilo, "downloaded");
        QCOMPARE(el<QLabel>(w.get(), "label_Kio")->text(), QStringLiteral("Kio estas Esperanto?"));
    }

    // Apply with no row chosen in the language box stays inside the list.
    void neniuVicoElektita()
    {
        auto w = kreas();
        auto* lingvo = el<QComboBox>(w.get(), "Lingvo");
        lingvo->setCurrentIndex(-1);
        w->shanghitajKonfiguroj();
        el<QPushButton>(w.get(), "shanghasKonfigurojn")->click();
        QCOMPARE(sLingvo, QStringLiteral("English — angla"));
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
        QVERIFY(!w->elshutilo);
    }

    // ---- lesson navigation, on a stand-in lesson of ten pages

    void navigado()
    {
        auto w = kreas();
        QWidget* pagho = el(w.get(), "Pagho03");
        auto* kadro = new QFrame(pagho);
        kadro->setObjectName(QStringLiteral("lec03"));
        auto* tabulo = new QTabWidget(kadro);
        tabulo->setObjectName(QStringLiteral("Lec03"));
        for (int i = 0; i < 10; ++i)
            tabulo->addTab(new QWidget, QString::number(i));
        pagho->layout()->addWidget(kadro);

        LastaLeciono = 3;
        LastaPagxo = 4;
        w->ShanghasPaghon(QStringLiteral("Pagho03"), kadro);
        QCOMPARE(paghujo(w.get())->currentIndex(), 3);
        QCOMPARE(tabulo->currentIndex(), 4);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("5/10"));
        QCOMPARE(LastaLeciono, 3);
        QCOMPARE(w->tradukitaj.at(2), QStringLiteral("angla.trd"));
        QVERIFY(!el<QLabel>(w.get(), "leciono")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!el(w.get(), "butonujo")->isHidden() && !el(w.get(), "navigujo")->isHidden());
        QVERIFY(el(w.get(), "paghopiedo")->isHidden());

        tabulo->setCurrentIndex(9);
        el<QPushButton>(w.get(), "dekstren")->click();
        QCOMPARE(tabulo->currentIndex(), 0);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("1/10"));
        el<QPushButton>(w.get(), "maldekstren")->click();
        QCOMPARE(tabulo->currentIndex(), 9);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("10/10"));

        // A right-to-left translation swaps the arrows' pictures, not their work.
        auto bildo = [](const QIcon& i) { return i.pixmap(36, 36).toImage(); };
        const QIcon malantauen(QStringLiteral(":/ikonoj_androjdo/baseline_arrow_back_black_36.png"));
        QCOMPARE(bildo(el<QPushButton>(w.get(), "maldekstren")->icon()), bildo(malantauen));
        testilo::skribas(savasLoko + QStringLiteral("maldekstra.trd"),
                         "[Traduko]\r\nLingvoID=ar\r\nDirekto=RTL\r\n" + testilo::CxefajGrupoj);
        sTradukoDosiero = QStringLiteral("maldekstra.trd");
        w->komencas_navigujon();
        QCOMPARE(bildo(el<QPushButton>(w.get(), "dekstren")->icon()), bildo(malantauen));
        tabulo->setCurrentIndex(1);
        el<QPushButton>(w.get(), "dekstren")->click();
        QCOMPARE(tabulo->currentIndex(), 2);
        sTradukoDosiero = QStringLiteral("angla.trd");
        w->komencas_navigujon();
        QCOMPARE(bildo(el<QPushButton>(w.get(), "maldekstren")->icon()), bildo(malantauen));

        // Another lesson opened last: this one starts on its first page.
        el<QPushButton>(w.get(), "Hejmo")->click();
        LastaLeciono = 5;
        LastaPagxo = 7;
        w->ShanghasPaghon(QStringLiteral("Pagho03"), kadro);
        QCOMPARE(tabulo->currentIndex(), 0);
        QCOMPARE(LastaPagxo, 0);
        QCOMPARE(LastaLeciono, 3);

        // The window closes from a lesson only as far as the home page.
        QVERIFY(montras(w.get()));
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        QVERIFY(el(w.get(), "navigujo")->isHidden());
    }

    // The translation editor asks for pages and texts; the window follows.
    void redaktiloLigilo()
    {
        auto w = kreas();
        QWidget* pagho = el(w.get(), "Pagho04");
        auto* kadro = new QFrame(pagho);
        kadro->setObjectName(QStringLiteral("lec04"));
        auto* tabulo = new QTabWidget(kadro);
        tabulo->setObjectName(QStringLiteral("Lec04"));
        QList<QLabel*> etikedoj;
        for (int i = 0; i < 3; ++i) {
            auto* rulumo = new QScrollArea;
            auto* enhavo = new QWidget;
            auto* aranghilo = new QVBoxLayout(enhavo);
            for (int j = 0; j < 40; ++j) {
                auto* etikedo = new QLabel(QStringLiteral("teksto %1.%2").arg(i).arg(j));
                etikedo->setObjectName(QStringLiteral("Lec04_Label%1").arg(i * 100 + j));
                aranghilo->addWidget(etikedo);
                etikedoj.append(etikedo);
            }
            rulumo->setWidget(enhavo);
            auto* tabPagho = new QWidget;
            (new QVBoxLayout(tabPagho))->addWidget(rulumo);
            tabulo->addTab(tabPagho, QString::number(i));
        }
        pagho->layout()->addWidget(kadro);
        w->lecionoj[3] = kadro;
        QVERIFY(montras(w.get()));

        w->lokigas_paghotrad(QStringLiteral("Pagho_Kreditoj"));
        QCOMPARE(paghujo(w.get())->currentIndex(), 0);
        w->lokigas_paghotrad(QStringLiteral("Pagho04"));
        QCOMPARE(paghujo(w.get())->currentIndex(), 4);

        w->lokigas_frazotrad(QStringLiteral("Pagho04"), QStringLiteral("Lec04_Label235"));
        auto* celo = el<QLabel>(w.get(), "Lec04_Label235");
        QCOMPARE(tabulo->currentIndex(), 2);
        QCOMPARE(el<QLabel>(w.get(), "kiom_da_paghoj")->text(), QStringLiteral("3/3"));
        QCOMPARE(celo->frameShape(), QFrame::Box);
        QCOMPARE(w->lastaKadro, static_cast<QFrame*>(celo));

        w->lokigas_frazotrad(QStringLiteral("Pagho_Konfigurado"), QStringLiteral("Konfig_Label3"));
        QCOMPARE(celo->frameShape(), QFrame::NoFrame);
        QCOMPARE(el<QLabel>(w.get(), "Konfig_Label3")->frameShape(), QFrame::Box);
        QCOMPARE(paghujo(w.get())->currentIndex(), 4); // the settings page is not shown

        w->lokigas_frazotrad(QStringLiteral("Pagho_Kreditoj"), QStringLiteral("Kredit_Label3"));
        QCOMPARE(el<QLabel>(w.get(), "Kredit_Label3")->frameShape(), QFrame::NoFrame);
        w->lokigas_frazotrad(QStringLiteral("Pagho04"), QStringLiteral("Lec04_Label999"));
        QCOMPARE(el<QLabel>(w.get(), "Konfig_Label3")->frameShape(), QFrame::Box);

        // One editor for the run; a second click only brings it forward.
        el<QPushButton>(w.get(), "tradukilo")->click();
        QDialog* redaktilo = w->findChild<QDialog*>(QStringLiteral("traduko"));
        QVERIFY(redaktilo);
        el<QPushButton>(w.get(), "tradukilo")->click();
        QCOMPARE(w->findChildren<QDialog*>(QStringLiteral("traduko")).size(), 1);
        QVERIFY(redaktilo->isVisible());
        QCOMPARE(redaktilo->windowModality(), Qt::NonModal);
        redaktilo->hide();
    }
};

LERBO_TEST_MAIN(TestoFenestro)
#include "tst_lerbo_fenestro.moc"
