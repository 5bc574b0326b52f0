// What only lesson 2's text pages have: the alignment of their arrows, the
// rows that join a word to its opposite with an equals sign, the sentences
// whose translation stands under them, and the vocabulary page's rows.
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <memory>

class TestoLec02Aranghoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    template <class T = QWidget>
    T* trovas(const QString& nomo) const
    {
        return lec->findChild<T*>(nomo);
    }
    QBoxLayout* vicoDe(const QString& nomo) const
    {
        return qobject_cast<QBoxLayout*>(lecionilo::ujoDe(lec, trovas(nomo)));
    }

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(2, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 2);
        QVERIFY(lec);
    }

    void sagoj()
    {
        // Arrows of page 1 stand right, those of page 3 centred.
        QCOMPARE(trovas<QLabel>("label_22")->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(trovas<QLabel>("label_52")->alignment(), Qt::Alignment(Qt::AlignCenter));
    }

    void egalaj()
    {
        // The equals rows keep 6 pixels at their sides, the sign between the words.
        QLayout* vico = lecionilo::ujoDe(lec, trovas("label_28"));
        QVERIFY(vico);
        QCOMPARE(vico->contentsMargins(), QMargins(6, 0, 6, 0));
        QCOMPARE(vico->indexOf(trovas("Lec02_Button262")), 1);
    }

    void frazoj()
    {
        // Translations of sentences stand under them, those of words beside them.
        for (const char* nomo : {"Lec02_Button259", "Lec02_Button270"}) {
            QVERIFY(trovas<QLabel>(nomo)->wordWrap());
            QCOMPARE(vicoDe(nomo)->direction(), QBoxLayout::TopToBottom);
        }
        QCOMPARE(vicoDe("Lec02_Button254")->direction(), QBoxLayout::LeftToRight);
        QCOMPARE(trovas<QLabel>("Lec02_Button269")->text(), QStringLiteral("Ŝi ne estas mia patrino."));
    }

    void vortaro()
    {
        // Each word of the vocabulary page shares its row with its meaning.
        const QStringList vortoj = {"akvo",   "ami",     "amo",   "birdo",    "butiko",   "fari",   "forgesi",
                                    "havi",   "insekto", "kapti", "lavi",     "limonado", "papero", "peti",
                                    "plumo",  "porti",   "pura",  "renkonti", "skribi",   "sukeri", "taso",
                                    "trinki", "trovi",   "vendi", "vidi"};
        for (int i = 0; i < vortoj.size(); ++i) {
            auto* vorto = trovas<QLabel>(QStringLiteral("Lec02_Button%1").arg(271 + i));
            auto* signifo = trovas<QLabel>(QStringLiteral("Lec02_Label%1").arg(158 + i));
            QVERIFY(vorto && signifo);
            QCOMPARE(vorto->text(), vortoj.at(i));
            QVERIFY2(lecionilo::ujoDe(lec, vorto), qPrintable(vorto->objectName() + QStringLiteral(" is in no row")));
            QCOMPARE(lecionilo::ujoDe(lec, vorto), lecionilo::ujoDe(lec, signifo));
        }
    }
};

LERBO_TEST_MAIN(TestoLec02Aranghoj)
#include "tst_lec02_aranghoj.moc"
