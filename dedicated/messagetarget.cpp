#include "dedicated/messagetarget.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "configwin/msgpanel.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2controls.h"

// Every target keeps its lines readable (configwin/msgpanel.h).
void TMessageTarget::Set(QPlainTextEdit* memo)
{
    KeepLinesReadable(memo);
    Target = memo;
}
void TMessageTarget::Set(QStatusBar* statusBar)
{
    KeepLinesReadable(statusBar);
    Target = statusBar;
}
void TMessageTarget::Set(QLabel* statusPanel)
{
    KeepLinesReadable(statusPanel);
    Target = statusPanel;
}

void TMessageTarget::Apply(VhSNMPRequest2Controls* request) const
{
    if (!request)
        return;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Target.data()))
        request->SetMessageTarget(memo);
    else if (auto* bar = qobject_cast<QStatusBar*>(Target.data()))
        request->SetMessageTarget(bar);
    else if (auto* panel = qobject_cast<QLabel*>(Target.data()))
        request->SetMessageTarget(panel);
}

void TMessageTarget::Show(const std::string& text, QWidget* owner) const
{
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Target.data()))
        memo->appendPlainText(toQt(text));
    else if (auto* bar = qobject_cast<QStatusBar*>(Target.data()))
        bar->showMessage(toQt(text));
    else if (auto* panel = qobject_cast<QLabel*>(Target.data()))
        SetPlainText(panel, toQt(text));
    else
        PostMessageBox(owner, text);
}

QLabel* StatusPanel0(QStatusBar* statusBar)
{
    if (!statusBar)
        return nullptr;
    if (auto* panel = statusBar->findChild<QLabel*>(QStringLiteral("StatusPanel0")))
        return panel;
    auto* panel = new QLabel(statusBar);
    panel->setObjectName(QStringLiteral("StatusPanel0"));
    panel->setTextFormat(Qt::PlainText); // it shows what the switch said
    statusBar->addWidget(panel, 1);
    return panel;
}
