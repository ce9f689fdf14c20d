#include "dedicated/listquery.h"

#include <QAbstractItemView>

namespace {
const QAbstractItemModel* ModelOf(const QAbstractItemView* view)
{
    return view ? view->model() : nullptr;
}
} // namespace

int ColumnOfTitle(const QAbstractItemView* view, const std::string& title)
{
    const QAbstractItemModel* model = ModelOf(view);
    if (!model)
        return -1;
    const QString wanted = QString::fromStdString(title);
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == wanted)
            return c;
    return -1;
}

int RowCountOf(const QAbstractItemView* view)
{
    const QAbstractItemModel* model = ModelOf(view);
    return model ? model->rowCount() : 0;
}

int FindRowByCaption(const QAbstractItemView* view, const std::string& caption)
{
    const QAbstractItemModel* model = ModelOf(view);
    if (!model)
        return -1;
    const QString wanted = QString::fromStdString(caption);
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString() == wanted)
            return r;
    return -1;
}

std::string CellByTitle(const QAbstractItemView* view, int row, const std::string& title)
{
    const int column = ColumnOfTitle(view, title);
    const QAbstractItemModel* model = ModelOf(view);
    if (column < 0 || row < 0 || row >= model->rowCount())
        return {};
    return model->index(row, column).data().toString().toStdString();
}
