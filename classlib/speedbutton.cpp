#include "classlib/speedbutton.h"

#include <QMenu>
#include <QPainter>
#include <QPointer>

namespace {

// The popup menu a control carries. A child of the control.
class PopupLink : public QObject {
public:
    explicit PopupLink(QWidget* control) : QObject(control) { setObjectName(QStringLiteral("trqPopupLink")); }
    QPointer<QMenu> Menu;
};

// What a menu remembers of the control that opened it. A child of the menu.
class PopupState : public QObject {
public:
    explicit PopupState(QMenu* menu) : QObject(menu) { setObjectName(QStringLiteral("trqPopupState")); }
    QPointer<QWidget> Component;
};

PopupState* StateOf(const QMenu* menu, bool create)
{
    if (!menu)
        return nullptr;
    auto* state = menu->findChild<PopupState*>(QStringLiteral("trqPopupState"), Qt::FindDirectChildrenOnly);
    if (!state && create)
        state = new PopupState(const_cast<QMenu*>(menu));
    return state;
}

} // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    if (!isEnabled())
        return;
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (isChecked() || isDown()) {
        painter.fillRect(rect(), QColor(0, 40, 120, 90));
        painter.setPen(QColor(30, 30, 30));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    } else if (underMouse()) {
        painter.setPen(QPen(QColor(0, 90, 200), 1));
        painter.drawRect(box);
    }
}

void SetPopupMenu(QWidget* control, QMenu* menu)
{
    if (!control)
        return;
    auto* link = control->findChild<PopupLink*>(QStringLiteral("trqPopupLink"), Qt::FindDirectChildrenOnly);
    if (!link) {
        if (!menu)
            return;
        link = new PopupLink(control);
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, link, [control, link](const QPoint& at) {
            QMenu* current = link->Menu;
            if (!current)
                return;
            SetPopupComponent(current, control);
            current->popup(control->mapToGlobal(at));
        });
    }
    link->Menu = menu;
}

QMenu* GetPopupMenu(const QWidget* control)
{
    const auto* link =
        control ? control->findChild<PopupLink*>(QStringLiteral("trqPopupLink"), Qt::FindDirectChildrenOnly) : nullptr;
    return link ? link->Menu.data() : nullptr;
}

QWidget* PopupComponent(const QMenu* menu)
{
    const PopupState* state = StateOf(menu, false);
    return state ? state->Component.data() : nullptr;
}

void SetPopupComponent(QMenu* menu, QWidget* component)
{
    if (PopupState* state = StateOf(menu, true))
        state->Component = component;
}
