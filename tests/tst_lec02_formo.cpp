// The built form of lesson 2: its pages, the widgets the exercises, the
// translation pass and the send page look up by name, the music page that
// the lesson frame lays out itself, and the item file whose numbers point at
// those widgets.
#include "funkcioj.h"
#include "lec02.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScroller>
#include <QTabWidget>
#include <algorithm>
#include <memory>

namespace {

const char* const KADROJ[] = {"frazokonstruo", "prononco",        "audkompreno", "vortoludo",
                              "akuzativo",     "plenigas_spacon", "videoludilo"};

bool enKadro(const QObject* o)
{
    for (const QObject* p = o->parent(); p; p = p->parent())
        for (const char* k : KADROJ)
            if (p->inherits(k))
                return true;
    return false;
}

// The widgets the form itself put on a page (not those of an exercise
// frame's or the video player's own children).
template <class T>
QList<T*> formajxoj(QWidget* radiko)
{
    QList<T*> rezulto;
    const auto cxiuj = radiko->findChildren<T*>();
    for (T* w : cxiuj)
        if (!enKadro(w))
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

// The layout that holds the widget as one of its own items.
QLayout* ujoDe(QWidget* radiko, QWidget* w)
{
    const auto arangxoj = radiko->findChildren<QLayout*>();
    for (QLayout* l : arangxoj)
        if (l->indexOf(w) >= 0)
            return l;
    return nullptr;
}

} // namespace

class TestoLec02Formo : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    template <class T = QWidget>
    T* trovas(const QString& nomo) const
    {
        return lec->findChild<T*>(nomo);
    }

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(2, nullptr));
        QVERIFY(leciono);
        QCOMPARE(leciono->metaObject()->className(), "lec02");
        QCOMPARE(leciono->objectName(), QStringLiteral("lec02"));
        lec = leciono->findChild<QTabWidget*>(QStringLiteral("Lec02"));
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
        } paghoj[] = {{"tab_13", "1", true},         {"tab_14", "2", true},          {"tab_15", "3", true},
                      {"tab_16", "4", true},         {"tab_17", "5", true},          {"Ekzerco7_Lec02", "Frazo", false},
                      {"Ekzerco1_Lec02", "6", true}, {"Ekzerco2_Lec02", "7", true},  {"Ekzerco3_Lec02", "8", true},
                      {"Ekzerco4_Lec02", "9", true}, {"Ekzerco5_Lec02", "10", true}, {"Sendas1_Lec02", "11", true}};
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
        QCOMPARE(lec->count(), 12);
        QCOMPARE(lec->widget(indekso)->objectName(), nomo);
        QCOMPARE(lec->tabText(indekso), langeto);
        // The picture must really be among the resources, not only named.
        QCOMPARE(!lec->tabIcon(indekso).availableSizes().isEmpty(), ikono);
    }

    void komencaStato()
    {
        // The form leaves the music page current; the main window chooses the real page.
        QCOMPARE(lec->currentIndex(), 3);
        QCOMPARE(lec->iconSize(), QSize(24, 24));
        QCOMPARE(leciono->font().family(), QStringLiteral("Arial"));
        QCOMPARE(leciono->font().pointSize(), 11);
        QCOMPARE(leciono->windowTitle(), QStringLiteral("Frame"));
        QCOMPARE(leciono->frameShape(), QFrame::StyledPanel);
        // The four text pages share one picture.
        const qint64 libro = lec->tabIcon(0).cacheKey();
        QCOMPARE(lec->tabIcon(1).cacheKey(), libro);
        QCOMPARE(lec->tabIcon(4).cacheKey(), libro);
        QVERIFY(lec->tabIcon(3).cacheKey() != libro);
    }

    void kalkuloj_data()
    {
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<int>("vortoj");
        QTest::addColumn<int>("titoloj");
        QTest::addColumn<int>("etikedoj");
        QTest::addColumn<int>("revenaj");
        QTest::addColumn<int>("modeloj");
        QTest::addColumn<int>("kampoj");
        QTest::addColumn<int>("areoj");
        //                                           words titles labels back models fields scroll
        QTest::newRow("-ino") << "tab_13" << 11 << 1 << 13 << 4 << 0 << 0 << 1;
        QTest::newRow("accusative") << "tab_14" << 5 << 1 << 10 << 0 << 0 << 0 << 1;
        QTest::newRow("mal-, negation") << "tab_15" << 14 << 2 << 16 << 5 << 0 << 0 << 1;
        QTest::newRow("music") << "tab_16" << 0 << 1 << 3 << 0 << 0 << 0 << 1;
        QTest::newRow("vocabulary") << "tab_17" << 25 << 1 << 25 << 0 << 0 << 0 << 1;
        QTest::newRow("sentence building") << "Ekzerco7_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("pronunciation") << "Ekzerco1_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("listening") << "Ekzerco2_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("word choice") << "Ekzerco3_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("accusative exercise") << "Ekzerco4_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("gap filling") << "Ekzerco5_Lec02" << 0 << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("send") << "Sendas1_Lec02" << 0 << 1 << 10 << 0 << 10 << 10 << 1;
    }
    void kalkuloj()
    {
        QFETCH(QString, pagho);
        QFETCH(int, vortoj);
        QFETCH(int, titoloj);
        QFETCH(int, etikedoj);
        QFETCH(int, revenaj);
        QFETCH(int, modeloj);
        QFETCH(int, kampoj);
        QFETCH(int, areoj);
        QWidget* p = trovas(pagho);
        QVERIFY(p);
        QCOMPARE(kiomDe(p, "klakbutono_nova"), vortoj);
        QCOMPARE(kiomDe(p, "titolo"), titoloj);
        QCOMPARE(kiomDe(p, "QLabel", true), etikedoj);
        QCOMPARE(kiomDe(p, "label_sago_reversa"), revenaj);
        QCOMPARE(kiomDe(p, "label_sago", true), 0);
        QCOMPARE(kiomDe(p, "korekta"), modeloj);
        QCOMPARE(kiomDe(p, "cx_edit"), kampoj);
        QCOMPARE(p->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly).size(), areoj);
    }

    void nomoj()
    {
        // Every text label is named for its translation key; the picture and
        // link labels are the only others, and keep their names.
        const QStringList bildoj = {"label_22", "label_23", "label_24", "label_25", "label_28", "label_29", "label_48",
                                    "label_49", "label_50", "label_51", "label_52", "label",    "label_21"};
        QStringList trovitajBildoj;
        int tradukataj = 0, vortoj = 0;
        const auto cxiuj = formajxoj<QLabel>(lec);
        for (QLabel* l : cxiuj) {
            const QString nomo = l->objectName();
            if (l->inherits("klakbutono_nova") || l->inherits("korekta")) {
                QVERIFY2(nomo.startsWith(QLatin1String("Lec02_Button")), qPrintable(nomo));
                QVERIFY2(!l->text().trimmed().isEmpty(), qPrintable(nomo));
                vortoj += l->inherits("klakbutono_nova") ? 1 : 0;
            } else if (nomo.startsWith(QLatin1String("Lec02_Label"))) {
                QVERIFY2(!l->text().trimmed().isEmpty(), qPrintable(nomo));
                ++tradukataj;
            } else {
                QVERIFY2(bildoj.contains(nomo), qPrintable(nomo));
                trovitajBildoj << nomo;
            }
        }
        QCOMPARE(vortoj, 55);
        QCOMPARE(tradukataj, 80);
        trovitajBildoj.sort();
        QStringList atenditaj = bildoj;
        atenditaj.sort();
        QCOMPARE(trovitajBildoj, atenditaj);
    }

    void bildoj()
    {
        // Arrows and equals signs show their picture only, with no text.
        int sagoj = 0;
        const auto cxiuj = formajxoj<QLabel>(lec);
        for (QLabel* l : cxiuj) {
            const bool sago = l->inherits("label_sago_reversa");
            if (!sago && l->property("tipo").toString() != QLatin1String("egala") && l->objectName() != "label")
                continue;
            sagoj += sago ? 1 : 0;
            QVERIFY(l->text().isEmpty());
            QVERIFY2(!l->pixmap(Qt::ReturnByValue).isNull(), qPrintable(l->objectName()));
        }
        QCOMPARE(sagoj, 9);
        // Arrows of page 1 stand right, those of page 3 centred.
        QCOMPARE(trovas<QLabel>("label_22")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(trovas<QLabel>("label_52")->alignment(), Qt::Alignment(Qt::AlignCenter));
        // The equals rows keep 6 pixels at their sides.
        QLayout* vico = ujoDe(lec, trovas<QLabel>("label_28"));
        QVERIFY(vico);
        QCOMPARE(vico->contentsMargins(), QMargins(6, 0, 6, 0));
        QCOMPARE(vico->indexOf(trovas("Lec02_Button262")), 1);
    }

    void tipoEcoj()
    {
        QStringList egalaj;
        const auto cxiuj = formajxoj<QWidget>(lec);
        for (QWidget* w : cxiuj) {
            // An exercise frame's own form styles the frame itself.
            if (std::any_of(std::begin(KADROJ), std::end(KADROJ), [w](const char* k) { return w->inherits(k); }))
                continue;
            QVERIFY2(!w->property("lingvo").isValid(), qPrintable(w->objectName()));
            const QVariant tipo = w->property("tipo");
            if (!tipo.isValid())
                continue;
            QCOMPARE(tipo.toString(), QStringLiteral("egala"));
            egalaj << w->objectName();
        }
        egalaj.sort();
        QCOMPARE(egalaj, QStringList({"label_28", "label_29"}));
    }

    void frazoj()
    {
        // Translations of sentences stand under them, those of words beside them.
        for (const char* nomo : {"Lec02_Button259", "Lec02_Button270"}) {
            auto* l = trovas<QLabel>(nomo);
            QVERIFY(l->wordWrap());
            QCOMPARE(qobject_cast<QBoxLayout*>(ujoDe(lec, l))->direction(), QBoxLayout::TopToBottom);
        }
        QCOMPARE(qobject_cast<QBoxLayout*>(ujoDe(lec, trovas("Lec02_Button254")))->direction(),
                 QBoxLayout::LeftToRight);
        QCOMPARE(trovas<QLabel>("Lec02_Button269")->text(), QStringLiteral("Ŝi ne estas mia patrino."));
    }

    void ekzercoj_data()
    {
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<QString>("klaso");
        QTest::addColumn<QString>("nomo");
        QTest::newRow("sentence building") << "Ekzerco7_Lec02"
                                           << "frazokonstruo"
                                           << "Lec02_Ekz_Frazo_0207";
        QTest::newRow("pronunciation") << "Ekzerco1_Lec02"
                                       << "prononco"
                                       << "Lec02_Ekz_Pron_0201";
        QTest::newRow("listening") << "Ekzerco2_Lec02"
                                   << "audkompreno"
                                   << "Lec02_Ekz_Aud_0201";
        QTest::newRow("word choice") << "Ekzerco3_Lec02"
                                     << "vortoludo"
                                     << "Lec02_Ekz_Vorto_0203";
        QTest::newRow("accusative") << "Ekzerco4_Lec02"
                                    << "akuzativo"
                                    << "Lec02_Ekz_Akuz_0202";
        QTest::newRow("gap filling") << "Ekzerco5_Lec02"
                                     << "plenigas_spacon"
                                     << "Lec02_Ekz_Plen_0204";
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
        QCOMPARE(kadro->parentWidget(), p);
        QCOMPARE(kadro->metaObject()->className(), qPrintable(klaso));
        QCOMPARE(kadro->frameShape(), QFrame::StyledPanel);
        QCOMPARE(kadro->frameShadow(), QFrame::Raised);
        QCOMPARE(p->layout()->count(), 1);
        QCOMPARE(p->layout()->spacing(), 0);
    }

    void muzikpagho()
    {
        // Video player first, then the heading, the introduction, the cart
        // with the link, and free space below.
        auto* enhavo = trovas(QStringLiteral("scrollAreaWidgetContents_6"));
        QVERIFY(enhavo);
        auto* kolumno = qobject_cast<QVBoxLayout*>(enhavo->layout());
        QVERIFY(kolumno);
        QCOMPARE(kolumno->count(), 5);
        QWidget* video = kolumno->itemAt(0)->widget();
        QVERIFY(video && video->inherits("videoludilo"));
        QCOMPARE(video->parentWidget(), enhavo);
        QCOMPARE(kolumno->itemAt(1)->widget(), trovas("Lec02_Label50"));
        QCOMPARE(kolumno->itemAt(2)->widget(), trovas("Lec02_Label49"));
        auto* vico = qobject_cast<QHBoxLayout*>(kolumno->itemAt(3)->layout());
        QVERIFY(vico);
        QCOMPARE(vico->count(), 2);
        QCOMPARE(vico->itemAt(0)->widget(), enhavo->findChild<QWidget*>(QStringLiteral("label")));
        QCOMPARE(vico->itemAt(1)->widget(), trovas("label_21"));
        QSpacerItem* spaco = kolumno->itemAt(4)->spacerItem();
        QVERIFY(spaco);
        QCOMPARE(spaco->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(kiomDe(lec, "videoludilo"), 1);

        auto* ligilo = trovas<QLabel>(QStringLiteral("label_21"));
        QVERIFY(ligilo->openExternalLinks());
        QVERIFY(ligilo->text().contains(QLatin1String("<a href=\"http")));
        auto* areo = trovas<QScrollArea>(QStringLiteral("scrollArea_6"));
        QCOMPARE(areo->sizeAdjustPolicy(), QAbstractScrollArea::AdjustToContentsOnFirstShow);
        QVERIFY(areo->widgetResizable());
    }

    void sendopagho()
    {
        const struct
        {
            const char* demando;
            const char* modelo;
        } vicoj[] = {{"Lec02_Label237", "Sana knabo trinkas varman lakton."},
                     {"Lec02_Label238", "La malnova butiko ne vendas sekajn kukojn."},
                     {"Lec02_Label22", "La instruisto renkontis la novajn amikojn."},
                     {"Lec02_Label240", "La novaj amikoj faros bonan kukon."},
                     {"Lec02_Label241", "La knabino ne trovis la fratinojn."},
                     {"Lec02_Label242", "La malgranda fratino estas malsana, la frato estas sana."},
                     {"Lec02_Label243", "La patro ne lavos la malgrandajn tasojn."},
                     {"Lec02_Label244", "La bela birdo kaptis malgrandan insekton."},
                     {"Lec02_Label245", "La knabo estis mia malnova amiko."},
                     {"Lec02_Label246", "La knaboj estis grandaj amikoj."}};
        QWidget* pagho = trovas(QStringLiteral("Sendas1_Lec02"));
        int i = 1;
        for (const auto& v : vicoj) {
            auto* demando = pagho->findChild<QLabel*>(QLatin1String(v.demando));
            auto* kampo = pagho->findChild<QLineEdit*>(QStringLiteral("lineEdit_%1").arg(10 + i));
            auto* modelo = pagho->findChild<QLabel*>(QStringLiteral("Lec02_Button9%1").arg(i, 2, 10, QLatin1Char('0')));
            QVERIFY2(demando && kampo && modelo, v.demando);
            QCOMPARE(demando->buddy(), kampo);
            QVERIFY(demando->text().startsWith(QString::number(i) + QLatin1String(". ")));
            QVERIFY(kampo->inherits("cx_edit"));
            QVERIFY(modelo->inherits("korekta"));
            QCOMPARE(modelo->text(), QString::fromUtf8(v.modelo));
            QVERIFY(modelo->isHidden());
            // Question, field and model answer form one block.
            QLayout* bloko = ujoDe(pagho, kampo);
            QCOMPARE(bloko->indexOf(demando), 0);
            QCOMPARE(bloko->indexOf(modelo), 2);
            ++i;
        }
        int amikoj = 0;
        const auto cxiuj = formajxoj<QLabel>(lec);
        for (QLabel* l : cxiuj)
            amikoj += l->buddy() ? 1 : 0;
        QCOMPARE(amikoj, 10);
        // The send panel closes the page, centred.
        auto* panelo = pagho->findChild<QFrame*>(QStringLiteral("frame"));
        QVERIFY(panelo && panelo->inherits("sendujo"));
        QLayout* enhavo = ujoDe(pagho, panelo);
        QCOMPARE(enhavo->indexOf(panelo), enhavo->count() - 1);
        QCOMPARE(enhavo->itemAt(enhavo->count() - 1)->alignment(), Qt::AlignHCenter);
    }

    void vortaro()
    {
        const QStringList vortoj = {"akvo",   "ami",     "amo",   "birdo",    "butiko",   "fari",   "forgesi",
                                    "havi",   "insekto", "kapti", "lavi",     "limonado", "papero", "peti",
                                    "plumo",  "porti",   "pura",  "renkonti", "skribi",   "sukeri", "taso",
                                    "trinki", "trovi",   "vendi", "vidi"};
        for (int i = 0; i < vortoj.size(); ++i) {
            auto* vorto = trovas<QLabel>(QStringLiteral("Lec02_Button%1").arg(271 + i));
            auto* signifo = trovas<QLabel>(QStringLiteral("Lec02_Label%1").arg(158 + i));
            QVERIFY(vorto && signifo);
            QCOMPARE(vorto->text(), vortoj.at(i));
            QCOMPARE(ujoDe(lec, vorto), ujoDe(lec, signifo));
        }
    }

    // Word-choice and sentence-building items: a word or sentence label and
    // the label that translates it, standing side by side or one under the
    // other in the same row or block.
    void eroj_data()
    {
        QTest::addColumn<QString>("kodo");
        QTest::addColumn<int>("kiom");
        QTest::newRow("0203 word choice") << "0203" << 42;
        QTest::newRow("0207 sentence building") << "0207" << 16;
    }
    void eroj()
    {
        QFETCH(QString, kodo);
        QFETCH(int, kiom);
        QStringList d, r;
        QCOMPARE(_Matriz(&d, kodo, QStringLiteral("D")), kiom);
        QCOMPARE(_Matriz(&r, kodo, QStringLiteral("R")), kiom);
        for (int i = 0; i < kiom; ++i) {
            bool nombro = false;
            const int n = d.at(i).toInt(&nombro);
            QVERIFY2(nombro && n > 0, qPrintable(d.at(i)));
            auto* vorto = trovas<QLabel>(QStringLiteral("Lec02_Button%1").arg(n));
            auto* signifo = trovas<QLabel>(QStringLiteral("Lec02_Label") + r.at(i));
            QVERIFY2(vorto && signifo, qPrintable(kodo + ": " + d.at(i) + " / " + r.at(i)));
            QCOMPARE(signifo->metaObject()->className(), "QLabel");
            QVERIFY(vorto->inherits("klakbutono_nova") || vorto->inherits("korekta"));
            QVERIFY2(ujoDe(lec, vorto) == ujoDe(lec, signifo), qPrintable(kodo + ": " + d.at(i)));
            if (kodo == QLatin1String("0207")) {
                // A sentence: words split by single blanks, one sentence point at the end.
                const QString t = vorto->text();
                QVERIFY2(!t.contains(QLatin1String("  ")) && t.endsWith(QLatin1Char('.')), qPrintable(t));
                QVERIFY(t.split(QLatin1Char(' ')).size() <= 18);
            }
        }
        QCOMPARE(QSet<QString>(d.begin(), d.end()).size(), kiom);
        // The word-choice exercise offers several meanings at once: no two alike.
        QCOMPARE(QSet<QString>(r.begin(), r.end()).size(), kiom);
    }

    void vortlisto()
    {
        // Pronunciation and listening play each word from a clip named after
        // it, so every item is a word shown on the lesson's pages.
        QStringList d;
        QCOMPARE(_Matriz(&d, QStringLiteral("0201"), QStringLiteral("D")), 40);
        QSet<QString> vortoj;
        const auto cxiuj = lec->findChildren<QLabel*>();
        for (QLabel* l : cxiuj)
            if (l->inherits("klakbutono_nova"))
                vortoj.insert(l->text());
        for (const QString& v : qAsConst(d)) {
            QVERIFY2(vortoj.contains(v), qPrintable(v));
            QVERIFY2(v.toInt() <= 0 && !v.contains(QLatin1Char(' ')), qPrintable(v));
        }
        QCOMPARE(QSet<QString>(d.begin(), d.end()).size(), 40);
    }

    void glitado()
    {
        int n = 0;
        for (int i = 0; i < lec->count(); ++i) {
            const auto areoj = lec->widget(i)->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
            for (QScrollArea* a : areoj) {
                QVERIFY(QScroller::hasScroller(a->viewport()));
                ++n;
            }
        }
        QCOMPARE(n, 6);
    }

    void paghoShanghoj()
    {
        // Without the main window as the active window a page change reports
        // nothing, but the new page's scroll areas follow the width from now on.
        LastaPagxo = 7;
        auto* areo = trovas<QScrollArea>(QStringLiteral("scrollArea_5"));
        areo->setWidgetResizable(false);
        lec->setCurrentIndex(11);
        QVERIFY(areo->widgetResizable());
        QCOMPARE(LastaPagxo, 7);
    }
};

LERBO_TEST_MAIN(TestoLec02Formo)
#include "tst_lec02_formo.moc"
