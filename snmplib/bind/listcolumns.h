#pragma once
// How a report list view bound to a request shares its width among its columns.
//
// Before the values come, every shown column fits its header. Once a read has ended, the
// columns share the view by their values first and their headers second: each column gets
// the width of its widest value (at most MaxValueWidth), then what is left widens the
// columns towards their headers, the narrow ones first; a header that still does not fit
// shows elided, the whole of it in its tooltip. Where even the values do not fit, the wide
// values are elided first so that every column stays in sight. When the view is resized
// the columns share the new width again. A column the user sized keeps its width.
//
// A cell lays out at most CellTextLimit characters of its text (the rest is elided): a
// value of tens of thousands of octets is never measured or drawn whole. The model keeps
// the whole text.
#include <QStringList>
#include <QStyledItemDelegate>

#include <vector>

class QAbstractItemView;
class QHeaderView;

namespace listcolumns {

inline constexpr int MaxValueWidth = 300;
inline constexpr int CellTextLimit = 1000;

// Sets the view's columns: their captions (each also its header's tooltip) and which of
// them are hidden (no width, texts kept); the shown ones fit their headers.
void SetColumns(QAbstractItemView* view, const QStringList& captions, const std::vector<bool>& hidden);

// Measures the values (the rows in sight and at most 100 more) and shares the view's width;
// a view not in sight is measured when it is next shown.
void FitValues(QAbstractItemView* view);

// A delegate for cells that lays out at most CellTextLimit characters of a text.
class ShortTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// The header of a tree or table view; null for any other view.
QHeaderView* HeaderOf(QAbstractItemView* view);

} // namespace listcolumns
