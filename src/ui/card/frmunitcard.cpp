#include "frmunitcard.h"
#include "platform/failurebox.h"
#include "ui_frmunitcard.h"

#include "cardbitmaps.h"
#include "cardpicturebox.h"
#include "cardrender.h"

#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>

namespace tarvello {

namespace {

// The window's size, the card's and the position scroll bars', in twips.
constexpr int kWindowWidth = 8835;
constexpr int kWindowHeight = 8115;
constexpr int kCreditWidth = kCardCreditWidth;
constexpr int kCreditHeight = kCardCreditHeight;

// The zooms of cboZoom, in its order; 0 fits the card into the window.
constexpr double kZooms[] = {0.0, 1.0, 1.5, 2.0};
constexpr int kTrueSize = 1;

const char *const kTooFull = QT_TRANSLATE_NOOP("Core", "This card is too full to fit, even with its texts at 6 points: "
                             "shorten its texts or choose smaller fonts.");

} // namespace

frmUnitCard::frmUnitCard(AppContext &context, QWidget *parent)
    : ChildWindow(parent)
    , m_context(context)
    , m_ui(std::make_unique<Ui::frmUnitCard>())
    , m_model(std::string())
{
    m_ui->setupUi(this);
    setForm(WindowForm::UnitCard);
    m_ui->picCard->setCardSize(CardGeometry::kWidth, CardGeometry::kHeight);
    m_ui->cboZoom->setCurrentIndex(kTrueSize);
    scrollCard();
    for (QScrollBar *bar : {m_ui->scrLeft, m_ui->scrTop}) {
        bar->setRange(0, kLayoutLimit);
        bar->setSingleStep(25);
        bar->setPageStep(100);
    }
    m_ui->scrLeft->setFixedSize(twipsToPixels(this, 765, 285));
    m_ui->scrTop->setFixedSize(twipsToPixels(this, 285, 765));
    m_pictures.logo = cardLogoImage();
    m_pictures.credit = cardCreditImage();
    // The logo's own (hidden) image box; the card draws its picture.
    auto *imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QPixmap::fromImage(m_pictures.logo));
    imgLogo->hide();
    m_model = UnitCardModel(toFileText(QFontInfo(m_ui->picCard->font()).family()));
    connectControls();
    connectStyleEdits();
    connectPicture();
    showPosition();
    showStyle();
    // The style frame shows only once the window is wide enough for it.
    m_ui->fraStyle->hide();
    resize(twipsToPixels(this, kWindowWidth, kWindowHeight));
    redraw();
}

frmUnitCard::~frmUnitCard() = default;

void frmUnitCard::connectControls()
{
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
    onClick(m_ui->btnSaveImage, [this] { saveImage(); });
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

// The style boxes edited directly: the card shows each change at once.
void frmUnitCard::connectStyleEdits()
{
    for (const StyleKey &key : StyleKeys()) {
        const QString name = QString::fromLatin1(key.name);
        if (auto *text = findChild<QLineEdit *>(name)) {
            connect(text, &QLineEdit::textEdited, this, [this, &key](const QString &value) {
                m_model.SetStyleValue(key, toFileText(value));
                redraw();
                emit historyChanged();
            });
            // Typing into one box is one undo step until it loses focus.
            connect(text, &QLineEdit::editingFinished, this, [this] { m_model.EndFieldEdit(); });
        } else if (auto *check = findChild<QCheckBox *>(name)) {
            connect(check, &QCheckBox::clicked, this, [this, &key](bool on) {
                m_model.SetStyleValue(key, on ? "1" : "0");
                redraw();
                emit historyChanged();
            });
        }
    }
}

void frmUnitCard::showStyle()
{
    const CardStyle &style = m_model.style();
    for (const StyleKey &key : StyleKeys()) {
        const QString name = QString::fromLatin1(key.name);
        const std::string value = StyleValue(style, key);
        if (auto *text = findChild<QLineEdit *>(name)) {
            const QSignalBlocker blocker(text);
            text->setText(fromFileText(value));
        } else if (auto *check = findChild<QCheckBox *>(name)) {
            const QSignalBlocker blocker(check);
            check->setChecked(value == "1");
        }
    }
}

// The scroll bars and the card's picture box stand where the picture is;
// setting them is no move.
void frmUnitCard::showPosition()
{
    const CardRect &r = m_model.image();
    for (QScrollBar *bar : {m_ui->scrLeft, m_ui->scrTop}) {
        const QSignalBlocker blocker(bar);
        bar->setValue(bar == m_ui->scrLeft ? r.Left : r.Top);
    }
    m_ui->picCard->setPicture(r, m_model.HasPicture());
}

// The picture's place and the card after a change of the design.
void frmUnitCard::showDesign()
{
    showPosition();
    redraw();
    emit historyChanged();
}

void frmUnitCard::LoadFigure(const clsFigure &figure, const QImage &picture)
{
    const std::vector<std::string> messages = m_model.LoadFigure(figure, FontExists);
    m_pictures.figure = m_model.HasPicture() ? picture : QImage();
    setWindowTitle(coreMessage(shownFileText(m_model.Caption())));
    showStyle();
    showPosition();
    for (const std::string &text : messages)
        message(text, int(IDialogs::Icon::Exclamation));
    redraw();
    warnIfTooFull();
    emit historyChanged();
}

// Said once, when the card opens: on the screen or on paper it does not fit.
void frmUnitCard::warnIfTooFull()
{
    const CardScene drawn = scene();
    bool printed = true;
    (void)CardRender{drawn, m_pictures}.image(kCardImageDpi, true, 1, &printed);
    if (!m_fits || !printed)
        message(kTooFull, int(IDialogs::Icon::Exclamation));
}

CardScene frmUnitCard::scene() const
{
    return m_model.Scene(kCreditWidth, kCreditHeight);
}

bool frmUnitCard::drawOn(QPainter &painter, bool printer, int &lineWidth) const
{
    QtCardTarget target(painter, printer, m_pictures, lineWidth,
                        printer ? 0 : kLogicalPixelTwips);
    return DrawCard(target, scene());
}

// The screen card through the same drawing as paper, at the zoom and the
// screen's device pixel ratio.
void frmUnitCard::redraw()
{
    CardPictureBox *card = m_ui->picCard;
    {
        QPainter painter(&card->freshImage());
        m_fits = drawOn(painter, false, card->lineWidth);
    }
    card->update();
}

QImage frmUnitCard::cardImage() const
{
    const CardScene drawn = scene();
    return CardRender{drawn, m_pictures}.image(96, false, m_ui->picCard->lineWidth);
}

void frmUnitCard::message(const std::string &text, int icon)
{
    m_context.dialogs->message(this, boxTitleText(BoxTitle::WithVersion),
                               fromMessageText(text), IDialogs::Buttons::Ok,
                               static_cast<IDialogs::Icon>(icon));
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

void frmUnitCard::showRestored()
{
    showStyle();
    showDesign();
}

// The picture moved by hand on the card: dragged (one drag, one step),
// nudged with the arrow keys, sized with Ctrl and the wheel.
void frmUnitCard::connectPicture()
{
    CardPictureBox *card = m_ui->picCard;
    connect(card, &CardPictureBox::pictureDragged, this,
            [this](int left, int top) { movePicture(left, top, "drag"); });
    connect(card, &CardPictureBox::dragFinished, this, [this] { m_model.EndFieldEdit(); });
    connect(card, &CardPictureBox::pictureNudged, this, [this](int dx, int dy) {
        const CardRect &r = m_model.image();
        const auto clamp = [](int v) { return std::clamp(v, 0, int(kLayoutLimit)); };
        movePicture(clamp(r.Left + dx), clamp(r.Top + dy), "");
    });
    connect(card, &CardPictureBox::pictureResized, this, [this](bool grow) {
        grow ? m_model.Grow() : m_model.Shrink();
        showDesign();
    });
    connect(card, &CardPictureBox::scaleChanged, this, [this] { redraw(); });
    connect(m_ui->cboZoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { applyZoom(index); });
}

// A zoomed card larger than the window scrolls; at least its true size shows.
void frmUnitCard::scrollCard()
{
    auto *view = new QScrollArea(this);
    view->setObjectName(QStringLiteral("picCardView"));
    view->setFrameShape(QFrame::NoFrame);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setMinimumSize(m_ui->picCard->size());
    const int at = m_ui->cardColumn->indexOf(m_ui->picCard);
    m_ui->cardColumn->removeWidget(m_ui->picCard);
    view->setWidgetResizable(true);
    view->setWidget(m_ui->picCard);
    m_ui->cardColumn->insertWidget(at, view, 1);
}

void frmUnitCard::movePicture(int left, int top, const char *mergeKey)
{
    m_model.MovePicture(left, top, mergeKey);
    showDesign();
}

void frmUnitCard::applyZoom(int index)
{
    if (index >= 0 && index < int(std::size(kZooms)))
        m_ui->picCard->setZoom(kZooms[index]);
}
} // namespace tarvello
