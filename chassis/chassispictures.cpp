#include "chassis/chassispictures.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const TSlotBay Bays[9] = {
    {27, 41, 606, 32},  {27, 77, 606, 32},  {25, 114, 606, 32}, {27, 147, 606, 32}, {27, 182, 606, 31},
    {27, 217, 606, 32}, {27, 252, 606, 32}, {27, 287, 606, 32}, {27, 323, 606, 32},
};

// The CPU module's face: the console port and the eight status LEDs.
constexpr QRect ConsoleRect(200, 44, 54, 24);
constexpr int CpuLedLeft = 330;
constexpr int CpuLedPitch = 26;
constexpr int CpuLedTop = 50;

void Screw(QPainter& p, QPointF centre, double radius)
{
    p.setPen(QPen(QColor(90, 94, 99), 1));
    p.setBrush(QColor(200, 203, 207));
    p.drawEllipse(centre, radius, radius);
    p.drawLine(QPointF(centre.x() - radius + 1.5, centre.y()), QPointF(centre.x() + radius - 1.5, centre.y()));
}

// The metal plate of a module: light grey, a darker ear with two screws at each end.
void Plate(QPainter& p, const QRect& area, int ear)
{
    const QRectF plate = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(plate.topLeft(), plate.bottomLeft());
    face.setColorAt(0, QColor(232, 234, 236));
    face.setColorAt(1, QColor(196, 200, 204));
    p.setPen(QPen(QColor(104, 109, 115), 1));
    p.setBrush(face);
    p.drawRoundedRect(plate, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 174, 179));
    p.drawRect(QRectF(plate.left() + 1, plate.top() + 1, ear, plate.height() - 2));
    p.drawRect(QRectF(plate.right() - ear, plate.top() + 1, ear, plate.height() - 2));
    const double r = std::min(ear / 2.0 - 1.5, 3.5);
    const double top = plate.top() + std::min(plate.height() / 4, 14.0);
    const double bottom = plate.bottom() - std::min(plate.height() / 4, 14.0);
    for (double x : {plate.left() + 1 + ear / 2.0, plate.right() - ear / 2.0}) {
        if (plate.height() > 40) {
            Screw(p, QPointF(x, top), r);
            Screw(p, QPointF(x, bottom), r);
        } else {
            Screw(p, QPointF(x, plate.center().y()), r);
        }
    }
}

void PaintPort(QPainter& p, const QRect& r, TPortKind kind)
{
    const QColor dark(29, 31, 34);
    p.setPen(QPen(QColor(80, 84, 89), 1));
    switch (kind) {
    case TPortKind::RJ45: {
        p.setBrush(QColor(150, 155, 161));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QRect opening = r.adjusted(3, 3, -3, -7);
        p.fillRect(opening, dark);
        p.fillRect(QRect(r.center().x() - 3, opening.bottom() + 1, 7, 3), dark);
        p.fillRect(QRect(opening.left() + 2, opening.top() + 2, opening.width() - 4, 2), QColor(201, 162, 60));
        break;
    }
    case TPortKind::FiberSC: {
        p.setBrush(QColor(178, 182, 187));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        const int half = r.width() / 2;
        for (int i = 0; i < 2; ++i) {
            const QRect socket(r.left() + 4 + i * half, r.top() + 4, half - 8, r.height() - 8);
            p.setPen(QPen(QColor(40, 90, 160), 2));
            p.setBrush(dark);
            p.drawRect(socket);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(225, 225, 225));
            p.drawEllipse(QPointF(socket.center()) + QPointF(0.5, 0.5), 1.5, 1.5);
        }
        break;
    }
    case TPortKind::MTRJ: {
        p.setBrush(QColor(160, 165, 170));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        const QRect opening = r.adjusted(4, 4, -4, -5);
        p.fillRect(opening, dark);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 225, 225));
        p.drawEllipse(QPointF(opening.center().x() - 2.5, opening.center().y() + 0.5), 1.2, 1.2);
        p.drawEllipse(QPointF(opening.center().x() + 3.5, opening.center().y() + 0.5), 1.2, 1.2);
        break;
    }
    case TPortKind::SFP: {
        p.setBrush(QColor(204, 207, 211));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.fillRect(r.adjusted(2, 3, -2, -3), dark);
        p.fillRect(QRect(r.left() + 4, r.bottom() - 2, r.width() - 8, 1), QColor(120, 124, 129));
        break;
    }
    case TPortKind::Xenpak: {
        p.setBrush(QColor(125, 130, 136));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.fillRect(r.adjusted(14, 6, -14, -6), dark);
        Screw(p, QPointF(r.left() + 7, r.center().y() + 0.5), 3);
        Screw(p, QPointF(r.right() - 6, r.center().y() + 0.5), 3);
        break;
    }
    }
}

QFont PixelFont(const QFont& base, int pixels, bool bold)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A module's plate with its model name in bold.
void NamedPlate(QPainter& p, const TModuleModel& model, const QRect& area, int ear, int namePixels,
                const QRect& namePlace)
{
    Plate(p, area, ear);
    p.setPen(QColor(25, 27, 30));
    p.setFont(PixelFont(p.font(), namePixels, true));
    p.drawText(namePlace, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(model.Name));
}

// A picture of an image list: transparent where draw paints nothing.
QPixmap Picture(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pixmap;
}

// The grey housing of a power supply or a fan, filling its picture.
void Housing(QPainter& p, int width, int height, const QColor& colour, double radius)
{
    p.setPen(QPen(QColor(60, 63, 67), 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), radius, radius);
}

void LedSocket(QPainter& p, const QRect& r)
{
    p.setPen(QPen(QColor(90, 94, 99), 1));
    p.setBrush(QColor(60, 63, 67));
    p.drawEllipse(QRectF(r).adjusted(-1, -1, 1, 1));
}

} // namespace

const TSlotBay& SlotBay(int slot) { return Bays[std::clamp(slot, 1, 9) - 1]; }

QRect PowerLedRect() { return {24, 40, 10, 10}; }
QRect StateLedRect() { return {24, 58, 10, 10}; }
QRect CpuPanelLedRect(int index) { return {CpuLedLeft + index * CpuLedPitch, CpuLedTop, 10, 10}; }

QPixmap ChassisPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(92, 97, 103));
    body.setColorAt(1, QColor(64, 68, 73));
    p.fillRect(pixmap.rect(), body);
    p.setPen(QPen(QColor(130, 135, 141), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, width - 3, height - 3), 4, 4);

    p.setPen(QColor(235, 237, 240));
    p.setFont(PixelFont(p.font(), 15, true));
    p.drawText(QRect(27, 10, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TRQ-3100"));
    p.setPen(QColor(190, 194, 199));
    p.setFont(PixelFont(p.font(), 11, false));
    p.drawText(QRect(120, 10, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Chassis Ethernet Switch"));

    for (int slot = 1; slot <= 9; ++slot) {
        const TSlotBay& b = SlotBay(slot);
        const QRect bay(b.Left, b.Top, b.Width, b.Height);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(36, 38, 42));
        p.drawRoundedRect(QRectF(bay).adjusted(-3, -2, 3, 2), 2, 2);
        // A blank cover plate; an installed module's thumbnail lies over it.
        QLinearGradient cover(bay.topLeft(), bay.bottomLeft());
        cover.setColorAt(0, QColor(128, 133, 139));
        cover.setColorAt(1, QColor(105, 110, 116));
        p.setBrush(cover);
        p.drawRect(bay.adjusted(1, 1, -1, -1));
        Screw(p, QPointF(bay.left() + 8, bay.center().y() + 0.5), 3);
        Screw(p, QPointF(bay.right() - 7, bay.center().y() + 0.5), 3);
        p.setPen(QColor(235, 237, 240));
        p.setFont(PixelFont(p.font(), 11, true));
        p.drawText(QRect(2, b.Top, b.Left - 6, b.Height), Qt::AlignRight | Qt::AlignVCenter, QString::number(slot));
    }
    return pixmap;
}

QPixmap IndicatorPicture()
{
    return Picture(16, 16, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(1.5, 8);
        arrow.lineTo(9, 1.5);
        arrow.lineTo(9, 5);
        arrow.lineTo(14.5, 5);
        arrow.lineTo(14.5, 11);
        arrow.lineTo(9, 11);
        arrow.lineTo(9, 14.5);
        arrow.closeSubpath();
        p.setPen(QPen(QColor(70, 45, 0), 1));
        p.setBrush(QColor(255, 200, 0));
        p.drawPath(arrow);
    });
}

void PaintModuleFace(QPainter& p, const TModuleModel& model, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    NamedPlate(p, model, area, 12, 13, QRect(22, 10, 130, 20));

    p.setFont(PixelFont(p.font(), 10, false));
    p.setPen(QColor(45, 48, 52));
    LedSocket(p, PowerLedRect());
    LedSocket(p, StateLedRect());
    p.drawText(PowerLedRect().translated(16, 0).adjusted(0, -2, 40, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("PWR"));
    p.drawText(StateLedRect().translated(16, 0).adjusted(0, -2, 40, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("STATE"));

    if (model.Index == CpuModuleIndex) {
        p.drawText(ConsoleRect.adjusted(-10, -16, 10, -ConsoleRect.height() - 2), Qt::AlignCenter,
                   QStringLiteral("CONSOLE"));
        // A DB-9 shell with its pins.
        QPainterPath shell;
        const QRectF c = QRectF(ConsoleRect).adjusted(0.5, 0.5, -0.5, -0.5);
        shell.moveTo(c.topLeft());
        shell.lineTo(c.topRight());
        shell.lineTo(c.right() - 5, c.bottom());
        shell.lineTo(c.left() + 5, c.bottom());
        shell.closeSubpath();
        p.setPen(QPen(QColor(80, 84, 89), 1));
        p.setBrush(QColor(60, 63, 67));
        p.drawPath(shell);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 180, 90));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(c.left() + 9 + i * 9, c.top() + 8), 1.6, 1.6);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(c.left() + 13.5 + i * 9, c.top() + 16), 1.6, 1.6);
        p.setPen(QColor(45, 48, 52));
        p.drawText(QRect(CpuLedLeft - 6, 26, CpuLedPitch * 8, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("STATUS"));
        for (int i = 0; i < 8; ++i) {
            LedSocket(p, CpuPanelLedRect(i));
            p.setPen(QColor(45, 48, 52));
            p.drawText(CpuPanelLedRect(i).translated(0, 14).adjusted(-6, 0, 6, 2), Qt::AlignCenter,
                       QString::number(i + 1));
        }
    }

    p.setFont(PixelFont(p.font(), 10, false));
    for (const TPortFace& port : model.Buttons) {
        const QRect r(port.Left, port.Top, port.Width, port.Height);
        p.setPen(QColor(45, 48, 52));
        p.drawText(QRect(r.left() - 6, 18, r.width() + 12, 13), Qt::AlignCenter, QString::number(port.Port));
        PaintPort(p, r, port.Kind);
    }
    p.restore();
}

void PaintModuleThumbnail(QPainter& p, const TModuleModel& model, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    NamedPlate(p, model, area, 10, 11, QRect(area.left() + 16, area.top(), 90, area.height()));
    const double scale = static_cast<double>(area.width()) / model.PanelWidth;
    const auto place = [&](int left, int width, int height) {
        const int h = std::min(height * 3 / 5, area.height() - 14);
        return QRect(area.left() + static_cast<int>(std::lround(left * scale)),
                     area.top() + (area.height() - h) / 2 + 2, std::max(static_cast<int>(width * scale), 4), h);
    };
    for (const TPortFace& port : model.Buttons) {
        const QRect r = place(port.Left, port.Width, port.Height);
        p.setPen(QPen(QColor(80, 84, 89), 1));
        p.setBrush(QColor(150, 155, 161));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.fillRect(r.adjusted(1, 2, -1, -2), QColor(29, 31, 34));
    }
    if (model.Index == CpuModuleIndex) {
        const QRect c = place(ConsoleRect.left(), ConsoleRect.width(), ConsoleRect.height());
        p.setPen(QPen(QColor(80, 84, 89), 1));
        p.setBrush(QColor(60, 63, 67));
        p.drawRect(c);
        for (int i = 0; i < 8; ++i) {
            const QRect led = place(CpuPanelLedRect(i).left(), 8, 10);
            p.setBrush(QColor(60, 63, 67));
            p.drawEllipse(QRectF(led.left(), led.center().y() - 2.5, 5, 5));
        }
    }
    p.restore();
}

QPixmap PanelLedPicture(int index)
{
    return Picture(10, 10, [index](QPainter& p) {
        QRadialGradient glow(QPointF(4, 4), 6);
        if (index == 0) {
            glow.setColorAt(0, QColor(190, 255, 170));
            glow.setColorAt(1, QColor(20, 170, 30));
        } else {
            glow.setColorAt(0, QColor(110, 114, 118));
            glow.setColorAt(1, QColor(50, 53, 57));
        }
        p.setPen(QPen(QColor(40, 42, 45), 1));
        p.setBrush(glow);
        p.drawEllipse(QRectF(0.5, 0.5, 9, 9));
    });
}

QPixmap PowerPicture(int index)
{
    return Picture(50, 30, [index](QPainter& p) {
        Housing(p, 50, 30, QColor(150, 155, 161), 3);
        p.setPen(QPen(QColor(85, 89, 94), 1.5));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(6 + i * 5, 7), QPointF(6 + i * 5, 23));
        // The supply's lamp: green on, dark off, red for a state that is not known.
        const QColor lamp = index == 0 ? QColor(30, 200, 40) : index == 1 ? QColor(70, 73, 77) : QColor(220, 40, 30);
        p.setPen(QPen(QColor(40, 42, 45), 1));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(39, 15), 6, 6);
    });
}

QPixmap FanPicture(int index)
{
    return Picture(50, 50, [index](QPainter& p) {
        Housing(p, 50, 50, QColor(170, 174, 179), 4);
        p.setBrush(QColor(45, 48, 52));
        p.drawEllipse(QPointF(25, 25), 21, 21);
        const QColor blade = index == 0 ? QColor(80, 150, 220) : index == 1 ? QColor(130, 134, 139) : QColor(205, 60, 50);
        p.setBrush(blade);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(25, 25);
            p.rotate(i * 72.0);
            QPainterPath wing;
            wing.moveTo(0, -4);
            wing.cubicTo(8, -8, 14, -14, 6, -19);
            wing.cubicTo(2, -14, -2, -9, 0, -4);
            p.drawPath(wing);
            p.restore();
        }
        p.setBrush(index == 0 ? QColor(30, 200, 40) : QColor(90, 94, 99));
        p.drawEllipse(QPointF(25, 25), 5, 5);
        if (index == 2) {
            p.setPen(QPen(QColor(255, 230, 60), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 12), QPointF(38, 38));
            p.drawLine(QPointF(38, 12), QPointF(12, 38));
        }
    });
}
