#include "configwin/msgpanel.h"

#include <QPlainTextEdit>

TMsgPanel::TMsgPanel(QWidget* owner) : TPanel(owner)
{
    setObjectName("MsgPanel");
    resize(width(), 50);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    SetAlign(Memo, alClient);
}
