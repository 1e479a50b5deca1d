#pragma once

#include <QDialog>

#include "common/NumberBox.h"

class QLabel;
class QPushButton;

// The small window that deals a chosen number: the current one is filled in and selected so
// that it can be copied, and an entry that names no deal is answered in the window, not dealt.
class TFormDeal : public QDialog {
    Q_OBJECT
public:
    explicit TFormDeal(QWidget* parent);

    // Opens, or comes to the front, showing `current` (0: nothing dealt yet) in `language`.
    void showFor(int current, int language);
    void applyLanguage(int language);

    NumberBox* EditNumber = nullptr;
    QLabel* LabelError = nullptr;
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;

signals:
    void dealChosen(int number);

public slots:
    void accept() override;

private:
    QLabel* m_prompt = nullptr;
    int m_language = 2;
};
