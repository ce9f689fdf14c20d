#include "platform/formstyle.h"

#include <QDialog>

void UseFormFont(QWidget* form)
{
    QFont font = form->font();
    font.setPixelSize(FORM_FONT_PIXELS);
    form->setFont(font);
}

void MakeFixedDialog(QDialog* dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(clientWidth, clientHeight);
    UseFormFont(dialog);
}
