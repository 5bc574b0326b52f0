// What only lesson 7 has: the gap-filling sentences, whose every answer is
// one of the prepositions the lesson teaches; the examples under the
// prepositions, which carry no translation and so use only what lessons 1
// to 6 taught; the two reading players, which the form itself ties to its
// page turns; and clip names at the edge of the word-clip rule.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "klakbutono_nova.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "neklakebla_nova.h"
#include "testilo.h"

#include <QFile>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <memory>

class TestoLec07 : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    // The prepositions as the lesson shows them: the word boxes of its two
    // preposition pages.
    QStringList prepozicioj() const
    {
        QStringList el;
        for (const char* pagho : {"tab_3", "tab_12"}) {
            const auto vortoj = lec->findChild<QWidget*>(QLatin1String(pagho))->findChildren<klakbutono_nova*>();
            for (klakbutono_nova* v : vortoj)
                el << v->text();
        }
        return el;
    }

    // The words of a text, split at anything but a letter or a digit (the
    // accented letters ĉ ĝ ĥ ĵ ŝ ŭ included).
    static QStringList vortojDe(const QString& teksto)
    {
        static const QRegularExpression apartigo(QStringLiteral("[^\\w]+"),
                                                 QRegularExpression::UseUnicodePropertiesOption);
        return teksto.split(apartigo, Qt::SkipEmptyParts);
    }

    // The endings a word of lessons 1 to 6 may take: the noun, adjective,
    // adverb and infinitive, and the three tenses. The imperative -u and
    // the participles come in lesson 10.
    static QString radiko(const QString& vorto)
    {
        QString v = vorto;
        if (v.endsWith(QLatin1Char('n')) && v.size() > 2)
            v.chop(1);
        if (v.endsWith(QLatin1Char('j')) && v.size() > 2)
            v.chop(1);
        for (const char* f : {"as", "is", "os", "o", "a", "e", "i"}) {
            const QLatin1String finajho(f);
            if (v.endsWith(finajho) && v.size() - finajho.size() >= 2)
                return v.left(v.size() - finajho.size());
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(ludiloj);
        for (const char* memo : {"memo2", "memo3"}) {
            const QString celo = mrLoko + QStringLiteral("sonoj/lec07/") + QLatin1String(memo) + mp3_finajho;
            testilo::skribas(celo, QByteArray());
            QFile::remove(celo);
            QVERIFY(QFile::copy(QStringLiteral(":/fiksajhoj/ludiloj_longa.oga"), celo));
        }
        leciono.reset(KreasLecionon(7, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 7);
        QVERIFY(lec);
    }

    void prepozicioj30()
    {
        const QStringList p = prepozicioj();
        QCOMPARE(p.size(), 30);
        QCOMPARE(QSet<QString>(p.begin(), p.end()).size(), 30);
    }

    void spacoj()
    {
        // One gap per sentence, between blanks, filled by one of the
        // lesson's prepositions; every preposition is asked for.
        const QStringList p = prepozicioj();
        QStringList d, r;
        QCOMPARE(_Matriz(&d, QStringLiteral("0702"), QStringLiteral("D")), 61);
        QCOMPARE(_Matriz(&r, QStringLiteral("0702"), QStringLiteral("R")), 61);
        QSet<QString> uzitaj;
        for (int i = 0; i < d.size(); ++i) {
            const QString& f = d.at(i);
            QVERIFY2(f.count(QLatin1Char('~')) == 1 && f.contains(QStringLiteral(" ~ ")), qPrintable(f));
            QVERIFY2(p.contains(r.at(i)), qPrintable(f + QStringLiteral(" -> ") + r.at(i)));
            uzitaj.insert(r.at(i));
        }
        QCOMPARE(uzitaj.size(), p.size());
        QCOMPARE(QSet<QString>(d.begin(), d.end()).size(), d.size());
    }

    void ekzemplojElAntauxajLecionoj()
    {
        // The words of lessons 1 to 6: their word boxes, which stand beside
        // their meaning or above their translation.
        QSet<QString> konataj, radikoj;
        for (int n = 1; n <= 6; ++n) {
            std::unique_ptr<QFrame> l(KreasLecionon(n, nullptr));
            QStringList tekstoj;
            for (klakbutono_nova* v : l->findChildren<klakbutono_nova*>())
                tekstoj << v->text();
            for (neklakebla_nova* v : l->findChildren<neklakebla_nova*>())
                tekstoj << v->text();
            for (const QString& t : qAsConst(tekstoj))
                for (const QString& v : vortojDe(t.toLower())) {
                    konataj.insert(v);
                    if (!radiko(v).isEmpty())
                        radikoj.insert(radiko(v));
                }
        }
        // Taught in lesson 10, though a proverb of lesson 5 shows it.
        for (const char* poste : {"si", "sin", "sia", "siaj", "sian", "siajn"})
            konataj.remove(QLatin1String(poste));
        radikoj.remove(QStringLiteral("si"));
        QSet<QString> lecionaj;
        for (const QString& p : prepozicioj())
            lecionaj.insert(p.toLower());
        QStringList nekonataj;
        int ekzemploj = 0;
        for (const char* pagho : {"tab_3", "tab_12"}) {
            const auto kestoj = lec->findChild<QWidget*>(QLatin1String(pagho))->findChildren<neklakebla_nova*>();
            for (neklakebla_nova* k : kestoj) {
                ++ekzemploj;
                // A capital inside a sentence starts a name.
                const QStringList frazoj =
                    k->text().split(QRegularExpression(QStringLiteral("[.!?/]")), Qt::SkipEmptyParts);
                for (const QString& f : frazoj) {
                    const QStringList vortoj = vortojDe(f);
                    for (int i = 0; i < vortoj.size(); ++i) {
                        const QString v = vortoj.at(i).toLower();
                        const bool nomo = i > 0 && vortoj.at(i).at(0).isUpper();
                        QString senFino = v;
                        while ((senFino.endsWith(QLatin1Char('n')) || senFino.endsWith(QLatin1Char('j')))
                               && !konataj.contains(senFino) && senFino.size() > 2)
                            senFino.chop(1);
                        if (!nomo && !konataj.contains(v) && !konataj.contains(senFino) && !lecionaj.contains(v)
                            && !radikoj.contains(radiko(v)))
                            nekonataj << v + QStringLiteral(" (") + k->text() + QLatin1Char(')');
                    }
                }
            }
        }
        QCOMPARE(ekzemploj, 30);
        QVERIFY2(nekonataj.isEmpty(),
                 qPrintable(QStringLiteral("not taught in lessons 1 to 6: ") + nekonataj.join(QStringLiteral(", "))));
    }

    void esperantajKlarigoj()
    {
        // An Esperanto-speaking learner reads an explanation of each sentence
        // in Esperanto: it must not hand over the preposition asked for.
        QStringList r;
        _Matriz(&r, QStringLiteral("0702"), QStringLiteral("R"));
        IniDosiero eo(QStringLiteral(":/tradukoj/esperanto.trd"));
        eo.beginGroup(QStringLiteral("Ekzerco-0702"));
        for (int i = 0; i < r.size(); ++i) {
            const QString klarigo = eo.value(QString::number(i)).toString();
            QVERIFY2(!vortojDe(klarigo.toLower()).contains(r.at(i)),
                     qPrintable(klarigo + QStringLiteral(" -> ") + r.at(i)));
        }
    }

    void ludiloj_data()
    {
        QTest::addColumn<QString>("ludilo");
        QTest::addColumn<QString>("pagho");
        QTest::newRow("first reading") << "Lec07_memo2"
                                       << "tab_10";
        QTest::newRow("second reading") << "Lec07_memo3"
                                        << "tab_19";
    }
    void ludiloj()
    {
        // The form ties each player to the page turns: turning to its page
        // does not start it, turning away stops it.
        QFETCH(QString, ludilo);
        QFETCH(QString, pagho);
        QWidget* p = lec->findChild<QWidget*>(pagho);
        QVERIFY(p);
        auto* l = p->findChild<QFrame*>(ludilo);
        QVERIFY(l && l->inherits("mp3ludilo"));
        const int indekso = lec->indexOf(p);
        lec->setCurrentIndex(indekso);
        QVERIFY(!l->findChild<QMediaPlayer*>()); // not started, not even made
        l->findChild<QPushButton*>(QStringLiteral("Ludu"))->click();
        auto* medio = l->findChild<QMediaPlayer*>();
        QVERIFY(medio);
        QCOMPARE(medio->media().request().url(),
                 QUrl::fromLocalFile(mrLoko + QStringLiteral("sonoj/lec07/") + ludilo.mid(6) + mp3_finajho));
        QCOMPARE(medio->state(), QMediaPlayer::PlayingState);
        lec->setCurrentIndex(indekso + 1);
        QCOMPARE(medio->state(), QMediaPlayer::StoppedState);
        lec->setCurrentIndex(indekso);
        QCOMPARE(medio->state(), QMediaPlayer::StoppedState);
    }

    void klipoj_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("klipo");
        // Eight characters in the x-system keep a word clip; nine, a blank
        // or "!" take the label's number.
        QTest::newRow("anstataŭ, 9 in the x-system") << 525 << "btn525";
        QTest::newRow("ĉirkaŭ, 8 in the x-system") << 574 << "cxirkaux";
        QTest::newRow("kontraŭ") << 532 << "kontraux";
        QTest::newRow("junularo, exactly 8") << 512 << "junularo";
        QTest::newRow("alveni al, a blank") << 515 << "btn515";
        QTest::newRow("kontinento, 10") << 544 << "btn544";
        QTest::newRow("Arkto, lower-cased") << 543 << "arkto";
        QTest::newRow("kaĝo") << 550 << "kagxo";
        QTest::newRow("ĉar") << 555 << "cxar";
        QTest::newRow("Foriru de antaŭ mi!") << 570 << "btn570";
    }
    void klipoj()
    {
        QFETCH(int, n);
        QFETCH(QString, klipo);
        auto* v = lec->findChild<klakbutono_nova*>(QStringLiteral("Lec07_Button%1").arg(n));
        QVERIFY(v);
        QCOMPARE(v->klipo().toLower(), QStringLiteral("sonoj/lec07/") + klipo + mp3_finajho);
    }
};

LERBO_TEST_MAIN(TestoLec07)
#include "tst_lec07_prepozicioj.moc"
