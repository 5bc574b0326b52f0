#pragma once
// Fixtures shared by the tests of the main window.
#include "funkcioj.h"
#include "inidosiero.h"
#include "lerbo.h"
#include "testilo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVariantMap>
#include <memory>

namespace lerbotesto {

// A widget of the main window's form, found by its object name as the rest
// of the program finds it.
template <typename T = QWidget>
T* el(QWidget* w, const char* nomo)
{
    return testilo::trovas<T>(w, QLatin1String(nomo));
}

// The writable folder without settings, list or downloaded translations, and
// the globals as they are before the settings are read.
inline void purigas()
{
    QDir d(savasLoko);
    for (const QString& nomo : d.entryList(QDir::Files))
        d.remove(nomo);
    Loko = QStringLiteral(":/");
    NeEkzistasTraduko = false;
    sLingvo.clear();
    sTradukoDosiero.clear();
    sLingvoID.clear();
    LastaLeciono = 1;
    LastaPagxo = 1;
    EkzercoAkuzativoTrad.clear();
}

// The first answer field of lesson 1's send page, with the lesson open on
// that page.
inline QLineEdit* sendKampo(lerbo* w)
{
    el<QPushButton>(w, "Leciono1")->click();
    auto* leciono = el<QTabWidget>(w, "Lec01");
    leciono->setCurrentIndex(leciono->count() - 1);
    for (QWidget* k : RespondoKampoj(leciono))
        if (leciono->currentWidget()->isAncestorOf(k))
            if (auto* linio = qobject_cast<QLineEdit*>(k))
                return linio;
    return nullptr;
}

inline QString agordoVojo()
{
    return savasLoko + QStringLiteral("darudaver.ini");
}

// Writes group Gxenerala of the settings file.
inline void skribasAgordojn(const QVariantMap& valoroj)
{
    IniDosiero ini(agordoVojo());
    ini.beginGroup(QStringLiteral("Gxenerala"));
    for (auto it = valoroj.begin(); it != valoroj.end(); ++it)
        ini.setValue(it.key(), it.value());
    ini.endGroup();
    ini.sync();
}

// A translation list written just now (so it counts as fresh).
inline void skribasListon(const QList<QStringList>& eroj)
{
    IniDosiero ini(savasLoko + QStringLiteral("traduklisto.ini"));
    for (int i = 0; i < eroj.size(); ++i) {
        ini.beginGroup(QString::number(i));
        ini.setValue(QStringLiteral("LingvoID"), eroj[i].value(0));
        ini.setValue(QStringLiteral("Lingvo"), eroj[i].value(1));
        ini.setValue(QStringLiteral("DosierNomo"), eroj[i].value(2));
        ini.setValue(QStringLiteral("Dato"), eroj[i].value(3));
        ini.endGroup();
    }
    ini.sync();
}

// Settings of a learner who chose `dosiero` before, with a fresh list, so the
// window loads the translation at once and asks nothing of the network.
inline void lernantoKun(const QString& lingvo, const QString& dosiero)
{
    skribasAgordojn({{QStringLiteral("Lingvo"), lingvo},
                     {QStringLiteral("Dosiero"), dosiero},
                     {QStringLiteral("Sxaltilo"), false}});
    skribasListon({{QStringLiteral("en"), QStringLiteral("English — angla"), QStringLiteral("angla.trd"),
                    QStringLiteral("09.07.2020")},
                   {QStringLiteral("eo"), QStringLiteral("Esperanto"), QStringLiteral("esperanto.trd"),
                    QStringLiteral("09.07.2020")}});
}

using testilo::videblajKestoj;

// Runs `ago`, closing every message box and dialog it opens; the texts of
// the message boxes, in order.
// The main window is application-modal itself, so it is passed over.
inline QStringList kunKestoj(const std::function<void()>& ago)
{
    QStringList tekstoj;
    testilo::kunModalo(ago, [&](QWidget* modalo) {
        if (qobject_cast<lerbo*>(modalo))
            return;
        if (auto* kesto = qobject_cast<QMessageBox*>(modalo))
            tekstoj.append(kesto->text());
        modalo->close(); // a dialog (the first-start language choice) too
    });
    return tekstoj;
}

// Builds the main window; the texts of the message boxes its start opened
// go to `mesagxoj`.
inline std::unique_ptr<lerbo> kreas(QStringList* mesagxoj = nullptr)
{
    std::unique_ptr<lerbo> w;
    const QStringList tekstoj = kunKestoj([&] { w.reset(new lerbo); });
    if (mesagxoj)
        *mesagxoj = tekstoj;
    return w;
}

// Makes the window fit the screen, as on a small display. Headless the
// screen is 800x600 and the main window taller; a click through a scroll
// area that scrolls by dragging only lands on a widget inside the screen.
inline void enEkrano(QWidget* w)
{
    const QRect ekrano = QGuiApplication::primaryScreen()->availableGeometry();
    w->move(ekrano.topLeft());
    w->resize(qMin(w->width(), ekrano.width()), qMin(w->height(), ekrano.height()));
}

// Shows the window and makes it the active one, as the learner sees it.
inline bool montras(lerbo* w)
{
    w->show();
    w->activateWindow();
    // The toolkit asks the application, not the platform window, which is active.
    // Generous limits: on a loaded machine activation can take seconds.
    return QTest::qWaitForWindowActive(w, 20000)
           && QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, 20000);
}

// Ends the program as a signal or the session's end does, inside the main
// loop as the program runs it; back once the window has closed (the end
// quits the loop) or stayed open (quit here).
inline void fermasDeEkstere(lerbo* w)
{
    QTimer::singleShot(0, w, [w] {
        w->FermasOrde();
        if (w->isVisible())
            QCoreApplication::quit();
    });
    QCoreApplication::exec();
    // The quit the toolkit posts once the last window has closed would end
    // the next box's loop at once.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
}

} // namespace lerbotesto
