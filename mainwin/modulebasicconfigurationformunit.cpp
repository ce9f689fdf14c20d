#include "mainwin/modulebasicconfigurationformunit.h"

#include <QStyle>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "classlib/formstyle.h"
#include "classlib/screen.h"
#include "mainwin/mainunit.h"

TModuleBasicConfigurationForm* ModuleBasicConfigurationForm = nullptr;

TModuleBasicConfigurationForm::TModuleBasicConfigurationForm(QWidget* owner) : QDialog(owner)
{
    setupUi(this);
    int width = 358;
    int height = 73;
    if (MainForm && MainForm->LargeFonts) {
        width = ScalePixels(width, kLargeFontsScale);
        height = ScalePixels(height, kLargeFontsScale);
    }
    MakeFixedDialog(this, width, height);
    SetMaxLength(Edit1, 3);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogYesButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(BitBtn1, &QPushButton::clicked, this, &TModuleBasicConfigurationForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TModuleBasicConfigurationForm::BitBtn2Click);
    // Enter in the edit does not press Set, which closes the window.
    KeepEnterFromButtons(this);
}

void TModuleBasicConfigurationForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (MainForm)
        move(MainForm->frameGeometry().center() - rect().center());
}

void TModuleBasicConfigurationForm::BitBtn1Click()
{
    if (MainForm)
        MainForm->Chassis->RefreshChassis();
    done(mrYes);
}

void TModuleBasicConfigurationForm::BitBtn2Click() { close(); }
