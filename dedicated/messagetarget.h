#pragma once
// Where a window's messages go: its memo (one line appended per message), its status bar
// (the message becomes its simple text) or panel 0 of its status bar (the panel's text).
// Without a target a message goes to a message box over the window.
//
// The same target receives the library's result lines of the window's requests
// (Apply), so that one call decides where everything the window reports is shown.
#include <string>

#include <QPointer>

class QLabel;
class QObject;
class QPlainTextEdit;
class QStatusBar;
class QWidget;
class VhSNMPRequest2Controls;

class TMessageTarget {
public:
    void Set(QPlainTextEdit* memo);
    void Set(QStatusBar* statusBar);
    void Set(QLabel* statusPanel);
    // Makes this target the request's target for its result lines.
    void Apply(VhSNMPRequest2Controls* request) const;
    // Shows the text as it stands; owner is the parent of the box when there is no target.
    void Show(const std::string& text, QWidget* owner) const;
    bool IsSet() const { return !Target.isNull(); }

private:
    QPointer<QObject> Target;
};

// Panel 0 of a status bar: a label that fills the bar's left part, made on first use.
QLabel* StatusPanel0(QStatusBar* statusBar);
