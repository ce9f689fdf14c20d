#include "classlib/colors.h"

#include <QApplication>
#include <QPalette>

QColor ToQColor(uint32_t color)
{
    if (color & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (color & 0xFF) {
        case 0x05: return palette.color(QPalette::Base);       // window background
        case 0x08: return palette.color(QPalette::Text);       // window text
        case 0x0F: return palette.color(QPalette::Button);     // button face
        case 0x12: return palette.color(QPalette::ButtonText); // button text
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}
