#include "classlib/statuspanels.h"

#include <algorithm>

#include <QLabel>

TStatusPanels::TStatusPanels(QWidget* parent) : QWidget(parent) {}

QLabel* TStatusPanels::AddPanel(const QString& name, int leastWidth)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // what the switch or a tool said, never markup
    // Opaque: a new text paints the label's own pixels only.
    label->setAutoFillBackground(true);
    // Pinned to the place (equal minimum and maximum): a new text lays nothing out.
    label->setFixedSize(size());
    setMinimumWidth(std::max(leastWidth, minimumWidth()));
    return label;
}

QSize TStatusPanels::sizeHint() const { return minimumSizeHint(); }

QSize TStatusPanels::minimumSizeHint() const { return {minimumWidth(), fontMetrics().height()}; }

void TStatusPanels::resizeEvent(QResizeEvent* event)
{
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->setFixedSize(size());
        label->move(0, 0);
    }
    QWidget::resizeEvent(event);
}
