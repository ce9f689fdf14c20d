#pragma once
// The class library's popup menu: a menu that remembers the control it was shown for
// (PopupComponent), so that its items know which control they act on.
#include <QMenu>
#include <QPointer>

class TPopupMenu : public QMenu {
public:
    explicit TPopupMenu(QWidget* parent = nullptr);

    // Shows the menu at the global position for component, which stays PopupComponent
    // until the next popup.
    void Popup(QWidget* component, const QPoint& globalPos);

    QPointer<QWidget> PopupComponent;
};
