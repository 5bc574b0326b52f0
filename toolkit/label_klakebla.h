#pragma once
#include <QLabel>

// A label recognised by type by the translation pass, keyed by its name from the 13th character on.
class label_klakebla : public QLabel
{
    Q_OBJECT

public:
    explicit label_klakebla(QWidget* parent = nullptr);
};
