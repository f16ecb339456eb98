#pragma once

#include <QImage>

// The card's two fixed pictures: the logo (drawn 2.1 cm x 0.8 cm) and the
// credit picture (drawn at a fifth of its box's size).
QImage CardLogoImage();
QImage CardCreditImage();
