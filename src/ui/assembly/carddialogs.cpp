#include "carddialogs.h"

#include "card/cardsheetdialog.h"
#include "platform/qtdialogs.h"

namespace tarvello {

void registerCardDialogs(QtDialogs &dialogs)
{
    dialogs.setCardSheetDialog(askCardSheet);
}

} // namespace tarvello
