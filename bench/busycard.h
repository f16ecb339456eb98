#pragma once

#include "card/carddraw.h"
#include "card/cardlayout.h"
#include "card/clsfigure.h"

// A card with every part drawn: a battle mage with mana, spells, optional
// rules, a picture and three attacks (two of which fit).
namespace tarvello::bench {

inline clsFigure BusyCardFigure()
{
    clsFigure f;
    f.Name = "Battle Mage of the North";
    f.FigureType = 4;
    f.TrainingLevel = 2;
    f.Move = 6;
    f.HitFactor = 7;
    f.HitPoints = 3;
    f.Command = 2;
    f.Armor = "Plate Mail Armour";
    f.Cost = 142;
    f.ImageFile = "mage.bmp";
    f.OptionalRules = true;
    f.ExtraItems = 2;
    f.ManaDraw = 4;
    f.MaxMana = 10;
    f.SpellRangeShort = 8;
    f.SpellRangeLong = 10;
    f.MaxSpells = 8;
    for (const char *name : {"Staff", "Longbow", "Dagger"}) {
        clsAttack a;
        a.Name = name;
        a.ShortRange = 12;
        a.LongRange = 24;
        a.AttackRadius = 2;
        for (int k = 1; k <= 10; ++k)
            AttackRoll(a, k) = std::int16_t(k * 2);
        f.Attacks.push_back(a);
    }
    return f;
}

// The scene of figure in style, the picture at its first place.
inline CardScene BusyCardScene(const clsFigure &figure, const CardStyle &style)
{
    CardScene scene;
    scene.figure = &figure;
    scene.style = &style;
    scene.image = kInitialImageRect;
    scene.hasFigurePicture = true;
    scene.creditWidth = 4500;
    scene.creditHeight = 600;
    return scene;
}

} // namespace tarvello::bench
