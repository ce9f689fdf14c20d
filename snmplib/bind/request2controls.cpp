#include "snmplib/bind/request2controls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>

#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/expression.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"
#include "snmplib/subfield.h"
#include "snmplib/textforms.h"

namespace {

const char* const TimeFormat = "hh:nn:ss ampm";

std::string OkText() { return VhSnmpMsgTable.Text(0); }

// The code and text of whatever a handler raised; a failure never reads as code 0 (the
// class library's conversion error carries none).
void Describe(const std::exception& e, VhSNMPError& error)
{
    const auto* library = dynamic_cast<const Exception*>(&e);
    error.Code = library && library->HelpContext != VHSNMP_OK ? library->HelpContext : VHSNMP_ERR_UNKNOWN;
    error.Message = e.what();
    error.EndOfData = 1;
}

// Runs fn from the message loop, after the current handler has returned.
void Later(std::function<void()> fn)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

// Adds a result line to a memo so that it reads from its start: in a narrow memo a long
// line wraps into more lines than show, and the view goes back to its first one.
void AppendLine(QPlainTextEdit* memo, const QString& line)
{
    memo->appendPlainText(line);
    memo->setTextCursor(QTextCursor(memo->document()->lastBlock()));
    memo->ensureCursorVisible();
}

} // namespace

void SetPlainText(QLabel* label, const QString& text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
}

void PostMessageBox(QWidget* owner, const std::string& text)
{
    Later([owner = QPointer<QWidget>(owner), text] { MessageBoxA(owner, text, ExecutableFileName(), MB_OK); });
}

void PostException(const std::string& message)
{
    Later([message] { ShowException(message); });
}

// ---- Construction ---------------------------------------------------------------------

VhSNMPRequest2Controls::VhSNMPRequest2Controls(QWidget* owner) : Owner(owner) {}

VhSNMPRequest2Controls::~VhSNMPRequest2Controls()
{
    Busy = 0;
    Alive.reset();
    Request.Enabled = 0;
}

void VhSNMPRequest2Controls::SetMessageTarget(QPlainTextEdit* memo) { MessageTarget = memo; }
void VhSNMPRequest2Controls::SetMessageTarget(QStatusBar* statusBar) { MessageTarget = statusBar; }
void VhSNMPRequest2Controls::SetMessageTarget(QLabel* statusPanel) { MessageTarget = statusPanel; }

OctetStr VhSNMPRequest2Controls::TextToOctets(const std::string& text, unsigned code)
{
    return ::TextToOctets(text, code);
}

OctetStr VhSNMPRequest2Controls::SubField(const OctetStr& octets, int32_t offset, unsigned code)
{
    return ::SubField(octets, offset, code);
}

std::string VhSNMPRequest2Controls::OctetsToText(const OctetStr& octets, unsigned code)
{
    return ::OctetsToText(octets, code);
}

bool VhSNMPRequest2Controls::IsTableList() const
{
    return Request.VarList.ListType == MVT_FMV || Request.VarList.ListType == MVT_UMV;
}

// ---- Result lines ---------------------------------------------------------------------

void VhSNMPRequest2Controls::ShowMessage(const std::string& text)
{
    QObject* target = MessageTarget;
    if (!target)
        return;
    std::string line = ResultMsgTable.Text(LastOp);
    const std::size_t e = line.find("[ERROR]");
    const std::size_t v = line.find("[VARLIST]");
    const std::string& caption = Request.VarList.Caption;
    if (caption.empty()) {
        // Without a caption the part from behind "[ERROR]" up to "[VARLIST]" goes.
        if (e != std::string::npos && v != std::string::npos && e <= v)
            line.erase(e + 7, v - e + 2);
    } else {
        line = ReplaceAll(line, "[VARLIST]", caption);
    }
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", FormatDateTime(TimeFormat, Now()));

    if (auto* memo = qobject_cast<QPlainTextEdit*>(target))
        AppendLine(memo, toQt(line));
    else if (auto* bar = qobject_cast<QStatusBar*>(target))
        bar->showMessage(toQt(line));
    else if (auto* panel = qobject_cast<QLabel*>(target))
        SetPlainText(panel, toQt(line));
}

void VhSNMPRequest2Controls::Report(const std::string& message)
{
    if (MessageTarget)
        ShowMessage(message);
    else
        PostMessageBox(Owner, message);
}

void VhSNMPRequest2Controls::OnGetError(VhSNMPError* error)
{
    LastOp = VHSNMP_LAST_GET;
    Report(error->Message);
}

void VhSNMPRequest2Controls::OnSetError(VhSNMPError* error)
{
    LastOp = VHSNMP_LAST_SET;
    Report(error->Message);
}

// ---- Items left out of a set ----------------------------------------------------------

void VhSNMPRequest2Controls::LeaveOut(int item)
{
    VhSNMPVarItem* it = Request.VarList.GetItem(item);
    if (it->Access & SNMP_ACCESS_INVALID)
        return;
    it->Access |= SNMP_ACCESS_INVALID;
    LeftOut.push_back(item);
}

void VhSNMPRequest2Controls::RestoreLeftOut()
{
    for (int item : LeftOut)
        if (item < Request.VarList.Count())
            Request.VarList.GetItem(item)->Access &= ~SNMP_ACCESS_INVALID;
    LeftOut.clear();
}

// ---- Row test -------------------------------------------------------------------------

std::string VhSNMPRequest2Controls::RowFilterText()
{
    if (!FilterSource || RowFilter.empty())
        return {};
    return FilterSource->ExpandExpression(RowFilter, true, "#");
}

bool VhSNMPRequest2Controls::RowAccepted(const std::string& filter)
{
    return Request.Evaluate(filter) && Request.MatchFilter();
}

// ---- Get ------------------------------------------------------------------------------

VhSNMPCompletion VhSNMPRequest2Controls::Completion(void (VhSNMPRequest2Controls::*reply)(const VhSNMPError&))
{
    // The request is a member: once this object goes, no reply calls it.
    return VhSNMPCompletion([this, reply](const VhSNMPError& error, VhSNMPVarList&) { (this->*reply)(error); });
}

bool VhSNMPRequest2Controls::EndGet(int op)
{
    if (op != VHSNMP_LAST_GET)
        return true;
    const std::weak_ptr<int> alive = Alive;
    GetEnded();
    return !alive.expired();
}

bool VhSNMPRequest2Controls::Conclude(int op)
{
    const std::weak_ptr<int> alive = Alive;
    if (!EndGet(op))
        return false;
    if (op == VHSNMP_LAST_GET)
        AfterGet();
    else
        AfterSet();
    if (alive.expired())
        return false;
    Busy = 0;
    LastOp = op;
    if (MessageTarget)
        ShowMessage(OkText());
    return true;
}

bool VhSNMPRequest2Controls::RunSync(int op, const std::function<void()>& exchange)
{
    const std::weak_ptr<int> alive = Alive;
    Busy = 1;
    try {
        exchange();
        if (alive.expired() || !Conclude(op))
            return false;
    } catch (...) {
        if (!alive.expired() && EndGet(op))
            Busy = 0;
        throw;
    }
    return true;
}

void VhSNMPRequest2Controls::StartAsync(const std::function<void()>& send)
{
    Busy = 1;
    if (!Request.Enabled) {
        Busy = 0;
        return;
    }
    try {
        send();
    } catch (...) {
        Busy = 0;
        throw;
    }
}

void VhSNMPRequest2Controls::Get()
{
    const std::weak_ptr<int> alive = Alive;
    LastOp = VHSNMP_LAST_GET;
    RestoreLeftOut();
    BeforeGet();
    if (alive.expired())
        return;
    const std::string filter = RowFilterText();
    RowsRead = 0;

    if (Mode == VHSNMP_MODE_SYNC) {
        RunSync(VHSNMP_LAST_GET, [&] {
            if (!IsTableList()) {
                Request.Get(true);
                if (RowAccepted(filter))
                    ShowRow();
                return;
            }
            // ShowRow lets messages run: a handler may delete this object meanwhile.
            for (bool first = true; Request.Get(first); first = false) {
                if (!RowWithinBound())
                    RaiseSnmpError(VHSNMP_ERR_TOO_MANY_ROWS);
                if (RowAccepted(filter)) {
                    ShowRow();
                    if (alive.expired())
                        return;
                }
            }
        });
    } else if (Mode == VHSNMP_MODE_ASYNC) {
        StartAsync([&] { Request.GetAsync(Completion(&VhSNMPRequest2Controls::GetReply), true); });
    }
}

void VhSNMPRequest2Controls::Fire(const TSNMPCompleteEvent& event, VhSNMPError* error)
{
    if (!event)
        return;
    const TSNMPCompleteEvent handler = event; // the handler may replace the event or delete this
    try {
        handler(this, error);
    } catch (const std::exception& e) {
        PostException(e.what());
    }
}

void VhSNMPRequest2Controls::Failed(int op, VhSNMPError& error)
{
    const std::weak_ptr<int> alive = Alive;
    if (!EndGet(op))
        return;
    Busy = 0;
    try {
        if (op == VHSNMP_LAST_GET)
            OnGetError(&error);
        else
            OnSetError(&error);
    } catch (const std::exception& e) {
        PostException(e.what());
    }
    if (!alive.expired())
        Fire(op == VHSNMP_LAST_GET ? OnGetComplete : OnSetComplete, &error);
}

void VhSNMPRequest2Controls::Abort(int op, const std::exception& e, VhSNMPError& error)
{
    // The exchange ends here; the window hears of it like of any other ending.
    if (!EndGet(op))
        return;
    Busy = 0;
    LastOp = op;
    Describe(e, error);
    Report(error.Message);
    Fire(op == VHSNMP_LAST_GET ? OnGetComplete : OnSetComplete, &error);
}

bool VhSNMPRequest2Controls::Succeeded(int op, VhSNMPError& error)
{
    const std::weak_ptr<int> alive = Alive;
    try {
        if (!Conclude(op))
            return false;
    } catch (const std::exception& e) {
        if (!alive.expired())
            Abort(op, e, error);
        return false;
    }
    Fire(op == VHSNMP_LAST_GET ? OnGetComplete : OnSetComplete, &error);
    return !alive.expired();
}

bool VhSNMPRequest2Controls::RowWithinBound() { return MaxRows <= 0 || ++RowsRead <= MaxRows; }

void VhSNMPRequest2Controls::GetReply(const VhSNMPError& reply)
{
    VhSNMPError error = reply;
    if (error.Code == VHSNMP_OK && IsTableList() && !error.EndOfData && !RowWithinBound()) {
        error.Code = VHSNMP_ERR_TOO_MANY_ROWS;
        error.Message = SnmpErrorText(error.Code);
        error.EndOfData = 1;
    }
    if (error.Code != VHSNMP_OK) {
        Failed(VHSNMP_LAST_GET, error);
        return;
    }
    const std::weak_ptr<int> alive = Alive;
    try {
        const std::string filter = RowFilterText();
        const bool row = !IsTableList() || !error.EndOfData;
        if (row && RowAccepted(filter)) {
            ShowRow();
            if (alive.expired())
                return;
        }
        if (IsTableList() && row && Request.Enabled) {
            Request.GetAsync(Completion(&VhSNMPRequest2Controls::GetReply), false);
            return; // still busy: the walk goes on
        }
    } catch (const std::exception& e) {
        if (!alive.expired())
            Abort(VHSNMP_LAST_GET, e, error);
        return;
    }
    Succeeded(VHSNMP_LAST_GET, error);
}

// ---- Set ------------------------------------------------------------------------------

void VhSNMPRequest2Controls::Set(bool refreshAfterSet, bool fromControls, const std::string& itemList,
                                 const void* valueSource)
{
    const std::weak_ptr<int> alive = Alive;
    LastOp = VHSNMP_LAST_SET;
    RefreshAfterSet = refreshAfterSet;
    // Items that ControlsToVarList leaves out are back in the list once the set is sent.
    struct Restore {
        VhSNMPRequest2Controls* Self;
        const std::weak_ptr<int>& Alive;
        ~Restore()
        {
            if (!Alive.expired())
                Self->RestoreLeftOut();
        }
    };

    bool refresh = false;
    {
        const Restore restore{this, alive};
        BeforeSet();
        if (alive.expired())
            return;
        if (fromControls)
            ControlsToVarList();
        if (alive.expired())
            return;
        if (Mode == VHSNMP_MODE_SYNC)
            refresh = RunSync(VHSNMP_LAST_SET, [&] { Request.Set(false, itemList, valueSource); }) && IsTableList() &&
                      RefreshAfterSet;
        else if (Mode == VHSNMP_MODE_ASYNC)
            StartAsync([&] {
                Request.SetAsync(Completion(&VhSNMPRequest2Controls::SetReply), false, itemList, valueSource);
            });
    }
    if (refresh)
        Get();
}

void VhSNMPRequest2Controls::SetReply(const VhSNMPError& reply)
{
    VhSNMPError error = reply;
    if (error.Code != VHSNMP_OK) {
        Failed(VHSNMP_LAST_SET, error);
        return;
    }
    if (!Succeeded(VHSNMP_LAST_SET, error) || error.Code != VHSNMP_OK || !IsTableList() || !RefreshAfterSet)
        return;
    // The refresh runs inside this reply: a failure to start it cannot reach a caller, so
    // it ends like a failed get.
    const std::weak_ptr<int> alive = Alive;
    try {
        Get();
    } catch (const std::exception& e) {
        if (alive.expired())
            return;
        VhSNMPError failed;
        Describe(e, failed);
        Failed(VHSNMP_LAST_GET, failed);
    }
}
