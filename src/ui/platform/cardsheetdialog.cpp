#include "cardsheetdialog.h"

#include "card/cardsheetjob.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tarvello {

CardSheetDialog::CardSheetDialog(const IDialogs::CardSheetQuestion &question, QWidget *parent)
    : QDialog(parent)
    , m_question(question)
{
    setObjectName(QStringLiteral("frmCardSheet"));
    setWindowTitle(tr("Print Cards"));
    auto *layout = new QVBoxLayout(this);
    if (question.forArmy) {
        m_perLine = new QRadioButton(tr("One card per army &line"), this);
        m_perLine->setObjectName(QStringLiteral("optPerLine"));
        m_perUnit = new QRadioButton(tr("One card per &unit"), this);
        m_perUnit->setObjectName(QStringLiteral("optPerUnit"));
        m_perFigure = new QRadioButton(tr("One card per &figure"), this);
        m_perFigure->setObjectName(QStringLiteral("optPerFigure"));
        m_perFigure->setToolTip(
            tr("Lines whose figure is the same figure file share one card"));
        m_perLine->setChecked(true);
        layout->addWidget(m_perLine);
        layout->addWidget(m_perUnit);
        layout->addWidget(m_perFigure);
        connect(m_perUnit, &QRadioButton::toggled, this, &CardSheetDialog::showCount);
        connect(m_perFigure, &QRadioButton::toggled, this, &CardSheetDialog::showCount);
        if (question.rosterPages > 0) {
            m_roster = new QCheckBox(tr("&Roster page first"), this);
            m_roster->setObjectName(QStringLiteral("chkRoster"));
            m_roster->setToolTip(tr(
                "Pages listing each line (count, unit size, figure, type, points) with the "
                "army's name, total and limit, before the cards"));
            layout->addWidget(m_roster);
            connect(m_roster, &QCheckBox::toggled, this, &CardSheetDialog::showCount);
        }
    } else {
        auto *form = new QFormLayout;
        m_copies = new QSpinBox(this);
        m_copies->setObjectName(QStringLiteral("updCopies"));
        m_copies->setRange(1, kMaxSheetCopies);
        // A full sheet of the card is what one usually wants.
        m_copies->setValue(qMax(1, question.perPage));
        form->addRow(tr("&Copies:"), m_copies);
        layout->addLayout(form);
        connect(m_copies, &QSpinBox::valueChanged, this, &CardSheetDialog::showCount);
    }
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblCount"));
    layout->addWidget(m_count);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("btnPrint"));
    QPushButton *preview = buttons->addButton(tr("Pre&view"),
                                              QDialogButtonBox::AcceptRole);
    preview->setObjectName(QStringLiteral("btnPreview"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(print, &QPushButton::clicked, this, [this] { m_preview = false; accept(); });
    connect(preview, &QPushButton::clicked, this, [this] { m_preview = true; accept(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    print->setDefault(true);
    showCount();
}

std::int64_t CardSheetDialog::cards() const
{
    return IDialogs::chosenCards(m_question, choice());
}

void CardSheetDialog::showCount()
{
    const std::int64_t count = cards();
    QString text = m_question.countText ? m_question.countText(count)
                                         : QString::number(static_cast<qlonglong>(count));
    const bool roster = m_roster && m_roster->isChecked();
    if (roster) {
        text += m_question.rosterPages == 1
                    ? tr(", after 1 roster page")
                    : tr(", after %1 roster pages").arg(m_question.rosterPages);
    }
    m_count->setText(text);
    const bool printable = (count > 0 && m_question.perPage > 0) || roster;
    if (auto *print = findChild<QPushButton *>(QStringLiteral("btnPrint")))
        print->setEnabled(printable);
    if (auto *preview = findChild<QPushButton *>(QStringLiteral("btnPreview")))
        preview->setEnabled(printable);
}

IDialogs::CardSheetChoice CardSheetDialog::choice() const
{
    IDialogs::CardSheetChoice chosen;
    chosen.perUnit = m_perUnit && m_perUnit->isChecked();
    chosen.perFigure = m_perFigure && m_perFigure->isChecked();
    chosen.roster = m_roster && m_roster->isChecked();
    chosen.copies = m_copies ? m_copies->value() : 1;
    chosen.preview = m_preview;
    return chosen;
}

} // namespace tarvello
