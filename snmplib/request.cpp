#include "snmplib/request.h"

#include <algorithm>

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
    const UdpAddress address(IpAddress(Device.Address), Device.Port);
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
    std::vector<int> readable; // varbind j of the reply answers item readable[j]
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

    // A table row. Each column's reply is inside the column (with its instance) or past
    // its end; an agent that answers an OID not after the one asked is past too, so that
    // a walk always ends.
    struct Column {
        bool past = true;
        Oid instance;
    };
    std::vector<Column> columns(static_cast<std::size_t>(n));
    const Oid* row = nullptr;
    int past = 0;
    std::vector<std::string> receivedOids(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        const VhSNMPVarItem* item = VarList.GetItem(readable[j]);
        const std::string base = BaseOid(readable[j]);
        std::string& received = receivedOids[static_cast<std::size_t>(j)];
        received = pdu[j].get_printable_oid();
        const Oid& got = pdu[j].get_oid();
        const Oid from = item->Instance.empty() ? Oid(base) : Oid();
        const Oid& asked = item->Instance.empty() ? from : InstanceArcs(readable[j]);
        Column& c = columns[static_cast<std::size_t>(j)];
        if (!IsPastColumn(base, item->Instance, received) && got > asked && received.size() > base.size() + 1 &&
            received.compare(0, base.size(), base) == 0 && received[base.size()] == '.') {
            // The arcs after the base's: as many as the base has dots, plus one.
            const std::size_t baseArcs = static_cast<std::size_t>(std::count(base.begin(), base.end(), '.')) + 1;
            c.instance = Oid(got.arcs().data() + baseArcs, got.len() - baseArcs);
            c.past = !c.instance.valid();
        }
        if (c.past) {
            ++past;
            VarList.GetItem(readable[j])->Value = NotDone;
        } else if (!row || c.instance < *row) {
            row = &c.instance;
        }
    }
    if (past == n)
        return Stored::Done;

    // The row is the smallest instance; a column whose reply lies beyond it has no value
    // in this row and asks from the same place again.
    const std::string rowInstance = row->get_printable();
    std::vector<bool> received(static_cast<std::size_t>(VarList.Count()), false);
    for (int j = 0; j < n; ++j) {
        VhSNMPVarItem* item = VarList.GetItem(readable[j]);
        const Column& c = columns[static_cast<std::size_t>(j)];
        if (c.past) {
            item->Instance = BaseOid(readable[j]) + "." + rowInstance;
        } else if (c.instance == *row) {
            VbToText(readable[j], pdu[j]);
            item->Instance = std::move(receivedOids[static_cast<std::size_t>(j)]);
            if (Instances.size() < static_cast<std::size_t>(VarList.Count()))
                Instances.resize(static_cast<std::size_t>(VarList.Count()));
            Instances[static_cast<std::size_t>(readable[j])] = {item->Instance, pdu[j].get_oid()};
            received[static_cast<std::size_t>(readable[j])] = true;
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
        TranslateSnmpStatus(pdu.get_error_status(), code, error.Message);
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
