#include "dedicated/rowdelete.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

#include "dedicated/columnmask.h"
#include "dedicated/dedicatedform.h"
#include "platform/exception.h"

bool DeleteSelectedRow(TDedicatedForm& form, TWindowRequest* request, int statusColumn, QComboBox* statusControl,
                       const std::string& deleteLabel)
{
    if (!request || !statusControl || !request->IsIdle() || form.Closing())
        return false;
    const QAbstractItemView* view = request->ListView;
    if (!view || !view->selectionModel() || view->selectionModel()->selectedRows().isEmpty())
        return false;
    const int item = statusControl->findText(QString::fromStdString(deleteLabel));
    if (item < 0) {
        std::string message = "The status has no choice \"";
        message.append(deleteLabel).append("\".");
        throw Exception(message);
    }
    const int chosen = statusControl->currentIndex();
    TColumnMask mask(request);
    const VhSNMPVarList& list = request->Request.VarList;
    for (int i = list.KeyCount; i < list.Count(); ++i)
        if (i != statusColumn)
            mask.LeaveOut(i);
    statusControl->setCurrentIndex(item);
    struct PutBack {
        QComboBox* Control;
        int Index;
        ~PutBack() { Control->setCurrentIndex(Index); }
    } putBack{statusControl, chosen};
    return form.Write(request, true, true);
}
