#pragma once
#include <QLabel>

// A heading: wraps its text; the style sheet sets its size.
class titolo : public QLabel
{
    Q_OBJECT

public:
    explicit titolo(QWidget* parent = nullptr);
};
