#pragma once
// Small lesson forms built the way the lesson forms build theirs: a lesson
// frame holding the tab widget "LecNN", each page a scroll area with a column
// of labels, answer fields (each question label's buddy), model answers and
// the send panel.
#include "cx_edit.h"
#include "cx_plainedit.h"
#include "klakbutono_nova.h"
#include "korekta.h"
#include "neklakebla_nova.h"
#include "sendas_butono.h"
#include "sendujo.h"
#include "titolo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fiksajho {

// A page of the tab widget: page > scroll area > contents > column.
struct Pagho
{
    QWidget* pagho;
    QScrollArea* rulumejo;
    QWidget* enhavo;
    QVBoxLayout* kolumno;

    template <class T>
    T* aldonas(const QString& nomo, const QString& teksto = QString())
    {
        auto* w = new T(enhavo);
        w->setObjectName(nomo);
        if constexpr (std::is_base_of_v<QLabel, T>)
            w->setText(teksto);
        kolumno->addWidget(w);
        return w;
    }

    // A question label with its one-line or multi-line answer field as buddy.
    template <class Kampo>
    Kampo* demando(const QString& etikedo, const QString& teksto, const QString& kampo)
    {
        auto* l = aldonas<QLabel>(etikedo, teksto);
        auto* k = aldonas<Kampo>(kampo);
        l->setBuddy(k);
        return k;
    }
};

inline Pagho pagho(QTabWidget* leciono, const QString& nomo)
{
    Pagho p;
    p.pagho = new QWidget();
    p.pagho->setObjectName(nomo);
    auto* ekstera = new QVBoxLayout(p.pagho);
    ekstera->setContentsMargins(0, 0, 0, 0);
    p.rulumejo = new QScrollArea(p.pagho);
    p.rulumejo->setObjectName(QStringLiteral("scrollArea_") + nomo);
    p.rulumejo->setWidgetResizable(true);
    p.enhavo = new QWidget();
    p.enhavo->setObjectName(QStringLiteral("scrollAreaWidgetContents_") + nomo);
    p.kolumno = new QVBoxLayout(p.enhavo);
    p.rulumejo->setWidget(p.enhavo);
    ekstera->addWidget(p.rulumejo);
    leciono->addTab(p.pagho, nomo);
    return p;
}

inline QTabWidget* leciono(const QString& nn, QFrame** kadro)
{
    *kadro = new QFrame();
    (*kadro)->setObjectName(QStringLiteral("lec") + nn);
    auto* v = new QVBoxLayout(*kadro);
    auto* t = new QTabWidget(*kadro);
    t->setObjectName(QStringLiteral("Lec") + nn);
    v->addWidget(t);
    return t;
}

// Lesson 7: an explanation page, an exercise page with a field of its own,
// the send page (index 2, page number 3) and a writing page named otherwise
// that carries a send panel.
inline QTabWidget* lec07(QFrame** kadro)
{
    QTabWidget* t = leciono(QStringLiteral("07"), kadro);
    pagho(t, QStringLiteral("tab")).aldonas<QLabel>(QStringLiteral("Lec07_Label1"), QStringLiteral("Klarigo"));
    Pagho e = pagho(t, QStringLiteral("Ekzerco1_Lec07"));
    e.aldonas<QLineEdit>(QStringLiteral("lineEdit_90"));

    Pagho s = pagho(t, QStringLiteral("Sendas1_Lec07"));
    s.aldonas<titolo>(QStringLiteral("Lec07_Label2"), QStringLiteral("Traduku:"));
    s.demando<cx_edit>(QStringLiteral("label"), QStringLiteral("  1. La domo estas granda.  "),
                       QStringLiteral("lineEdit"));
    s.demando<cx_plainedit>(QStringLiteral("label_2"), QStringLiteral("2. Ĉu vi ŝatas kafon?"),
                            QStringLiteral("plainTextEdit"));
    s.aldonas<korekta>(QStringLiteral("korekta"), QStringLiteral("La domo estas granda."));
    s.aldonas<neklakebla_nova>(QStringLiteral("Lec07_Button1"), QStringLiteral("ŝipo"));
    s.aldonas<klakbutono_nova>(QStringLiteral("Lec07_Button2"), QStringLiteral("ĉevalo"));
    s.demando<cx_edit>(QStringLiteral("label_3"), QStringLiteral("3. Sen respondo"), QStringLiteral("lineEdit_2"));
    s.demando<QPushButton>(QStringLiteral("label_4"), QStringLiteral("4. Butono"), QStringLiteral("pushButton_9"));
    s.aldonas<korekta>(QStringLiteral("korekta_2"), QStringLiteral("Ĉu vi ŝatas kafon? Jes."));
    s.aldonas<sendujo>(QStringLiteral("frame"));

    Pagho v = pagho(t, QStringLiteral("tab_4"));
    v.demando<cx_edit>(QStringLiteral("label_5"), QStringLiteral("5. Kioma horo?"), QStringLiteral("lineEdit_3"));
    v.aldonas<sendujo>(QStringLiteral("frame_2"));
    return t;
}

// The final examination: five pages, the send button on the last one only;
// a second answer under task 4 and an example word beside the affix of task 8
// that no label names.
inline QTabWidget* lec13(QFrame** kadro)
{
    QTabWidget* t = leciono(QStringLiteral("13"), kadro);
    Pagho p0 = pagho(t, QStringLiteral("tab"));
    p0.aldonas<titolo>(QStringLiteral("Lec13_Label3"), QStringLiteral("Fina ekzameno"));
    p0.aldonas<QLabel>(QStringLiteral("Lec13_Label1"), QStringLiteral("Skribu la pluralon."));
    p0.demando<cx_edit>(QStringLiteral("label_4"), QStringLiteral("nokto"), QStringLiteral("lineEdit"));

    Pagho p1 = pagho(t, QStringLiteral("tab_2"));
    p1.demando<cx_edit>(QStringLiteral("label_35"), QStringLiteral("a) La pano estas blanka."),
                        QStringLiteral("lineEdit_28"));
    p1.aldonas<cx_edit>(QStringLiteral("lineEdit_29"));

    Pagho p2 = pagho(t, QStringLiteral("tab_3"));
    p2.demando<cx_edit>(QStringLiteral("label_64"), QStringLiteral("a) (Tiu) (Kiu) estas tiu objekto?"),
                        QStringLiteral("lineEdit_44"));

    Pagho p3 = pagho(t, QStringLiteral("tab_4"));
    p3.demando<cx_edit>(QStringLiteral("Lec13_Label19"), QStringLiteral("both sexes together"),
                        QStringLiteral("lineEdit_59"));
    p3.aldonas<cx_edit>(QStringLiteral("lineEdit_54"));
    p3.demando<cx_plainedit>(QStringLiteral("Lec13_Label26"), QStringLiteral("I live in a small town."),
                             QStringLiteral("plainTextEdit"));

    Pagho p4 = pagho(t, QStringLiteral("Sendas5_Lec13"));
    p4.demando<QPlainTextEdit>(QStringLiteral("label_104"), QStringLiteral("Kara amikino:"),
                               QStringLiteral("plainTextEdit_2"));
    p4.aldonas<sendas_butono>(QStringLiteral("pushButton"));
    return t;
}

} // namespace fiksajho
