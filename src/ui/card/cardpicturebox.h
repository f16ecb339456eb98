#pragma once

#include <QImage>
#include <QWidget>

namespace tarvello {

// The card picture box: keeps the card as last drawn in a persistent image
// of its own pixel size (white background) and shows it.
class CardPictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit CardPictureBox(QWidget *parent = nullptr);

    // Gives the box its size in pixels and a blank persistent image of that
    // size, at the screen's resolution.
    void setCardSize(const QSize &pixels);

    // The persistent image; draw into it, then update().
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    // The line width the last drawing left (the card draws its frames with
    // it on the next drawing).
    int lineWidth = 1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace tarvello
