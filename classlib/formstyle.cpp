#include "classlib/formstyle.h"

#include <QDialog>
#include <QLabel>

#include <algorithm>

void UseFormFont(QWidget* form)
{
    QFont font = form->font();
    font.setPixelSize(FORM_FONT_PIXELS);
    form->setFont(font);
}

void MakeFixedDialog(QDialog* dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(clientWidth, clientHeight);
    UseFormFont(dialog);
}

int FitLabels(QWidget* container)
{
    QList<QLabel*> labels = container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
    const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int grown = 0;
    for (QLabel* label : labels) {
        if (label->text().isEmpty() || label->wordWrap())
            continue;
        const int need = label->sizeHint().width() - label->width();
        if (need <= 0)
            continue;
        const int edge = label->x() + label->width();
        for (QWidget* child : children) {
            if (child == label)
                continue;
            if (child->x() >= edge)
                child->move(child->x() + need, child->y());
            else if (child->x() + child->width() >= edge)
                child->resize(child->width() + need, child->height());
        }
        label->resize(label->width() + need, label->height());
        grown += need;
    }
    return grown;
}
