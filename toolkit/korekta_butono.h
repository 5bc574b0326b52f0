#pragma once
#include <QPushButton>

// Shows or hides the model answers (korekta labels) of the scroll area it
// stands in.
class korekta_butono : public QPushButton
{
    Q_OBJECT

public:
    explicit korekta_butono(QWidget* parent = nullptr);

public slots:
    void klakita();
};
