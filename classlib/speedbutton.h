#pragma once
// The class library's speed button and the popup menu a control carries.
//
// TSpeedButton is a flat button that lies over a picture (a port on a module's front
// panel). Its Down state belongs to the program, as with a speed button of GroupIndex 0:
// a click does not change it; the program sets it with setChecked(true) (Down) and
// setChecked(false) (up), and reads it with isChecked(). The button paints no face of its
// own, only a frame while the pointer is over it and a dark tint with a sunken frame while
// it is Down, so the picture under it stays visible.
//
// A control's popup menu: SetPopupMenu(control, menu) makes a right-click on the control
// (or the context-menu key while it has the focus) pop the menu up at the pointer, with
// the menu's PopupComponent set to the control first, as the class library does. The
// menu's handlers read PopupComponent(menu) to learn which control opened it (null once
// that control is gone). A null menu takes the control's popup menu away.
#include <QToolButton>

class QMenu;

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);

protected:
    // A click leaves Down as it is.
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;
};

void SetPopupMenu(QWidget* control, QMenu* menu);
QMenu* GetPopupMenu(const QWidget* control);
QWidget* PopupComponent(const QMenu* menu);
void SetPopupComponent(QMenu* menu, QWidget* component);
