// Drawing the unit card on the screen card's persistent image with the
// painter target the card window uses.
#include "busycard.h"
#include "card/carddraw.h"
#include "card/cardbitmaps.h"
#include "card/qtcardtarget.h"
#include "platform/uitext.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace tarvello;

namespace {

void BM_DrawCardOnScreenImage(benchmark::State &state)
{
    const clsFigure figure = bench::BusyCardFigure();
    const CardStyle style = DefaultCardStyle(ToFileText(QFontInfo(QApplication::font()).family()));
    const CardScene scene = bench::BusyCardScene(figure, style);
    QImage figurePicture(120, 160, QImage::Format_RGB32);
    figurePicture.fill(Qt::darkGreen);
    const QtCardTarget::Pictures pictures{figurePicture, CardLogoImage(), CardCreditImage()};
    QImage card(227, 317, QImage::Format_RGB32);
    int lineWidth = 1;
    for (auto _ : state) {
        QPainter painter(&card);
        QtCardTarget target(painter, false, pictures, lineWidth);
        DrawCard(target, scene);
    }
}
BENCHMARK(BM_DrawCardOnScreenImage)->Unit(benchmark::kMicrosecond);

} // namespace
