#pragma once
#include <QIcon>
#include <QIconEngine>
#include <QVector>

// A picture file's icon that reads the picture only when it is first drawn or
// measured, and then shares it with every icon of the same files. A form
// (uic) gives each button its icon by file without a size, and Qt's own
// icon then reads the whole picture at once: the exercise frames read their
// five or six button pictures once per frame, forty frames to a lesson, and
// the main window those of pages the learner has not opened (a sixth of
// lesson 1's first opening, an eighth of the start). The icon drawn is
// Qt's own, made from the same files when first needed.
class ProkrastaIkono : public QIconEngine
{
public:
    void paint(QPainter* pentrilo, const QRect& rekt, QIcon::Mode reghimo, QIcon::State stato) override;
    QSize actualSize(const QSize& grando, QIcon::Mode reghimo, QIcon::State stato) override;
    QPixmap pixmap(const QSize& grando, QIcon::Mode reghimo, QIcon::State stato) override;
    void addPixmap(const QPixmap& bildo, QIcon::Mode reghimo, QIcon::State stato) override;
    void addFile(const QString& dosiero, const QSize& grando, QIcon::Mode reghimo, QIcon::State stato) override;
    QString key() const override;
    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode reghimo, QIcon::State stato) const override;
    void virtual_hook(int id, void* datumoj) override;

    // True while Qt's own icon is being made: the factory then gives none.
    static bool farasVeran();

private:
    struct Ero
    {
        QString dosiero;
        QSize grando;
        QIcon::Mode reghimo;
        QIcon::State stato;
    };
    // Qt's own icon of the files, made on first use (shared between all
    // icons of the same files) and kept.
    QIcon& vera() const;

    QVector<Ero> eroj;
    QVector<QPair<QPixmap, QPair<QIcon::Mode, QIcon::State>>> bildoj;
    mutable QIcon m_vera;
    mutable bool farita = false;
};
