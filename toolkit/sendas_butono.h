#pragma once
#include <QPushButton>

// Copies the current page of its lesson (all five pages of the final
// examination) to the clipboard for the corrector.
class sendas_butono : public QPushButton
{
    Q_OBJECT

public:
    explicit sendas_butono(QWidget* parent = nullptr);

public slots:
    void klakita();
};
