#pragma once
// The class library's colours: 0x00BBGGRR, or a system colour (0x80000000 + index;
// 0x8000000F is the button face), and their conversion for Qt.
#include <cstdint>

#include <QColor>

inline constexpr uint32_t clBlack = 0x000000;
inline constexpr uint32_t clWhite = 0xFFFFFF;
inline constexpr uint32_t clBtnFace = 0x8000000F;

// The colour as Qt draws it; a system colour is the application palette's.
QColor ToQColor(uint32_t color);
