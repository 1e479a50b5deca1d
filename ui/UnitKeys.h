#pragma once

#include <QDialog>

class QPlainTextEdit;

// The list of the table's keys, for a player who plays by keyboard or with a screen reader: a
// read-only text read line by line with the arrows, in the game's language, that Escape closes.
class TFormKeys : public QDialog {
    Q_OBJECT
public:
    explicit TFormKeys(QWidget* parent = nullptr);

    void applyLanguage(int language);
    QString keyList() const;

private:
    QPlainTextEdit* m_text = nullptr;
};
