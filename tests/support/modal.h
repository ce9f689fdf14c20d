#pragma once
// Runs a modal window from a test: the call that opens it (a menu item, a button, exec())
// runs the window's own message loop, so the checks run from a watch inside that loop, never
// inside a handler that pumps messages.
#include <functional>
#include <string>
#include <vector>

class QDialog;
class QTreeWidget;

namespace trqtest {

// How long withModal lets a window get ready, in ms: a ceiling, never a wait. A walk of some
// hundred rows takes tens of seconds in the sanitizer build on a machine busy with other tests.
inline constexpr int ModalReadyWithin = 60000;

// Calls open() and runs inside() with the modal window it shows, once ready(window) holds
// or readyWithin ms have passed since the window showed; true when a window opened and
// open() returned. A window inside() leaves open is closed.
bool withModal(const std::function<void()>& open, const std::function<void(QDialog* window)>& inside,
               const std::function<bool(QDialog* window)>& ready, int readyWithin = ModalReadyWithin);

// The first row of view whose leading columns read keys, or -1.
int rowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys);

} // namespace trqtest
