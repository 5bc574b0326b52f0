// Lesson 1's alphabet page in both directions: the letter and its two
// example words in each row must stand apart in a right-to-left translation
// as they do in English, or pairs such as "ruino" and "kanabo" read as one
// word.
//
// With LERBO_EKRANKOPIOJ set to a folder, the test also saves a picture of
// the page in each direction there (run it under xvfb-run to see what a real
// display draws).
#include "funkcioj.h"
#include "lec01.h"
#include "testilo.h"
#include "trad.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <memory>

namespace {

// Where the text of a label stands on screen, left and right edge in the
// coordinates of the given widget. A label places its text by the text's own
// direction (Esperanto reads left to right on any page), as QLabel paints it.
QPair<int, int> tekstLoko(const QLabel* l, const QWidget* al)
{
    const QRect r = l->contentsRect();
    const int largxo = l->fontMetrics().horizontalAdvance(l->text());
    const Qt::LayoutDirection direkto = l->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment a = QStyle::visualAlignment(direkto, l->alignment());
    int x = r.left();
    if (a & Qt::AlignRight)
        x = r.right() + 1 - largxo;
    else if (a & Qt::AlignHCenter)
        x = r.left() + (r.width() - largxo) / 2;
    const QPoint p = l->mapTo(al, QPoint(x, 0));
    return {p.x(), p.x() + largxo};
}

// The rows of the alphabet: for each half of the page, its three columns
// (letters, first words, second words) side by side.
QList<QList<QLabel*>> vicoj(QWidget* pagho)
{
    QList<QList<QLabel*>> rezulto;
    for (const char* duono : {"horizontalLayout", "horizontalLayout_2"}) {
        auto* kolumnoj = pagho->findChild<QHBoxLayout*>(QLatin1String(duono));
        if (!kolumnoj || kolumnoj->count() != 3)
            return {};
        const int n = kolumnoj->itemAt(0)->layout()->count();
        for (int i = 0; i < n; ++i) {
            QList<QLabel*> vico;
            for (int k = 0; k < 3; ++k)
                vico << qobject_cast<QLabel*>(kolumnoj->itemAt(k)->layout()->itemAt(i)->widget());
            rezulto << vico;
        }
    }
    return rezulto;
}

// Per row, the two gaps between neighbouring texts (letter–word, word–word),
// whichever side each stands on.
QList<int> interspacoj(const QString& traduko, Qt::LayoutDirection direkto)
{
    sTradukoDosiero = traduko;
    QApplication::setLayoutDirection(direkto);
    lec01 leciono(nullptr);
    leciono.resize(1000, 700);
    Trad(&leciono, QStringLiteral("Lec01"));
    leciono.show();
    // Turned to, as the learner does, the page follows the window's size.
    auto* lec = leciono.findChild<QTabWidget*>(QStringLiteral("Lec01"));
    lec->setCurrentIndex(1);
    lec->setCurrentIndex(0);
    auto* pagho = leciono.findChild<QWidget*>(QStringLiteral("tab"));
    QCoreApplication::processEvents();
    QList<int> rezulto;
    const auto cxiuj = vicoj(pagho);
    for (const QList<QLabel*>& vico : cxiuj) {
        for (int k = 0; k + 1 < vico.size(); ++k) {
            const auto a = tekstLoko(vico.at(k), pagho);
            const auto b = tekstLoko(vico.at(k + 1), pagho);
            // The later column stands right of the earlier one left to right,
            // left of it right to left.
            rezulto << (direkto == Qt::LeftToRight ? b.first - a.second : a.first - b.second);
        }
    }
    const QString ekrankopioj = qEnvironmentVariable("LERBO_EKRANKOPIOJ");
    if (!ekrankopioj.isEmpty()) {
        QDir().mkpath(ekrankopioj);
        pagho->grab().save(ekrankopioj + QStringLiteral("/alfabeto_") + traduko.section(QLatin1Char('.'), 0, 0)
                           + QStringLiteral(".png"));
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
    return rezulto;
}

} // namespace

class TestoLec01Dudirekta : public QObject
{
    Q_OBJECT

private slots:
    void alfabetaPagho()
    {
        const QList<int> angle = interspacoj(QStringLiteral("angla.trd"), Qt::LeftToRight);
        const QList<int> arabe = interspacoj(QStringLiteral("araba.trd"), Qt::RightToLeft);
        QCOMPARE(angle.size(), 2 * 28);
        QCOMPARE(arabe.size(), angle.size());
        for (int i = 0; i < angle.size(); ++i) {
            QVERIFY2(angle.at(i) >= 8,
                     qPrintable(QStringLiteral("English, row %1: %2 px").arg(i / 2).arg(angle.at(i))));
            QVERIFY2(arabe.at(i) >= angle.at(i),
                     qPrintable(QStringLiteral("Arabic, row %1, gap %2: %3 px, English %4 px")
                                    .arg(i / 2)
                                    .arg(i % 2)
                                    .arg(arabe.at(i))
                                    .arg(angle.at(i))));
        }
    }
};

LERBO_TEST_MAIN(TestoLec01Dudirekta)
#include "tst_lec01_dudirekta.moc"
