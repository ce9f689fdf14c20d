#pragma once
// The strip at the bottom of a generic window whose memo receives the request's result
// lines. 50 pixels high; the memo fills it.
//
// Every message target, here and in the dedicated windows, keeps its lines readable: a
// memo shows each message on one line, never broken inside a word; where a line or a
// status text cannot show whole, its whole text is the tooltip over it (and, in a memo, a
// double-click on it selects it whole).
#include "classlib/panel.h"

class QPlainTextEdit;
class QStatusBar;
class QLabel;

class TMsgPanel : public TPanel {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget* owner);

    QPlainTextEdit* Memo;
};

void KeepLinesReadable(QPlainTextEdit* memo);
void KeepLinesReadable(QStatusBar* statusBar);
void KeepLinesReadable(QLabel* statusPanel);
