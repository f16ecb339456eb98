// Drawing the unit card on the screen card's persistent image with the
// painter target the card window uses.
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

clsFigure BusyFigure()
{
    clsFigure f;
    f.Name = "Battle Mage of the North";
    f.FigureType = 4;
    f.TrainingLevel = 2;
    f.Move = 6;
    f.HitFactor = 7;
    f.HitPoints = 3;
    f.Armor = "Plate Mail Armour";
    f.Cost = 142;
    f.ImageFile = "mage.bmp";
    f.ExtraItems = 2;
    f.ManaDraw = 4;
    f.MaxMana = 10;
    f.SpellRangeShort = 8;
    f.SpellRangeLong = 10;
    f.MaxSpells = 8;
    for (const char *name : {"Staff", "Longbow"}) {
        clsAttack a;
        a.Name = name;
        a.ShortRange = 12;
        a.LongRange = 24;
        for (int k = 1; k <= 10; ++k)
            AttackRoll(a, k) = std::int16_t(k * 2);
        f.Attacks.push_back(a);
    }
    return f;
}

void BM_DrawCardOnScreenImage(benchmark::State &state)
{
    const clsFigure figure = BusyFigure();
    const CardStyle style = DefaultCardStyle(ToFileText(QFontInfo(QApplication::font()).family()));
    CardScene scene;
    scene.figure = &figure;
    scene.style = &style;
    scene.image = kInitialImageRect;
    scene.hasFigurePicture = true;
    scene.creditWidth = 4500;
    scene.creditHeight = 600;
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
