// The pages a translator looks at, in each translation that ships (or, with
// LERBO_TRADUKO set to a file name such as "germana.trd", in that one alone):
// the home page, the settings page, the credits page, lesson 1 page 1 (the
// alphabet), lesson 1's first page with arrows, an exercise page with its
// verdict and a send page with answers typed in.
//
// With LERBO_EKRANKOPIOJ set to a folder, each is saved there as a picture,
// in a folder named after the translation ("germana/1_hejmo.png", ...). Run
// it under xvfb-run to see what a real display draws: tools/fotoj.sh does.
// LERBO_ETIKEDOJ may name lesson labels besides ("Lec05/Label9 Lec12/Label38"):
// the page of each is photographed too, scrolled to show it, once for the
// labels that one picture shows ("8_lec05_p03_Label9.png").
#include "ekzercaj_peliloj.h"
#include "label_sago.h"
#include "label_sago_reversa.h"
#include "lecionaj_datumoj.h"
#include "lecionilo.h"
#include "tradukolisto.h"
#include "tradukovojo.h"
#include "tst_lerbo_komuna.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGlyphRun>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRawFont>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextLayout>
#include <algorithm>

using lecionaj_datumoj::Leciono;
using lecionaj_datumoj::Sendo;
using lerbotesto::el;

class TestoTradukoFotoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<lerbo> w;
    QString dosierujo;

    QStackedWidget* paghujo() const { return el<QStackedWidget>(w.get(), "Paghujo"); }
    void klakas(const char* nomo) { testilo::klakas(el<QAbstractButton>(w.get(), nomo)); }

    void hejmen()
    {
        QVERIFY(lerbotesto::montras(w.get()));
        if (paghujo()->currentIndex() != 0)
            klakas("Hejmo");
        QCOMPARE(paghujo()->currentIndex(), 0);
    }

    // The main window, with `kesto` drawn over it where it stands.
    void fotas(const QString& nomo, QWidget* kesto = nullptr)
    {
        if (dosierujo.isEmpty())
            return;
        QTest::qWait(50);
        QImage bildo = w->grab().toImage();
        if (kesto) {
            QPoint loko = kesto->mapToGlobal(QPoint()) - w->mapToGlobal(QPoint());
            const QRect ene(QPoint(), bildo.size());
            if (!ene.contains(QRect(loko, kesto->size())))
                loko = ene.center() - QRect(QPoint(), kesto->size()).center();
            QPainter p(&bildo);
            p.drawPixmap(loko, kesto->grab());
        }
        QVERIFY2(bildo.save(dosierujo + nomo + QStringLiteral(".png")), qPrintable(dosierujo + nomo));
    }

    // Turns lesson `l` to page `indekso` with the arrow buttons.
    void alPagho(const Leciono& l, int indekso)
    {
        QTabWidget* t = w->findChild<QTabWidget*>(l.sekcio());
        QVERIFY(t);
        for (int i = 0; t->currentIndex() != indekso && i < t->count(); ++i)
            klakas(t->currentIndex() < indekso ? "dekstren" : "maldekstren");
        QCOMPARE(t->currentIndex(), indekso);
    }

    // Chinese, Japanese and Korean share many characters that each draws in
    // its own forms: the home page's text must come in the face made for the
    // translation's language, whatever the locale the test runs in.
    void hanFormoj()
    {
        const QString han = hanTiparo(sLingvoID, sTiparo);
        if (han.isEmpty())
            return;
        for (const QLabel* etikedo : paghujo()->currentWidget()->findChildren<QLabel*>()) {
            const QString teksto = etikedo->text();
            const auto signo = std::find_if(teksto.cbegin(), teksto.cend(), [](QChar c) {
                const QChar::Script s = c.script();
                return s == QChar::Script_Han || s == QChar::Script_Hiragana || s == QChar::Script_Katakana
                       || s == QChar::Script_Hangul;
            });
            if (signo == teksto.cend())
                continue;
            QTextLayout aranghilo(QString(*signo), etikedo->font());
            aranghilo.beginLayout();
            aranghilo.createLine();
            aranghilo.endLayout();
            const QList<QGlyphRun> pecoj = aranghilo.glyphRuns();
            QVERIFY(!pecoj.isEmpty());
            QVERIFY2(pecoj.first().rawFont().familyName() == han,
                     qPrintable(etikedo->objectName() + QStringLiteral(": ") + QString(*signo)
                                + QStringLiteral(" is drawn in ") + pecoj.first().rawFont().familyName()
                                + QStringLiteral(", not in ") + han));
            return;
        }
        QFAIL("no label of the home page shows the language's own script");
    }

    // The pages of the lesson labels LERBO_ETIKEDOJ names, each label in
    // view; a label the picture before showed whole gets no other.
    void fotasEtikedojn()
    {
        const QStringList etikedoj = qEnvironmentVariable("LERBO_ETIKEDOJ").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QWidget* fotita = nullptr; // the page of the picture before
        for (const QString& etikedo : etikedoj) {
            const int numero = etikedo.section(QLatin1Char('/'), 0, 0).mid(3).toInt();
            const auto& lecionoj = lecionaj_datumoj::lecionoj();
            const auto l =
                std::find_if(lecionoj.cbegin(), lecionoj.cend(), [&](const Leciono& e) { return e.numero == numero; });
            QVERIFY2(l != lecionoj.cend(), qPrintable(etikedo + QStringLiteral(": no such lesson")));
            if (paghujo()->currentWidget()->objectName() != QStringLiteral("Pagho") + lecionilo::du(numero)) {
                hejmen();
                klakas(qPrintable(QStringLiteral("Leciono%1").arg(numero)));
            }
            QTabWidget* t = w->findChild<QTabWidget*>(l->sekcio());
            QVERIFY(t);
            auto* e = t->findChild<QLabel*>(QString(etikedo).replace(QLatin1Char('/'), QLatin1Char('_')));
            QVERIFY2(e, qPrintable(etikedo + QStringLiteral(": no such label")));
            int pagho = 0;
            while (pagho < t->count() && !t->widget(pagho)->isAncestorOf(e))
                ++pagho;
            QVERIFY2(pagho < t->count(), qPrintable(etikedo + QStringLiteral(": on no page of the lesson")));
            if (fotita == t->widget(pagho) && e->visibleRegion().boundingRect() == e->rect())
                continue;
            alPagho(*l, pagho);
            for (QWidget* p = e->parentWidget(); p; p = p->parentWidget())
                if (auto* rulumo = qobject_cast<QScrollArea*>(p)) {
                    rulumo->ensureWidgetVisible(e, 0, 50);
                    break;
                }
            fotas(QStringLiteral("8_%1_p%2_%3")
                      .arg(l->klaso, lecionilo::du(pagho + 1), etikedo.section(QLatin1Char('/'), 1)));
            fotita = t->widget(pagho);
        }
    }

    // Lesson 1's first page that has arrows between words: in a right-to-left
    // translation they must point the other way.
    int sagaPagho(const Leciono& l) const
    {
        QTabWidget* t = w->findChild<QTabWidget*>(l.sekcio());
        for (int i = 0; t && i < t->count(); ++i)
            if (t->widget(i)->findChild<label_sago*>() || t->widget(i)->findChild<label_sago_reversa*>())
                return i;
        return -1;
    }

private slots:
    void pagxoj_data()
    {
        QTest::addColumn<QString>("dosiero");
        const QString elektita = qEnvironmentVariable("LERBO_TRADUKO");
        if (!elektita.isEmpty()) {
            QTest::newRow(qPrintable(elektita)) << elektita;
            return;
        }
        for (const QString& nomo : testilo::tradukoj())
            QTest::newRow(qPrintable(nomo)) << nomo;
    }
    void pagxoj()
    {
        QFETCH(QString, dosiero);
        const IniDosiero traduko(TradukUjo() + dosiero);
        const QString lingvo = traduko.value(QStringLiteral("Traduko/Lingvo")).toString();
        QVERIFY2(!lingvo.isEmpty(), qPrintable(dosiero + QStringLiteral(" is not a built-in translation")));

        dosierujo.clear();
        if (!qEnvironmentVariableIsEmpty("LERBO_EKRANKOPIOJ")) {
            dosierujo = qEnvironmentVariable("LERBO_EKRANKOPIOJ") + QLatin1Char('/')
                        + dosiero.section(QLatin1Char('.'), 0, 0) + QLatin1Char('/');
            QVERIFY(QDir().mkpath(dosierujo));
        }

        // A learner who chose this language, with the list of the site
        // (every built-in file), so that the settings page offers them all.
        lerbotesto::purigas();
        lerbotesto::skribasAgordojn({{QStringLiteral("Lingvo"), lingvo},
                                     {QStringLiteral("Dosiero"), dosiero},
                                     {QStringLiteral("Sxaltilo"), false}});
        lerbotesto::skribasListon(TradukoListo::enkonstruitaj(QStringLiteral("09.07.2020")));
        QStringList mesagxoj;
        w = lerbotesto::kreas(&mesagxoj);
        QCOMPARE(mesagxoj, QStringList());
        QCOMPARE(sTradukoDosiero, dosiero);
        lNoteto = false;
        lSxaltilo = false;
        lerbotesto::enEkrano(w.get());
        QVERIFY(lerbotesto::montras(w.get()));
        fotas(QStringLiteral("1_hejmo"));
        hanFormoj();
        if (QTest::currentTestFailed())
            return;

        klakas("Konfigurado");
        QCOMPARE(el<QComboBox>(w.get(), "Lingvo")->currentText(), lingvo);
        fotas(QStringLiteral("2_agordoj"));
        hejmen();
        klakas("Kreditoj");
        fotas(QStringLiteral("3_kreditoj"));
        hejmen();

        const Leciono& l = lecionaj_datumoj::lecionoj().first();
        klakas(qPrintable(QStringLiteral("Leciono%1").arg(l.numero)));
        QCOMPARE(paghujo()->currentWidget()->objectName(), QStringLiteral("Pagho") + lecionilo::du(l.numero));
        alPagho(l, 0);
        fotas(QStringLiteral("4_lec01_p01"));

        // The first exercise that ends with a verdict, one answer wrong: the
        // verdict comes in the translation's own words.
        const lecionaj_datumoj::Ekzerco* e = l.ekzerco(l.kuroj.value(0));
        QVERIFY(e);
        alPagho(l, l.indeksoDe(e->pagho));
        auto* kadro = w->findChild<QTabWidget*>(l.sekcio())->currentWidget()->findChild<QFrame*>(e->nomo);
        QVERIFY(kadro);
        bool fotita = false;
        ekzercaj_peliloj::rigardasKestojn([&](QMessageBox* kesto) {
            if (kesto->text() != smGratulon)
                return;
            fotas(QStringLiteral("5_ekzerco"), kesto);
            fotita = true;
        });
        const ekzercaj_peliloj::Rezulto r = ekzercaj_peliloj::kuras(kadro, ekzercaj_peliloj::nurLa(1));
        ekzercaj_peliloj::rigardasKestojn({});
        if (QTest::currentTestFailed())
            return;
        QVERIFY(r.verdiktas);
        QCOMPARE(r.mesagxoj.value(r.mesagxoj.size() - 1),
                 traduko.value(QStringLiteral("Mesagxoj/smGratulon")).toString());
        QVERIFY(fotita);

        // The first send page, every answer typed as a learner types it.
        QVERIFY(lerbotesto::montras(w.get()));
        const Sendo& s = l.sendoj.first();
        alPagho(l, l.indeksoDe(s.pagho));
        QTabWidget* t = w->findChild<QTabWidget*>(l.sekcio());
        for (const lecionaj_datumoj::Demando& d : s.demandoj + s.aliajKampoj) {
            auto* kampo = t->currentWidget()->findChild<QWidget*>(d.kampo);
            QVERIFY2(kampo, qPrintable(d.kampo));
            kampo->setFocus();
            testilo::tajpas(kampo, d.unuaFormo());
            QCOMPARE(lecionilo::enhavo(kampo), d.unuaFormo());
        }
        // The picture shows the first answer, wherever the page has it.
        QWidget* unua = t->currentWidget()->findChild<QWidget*>(s.demandoj.first().kampo);
        for (QWidget* p = unua->parentWidget(); p; p = p->parentWidget())
            if (auto* rulumo = qobject_cast<QScrollArea*>(p)) {
                rulumo->ensureWidgetVisible(unua, 0, 150);
                break;
            }
        fotas(QStringLiteral("6_sendo"));

        const int sagoj = sagaPagho(l);
        QVERIFY(sagoj >= 0);
        alPagho(l, sagoj);
        // A right-to-left translation turns the arrows to point its way.
        const bool rtl = traduko.value(QStringLiteral("Traduko/Direkto")).toString() == QLatin1String("RTL");
        // Both through a pixmap, as the label has its picture.
        auto bildo = [](const QString& nomo) {
            return QPixmap(QStringLiteral(":/ikonoj/") + nomo + QStringLiteral(".png")).toImage();
        };
        const QImage antauen = bildo(rtl ? QStringLiteral("sago_antauen_RTL") : QStringLiteral("sago_antauen"));
        const QImage revena = bildo(rtl ? QStringLiteral("sago_revena_RTL") : QStringLiteral("sago_revena"));
        QVERIFY(!antauen.isNull() && !revena.isNull());
        QVERIFY(bildo(QStringLiteral("sago_antauen")) != bildo(QStringLiteral("sago_antauen_RTL")));
        // Every arrow of the lesson, forward and return ones.
        auto montrata = [](const QLabel* sago) { return sago->pixmap(Qt::ReturnByValue).toImage(); };
        const QList<label_sago*> antauaj = t->findChildren<label_sago*>();
        const QList<label_sago_reversa*> revenaj = t->findChildren<label_sago_reversa*>();
        QVERIFY(!antauaj.isEmpty() && !revenaj.isEmpty());
        for (const label_sago* sago : antauaj)
            QVERIFY2(montrata(sago) == antauen, qPrintable(sago->objectName()));
        for (const label_sago_reversa* sago : revenaj)
            QVERIFY2(montrata(sago) == revena, qPrintable(sago->objectName()));
        fotas(QStringLiteral("7_sagoj"));
        fotasEtikedojn();
    }

    // After every row, also one that failed half-way: a window left open
    // would write its typed answers into the next language's fresh settings
    // when it closes, and that row would fail on them.
    void cleanup() { w.reset(); }
};

LERBO_TEST_MAIN(TestoTradukoFotoj)
#include "tst_traduko_fotoj.moc"
