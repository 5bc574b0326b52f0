// The built form of lesson 1: its pages, the widgets the exercises, the
// translation pass and the send page look up by name, and the item file
// whose numbers point at those widgets.
#include "funkcioj.h"
#include "lec01.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScroller>
#include <QTabWidget>
#include <memory>

namespace {

// Widgets whose own forms build what is inside them (and may style themselves).
const char* const EKZERCKADROJ[] = {"ekzerco1", "frazokonstruo", "prononco", "audkompreno", "vortoludo", "sendujo"};

bool enEkzercKadro(const QObject* o)
{
    for (const QObject* p = o; p; p = p->parent())
        for (const char* k : EKZERCKADROJ)
            if (p->inherits(k))
                return true;
    return false;
}

// The widgets the form itself put on a page (not those of an exercise frame's own form).
template <class T>
QList<T*> formajxoj(QWidget* radiko)
{
    QList<T*> rezulto;
    const auto cxiuj = radiko->findChildren<T*>();
    for (T* w : cxiuj)
        if (!enEkzercKadro(w))
            rezulto << w;
    return rezulto;
}

int kiomDe(QWidget* pagho, const char* klaso, bool ekzakte = false)
{
    int n = 0;
    const auto cxiuj = formajxoj<QWidget>(pagho);
    for (QWidget* w : cxiuj)
        if (ekzakte ? qstrcmp(w->metaObject()->className(), klaso) == 0 : w->inherits(klaso))
            ++n;
    return n;
}

} // namespace

class TestoLec01Formo : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    template <class T = QWidget>
    T* trovas(const QString& nomo) const
    {
        return lec->findChild<T*>(nomo);
    }

    // The scroll area of a page itself (exercise frames have their own inside).
    QScrollArea* paghaAreo(const QString& pagho) const
    {
        return trovas(pagho)->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(1, nullptr));
        QVERIFY(leciono);
        QCOMPARE(leciono->metaObject()->className(), "lec01");
        QCOMPARE(leciono->objectName(), QStringLiteral("lec01"));
        lec = leciono->findChild<QTabWidget*>(QStringLiteral("Lec01"));
        QVERIFY(lec);
    }

    void paghoj_data()
    {
        QTest::addColumn<int>("indekso");
        QTest::addColumn<QString>("nomo");
        QTest::addColumn<QString>("langeto");
        QTest::addColumn<bool>("ikono");
        const struct
        {
            const char* nomo;
            const char* langeto;
            bool ikono;
        } paghoj[] = {{"tab", "1", true},
                      {"Ekzerco1_Lec01", "2", true},
                      {"tab_2", "3", true},
                      {"tab_4", "4", true},
                      {"tab_5", "5", true},
                      {"tab_6", "6", true},
                      {"tab_7", "7", true},
                      {"tab_8", "8", true},
                      {"Ekzerco7_Lec01", "Frazo", false},
                      {"Ekzerco2_Lec01", "9", true},
                      {"Ekzerco3_Lec01", "10", true},
                      {"Ekzerco4_Lec01", "11", true},
                      {"Sendas1_Lec01", "12", true}};
        int i = 0;
        for (const auto& p : paghoj) {
            QTest::newRow(p.nomo) << i << QString::fromLatin1(p.nomo) << QString::fromLatin1(p.langeto) << p.ikono;
            ++i;
        }
    }
    void paghoj()
    {
        QFETCH(int, indekso);
        QFETCH(QString, nomo);
        QFETCH(QString, langeto);
        QFETCH(bool, ikono);
        QCOMPARE(lec->count(), 13);
        QCOMPARE(lec->widget(indekso)->objectName(), nomo);
        QCOMPARE(lec->tabText(indekso), langeto);
        // The picture must really be among the resources, not only named.
        QCOMPARE(!lec->tabIcon(indekso).availableSizes().isEmpty(), ikono);
    }

    void komencaStato()
    {
        QCOMPARE(lec->currentIndex(), 0);
        QCOMPARE(lec->iconSize(), QSize(24, 24));
        QCOMPARE(leciono->font().family(), QStringLiteral("Arial"));
        QCOMPARE(leciono->windowTitle(), QStringLiteral("Frame"));
        // The alphabet page scrolls with a fixed width until a page change shows it.
        QScrollArea* areo = paghaAreo(QStringLiteral("tab"));
        QVERIFY(areo);
        QVERIFY(!areo->widgetResizable());
        QCOMPARE(areo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void kalkuloj_data()
    {
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<int>("vortoj");
        QTest::addColumn<int>("titoloj");
        QTest::addColumn<int>("etikedoj");
        QTest::addColumn<int>("revenaj");
        QTest::addColumn<int>("antauenaj");
        QTest::addColumn<int>("modeloj");
        QTest::addColumn<int>("kampoj");
        QTest::addColumn<int>("areoj");
        //                                  words titles labels back fwd models fields scroll
        QTest::newRow("alphabet") << "tab" << 84 << 1 << 1 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("hear and pick") << "Ekzerco1_Lec01" << 0 << 1 << 1 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("pronouns") << "tab_2" << 10 << 1 << 13 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("verbs, nouns") << "tab_4" << 14 << 3 << 17 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("vocabulary") << "tab_5" << 23 << 1 << 23 << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("plural") << "tab_6" << 16 << 1 << 17 << 8 << 0 << 0 << 0 << 1;
        QTest::newRow("possessives") << "tab_7" << 18 << 1 << 14 << 2 << 7 << 0 << 0 << 1;
        QTest::newRow("article") << "tab_8" << 14 << 2 << 15 << 4 << 0 << 0 << 0 << 1;
        QTest::newRow("sentence building") << "Ekzerco7_Lec01" << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("pronunciation") << "Ekzerco2_Lec01" << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("listening") << "Ekzerco3_Lec01" << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("word choice") << "Ekzerco4_Lec01" << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("send") << "Sendas1_Lec01" << 0 << 1 << 10 << 0 << 0 << 10 << 10 << 1;
    }
    void kalkuloj()
    {
        QFETCH(QString, pagho);
        QFETCH(int, vortoj);
        QFETCH(int, titoloj);
        QFETCH(int, etikedoj);
        QFETCH(int, revenaj);
        QFETCH(int, antauenaj);
        QFETCH(int, modeloj);
        QFETCH(int, kampoj);
        QFETCH(int, areoj);
        QWidget* p = trovas(pagho);
        QVERIFY(p);
        QCOMPARE(kiomDe(p, "klakbutono_nova"), vortoj);
        QCOMPARE(kiomDe(p, "titolo"), titoloj);
        QCOMPARE(kiomDe(p, "QLabel", true), etikedoj);
        QCOMPARE(kiomDe(p, "label_sago_reversa"), revenaj);
        QCOMPARE(kiomDe(p, "label_sago"), antauenaj);
        QCOMPARE(kiomDe(p, "korekta"), modeloj);
        QCOMPARE(kiomDe(p, "cx_edit"), kampoj);
        QCOMPARE(p->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly).size(), areoj);
        // Every text label of the lesson is named for its translation key.
        const auto etikedojDe = formajxoj<QLabel>(p);
        for (QLabel* l : etikedojDe) {
            const char* k = l->metaObject()->className();
            if (qstrcmp(k, "QLabel") == 0 || qstrcmp(k, "titolo") == 0)
                QVERIFY2(l->objectName().startsWith(QLatin1String("Lec01_Label")), qPrintable(l->objectName()));
        }
    }

    void sagoj()
    {
        // Before any translation the arrows show the left-to-right pictures and no text.
        const auto revenaj = lec->findChildren<QLabel*>();
        int n = 0;
        for (QLabel* l : revenaj) {
            if (!l->inherits("label_sago") && !l->inherits("label_sago_reversa"))
                continue;
            ++n;
            QVERIFY2(l->objectName() == QLatin1String("label") || l->objectName().startsWith(QLatin1String("label_")),
                     qPrintable(l->objectName()));
            QVERIFY(l->text().isEmpty());
            const QPixmap bildo = l->pixmap(Qt::ReturnByValue);
            QVERIFY2(!bildo.isNull(), qPrintable(l->objectName()));
            QCOMPARE(bildo.size(), QSize(24, 24));
        }
        QCOMPARE(n, 21);
    }

    void ekzercoj_data()
    {
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<QString>("klaso");
        QTest::addColumn<QString>("nomo");
        QTest::newRow("hear and pick") << "Ekzerco1_Lec01"
                                       << "ekzerco1"
                                       << "frame";
        QTest::newRow("sentence building") << "Ekzerco7_Lec01"
                                           << "frazokonstruo"
                                           << "Lec01_Ekz_Frazo_0107";
        QTest::newRow("pronunciation") << "Ekzerco2_Lec01"
                                       << "prononco"
                                       << "Lec01_Ekz_Pron_0102";
        QTest::newRow("listening") << "Ekzerco3_Lec01"
                                   << "audkompreno"
                                   << "Lec01_Ekz_0102";
        QTest::newRow("word choice") << "Ekzerco4_Lec01"
                                     << "vortoludo"
                                     << "Lec01_0103";
    }
    void ekzercoj()
    {
        QFETCH(QString, pagho);
        QFETCH(QString, klaso);
        QFETCH(QString, nomo);
        QWidget* p = trovas(pagho);
        QVERIFY(p);
        QFrame* kadro = p->findChild<QFrame*>(nomo);
        QVERIFY(kadro);
        QCOMPARE(kadro->metaObject()->className(), qPrintable(klaso));
        const QFrame::Shape formo = klaso == QLatin1String("ekzerco1") ? QFrame::Box : QFrame::StyledPanel;
        QCOMPARE(kadro->frameShape(), formo);
        QCOMPARE(kadro->frameShadow(), QFrame::Raised);
    }

    void sendopagho()
    {
        const struct
        {
            const char* demando;
            const char* kampo;
            const char* modelo;
        } vicoj[] = {{"Lec01_Label121", "lineEdit", "La teo estas varma."},
                     {"Lec01_Label122", "lineEdit_2", "Instruisto estas patro."},
                     {"Lec01_Label123", "lineEdit_3", "Via patro estis bona."},
                     {"Lec01_Label110", "lineEdit_4", "La novaj instruistoj estos bonaj."},
                     {"Lec01_Label125", "lineEdit_5", "Mia frato estos instruisto."},
                     {"Lec01_Label126", "lineEdit_6", "Viaj filoj estos amikoj."},
                     {"Lec01_Label127", "lineEdit_7", "La kukoj estis bonaj."},
                     {"Lec01_Label128", "lineEdit_8", "La pano estas seka."},
                     {"Lec01_Label129", "lineEdit_9", "La nova knabo estis mia amiko."},
                     {"Lec01_Label130", "lineEdit_10", "La knaboj estos bonaj amikoj."}};
        QWidget* pagho = trovas(QStringLiteral("Sendas1_Lec01"));
        int i = 1;
        QLineEdit* antaua = nullptr;
        for (const auto& v : vicoj) {
            auto* demando = pagho->findChild<QLabel*>(QLatin1String(v.demando));
            auto* kampo = pagho->findChild<QLineEdit*>(QLatin1String(v.kampo));
            auto* modelo = pagho->findChild<QLabel*>(QStringLiteral("Lec01_Button9%1").arg(i, 2, 10, QLatin1Char('0')));
            QVERIFY2(demando && kampo && modelo, v.demando);
            QCOMPARE(demando->buddy(), kampo);
            QVERIFY(kampo->inherits("cx_edit"));
            QVERIFY(modelo->inherits("korekta"));
            QCOMPARE(modelo->text(), QString::fromUtf8(v.modelo));
            QVERIFY(modelo->isHidden());
            // The answer fields follow one another in the focus chain.
            if (antaua) {
                QWidget* sekva = antaua->nextInFocusChain();
                while (sekva != antaua && !(sekva->focusPolicy() & Qt::TabFocus))
                    sekva = sekva->nextInFocusChain();
                QCOMPARE(sekva, kampo);
            }
            antaua = kampo;
            ++i;
        }
        // No other label of the lesson has a buddy.
        int amikoj = 0;
        const auto cxiuj = formajxoj<QLabel>(lec);
        for (QLabel* l : cxiuj)
            amikoj += l->buddy() ? 1 : 0;
        QCOMPARE(amikoj, 10);
        auto* panelo = pagho->findChild<QFrame*>(QStringLiteral("sendujo_panelo"));
        QVERIFY(panelo && panelo->inherits("sendujo"));
    }

    void tipoEcoj()
    {
        QStringList subaj;
        const auto cxiuj = formajxoj<QWidget>(lec);
        for (QWidget* w : cxiuj) {
            QVERIFY2(!w->property("lingvo").isValid(), qPrintable(w->objectName()));
            const QVariant tipo = w->property("tipo");
            if (!tipo.isValid())
                continue;
            QCOMPARE(tipo.toString(), QStringLiteral("suba"));
            subaj << w->objectName();
        }
        subaj.sort();
        QCOMPARE(subaj, QStringList({"Lec01_Label104", "Lec01_Label105", "Lec01_Label106", "Lec01_Label107",
                                     "Lec01_Label108", "Lec01_Label109"}));
    }

    void alfabeto()
    {
        // Letters in row order: the left half is numbered 29-42, the right half 85-98.
        const QString literoj = QStringLiteral("ABCĈDEFGĜHĤIJĴKLMNOPRSŜTUŬVZ");
        for (int i = 0; i < 28; ++i) {
            const int n = i < 14 ? 29 + i : 85 + i - 14;
            auto* l = trovas<QLabel>(QStringLiteral("Lec01_Button%1").arg(n));
            QVERIFY(l);
            QCOMPARE(l->text(), QString(literoj.at(i)));
        }
        // The item file's hear-and-pick words are the alphabet page's example
        // words, row by row, except that L is exemplified by ĉelo there.
        QStringList eroj;
        QCOMPARE(_Matriz(&eroj, QStringLiteral("0101"), QStringLiteral("D")), 56);
        const QStringList vortoj = {"Lec01_Button10", "Lec01_Button26", "Lec01_XButton1",
                                    "Lec01_XButton2", "Lec01_Button1",  "Lec01_Button55"};
        for (int i = 0; i < vortoj.size(); ++i)
            QCOMPARE(eroj.at(i), trovas<QLabel>(vortoj.at(i))->text());
        QCOMPARE(trovas<QLabel>(QStringLiteral("Lec01_Button2"))->text(), QStringLiteral("ŝelo"));
        QCOMPARE(eroj.at(30), QStringLiteral("ĉelo"));
        QCOMPARE(eroj.at(31), trovas<QLabel>(QStringLiteral("Lec01_Button56"))->text());
        QCOMPARE(eroj.last(), trovas<QLabel>(QStringLiteral("Lec01_Button4"))->text());
    }

    void eroj_data()
    {
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<int>("kiom");
        QTest::addColumn<bool>("paroj");
        QTest::newRow("0102 pronunciation and listening") << "0102" << 48 << false;
        QTest::newRow("0103 word choice") << "0103" << 45 << true;
        QTest::newRow("0107 sentence building") << "0107" << 15 << true;
    }
    void eroj()
    {
        QFETCH(QString, kodo);
        QFETCH(int, kiom);
        QFETCH(bool, paroj);
        QStringList d, r;
        QCOMPARE(_Matriz(&d, kodo, QStringLiteral("D")), kiom);
        int nombroj = 0;
        for (int i = 0; i < d.size(); ++i) {
            bool nombro = false;
            const int n = d.at(i).toInt(&nombro);
            if (!nombro) {
                // A word item is played from a clip named after it, so it must be a word of the lesson.
                QVERIFY2(!paroj, qPrintable(d.at(i)));
                bool trovita = false;
                const auto vortoj = lec->findChildren<QLabel*>();
                for (QLabel* l : vortoj)
                    trovita = trovita || (l->inherits("klakbutono_nova") && l->text() == d.at(i));
                QVERIFY2(trovita, qPrintable(d.at(i)));
                continue;
            }
            ++nombroj;
            const QString nomo = QStringLiteral("Lec01_Button%1").arg(n);
            auto* vorto = trovas<QLabel>(nomo);
            QVERIFY2(vorto, qPrintable(kodo + ": " + nomo));
            QVERIFY2(vorto->inherits("klakbutono_nova") || vorto->inherits("korekta"), qPrintable(nomo));
            QVERIFY(!vorto->text().trimmed().isEmpty());
        }
        if (!paroj) {
            QCOMPARE(nombroj, 16);
            return;
        }
        QCOMPARE(_Matriz(&r, kodo, QStringLiteral("R")), kiom);
        for (const QString& m : qAsConst(r)) {
            const QString nomo = QStringLiteral("Lec01_Label") + m;
            auto* etikedo = trovas<QLabel>(nomo);
            QVERIFY2(etikedo, qPrintable(kodo + ": " + nomo));
            QCOMPARE(etikedo->metaObject()->className(), "QLabel");
        }
        // The word-choice exercise needs distinct answers to offer five of them.
        QCOMPARE(QSet<QString>(r.begin(), r.end()).size(), r.size());
    }

    void glitado()
    {
        // The nine page scroll areas scroll by dragging.
        int n = 0;
        for (int i = 0; i < lec->count(); ++i) {
            const auto areoj = lec->widget(i)->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
            for (QScrollArea* a : areoj) {
                QVERIFY(QScroller::hasScroller(a->viewport()));
                ++n;
            }
        }
        QCOMPARE(n, 9);
    }

    void paghoShanghoj()
    {
        // Without the main window as the active window a page change reports
        // nothing, but the new page's scroll areas follow the width from now on.
        LastaPagxo = 7;
        lec->setCurrentIndex(12);
        QVERIFY(paghaAreo(QStringLiteral("Sendas1_Lec01"))->widgetResizable());
        lec->setCurrentIndex(0);
        QVERIFY(paghaAreo(QStringLiteral("tab"))->widgetResizable());
        QCOMPARE(LastaPagxo, 7);
    }
};

LERBO_TEST_MAIN(TestoLec01Formo)
#include "tst_lec01_formo.moc"
