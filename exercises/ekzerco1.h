#pragma once
#include "ekzercokuro.h"
#include "poentaro.h"
#include "rondo.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace Ui {
class ekzerco1;
}
class QPushButton;

// Hear and pick: a word of lesson 1 is spoken and the learner picks it
// among six word buttons; words come in rounds of four.
class ekzerco1 : public QFrame
{
    Q_OBJECT

public:
    explicit ekzerco1(QWidget* parent = nullptr);
    ~ekzerco1() override;

    // The exercise's word list: lesson 1, exercise 1, whatever the frame is named.
    QString kodo = QStringLiteral("0101");

    // The clip of the word being asked.
    QString sono() const { return nunaSono; }

public slots:
    void on_BitBtn1_clicked();
    void on_BitBtn2_clicked();
    void on_BitBtn3_clicked();
    void on_butono0_clicked();
    void on_butono3_clicked();
    void on_butono1_clicked();
    void on_butono4_clicked();
    void on_butono2_clicked();
    void on_butono5_clicked();
    void novafrazo();
    void novavorto();
    void vortoklako(int pozicio);

private:
    Ui::ekzerco1* ui;
    int nunaCelo = 0;
    QString nunaSono;
    bool okupata = false;
    bool fresxa = false;
    QStringList vortoj;
    QList<bool> uzataj;
    bool solvitaj[6] = {false, false, false, false, false, false};
    rondo r;
    QList<QPushButton*> butonoj;
    ekzercokuro kuro;
    poentaro tabulo;
};
