#pragma once
// The class library's panel, control alignment and form placement, on Qt widgets.
//
// Alignment: a control aligned to an edge of its parent takes the whole length of that
// edge and keeps its own thickness; a control aligned to the client area fills what the
// aligned controls leave. As in the class library, the parent lays out its visible
// aligned children whenever it is resized or one of them is shown, hidden, resized or
// moved to another parent: first the top ones, then bottom, left, right and client, each
// group in the order in which the controls became children (the first right-aligned
// control sits at the very right, the next one to its left). A control whose alignment
// is cleared keeps its place and size.
#include <cstdint>

#include <QFrame>
#include <QString>

#include "classlib/colors.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

void SetAlign(QWidget* control, TAlign align);
TAlign GetAlign(const QWidget* control);
// Lays out the aligned children of parent now (the automatic layout calls it).
void AlignControls(QWidget* parent);

// The class library's Visible and Enabled: the control's own flag, whatever its parents do.
inline bool IsShownFlag(const QWidget* control) { return control && !control->isHidden(); }
inline bool IsEnabledFlag(const QWidget* control)
{
    return control && !control->testAttribute(Qt::WA_ForceDisabled);
}

// Sets the font colour and the background colour (class library colours, classlib/colors.h)
// of an edit or combo box.
void SetControlColors(QWidget* control, uint32_t fontColor, uint32_t color);

// Centres the form on owner's window (on the main window when owner is null: the first
// visible main window of the application, else the primary screen) each time it is
// shown, as the class library's form positions do.
void SetPositionCentredOn(QWidget* form, QWidget* owner = nullptr);
// Centres the form on owner's window (or the main window) now.
void CentreOn(QWidget* form, QWidget* owner = nullptr);

// The class library's panel: a raised bevel and a caption drawn in its centre.
class TPanel : public QFrame {
    Q_OBJECT
public:
    enum TBevel { bvNone, bvLowered, bvRaised };

    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    void SetBevelOuter(TBevel bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// The class library's splitter: a thin bar aligned to an edge; dragging it resizes the
// aligned control beyond it on that edge.
class TSplitter : public QWidget {
    Q_OBJECT
public:
    explicit TSplitter(QWidget* parent, TAlign align);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* Neighbour() const;
    int pressPos_ = -1;
    int startExtent_ = 0;
};
