#include "frmsplash.h"

#include "platform/modfunctions.h"
#include "app_version.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace tarvello {

namespace {

const char *const kRightsLine = QT_TRANSLATE_NOOP("tarvello::frmSplash",
    "Copyright (C) 2026 Quorvane Development. All rights reserved.");
const char *const kRulesCredit = QT_TRANSLATE_NOOP("tarvello::frmSplash",
    "Point costs, unit cards and armies for tabletop miniatures wargames, "
    "computed from the game's own rules tables.");

QFont arialFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A heater shield quartered in blue and gold, with a sword down its middle.
QPixmap drawLogo()
{
    QPixmap pixmap(120, 150);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shield;
    shield.moveTo(10, 10);
    shield.lineTo(110, 10);
    shield.lineTo(110, 70);
    shield.cubicTo(110, 110, 80, 130, 60, 145);
    shield.cubicTo(40, 130, 10, 110, 10, 70);
    shield.closeSubpath();

    p.save();
    p.setClipPath(shield);
    p.fillRect(QRect(0, 0, 60, 75), QColor(28, 58, 128));
    p.fillRect(QRect(60, 75, 60, 75), QColor(28, 58, 128));
    p.fillRect(QRect(60, 0, 60, 75), QColor(214, 170, 40));
    p.fillRect(QRect(0, 75, 60, 75), QColor(214, 170, 40));
    p.restore();
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.drawPath(shield);

    // The sword: blade, cross-guard, grip and pommel.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(225, 228, 235));
    p.drawPolygon(QPolygonF({QPointF(56, 42), QPointF(64, 42), QPointF(64, 118),
                             QPointF(60, 130), QPointF(56, 118)}));
    p.setBrush(QColor(120, 80, 30));
    p.drawRect(QRectF(38, 36, 44, 6));
    p.drawRect(QRectF(57, 20, 6, 16));
    p.setBrush(QColor(214, 170, 40));
    p.drawEllipse(QPointF(60, 17), 5, 5);
    return pixmap;
}

// A painted foot soldier on its round base, spear in hand.
QPixmap drawMiniature()
{
    QPixmap pixmap(110, 150);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 30), 1.5));

    p.setBrush(QColor(70, 110, 50));
    p.drawEllipse(QRectF(15, 125, 80, 20));
    p.setBrush(QColor(90, 60, 35));
    p.drawRect(QRectF(44, 100, 8, 28));
    p.drawRect(QRectF(58, 100, 8, 28));
    p.setBrush(QColor(150, 30, 30));
    p.drawRoundedRect(QRectF(38, 55, 34, 50), 6, 6);
    p.setBrush(QColor(235, 200, 160));
    p.drawEllipse(QPointF(55, 42), 11, 11);
    p.setBrush(QColor(160, 160, 170));
    p.drawChord(QRectF(43, 28, 24, 22), 0, 180 * 16);
    p.setPen(QPen(QColor(110, 75, 35), 3));
    p.drawLine(QPointF(82, 14), QPointF(82, 128));
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygonF({QPointF(82, 2), QPointF(88, 16), QPointF(76, 16)}));
    p.setBrush(QColor(28, 58, 128));
    p.drawEllipse(QRectF(24, 62, 26, 34));
    return pixmap;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setLineWidth(1);
    Frame1->installEventFilter(this);

    imgLogo = makeLabel(Frame1, "imgLogo", QString());
    imgLogo->setPixmap(drawLogo());
    Image1 = makeLabel(Frame1, "Image1", QString());
    Image1->setPixmap(drawMiniature());

    lblCompanyProduct = makeLabel(Frame1, "lblCompanyProduct",
                                  tr("Quorvane Development presents"));
    lblCompanyProduct->setFont(arialFont(18, true));
    lblProductName = makeLabel(Frame1, "lblProductName", QString());
    lblProductName->setFont(arialFont(36, true));
    lblVersion = makeLabel(Frame1, "lblVersion", QString());
    lblVersion->setFont(arialFont(12, true));
    lblCopyright = makeLabel(Frame1, "lblCopyright", QString());
    lblCopyright->setFont(arialFont(8.25, false));
    lblRulesCredit = makeLabel(Frame1, "lblRulesCredit", tr(kRulesCredit));
    lblRulesCredit->setWordWrap(true);
    Label1 = makeLabel(Frame1, "Label1", tr("Press any key to continue..."));

    auto *titles = new QVBoxLayout;
    titles->addWidget(lblCompanyProduct, 0, Qt::AlignHCenter);
    titles->addSpacing(12);
    titles->addWidget(lblProductName, 0, Qt::AlignHCenter);
    titles->addWidget(lblVersion, 0, Qt::AlignHCenter);

    auto *grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 18, 18, 12);
    grid->setHorizontalSpacing(18);
    grid->addWidget(imgLogo, 0, 0, Qt::AlignTop);
    grid->addLayout(titles, 0, 1);
    grid->addWidget(Image1, 0, 2, Qt::AlignTop);
    grid->addWidget(lblRulesCredit, 1, 0, 1, 3);
    grid->addWidget(lblCopyright, 2, 0, 1, 3);
    grid->addWidget(Label1, 3, 0, 1, 3, Qt::AlignRight);
    grid->setRowMinimumHeight(1, 44);
    grid->setColumnStretch(1, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(Frame1);
    setFixedWidth(780);
}

void frmSplash::showEvent(QShowEvent *event)
{
    m_dismissing = false;
    lblVersion->setText(QString::fromStdString(VersionLine()));
    lblProductName->setText(QString::fromLatin1(kProductName));
    lblCopyright->setText(tr(kRightsLine));
    QDialog::showEvent(event);
    // Centred on the screen: at start there is no main window to centre on.
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    activateWindow();
    setFocus();
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // Character keys carry their text (Enter "\r", Esc "\x1b", space " ");
    // shift, arrows and function keys carry none and are ignored.
    if (!event->text().isEmpty() || event->key() == Qt::Key_Escape
        || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        dismiss();
        return;
    }
    event->ignore();
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    if (m_dismissing)
        event->accept();
    else
        event->ignore();
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) {
        dismiss();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::dismiss()
{
    m_dismissing = true;
    accept();
}

} // namespace tarvello
