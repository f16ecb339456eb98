#pragma once

#include "platform/idialogs.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace tarvello {

// "Print Cards": one card per army line, per unit or per figure, with or
// without roster pages first (an army), or a number of copies (one figure),
// with the cards and pages that makes; Print, Preview or Cancel.
class CardSheetDialog : public QDialog
{
    Q_OBJECT

public:
    CardSheetDialog(const IDialogs::CardSheetQuestion &question, QWidget *parent = nullptr);

    IDialogs::CardSheetChoice choice() const;

private:
    void showCount();
    std::int64_t cards() const;

    IDialogs::CardSheetQuestion m_question;
    QRadioButton *m_perLine = nullptr;
    QRadioButton *m_perUnit = nullptr;
    QRadioButton *m_perFigure = nullptr;
    QCheckBox *m_roster = nullptr;
    QSpinBox *m_copies = nullptr;
    QCheckBox *m_deck = nullptr;
    bool m_saveImages = false;
    QLabel *m_count = nullptr;
    bool m_preview = false;
};

} // namespace tarvello
