#include "screentwips.h"

#include "figure/picture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QSize TwipsToPixels(const QWidget *widget, int widthTwips, int heightTwips)
{
    const QScreen *screen = widget && widget->screen() ? widget->screen()
                                                       : QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    return QSize(tarvello::PixelsX(widthTwips, 1440.0 / dpiX),
                 tarvello::PixelsY(heightTwips, 1440.0 / dpiY));
}
