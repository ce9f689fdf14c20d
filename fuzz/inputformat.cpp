// Input formats of edits: a format as a window's table gives it, attached to an edit, then
// a text typed into the edit and the edit left, as the user would.
//
// Input: the format, a NUL byte, then the typed text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>

#include "classlib/dialogs.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/bind/editconstraint.h"

namespace {

QApplication* App()
{
    static int argc = 1;
    static char name[] = "fuzz_inputformat";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        auto* a = new QApplication(argc, argv);
        SetMessageResponder([](const MessageRequest&) { return IDOK; });
        return a;
    }();
    return app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    App();
    const auto* nul = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const std::size_t formatLength = nul ? static_cast<std::size_t>(nul - data) : size;
    const std::string format(reinterpret_cast<const char*>(data), formatLength);
    const std::string typed =
        nul ? std::string(reinterpret_cast<const char*>(nul) + 1, size - formatLength - 1) : std::string();

    // The edits live across runs (making widgets costs more than the parse); each run
    // starts from empty edits and a new constraint.
    static QWidget owner;
    static QLineEdit first(&owner);
    static QLineEdit second(&owner);
    first.clear();
    second.clear();
    VhEditConstraint constraint(&owner, true);
    try {
        constraint.AddConstraint(format, &first);
    } catch (const Exception&) {
        return 0;
    }
    try {
        constraint.AddConstraints(format + format, {&first, &second});
    } catch (const Exception&) {
    }
    // Typed one character at a time, then the whole text at once, then the edit left.
    for (std::size_t i = 0; i < typed.size() && i < 8; ++i)
        first.insert(toQt(typed.substr(i, 1)));
    constraint.CheckText(&first);
    first.setText(toQt(typed));
    constraint.CheckText(&first);
    constraint.EditExit(&first);
    constraint.SetAcceptedText(&first, typed);
    constraint.AcceptText(&first);
    constraint.RemoveConstraint(&first);
    return 0;
}
