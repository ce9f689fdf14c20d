#pragma once
// The pictures of the chassis view, drawn with Qt: the chassis with its nine slot bays,
// each module's face (front panel and slot thumbnail, from the model tables of
// chassis/modulemodels.h), the marker beside the selected slot, and the image lists of
// the panel LEDs, the power supplies and the fans.
#include <QPixmap>
#include <QRect>

#include "chassis/modulemodels.h"

class QPainter;

// A slot bay of the chassis picture: the strip's place in the device panel.
struct TSlotBay {
    int Left, Top, Width, Height;
};
// SlotPanel1..SlotPanel9, in the device panel's coordinates.
const TSlotBay& SlotBay(int slot);

// The chassis (size DevicePanel's picture, 664 x 365) with empty bays, slot numbers beside
// them.
QPixmap ChassisPicture(int width, int height);
// The 16 x 16 marker that points at the selected slot.
QPixmap IndicatorPicture();

// A module's face on a front panel of size area, and the same module small in its slot
// thumbnail.
void PaintModuleFace(QPainter& painter, const TModuleModel& model, const QRect& area);
void PaintModuleThumbnail(QPainter& painter, const TModuleModel& model, const QRect& area);

// Where the CPU module's face has its LEDs: the power and state LEDs of every front panel,
// and the CPU module's eight panel LEDs (index 0 to 7).
QRect PowerLedRect();
QRect StateLedRect();
QRect CpuPanelLedRect(int index);

// Image lists: PanelLedImgList (0 lit, 1 dark), 10 x 10; PowerImgList (0 on, 1 off, which
// is also what a switch that does not answer shows, 2 unknown or failed), 50 x 30;
// FanImgList (0 working, 1 unknown or not answering, 2 failed), 50 x 50.
QPixmap PanelLedPicture(int index);
QPixmap PowerPicture(int index);
QPixmap FanPicture(int index);
