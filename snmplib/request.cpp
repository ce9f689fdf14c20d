#include "snmplib/request.h"

#include <algorithm>
#include <span>

#include "platform/exception.h"
#include "snmplib/engine/address.h"
#include "snmplib/engine/pdu.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/engine/target.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"
#include "snmplib/utils.h"

namespace {

// How long the destructor lets outstanding replies arrive.
constexpr int PendingWaitMs = 6000;

const char* const NotDone = "(NOTDONE)";

bool IsTable(uint8_t listType) { return listType == MVT_FMV || listType == MVT_UMV; }

// The agent's address from its text. Windows send request after request to the same
// agent: its text is read again only when it changes (a host name is resolved once in
// the process whatever happens, so the address of a text never changes).
const IpAddress& AgentAddress(const std::string& text)
{
    static std::string lastText;
    static IpAddress last;
    static bool known = false;
    if (!known || text != lastText) {
        last = IpAddress(text);
        lastText = text;
        known = true;
    }
    return last;
}

Snmp& RequireSession()
{
    Snmp* engine = VhSNMPSession();
    if (!engine)
        RaiseSnmpError(VHSNMP_ERR_CREATE_SESSION);
    return *engine;
}

// The library code of an engine status that is a failure in itself (a send status, or
// a completion reason other than a response): never 0.
void FailureCode(int status, int32_t& code, std::string& message)
{
    int c = 0;
    TranslateSnmpStatus(status, c, message);
    if (c == VHSNMP_OK)
        TranslateSnmpStatus(SNMP_CLASS_ERROR, c, message);
    code = c;
}

[[noreturn]] void RaiseStatus(int status)
{
    int32_t code = 0;
    std::string message;
    FailureCode(status, code, message);
    throw Exception(message, code);
}

// The access flags and value texts of a list, put back when the scope ends however it
// ends: a set changes both on the way to the PDU.
class SavedValues {
public:
    explicit SavedValues(VhSNMPVarList& list) : List(list)
    {
        for (const auto& item : list.Items)
            Saved.emplace_back(item->Access, item->Value);
    }
    ~SavedValues()
    {
        const std::size_t n = std::min(Saved.size(), List.Items.size());
        for (std::size_t i = 0; i < n; ++i) {
            List.Items[i]->Access = Saved[i].first;
            List.Items[i]->Value = std::move(Saved[i].second);
        }
    }
    SavedValues(const SavedValues&) = delete;
    SavedValues& operator=(const SavedValues&) = delete;

private:
    VhSNMPVarList& List;
    std::vector<std::pair<unsigned, std::string>> Saved;
};

} // namespace

// ---- Construction and defaults --------------------------------------------------------

VhSNMPRequest::VhSNMPRequest()
{
    Timeout = VhSNMPDefaults.Timeout;
    LoadDefaults();
}

VhSNMPRequest::~VhSNMPRequest()
{
    Enabled = 0;
    // From here on a reply only settles its exchange: the variable list is not written
    // and no completion is called.
    Destroying = true;
    // Replies still on their way arrive while messages run. The wait pumps the engine
    // itself, so it also ends when it runs inside a completion (the event timer is idle
    // then).
    PumpWhile([this] { return Pending >= 1 && !Outstanding.empty(); }, PendingWaitMs);
    // What has not come by now never reaches this object.
    Snmp* engine = VhSNMPSession();
    for (auto& [id, block] : Outstanding) {
        if (engine)
            engine->cancel(id);
        delete block;
    }
    Outstanding.clear();
    Pending = 0;
}

void VhSNMPRequest::LoadDefaults()
{
    Device = VhSNMPDefaults.Device;
    Scope = VhSNMPDefaults.Scope;
    Security = VhSNMPDefaults.Security;
    Timeout = VhSNMPDefaults.Timeout;
}

std::string VhSNMPRequest::BaseOid(int itemIndex) const
{
    const VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    return VarList.Suffix.empty() ? item->Oid : item->Oid + "." + VarList.Suffix;
}

// ---- Target and PDU -------------------------------------------------------------------

std::unique_ptr<SnmpTarget> VhSNMPRequest::MakeTarget()
{
    const UdpAddress address(AgentAddress(Device.Address), Device.Port);
    if (!address.valid())
        RaiseSnmpError(VHSNMP_ERR_BAD_ADDRESS);
    const int retries = Retries;
    const unsigned long timeout = static_cast<unsigned long>(std::max<int32_t>(Timeout, 0));

    if (Security.Version == version3) {
        auto user = std::make_unique<UTarget>(address);
        user->set_version(version3);
        user->set_retry(retries);
        user->set_timeout(timeout);
        user->set_security_model(Security.SecurityModel);
        user->set_security_name(OctetStr(Security.SecurityName));
        const int registered = usmAddUserName(OctetStr(Security.SecurityName), Security.AuthProtocol,
                                              Security.PrivProtocol, OctetStr(Security.AuthPassword),
                                              OctetStr(Security.PrivPassword));
        // A user the engine refuses (a protocol it does not know, a pass phrase too short)
        // is named as such; nothing is sent. Without authentication no key is used.
        if (registered != SNMPv3_USM_OK && Security.SecurityLevel != SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
            RaiseStatus(registered);
        return user;
    }
    auto community = std::make_unique<CTarget>(address);
    community->set_version(static_cast<snmp_version>(Security.Version));
    community->set_retry(retries);
    community->set_timeout(timeout);
    community->set_readcommunity(OctetStr(Security.ReadCommunity));
    community->set_writecommunity(OctetStr(Security.WriteCommunity));
    return community;
}

void VhSNMPRequest::BuildPdu(int mode, Pdu& pdu)
{
    pdu.set_security_level(Security.SecurityLevel);
    pdu.set_context_name(OctetStr(Scope.ContextName));
    pdu.set_context_engine_id(OctetStr(Scope.ContextEngineID));

    const uint8_t type = VarList.ListType;
    pdu.reserve(VarList.Count());
    for (int i = 0; i < VarList.Count(); ++i) {
        VhSNMPVarItem* item = VarList.GetItem(i);
        if (mode == 2) {
            if ((IsTable(type) && i < VarList.KeyCount) || !VarList.IsWritable(i))
                continue;
            std::string oid;
            switch (type) {
            case SVT_SV: oid = BaseOid(i) + ".0"; break;
            case MVT_SV: oid = BaseOid(i); break;
            case MVT_FMV:
            case MVT_UMV: oid = BaseOid(i) + "." + GetIndexString(); break;
            default: RaiseSnmpError(VHSNMP_ERR_BAD_LIST_TYPE);
            }
            Vb vb{Oid(oid)};
            vb.set_syntax(item->Syntax);
            TextToVb(i, vb);
            pdu += vb;
            continue;
        }
        if (!VarList.IsReadable(i))
            continue;
        if (mode == 0) {
            item->Instance.clear();
            pdu += Vb(Oid(type == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i)));
        } else {
            if (type == SVT_SV || type == MVT_SV)
                RaiseSnmpError(VHSNMP_ERR_GETNEXT_SINGLE);
            // A column that has shown no value yet (a hole in the first row) asks from
            // its start again.
            pdu += Vb(item->Instance.empty() ? Oid(BaseOid(i)) : InstanceArcs(i));
        }
    }
}

const Oid& VhSNMPRequest::InstanceArcs(int itemIndex)
{
    const std::string& text = VarList.GetItem(itemIndex)->Instance;
    if (Instances.size() < static_cast<std::size_t>(VarList.Count()))
        Instances.resize(static_cast<std::size_t>(VarList.Count()));
    ParsedInstance& parsed = Instances[static_cast<std::size_t>(itemIndex)];
    if (parsed.Text != text) {
        parsed.Text = text;
        parsed.Arcs = Oid(text);
    }
    return parsed.Arcs;
}

int VhSNMPRequest::ReadOperation() const
{
    switch (VarList.ListType) {
    case SVT_SV: return sNMP_PDU_GET;
    case MVT_SV: return GetNextMode ? sNMP_PDU_GETNEXT : sNMP_PDU_GET;
    case MVT_FMV:
    case MVT_UMV: return sNMP_PDU_GETNEXT;
    default: RaiseSnmpError(VHSNMP_ERR_BAD_LIST_TYPE);
    }
}

// ---- Storing a read's reply -----------------------------------------------------------

VhSNMPRequest::Stored VhSNMPRequest::StoreReply(const Pdu& pdu, int code)
{
    // A walk stores a row per reply: the work lists and texts below keep their storage from
    // one row to the next.
    std::vector<int>& readable = Walk.Readable; // varbind j of the reply answers item readable[j]
    readable.clear();
    for (int i = 0; i < VarList.Count(); ++i)
        if (VarList.IsReadable(i))
            readable.push_back(i);
    const int n = static_cast<int>(readable.size());

    if (code == VHSNMP_ERR_NO_SUCH_NAME) {
        // SNMPv1 at the end of the MIB view answers noSuchName with the varbinds as sent:
        // the walk is over. Anything else (a first read, whose instances are cleared) fails.
        if (n > 0 && pdu.get_vb_count() > 0 &&
            VarList.GetItem(readable[0])->Instance == pdu[0].get_printable_oid())
            return Stored::EndOfWalk;
        RaiseSnmpError(VHSNMP_ERR_NO_SUCH_NAME);
    }
    // A get or get-next is answered with one varbind per varbind asked, never more or fewer.
    if (pdu.get_vb_count() != n)
        RaiseSnmpError(VHSNMP_ERR_INVALID_PDU);
    if (n == 0)
        return Stored::Done;

    if (!IsTable(VarList.ListType)) {
        for (int j = 0; j < n; ++j) {
            VbToText(readable[j], pdu[j]);
            VarList.GetItem(readable[j])->Instance = pdu[j].get_printable_oid();
        }
        for (int i = 0; i < VarList.Count(); ++i)
            ConvertValue(i, true);
        return Stored::Done;
    }

    // A table row. Each column's reply is inside the column (with its instance: the arcs
    // after the column's) or past its end. A reply that is not after the OID asked (stuck,
    // backwards) fails the read, and so does the end of the agent's view in a column while
    // the walk reads a later one: the agent's view holds that one, so this column cannot
    // be at its end. Either way the walk ends, and says why.
    for (int j = 0; j < n; ++j) {
        const Vb& vb = pdu[j];
        const VhSNMPVarItem* item = VarList.GetItem(readable[j]);
        if (vb.get_syntax() == sNMP_SYNTAX_ENDOFMIBVIEW) {
            const ColumnBase& base = BaseOf(readable[j]);
            for (int k = 0; k < n; ++k)
                if (BaseOf(readable[k]).Arcs > base.Arcs)
                    RaiseSnmpError(VHSNMP_ERR_NOT_INCREASING);
        } else if (!(vb.get_oid() > (item->Instance.empty() ? BaseOf(readable[j]).Arcs : InstanceArcs(readable[j])))) {
            RaiseSnmpError(VHSNMP_ERR_NOT_INCREASING);
        }
    }
    if (Walk.Columns.size() < static_cast<std::size_t>(n))
        Walk.Columns.resize(static_cast<std::size_t>(n));
    int row = -1; // the column whose instance is the smallest
    int past = 0;
    const auto instanceOf = [&pdu](const WalkColumn& c, int j) {
        const Oid& got = pdu[j].get_oid();
        return std::span<const SmiUINT32>(got.arcs().data() + c.Skip, got.len() - c.Skip);
    };
    for (int j = 0; j < n; ++j) {
        const VhSNMPVarItem* item = VarList.GetItem(readable[j]);
        const ColumnBase& base = BaseOf(readable[j]);
        WalkColumn& c = Walk.Columns[static_cast<std::size_t>(j)];
        c.Received.clear();
        const Oid& got = pdu[j].get_oid();
        got.append_printable(c.Received);
        c.Past = true;
        // Every reply but endOfMibView is after the OID asked (checked above).
        if (pdu[j].get_syntax() != sNMP_SYNTAX_ENDOFMIBVIEW && !IsPastColumn(base.Text, item->Instance, c.Received) &&
            got.len() > base.Arcs.len() && got.nCompare(base.Arcs.len(), base.Arcs) == 0) {
            c.Skip = base.Arcs.len();
            c.Past = false;
        }
        if (c.Past) {
            ++past;
            VarList.GetItem(readable[j])->Value = NotDone;
        } else if (row < 0 || std::ranges::lexicographical_compare(instanceOf(c, j),
                                                                   instanceOf(Walk.Columns[static_cast<std::size_t>(row)], row))) {
            row = j;
        }
    }
    if (past == n)
        return Stored::Done;

    // The row is the smallest instance; a column whose reply lies beyond it has no value
    // in this row and asks from the same place again.
    const std::span<const SmiUINT32> rowArcs = instanceOf(Walk.Columns[static_cast<std::size_t>(row)], row);
    std::string& rowInstance = Walk.RowInstance;
    rowInstance.clear();
    Oid::append_printable(rowArcs, rowInstance);
    std::vector<char>& received = Walk.Received;
    received.assign(static_cast<std::size_t>(VarList.Count()), 0);
    if (Instances.size() < static_cast<std::size_t>(VarList.Count()))
        Instances.resize(static_cast<std::size_t>(VarList.Count()));
    for (int j = 0; j < n; ++j) {
        VhSNMPVarItem* item = VarList.GetItem(readable[j]);
        WalkColumn& c = Walk.Columns[static_cast<std::size_t>(j)];
        if (c.Past) {
            item->Instance.assign(BaseOf(readable[j]).Text);
            item->Instance += '.';
            item->Instance += rowInstance;
        } else if (std::ranges::equal(instanceOf(c, j), rowArcs)) {
            VbToText(readable[j], pdu[j]);
            item->Instance.assign(c.Received);
            ParsedInstance& parsed = Instances[static_cast<std::size_t>(readable[j])];
            parsed.Text.assign(item->Instance);
            parsed.Arcs = pdu[j].get_oid();
            received[static_cast<std::size_t>(readable[j])] = 1;
        } else {
            item->Value.clear();
        }
    }
    KeysFromIndex(rowInstance);
    // A readable column without a value in this row keeps its marker unconverted.
    for (int i = 0; i < VarList.Count(); ++i)
        if (!VarList.IsReadable(i) || received[static_cast<std::size_t>(i)])
            ConvertValue(i, true);
    return Stored::Row;
}

const VhSNMPRequest::ColumnBase& VhSNMPRequest::BaseOf(int itemIndex)
{
    if (Bases.size() < static_cast<std::size_t>(VarList.Count()))
        Bases.resize(static_cast<std::size_t>(VarList.Count()));
    ColumnBase& base = Bases[static_cast<std::size_t>(itemIndex)];
    const VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    if (!base.Known || base.ItemOid != item->Oid || base.Suffix != VarList.Suffix) {
        base.ItemOid = item->Oid;
        base.Suffix = VarList.Suffix;
        base.Text = BaseOid(itemIndex);
        base.Arcs = Oid(base.Text);
        base.Known = true;
    }
    return base;
}

// ---- Synchronous exchanges ------------------------------------------------------------

bool VhSNMPRequest::Get(bool first)
{
    if (!Enabled)
        return false;
    Snmp& engine = RequireSession();
    const int operation = ReadOperation();
    const std::unique_ptr<SnmpTarget> target = MakeTarget();
    Pdu pdu;
    BuildPdu(first ? 0 : 1, pdu);
    const int status = operation == sNMP_PDU_GET ? engine.get(pdu, *target) : engine.get_next(pdu, *target);

    int code = 0;
    std::string message;
    if (pdu.get_error_status() != 0) // the agent's own error-status
        TranslateErrorStatus(pdu.get_error_status(), code, message);
    else
        TranslateSnmpStatus(status, code, message);
    if (status != SNMP_CLASS_SUCCESS && code == VHSNMP_OK)
        RaiseStatus(status);
    if (code != VHSNMP_OK && !(code == VHSNMP_ERR_NO_SUCH_NAME && IsTable(VarList.ListType)))
        throw Exception(message, code);
    return StoreReply(pdu, code) == Stored::Row;
}

namespace {

// Marks the items of a set: with an item list, the items not in it are left out (invalid
// bit set) and those in it are taken (bit cleared).
void SelectItems(VhSNMPVarList& list, const std::string& itemList)
{
    if (itemList.empty())
        return;
    VhNumList<int> numbers;
    numbers.Separator = ',';
    numbers.Assign(itemList);
    for (int i = 0; i < list.Count(); ++i) {
        VhSNMPVarItem* item = list.GetItem(i);
        if (numbers.IndexOf(i) < 0)
            item->Access |= SNMP_ACCESS_INVALID;
        else
            item->Access &= ~SNMP_ACCESS_INVALID;
    }
}

} // namespace

bool VhSNMPRequest::Set(bool, const std::string& itemList, const void*)
{
    if (!Enabled)
        return false;
    Snmp& engine = RequireSession();
    Pdu pdu;
    int status = SNMP_CLASS_SUCCESS;
    {
        const SavedValues saved(VarList);
        SelectItems(VarList, itemList);
        for (int i = 0; i < VarList.Count(); ++i)
            ConvertValue(i, false);
        const std::unique_ptr<SnmpTarget> target = MakeTarget();
        BuildPdu(2, pdu);
        status = engine.set(pdu, *target);
    }
    if (pdu.get_error_status() != 0) { // the agent's own error-status
        int code = 0;
        std::string message;
        TranslateErrorStatus(pdu.get_error_status(), code, message);
        throw Exception(message, code);
    }
    if (status != SNMP_CLASS_SUCCESS)
        RaiseStatus(status);
    return false;
}

// ---- Asynchronous exchanges -----------------------------------------------------------

void VhSNMPRequest::SendAsync(int operation, Pdu& pdu, const SnmpTarget& target, uint8_t replyOperation,
                              const VhSNMPCompletion& completion)
{
    Snmp& engine = RequireSession();
    auto block = std::make_unique<VhSNMPReplyBlock>();
    block->Handler = &VhSNMPRequest::OnAsyncResponse;
    block->Request = this;
    block->Operation = replyOperation;
    block->Completion = completion;
    void* data = block.get();
    int status;
    switch (operation) {
    case sNMP_PDU_GET: status = engine.get(pdu, target, SnmpAsyncCallback, data); break;
    case sNMP_PDU_GETNEXT: status = engine.get_next(pdu, target, SnmpAsyncCallback, data); break;
    default: status = engine.set(pdu, target, SnmpAsyncCallback, data); break;
    }
    if (status != SNMP_CLASS_SUCCESS)
        RaiseStatus(status);
    Outstanding.emplace_back(pdu.get_request_id(), block.release());
    ++Pending;
}

void VhSNMPRequest::GetAsync(const VhSNMPCompletion& completion, bool first)
{
    if (!Enabled)
        return;
    const int operation = ReadOperation();
    const std::unique_ptr<SnmpTarget> target = MakeTarget();
    Pdu pdu;
    BuildPdu(first ? 0 : 1, pdu);
    SendAsync(operation, pdu, *target, VHSNMP_OP_GET, completion);
}

void VhSNMPRequest::SetAsync(const VhSNMPCompletion& completion, bool readBack, const std::string& itemList,
                             const void*)
{
    if (!Enabled)
        return;
    Pdu pdu;
    std::unique_ptr<SnmpTarget> target;
    {
        const SavedValues saved(VarList);
        SelectItems(VarList, itemList);
        for (int i = 0; i < VarList.Count(); ++i)
            ConvertValue(i, false);
        target = MakeTarget();
        BuildPdu(2, pdu);
    }
    SendAsync(sNMP_PDU_SET, pdu, *target, readBack ? VHSNMP_OP_SET_READBACK : VHSNMP_OP_SET, completion);
}

void VhSNMPRequest::OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, uint8_t operation,
                                    const VhSNMPCompletion& completion)
{
    // Settle the exchange before anything else: the completion may send again, wait or
    // delete this request.
    const unsigned long id = pdu.get_request_id();
    for (auto it = Outstanding.begin(); it != Outstanding.end(); ++it) {
        if (it->first == id) {
            Outstanding.erase(it);
            --Pending;
            break;
        }
    }
    if (reason == SNMP_CLASS_SESSION_DESTROYED || Destroying)
        return;

    VhSNMPError error;
    const bool response = reason == SNMP_CLASS_ASYNC_RESPONSE;
    if (response) {
        int code = 0;
        TranslateErrorStatus(pdu.get_error_status(), code, error.Message);
        error.Code = code;
    } else {
        // A time-out, a REPORT, a failure to send: a failure whatever the PDU holds.
        FailureCode(reason, error.Code, error.Message);
    }
    error.ErrorIndex = pdu.get_error_index();
    const UdpAddress& sender = target.get_udp_address();
    error.SenderAddress = sender.IpAddress::get_printable();
    error.SenderPort = sender.get_port();
    error.EndOfData = 1;

    // Only a read's reply is stored; noSuchName may end a walk, never a set.
    if (response && operation == VHSNMP_OP_GET &&
        (error.Code == VHSNMP_OK || (error.Code == VHSNMP_ERR_NO_SUCH_NAME && IsTable(VarList.ListType)))) {
        try {
            switch (StoreReply(pdu, error.Code)) {
            case Stored::Row: error.EndOfData = 0; break;
            case Stored::Done: break;
            case Stored::EndOfWalk: {
                int code = 0;
                TranslateSnmpStatus(SNMP_CLASS_SUCCESS, code, error.Message);
                error.Code = code;
                break;
            }
            }
        } catch (const Exception& e) {
            error.Code = e.HelpContext;
            error.Message = e.Message;
            error.EndOfData = 1;
        }
    }
    // Last: nothing of this request is touched after the completion returns.
    completion(error, VarList);
}
