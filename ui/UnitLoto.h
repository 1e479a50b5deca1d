#pragma once

#include <QWidget>

class TFormLoto : public QWidget {
    Q_OBJECT
public:
    explicit TFormLoto(QWidget* parent = nullptr);
};
