#pragma once
// The AAA method list window: the named lists of up to four authentication methods that
// the switch tries in order (login lists, enable lists), one row per list, indexed by the
// list name. The list view sits on top and the editors below it: a name, four method
// types with their server groups, and the row status.
//
// Opened from the main menu (owner: the application); the window captions itself, then the
// menu handler's caption replaces it. One synchronous request: every handler has finished
// its exchange (write, then read) when it returns, and a failure shows in panel 0 of the
// status bar, as do the result lines. After every refresh and every write the editors
// return to the New state (name edit and Add enabled, Edit and Delete disabled, the name
// and server-group edits emptied).
//
// Add creates a list (createAndGo); Edit writes the methods of the selected list, or
// deletes it when its row status shows "destroy"; Delete deletes the selected list. A
// delete carries the row status alone. The list "default" is never deleted. Methods after
// a "local" (or "local-enable") or "none" method are never tried: the window asks before
// it writes such a list, and leaves them out on request.
//
// A window is a thin class that hands its TMethodList (descriptor table and texts) and its
// controls to this class.
#include <array>
#include <string>

#include "dedicated/dedicatedform.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// What differs between the login and the enable method list windows.
struct TMethodList {
    const VhSNMPObjectDesc* Table = nullptr; // name, then type and server group of methods 1-4, status
    const char* Title = nullptr;             // the window's own caption
    const char* NameMissing = nullptr;       // Add and Edit without a name
    const char* Duplicate = nullptr;         // Add of a name that a row has
};

// The window's controls, as its form names them.
struct TMethodListControls {
    QTreeWidget* List = nullptr;
    QLineEdit* Name = nullptr;
    std::array<QComboBox*, 4> Types{};
    std::array<QLineEdit*, 4> Servers{};
    QComboBox* Row = nullptr;
    QPushButton* Get = nullptr;
    QPushButton* Edit = nullptr;
    QPushButton* Add = nullptr;
    QPushButton* Delete = nullptr;
    QLabel* Count = nullptr;
    QStatusBar* Status = nullptr;
};

class TMethodListForm : public TDedicatedForm {
    Q_OBJECT
public:
    TMethodListForm(QWidget* owner, const TMethodList& config);

    // Columns of the table.
    enum Column { Name = 0, StatusColumn = 9 };
    static int TypeColumn(int method) { return 1 + 2 * method; }   // method 0..3
    static int ServerColumn(int method) { return 2 + 2 * method; } // method 0..3

    // Item positions of the type and status boxes.
    static constexpr int LocalItem = 5;
    static constexpr int NoneItem = 6;
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;

    static constexpr char ProtectedList[] = "default";
    static constexpr char MethodOrderQuestion[] =
        "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
    static constexpr char DefaultNotDeleted[] = "The method list \"default\" can not be deleted.";

    TWindowRequest* Request = nullptr;

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

    // The item position of each method's type box, -1 where it shows none.
    std::array<int, 4> ReadMethodTypes() const;
    // True when a method is set after a "local"/"none" one.
    static bool MethodOrderFails(const std::array<int, 4>& types);
    // Every method after the first "local"/"none" one becomes unset.
    static void DropMethodsAfterLocalOrNone(std::array<int, 4>& types);

protected:
    // The thin class gives its controls once its form is loaded.
    void UseControls(const TMethodListControls& controls);
    void FormCreate() override;

private:
    void Reset();
    void ClearEditors();
    // The method-order question: false when the user wants to change the boxes; otherwise
    // the methods after a local or none method are dropped from types.
    bool AskMethodOrder(std::array<int, 4>& types);
    // Writes the chosen methods (an edit: of the selected row, without its row status),
    // then reads the table again; nothing when the user wants to change the boxes first.
    void WriteMethods(bool edit);
    // Leaves out the columns of the methods not to be written.
    void SelectMethodColumns(TColumnMask& mask, const std::array<int, 4>& types) const;
    void DeleteSelected();
    void Failed(const std::exception& e);

    const TMethodList& Config;
    TMethodListControls C;
};
