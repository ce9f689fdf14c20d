// The port buttons of the shown front panel: at most one is down, the one whose port the
// port popup's windows show.
#include <QAbstractButton>

#include "mainwin/mainunit.h"

void TMainForm::SetButtonDown(QAbstractButton* button, bool down)
{
    if (!button)
        return;
    if (button->isCheckable())
        button->setChecked(down);
    else
        button->setDown(down);
}

void TMainForm::ReleasePortButtons()
{
    if (!PortButtons)
        return;
    for (QAbstractButton* button : *PortButtons)
        SetButtonDown(button, false);
}
