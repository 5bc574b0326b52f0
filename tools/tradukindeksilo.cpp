// Writes the index of the built-in translations (TradukoListo::indekso) for
// the build: every ".trd" file under "tradukoj/" that the resource file lists,
// in the order it lists them.
//
//   tradukindeksilo resources/tradukoj.qrc OUTPUT
#include "tradukolisto.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tradukindeksilo RESOURCES.qrc OUTPUT\n");
        return 2;
    }
    const QString qrc = QString::fromLocal8Bit(argv[1]);
    QFile rimedoj(qrc);
    if (!rimedoj.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tradukindeksilo: cannot read %s\n", argv[1]);
        return 1;
    }
    static const QRegularExpression dosiero(QStringLiteral("<file>\\s*tradukoj/([^<]+\\.trd)\\s*</file>"));
    QStringList nomoj;
    for (auto it = dosiero.globalMatch(QString::fromUtf8(rimedoj.readAll())); it.hasNext();)
        nomoj << it.next().captured(1);
    const QString dosierujo = QFileInfo(qrc).absolutePath() + QStringLiteral("/tradukoj/");
    for (const QString& nomo : qAsConst(nomoj)) {
        if (!QFileInfo(dosierujo + nomo).isFile()) {
            std::fprintf(stderr, "tradukindeksilo: %s lists %s, which is missing\n", argv[1], qPrintable(nomo));
            return 1;
        }
    }
    QSaveFile celo(QString::fromLocal8Bit(argv[2]));
    if (!celo.open(QIODevice::WriteOnly) || celo.write(TradukoListo::indekso(dosierujo, nomoj)) < 0 || !celo.commit()) {
        std::fprintf(stderr, "tradukindeksilo: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
