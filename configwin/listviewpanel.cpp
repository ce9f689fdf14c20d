#include "configwin/listviewpanel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

#include "configwin/ctrlbtnpanel.h"
#include "snmplib/bind/request2edits.h"

namespace {

constexpr int PixelsPerCharacter = 8;
constexpr int MaxWidth = 450;
constexpr int Height = 350;

} // namespace

TListViewPanel::TListViewPanel(QWidget* owner, VhSNMPRequest2Edits* request) : TPanel(owner)
{
    setObjectName("ListViewPanel");
    DeleteStatusColumn = -1;
    AddStatusColumn = -1;
    ListView = new QTreeWidget(this);
    ListView->setObjectName("ListView");
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->setAllColumnsShowFocus(true);
    if (request)
        request->AttachListView(ListView, false);

    int width = 0;
    const QTreeWidgetItem* header = ListView->headerItem();
    for (int c = 0; c < ListView->columnCount(); ++c)
        width += PixelsPerCharacter * static_cast<int>(header->text(c).size());
    width += 2 * ListView->frameWidth();
    resize(std::min(width, MaxWidth), Height);
    SetAlign(ListView, alClient);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    for (QWidget* w : {static_cast<QWidget*>(buttons->SamplesLabel), static_cast<QWidget*>(buttons->SamplesCount),
                       static_cast<QWidget*>(buttons->RefreshButton), static_cast<QWidget*>(buttons->EditButton)})
        w->show();
    buttons->EditButton->setEnabled(false);
    buttons->DeleteButton->setEnabled(false);
    buttons->SetCheckedButton->hide();
    buttons->CheckAllButton->hide();
    buttons->ClearChecksButton->hide();
    buttons->CloseButton->show();
    buttons->AddButton->setVisible(AddStatusColumn != -1);
    buttons->DeleteButton->setVisible(DeleteStatusColumn != -1);
    buttons->ArrangeButtons();
}
