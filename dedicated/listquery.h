#pragma once
// Queries on a window's list view (a report attached to a request: the row caption is the
// first column, the sub-items the others, each column titled with its caption). The
// windows' rules read rows by caption and cells by column title, as displayed texts
// (value labels for enumerated columns). Comparisons are exact and case-sensitive.
#include <string>

class QAbstractItemView;

// The column titled so, or -1.
int ColumnOfTitle(const QAbstractItemView* view, const std::string& title);
// The number of rows (0 for no view).
int RowCountOf(const QAbstractItemView* view);
// The first row whose caption is the text, or -1.
int FindRowByCaption(const QAbstractItemView* view, const std::string& caption);
// The row's cell in the column titled so; empty for a row or title the view does not have.
std::string CellByTitle(const QAbstractItemView* view, int row, const std::string& title);
