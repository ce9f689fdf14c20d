#include "configwin/msgpanel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

namespace {

// Shows the whole text of what the mouse is over, where it does not show whole.
class TWholeLineTip : public QObject {
public:
    explicit TWholeLineTip(QWidget* shown) : QObject(shown), Shown(shown)
    {
        setObjectName("WholeLineTip");
        shown->installEventFilter(this);
    }

    static bool On(const QWidget* shown) { return shown->findChild<QObject*>("WholeLineTip", Qt::FindDirectChildrenOnly); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != Shown)
            return false;
        if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            const QString text = WholeText(help->pos());
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), text, Shown);
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick)
            if (auto* memo = qobject_cast<QPlainTextEdit*>(Shown->parentWidget())) {
                // The whole line, not a word of it.
                QTextCursor cursor = memo->cursorForPosition(static_cast<QMouseEvent*>(event)->position().toPoint());
                const QTextBlock block = cursor.block();
                cursor.setPosition(block.position());
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                memo->setTextCursor(cursor);
                return true;
            }
        return false;
    }

private:
    // The text under pos where it does not show whole on one line; else empty.
    QString WholeText(const QPoint& pos) const
    {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(Shown->parentWidget())) {
            const QTextBlock block = memo->cursorForPosition(pos).block();
            const QTextLayout* layout = block.layout();
            if (!block.isValid() || block.text().isEmpty() || !layout)
                return {};
            const bool whole = layout->lineCount() == 1 && layout->lineAt(0).naturalTextWidth() <= Shown->width();
            return whole ? QString() : block.text();
        }
        QString text;
        if (auto* bar = qobject_cast<QStatusBar*>(Shown))
            text = bar->currentMessage();
        else if (auto* label = qobject_cast<QLabel*>(Shown))
            text = label->text();
        if (text.isEmpty() || Shown->fontMetrics().horizontalAdvance(text) + 8 <= Shown->width())
            return {};
        return text;
    }

    QWidget* Shown;
};

} // namespace

TMsgPanel::TMsgPanel(QWidget* owner) : TPanel(owner)
{
    setObjectName("MsgPanel");
    resize(width(), 50);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    KeepLinesReadable(Memo);
    SetAlign(Memo, alClient);
}

void KeepLinesReadable(QPlainTextEdit* memo)
{
    if (!memo || TWholeLineTip::On(memo->viewport()))
        return;
    // One message a line: a break at a hyphen or a plus sign would cut a word.
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    new TWholeLineTip(memo->viewport());
}

void KeepLinesReadable(QStatusBar* statusBar)
{
    if (statusBar && !TWholeLineTip::On(statusBar))
        new TWholeLineTip(statusBar);
}

void KeepLinesReadable(QLabel* statusPanel)
{
    if (statusPanel && !TWholeLineTip::On(statusPanel))
        new TWholeLineTip(statusPanel);
}
