#pragma once
// The spanning tree switch: turns the switch's spanning tree algorithm on or off. Opened by
// "Bridge" > "Spanning Tree Algorithm" (owner: the main window), which captions it
// "Spanning Tree Algorithm: " and the switch's address. Turning it on takes the switch a long time: the window asks
// first, pauses the main window's chassis poll and shows the progress box for its full run
// (about 31 s) while the set is out; the poll resumes when the box has closed. The value is
// read again after the set's reply, and only when the set succeeded, so that a failure stays
// in the status bar.
#include "dedicated/dedicatedform.h"
#include "ui_progress.h"
#include "ui_spanningtreealgorithmunit.h"

class QTimer;

class TSpanningTreeAlgorithmForm : public TDedicatedForm, public Ui::TSpanningTreeAlgorithmForm {
    Q_OBJECT
public:
    explicit TSpanningTreeAlgorithmForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void GetButtonClick();
    void SetButtonClick();

protected:
    void FormCreate() override;

private:
    void EnableWithProgress();
    // Reads the value again once the set has its reply, unless it failed.
    void ReadAfterSet();
};

// The progress box: a bar that advances once a second and a box the user cannot close;
// it closes itself on the tick after the bar reaches 30. Creating it sends the switch
// window's set.
class TProgressForm : public QDialog, public Ui::TProgressForm {
    Q_OBJECT
public:
    TProgressForm(QWidget* owner, TSpanningTreeAlgorithmForm* caller);

    QTimer* ProgressTimer = nullptr; // 1000 ms
    bool Done = false;

    void ProgressTimerTimer();

    // The tick's interval of boxes made from now on, in ms (tests shorten it).
    static int TickMs;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
extern TProgressForm* ProgressForm;
