#pragma once
#include <QFrame>

namespace Ui {
class sendujo;
}

// The panel of a send page: the model-answer toggle and the copy button.
class sendujo : public QFrame
{
    Q_OBJECT

public:
    explicit sendujo(QWidget* parent = nullptr);
    ~sendujo() override;

private:
    Ui::sendujo* ui;
};
