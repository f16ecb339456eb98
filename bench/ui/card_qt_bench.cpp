// Drawing the unit card on the screen card's image with the painter target
// the card window uses, at true size on a screen of device pixel ratio 1
// and 2 (the busy card needs fitting: its data lines reach its attacks).
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
    const CardStyle style = DefaultCardStyle(toFileText(QFontInfo(QApplication::font()).family()));
    const CardScene scene = bench::BusyCardScene(figure, style);
    QImage figurePicture(120, 160, QImage::Format_RGB32);
    figurePicture.fill(Qt::darkGreen);
    const QtCardTarget::Pictures pictures{figurePicture, cardLogoImage(), cardCreditImage()};
    const int ratio = int(state.range(0));
    QImage card(227 * ratio, 317 * ratio, QImage::Format_RGB32);
    card.setDevicePixelRatio(ratio);
    int lineWidth = 1;
    bool fits = true;
    for (auto _ : state) {
        QPainter painter(&card);
        QtCardTarget target(painter, false, pictures, lineWidth, kLogicalPixelTwips);
        fits = DrawCard(target, scene);
    }
    if (!fits)
        state.SkipWithError("the busy card did not fit");
}
BENCHMARK(BM_DrawCardOnScreenImage)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
