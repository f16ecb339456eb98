#pragma once

#include "card/cardsheetjob.h"
#include "platform/failure.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tarvello {

// The card images of a job in a folder: one PNG per card (the card as its
// window's "Save as Image..." saves it, at dpi), named after the figure
// (numbered when two would collide), and with deck the deck sheets of the
// cards in print order, at most 10 x 7 to a sheet at at most 300 dpi, and
// the card back. No existing file is overwritten; each file is written whole
// or not at all. The folder is made when missing.
struct CardImagesWritten
{
    QStringList files;
    std::vector<Failure> failures;
};
CardImagesWritten writeCardImages(const CardSheetJob &job, const QString &folder, int dpi,
                                  bool deck);

// The resolution of the deck sheets' cards for card images of dpi.
int deckDpi(int dpi);

} // namespace tarvello
