#pragma once
#include <QLabel>

// A forward arrow; the translation pass gives it the picture for the text direction.
class label_sago : public QLabel
{
    Q_OBJECT

public:
    explicit label_sago(QWidget* parent = nullptr);
};
