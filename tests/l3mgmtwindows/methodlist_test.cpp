// Login and enable method list windows: the method-order question with both answers and
// the exact columns of each PDU (Add, Edit, Delete, Edit with "destroy"), the protected
// list "default", the refusals of Add, and a failed set.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/enablemethodlistunit.h"
#include "l3mgmtwindows/loginmethodlistunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Login = "1.3.6.1.4.1.32473.12.5.3.1";
const std::string Enable = "1.3.6.1.4.1.32473.12.5.4.1";
constexpr char LoginMenu[] = "mmiLgnMthdCtrl";
constexpr char EnableMenu[] = "mmiEblMthdCtrl";

// The instance of a list name: its length, then one arc per character.
std::string NameArcs(const std::string& name)
{
    std::string arcs = ".";
    arcs += std::to_string(name.size());
    for (const char c : name) {
        arcs += '.';
        arcs += std::to_string(static_cast<unsigned char>(c));
    }
    return arcs;
}

std::vector<std::string> SetVarbinds()
{
    std::vector<std::string> all;
    for (const auto& pdu : logged("set"))
        for (const std::string& vb : varbinds(pdu))
            all.push_back(vb);
    return all;
}

// The four type boxes (item positions, -1 for none) and the server-group texts.
void FillMethods(TMethodListForm& w, QLineEdit* name, const std::string& listName, const std::array<int, 4>& types,
                 const std::array<const char*, 4>& servers, const std::array<QComboBox*, 4>& typeBoxes,
                 const std::array<QLineEdit*, 4>& serverEdits)
{
    (void)w;
    name->setText(QString::fromStdString(listName));
    for (std::size_t n = 0; n < 4; ++n) {
        typeBoxes[n]->setCurrentIndex(types[n]);
        serverEdits[n]->setText(servers[n]);
    }
}

TEST(MethodListRules, OrderCheckAndDrop)
{
    struct Case {
        std::array<int, 4> types;
        bool fails;
        std::array<int, 4> dropped;
    };
    const Case cases[] = {
        {{5, -1, 3, -1}, true, {5, -1, -1, -1}},  // local, unset, radius
        {{3, 6, -1, -1}, false, {3, 6, -1, -1}},  // radius, none
        {{0, 1, 2, 3}, false, {0, 1, 2, 3}},
        {{6, 5, -1, -1}, true, {6, -1, -1, -1}},  // none, local
        {{-1, -1, -1, -1}, false, {-1, -1, -1, -1}},
        {{0, 4, 5, 0}, true, {0, 4, 5, -1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TMethodListForm::MethodOrderFails(c.types), c.fails);
        std::array<int, 4> types = c.types;
        TMethodListForm::DropMethodsAfterLocalOrNone(types);
        EXPECT_EQ(types, c.dropped);
    }
}

TEST(LoginMethodListWindow, DefaultIsProtectedOnDeleteAndOnEdit)
{
    ASSERT_TRUE(withWindow<TLoginMethodListForm>(LoginMenu, [](TLoginMethodListForm& w) {
        EXPECT_EQ(w.windowTitle().toStdString().rfind("Login Method Control: ", 0), 0u);
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"default", "tacgroup"}));
        EXPECT_EQ(CellByTitle(w.ListView1, 1, "Method1 Type"), "server-group");
        EXPECT_EQ(CellByTitle(w.ListView1, 1, "Method1 ServerGroup"), "radius");
        EXPECT_EQ(w.StaticText1->text(), "2");
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_EQ(w.ComboBoxType1->currentIndex(), -1) << "no method is chosen for the user";
        snapshot(&w, "loginmethodlist");

        selectRow(w.ListView1, 0);
        EXPECT_EQ(w.ListnameEdit->text(), "default");
        EXPECT_EQ(w.ComboBoxType1->currentText(), "local");
        EXPECT_EQ(w.ComboBoxType2->currentIndex(), -1) << "an unset method shows no type";
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.ListnameEdit->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());

        MessageRecorder boxes;
        clearLog();
        w.RunHandler([&w] { w.DeleteButtonClick(); });
        w.RowComboBox->setCurrentIndex(TMethodListForm::DestroyItem);
        w.RunHandler([&w] { w.EditButtonClick(); });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{TMethodListForm::DefaultNotDeleted,
                                                          TMethodListForm::DefaultNotDeleted}));
        EXPECT_TRUE(logged("set").empty());
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 2u);

        selectRow(w.ListView1, 1);
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        selectRow(w.ListView1, -1);
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_TRUE(w.ListnameEdit->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());
    }));
}

TEST(LoginMethodListWindow, AddAsksAboutMethodsAfterLocalAndSendsOnlyTheChosenColumns)
{
    ASSERT_TRUE(withWindow<TLoginMethodListForm>(LoginMenu, [](TLoginMethodListForm& w) {
        const std::string ops = NameArcs("ops");
        const auto fill = [&w](const std::string& name, const std::array<int, 4>& types,
                               const std::array<const char*, 4>& servers) {
            FillMethods(w, w.ListnameEdit, name, types, servers,
                        {w.ComboBoxType1, w.ComboBoxType2, w.ComboBoxType3, w.ComboBoxType4},
                        {w.Server1Edit, w.Server2Edit, w.Server3Edit, w.Server4Edit});
            w.RowComboBox->setCurrentIndex(TMethodListForm::CreateAndGoItem);
        };
        {
            // Local, unset, radius: Yes goes back to the boxes, nothing is sent.
            MessageRecorder yes(IDYES);
            clearLog();
            fill("ops", {5, -1, 3, -1}, {"", "", "g3", ""});
            w.RunHandler([&w] { w.AddButtonClick(); });
            EXPECT_EQ(boxTexts(yes), (std::vector<std::string>{TMethodListForm::MethodOrderQuestion}));
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(w.ListnameEdit->text(), "ops") << "the entries stay for the user to change";
        }
        {
            // No: method 1 and the row status alone.
            MessageRecorder no(IDNO);
            w.RunHandler([&w] { w.AddButtonClick(); });
            EXPECT_EQ(boxTexts(no), (std::vector<std::string>{TMethodListForm::MethodOrderQuestion}));
            EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Login + ".2" + ops + " INTEGER 6",
                                                               Login + ".10" + ops + " INTEGER 4"}));
            // Rows in index order: the name's length first.
            EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"ops", "default", "tacgroup"}));
            EXPECT_TRUE(w.ListnameEdit->text().isEmpty()) << "reset after the write";
            EXPECT_TRUE(w.AddButton->isEnabled());
        }
        {
            // The refusals of Add, in order; none sends anything.
            MessageRecorder boxes;
            clearLog();
            fill("", {3, -1, -1, -1}, {"", "", "", ""});
            w.RunHandler([&w] { w.AddButtonClick(); });
            fill("ops", {3, -1, -1, -1}, {"", "", "", ""});
            w.RunHandler([&w] { w.AddButtonClick(); });
            fill("Ops", {3, -1, -1, -1}, {"", "", "", ""});
            w.RowComboBox->setCurrentIndex(0);
            w.RunHandler([&w] { w.AddButtonClick(); });
            EXPECT_EQ(boxTexts(boxes),
                      (std::vector<std::string>{
                          "AAC Login Method List Name must be set.",
                          "Has already a record with the same Login Method List Name. Please Change Login Method "
                          "List Name.",
                          "Row State must be createAndGo."}));
            EXPECT_TRUE(logged("set").empty());
        }
        {
            // A server-group method names its group; any other type leaves its group out.
            MessageRecorder boxes;
            clearLog();
            const std::string grp = NameArcs("grp");
            fill("grp", {4, 3, -1, -1}, {"radius", "ignored", "", ""});
            w.RunHandler([&w] { w.AddButtonClick(); });
            EXPECT_TRUE(boxes.Shown.empty());
            EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Login + ".2" + grp + " INTEGER 5",
                                                               Login + ".3" + grp + " STRING radius",
                                                               Login + ".4" + grp + " INTEGER 4",
                                                               Login + ".10" + grp + " INTEGER 4"}));

            // Edit of "grp": method 2 becomes none, no question; no row status.
            selectRow(w.ListView1, FindRowByCaption(w.ListView1, "grp"));
            EXPECT_EQ(w.ComboBoxType2->currentText(), "radius");
            w.ComboBoxType2->setCurrentIndex(TMethodListForm::NoneItem);
            clearLog();
            w.RunHandler([&w] { w.EditButtonClick(); });
            EXPECT_TRUE(boxes.Shown.empty());
            EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Login + ".2" + grp + " INTEGER 5",
                                                               Login + ".3" + grp + " STRING radius",
                                                               Login + ".4" + grp + " INTEGER 8"}));
            EXPECT_EQ(CellByTitle(w.ListView1, FindRowByCaption(w.ListView1, "grp"), "Method2 Type"), "none");

            // Edit with "destroy" deletes with the row status alone.
            selectRow(w.ListView1, FindRowByCaption(w.ListView1, "grp"));
            w.RowComboBox->setCurrentIndex(TMethodListForm::DestroyItem);
            clearLog();
            w.RunHandler([&w] { w.EditButtonClick(); });
            EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Login + ".10" + grp + " INTEGER 6"}));

            // Delete likewise.
            selectRow(w.ListView1, FindRowByCaption(w.ListView1, "ops"));
            clearLog();
            w.DeleteButton->click();
            EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Login + ".10" + ops + " INTEGER 6"}));
            EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"default", "tacgroup"}));
            EXPECT_FALSE(w.DeleteButton->isEnabled());
            EXPECT_TRUE(boxes.Shown.empty());
        }
    }));
}

TEST(LoginMethodListWindow, AFailedSetShowsItsErrorAndResetsTheEditors)
{
    ASSERT_TRUE(withWindow<TLoginMethodListForm>(LoginMenu, [](TLoginMethodListForm& w) {
        selectRow(w.ListView1, 1);
        w.ComboBoxType2->setCurrentIndex(3);
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        w.RunHandler([&w] { w.EditButtonClick(); });
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("getnext").empty()) << "no read after a failed write";
        EXPECT_NE(StatusPanel0(w.StatusBar1)->text().toStdString().find("General Error"), std::string::npos)
            << StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_EQ(CellByTitle(w.ListView1, 1, "Method2 Type"), "local") << "the list keeps its rows";
        EXPECT_TRUE(w.ListnameEdit->text().isEmpty());
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());
    }));
}

TEST(EnableMethodListWindow, LocalEnableThenRadiusAsksAndNoSendsMethodOneOnly)
{
    ASSERT_TRUE(withWindow<TEnableMethodForm>(EnableMenu, [](TEnableMethodForm& w) {
        EXPECT_EQ(w.windowTitle().toStdString().rfind("Enable Method Control: ", 0), 0u);
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"default"}));
        EXPECT_EQ(w.ListView1->headerItem()->text(5).toStdString(), "Enable Method3Type");
        snapshot(&w, "enablemethodlist");

        const std::string adm = NameArcs("adm");
        MessageRecorder no(IDNO);
        clearLog();
        FillMethods(w, w.NameEdit, "adm", {5, 3, -1, -1}, {"", "", "", ""},
                    {w.Type1ComboBox, w.Type2ComboBox, w.Type3ComboBox, w.Type4ComboBox},
                    {w.ServerGroupEdit1, w.ServerGroupEdit2, w.ServerGroupEdit3, w.ServerGroupEdit4});
        w.RowComboBox->setCurrentIndex(TMethodListForm::CreateAndGoItem);
        w.AddButton->click();
        EXPECT_EQ(boxTexts(no), (std::vector<std::string>{TMethodListForm::MethodOrderQuestion}));
        EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Enable + ".2" + adm + " INTEGER 7",
                                                           Enable + ".10" + adm + " INTEGER 4"}));
        const int row = FindRowByCaption(w.ListView1, "adm");
        ASSERT_GE(row, 0);
        EXPECT_EQ(CellByTitle(w.ListView1, row, "Enable Method1 Type"), "local-enable");

        // The default list is protected here too; "adm" goes.
        no.Shown.clear();
        selectRow(w.ListView1, FindRowByCaption(w.ListView1, "default"));
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        w.RowComboBox->setCurrentIndex(TMethodListForm::DestroyItem);
        clearLog();
        w.EditButton->click();
        EXPECT_EQ(boxTexts(no), (std::vector<std::string>{TMethodListForm::DefaultNotDeleted}));
        selectRow(w.ListView1, FindRowByCaption(w.ListView1, "adm"));
        w.DeleteButton->click();
        EXPECT_EQ(SetVarbinds(), (std::vector<std::string>{Enable + ".10" + adm + " INTEGER 6"}));
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"default"}));
    }));
}

} // namespace
