// What only lesson 8's affix pages have: 23 boxes, each showing its affix,
// its meaning and word rows, where an arrow marks a word built from the word
// of the row above with the box's affix; and the word-choice items (0803),
// each the word box and translation label of one row of these boxes.
#include "erodosieroj.h"
#include "funkcioj.h"
#include "lecionilo.h"
#include "lecionoj.h"
#include "testilo.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <iterator>
#include <memory>

namespace {

struct Kesto
{
    const char* pagho;
    const char* kadro;
    const char* afikso; // the affix label's name
    const char* teksto; // what it shows
    int signifo; // the meaning label's number
};

// The boxes in the order they stand on their pages.
const Kesto KESTOJ[] = {
    {"tab_26", "frame_5", "label_217", "BO-", 581},    {"tab_26", "frame_6", "label_223", "DIS-", 584},
    {"tab_26", "frame_7", "label_229", "EK-", 587},    {"tab_26", "frame_8", "label_235", "EKS-", 590},
    {"tab_29", "frame_12", "label_259", " FI- ", 16},  {"tab_29", "frame_11", "label_253", "GE-", 19},
    {"tab_29", "frame_10", "label_247", "MAL-", 22},   {"tab_29", "frame_9", "label_241", "PRA-", 25},
    {"tab_30", "frame_16", "label_283", " RE- ", 605}, {"tab_30", "frame_15", "label_277", "MIS-", 608},
    {"tab_30", "frame_14", "label_271", "DUON-", 611}, {"tab_31", "frame_20", "label_308", "-AĈ", 618},
    {"tab_31", "frame_19", "label_302", "-AD", 621},   {"tab_31", "frame_18", "label_296", "-AĴ", 624},
    {"tab_31", "frame_17", "label_290", "-AN", 627},   {"tab_32", "frame_24", "label_332", " -AR ", 631},
    {"tab_32", "frame_23", "label_326", " -ĈJ ", 634}, {"tab_32", "frame_22", "label_320", "-EBL", 637},
    {"tab_32", "frame_21", "label_314", " -EC ", 640}, {"tab_39", "frame_28", "label_356", " -EG ", 644},
    {"tab_39", "frame_29", "label_393", " -EJ ", 647}, {"tab_39", "frame_26", "label_344", " -EM ", 650},
    {"tab_39", "frame_25", "label_338", "-END", 653},
};

// The affix as it is written into words: "fi", "aĉ".
QString afiksoDe(const QString& teksto)
{
    QString a = teksto.trimmed().toLower();
    a.remove(QLatin1Char('-'));
    return a;
}

// A word without its ending (-o, -a, -i).
QString radikoDe(const QString& vorto)
{
    return vorto.toLower().chopped(1);
}

// Whether `derivita` is `bazo` with the affix: a prefix before it, a suffix
// between its root and an ending. -ĉj also shortens the root it follows.
bool derivita(const QString& bazo, const QString& derivita_, const QString& afikso, bool prefikso)
{
    const QString b = bazo.toLower();
    const QString d = derivita_.toLower();
    if (prefikso)
        return d == afikso + b;
    if (afikso == QStringLiteral("ĉj")) {
        const int i = d.indexOf(afikso);
        return i >= 2 && d.size() == i + afikso.size() + 1 && b.startsWith(d.left(i));
    }
    return d.startsWith(radikoDe(b) + afikso) && d.size() == radikoDe(b).size() + afikso.size() + 1;
}

// Every word row of a box's column, in build order, as its three labels
// (arrow or null, word box, translation label).
struct Vico
{
    QLabel* sago = nullptr;
    QLabel* vorto = nullptr;
    QLabel* signifo = nullptr;
};

void kolektas(QLayout* l, QList<Vico>* vicoj)
{
    for (int i = 0; i < l->count(); ++i) {
        QLayout* sub = l->itemAt(i)->layout();
        if (!sub)
            continue;
        if (qobject_cast<QHBoxLayout*>(sub)) {
            Vico v;
            for (int j = 0; j < sub->count(); ++j) {
                auto* e = qobject_cast<QLabel*>(sub->itemAt(j)->widget());
                if (!e)
                    continue;
                if (e->inherits("label_sago_reversa"))
                    v.sago = e;
                else if (e->inherits("neklakebla_nova"))
                    v.vorto = e;
                else
                    v.signifo = e;
            }
            *vicoj << v;
        } else {
            kolektas(sub, vicoj);
        }
    }
}

} // namespace

class TestoLec08Afiksoj : public QObject
{
    Q_OBJECT

    std::unique_ptr<QFrame> leciono;
    QTabWidget* lec = nullptr;

    QFrame* kestoDe(const QWidget* w) const
    {
        for (QWidget* p = w->parentWidget(); p && p != lec; p = p->parentWidget())
            if (p->objectName().startsWith(QLatin1String("frame_")))
                return qobject_cast<QFrame*>(p);
        return nullptr;
    }

    QString paghoDe(const QWidget* w) const
    {
        for (const QWidget* p = w; p; p = p->parentWidget())
            if (lec->indexOf(const_cast<QWidget*>(p)) >= 0)
                return p->objectName();
        return QString();
    }

private slots:
    void initTestCase()
    {
        leciono.reset(KreasLecionon(8, nullptr));
        lec = lecionilo::tabulo(leciono.get(), 8);
        QVERIFY(lec);
    }

    void kestoj_data()
    {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(std::size(KESTOJ)); ++i)
            QTest::newRow(KESTOJ[i].teksto) << i;
    }
    void kestoj()
    {
        QFETCH(int, i);
        const Kesto& k = KESTOJ[i];
        QWidget* pagho = lec->findChild<QWidget*>(QLatin1String(k.pagho));
        auto* kadro = pagho->findChild<QFrame*>(QLatin1String(k.kadro));
        QVERIFY(kadro);
        QCOMPARE(kadro->frameShape(), QFrame::Box);
        QCOMPARE(kadro->frameShadow(), QFrame::Raised);
        QVERIFY(!kadro->property("tipo").isValid());
        // The boxes stand in the table's order on their page.
        if (i > 0 && qstrcmp(KESTOJ[i - 1].pagho, k.pagho) == 0) {
            QLayout* enhavo = lecionilo::ujoDe(pagho, kadro);
            QCOMPARE(enhavo->indexOf(kadro),
                     enhavo->indexOf(pagho->findChild<QWidget*>(QLatin1String(KESTOJ[i - 1].kadro))) + 1);
        }

        // The affix at the side, never translated; then the column: meaning and rows.
        auto* kesto = qobject_cast<QHBoxLayout*>(kadro->layout());
        QVERIFY(kesto);
        QCOMPARE(kesto->count(), 2);
        auto* afikso = qobject_cast<QLabel*>(kesto->itemAt(0)->widget());
        QVERIFY(afikso);
        QCOMPARE(afikso->objectName(), QLatin1String(k.afikso));
        QCOMPARE(afikso->text(), QString::fromUtf8(k.teksto));
        QCOMPARE(afikso->property("tipo").toString(), QStringLiteral("afikso"));
        QCOMPARE(afikso->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(afikso->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
        QLayout* kolumno = kesto->itemAt(1)->layout();
        QVERIFY(kolumno);
        auto* signifo = qobject_cast<QLabel*>(kolumno->itemAt(0)->widget());
        QVERIFY(signifo);
        QCOMPARE(signifo->objectName(), QStringLiteral("Lec08_Label%1").arg(k.signifo));
        QCOMPARE(signifo->styleSheet(), QStringLiteral("font-weight: bold;"));

        // Each row: a word and its translation; an arrow marks the word built
        // from the row above with this affix, and every word without a derived
        // row under it holds the affix itself.
        const QString a = afiksoDe(afikso->text());
        const bool prefikso = afikso->text().trimmed().endsWith(QLatin1Char('-'));
        QList<Vico> vicoj;
        kolektas(kolumno, &vicoj);
        QVERIFY(vicoj.size() >= 4);
        for (int j = 0; j < vicoj.size(); ++j) {
            const Vico& v = vicoj.at(j);
            QVERIFY(v.vorto && v.signifo);
            QVERIFY2(v.signifo->objectName().startsWith(QLatin1String("Lec08_Label")), qPrintable(v.vorto->text()));
            QCOMPARE(v.signifo->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            const bool bazo = j + 1 < vicoj.size() && vicoj.at(j + 1).sago;
            if (v.sago) {
                QVERIFY(j > 0);
                QVERIFY2(derivita(vicoj.at(j - 1).vorto->text(), v.vorto->text(), a, prefikso),
                         qPrintable(vicoj.at(j - 1).vorto->text() + QStringLiteral(" → ") + v.vorto->text()));
            } else if (!bazo) {
                QVERIFY2(v.vorto->text().toLower().contains(a), qPrintable(v.vorto->text()));
            }
        }
    }

    void margxenoj()
    {
        // The boxes of the suffix pages stand close together, except -AN.
        // (The exercise frames' own forms hold frames of the same names: look on the page.)
        for (const Kesto& k : KESTOJ) {
            QWidget* pagho = lec->findChild<QWidget*>(QLatin1String(k.pagho));
            const QLayout* l = pagho->findChild<QFrame*>(QLatin1String(k.kadro))->layout();
            const bool proksima = QString::fromLatin1(k.pagho) >= QLatin1String("tab_31") && qstrcmp(k.teksto, "-AN");
            QCOMPARE(l->contentsMargins().top() == 3, proksima);
            QCOMPARE(l->contentsMargins().bottom() == 3, proksima);
        }
    }

    void vortelekto()
    {
        // Each item names exactly one word box and one label of the lesson,
        // the word and its translation in one row of an affix box; items 0-15
        // come from page 4, 16-33 page 5, 34-49 page 6, 50-64 page 7, 65-79
        // page 8 and 80-94 page 9.
        QStringList d, r;
        QCOMPARE(_Matriz(&d, QStringLiteral("0803"), QStringLiteral("D")), 95);
        QCOMPARE(_Matriz(&r, QStringLiteral("0803"), QStringLiteral("R")), 95);
        const int komencoj[] = {0, 16, 34, 50, 65, 80, 95};
        const char* paghoj[] = {"tab_26", "tab_29", "tab_30", "tab_31", "tab_32", "tab_39"};
        for (int i = 0; i < d.size(); ++i) {
            const auto vortoj = lec->findChildren<QLabel*>(QStringLiteral("Lec08_Button") + d.at(i));
            const auto signifoj = lec->findChildren<QLabel*>(QStringLiteral("Lec08_Label") + r.at(i));
            QVERIFY2(vortoj.size() == 1 && signifoj.size() == 1, qPrintable(QString::number(i)));
            QVERIFY(vortoj.first()->inherits("neklakebla_nova"));
            QVERIFY(kestoDe(vortoj.first()));
            QVERIFY2(lecionilo::ujoDe(lec, vortoj.first()), qPrintable(vortoj.first()->objectName()));
            QCOMPARE(lecionilo::ujoDe(lec, vortoj.first()), lecionilo::ujoDe(lec, signifoj.first()));
            int p = 0;
            while (i >= komencoj[p + 1])
                ++p;
            QCOMPARE(paghoDe(vortoj.first()), QLatin1String(paghoj[p]));
        }
        // Two of the rows the items name.
        QCOMPARE(lec->findChild<QLabel*>(QStringLiteral("Lec08_Button") + d.at(65))->text(), QStringLiteral("vorto"));
        QCOMPARE(r.at(65), QStringLiteral("632"));
        QCOMPARE(lec->findChild<QLabel*>(QStringLiteral("Lec08_Button") + d.at(94))->text(), QStringLiteral("farenda"));
        QCOMPARE(r.at(94), QStringLiteral("62"));
    }
};

LERBO_TEST_MAIN(TestoLec08Afiksoj)
#include "tst_lec08_afiksoj.moc"
