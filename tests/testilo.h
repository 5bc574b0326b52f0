#pragma once
#include <QAbstractButton>
#include <QPushButton>
#include <QString>
#include <QtTest>
#include <functional>
#include <type_traits>

// Shared set-up of the test programs: the application names, the platform
// word, the resources and the short waits of a test run.
namespace testilo {

// The groups a translation file must hold besides [Traduko] to be taken for
// one; a fixture that stands for a whole translation carries them, empty.
inline const QByteArray CxefajGrupoj = "[Menuo]\r\n[Konfig]\r\n[Mesagxoj]\r\n";

// Prepares the globals the way main() does, with a fresh writable folder and
// a media folder of the test's own. Waits run at a thousandth of their length.
void preparas();

// A fresh empty folder under the test's home, ending in "/".
QString novaDosierujo(const QString& nomo);

// Writes a text file (UTF-8), creating its folder.
void skribas(const QString& vojo, const QByteArray& enhavo);

// A translation file as the program has it built in (":/tradukoj/`nomo`").
QByteArray enkonstruitaTraduko(const QString& nomo);

// `utf8` as UTF-16 with its byte-order mark: a text an editor saved in the
// wrong encoding.
QByteArray utf16(const QByteArray& utf8);

// A learner's click on `w`: the scroll areas around it scroll it into view
// first, as the learner would, since a click lands where the widget shows.
void klakas(QWidget* w);

// Types `teksto` into `w` key by key, as a learner does; letters outside
// ASCII (ĉ, ŭ, Arabic) come as key events carrying their text, a line
// break as the Return key.
void tajpas(QWidget* w, const QString& teksto);

// Runs `ago` and, while it blocks in a modal box or dialog, hands that window
// to `respondo` (which should close it). Returns how many modal windows came.
int kunModalo(const std::function<void()>& ago, const std::function<void(QWidget*)>& respondo = {});

// The texts of the message boxes standing open now, for a test that looks
// while a box still waits for the learner.
QStringList videblajKestoj();

// Closes the message boxes standing open now, as the learner would.
void fermasKestojn();

// Copies a fixture translation from ":/fiksajhoj/tradukoj/" into the
// writable folder, where the program finds downloaded ones: the tests'
// translations stay out of the program's built-in folder.
void instalasTradukon(const QString& nomo);

// The translation files that ship, by name, from the source folder.
QStringList sendatajTradukoj();

// The translation files a test that runs once per translation goes over:
// every one that ships, or under the sanitizers (LERBO_SANIGILOJ) one of
// each script and direction. There the other files run the same code with
// other strings; the normal build checks them all.
QStringList tradukoj();

// "127.0.0.1:port" of a loopback port that refuses every connection at once.
// A socket of this test program holds the port bound without listening
// (and without sharing the address) for the whole run, so no other process
// can take it meanwhile; a port found free and let go could be taken by a
// parallel test before the connection is tried.
QString fermitaAdreso();

// In CI (CI=true) every tool a check needs has been installed, so a missing
// one is a fault of the machine that the gate must not pass over.
bool enCI();

// The child of `patro` of class T named `nomo`. When there is none the
// test function fails there, naming it, and gets a stand-in of the class, so
// that it ends as a located failure instead of a crash of the whole program
// (the stand-in is never shown and outlives the test).
template <typename T>
T* trovas(const QObject* patro, const QString& nomo)
{
    T* trovita = patro ? patro->findChild<T*>(nomo) : nullptr;
    if (trovita)
        return trovita;
    QTest::qFail(qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(T::staticMetaObject.className()), nomo)),
                 __FILE__, __LINE__);
    using Anstatauo = std::conditional_t<std::is_same_v<T, QAbstractButton>, QPushButton, T>;
    static T* const anstatauo = new Anstatauo;
    return anstatauo;
}

} // namespace testilo

// A tool or file a check needs is missing: the check is skipped on a
// learner's machine and fails in CI.
#define LERBO_MANKAS(mesagxo)                                                                                          \
    do {                                                                                                               \
        if (testilo::enCI())                                                                                           \
            QFAIL(mesagxo);                                                                                            \
        QSKIP(mesagxo);                                                                                                \
    } while (false)

#define LERBO_TEST_MAIN(Klaso)                                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        testilo::preparas();                                                                                           \
        Klaso testo;                                                                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&testo, argc, argv);                                                                       \
    }
