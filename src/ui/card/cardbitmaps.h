#pragma once

#include <QImage>

namespace tarvello {

// The card's two fixed pictures: the logo (drawn 2.1 cm x 0.8 cm) and the
// credit picture (drawn at a fifth of its box's size).
QImage cardLogoImage();
// The credit picture's box in twips; the card draws the picture at a fifth
// of it.
inline constexpr int kCardCreditWidth = 4500;
inline constexpr int kCardCreditHeight = 600;
QImage cardCreditImage();

} // namespace tarvello
