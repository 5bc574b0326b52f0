#include "ekzercaj_peliloj.h"
#include "tradukovojo.h"

#include "akuzativo.h"
#include "akuzativo_datumoj.h"
#include "audkompreno.h"
#include "auskultilo.h"
#include "ekzercilo.h"
#include "ekzerco1.h"
#include "ekzercokuro.h"
#include "ekznumeraloj.h"
#include "erodosieroj.h"
#include "frazkonstruilo.h"
#include "frazokonstruo.h"
#include "funkcioj.h"
#include "inidosiero.h"
#include "kiomahoro.h"
#include "klipoj.h"
#include "lerbo.h"
#include "plenigas_spacon.h"
#include "prononco.h"
#include "prononcokuro.h"
#include "spacplenigilo.h"
#include "testilo.h"
#include "vortelektilo.h"
#include "vortoludo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QtTest>

namespace ekzercaj_peliloj {

namespace {

// More answers than this and the run is taken to go round for ever.
int limoDe(int celo)
{
    return 30 * celo + 30;
}

template <class T = QWidget>
T* en(QWidget* kadro, const QString& nomo)
{
    return kadro->findChild<T*>(nomo);
}

std::function<void(QMessageBox*)>& rigardanto()
{
    static std::function<void(QMessageBox*)> r;
    return r;
}

// Runs `ago`, closing every message box or dialog it opens; the texts of the
// message boxes, in order.
QStringList kunKestoj(const std::function<void()>& ago)
{
    QStringList tekstoj;
    testilo::kunModalo(ago, [&](QWidget* modalo) {
        if (auto* kesto = qobject_cast<QMessageBox*>(modalo)) {
            tekstoj << kesto->text();
            if (rigardanto())
                rigardanto()(kesto);
        }
        modalo->close();
    });
    return tekstoj;
}

void klakas(QWidget* w, Rezulto& r)
{
    r.mesagxoj += kunKestoj([w] { testilo::klakas(w); });
}

void tajpas(QLineEdit* kampo, const QString& teksto, Rezulto& r)
{
    kampo->clear();
    testilo::tajpas(kampo, teksto);
    r.mesagxoj += kunKestoj([kampo] { QTest::keyClick(kampo, Qt::Key_Return); });
}

// The sentence translation that group "Ekzerco-" + kodo of the learner's
// translation file holds for item i.
QString tradukoDe(const QString& kodo, int i)
{
    IniDosiero trd(TradukoVojo(sTradukoDosiero));
    return trd.value(QStringLiteral("Ekzerco-%1/%2").arg(kodo).arg(i)).toString();
}

// The board: items still to answer right, right, wrong, percent right.
struct Tabulo
{
    QSpinBox* restas = nullptr;
    QSpinBox* gxustaj = nullptr;
    QSpinBox* malgxustaj = nullptr;
    QSpinBox* procento = nullptr;
};

Tabulo tabuloDe(QWidget* kadro, int unua)
{
    auto s = [&](int i) { return en<QSpinBox>(kadro, QStringLiteral("Placar%1").arg(unua + i)); };
    return {s(0), s(1), s(2), s(3)};
}

// After the start: the board asks for the whole run.
void kontrolasKomencon(const Tabulo& t, const Rezulto& r)
{
    QVERIFY(t.restas && t.gxustaj && t.malgxustaj && t.procento);
    QCOMPARE(t.restas->value(), r.celo);
    QCOMPARE(t.gxustaj->value(), 0);
    QCOMPARE(t.malgxustaj->value(), 0);
}

// The run is over, its board counts every answer and the verdict came once.
void kontrolasFinon(QAbstractButton* komenco, const Tabulo& t, const Rezulto& r)
{
    QVERIFY2(komenco->isEnabled(), "the run did not end");
    QCOMPARE(t.restas->value(), 0);
    QCOMPARE(t.gxustaj->value(), r.celo);
    QCOMPARE(t.malgxustaj->value(), r.malgxustaj);
    QCOMPARE(t.procento->value(), ekzercokuro::procento(r.celo, r.malgxustaj));
    QCOMPARE(r.mesagxoj, QStringList{verdikto(r.celo, r.malgxustaj)});
}

// Of items that fit what is shown, the first not yet answered right.
int elektas(const QList<int>& kandidatoj, const QSet<int>& faritaj)
{
    for (int i : kandidatoj)
        if (!faritaj.contains(i))
            return i;
    return kandidatoj.value(0, -1);
}

// --- hear and pick ---------------------------------------------------------

void aude(ekzerco1* k, const Eraroj& eraroj, Rezulto& r)
{
    QStringList vortoj;
    const int n = _Matriz(&vortoj, k->kodo, QStringLiteral("D"));
    r.celo = n / 4 * 4;
    const QString ll = k->kodo.left(2);
    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn1"));
    const auto butonoj = en(k, QStringLiteral("butonujo"))->findChildren<QPushButton*>();
    const Tabulo t = tabuloDe(k, 1);
    auto* fenestro = qobject_cast<lerbo*>(k->window());

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        const QString sono = k->sono();
        // The word asked is the one the main window's player was given.
        if (fenestro)
            QVERIFY2(fenestro->sonludilo()->media().request().url().toLocalFile().endsWith(sono), qPrintable(sono));
        QPushButton* gxusta = nullptr;
        QPushButton* malgxusta = nullptr;
        for (QPushButton* b : butonoj) {
            if (!b->isEnabled())
                continue;
            if (klipoj::vorto(ll, b->text()) == sono)
                gxusta = b;
            else if (!malgxusta)
                malgxusta = b;
        }
        QVERIFY2(gxusta, qPrintable(sono));
        const bool erare = malgxusta && eraroj(r.respondoj);
        klakas(erare ? malgxusta : gxusta, r);
        ++r.respondoj;
        r.malgxustaj += erare;
    }
    kontrolasFinon(komenco, t, r);
}

// --- sentence building -----------------------------------------------------

void frazoj(frazokonstruo* k, const Eraroj& eraroj, Rezulto& r)
{
    QWidget* leciono = ekzercilo::leciono(k);
    QVERIFY(leciono);
    const QString kodo = k->objectName().right(4);
    const QString prefikso = k->objectName().left(6);
    QStringList d, rr;
    const int n = _Matriz(&d, kodo, QStringLiteral("D"));
    _Matriz(&rr, kodo, QStringLiteral("R"));
    QStringList aa;
    _Matriz(&aa, kodo, QStringLiteral("A"));
    // The sentence of each translation, as the lesson pairs them, and the
    // first other right order listed for it, which the learner builds instead.
    QHash<QString, QString> frazo;
    QHash<QString, QStringList> alia;
    const QStringList klasoj = {QStringLiteral("klakbutono_nova"), QStringLiteral("neklakebla_nova"),
                                QStringLiteral("korekta")};
    for (int i = 0; i < n; ++i)
        frazo.insert(
            frazkonstruilo::senNumero(ekzercilo::teksto(leciono, prefikso + QStringLiteral("Label") + rr.value(i))),
            ekzercilo::vorto(leciono, prefikso + QStringLiteral("Button") + d.at(i), klasoj));
    for (int i = 0; i < n; ++i) {
        const QString tr =
            frazkonstruilo::senNumero(ekzercilo::teksto(leciono, prefikso + QStringLiteral("Label") + rr.value(i)));
        const QList<QStringList> ordoj =
            frazkonstruilo::aliajOrdoj(aa.value(i), frazkonstruilo::vortoj(frazo.value(tr), true));
        if (!ordoj.isEmpty())
            alia.insert(tr, ordoj.first());
    }
    QVERIFY2(frazo.size() == n, "two sentences share a translation");
    r.celo = n;

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn1"));
    auto* kontrolu = en<QAbstractButton>(k, QStringLiteral("BitBtn2"));
    auto* antauen = en<QAbstractButton>(k, QStringLiteral("Antauen"));
    auto* traduko = en<QLabel>(k, QStringLiteral("Traduko1"));
    auto* korekta = en<QLabel>(k, QStringLiteral("Korekta"));
    auto* disponeblaj = en(k, QStringLiteral("Disponeblaj"));
    const Tabulo t = tabuloDe(k, 1);

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        QVERIFY2(frazo.contains(traduko->text()), qPrintable(traduko->text()));
        const QString gxusta = frazo.value(traduko->text());
        QStringList vortoj = frazkonstruilo::vortoj(gxusta, true);
        const bool erare = eraroj(r.respondoj);
        if (erare)
            vortoj.removeLast(); // the learner forgets the last word
        else if (alia.contains(traduko->text()))
            vortoj = alia.value(traduko->text());
        for (const QString& v : qAsConst(vortoj)) {
            QPushButton* butono = nullptr;
            const auto cxiuj = disponeblaj->findChildren<QPushButton*>();
            for (QPushButton* b : cxiuj)
                if (!butono && !b->isHidden() && b->text() == v)
                    butono = b;
            QVERIFY2(butono, qPrintable(v));
            klakas(butono, r);
        }
        klakas(kontrolu, r);
        ++r.respondoj;
        if (erare) {
            ++r.malgxustaj;
            // The sentence as it should have been, until the learner goes on.
            QCOMPARE(korekta->text(), gxusta);
            QVERIFY(!antauen->isHidden());
            klakas(antauen, r);
        }
    }
    kontrolasFinon(komenco, t, r);
}

// --- word choice -----------------------------------------------------------

void vortelekto(vortoludo* k, const Eraroj& eraroj, Rezulto& r)
{
    QWidget* leciono = ekzercilo::leciono(k);
    QVERIFY(leciono);
    const QString kodo = k->objectName().right(4);
    const QString prefikso = k->objectName().left(6);
    QStringList d, rr;
    const int n = _Matriz(&d, kodo, QStringLiteral("D"));
    _Matriz(&rr, kodo, QStringLiteral("R"));
    // The meanings of each word asked, as the lesson pairs them (a word
    // shown twice has two, never offered together).
    QHash<QString, QStringList> signifoj;
    for (int i = 0; i < n; ++i) {
        const QString vorto = vortelektilo::literala(d.at(i))
                                  ? d.at(i)
                                  : ekzercilo::vorto(leciono, prefikso + QStringLiteral("Button") + d.at(i));
        signifoj[vorto] << ekzercilo::teksto(leciono, prefikso + QStringLiteral("Label") + rr.value(i));
    }
    r.celo = limigo(n);

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn18"));
    auto* vorto = en<QLabel>(k, QStringLiteral("Vorto"));
    const Tabulo t = tabuloDe(k, 1);

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        QVERIFY2(signifoj.contains(vorto->text()), qPrintable(vorto->text()));
        const QStringList gxustaj = signifoj.value(vorto->text());
        int g = -1;
        int m = -1;
        for (int j = 0; j < vortelektilo::opcioj; ++j) {
            const QString teksto = en<QLabel>(k, QStringLiteral("teksto%1").arg(j))->text();
            if (gxustaj.contains(teksto)) {
                QVERIFY2(g < 0, qPrintable(vorto->text() + QStringLiteral(": two right options")));
                g = j;
            } else if (m < 0) {
                m = j;
            }
        }
        QVERIFY2(g >= 0, qPrintable(vorto->text() + QStringLiteral(": ") + gxustaj.join(QStringLiteral(" / "))));
        const bool erare = m >= 0 && eraroj(r.respondoj);
        klakas(en<QRadioButton>(k, QStringLiteral("frazo%1").arg(erare ? m : g)), r);
        ++r.respondoj;
        r.malgxustaj += erare;
    }
    kontrolasFinon(komenco, t, r);
}

// --- listening -------------------------------------------------------------

void auskultado(audkompreno* k, const Eraroj& eraroj, Rezulto& r)
{
    QWidget* leciono = ekzercilo::leciono(k);
    QVERIFY(leciono);
    const QString kodo = k->objectName().right(4);
    const QString prefikso = k->objectName().left(5);
    QStringList eroj;
    const int n = _Matriz(&eroj, kodo, QStringLiteral("D"));
    // What to type for each clip: the word, or the text of the word label
    // that a number names. Each word is played from the lesson's folder.
    QHash<QString, QString> atendata;
    for (const QString& e : qAsConst(eroj)) {
        const QString klipo = auskultilo::klipo(e, kodo);
        QVERIFY2(klipo.startsWith(QStringLiteral("sonoj/lec") + kodo.left(2) + QLatin1Char('/')), qPrintable(klipo));
        atendata.insert(klipo,
                        auskultilo::estasVorto(e)
                            ? e
                            : auskultilo::atendata(ekzercilo::vorto(leciono, prefikso + QStringLiteral("_Button") + e,
                                                                    {QStringLiteral("klakbutono_nova")})));
    }
    r.celo = limigo(n);

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn8"));
    auto* kampo = en<QLineEdit>(k, QStringLiteral("Edit1"));
    const Tabulo t = tabuloDe(k, 1);

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        const QString gxusta = atendata.value(k->sono());
        QVERIFY2(!gxusta.isEmpty(), qPrintable(k->sono()));
        const bool erare = eraroj(r.respondoj);
        // A learner who misses the last letter.
        const QString tajpota = erare ? (gxusta.size() > 1 ? gxusta.chopped(1) : QStringLiteral("x")) : gxusta;
        tajpas(kampo, tajpota, r);
        ++r.respondoj;
        r.malgxustaj += erare;
    }
    kontrolasFinon(komenco, t, r);
}

// --- accusative ------------------------------------------------------------

void akuzative(akuzativo* k, const Eraroj& eraroj, Rezulto& r)
{
    const QString kodo = k->objectName().right(4);
    akuzativo_datumoj d;
    const int n = d.legu(kodo, EkzercoAkuzativoTrad);
    r.celo = n;

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn1"));
    auto* konfirmu = en<QAbstractButton>(k, QStringLiteral("BitBtn2"));
    auto* traduko = en<QLabel>(k, QStringLiteral("Traduko1"));
    auto* klarigo = en<QLabel>(k, QStringLiteral("Klarigo"));
    QList<QLabel*> vortoj;
    for (int j = 0; j < akuzativo_datumoj::Pozicioj; ++j)
        vortoj << en<QLabel>(k, QStringLiteral("label_%1").arg(164 + j));
    const Tabulo t = tabuloDe(k, 1);
    QSet<int> faritaj;

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        QList<int> kandidatoj;
        for (int i = 0; i < n; ++i) {
            bool sama = true;
            for (int j = 0; j < vortoj.size() && sama; ++j)
                sama = (vortoj.at(j)->isHidden() ? QString() : vortoj.at(j)->text()) == d.vorto(i, j);
            if (sama)
                kandidatoj << i;
        }
        const int i = elektas(kandidatoj, faritaj);
        QVERIFY2(i >= 0, "the sentence shown is none of the items");
        // The sentence's translation, from the group the lesson named.
        const QString atendataTraduko = tradukoDe(EkzercoAkuzativoTrad, i);
        QVERIFY2(!atendataTraduko.isEmpty(), qPrintable(EkzercoAkuzativoTrad));
        QCOMPARE(traduko->text(), atendataTraduko);

        QList<int> kunN, senN;
        for (int j = 0; j < vortoj.size(); ++j)
            if (!d.vorto(i, j).isEmpty())
                (d.bezonasN(i, j) ? kunN : senN) << j;
        if (eraroj(r.respondoj)) {
            if (!kunN.isEmpty()) {
                // Confirmed without giving any word its -n.
                klakas(konfirmu, r);
                ++r.respondoj;
                ++r.malgxustaj;
                continue;
            }
            // No word takes -n: the learner gives it to one anyway, which
            // counts at once; the sentence then waits for its confirmation.
            klakas(vortoj.at(senN.value(0)), r);
            ++r.respondoj;
            ++r.malgxustaj;
            QCOMPARE(t.malgxustaj->value(), r.malgxustaj);
        }
        for (int j : qAsConst(kunN)) {
            klakas(vortoj.at(j), r);
            QCOMPARE(vortoj.at(j)->text(), d.vorto(i, j) + QLatin1Char('n'));
            // The explanation of an object praises the learner.
            QVERIFY(!klarigo->text().isEmpty());
        }
        klakas(konfirmu, r);
        ++r.respondoj;
        faritaj << i;
    }
    kontrolasFinon(komenco, t, r);
}

// --- gap filling -----------------------------------------------------------

void plenigo(plenigas_spacon* k, const Eraroj& eraroj, Rezulto& r)
{
    const QString kodo = k->objectName().right(4);
    QList<QStringList> d, rr;
    const int n = _Matriz2(&d, kodo, QStringLiteral("D"), 6);
    _Matriz2(&rr, kodo, QStringLiteral("R"), 6);
    // Where other pieces fill a sentence as rightly, the learner types those.
    QStringList aa;
    _Matriz(&aa, kodo, QStringLiteral("A"));
    r.celo = limigo(n);

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn4"));
    auto* kontrolu = en<QAbstractButton>(k, QStringLiteral("BitBtn6"));
    auto* antauen = en<QAbstractButton>(k, QStringLiteral("antauen"));
    auto* traduko = en<QLabel>(k, QStringLiteral("Traduko"));
    QList<QLabel*> partoj, korektoj;
    QList<QLineEdit*> kampoj;
    for (int j = 1; j <= 6; ++j)
        partoj << en<QLabel>(k, QStringLiteral("Vorto%1").arg(j));
    for (int j = 1; j <= 5; ++j) {
        kampoj << en<QLineEdit>(k, QStringLiteral("Edit%1").arg(j));
        korektoj << en<QLabel>(k, QStringLiteral("KorektaVorto%1").arg(j));
    }
    const Tabulo t = tabuloDe(k, 25);
    QSet<int> faritaj;

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        QStringList montrataj;
        for (QLabel* p : qAsConst(partoj))
            montrataj << p->text();
        QList<int> kandidatoj;
        for (int i = 0; i < n; ++i)
            if (d.at(i).mid(0, 6) == montrataj)
                kandidatoj << i;
        const int i = elektas(kandidatoj, faritaj);
        QVERIFY2(i >= 0, qPrintable(montrataj.join(QLatin1Char('|'))));
        const QString atendataTraduko = tradukoDe(kodo, i);
        QVERIFY2(!atendataTraduko.isEmpty(), qPrintable(kodo));
        QCOMPARE(traduko->text(), atendataTraduko);

        const bool erare = eraroj(r.respondoj);
        const QList<QStringList> aliaj = spacplenigilo::aliajPecoj(aa.value(i));
        bool unua = true;
        for (int j = 0; j < kampoj.size(); ++j) {
            const QString peco = rr.at(i).value(j);
            const QString tajpota = aliaj.isEmpty() ? peco : aliaj.first().value(j);
            // A field for each gap, and only for them.
            QCOMPARE(kampoj.at(j)->isHidden(), peco.isEmpty());
            if (peco.isEmpty())
                continue;
            kampoj.at(j)->clear();
            // A wrong ending on the first gap.
            testilo::tajpas(kampoj.at(j), erare && unua ? peco + QLatin1Char('x') : tajpota);
            unua = false;
        }
        klakas(kontrolu, r);
        ++r.respondoj;
        if (erare) {
            ++r.malgxustaj;
            // The piece that belonged in the gap stands beside it.
            int j = 0;
            while (rr.at(i).value(j).isEmpty())
                ++j;
            QVERIFY(!korektoj.at(j)->isHidden());
            QCOMPARE(korektoj.at(j)->text(), rr.at(i).value(j));
            klakas(antauen, r);
        } else {
            faritaj << i;
        }
    }
    kontrolasFinon(komenco, t, r);
}

// --- numerals --------------------------------------------------------------

void numeraloj(ekznumeraloj* k, const Eraroj& eraroj, Rezulto& r)
{
    QStringList d, rr;
    const int n = _Matriz(&d, k->kodo, QStringLiteral("D"));
    _Matriz(&rr, k->kodo, QStringLiteral("R"));
    r.celo = n;
    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn1"));
    auto* frazo = en<QLabel>(k, QStringLiteral("Vorto0"));
    auto* kampo = en<QLineEdit>(k, QStringLiteral("Edit1"));
    const Tabulo t = tabuloDe(k, 1);

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        const int i = d.indexOf(frazo->text());
        QVERIFY2(i >= 0, qPrintable(frazo->text()));
        const bool erare = eraroj(r.respondoj);
        // One digit too many.
        tajpas(kampo, erare ? rr.value(i) + QLatin1Char('1') : rr.value(i), r);
        ++r.respondoj;
        r.malgxustaj += erare;
    }
    kontrolasFinon(komenco, t, r);
}

// --- clock times -----------------------------------------------------------

void horoj(kiomahoro* k, const Eraroj& eraroj, Rezulto& r)
{
    QStringList d, rr;
    _Matriz(&d, QStringLiteral("1101"), QStringLiteral("D"));
    _Matriz(&rr, QStringLiteral("1101"), QStringLiteral("R"));
    r.celo = qMin(d.size(), rr.size());
    auto* komenco = en<QAbstractButton>(k, QStringLiteral("BitBtn1"));
    auto* frazo = en<QLabel>(k, QStringLiteral("Vorto0"));
    auto* kampo = en<QLineEdit>(k, QStringLiteral("Edit1"));
    const Tabulo t = tabuloDe(k, 1);

    klakas(komenco, r);
    kontrolasKomencon(t, r);
    while (!komenco->isEnabled() && r.respondoj < limoDe(r.celo)) {
        const int i = d.indexOf(frazo->text());
        QVERIFY2(i >= 0, qPrintable(frazo->text()));
        const QString gxusta = QString(rr.at(i)).remove(QLatin1Char(':'));
        const bool erare = eraroj(r.respondoj);
        // An hour off.
        const QString malgxusta = gxusta == QLatin1String("1200") ? QStringLiteral("1300") : QStringLiteral("1200");
        // The field keeps its mask: the digits fill it from the start.
        kampo->setCursorPosition(0);
        testilo::tajpas(kampo, erare ? malgxusta : gxusta);
        r.mesagxoj += kunKestoj([kampo] { QTest::keyClick(kampo, Qt::Key_Return); });
        ++r.respondoj;
        r.malgxustaj += erare;
    }
    kontrolasFinon(komenco, t, r);
}

// --- pronunciation ---------------------------------------------------------

// No answer is judged: the learner hears each batch, says it, listens again
// and goes on until the run is through. Every item of the run is played
// once from the lesson's folder as its model.
void prononcado(prononco* k, Rezulto& r)
{
    r.verdiktas = false;
    const QString kodo = k->objectName().right(4);
    const QString ll = kodo.left(2);
    PrononcoKuro kuro;
    kuro.legu(kodo);
    r.celo = kuro.limo();
    QSet<QString> modeloj;
    for (const QString& e : kuro.eroj())
        modeloj << mrLoko + PrononcoKuro::klipo(e, ll);

    auto* komenco = en<QAbstractButton>(k, QStringLiteral("PP_Startu"));
    auto* haltu = en<QAbstractButton>(k, QStringLiteral("PP_Haltu"));
    auto* antauen = en<QAbstractButton>(k, QStringLiteral("PP_Antauen"));
    auto* restas = en<QSpinBox>(k, QStringLiteral("Placar"));
    auto* ludilo = k->ludilo();
    QStringList luditaj;
    const auto konekto = QObject::connect(ludilo, &QMediaPlayer::mediaChanged, [&](const QMediaContent& m) {
        const QString vojo = m.request().url().toLocalFile();
        if (vojo.startsWith(mrLoko + QStringLiteral("sonoj/")))
            luditaj << vojo;
    });

    klakas(komenco, r);
    while (haltu->isEnabled() && r.respondoj < limoDe(r.celo)) {
        klakas(antauen, r);
        ++r.respondoj;
    }
    QObject::disconnect(konekto);
    QVERIFY2(komenco->isEnabled(), "the run did not end");
    QCOMPARE(restas->value(), 0);
    QCOMPARE(luditaj.size(), r.celo);
    QCOMPARE(QSet<QString>(luditaj.begin(), luditaj.end()).size(), r.celo);
    for (const QString& v : qAsConst(luditaj))
        QVERIFY2(modeloj.contains(v), qPrintable(v));
}

// --- an idle frame ---------------------------------------------------------

// What an idle frame of a class shows besides its start button, offered.
struct Senlaboro
{
    const char* klaso;
    const char* komenco;
    // Turned off, or inside something turned off.
    QStringList malsxaltitaj;
    QStringList kasxitaj;
    // A word label the learner may click at any time; nothing may count it.
    const char* vorto;
    // The number of the board's first spin box; 0 for the single "Placar"
    // that counts down the items left.
    int tabulo;
};

const Senlaboro* senlaboroDe(const QFrame* kadro)
{
    static const Senlaboro senlaboroj[] = {
        {"ekzerco1",
         "BitBtn1",
         {QStringLiteral("BitBtn2"), QStringLiteral("butono0"), QStringLiteral("butono1"), QStringLiteral("butono2"),
          QStringLiteral("butono3"), QStringLiteral("butono4"), QStringLiteral("butono5")},
         {},
         nullptr,
         1},
        {"frazokonstruo", "BitBtn1", {QStringLiteral("BitBtn3")}, {QStringLiteral("Vortoj")}, nullptr, 1},
        {"vortoludo", "BitBtn18", {QStringLiteral("BitBtn20")}, {QStringLiteral("Grupo")}, nullptr, 1},
        {"audkompreno", "BitBtn8", {QStringLiteral("Edit1"), QStringLiteral("BitBtn10")}, {}, nullptr, 1},
        {"plenigas_spacon", "BitBtn4", {QStringLiteral("BitBtn5")}, {QStringLiteral("Tajpujo")}, nullptr, 25},
        {"ekznumeraloj", "BitBtn1", {QStringLiteral("Edit1")}, {}, nullptr, 1},
        {"akuzativo", "BitBtn1", {QStringLiteral("BitBtn2"), QStringLiteral("BitBtn3")}, {}, "label_164", 1},
        {"prononco", "PP_Startu", {QStringLiteral("PP_Haltu"), QStringLiteral("butonujo")}, {}, nullptr, 0},
    };
    const char* klaso = kadro->metaObject()->className();
    for (const Senlaboro& s : senlaboroj)
        if (qstrcmp(s.klaso, klaso) == 0)
            return &s;
    QTest::qFail(qPrintable(QStringLiteral("no idle state known for ") + QLatin1String(klaso)), __FILE__, __LINE__);
    return nullptr;
}

} // namespace

QStringList komencas(QFrame* kadro)
{
    const Senlaboro* s = kadro ? senlaboroDe(kadro) : nullptr;
    if (!s) {
        QTest::qFail("no exercise frame to start", __FILE__, __LINE__);
        return {};
    }
    auto* komenco = testilo::trovas<QAbstractButton>(kadro, QLatin1String(s->komenco));
    return kunKestoj([komenco] { testilo::klakas(komenco); });
}

void kontrolasSenlaboran(QFrame* kadro)
{
    QVERIFY2(kadro, "no exercise frame");
    const Senlaboro* s = senlaboroDe(kadro);
    if (!s)
        return;
    QVERIFY2(testilo::trovas<QAbstractButton>(kadro, QLatin1String(s->komenco))->isEnabled(),
             "the start button is not offered");
    for (const QString& nomo : s->malsxaltitaj)
        QVERIFY2(!testilo::trovas<QWidget>(kadro, nomo)->isEnabled(), qPrintable(nomo + QStringLiteral(" is on")));
    for (const QString& nomo : s->kasxitaj)
        QVERIFY2(testilo::trovas<QWidget>(kadro, nomo)->isHidden(), qPrintable(nomo + QStringLiteral(" shows")));
    if (s->vorto)
        // Straight to the label, shown or not: the frame itself must ignore it.
        QTest::mouseClick(testilo::trovas<QLabel>(kadro, QLatin1String(s->vorto)), Qt::LeftButton);
    if (s->tabulo == 0) {
        QCOMPARE(testilo::trovas<QSpinBox>(kadro, QStringLiteral("Placar"))->value(), 0);
        return;
    }
    const Tabulo t = tabuloDe(kadro, s->tabulo);
    QVERIFY(t.restas && t.gxustaj && t.malgxustaj && t.procento);
    QCOMPARE(t.restas->value(), 0);
    QCOMPARE(t.gxustaj->value(), 0);
    QCOMPARE(t.malgxustaj->value(), 0);
}

Eraroj cxiujGxustaj()
{
    return [](int) { return false; };
}

Eraroj nurLa(int n)
{
    return [n](int respondo) { return respondo == n; };
}

Eraroj alterne()
{
    return [](int respondo) { return respondo % 2 == 0; };
}

QString verdikto(int gxustaj, int malgxustaj)
{
    return ekzercokuro::procento(gxustaj, malgxustaj) >= 70 ? smGratulon : smDenove;
}

void rigardasKestojn(const std::function<void(QMessageBox*)>& rigardas)
{
    rigardanto() = rigardas;
}

Rezulto kuras(QFrame* kadro, const Eraroj& eraroj)
{
    Rezulto r;
    if (!kadro) {
        QTest::qFail("no exercise frame", __FILE__, __LINE__);
        return r;
    }
    const Eraroj e = eraroj ? eraroj : cxiujGxustaj();
    if (auto* ekzerco = qobject_cast<ekzerco1*>(kadro))
        aude(ekzerco, e, r);
    else if (auto* frazokonstruilo = qobject_cast<frazokonstruo*>(kadro))
        frazoj(frazokonstruilo, e, r);
    else if (auto* vortludo = qobject_cast<vortoludo*>(kadro))
        vortelekto(vortludo, e, r);
    else if (auto* komprenado = qobject_cast<audkompreno*>(kadro))
        auskultado(komprenado, e, r);
    else if (auto* akuzativa = qobject_cast<akuzativo*>(kadro))
        akuzative(akuzativa, e, r);
    else if (auto* spacoj = qobject_cast<plenigas_spacon*>(kadro))
        plenigo(spacoj, e, r);
    else if (auto* nombroj = qobject_cast<ekznumeraloj*>(kadro))
        numeraloj(nombroj, e, r);
    else if (auto* horo = qobject_cast<kiomahoro*>(kadro))
        horoj(horo, e, r);
    else if (auto* elparolo = qobject_cast<prononco*>(kadro))
        prononcado(elparolo, r);
    else
        QTest::qFail(qPrintable(QStringLiteral("no driver for ") + QLatin1String(kadro->metaObject()->className())),
                     __FILE__, __LINE__);
    return r;
}

} // namespace ekzercaj_peliloj
