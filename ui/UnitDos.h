#pragma once

#include <QWidget>

class TFormDos : public QWidget {
    Q_OBJECT
public:
    explicit TFormDos(QWidget* parent = nullptr);
};
