// What lesson 9 alone holds: the word game's items are the rows of the
// suffix pages in their order, every gap of the fill-in exercise takes a
// suffix of the lesson with its ending, the verse's model answer is the
// verse reordered, its recording stops when the page turns, and the boxes
// and notes of the suffix pages keep their look.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

namespace {

QStringList sekcio(const QString& kodo, const char* speco)
{
    QStringList el;
    _Matriz(&el, kodo, QLatin1String(speco));
    return el;
}

// The words of a line of verse, an elided noun ("monuj'") written whole.
QStringList vortojDe(const QString& linio)
{
    QString l = linio;
    l.replace(QRegularExpression(QStringLiteral("(\\w)'")), QStringLiteral("\\1o"));
    QStringList v = l.split(QRegularExpression(QStringLiteral("[^\\w]+")), Qt::SkipEmptyParts);
    for (QString& w : v)
        w = w.toLower();
    v.sort();
    return v;
}

} // namespace

class TestoLec09Enhavo : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> kadro;
    QTabWidget* lec = nullptr;

private slots:
    void initTestCase()
    {
        kadro.reset(KreasLecionon(9, nullptr));
        lec = lecionilo::tabulo(kadro.get(), 9);
        QVERIFY(lec);
    }

    void vortoludo()
    {
        // Items 0 to 79 of 0903 are the word boxes of pages 1 to 5 in the
        // order of the page, each with the translation standing in its row.
        // Page 5's "mono" (already item 2) and both "pomujo" boxes are no
        // items: pomujo means an apple box and an apple tree, so the meanings
        // of pomkesto and pomarbo would fit it as well.
        QStringList paroj;
        for (int p = 0; p < 5; ++p) {
            const auto vortoj =
                lec->widget(p)->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Lec09_Button\\d+$")));
            for (QLabel* v : vortoj) {
                if (v->objectName() == QLatin1String("Lec09_Button670")
                    || v->objectName() == QLatin1String("Lec09_Button673")
                    || v->objectName() == QLatin1String("Lec09_Button73"))
                    continue;
                QVERIFY(v->inherits("neklakebla_nova"));
                QLayout* vico = lecionilo::ujoDe(lec, v);
                QVERIFY(vico);
                QString signifo;
                for (int i = 0; i < vico->count(); ++i) {
                    QWidget* w = vico->itemAt(i)->widget();
                    if (w && w->objectName().startsWith(QLatin1String("Lec09_Label")))
                        signifo = w->objectName().mid(11);
                }
                QVERIFY2(!signifo.isEmpty(), qPrintable(v->objectName()));
                paroj << v->objectName().mid(12) + QLatin1Char('/') + signifo;
            }
        }
        const QStringList d = sekcio(QStringLiteral("0903"), "D");
        const QStringList r = sekcio(QStringLiteral("0903"), "R");
        QStringList eroj;
        for (int i = 0; i < d.size(); ++i)
            eroj << d.at(i) + QLatin1Char('/') + r.value(i);
        QCOMPARE(eroj, paroj);
        QCOMPARE(eroj.first(), QStringLiteral("632/658"));
        QCOMPARE(eroj.last(), QStringLiteral("676/77"));
    }

    void spacoj()
    {
        // Each gap of 0902 takes one of the lesson's suffixes followed by
        // a grammatical ending, and every suffix of the lesson is practised.
        QStringList sufiksoj;
        const auto etikedoj = lec->findChildren<QLabel*>();
        for (QLabel* e : etikedoj)
            if (e->property("tipo").toString() == QLatin1String("afikso"))
                sufiksoj << e->text().trimmed().mid(1).toLower();
        QCOMPARE(sufiksoj.size(), 17);
        const QRegularExpression finajho(QStringLiteral("^(o|a|e|i|as|is|os|us|u)(j?n?)$"));

        const QStringList d = sekcio(QStringLiteral("0902"), "D");
        const QStringList r = sekcio(QStringLiteral("0902"), "R");
        QCOMPARE(d.size(), 29);
        QCOMPARE(r.size(), 29);
        // The Portuguese sentences of the item file, which no exercise reads.
        IniDosiero dat(QStringLiteral(":/ekzercoj/ekz09.dat"));
        dat.beginGroup(QStringLiteral("0902T"));
        QCOMPARE(dat.childKeys().size(), 29);
        QSet<QString> uzataj;
        for (int i = 0; i < d.size(); ++i) {
            const QStringList pecoj = r.at(i).split(QLatin1Char('~'));
            QCOMPARE(d.at(i).count(QLatin1Char('~')), pecoj.size());
            for (const QString& peco : pecoj) {
                bool trovita = false;
                for (const QString& s : qAsConst(sufiksoj))
                    if (peco.startsWith(s) && finajho.match(peco.mid(s.size())).hasMatch()) {
                        uzataj.insert(s);
                        trovita = true;
                    }
                QVERIFY2(trovita, qPrintable(d.at(i) + QStringLiteral(": ") + peco));
            }
        }
        QCOMPARE(uzataj.size(), sufiksoj.size());
    }

    void verso()
    {
        // The model answer is the verse line by line with its words
        // reordered and the shortened nouns written whole; both copies of
        // the verse are the same text.
        const QString verso = lec->findChild<QLabel*>(QStringLiteral("Memo1_Lec09"))->text();
        QCOMPARE(lec->findChild<QLabel*>(QStringLiteral("label_67"))->text(), verso);
        const QString modelo = lec->findChild<QLabel*>(QStringLiteral("label"))->text();
        const QStringList v = verso.split(QLatin1Char('\n'));
        const QStringList m = modelo.split(QLatin1Char('\n'));
        QCOMPARE(v.size(), 9);
        QCOMPARE(m.size(), 9);
        QVERIFY(v.at(4).isEmpty() && m.at(4).isEmpty());
        QCOMPARE(v.first(), QStringLiteral("— Mi vin vidis, ho trezoro!"));
        QCOMPARE(m.first(), QStringLiteral("— Mi vidis vin, ho trezoro!"));
        QCOMPARE(verso.count(QLatin1Char('\'')), 2);
        QVERIFY(verso.contains(QStringLiteral("monuj'")) && verso.contains(QStringLiteral("reĝin'")));
        QVERIFY(!modelo.contains(QLatin1Char('\'')));
        int ordoj = 0;
        for (int i = 0; i < v.size(); ++i) {
            QCOMPARE(vortojDe(m.at(i)), vortojDe(v.at(i)));
            // Dialogue on the first and third line of a stanza, indent on the others.
            const bool dialogo = i == 0 || i == 2 || i == 5 || i == 7;
            QVERIFY2(dialogo == v.at(i).startsWith(QStringLiteral("— ")), qPrintable(v.at(i)));
            QVERIFY2(v.at(i).isEmpty() || dialogo || v.at(i).startsWith(QStringLiteral("    ")), qPrintable(v.at(i)));
            QVERIFY2(!v.at(i).contains(QRegularExpression(QStringLiteral("\\s[!?]"))), qPrintable(v.at(i)));
            ordoj += m.at(i) != v.at(i);
        }
        QVERIFY(ordoj >= 5);
    }

    void ludilo()
    {
        // The verse plays from sonoj/lec09/memo1 and stops when the lesson
        // turns to another page.
        Q_INIT_RESOURCE(ludiloj);
        const QString dosiero = mrLoko + QStringLiteral("sonoj/lec09/memo1.oga");
        testilo::skribas(dosiero, QByteArray());
        QFile::remove(dosiero);
        QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), dosiero));
        QWidget* pagho = lec->findChild<QWidget*>(QStringLiteral("tab_8"));
        lec->setCurrentWidget(pagho);
        auto* ludilo = pagho->findChild<QFrame*>(QStringLiteral("Lec09_memo1"));
        QVERIFY(ludilo && ludilo->inherits("mp3ludilo"));
        ludilo->findChild<QPushButton*>(QStringLiteral("Ludu"))->click();
        auto* medio = ludilo->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->media().request().url(), QUrl::fromLocalFile(dosiero));
        QCOMPARE(medio->state(), QMediaPlayer::PlayingState);
        lec->setCurrentIndex(lec->indexOf(pagho) + 1);
        QCOMPARE(medio->state(), QMediaPlayer::StoppedState);
    }

    void kestoj()
    {
        // Seventeen suffix boxes and the note box of the last page; the
        // free translation in a group box without a title; the meanings in
        // bold and the roots' translations of the first send page on silver.
        int kestoj = 0, notoj = 0;
        const auto kadroj = lecionilo::propraj<QFrame>(lec);
        for (QFrame* f : kadroj) {
            if (qstrcmp(f->metaObject()->className(), "QFrame") != 0)
                continue;
            if (f->frameShape() == QFrame::Box && f->frameShadow() == QFrame::Raised)
                ++kestoj;
            else if (f->property("tipo").toString() == QLatin1String("markebla"))
                ++notoj;
            else
                QFAIL(qPrintable(f->objectName()));
        }
        QCOMPARE(kestoj, 17);
        QCOMPARE(notoj, 1);
        const auto grupoj = lecionilo::propraj<QGroupBox>(lec);
        QCOMPARE(grupoj.size(), 1);
        QVERIFY(grupoj.first()->title().isEmpty());
        QVERIFY(grupoj.first()->findChild<QLabel*>(QStringLiteral("Lec09_Label37")));

        QStringList grasaj, argxentaj;
        const auto etikedoj = lecionilo::propraj<QLabel>(lec);
        for (QLabel* e : etikedoj) {
            if (e->styleSheet() == QLatin1String("font-weight: bold;"))
                grasaj << e->objectName();
            else if (e->styleSheet() == QLatin1String("background: silver;"))
                argxentaj << e->objectName();
            else
                QVERIFY2(e->styleSheet().isEmpty(), qPrintable(e->objectName()));
        }
        QCOMPARE(grasaj.size(), 18);
        QVERIFY(grasaj.contains(QStringLiteral("Lec09_Label75")));
        QCOMPARE(argxentaj, (QStringList{"Lec09_Label87", "Lec09_Label89", "Lec09_Label88", "Lec09_Label90"}));
    }

    void cleanupTestCase() { kadro.reset(); }
};

LERBO_TEST_MAIN(TestoLec09Enhavo)
#include "tst_lec09_enhavo.moc"
