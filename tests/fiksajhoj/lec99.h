#pragma once
// A small lesson for the exercise tests: the tab widget "Lec99" holding the
// word labels "Lec99_Button" + N and the translation labels "Lec99_Label" + N
// that the sections of ":/ekzercoj/ekz99.dat" name.
#include "klakbutono_nova.h"
#include "neklakebla_nova.h"

#include <QLabel>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lec99 {

// Words 1 to 50 and their translations.
inline const QStringList& vortoj()
{
    static const QStringList v = {
        "domo",  "hundo",   "kato",   "arbo",  "libro",   "tablo",      "seĝo",     "pomo",     "akvo",    "pano",
        "lakto", "floro",   "birdo",  "fiŝo",  "suno",    "luno",       "stelo",    "maro",     "monto",   "rivero",
        "urbo",  "vilaĝo",  "strato", "ponto", "lernejo", "instruisto", "lernanto", "amiko",    "patro",   "patrino",
        "frato", "fratino", "infano", "knabo", "knabino", "viro",       "virino",   "mano",     "kapo",    "okulo",
        "buŝo",  "nazo",    "orelo",  "piedo", "koro",    "ĉambro",     "pordo",    "fenestro", "horloĝo", "ŝuo"};
    return v;
}
inline const QStringList& tradukoj()
{
    static const QStringList t = {
        "house",   "dog",     "cat",    "tree",   "book",   "table",   "chair", "apple",  "water",    "bread",
        "milk",    "flower",  "bird",   "fish",   "sun",    "moon",    "star",  "sea",    "mountain", "river",
        "town",    "village", "street", "bridge", "school", "teacher", "pupil", "friend", "father",   "mother",
        "brother", "sister",  "child",  "boy",    "girl",   "man",     "woman", "hand",   "head",     "eye",
        "mouth",   "nose",    "ear",    "foot",   "heart",  "room",    "door",  "window", "clock",    "shoe"};
    return t;
}
// Sentences 101 to 106 (1, 3, 4, 6, 10 and 11 words) and their translations.
inline const QStringList& frazoj()
{
    static const QStringList f = {"Saluton!",
                                  "Mi legas libron.",
                                  "La hundo estas granda.",
                                  "Ŝi donas al mi belan pomon.",
                                  "Hodiaŭ la juna instruisto skribas longan leteron al sia amiko.",
                                  "Morgaŭ ni kune iros al la nova parko de nia urbo."};
    return f;
}
inline const QStringList& frazTradukoj()
{
    static const QStringList t = {"Hello!",
                                  "1. I am reading a book.",
                                  "2. The dog is big.",
                                  "She gives me a nice apple.",
                                  "Today the young teacher is writing a long letter to his friend.",
                                  "Tomorrow we will go together to the new park of our town."};
    return t;
}

// Builds the lesson; its second page is where exercise frames go.
inline QTabWidget* faras()
{
    auto* tab = new QTabWidget;
    tab->setObjectName(QStringLiteral("Lec99"));
    auto* teksto = new QWidget;
    auto* ekzerco = new QWidget;
    ekzerco->setObjectName(QStringLiteral("Ekzerco1_Lec99"));
    tab->addTab(teksto, QStringLiteral("teksto"));
    tab->addTab(ekzerco, QStringLiteral("ekzerco"));
    new QVBoxLayout(ekzerco);
    auto etikedo = [&](QLabel* l, const QString& nomo, const QString& t) {
        l->setObjectName(nomo);
        l->setText(t);
    };
    for (int i = 0; i < vortoj().size(); ++i) {
        etikedo(new klakbutono_nova(teksto), "Lec99_Button" + QString::number(i + 1), vortoj().at(i));
        etikedo(new QLabel(teksto), "Lec99_Label" + QString::number(i + 1), tradukoj().at(i));
    }
    etikedo(new neklakebla_nova(teksto), "Lec99_Button51", "ŝtono");
    etikedo(new QLabel(teksto), "Lec99_Label51", "stone");
    etikedo(new QLabel(teksto), "Lec99_Label60", "who");
    for (int i = 0; i < frazoj().size(); ++i) {
        QLabel* l = i == 2 ? static_cast<QLabel*>(new neklakebla_nova(teksto))
                           : static_cast<QLabel*>(new klakbutono_nova(teksto));
        etikedo(l, "Lec99_Button" + QString::number(101 + i), frazoj().at(i));
        etikedo(new QLabel(teksto), "Lec99_Label" + QString::number(101 + i), frazTradukoj().at(i));
    }
    tab->setCurrentIndex(1);
    return tab;
}

// The page of the lesson that holds the exercise frames.
inline QWidget* pagxo(QTabWidget* tab)
{
    return tab->widget(1);
}

} // namespace lec99

#include <QAbstractButton>
#include <QApplication>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "funkcioj.h"

namespace lec99 {

// A learner's click on a button.
inline void klakas(QWidget* w)
{
    QVERIFY2(w, "no such widget");
    QTest::mouseClick(w, Qt::LeftButton);
}

// The value a scoreboard spin box shows.
inline int valoro(QWidget* ekzerco, const char* nomo)
{
    auto* s = ekzerco->findChild<QSpinBox*>(QLatin1String(nomo));
    return s ? s->value() : -1;
}

// The learner acting while feedback plays: `ago` runs from inside the
// first wait (a feedback pause, a blink) that the next action enters. That
// wait is made long enough not to be skipped on a busy machine; the timer
// dies with this object, so an action that never waits leaves nothing behind.
class Dume
{
public:
    explicit Dume(const std::function<void()>& ago)
        : antauxa(TempoSkalo)
    {
        TempoSkalo = qMax(TempoSkalo, 0.02);
        tempo.setSingleShot(true);
        QObject::connect(&tempo, &QTimer::timeout, [this, ago] {
            farita_ = true;
            TempoSkalo = antauxa;
            ago();
        });
        tempo.start(0);
    }
    ~Dume()
    {
        tempo.stop();
        TempoSkalo = antauxa;
    }
    // The action did wait, and `ago` ran inside that wait.
    bool farita() const { return farita_; }

private:
    double antauxa;
    bool farita_ = false;
    QTimer tempo;
};

// Puts an exercise frame on the exercise page and shows the lesson at the
// given size, as the learner sees it; false when the window never appears.
inline bool montras(QTabWidget* leciono, QWidget* kadro, const QSize& grando)
{
    pagxo(leciono)->layout()->addWidget(kadro);
    leciono->resize(grando);
    leciono->show();
    return QTest::qWaitForWindowExposed(leciono);
}

} // namespace lec99
