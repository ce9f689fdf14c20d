#pragma once
// The text panels of a status bar that share one place in it and show one at a time (the
// main window's result line and its notice). Each panel is a plain-text label that fills
// the place; the place takes its width from the bar and its height from the font, never
// from the text. A poll that writes a new result line every few seconds thus repaints that
// line alone: the bar is not laid out again, and nothing beneath the line is painted.
#include <QWidget>

class QLabel;

class TStatusPanels : public QWidget {
public:
    explicit TStatusPanels(QWidget* parent = nullptr);

    // A new panel, shown, with that object name and minimum width.
    QLabel* AddPanel(const QString& name, int leastWidth);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
