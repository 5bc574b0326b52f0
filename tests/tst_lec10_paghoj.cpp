// What only lesson 10 has: the readings' players that stop when the page
// turns, answer fields that take a whole translation as typed, the framed
// rows of the participle page, and the shape of the verb-ending and pronoun
// items (the accusative items are checked with the other lessons').
#include "erodosieroj.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <memory>

class TestoLec10Paghoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    template <class T = QWidget>
    T* trovas(const QString& nomo) const
    {
        return lec->findChild<T*>(nomo);
    }

    int indekso(const QString& pagho) const { return lec->indexOf(trovas(pagho)); }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        for (const char* klipo : {"memo4", "memo6", "memo8"}) {
            const QString celo = mrLoko + QStringLiteral("sonoj/lec10/") + QLatin1String(klipo) + mp3_finajho;
            testilo::skribas(celo, QByteArray());
            QFile::remove(celo);
            QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), celo));
        }
        leciono.reset(KreasLecionon(10, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 10);
        QVERIFY(lec);
        leciono->show();
    }

    void legajhoj_data()
    {
        QTest::addColumn<QString>("pagho");
        QTest::addColumn<QString>("ludilo");
        QTest::newRow("memo4") << "Sendas1_Lec10"
                               << "Lec10_memo4";
        QTest::newRow("memo6") << "Sendas2_Lec10"
                               << "Lec10_memo6";
        QTest::newRow("memo8") << "Sendas3_Lec10"
                               << "Lec10_memo8";
    }
    void legajhoj()
    {
        // Each reading plays its own recording on its page, stops as soon as
        // the lesson turns to another page, and does not start again when
        // the learner comes back.
        QFETCH(QString, pagho);
        QFETCH(QString, ludilo);
        const int i = indekso(pagho);
        QVERIFY(i >= 0);
        lec->setCurrentIndex(i);
        QWidget* l = trovas(ludilo);
        QVERIFY(l && lec->widget(i)->isAncestorOf(l));
        l->findChild<QPushButton*>(QStringLiteral("Ludu"))->click();
        auto* medio = l->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->state(), QMediaPlayer::PlayingState);
        QVERIFY(medio->media().request().url().toLocalFile().endsWith(QStringLiteral("sonoj/lec10/") + ludilo.mid(6)
                                                                      + mp3_finajho));
        lec->setCurrentIndex(i == lec->count() - 1 ? i - 1 : i + 1);
        QCOMPARE(medio->state(), QMediaPlayer::StoppedState);
        lec->setCurrentIndex(i);
        QCOMPARE(medio->state(), QMediaPlayer::StoppedState);
    }

    void kampoj()
    {
        // The answer fields are plain: x-system letters stay as typed, even
        // with the conversion switched on, and the line breaks stay.
        const bool antaua = lCxapeligo;
        lCxapeligo = true;
        for (const char* nomo : {"plainTextEdit", "plainTextEdit_2", "plainTextEdit_3"}) {
            auto* kampo = trovas<QPlainTextEdit>(QLatin1String(nomo));
            QVERIFY(kampo);
            QCOMPARE(QString::fromLatin1(kampo->metaObject()->className()), QStringLiteral("QPlainTextEdit"));
            kampo->clear();
            testilo::tajpas(kampo, QStringLiteral("cxu\nsx"));
            QCOMPARE(kampo->toPlainText(), QStringLiteral("cxu\nsx"));
        }
        lCxapeligo = antaua;
    }

    void participoj()
    {
        // Six framed rows on the participle page: the active ones present,
        // future, past; the passive ones present, past, future. Each holds
        // the tense, its example and the example's translation.
        const QStringList kadroj = {"frame_10", "frame_12", "frame_11", "frame_13", "frame_14", "frame_15"};
        const QStringList finajhoj = {"leganta", "legonta", "leginta", "legata", "legita", "legota"};
        QWidget* pagho = trovas(QStringLiteral("tab_5"));
        const QList<QFrame*> cxiuj = pagho->findChildren<QFrame*>();
        QStringList trovitaj;
        for (QFrame* f : cxiuj)
            if (qstrcmp(f->metaObject()->className(), "QFrame") == 0
                && f->objectName().startsWith(QLatin1String("frame")))
                trovitaj << f->objectName();
        QCOMPARE(trovitaj, kadroj);
        for (int i = 0; i < kadroj.size(); ++i) {
            auto* f = pagho->findChild<QFrame*>(kadroj.at(i));
            QCOMPARE(f->frameShape(), QFrame::Box);
            QCOMPARE(f->frameShadow(), QFrame::Raised);
            const auto etikedoj = f->findChildren<QLabel*>();
            QCOMPARE(etikedoj.size(), 3);
            QVERIFY(etikedoj.at(1)->inherits("neklakebla_nova"));
            QVERIFY2(etikedoj.at(1)->text().contains(finajhoj.at(i)), qPrintable(etikedoj.at(1)->text()));
        }
    }

    void finajhoj()
    {
        // Verb endings: one gap right after each verb stem, 15 sentences
        // with one gap, 36 with two and 4 with three, the endings padded to
        // four fields and each one of the six the lesson teaches.
        QStringList d, r;
        QCOMPARE(_Matriz(&d, QStringLiteral("1002"), QStringLiteral("D")), 55);
        QCOMPARE(_Matriz(&r, QStringLiteral("1002"), QStringLiteral("R")), 55);
        const QStringList sesFinajhoj = {"as", "is", "os", "us", "u", "i"};
        QMap<int, int> kiom;
        for (int i = 0; i < d.size(); ++i) {
            const QStringList partoj = d.at(i).split(QLatin1Char('~'));
            const QStringList pecoj = r.at(i).split(QLatin1Char('~'));
            const int spacoj = partoj.size() - 1;
            ++kiom[spacoj];
            QCOMPARE(pecoj.size(), 4);
            for (int j = 0; j < 4; ++j)
                QVERIFY2(j < spacoj ? sesFinajhoj.contains(pecoj.at(j)) : pecoj.at(j).isEmpty(), qPrintable(d.at(i)));
            for (int j = 0; j < spacoj; ++j) {
                QVERIFY2(!partoj.at(j).isEmpty() && partoj.at(j).back().isLetter(), qPrintable(d.at(i)));
                QVERIFY2(partoj.at(j + 1).isEmpty() || !partoj.at(j + 1).front().isLetter(), qPrintable(d.at(i)));
            }
        }
        QCOMPARE(kiom, (QMap<int, int>{{1, 15}, {2, 36}, {3, 4}}));
    }

    void pronomoj()
    {
        // Pronouns: one gap each, inside the sentence, filled with a personal
        // pronoun or a possessive in the form the sentence needs.
        QStringList d, r;
        QCOMPARE(_Matriz(&d, QStringLiteral("1001"), QStringLiteral("D")), 31);
        QCOMPARE(_Matriz(&r, QStringLiteral("1001"), QStringLiteral("R")), 31);
        static const QRegularExpression pronomo(
            QStringLiteral("^(?:(?:mi|vi|li|ŝi|ĝi|ni|ili|si)n?|(?:mi|vi|li|ŝi|ĝi|ni|ili|si)aj?n?)$"));
        int si = 0;
        for (int i = 0; i < d.size(); ++i) {
            QCOMPARE(d.at(i).count(QLatin1Char('~')), 1);
            QVERIFY2(!d.at(i).startsWith(QLatin1Char('~')), qPrintable(d.at(i)));
            QVERIFY2(pronomo.match(r.at(i)).hasMatch(), qPrintable(r.at(i)));
            si += r.at(i).startsWith(QLatin1String("si"));
        }
        // The lesson is about si: most gaps take it, the others set it off.
        QVERIFY(si > 15 && si < 31);
    }
};

LERBO_TEST_MAIN(TestoLec10Paghoj)
#include "tst_lec10_paghoj.moc"
