#include "snmplib/bind/listcolumns.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>

namespace listcolumns {

namespace {

// The largest limit in [0, highest] whose total fits the room; 0 when none does.
int LargestLimit(const std::function<int(int)>& total, int highest, int room)
{
    if (total(highest) <= room)
        return highest;
    int low = 0, high = highest; // total(high) does not fit
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (total(middle) <= room ? low : high) = middle;
    }
    return low;
}

// The column state of one view, a child of the view: which columns are hidden, the
// widths of their values once measured, and which columns the user sized.
class ColumnSharer : public QObject {
public:
    ColumnSharer(QAbstractItemView* view, QHeaderView* header) : QObject(view), View(view), Header(header)
    {
        setObjectName("ListColumnSharer");
        connect(header, &QHeaderView::sectionResized, this, [this](int logical, int, int) { Resized(logical); });
        connect(header, &QObject::destroyed, this, [this] { Header = nullptr; });
        header->viewport()->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        view->installEventFilter(this);
    }

    static ColumnSharer* Of(QAbstractItemView* view)
    {
        for (QObject* child : view->children())
            if (child->objectName() == QLatin1String("ListColumnSharer"))
                return static_cast<ColumnSharer*>(child);
        QHeaderView* header = HeaderOf(view);
        return header ? new ColumnSharer(view, header) : nullptr;
    }

    // New columns: each shown one fits its header, a hidden one has no width.
    void SetColumns(const QStringList& captions, const std::vector<bool>& hidden)
    {
        Hidden = hidden;
        Values.clear();
        Chosen.clear();
        if (!Header)
            return;
        Sharing = true;
        Header->setMinimumSectionSize(0);
        QAbstractItemModel* model = View->model();
        for (int c = 0; c < captions.size() && c < Header->count(); ++c) {
            model->setHeaderData(c, Qt::Horizontal, captions[c], Qt::ToolTipRole);
            Header->setSectionResizeMode(c, QHeaderView::Interactive);
            Header->resizeSection(c, Shown(c) ? Header->sectionSizeHint(c) : 0);
        }
        Sharing = false;
    }

    // Measures and shares the values now, or when the view is first shown: a view not in
    // sight (a list kept hidden, a page not chosen) is not measured at every fill.
    void Fit()
    {
        if (!View->isVisible()) {
            Waiting = true;
            return;
        }
        Waiting = false;
        Measure();
        Share();
    }

    void Measure()
    {
        if (!Header)
            return;
        constexpr int kRowsMeasured = 100;
        const int precision = Header->resizeContentsPrecision();
        Header->setResizeContentsPrecision(kRowsMeasured);
        Values.assign(static_cast<std::size_t>(Header->count()), 0);
        for (int c = 0; c < Header->count(); ++c)
            if (Shown(c))
                Values[static_cast<std::size_t>(c)] = std::min(View->sizeHintForColumn(c), MaxValueWidth);
        Header->setResizeContentsPrecision(precision);
    }

    // Shares the view's width among the shown columns (see the header).
    void Share()
    {
        if (Values.empty() || !Header)
            return;
        if (Sharing) {
            Again = true;
            return;
        }
        Sharing = true;
        for (int round = 0; round < 3; ++round) {
            Again = false;
            ShareOnce();
            if (!Again)
                break;
        }
        Sharing = false;
    }

protected:
    // Only mouse, resize and show events are looked at: the others include those a view
    // sends while it is being destroyed, when it is no longer a view.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == View && Waiting)
                Fit();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (Header && watched == Header->viewport())
                Dragging = true;
            break;
        case QEvent::MouseButtonRelease:
            if (Header && watched == Header->viewport())
                Dragging = false;
            break;
        case QEvent::Resize:
            if (watched == View->viewport())
                Share();
            break;
        default: break;
        }
        return false;
    }

private:
    bool Shown(int c) const
    {
        const auto k = static_cast<std::size_t>(c);
        return !(k < Hidden.size() && Hidden[k]) && !Header->isSectionHidden(c);
    }

    int LastShown() const
    {
        for (int v = Header->count() - 1; v >= 0; --v)
            if (!Header->isSectionHidden(Header->logicalIndex(v)))
                return Header->logicalIndex(v);
        return -1;
    }

    // A width set neither here nor by the view stretching its last column is the user's.
    void Resized(int logical)
    {
        if (Sharing)
            return;
        if (!Dragging && Header->stretchLastSection() && logical == LastShown())
            return;
        if (Shown(logical))
            Chosen.insert(logical);
    }

    void ShareOnce()
    {
        // The last column's own width, not the one stretched to fill the view.
        const bool stretch = Header->stretchLastSection();
        Header->setStretchLastSection(false);
        struct Column {
            int Index, Value, Full;
        };
        std::vector<Column> columns;
        int room = View->isVisible() ? View->viewport()->width() : std::numeric_limits<int>::max() / 4;
        const int floor = Header->fontMetrics().horizontalAdvance(QStringLiteral("00\u2026")) + 8;
        int widest = 0;
        for (int c = 0; c < Header->count(); ++c) {
            if (!Shown(c))
                continue;
            if (Chosen.count(c)) {
                room -= Header->sectionSize(c);
                continue;
            }
            const int value = c < static_cast<int>(Values.size()) ? Values[static_cast<std::size_t>(c)] : 0;
            columns.push_back({c, value, std::max(value, Header->sectionSizeHint(c))});
            widest = std::max(widest, columns.back().Full);
        }
        const auto sum = [&columns](const std::function<int(const Column&)>& width) {
            int total = 0;
            for (const Column& c : columns)
                total += width(c);
            return total;
        };
        std::function<int(const Column&)> width;
        const int values = sum([](const Column& c) { return c.Value; });
        if (values <= room) {
            // Every value whole; the rest widens the columns towards their headers.
            const int limit = LargestLimit(
                [&](int l) { return sum([l](const Column& c) { return std::max(c.Value, std::min(c.Full, l)); }); },
                widest, room);
            width = [limit](const Column& c) { return std::max(c.Value, std::min(c.Full, limit)); };
        } else {
            // The wide values are elided first, so that every column stays in sight, none
            // narrower than a few characters (or its own width, where that is less).
            const auto narrow = [floor](const Column& c, int l) { return std::max(std::min(c.Value, l), std::min(c.Full, floor)); };
            const int limit = LargestLimit([&](int l) { return sum([&](const Column& c) { return narrow(c, l); }); },
                                           MaxValueWidth, room);
            width = [narrow, limit](const Column& c) { return narrow(c, limit); };
        }
        for (const Column& c : columns)
            Header->resizeSection(c.Index, width(c));
        Header->setStretchLastSection(stretch);
    }

    QAbstractItemView* View; // the parent: there as long as this is
    QHeaderView* Header;     // the view's; null once it has gone
    std::vector<bool> Hidden;
    std::vector<int> Values; // the widest value of each column; empty until measured
    std::set<int> Chosen;    // the columns the user sized
    bool Sharing = false;
    bool Again = false;
    bool Dragging = false;
    bool Waiting = false; // values filled in while the view was not in sight
};

} // namespace

void SetColumns(QAbstractItemView* view, const QStringList& captions, const std::vector<bool>& hidden)
{
    if (ColumnSharer* sharer = ColumnSharer::Of(view))
        sharer->SetColumns(captions, hidden);
}

void FitValues(QAbstractItemView* view)
{
    if (ColumnSharer* sharer = ColumnSharer::Of(view))
        sharer->Fit();
}

void ShortTextDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > CellTextLimit) {
        option->text.truncate(CellTextLimit);
        option->text += QChar(0x2026);
    }
}

QHeaderView* HeaderOf(QAbstractItemView* view)
{
    if (auto* tree = qobject_cast<QTreeView*>(view))
        return tree->header();
    if (auto* table = qobject_cast<QTableView*>(view))
        return table->horizontalHeader();
    return nullptr;
}

} // namespace listcolumns
