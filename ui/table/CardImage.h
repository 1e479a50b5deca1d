#pragma once

#include <QPixmap>
#include <QWidget>

// An image control: a persistent off-screen picture that card pictures are painted into and that
// shows what was last painted in it. It reports the mouse to its window, in its own coordinates.
class CardImage : public QWidget {
    Q_OBJECT
public:
    explicit CardImage(QWidget* parent = nullptr);

    // Sets the control's size and starts a picture of that size filled with `fill`.
    void setPictureSize(QSize size, const QColor& fill);
    // Paints one card picture through the card library at (x, y), W × H.
    void drawCard(int x, int y, int width, int height, int card, int mode, quint32 colour);

    const QPixmap& picture() const { return m_picture; }

signals:
    void mousePressed(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};
