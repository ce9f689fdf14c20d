#pragma once
// The class library's shape control: a small figure filled with a brush colour and
// outlined in a pen colour. The port LEDs of the module front panels are such shapes.
//
// Colours are the class library's (classlib/colors.h). A colour change repaints the shape
// only when the colour differs, so a binding may set the same colour many times a second
// at no cost. A shape that covers its whole rectangle (a rectangle, a square control that
// is square) paints as an opaque control: a new colour repaints its own pixels and not the
// panels beneath it.
#include <cstdint>

#include <QWidget>

#include "classlib/colors.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public QWidget {
public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType Shape() const { return ShapeType; }
    void SetShape(TShapeType shape);
    uint32_t BrushColor() const { return Brush; }
    void SetBrushColor(uint32_t color);
    uint32_t PenColor() const { return Pen; }
    void SetPenColor(uint32_t color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether the figure covers every pixel of the control.
    bool Covers() const;
    void UpdateOpaque();

    TShapeType ShapeType = stRectangle;
    uint32_t Brush = 0x00FFFFFF; // white
    uint32_t Pen = 0x00000000;   // black
};
