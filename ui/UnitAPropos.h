#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TLabelUrl;

// The About window: the brand, the version, a credit line and the project's web address.
class TFormApropos : public QDialog {
    Q_OBJECT
public:
    explicit TFormApropos(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TLabelUrl* LabelUrl1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createBrand();
    void createTexts();
    void applyLanguage(int language);

    QLabel* m_brand = nullptr;
};
