#include "frmunitcard.h"
#include "ui_frmunitcard.h"

#include "cardbitmaps.h"
#include "cardimagebox.h"
#include "cardpicturebox.h"

#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tarvello {

namespace {

// The window's size, the card's and the position scroll bars', in twips.
constexpr int kWindowWidth = 8835;
constexpr int kWindowHeight = 8115;
constexpr int kCreditWidth = kCardCreditWidth;
constexpr int kCreditHeight = kCardCreditHeight;

int toPixels(const QWidget *widget, double twips)
{
    return qRound(twips / TwipsPerPixel(widget->logicalDpiX()));
}

} // namespace

frmUnitCard::frmUnitCard(AppContext &context, QWidget *parent)
    : ChildWindow(parent)
    , m_context(context)
    , m_ui(std::make_unique<Ui::frmUnitCard>())
    , m_model(std::string())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmUnitCard"));
    m_ui->picCard->setCardSize(TwipsToPixels(this, tarvello::CardGeometry::kWidth,
                                             tarvello::CardGeometry::kHeight));
    imgFigure = new CardImageBox(m_ui->picCard);
    imgFigure->setObjectName(QStringLiteral("imgFigure"));
    imgFigure->hide();
    for (QScrollBar *bar : {m_ui->scrLeft, m_ui->scrTop}) {
        bar->setRange(0, tarvello::kLayoutLimit);
        bar->setSingleStep(25);
        bar->setPageStep(100);
    }
    m_ui->scrLeft->setFixedSize(TwipsToPixels(this, 765, 285));
    m_ui->scrTop->setFixedSize(TwipsToPixels(this, 285, 765));
    m_pictures.logo = CardLogoImage();
    m_pictures.credit = CardCreditImage();
    // The logo's own (hidden) image box; the card draws its picture.
    auto *imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap::fromImage(m_pictures.logo));
    imgLogo->hide();
    m_model = tarvello::UnitCardModel(ToFileText(QFontInfo(m_ui->picCard->font()).family()));
    connectControls();
    connectStyleEdits();
    // Placing the scroll bars on the picture is itself a change of the layout.
    m_ui->scrLeft->setValue(tarvello::kInitialImageRect.Left);
    m_ui->scrTop->setValue(tarvello::kInitialImageRect.Top);
    showStyle();
    // The style frame shows only once the window is wide enough for it.
    m_ui->fraStyle->hide();
    resize(TwipsToPixels(this, kWindowWidth, kWindowHeight));
    redraw();
}

frmUnitCard::~frmUnitCard() = default;

void frmUnitCard::connectControls()
{
    using tarvello::FontRoleId;
    const auto onClick = [this](QPushButton *button, auto slot) {
        connect(button, &QPushButton::clicked, this, slot);
    };
    onClick(m_ui->btnHeadingFont, [this] { changeFont(FontRoleId::Heading); });
    onClick(m_ui->btnDataFont, [this] { changeFont(FontRoleId::Data); });
    onClick(m_ui->btnAttackFont, [this] { changeFont(FontRoleId::Attack); });
    onClick(m_ui->btnAttackRollFont, [this] { changeFont(FontRoleId::AttackRoll); });
    onClick(m_ui->btnLoadStyle, [this] { loadStyle(); });
    onClick(m_ui->btnSaveStyle, [this] { saveStyle(); });
    onClick(m_ui->btnGrow, [this] { m_model.Grow(); showDesign(); });
    onClick(m_ui->btnShrink, [this] { m_model.Shrink(); showDesign(); });
    onClick(m_ui->btnSaveLayout, [this] { saveLayout(); });
    onClick(m_ui->btnShowStyle, [this] { toggleDesign(); });
    onClick(m_ui->btnprintCopy, [this] { PrintIt(); });
    onClick(m_ui->btnCopyToClipboard, [this] { copyToClipboard(); });
    onClick(m_ui->btnCancel, [this] { closeWindow(); });
    connect(m_ui->scrLeft, &QScrollBar::valueChanged, this, [this](int value) {
        m_model.SetLeft(value);
        showDesign();
    });
    connect(m_ui->scrTop, &QScrollBar::valueChanged, this, [this](int value) {
        m_model.SetTop(value);
        showDesign();
    });
    // One drag of a scroll bar is one undo step.
    for (QScrollBar *bar : {m_ui->scrLeft, m_ui->scrTop})
        connect(bar, &QScrollBar::sliderReleased, this, [this] { m_model.EndFieldEdit(); });
}

// The style boxes edited directly: their values reach the next drawing.
void frmUnitCard::connectStyleEdits()
{
    for (const tarvello::StyleKey &key : tarvello::StyleKeys()) {
        const QString name = QString::fromLatin1(key.name);
        if (auto *text = findChild<QLineEdit *>(name)) {
            connect(text, &QLineEdit::textEdited, this, [this, &key](const QString &value) {
                m_model.SetStyleValue(key, ToFileText(value));
                emit historyChanged();
            });
            // Typing into one box is one undo step until it loses focus.
            connect(text, &QLineEdit::editingFinished, this, [this] { m_model.EndFieldEdit(); });
        } else if (auto *check = findChild<QCheckBox *>(name)) {
            connect(check, &QCheckBox::clicked, this, [this, &key](bool on) {
                m_model.SetStyleValue(key, on ? "1" : "0");
                emit historyChanged();
            });
        }
    }
}

void frmUnitCard::showStyle()
{
    const tarvello::CardStyle &style = m_model.style();
    for (const tarvello::StyleKey &key : tarvello::StyleKeys()) {
        const QString name = QString::fromLatin1(key.name);
        const std::string value = tarvello::StyleValue(style, key);
        if (auto *text = findChild<QLineEdit *>(name)) {
            const QSignalBlocker blocker(text);
            text->setText(FromFileText(value));
        } else if (auto *check = findChild<QCheckBox *>(name)) {
            const QSignalBlocker blocker(check);
            check->setChecked(value == "1");
        }
    }
}

void frmUnitCard::showImage()
{
    const tarvello::CardRect &r = m_model.image();
    const QWidget *card = m_ui->picCard;
    imgFigure->setGeometry(toPixels(card, r.Left), toPixels(card, r.Top),
                           toPixels(card, r.Width), toPixels(card, r.Height));
    imgFigure->setVisible(m_model.HasPicture());
}

// The picture's place and the card after a change of the design.
void frmUnitCard::showDesign()
{
    showImage();
    redraw();
    emit historyChanged();
}

void frmUnitCard::LoadFigure(const tarvello::clsFigure &figure, const QImage &picture)
{
    const std::vector<std::string> messages = m_model.LoadFigure(figure, FontExists);
    m_pictures.figure = m_model.HasPicture() ? picture : QImage();
    imgFigure->setImage(m_pictures.figure);
    setWindowTitle(ShownFileText(m_model.Caption()));
    showStyle();
    showImage();
    for (const std::string &text : messages)
        message(text, int(IDialogs::Icon::Exclamation));
    redraw();
    emit historyChanged();
}

void frmUnitCard::drawOn(QPainter &painter, bool printer, int &lineWidth) const
{
    QtCardTarget target(painter, printer, m_pictures, lineWidth);
    tarvello::DrawCard(target, m_model.Scene(kCreditWidth, kCreditHeight));
}

void frmUnitCard::redraw()
{
    CardPictureBox *card = m_ui->picCard;
    {
        QPainter painter(&card->image());
        drawOn(painter, false, card->lineWidth);
    }
    card->update();
}

QImage frmUnitCard::cardImage() const
{
    return m_ui->picCard->image();
}

void frmUnitCard::message(const std::string &text, int icon)
{
    m_context.dialogs->message(this, QString::fromStdString(tarvello::AppTitle()),
                               FromFileText(text), IDialogs::Buttons::Ok,
                               static_cast<IDialogs::Icon>(icon));
}

QString frmUnitCard::undoName() const
{
    return FromFileText(m_model.UndoName());
}

QString frmUnitCard::redoName() const
{
    return FromFileText(m_model.RedoName());
}

void frmUnitCard::undo()
{
    m_model.Undo();
    showRestored();
}

void frmUnitCard::redo()
{
    m_model.Redo();
    showRestored();
}

// After undo or redo the scroll bars stand where the picture is, so that the
// next move starts from there.
void frmUnitCard::showRestored()
{
    for (QScrollBar *bar : {m_ui->scrLeft, m_ui->scrTop}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(bar == m_ui->scrLeft ? m_model.image().Left : m_model.image().Top);
    }
    showStyle();
    showDesign();
}
} // namespace tarvello
