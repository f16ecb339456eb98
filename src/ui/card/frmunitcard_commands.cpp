#include "frmunitcard.h"
#include "platform/messagetexts.h"
#include "platform/failurebox.h"
#include "cardrender.h"
#include "cardsheetprint.h"
#include "platform/pictureconvert.h"
#include "ui_frmunitcard.h"

#include "platform/busypointer.h"
#include "platform/documentwindow.h"
#include "platform/documentkinds.h"
#include "platform/closeprompt.h"
#include "platform/fileio.h"
#include "platform/idialogs.h"
#include "platform/modfunctions.h"
#include "platform/screentwips.h"
#include "platform/uitext.h"
#include "rules/rulestables.h"
#include "platform/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontInfo>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>

namespace tarvello {

namespace {

const QString kStyleFilter = QString::fromLatin1(DocumentKindFacts(DocumentKind::Style).filter);
const char *const kImageFilter = QT_TRANSLATE_NOOP("tarvello::frmUnitCard", "PNG image, 300 dpi (*.png)|*.png|PDF document (*.pdf)|*.pdf");
// The style frame shows once the window is about as wide as "Show Design"
// makes it.
constexpr int kStyleVisibleWidth = 10000;

double pointSizeOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return QFontInfo(font).pointSizeF();
}

} // namespace

void frmUnitCard::changeFont(FontRoleId role)
{
    const Result<CardFontChoice> preset = m_model.FontPreset(role);
    if (!preset) {
        message(preset.failure().Message(), int(IDialogs::Icon::None));
        return;
    }
    QFont initial(fromFileText(preset.value().name));
    // A size the dialog cannot show leaves its own.
    if (preset.value().size >= 1 && preset.value().size <= 2160)
        initial.setPointSizeF(preset.value().size);
    initial.setBold(preset.value().bold);
    initial.setItalic(preset.value().italic);
    const std::optional<QFont> chosen = m_context.dialogs->font(this, initial);
    if (chosen && !chosen->family().isEmpty()) {
        const char mark = m_context.tables ? m_context.tables->DecimalMark() : '.';
        m_model.ApplyFont(role, {toFileText(chosen->family()), pointSizeOf(*chosen),
                                 chosen->bold(), chosen->italic()}, mark);
        showStyle();
    }
    redraw();
    emit historyChanged();
}

void frmUnitCard::saveStyle()
{
    const std::optional<QString> path = m_context.dialogs->saveFile(
        this, kStyleFilter, m_context.figuresFolder(),
        fromFileText(m_model.ProposedStyleFileName()), true);
    if (!path || path->isEmpty())
        return;
    const Status saved = m_model.SaveStyle(toFilePath(*path));
    if (!saved)
        message(saved.failure().Message(), int(IDialogs::Icon::None));
    else
        emit documentSaved(*path);
}

void frmUnitCard::loadStyle()
{
    const std::optional<QString> path = m_context.dialogs->openFile(this, kStyleFilter,
                                                                    m_context.figuresFolder());
    if (!path || path->isEmpty())
        return;
    const Result<std::string> loaded = m_model.LoadStyle(toFilePath(*path));
    if (!loaded) {
        message(loaded.failure().Message(), int(IDialogs::Icon::None));
        return;
    }
    showStyle();
    redraw();
    emit historyChanged();
    if (!loaded.value().empty())
        message(loaded.value(), int(IDialogs::Icon::Exclamation));
}

// False only when the layout could not be written.
bool frmUnitCard::saveLayout()
{
    const LayoutSaveResult result = m_model.SaveLayout();
    switch (result.outcome) {
    case LayoutSaveResult::FigureNotSaved:
        message(result.message, int(IDialogs::Icon::Exclamation));
        return true;
    case LayoutSaveResult::WriteFailed:
        message(result.message, int(IDialogs::Icon::None));
        return false;
    case LayoutSaveResult::Saved:
        emit documentSaved(fromFilePath(m_model.figure().UnitFile));
        break;
    }
    return true;
}

void frmUnitCard::Save()
{
    saveLayout();
}

void frmUnitCard::PrintIt()
{
    printWindow(*this, m_context);
}

void frmUnitCard::renderPrintout(QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        message(QT_TRANSLATE_NOOP("Core", "The printer could not be started."), int(IDialogs::Icon::Exclamation));
        return;
    }
    // A printer page is a fresh target: its lines start one pixel wide.
    int lineWidth = 1;
    drawOn(painter, true, lineWidth);
    if (!painter.end())
        message(QT_TRANSLATE_NOOP("Core", "The printout could not be finished."), int(IDialogs::Icon::Exclamation));
}

void frmUnitCard::printCards()
{
    const SheetCard card{m_model, pictureFromImage(m_pictures.figure), m_pictureProblem};
    CardSheetRequest request;
    request.build = [&card](const IDialogs::CardSheetChoice &choice) {
        return copiesJob(card, choice.copies);
    };
    runCardSheet(m_context, this, request);
}

void frmUnitCard::copyToClipboard()
{
    const QImage card = cardImage();
    if (card.isNull())
        return;
    QApplication::clipboard()->setImage(card);
}

// "Save as Image...": the printed card at its true size, a PDF when the
// name ends in .pdf, otherwise a PNG (.png added to a name without one).
void frmUnitCard::saveImage()
{
    const std::optional<QString> chosen = m_context.dialogs->saveFile(
        this, tr(kImageFilter), m_context.figuresFolder(),
        fromFileText(m_model.figure().Name) + QStringLiteral(".png"), true);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        path += QStringLiteral(".png");
    const BusyPointer busy;
    const CardScene drawn = scene();
    const CardRender render{drawn, m_pictures};
    const QByteArray bytes = suffix == QStringLiteral("pdf") ? render.pdf() : render.png();
    const Status saved = WriteFileAtomically(
        toFilePath(path), std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!saved)
        message(Failure{FillText(msg::kErrorSaving, {toFilePath(path)}),
                                  saved.failure().description}
                    .Message(),
                int(IDialogs::Icon::None));
}

QString frmUnitCard::documentName() const
{
    return fromFileText(m_model.figure().Name);
}

QString frmUnitCard::documentPath() const
{
    return fromFilePath(m_model.figure().UnitFile);
}

bool frmUnitCard::queryClose()
{
    const QString title = boxTitleText(BoxTitle::WithVersion);
    const auto ask = [&](const char *text) {
        return askAboutChanges(*m_context.dialogs, this, title, tr(text));
    };
    bool keepOpen = false;
    if (m_model.StyleChanged()) {
        const IDialogs::Answer answer = ask(QT_TR_NOOP("Style changes not saved!\r\nSave them now?"));
        if (answer == IDialogs::Answer::Cancel) {
            keepOpen = true;
        } else if (answer == IDialogs::Answer::Yes) {
            m_model.StyleQuestionAnsweredYes();
            saveStyle();
        }
    }
    if (m_model.AsksLayoutQuestion()) {
        const IDialogs::Answer answer = ask(QT_TR_NOOP("Layout changes not saved!\r\nSave them now?"));
        if (answer == IDialogs::Answer::Cancel)
            keepOpen = true;
        else if (answer == IDialogs::Answer::Yes && !saveLayout())
            keepOpen = true;
    }
    return !keepOpen;
}

void frmUnitCard::closeWindow()
{
    if (auto *window = qobject_cast<QMdiSubWindow *>(parentWidget()))
        window->close();
    else
        close();
}

int frmUnitCard::outerWidthTwips() const
{
    const QWidget *outer = qobject_cast<QMdiSubWindow *>(parentWidget());
    const int pixels = outer ? outer->width() : width();
    return qRound(PixelsToTwips(pixels, logicalDpiX()));
}

void frmUnitCard::setOuterWidthTwips(int twips)
{
    const int pixels = twipsToPixels(this, twips, 0).width();
    if (auto *outer = qobject_cast<QMdiSubWindow *>(parentWidget()))
        outer->resize(pixels, outer->height());
    else
        resize(pixels, height());
}

bool frmUnitCard::outerMaximized() const
{
    const QWidget *outer = qobject_cast<QMdiSubWindow *>(parentWidget());
    const QWidget *window = outer ? outer : this;
    return window->isMaximized() || window->isFullScreen();
}

void frmUnitCard::toggleDesign()
{
    const bool maximised = outerMaximized();
    const DesignToggle toggle = ToggleDesign(!m_ui->fraStyle->isHidden(), maximised);
    if (maximised) {
        m_designHidden = !toggle.designShown;
        showDesignFrame(toggle.designShown);
    } else {
        setOuterWidthTwips(toggle.widthTwips);
    }
}

// A maximised window keeps the design's room while it is hidden, so that the
// card keeps its area; a window of its own size shows the design once it is
// wide enough for it.
void frmUnitCard::showDesignFrame(bool shown)
{
    QSizePolicy policy = m_ui->fraStyle->sizePolicy();
    policy.setRetainSizeWhenHidden(outerMaximized());
    m_ui->fraStyle->setSizePolicy(policy);
    m_ui->fraStyle->setVisible(shown);
    m_ui->btnShowStyle->setText(coreText(DesignCaption(shown)));
}

void frmUnitCard::resizeEvent(QResizeEvent *event)
{
    ChildWindow::resizeEvent(event);
    if (outerMaximized()) {
        showDesignFrame(!m_designHidden);
        return;
    }
    m_designHidden = false;
    showDesignFrame(outerWidthTwips() >= kStyleVisibleWidth);
}

} // namespace tarvello
