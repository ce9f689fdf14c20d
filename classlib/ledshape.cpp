#include "classlib/ledshape.h"

#include <algorithm>

#include <QPainter>

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    resize(65, 65);
    UpdateOpaque();
}

void TShape::SetShape(TShapeType shape)
{
    if (shape == ShapeType)
        return;
    ShapeType = shape;
    UpdateOpaque();
    update();
}

bool TShape::Covers() const
{
    return ShapeType == stRectangle || (ShapeType == stSquare && width() == height());
}

void TShape::UpdateOpaque() { setAttribute(Qt::WA_OpaquePaintEvent, Covers()); }

void TShape::resizeEvent(QResizeEvent* event)
{
    UpdateOpaque();
    QWidget::resizeEvent(event);
}

void TShape::SetBrushColor(uint32_t color)
{
    if (color == Brush)
        return;
    Brush = color;
    update();
}

void TShape::SetPenColor(uint32_t color)
{
    if (color == Pen)
        return;
    Pen = color;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (Covers()) {
        // Whole pixels: the outline on the edge pixels, the fill inside (two plain fills
        // are the cheapest way to draw it, and an LED is drawn at every blink).
        painter.fillRect(rect(), ToQColor(Pen));
        if (Brush != Pen && width() > 2 && height() > 2)
            painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(Brush));
        return;
    }
    const bool round = ShapeType == stRoundRect || ShapeType == stRoundSquare || ShapeType == stEllipse ||
                       ShapeType == stCircle;
    painter.setRenderHint(QPainter::Antialiasing, round);
    painter.setPen(QPen(ToQColor(Pen), 1));
    painter.setBrush(ToQColor(Brush));

    // The figure fills the control; the square kinds use the shorter side, centred.
    QRectF r(0.5, 0.5, width() - 1.0, height() - 1.0);
    if (ShapeType == stSquare || ShapeType == stRoundSquare || ShapeType == stCircle) {
        const double side = std::min(r.width(), r.height());
        r = QRectF(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
    }
    switch (ShapeType) {
    case stRectangle:
    case stSquare: {
        // Whole pixels: the outline on the edge pixels, the fill inside.
        QRect box = rect();
        if (ShapeType == stSquare) {
            const int side = std::min(width(), height());
            box = QRect((width() - side) / 2, (height() - side) / 2, side, side);
        }
        painter.fillRect(box, ToQColor(Brush));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        break;
    }
    case stRoundRect:
    case stRoundSquare: {
        const double radius = std::min(r.width(), r.height()) / 4;
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case stEllipse:
    case stCircle:
        painter.drawEllipse(r);
        break;
    }
}
