#include "frmfigure.h"
#include "figureprint.h"
#include "figureview.h"
#include "pictureconvert.h"

#include "card/cardbuild.h"
#include "card/cardsource.h"
#include "card/frmunitcard.h"
#include "figure/figurefile.h"
#include "figure/figuremodel.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"
#include "shell/frmmain.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace {

const QString kPlainTitle = QStringLiteral("Tarvello");
const QString kBitmapFilter = QStringLiteral("Bitmap (*.bmp)|*.bmp|All files (*.*)|*.*");

// The window's size in twips, converted at the screen's resolution.
constexpr int kWidthTwips = 12780;
constexpr int kHeightTwips = 10485;

// Shows the busy pointer for as long as it lives.
class BusyPointer
{
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

int selectedRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

} // namespace

frmFigure::frmFigure(AppContext &context, QWidget *parent)
    : ChildWindow(parent)
    , m_context(context)
    , m_model(std::make_unique<tarvello::FigureModel>(*context.tables))
    , m_view(std::make_unique<FigureView>())
{
    setObjectName(QStringLiteral("frmFigure"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildLayout();
    m_view->bind(*this);
    sizeWindow();
    connectReactions();
    // The window opens: lists filled, window sized, first calculation.
    apply(m_model->Initialize());
}

frmFigure::~frmFigure() = default;

void frmFigure::sizeWindow()
{
    resize(TwipsToPixels(this, kWidthTwips, kHeightTwips));
}

void frmFigure::connectReactions()
{
    const auto choice = [this](QComboBox *box,
                               tarvello::FigureMessages (tarvello::FigureModel::*choose)(int)) {
        connect(box, &QComboBox::activated, this,
                [this, choose](int index) { apply(((*m_model).*choose)(index)); });
    };
    choice(cboFigureType, &tarvello::FigureModel::ChooseFigureType);
    choice(cboTrainingLevel, &tarvello::FigureModel::ChooseTrainingLevel);
    choice(cboRace, &tarvello::FigureModel::ChooseRace);
    choice(cboArmorType, &tarvello::FigureModel::ChooseArmorType);
    choice(cboMove, &tarvello::FigureModel::ChooseMove);
    choice(cboCommandSkill, &tarvello::FigureModel::ChooseCommandSkill);

    connect(chkUseOptionalMovement, &QCheckBox::clicked, this,
            [this](bool on) { apply(m_model->SetUseOptionalMovement(on)); });
    connect(chkOptionalRangeCost, &QCheckBox::clicked, this,
            [this](bool on) { apply(m_model->SetOptionalRangeCost(on)); });

    connect(txtFigureName, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetFigureName(ToFileText(text)));
    });
    connect(txtImageFile, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetImageFile(ToFileText(text)));
    });
    connect(txtAdjustHitFactor, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetAdjustHitFactor(ToFileText(text)));
    });
    connect(txtHitPoints, &QLineEdit::textEdited, this, [this](const QString &text) {
        apply(m_model->SetHitPoints(ToFileText(text)));
    });
    // A spinner sets its field's number, as if it had been typed.
    connect(updAdjustHitFactor, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetAdjustHitFactor(std::to_string(value)));
    });
    connect(updHitPoints, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetHitPoints(std::to_string(value)));
    });
    connect(updLimitMissileAttack, &QSpinBox::valueChanged, this, [this](int value) {
        apply(m_model->SetShots(selectedRow(lvwMissileWeaponsSelected), value));
    });
    // A click, or moving to a row with the keyboard, shows that row's shots.
    connect(lvwMissileWeaponsSelected, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) {
                apply(m_model->ClickMissileRow(
                    lvwMissileWeaponsSelected->indexOfTopLevelItem(item)));
            });
    connect(lvwMissileWeaponsSelected, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) {
                if (item)
                    apply(m_model->ClickMissileRow(
                        lvwMissileWeaponsSelected->indexOfTopLevelItem(item)));
            });

    connect(btnAddMeleeWeapon, &QPushButton::clicked, this, [this] {
        apply(m_model->AddMeleeWeapon(selectedRow(lvwMeleeWeapons)));
    });
    connect(btnAddMissileWeapon, &QPushButton::clicked, this, [this] {
        apply(m_model->AddMissileWeapon(selectedRow(lvwMissileWeapons)));
    });
    connect(btnAddExtraItem, &QPushButton::clicked, this, [this] {
        apply(m_model->AddExtraItem(selectedRow(lvwExtraItems)));
    });
    connect(btnRemoveMeleeWeapon, &QPushButton::clicked, this, [this] {
        apply(m_model->RemoveMeleeWeapon(selectedRow(lvwMeleeWeaponsSelected)));
    });
    connect(btnRemoveMissileWeapon, &QPushButton::clicked, this, [this] {
        apply(m_model->RemoveMissileWeapon(selectedRow(lvwMissileWeaponsSelected)));
    });
    connect(btnRemoveExtraItem, &QPushButton::clicked, this, [this] {
        apply(m_model->RemoveExtraItem(selectedRow(lvwExtraItemsSelected)));
    });
    // Double-clicking an available row adds it, as Add would.
    connect(lvwMeleeWeapons, &QTreeWidget::itemDoubleClicked, btnAddMeleeWeapon,
            &QPushButton::click);
    connect(lvwMissileWeapons, &QTreeWidget::itemDoubleClicked, btnAddMissileWeapon,
            &QPushButton::click);
    connect(lvwExtraItems, &QTreeWidget::itemDoubleClicked, btnAddExtraItem,
            &QPushButton::click);

    connect(btnBrowse, &QPushButton::clicked, this, &frmFigure::browseImage);
    btnCard->setEnabled(true);
    connect(btnCard, &QPushButton::clicked, this, &frmFigure::openCard);
}

void frmFigure::apply(const tarvello::FigureMessages &messages)
{
    m_view->show(*m_model);
    for (const std::string &message : messages)
        m_context.dialogs->message(this, kPlainTitle, FromFileText(message),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::None);
}

void frmFigure::browseImage()
{
    const std::optional<QString> path = m_context.dialogs->openFile(this, kBitmapFilter,
                                                                    QString());
    if (!path || path->isEmpty())
        return;
    apply(m_model->SetImageFile(ToFileText(QFileInfo(*path).fileName())));
    // A file that is not a readable picture leaves the picture as it was.
    const QImage image(*path);
    if (image.isNull())
        return;
    m_model->SetPicture(PictureFromImage(image));
    m_view->markPictureChanged();
    apply({});
}

void frmFigure::openCard()
{
    const tarvello::Result<tarvello::clsFigure> figure = tarvello::BuildCardFigure(
        tarvello::CardSourceFromEditor(m_model->record(), m_model->FileName()),
        *m_context.tables);
    if (!figure) {
        m_context.dialogs->message(this, kPlainTitle, FromFileText(figure.failure().Message()),
                                   IDialogs::Buttons::Ok, IDialogs::Icon::Exclamation);
        return;
    }
    auto *card = new frmUnitCard(m_context);
    card->LoadFigure(figure.value(), ImageFromPicture(m_model->picture()));
    if (auto *main = qobject_cast<frmMain *>(window())) {
        main->addChild(card);
    } else {
        card->setAttribute(Qt::WA_DeleteOnClose);
        card->show();
    }
}

bool frmFigure::saveTo(const QString &path)
{
    tarvello::FigureMessages messages;
    {
        const BusyPointer busy;
        messages = m_model->SaveTo(ToFilePath(path));
    }
    apply(messages);
    if (m_model->Changed())
        return false;
    emit documentFileUsed(path);
    return true;
}

bool frmFigure::saveAsDialog()
{
    const std::optional<QString> path = m_context.dialogs->saveFile(
        this, QString::fromLatin1(tarvello::kFigureFileFilter), m_context.programFolder,
        FromFileText(m_model->ProposedFileName()), true);
    if (!path || path->isEmpty())
        return false;
    return saveTo(*path);
}

bool frmFigure::saveFigure()
{
    if (m_model->FileName().empty())
        return saveAsDialog();
    return saveTo(FromFilePath(m_model->FileName()));
}

void frmFigure::Save()
{
    saveFigure();
}

void frmFigure::SaveAs()
{
    saveAsDialog();
}

void frmFigure::OpenFigure()
{
    const std::optional<QString> path = m_context.dialogs->openFile(
        this, QString::fromLatin1(tarvello::kFigureFileFilter), QString());
    if (!path || path->isEmpty())
        return;
    OpenFigureFile(*path);
}

void frmFigure::OpenFigureFile(const QString &path)
{
    tarvello::FigureMessages messages;
    {
        const BusyPointer busy;
        messages = m_model->Open(ToFilePath(path));
        m_view->markPictureChanged();
        m_view->show(*m_model);
    }
    apply(messages);
    // Missing choices are reported but the figure is open; a load failure is not.
    const bool failed = std::any_of(messages.begin(), messages.end(), [](const std::string &m) {
        return m.rfind("Error in loading ", 0) == 0;
    });
    if (!failed)
        emit documentFileUsed(path);
}

void frmFigure::PrintIt()
{
    if (m_context.printSetup && m_context.printer && m_context.printSetup())
        renderPrintout(*m_context.printer);
}

void frmFigure::renderPrintout(QPrinter &printer)
{
    PrintFigureReportOn(this, *m_context.dialogs, printer, FigureReportFrom(m_model->record()));
}

void frmFigure::Export()
{
    ExportFigureReport(this, *m_context.dialogs, FigureReportFrom(m_model->record()));
}

bool frmFigure::QueryClose()
{
    if (!m_model->Changed())
        return true;
    const IDialogs::Answer answer = m_context.dialogs->message(
        this, QString::fromStdString(tarvello::AppTitle()),
        QStringLiteral("Figure changes not saved!\r\nSave them now?"),
        IDialogs::Buttons::YesNoCancel, IDialogs::Icon::Question);
    switch (answer) {
    case IDialogs::Answer::Yes:
        // Only a figure that reached its file may be closed: a cancelled save
        // dialog or a failed write keeps the window and its changes.
        return saveFigure();
    case IDialogs::Answer::No:
        return true;
    default:
        return false;
    }
}
