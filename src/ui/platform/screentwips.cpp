#include "screentwips.h"

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tarvello {

namespace {

// The resolution assumed when there is no screen at all.
constexpr double kStandardDpi = 96.0;

} // namespace

QSize twipsToPixels(const QWidget *widget, int widthTwips, int heightTwips)
{
    const QScreen *screen = widget && widget->screen() ? widget->screen()
                                                       : QGuiApplication::primaryScreen();
    const double dpiX = screen ? screen->logicalDotsPerInchX() : kStandardDpi;
    const double dpiY = screen ? screen->logicalDotsPerInchY() : kStandardDpi;
    return QSize(TwipsToPixels(widthTwips, dpiX),
                 TwipsToPixels(heightTwips, dpiY));
}

} // namespace tarvello
