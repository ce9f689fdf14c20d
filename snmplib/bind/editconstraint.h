#pragma once
// Input formats of edits: "%" + type (f float, h hex string, i signed integer, s string,
// u unsigned integer, n<delimiter> delimited list of unsigned numbers), optionally followed
// by "{" items "}": n<min> x<max> l<len>[a f n] w<width> e<char>. For example
// "%i{n1x65535l5}" (an integer 1..65535 of at most 5 characters) or "%n.{l4fx255}" (exactly
// four numbers 0..255 separated by full stops).
//
// VhEditConstraint watches the edits it is given: while the user types, characters the type
// does not allow are removed with a beep, and the focus moves on by itself on the exit
// character or, with "a", when the length is reached; when the user leaves an edit, its
// value is tested against the bounds, length or count, and a failure shows a message, puts
// back the last accepted text and returns the focus to the edit.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>
#include <QString>

#include "classlib/events.h"

class QLineEdit;
class QWidget;

// Length flags.
constexpr uint16_t ECF_AUTOADVANCE = 1; // "a": move on when the length is reached
constexpr uint16_t ECF_FIXED = 2;       // "f": the length is exact
constexpr uint16_t ECF_NOTEMPTY = 4;    // "n": an empty value is refused

// One edit's constraint.
struct _EditConstraint_s {
    QPointer<QLineEdit> Edit; // not owned; null once the edit is gone
    char Type = 0;            // 'f', 'h', 'i', 's', 'u' or 'n'
    char Delimiter = 0;       // type 'n' only
    double Minimum = 0;
    double Maximum = 0;
    int32_t Length = 0;       // characters (h, s, f, i, u) or count of numbers (n); 0: none
    uint16_t LengthFlags = 0; // ECF_*
    char ExitChar = 0;        // 0: none
    std::string AcceptedText; // the last text that passed the exit check (bytes)
    QString ShownInPart;      // a value from the switch shown in part (request2edits.h); none: empty
    TNotifyHook ChangeHook;   // keeps the edit's previous change handler
    TNotifyHook ExitHook;     // keeps the edit's previous exit handler
};

class VhEditConstraint {
public:
    VhEditConstraint(QWidget* owner, bool saveText);
    // Frees the records; every edit still there gets its own handlers back.
    ~VhEditConstraint();
    VhEditConstraint(const VhEditConstraint&) = delete;
    VhEditConstraint& operator=(const VhEditConstraint&) = delete;

    // Parses the format and attaches it to the edit (replacing the edit's record, if any).
    // A bad format raises Exception(message 2, -2) and changes nothing.
    void AddConstraint(const std::string& format, QLineEdit* edit);
    // One format per "%" of the text, the k-th for the k-th control; controls that are not
    // edits get none (their format is still checked).
    void AddConstraints(const std::string& formats, const std::vector<QWidget*>& controls);
    // Gives the edit back its handlers and drops its record; no record: nothing.
    void RemoveConstraint(QLineEdit* edit);
    _EditConstraint_s* FindConstraint(const QObject* edit) const;
    // The record's accepted text becomes the edit's text.
    void AcceptText(QLineEdit* edit);
    // The text becomes the edit's accepted text (call it whenever the edit is filled with a
    // value, so that a failed check puts that value back). False without a record.
    bool SetAcceptedText(QLineEdit* edit, const std::string& text);
    // The edit shows a value from the switch in part, as shown (empty: no longer). That text
    // is not the user's: it is neither filtered nor checked, like a place-holder, though the
    // window's change handler still runs. False without a record.
    bool SetShownInPart(QLineEdit* edit, const QString& shown);
    void SetOwner(QWidget* owner) { Owner = owner; }
    QWidget* GetOwner() const { return Owner; }

    // The message that leaving the edit would show for its present text (a character the
    // type does not allow counts as a value out of range); "" when the text passes, when
    // the edit has no record, and for a place-holder text. Shows nothing.
    std::string CheckText(const QLineEdit* edit) const;

    // The installed handlers.
    void EditChange(QObject* sender);
    void EditExit(QObject* sender);

private:
    static std::unique_ptr<_EditConstraint_s> Parse(const std::string& format, int& width);
    // The message of the failed exit check, or the empty text when the text passes.
    static std::string ExitCheck(const _EditConstraint_s& rec, const std::string& text);

    QPointer<QWidget> Owner;
    bool SaveText;
    std::vector<std::unique_ptr<_EditConstraint_s>> Records;
    // Expires with the object: handlers that call out check it before going on.
    std::shared_ptr<int> Alive = std::make_shared<int>(0);
};

// base raised to exponent, wrapping at 32 bits; 1 for the exponent 0.
uint32_t IntPower(uint32_t base, uint32_t exponent);
