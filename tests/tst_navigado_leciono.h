#pragma once
// Stand-in lessons for the main window's tests, built through the lesson
// factory as the course's own lessons are: the frame "lecNN" holding the tab
// widget "LecNN", whose pages each hold their labels "LecNN_Label" + N inside
// a scroll area, and the page-change slot that reports to the main window
// only while it is the active window.
#include "lecionoj.h"
#include "lerbo.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fiksaleciono {

// Lesson 1 has thirteen pages, the others ten.
inline int paghoj(int numero)
{
    return numero == 1 ? 13 : 10;
}

// Labels per page: page p holds Label(p*Etikedoj+1) .. Label((p+1)*Etikedoj).
constexpr int Etikedoj = 5;

inline QString du(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// How often each lesson was built, by number.
inline QList<int>& konstruoj()
{
    static QList<int> k = QList<int>() << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 0;
    return k;
}

inline QFrame* faras(int numero, QWidget* patro)
{
    ++konstruoj()[numero];
    auto* kadro = new QFrame(patro);
    kadro->setObjectName(QStringLiteral("lec") + du(numero));
    auto* tabulo = new QTabWidget(kadro);
    tabulo->setObjectName(QStringLiteral("Lec") + du(numero));
    (new QVBoxLayout(kadro))->addWidget(tabulo);
    for (int p = 0; p < paghoj(numero); ++p) {
        auto* pagho = new QWidget;
        auto* rulumo = new QScrollArea(pagho);
        (new QVBoxLayout(pagho))->addWidget(rulumo);
        auto* enhavo = new QWidget;
        auto* aranghilo = new QVBoxLayout(enhavo);
        for (int j = 1; j <= Etikedoj; ++j) {
            auto* etikedo = new QLabel(QStringLiteral("teksto %1").arg(p * Etikedoj + j));
            etikedo->setObjectName(tabulo->objectName() + QStringLiteral("_Label") + QString::number(p * Etikedoj + j));
            etikedo->setMinimumHeight(200); // taller than the view: scrolling shows
            aranghilo->addWidget(etikedo);
        }
        rulumo->setWidget(enhavo);
        tabulo->addTab(pagho, QString::number(p + 1));
    }
    QObject::connect(tabulo, &QTabWidget::currentChanged, kadro, [tabulo](int indekso) {
        auto* fenestro = qobject_cast<lerbo*>(QApplication::activeWindow());
        if (QWidget* pagho = tabulo->currentWidget())
            for (QScrollArea* sa : pagho->findChildren<QScrollArea*>())
                sa->setWidgetResizable(true);
        if (fenestro)
            fenestro->montras_koverton(false, indekso);
    });
    return kadro;
}

// Puts the stand-ins in place of the course's lessons while it lives.
struct Anstatauo
{
    Anstatauo()
    {
        for (int& k : konstruoj())
            k = 0;
        MetasLecionFarejon(&faras);
    }
    ~Anstatauo() { MetasLecionFarejon({}); }
};

} // namespace fiksaleciono
