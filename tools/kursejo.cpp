// Builds the folder that a plain web server serves at the root of the course
// web site, from the translations compiled into the program:
//
//   datumoj/traduklisto.ini          every shipped translation
//   datumoj/tradukoj/*.trd           the translation files themselves
//   datumoj/tradukoj/rekomendoj.html advice for volunteer translators
//   datumoj/kiel/kiel_<name>.html    how to use the course, per translation
//
// Usage: kursejo <target folder> <folder of the hand-written pages>
// A translation without a how-to page of its own gets the English one, so
// the program's help link never ends on an error page.
#include "funkcioj.h"
#include "inidosiero.h"
#include "tradukolisto.h"
#include "tradukovojo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QTextStream& eraro()
{
    static QTextStream s(stderr);
    return s;
}

bool kopias(const QString& de, const QString& al)
{
    QFile::remove(al);
    if (!QFile::copy(de, al)) {
        eraro() << "kursejo: cannot copy " << de << " to " << al << Qt::endl;
        return false;
    }
    // Copies out of the resources are read-only; the next run must replace them.
    QFile::setPermissions(al, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                  | QFileDevice::ReadOther);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumentoj = app.arguments();
    if (argumentoj.size() != 3) {
        eraro() << "usage: kursejo <target folder> <folder of the hand-written pages>" << Qt::endl;
        return 2;
    }
    lerbo_rimedoj();
    const QDir celo(argumentoj.at(1));
    const QDir pagxoj(argumentoj.at(2));
    const QString datumoj = celo.absoluteFilePath(QStringLiteral("datumoj"));
    const QString tradukoj = datumoj + QStringLiteral("/tradukoj/");
    const QString kiel = datumoj + QStringLiteral("/kiel/");
    if (!QDir().mkpath(tradukoj) || !QDir().mkpath(kiel)) {
        eraro() << "kursejo: cannot create " << datumoj << Qt::endl;
        return 1;
    }

    const QList<QStringList> eroj = TradukoListo::enkonstruitaj(QStringLiteral("01.01.2000"));
    if (eroj.isEmpty()) {
        eraro() << "kursejo: no translation files in the resources" << Qt::endl;
        return 1;
    }

    bool bone = true;
    const QString listoVojo = datumoj + QStringLiteral("/traduklisto.ini");
    QFile::remove(listoVojo);
    {
        IniDosiero listo(listoVojo);
        for (int i = 0; i < eroj.size(); ++i) {
            const QStringList& ero = eroj.at(i);
            const QString dosiero = ero.at(TradukoListo::Dosiero);
            listo.beginGroup(QString::number(i));
            listo.setValue(QStringLiteral("LingvoID"), ero.at(TradukoListo::ID));
            listo.setValue(QStringLiteral("Lingvo"), ero.at(TradukoListo::Nomo));
            listo.setValue(QStringLiteral("DosierNomo"), dosiero);
            listo.setValue(QStringLiteral("Dato"), ero.at(TradukoListo::Dato));
            listo.endGroup();
            bone &= kopias(TradukUjo() + dosiero, tradukoj + dosiero);

            QString pagxo = QStringLiteral("kiel_") + dosiero;
            pagxo.replace(QStringLiteral(".trd"), QStringLiteral(".html"));
            const QString propra = pagxoj.absoluteFilePath(pagxo);
            if (QFileInfo::exists(propra))
                bone &= kopias(propra, kiel + pagxo);
            else
                bone &= kopias(pagxoj.absoluteFilePath(QStringLiteral("kiel_angla.html")), kiel + pagxo);
        }
        listo.sync();
        if (listo.status() != QSettings::NoError) {
            eraro() << "kursejo: cannot write " << listoVojo << Qt::endl;
            bone = false;
        }
    }
    bone &= kopias(pagxoj.absoluteFilePath(QStringLiteral("rekomendoj.html")),
                   tradukoj + QStringLiteral("rekomendoj.html"));
    // The page the credits page links to: how to reach a human corrector.
    bone &= kopias(pagxoj.absoluteFilePath(QStringLiteral("korektanto.php")),
                   celo.absoluteFilePath(QStringLiteral("korektanto.php")));

    QTextStream(stdout) << "kursejo: " << eroj.size() << " translations in " << datumoj << Qt::endl;
    return bone ? 0 : 1;
}
