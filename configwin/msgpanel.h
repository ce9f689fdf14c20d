#pragma once
// The strip at the bottom of a generic window whose memo receives the request's result
// lines. 50 pixels high; the memo fills it.
#include "classlib/panel.h"

class QPlainTextEdit;

class TMsgPanel : public TPanel {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget* owner);

    QPlainTextEdit* Memo;
};
