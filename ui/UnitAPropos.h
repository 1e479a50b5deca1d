#pragma once

#include <QWidget>

class TFormApropos : public QWidget {
    Q_OBJECT
public:
    explicit TFormApropos(QWidget* parent = nullptr);
};
