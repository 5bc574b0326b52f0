#include "testilo.h"
#include "filedownloader.h"
#include "funkcioj.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

namespace testilo {

namespace {

// Qt's own notes that say nothing of the program: the headless platform
// cannot pass size hints on, and the media folder of a test holds no clips,
// so each sound a lesson asks for fails to load there. Thousands of them
// reach Qt Test's cap of warnings and hide every message after it.
QtMessageHandler qtTesto = nullptr;
void mesagxoj(QtMsgType tipo, const QMessageLogContext& kunteksto, const QString& mesagxo)
{
    if (tipo == QtWarningMsg) {
        if (mesagxo == QLatin1String("This plugin does not support propagateSizeHints()")
            || mesagxo == QLatin1String("Error: \"Resource not found.\""))
            return;
        static const QString sensonaj =
            QStringLiteral(" - \"file://") + QDir::homePath() + QStringLiteral("/multrimedoj/");
        if (mesagxo.startsWith(QLatin1String("GStreamer; Unable to ")) && mesagxo.contains(sensonaj))
            return;
    }
    qtTesto(tipo, kunteksto, mesagxo);
}

} // namespace

void preparas()
{
    QCoreApplication::setApplicationName(QStringLiteral("DarudAver"));
    QCoreApplication::setOrganizationName(QStringLiteral("Lerbo de Esperanto"));
    lerbo_rimedoj();
    sSistemo = QStringLiteral("linux");
    Loko = QStringLiteral(":/");
    savasLoko = kiuSistemo(QStringLiteral("skribebla"));
    QDir().mkpath(savasLoko);
    mrLoko = novaDosierujo(QStringLiteral("multrimedoj"));
    TempoSkalo = 0.001;
    // The media folders of the tests hold no playable clips; the notice of
    // a clip that cannot play has tests of its own, which clear this.
    lNeSonoDirita = true;
    // Nothing leaves the machine: a download no test serves is refused at
    // once on the loopback instead of looking up the course site's host.
    FileDownloader::setKursejo(QStringLiteral("127.0.0.1:9"));
    // Qt Test sets its own handler when the tests start; this one goes in
    // front of it then, and leaves every other message to it.
    QTimer::singleShot(0, [] {
        if (!qtTesto)
            qtTesto = qInstallMessageHandler(mesagxoj);
    });
}

void instalasTradukon(const QString& nomo)
{
    const QString celo = savasLoko + nomo;
    QFile::remove(celo);
    QVERIFY2(QFile::copy(QStringLiteral(":/fiksajhoj/tradukoj/") + nomo, celo), qPrintable(nomo));
    QFile::setPermissions(celo, QFile::ReadOwner | QFile::WriteOwner);
}

QStringList sendatajTradukoj()
{
    return QDir(qEnvironmentVariable("LERBO_FONTO") + QStringLiteral("/resources/tradukoj"))
        .entryList({QStringLiteral("*.trd")}, QDir::Files, QDir::Name);
}

QStringList tradukoj()
{
    const QStringList cxiuj = sendatajTradukoj();
    if (qEnvironmentVariableIsEmpty("LERBO_SANIGILOJ"))
        return cxiuj;
    // English (the reference, left to right), Arabic (right to left),
    // Japanese (Han and kana, the CJK face) and Hindi (Devanagari, with its
    // own dictionary path).
    const QStringList specimenoj{QStringLiteral("angla.trd"), QStringLiteral("araba.trd"), QStringLiteral("hinda.trd"),
                                 QStringLiteral("japana.trd")};
    QStringList el;
    for (const QString& s : specimenoj)
        if (cxiuj.contains(s))
            el << s;
    return el;
}

QString fermitaAdreso()
{
    static QTcpSocket* const tenilo = [] {
        auto* s = new QTcpSocket(qApp);
        // Bound, never listening: the kernel answers a connection with a
        // reset. Without ShareAddress or ReuseAddressHint no other socket
        // may bind the port while this one holds it.
        s->bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress);
        return s;
    }();
    if (tenilo->state() != QAbstractSocket::BoundState)
        QTest::qFail(qPrintable(QStringLiteral("no loopback port to hold: ") + tenilo->errorString()), __FILE__,
                     __LINE__);
    return QStringLiteral("127.0.0.1:%1").arg(tenilo->localPort());
}

bool enCI()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

QString novaDosierujo(const QString& nomo)
{
    const QString hejmo = QDir::homePath();
    QDir d(hejmo + QLatin1Char('/') + nomo);
    d.removeRecursively();
    QDir().mkpath(d.path());
    return d.path() + QLatin1Char('/');
}

void skribas(const QString& vojo, const QByteArray& enhavo)
{
    QDir().mkpath(QFileInfo(vojo).path());
    QFile f(vojo);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(vojo));
    f.write(enhavo);
}

QByteArray enkonstruitaTraduko(const QString& nomo)
{
    QFile f(QStringLiteral(":/tradukoj/") + nomo);
    if (!f.open(QIODevice::ReadOnly))
        QTest::qFail(qPrintable(QStringLiteral("no built-in ") + nomo), __FILE__, __LINE__);
    return f.readAll();
}

QByteArray utf16(const QByteArray& utf8)
{
    const QString t = QString::fromUtf8(utf8);
    QByteArray b("\xff\xfe");
    b.append(reinterpret_cast<const char*>(t.utf16()), t.size() * 2);
    return b;
}

void klakas(QWidget* w)
{
    if (!w) {
        QTest::qFail("no widget to click", __FILE__, __LINE__);
        return;
    }
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* areo = qobject_cast<QScrollArea*>(p))
            areo->ensureWidgetVisible(w);
    // A scroll area that scrolls by dragging holds the press back and hands
    // it to the widget it finds under that point of the screen: a widget
    // off every screen (the offscreen platform's is 800x600) never gets it.
    const QPoint punkto = w->mapToGlobal(w->rect().center());
    if (!QGuiApplication::screenAt(punkto)) {
        QTest::qFail(qPrintable(w->objectName() + QStringLiteral(" lies off the screen; make its window fit")),
                     __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(w, Qt::LeftButton);
}

void tajpas(QWidget* w, const QString& teksto)
{
    for (const QChar c : teksto) {
        if (c == QLatin1Char('\n'))
            // A new line in a multi-line field is the Return key.
            QTest::keyClick(w, Qt::Key_Return);
        else if (c.unicode() < 0x80)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList videblajKestoj()
{
    QStringList tekstoj;
    for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible())
            tekstoj << k->text();
    return tekstoj;
}

void fermasKestojn()
{
    for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* k = qobject_cast<QMessageBox*>(f); k && k->isVisible())
            k->close();
}

int kunModalo(const std::function<void()>& ago, const std::function<void(QWidget*)>& respondo)
{
    int kiom = 0;
    QTimer gardisto;
    QObject::connect(&gardisto, &QTimer::timeout, [&] {
        QWidget* modalo = QApplication::activeModalWidget();
        // The main window itself is application-modal; it is never the box we wait for.
        if (!modalo || modalo->inherits("lerbo"))
            return;
        ++kiom;
        if (respondo)
            respondo(modalo);
        else
            modalo->close();
    });
    gardisto.start(5);
    ago();
    return kiom;
}

} // namespace testilo
