// The built form of every lesson against its row in lecionaj_datumoj: its
// pages in order with their tabs, the widgets it places on each page, the
// names the translation pass, the exercises and the send pages look up, and
// what a page change does to a lesson that is not in the main window.
#include "funkcioj.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScroller>
#include <QSet>
#include <QTabWidget>
#include <map>
#include <memory>

using lecionaj_datumoj::Leciono;

Q_DECLARE_METATYPE(const Leciono*)

namespace {

const char* const EKZERCAJ_KLASOJ[] = {"ekzerco1",  "frazokonstruo",   "prononco",     "audkompreno", "vortoludo",
                                       "akuzativo", "plenigas_spacon", "ekznumeraloj", "kiomahoro"};

bool estasEkzerco(const QObject* o)
{
    for (const char* k : EKZERCAJ_KLASOJ)
        if (o->inherits(k))
            return true;
    return false;
}

QImage bildoDe(const QIcon& ikono)
{
    return ikono.pixmap(QSize(24, 24)).toImage();
}

} // namespace

class TestoLecionojFormo : public QObject
{
    Q_OBJECT

    std::map<int, std::unique_ptr<QFrame>> lecionoj;

    QTabWidget* lec(const Leciono* l) { return lecionilo::tabulo(lecionoj.at(l->numero).get(), l->numero); }

    // One row per lesson.
    static void perLeciono()
    {
        QTest::addColumn<const Leciono*>("l");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            QTest::newRow(qPrintable(l.klaso)) << &l;
    }

private slots:
    void initTestCase()
    {
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            lecionoj[l.numero].reset(KreasLecionon(l.numero, nullptr));
    }

    void leciono_data() { perLeciono(); }
    void leciono()
    {
        QFETCH(const Leciono*, l);
        QFrame* kadro = lecionoj.at(l->numero).get();
        QVERIFY2(kadro, "the lesson table builds no such lesson");
        QCOMPARE(QString::fromLatin1(kadro->metaObject()->className()), l->klaso);
        QCOMPARE(kadro->objectName(), l->klaso);
        QTabWidget* t = lec(l);
        QVERIFY(t);
        QCOMPARE(t->count(), l->paghoj.size());
        QCOMPARE(t->currentIndex(), l->nunaPagho);
        QCOMPARE(t->iconSize(), QSize(24, 24));
        if (l->tiparo) {
            QCOMPARE(kadro->font().family(), QStringLiteral("Arial"));
            QCOMPARE(kadro->font().pointSize(), 11);
            QCOMPARE(kadro->windowTitle(), QStringLiteral("Frame"));
        } else {
            QVERIFY(!kadro->testAttribute(Qt::WA_SetFont));
            QVERIFY(kadro->windowTitle().isEmpty());
        }
        QCOMPARE(kadro->frameShape(), QFrame::StyledPanel);
        QCOMPARE(kadro->frameShadow(), QFrame::Raised);
    }

    void paghoj_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("indekso");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.paghoj.size(); ++i)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.paghoj.at(i).nomo)) << &l << i;
    }
    void paghoj()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, indekso);
        const lecionaj_datumoj::Pagho& p = l->paghoj.at(indekso);
        QTabWidget* t = lec(l);
        QVERIFY(indekso < t->count());
        QCOMPARE(t->widget(indekso)->objectName(), p.nomo);
        QCOMPARE(t->tabText(indekso), p.langeto);
        // The picture must really be among the resources, not only named.
        const QIcon ikono = t->tabIcon(indekso);
        QCOMPARE(!ikono.availableSizes().isEmpty(), !p.ikono.isEmpty());
        if (!p.ikono.isEmpty())
            QVERIFY(bildoDe(ikono) == bildoDe(QIcon(QStringLiteral(":/ikonoj/") + p.ikono + QStringLiteral(".png"))));
        QCOMPARE(lecionilo::kalkuloj(t->widget(indekso)), lecionilo::normigas(p.kalkuloj));
    }

    void etikedoj_data() { perLeciono(); }
    void etikedoj()
    {
        // Every text label is named for its translation key, every word box
        // and model answer after its number (or a model answer "label..."),
        // every arrow "label..."; the others are the row's and keep their names.
        QFETCH(const Leciono*, l);
        QTabWidget* t = lec(l);
        const QString teksto = l->sekcio() + QStringLiteral("_Label");
        const QString vorto = l->sekcio() + QStringLiteral("_Button");
        QStringList aliaj, modeloj;
        for (const lecionaj_datumoj::Sendo& s : l->sendoj)
            for (const lecionaj_datumoj::Demando& d : s.demandoj)
                modeloj << d.modelo;
        const auto cxiuj = lecionilo::propraj<QLabel>(t);
        for (QLabel* e : cxiuj) {
            const QString nomo = e->objectName();
            if (l->aliajEtikedoj.contains(nomo)) {
                aliaj << nomo;
                const bool bildo = l->bildoj.contains(nomo);
                const bool koloro = l->koloroj.contains(nomo);
                QVERIFY2(e->text().isEmpty() == (bildo || koloro), qPrintable(nomo));
                QVERIFY2(e->pixmap(Qt::ReturnByValue).isNull() != bildo, qPrintable(nomo));
                QVERIFY2(e->styleSheet().contains(QLatin1String("background-color")) == koloro, qPrintable(nomo));
            } else if (e->inherits("klakbutono_nova") || e->inherits("neklakebla_nova") || e->inherits("korekta")) {
                // Model answers may keep the names the row lists ("label",
                // "label_2", ...), and a box that does not speak and that no
                // exercise looks up may keep the form's own name.
                QVERIFY2(nomo.startsWith(vorto) || (e->inherits("korekta") && modeloj.contains(nomo))
                             || (e->inherits("neklakebla_nova") && nomo.startsWith(QLatin1String("pushButton"))),
                         qPrintable(nomo));
                QVERIFY2(!e->text().trimmed().isEmpty(), qPrintable(nomo));
            } else if (e->inherits("label_sago") || e->inherits("label_sago_reversa")) {
                // Before any translation an arrow shows the left-to-right picture and no text.
                QVERIFY2(nomo == QLatin1String("label") || nomo.startsWith(QLatin1String("label_")), qPrintable(nomo));
                QVERIFY2(e->text().isEmpty(), qPrintable(nomo));
                QCOMPARE(e->pixmap(Qt::ReturnByValue).size(), QSize(24, 24));
            } else {
                QVERIFY2(nomo.startsWith(teksto), qPrintable(nomo));
                QVERIFY2(!e->text().trimmed().isEmpty(), qPrintable(nomo));
            }
        }
        const QString diferenco = lecionilo::diferencoj(aliaj, l->aliajEtikedoj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
    }

    void tipoj_data() { perLeciono(); }
    void tipoj()
    {
        // The style sheet picks labels by "tipo", and Esperanto text and
        // answer fields by "lingvo", on the lesson's own widgets (the frames'
        // forms set their own).
        QFETCH(const Leciono*, l);
        QStringList tipoj, lingvoj;
        const auto cxiuj = lecionilo::propraj<QWidget>(lec(l));
        for (QWidget* w : cxiuj) {
            if (lecionilo::havasPropranEnhavon(w))
                continue;
            const QVariant tipo = w->property("tipo");
            if (tipo.isValid())
                tipoj << w->objectName() + QLatin1Char('=') + tipo.toString();
            const QVariant lingvo = w->property("lingvo");
            if (lingvo.isValid())
                lingvoj << w->objectName() + QLatin1Char('=') + lingvo.toString();
        }
        QString diferenco = lecionilo::diferencoj(tipoj, l->tipoj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(QStringLiteral("tipo: ") + diferenco));
        diferenco = lecionilo::diferencoj(lingvoj, l->lingvoj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(QStringLiteral("lingvo: ") + diferenco));
    }

    void amikoj_data() { perLeciono(); }
    void amikoj()
    {
        // Every question has its answer field as buddy, and no other label has one.
        QFETCH(const Leciono*, l);
        QStringList paroj;
        const auto cxiuj = lecionilo::propraj<QLabel>(lec(l));
        for (QLabel* e : cxiuj)
            if (e->buddy())
                paroj << e->objectName() + QLatin1Char('>') + e->buddy()->objectName();
        QStringList atenditaj = l->amikoj;
        for (const lecionaj_datumoj::Sendo& s : l->sendoj)
            for (const lecionaj_datumoj::Demando& d : s.demandoj)
                atenditaj << d.demando + QLatin1Char('>') + d.kampo;
        const QString diferenco = lecionilo::diferencoj(paroj, atenditaj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
    }

    void ekzercoj_data() { perLeciono(); }
    void ekzercoj()
    {
        // The row names every exercise frame of the form.
        QFETCH(const Leciono*, l);
        QStringList kadroj;
        const auto cxiuj = lecionilo::propraj<QWidget>(lec(l));
        for (QWidget* w : cxiuj)
            if (estasEkzerco(w))
                kadroj << w->objectName();
        QStringList atenditaj;
        for (const lecionaj_datumoj::Ekzerco& e : l->ekzercoj)
            atenditaj << e.nomo;
        const QString diferenco = lecionilo::diferencoj(kadroj, atenditaj);
        QVERIFY2(diferenco.isEmpty(), qPrintable(diferenco));
        for (const QString& k : l->kuroj)
            QVERIFY2(l->ekzerco(k), qPrintable(k + QStringLiteral(" is run but is no exercise frame of the row")));
    }

    void ekzerco_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("i");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.ekzercoj.size(); ++i)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.ekzercoj.at(i).nomo)) << &l << i;
    }
    void ekzerco()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const lecionaj_datumoj::Ekzerco& e = l->ekzercoj.at(i);
        QWidget* p = lec(l)->findChild<QWidget*>(e.pagho);
        QVERIFY(p);
        auto* kadro = p->findChild<QFrame*>(e.nomo);
        QVERIFY(kadro);
        QCOMPARE(QString::fromLatin1(kadro->metaObject()->className()), e.klaso);
        // The numerals frame draws no frame of its own around its page.
        const QFrame::Shape formo = e.klaso == QLatin1String("ekzerco1")       ? QFrame::Box
                                    : e.klaso == QLatin1String("ekznumeraloj") ? QFrame::NoFrame
                                                                               : QFrame::StyledPanel;
        QCOMPARE(kadro->frameShape(), formo);
        QCOMPARE(kadro->frameShadow(), QFrame::Raised);
        // A frame that fills its page is the page's only item, without spacing.
        if (kadro->parentWidget() == p) {
            QCOMPARE(p->layout()->count(), 1);
            QCOMPARE(p->layout()->spacing(), 0);
        }
    }

    void sendopagho_data()
    {
        QTest::addColumn<const Leciono*>("l");
        QTest::addColumn<int>("i");
        for (const Leciono& l : lecionaj_datumoj::lecionoj())
            for (int i = 0; i < l.sendoj.size(); ++i)
                QTest::newRow(qPrintable(l.klaso + QLatin1Char(' ') + l.sendoj.at(i).pagho)) << &l << i;
    }
    void sendopagho()
    {
        QFETCH(const Leciono*, l);
        QFETCH(int, i);
        const lecionaj_datumoj::Sendo& s = l->sendoj.at(i);
        QWidget* pagho = lec(l)->findChild<QWidget*>(s.pagho);
        QVERIFY(pagho);
        // The questions stand on the pages the copy takes.
        QWidget* ujo = s.kopiataj.isEmpty() ? pagho : lec(l);
        QVERIFY(s.kapo.isEmpty() || ujo->findChild<QLabel*>(s.kapo));
        // The widgets in the order the form made them, which is the order of
        // the copy for the corrector.
        const QList<QWidget*> ordo = ujo->findChildren<QWidget*>();
        // A model answer that serves several fields holds a line for each.
        QMap<QString, QStringList> linioj;
        for (const lecionaj_datumoj::Demando& d : s.demandoj)
            if (!d.modelo.isEmpty())
                linioj[d.modelo] << d.modelaTeksto;
        QStringList aliaj;
        for (const lecionaj_datumoj::Demando& d : s.aliajKampoj)
            aliaj << d.kampo;
        QSet<QWidget*> amikoj;
        const auto etikedoj = lec(l)->findChildren<QLabel*>();
        for (QLabel* e : etikedoj)
            amikoj.insert(e->buddy());
        QWidget* antaua = nullptr;
        int n = 1;
        for (const lecionaj_datumoj::Demando& d : s.demandoj) {
            auto* demando = ujo->findChild<QLabel*>(d.demando);
            auto* kampo = ujo->findChild<QWidget*>(d.kampo);
            QVERIFY2(demando && kampo, qPrintable(d.demando));
            QCOMPARE(demando->buddy(), kampo);
            if (s.numeritaj)
                QVERIFY2(demando->text().trimmed().startsWith(QString::number(n) + QLatin1String(". ")),
                         qPrintable(demando->text()));
            QVERIFY2(ordo.indexOf(demando) < ordo.indexOf(kampo), qPrintable(d.demando));
            QVERIFY(kampo->inherits("QLineEdit") || kampo->inherits("QPlainTextEdit"));
            if (!d.modelo.isEmpty()) {
                auto* modelo = ujo->findChild<QLabel*>(d.modelo);
                QVERIFY2(modelo, qPrintable(d.modelo));
                QVERIFY(modelo->inherits("korekta"));
                QVERIFY(modelo->isHidden());
                QLayout* bloko = lecionilo::ujoDe(pagho, kampo);
                QVERIFY(bloko);
                if (linioj.value(d.modelo).size() > 1) {
                    // Each field's row, its question first, stands in the
                    // block its shared model answer closes.
                    QCOMPARE(bloko->indexOf(demando), 0);
                    auto* grupo = qobject_cast<QLayout*>(bloko->parent());
                    QVERIFY2(grupo, qPrintable(d.kampo));
                    QCOMPARE(grupo->indexOf(modelo), grupo->count() - 1);
                    QVERIFY2(grupo->indexOf(bloko) >= 0 && grupo->indexOf(bloko) < grupo->indexOf(modelo),
                             qPrintable(d.kampo));
                } else {
                    QCOMPARE(modelo->text(), d.modelaTeksto);
                    // Question, field and model answer form one block, or at
                    // least follow one another.
                    if (s.blokoj) {
                        QCOMPARE(bloko->indexOf(demando), 0);
                        QCOMPARE(bloko->indexOf(modelo), 2);
                    } else {
                        QVERIFY(bloko->indexOf(demando) >= 0 && bloko->indexOf(demando) < bloko->indexOf(kampo));
                        QVERIFY(bloko->indexOf(kampo) < bloko->indexOf(modelo));
                    }
                }
            }
            // The questions' fields follow one another in the focus chain,
            // with only fields no question names between them.
            if (antaua) {
                QWidget* sekva = antaua->nextInFocusChain();
                while (sekva != antaua
                       && (!(sekva->focusPolicy() & Qt::TabFocus) || aliaj.contains(sekva->objectName())))
                    sekva = sekva->nextInFocusChain();
                QCOMPARE(sekva, kampo);
            }
            antaua = kampo;
            ++n;
        }
        // A shared model answer's lines, one per field in the fields' order.
        for (auto it = linioj.cbegin(); it != linioj.cend(); ++it) {
            if (it.value().size() == 1)
                continue;
            QStringList modelaj;
            const auto partoj = ujo->findChild<QLabel*>(it.key())->text().split(QLatin1Char('\n'));
            for (const QString& linio : partoj)
                modelaj << linio.trimmed();
            QCOMPARE(modelaj, it.value());
        }
        // The fields no question names.
        for (const lecionaj_datumoj::Demando& d : s.aliajKampoj) {
            auto* kampo = ujo->findChild<QWidget*>(d.kampo);
            QVERIFY2(kampo, qPrintable(d.kampo));
            QVERIFY2(!amikoj.contains(kampo), qPrintable(d.kampo));
        }
        // The send panel or button closes the page, centred; only free space follows.
        auto* panelo = pagho->findChild<QWidget*>(s.panelo);
        QVERIFY(panelo && (panelo->inherits("sendujo") || panelo->inherits("sendas_butono")));
        QLayout* enhavo = lecionilo::ujoDe(pagho, panelo);
        QVERIFY(enhavo);
        const int loko = enhavo->indexOf(panelo);
        for (int k = loko + 1; k < enhavo->count(); ++k)
            QVERIFY2(enhavo->itemAt(k)->spacerItem(), qPrintable(s.panelo));
        QCOMPARE(enhavo->itemAt(loko)->alignment(), Qt::AlignHCenter);
    }

    void glitado_data() { perLeciono(); }
    void glitado()
    {
        // The pages' own scroll areas scroll by dragging (the count lines count them).
        QFETCH(const Leciono*, l);
        QTabWidget* t = lec(l);
        for (int i = 0; i < t->count(); ++i) {
            const auto areoj = t->widget(i)->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
            for (QScrollArea* a : areoj)
                QVERIFY2(QScroller::hasScroller(a->viewport()), qPrintable(a->objectName()));
        }
    }

    void paghoShanghoj_data() { perLeciono(); }
    void paghoShanghoj()
    {
        // Without the main window as the active window a page change reports
        // nothing, but the new page's scroll areas follow the width from now on.
        QFETCH(const Leciono*, l);
        QTabWidget* t = lec(l);
        LastaPagxo = 7;
        const int komenca = t->currentIndex();
        for (int k = 1; k <= t->count(); ++k) {
            const int i = (komenca + k) % t->count();
            const auto areoj = t->widget(i)->findChildren<QScrollArea*>();
            for (QScrollArea* a : areoj)
                a->setWidgetResizable(false);
            t->setCurrentIndex(i);
            for (QScrollArea* a : areoj)
                QVERIFY2(a->widgetResizable(),
                         qPrintable(t->widget(i)->objectName() + QLatin1Char('/') + a->objectName()));
        }
        QCOMPARE(LastaPagxo, 7);
        t->setCurrentIndex(komenca);
    }
};

LERBO_TEST_MAIN(TestoLecionojFormo)
#include "tst_lecionoj_formo.moc"
