#pragma once

#include <functional>

#include <QLabel>

// A label that opens its web address in the browser when clicked, or from the keyboard with
// Return or Space once Tab has reached it.
class TLabelUrl : public QLabel {
    Q_OBJECT
public:
    using Callback = std::function<void(TLabelUrl* sender)>;

    explicit TLabelUrl(QWidget* parent = nullptr);

    QString Url() const { return m_url; }
    // Also shows the address as the label's text.
    void setUrl(const QString& url);

    // Where the text is drawn: only there does the label show its hand and take clicks.
    QRect textRect() const;
    // What a click on the text, a key or a screen reader's press does.
    void follow();

    // Called first when the label is clicked, before the address is opened.
    Callback OnClick;
    // Kept for the window's design; the label never calls it.
    Callback OnUrlClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void followPointer(QPoint pos);

    QString m_url;
    bool m_pressed = false;
};
