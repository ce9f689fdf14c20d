#include "classlib/panel.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

const char* const AlignProperty = "trqAlign";
const char* const AligningProperty = "trqAligning";

// Watches a parent (resize, show, children leaving) and its aligned children (shown,
// hidden, resized, moved away) and lays the parent out again.
class TAlignWatcher : public QObject {
public:
    explicit TAlignWatcher(QWidget* parent) : QObject(parent) { setObjectName("trqAlignWatcher"); }

    static TAlignWatcher* Of(QWidget* parent)
    {
        for (QObject* child : parent->children())
            if (auto* w = dynamic_cast<TAlignWatcher*>(child))
                return w;
        auto* watcher = new TAlignWatcher(parent);
        parent->installEventFilter(watcher);
        return watcher;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        QWidget* owner = qobject_cast<QWidget*>(parent());
        if (widget == owner) {
            switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::ChildRemoved: AlignControls(owner); break;
            default: break;
            }
            return false;
        }
        switch (event->type()) {
        case QEvent::ParentChange:
            // The control went to another parent: it is aligned there from now on.
            widget->removeEventFilter(this);
            if (QWidget* parentNow = widget->parentWidget()) {
                if (GetAlign(widget) != alNone)
                    widget->installEventFilter(TAlignWatcher::Of(parentNow));
                AlignControls(parentNow);
            }
            if (owner)
                AlignControls(owner);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Resize:
            if (owner && widget->parentWidget() == owner)
                AlignControls(owner);
            break;
        default: break;
        }
        return false;
    }
};

QWidget* MainWindowOf(QWidget* owner)
{
    if (owner)
        return owner->window();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    return nullptr;
}

class TCentreOnShow : public QObject {
public:
    TCentreOnShow(QWidget* form, QWidget* owner) : QObject(form), owner_(owner), hasOwner_(owner != nullptr)
    {
        setObjectName("trqCentreOnShow");
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* form = static_cast<QWidget*>(parent());
            CentreOn(form, hasOwner_ ? owner_.data() : nullptr);
        }
        return false;
    }

private:
    QPointer<QWidget> owner_;
    bool hasOwner_;
};

} // namespace

void SetAlign(QWidget* control, TAlign align)
{
    if (!control)
        return;
    const TAlign before = GetAlign(control);
    control->setProperty(AlignProperty, static_cast<int>(align));
    QWidget* parent = control->parentWidget();
    if (!parent || control->isWindow())
        return;
    TAlignWatcher* watcher = TAlignWatcher::Of(parent);
    if (align != alNone && before == alNone)
        control->installEventFilter(watcher);
    else if (align == alNone)
        control->removeEventFilter(watcher);
    AlignControls(parent);
}

TAlign GetAlign(const QWidget* control)
{
    if (!control)
        return alNone;
    const QVariant v = control->property(AlignProperty);
    return v.isValid() ? static_cast<TAlign>(v.toInt()) : alNone;
}

void AlignControls(QWidget* parent)
{
    if (!parent || parent->property(AligningProperty).toBool())
        return;
    std::vector<QWidget*> aligned[6];
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        const TAlign a = GetAlign(w);
        if (a != alNone)
            aligned[a].push_back(w);
    }
    parent->setProperty(AligningProperty, true);
    const QRect area = parent->contentsRect();
    int left = area.x(), top = area.y();
    int right = area.x() + area.width(), bottom = area.y() + area.height();
    std::vector<QWidget*> placed;
    const auto place = [&placed](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(x, y, std::max(0, width), std::max(0, height));
        placed.push_back(w);
    };
    for (QWidget* w : aligned[alTop]) {
        place(w, left, top, right - left, w->height());
        top += w->height();
    }
    for (QWidget* w : aligned[alBottom]) {
        place(w, left, bottom - w->height(), right - left, w->height());
        bottom -= w->height();
    }
    for (QWidget* w : aligned[alLeft]) {
        place(w, left, top, w->width(), bottom - top);
        left += w->width();
    }
    for (QWidget* w : aligned[alRight]) {
        place(w, right - w->width(), top, w->width(), bottom - top);
        right -= w->width();
    }
    for (QWidget* w : aligned[alClient])
        place(w, left, top, right - left, bottom - top);
    parent->setProperty(AligningProperty, false);
    // Hidden windows get their resize events only when shown: lay the children out now,
    // so that sizes read by code are right at once.
    for (QWidget* w : placed)
        AlignControls(w);
}

void SetControlColors(QWidget* control, uint32_t fontColor, uint32_t color)
{
    if (!control)
        return;
    QPalette palette = control->palette();
    const QColor text = ToQColor(fontColor);
    const QColor back = ToQColor(color);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Base, back);
    }
    control->setPalette(palette);
}

void CentreOn(QWidget* form, QWidget* owner)
{
    if (!form)
        return;
    QRect area;
    if (QWidget* main = MainWindowOf(owner); main && main != form)
        area = main->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    const QSize size = form->frameGeometry().size();
    form->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void SetPositionCentredOn(QWidget* form, QWidget* owner)
{
    if (!form)
        return;
    for (QObject* child : form->children())
        if (auto* old = dynamic_cast<TCentreOnShow*>(child)) {
            form->removeEventFilter(old);
            delete old;
            break;
        }
    form->installEventFilter(new TCentreOnShow(form, owner));
}

// ---- TPanel ---------------------------------------------------------------------------

TPanel::TPanel(QWidget* parent) : QFrame(parent)
{
    SetBevelOuter(bvRaised);
}

void TPanel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TPanel::SetBevelOuter(TBevel bevel)
{
    switch (bevel) {
    case bvNone: setFrameStyle(QFrame::NoFrame); break;
    case bvLowered: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case bvRaised: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    }
    setLineWidth(1);
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

// ---- TSplitter ------------------------------------------------------------------------

TSplitter::TSplitter(QWidget* parent, TAlign align) : QWidget(parent)
{
    const bool vertical = align == alLeft || align == alRight;
    setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    resize(vertical ? 3 : 100, vertical ? 100 : 3);
    if (parent)
        SetAlign(this, align);
    else
        setProperty(AlignProperty, static_cast<int>(align));
}

QWidget* TSplitter::Neighbour() const
{
    // The aligned control just beyond the splitter on its edge.
    QWidget* parent = parentWidget();
    if (!parent)
        return nullptr;
    const TAlign align = GetAlign(this);
    QWidget* best = nullptr;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w == this || w->isHidden() || GetAlign(w) != align)
            continue;
        const bool touches = (align == alRight && w->geometry().left() == geometry().right() + 1) ||
                             (align == alLeft && w->geometry().right() + 1 == geometry().left()) ||
                             (align == alBottom && w->geometry().top() == geometry().bottom() + 1) ||
                             (align == alTop && w->geometry().bottom() + 1 == geometry().top());
        if (touches)
            best = w;
    }
    return best;
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    QWidget* n = Neighbour();
    if (!n || event->button() != Qt::LeftButton)
        return;
    const TAlign align = GetAlign(this);
    const bool vertical = align == alLeft || align == alRight;
    pressPos_ = vertical ? event->globalPosition().toPoint().x() : event->globalPosition().toPoint().y();
    startExtent_ = vertical ? n->width() : n->height();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (pressPos_ < 0)
        return;
    QWidget* n = Neighbour();
    if (!n)
        return;
    const TAlign align = GetAlign(this);
    const bool vertical = align == alLeft || align == alRight;
    const int now = vertical ? event->globalPosition().toPoint().x() : event->globalPosition().toPoint().y();
    // Moving towards the neighbour's edge makes it smaller.
    const int delta = (align == alRight || align == alBottom) ? pressPos_ - now : now - pressPos_;
    const int extent = std::max(10, startExtent_ + delta);
    if (vertical)
        n->resize(extent, n->height());
    else
        n->resize(n->width(), extent);
}

void TSplitter::mouseReleaseEvent(QMouseEvent*)
{
    pressPos_ = -1;
}
