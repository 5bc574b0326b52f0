#pragma once
#include <QLabel>

// A return arrow; the translation pass gives it the picture and side margin for the text direction.
class label_sago_reversa : public QLabel
{
    Q_OBJECT

public:
    explicit label_sago_reversa(QWidget* parent = nullptr);
};
