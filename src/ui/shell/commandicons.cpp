#include "commandicons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPalette>
#include <QPainter>
#include <QPainterPath>

namespace tarvello {

namespace {

struct Inks
{
    QColor line;
    QColor paper;
    QColor accent;   // blue: opening, saving, undoing
    QColor positive; // green: creating
    QColor body;     // the printer's case
};

// The inks on a dark desktop: light outlines and a lighter blue, so that
// the lines that stand on the toolbar itself (the magnifier's handle, the
// arrows) read there; the pages stay white.
Inks darkInksFor(QIcon::Mode mode)
{
    if (mode == QIcon::Disabled)
        return {QColor(110, 110, 110), QColor(150, 150, 150), QColor(100, 100, 100),
                QColor(100, 100, 100), QColor(90, 90, 90)};
    return {QColor(205, 205, 205), Qt::white, QColor(110, 160, 230), QColor(80, 190, 120),
            QColor(150, 152, 148)};
}

Inks inksFor(QIcon::Mode mode)
{
    if (QGuiApplication::palette().color(QPalette::Window).lightness() < 128)
        return darkInksFor(mode);
    if (mode == QIcon::Disabled)
        return {QColor(160, 160, 160), QColor(244, 244, 244), QColor(176, 176, 176),
                QColor(176, 176, 176), QColor(200, 200, 200)};
    return {QColor(60, 60, 60), Qt::white, QColor(52, 101, 164), QColor(46, 139, 87),
            QColor(136, 138, 133)};
}

// A sheet with its top-right corner folded.
void drawPage(QPainter &p, const Inks &inks, const QRectF &r)
{
    const qreal fold = r.width() * 0.32;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(inks.line, 1.2));
    p.setBrush(inks.paper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()),
                              QPointF(r.right() - fold, r.top() + fold),
                              QPointF(r.right(), r.top() + fold)}));
}

// One figure's sheet, or an army's stack of two.
void drawDocument(QPainter &p, const Inks &inks, bool army)
{
    if (army) {
        drawPage(p, inks, QRectF(8, 1.5, 13, 16));
        drawPage(p, inks, QRectF(3, 5.5, 13, 16));
    } else {
        drawPage(p, inks, QRectF(4, 1.5, 14, 20));
    }
}

// A round badge at the lower right: a plus (new) or an upward arrow (open).
void drawBadge(QPainter &p, const Inks &inks, bool create)
{
    p.setPen(QPen(inks.paper, 1.2));
    p.setBrush(create ? inks.positive : inks.accent);
    p.drawEllipse(QPointF(17, 17), 6, 6);
    p.setPen(QPen(inks.paper, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (create) {
        p.drawLine(QPointF(17, 13.5), QPointF(17, 20.5));
        p.drawLine(QPointF(13.5, 17), QPointF(20.5, 17));
    } else {
        p.drawLine(QPointF(17, 20.5), QPointF(17, 13.5));
        p.drawPolyline(QPolygonF({QPointF(14, 16.5), QPointF(17, 13.5), QPointF(20, 16.5)}));
    }
}

void drawSave(QPainter &p, const Inks &inks)
{
    p.setPen(QPen(inks.line, 1.2));
    p.setBrush(inks.accent);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(inks.paper);
    p.drawRect(QRectF(7, 3, 10, 6));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setBrush(inks.accent);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 4, 2.5, 4));
}

void drawPrinter(QPainter &p, const Inks &inks)
{
    p.setPen(QPen(inks.line, 1.2));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(inks.body);
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 1.5, 1.5);
    p.setBrush(inks.paper);
    p.drawRect(QRectF(6.5, 14, 11, 7.5));
    p.setPen(QPen(inks.line, 0.8));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19), QPointF(13.5, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(inks.positive);
    p.drawEllipse(QPointF(18.5, 11), 1, 1);
}

void drawPreview(QPainter &p, const Inks &inks)
{
    drawPage(p, inks, QRectF(3, 1.5, 14, 19));
    p.setPen(QPen(inks.line, 1.8));
    QColor glass = inks.accent;
    glass.setAlpha(60);
    p.setBrush(glass);
    p.drawEllipse(QPointF(14, 13.5), 5, 5);
    p.setPen(QPen(inks.line, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.8, 17.3), QPointF(21.5, 21));
}

// A curved arrow pointing left (undo); redo is its mirror image.
void drawTurnArrow(QPainter &p, const Inks &inks, bool mirrored)
{
    if (mirrored) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath curve;
    curve.moveTo(19.5, 19.5);
    curve.cubicTo(20.5, 12, 16, 8.5, 8, 9.5);
    p.setPen(QPen(inks.accent, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(QPen(inks.accent, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(inks.accent);
    p.drawPolygon(QPolygonF({QPointF(9, 4), QPointF(2.5, 9.8), QPointF(9, 15)}));
}

// The program's own picture of a command, drawn on a 24 x 24 grid scaled to
// whatever size is asked for.
class DrawnIcon : public QIconEngine
{
public:
    explicit DrawnIcon(CommandIcon command)
        : m_command(command)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QPainter &p = *painter;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(rect.topLeft());
        p.scale(rect.width() / 24.0, rect.height() / 24.0);
        draw(p, inksFor(mode));
        p.restore();
    }

    // The engine's own pixmap would start from uncleared memory.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }

    QIconEngine *clone() const override { return new DrawnIcon(m_command); }

private:
    void draw(QPainter &p, const Inks &inks) const
    {
        switch (m_command) {
        case CommandIcon::NewFigure:
        case CommandIcon::OpenFigure:
        case CommandIcon::NewArmy:
        case CommandIcon::OpenArmy: {
            const bool army = m_command == CommandIcon::NewArmy || m_command == CommandIcon::OpenArmy;
            drawDocument(p, inks, army);
            drawBadge(p, inks, m_command == CommandIcon::NewFigure || m_command == CommandIcon::NewArmy);
            break;
        }
        case CommandIcon::Save: drawSave(p, inks); break;
        case CommandIcon::Print: drawPrinter(p, inks); break;
        case CommandIcon::PrintPreview: drawPreview(p, inks); break;
        case CommandIcon::Undo: drawTurnArrow(p, inks, false); break;
        case CommandIcon::Redo: drawTurnArrow(p, inks, true); break;
        case CommandIcon::None: break;
        }
    }

    CommandIcon m_command;
};

// The freedesktop names. No theme knows an army: its two commands are always
// drawn, so that they differ from the figure's (themes draw "document-open"
// as a folder, which would look like any other opening).
const char *themeName(CommandIcon command)
{
    switch (command) {
    case CommandIcon::NewFigure: return "document-new";
    case CommandIcon::OpenFigure: return "document-open";
    case CommandIcon::None:
    case CommandIcon::NewArmy:
    case CommandIcon::OpenArmy: return "";
    case CommandIcon::Save: return "document-save";
    case CommandIcon::Print: return "document-print";
    case CommandIcon::PrintPreview: return "document-print-preview";
    case CommandIcon::Undo: return "edit-undo";
    case CommandIcon::Redo: return "edit-redo";
    }
    return "";
}

} // namespace

QIcon iconFor(CommandIcon command)
{
    if (command == CommandIcon::None)
        return {};
    const QIcon drawn(new DrawnIcon(command));
    const QLatin1String name(themeName(command));
    return name.isEmpty() ? drawn : QIcon::fromTheme(name, drawn);
}

} // namespace tarvello
