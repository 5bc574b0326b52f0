#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace Ui {
class audkompreno;
}
class QLabel;

// Listening comprehension: a recorded word of the lesson plays and the
// learner types it; the words found collect in a grid of 40 cells.
class audkompreno : public QFrame
{
    Q_OBJECT

public:
    explicit audkompreno(QWidget* parent = nullptr);
    ~audkompreno() override;

    // The clip of the item being asked.
    QString sono() const { return nunaSono; }

public slots:
    void on_BitBtn8_clicked();
    void on_BitBtn10_clicked();
    void on_BitBtn9_clicked();
    void on_finita_clicked();
    void on_Edit1_returnPressed();
    void novavorto();
    void analizu();

private:
    QString atendata() const;

    Ui::audkompreno* ui;
    QList<QLabel*> etikedoj;
    QString kodo;
    QStringList eroj;
    QString nunaSono;
    QString prefikso;
    ekzercokuro kuro;
    poentaro tabulo;
};
