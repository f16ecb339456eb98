#pragma once

#include "card/cardlayout.h"

#include <QImage>
#include <QWidget>

namespace tarvello {

// The card picture box: shows the card as last drawn, from an image made at
// the screen's device pixel ratio and the chosen zoom, and lets the user
// place the figure picture on it: drag it with the mouse, nudge it with the
// arrow keys (Shift: further), size it with Ctrl and the wheel or with "+"
// and "-". It only reports these; the window changes the layout.
class CardPictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit CardPictureBox(QWidget *parent = nullptr);

    // The card's size in twips, drawn at zoom times true size (100 % = 1);
    // a zoom of 0 fits the card into the box as the layout sizes it.
    void setCardSize(int widthTwips, int heightTwips);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Screen pixels (logical) per twip as the card is shown now.
    double pixelsPerTwip() const;

    // A blank image of the card's shown size at the device pixel ratio,
    // white, whose dots per inch make twips come out at the shown size; draw
    // into it, then update().
    QImage &freshImage();
    const QImage &image() const { return m_image; }

    // Where the figure picture lies (twips); shown: it can be moved.
    void setPicture(const CardRect &rect, bool shown);

    // The line width the last drawing left (the card draws its frames with
    // it on the next drawing).
    int lineWidth = 1;

signals:
    // While the picture is dragged: its new top-left corner, in twips.
    void pictureDragged(int left, int top);
    // The drag ended (one drag is one change).
    void dragFinished();
    // An arrow key: move the picture by that many twips.
    void pictureNudged(int dx, int dy);
    // Ctrl and the wheel (one notch up grows the picture, down shrinks it),
    // or the "+" and "-" keys.
    void pictureResized(bool grow);
    // The shown size changed (zoom, or the box resized while fitting).
    void scaleChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool onPicture(const QPointF &pos) const;
    bool resizeKey(QKeyEvent *event);
    QSize shownSize() const;

    QSize m_cardTwips;
    double m_zoom = 1.0;
    QImage m_image;
    CardRect m_picture;
    bool m_pictureShown = false;
    bool m_dragging = false;
    QPointF m_dragStart;
    CardRect m_dragFrom;
    int m_wheel = 0;
};

} // namespace tarvello
