#pragma once
#include <QLabel>

// An Esperanto word box that does not speak. Its class name is what the style sheets, the translation pass and the send button look for.
class neklakebla_nova : public QLabel
{
    Q_OBJECT

public:
    explicit neklakebla_nova(QWidget* parent = nullptr);
};
