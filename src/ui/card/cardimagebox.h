#pragma once

#include <QImage>
#include <QWidget>

namespace tarvello {

// The figure picture on the card (imgFigure): shows its image stretched to
// its own size with smooth scaling; clicks go through to the card.
class CardImageBox : public QWidget
{
    Q_OBJECT

public:
    explicit CardImageBox(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace tarvello
