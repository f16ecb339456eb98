#pragma once

#include <QSize>

class QWidget;

namespace tarvello {

// A size in twips as pixels of the screen the widget is on (15 twips per
// pixel at 96 dots per inch).
QSize twipsToPixels(const QWidget *widget, int widthTwips, int heightTwips);

} // namespace tarvello
