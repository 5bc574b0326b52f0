// What the learner does is kept: the settings file is written as the
// learner goes, its failures are told when they happen and only then.
#include "agordoj.h"
#include "tst_lerbo_komuna.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace lerbotesto;

namespace {

// Bytes that read as no INI file at all.
QByteArray hazardajBajtoj(int kiom)
{
    QByteArray b;
    quint32 x = 2463534242u;
    for (int i = 0; i < kiom; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b.append(char(x & 0xff));
    }
    return b;
}

} // namespace

class TestoKonservado : public QObject
{
    Q_OBJECT

private slots:
    void init() { purigas(); }

    // A settings file of random bytes is written over at the close, and that
    // write is no failure: no box says the changes are lost.
    void hazardaDosieroNeEstasFiasko()
    {
        testilo::skribas(agordoVojo(), hazardajBajtoj(4000));
        auto w = kreas();
        QVERIFY(montras(w.get()));
        const QStringList mesagxoj = kunKestoj([&] { w->close(); });
        QVERIFY2(mesagxoj.isEmpty(), qPrintable(mesagxoj.join(QLatin1Char('|'))));
        sTradukoDosiero.clear();
        Agordoj::legas(agordoVojo());
        QCOMPARE(sTradukoDosiero, QStringLiteral("angla.trd"));
    }
};

LERBO_TEST_MAIN(TestoKonservado)
#include "tst_konservado.moc"
