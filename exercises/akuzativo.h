#pragma once
#include "akuzativo_datumoj.h"
#include "akuzativo_frazo.h"
#include "ekzercokuro.h"
#include "poentaro.h"

#include <QFrame>
#include <QList>

namespace Ui {
class akuzativo;
}
class QLabel;

// The accusative exercise: the learner clicks the words of a sentence that
// take the ending -n and confirms the sentence.
class akuzativo : public QFrame
{
    Q_OBJECT

public:
    explicit akuzativo(QWidget* parent = nullptr);
    ~akuzativo() override;

private slots:
    void on_BitBtn1_clicked();
    void novafrazo();
    void vortoklako(int klakita);
    void tekstoblinko();
    void on_BitBtn3_clicked();
    void on_BitBtn2_clicked();
    void on_label_164_clicked();
    void on_label_165_clicked();
    void on_label_166_clicked();
    void on_label_167_clicked();
    void on_label_168_clicked();
    void on_label_169_clicked();
    void on_label_170_clicked();
    void on_label_171_clicked();
    void on_label_172_clicked();
    void on_label_173_clicked();

private:
    Ui::akuzativo* ui;
    akuzativo_datumoj Datumoj;
    akuzativo_frazo Frazo;
    ekzercokuro Kuro;
    poentaro Poentaro;
    QList<QLabel*> Etikedoj;
};
