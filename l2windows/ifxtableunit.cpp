#include "l2windows/ifxtableunit.h"

#include "dedicated/formregistration.h"
#include "l2windows/ifxeditunit.h"
#include "l2windows/portcapabilities8021dformunit.h"

TIfxForm* IfxForm = nullptr;
TRQ_DEFINE_FORM(TIfxForm, IfxForm)

namespace {

// IF-MIB ifXTable; the key is the ifIndex (ifTable's index column), the instance of every
// column.
const VhSNMPObjectDesc IfxTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.31.1.1.1.1", "IF Port", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.2", "IF In Multicast Packets", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.3", "IF In Broadcast Packets", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.4", "IF Out Multicast Packets", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.5", "IF Out Broadcast Packets", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.14", "IF Link Up Down TrapEnable", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &IfLinkUpDownTrapEnableList},
    {"1.3.6.1.2.1.31.1.1.1.15", "IF High Speed", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.31.1.1.1.16", "IF Promiscuous Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &IfPromiscuousModeList},
    {"1.3.6.1.2.1.31.1.1.1.17", "IF Connector Present", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &IfConnectorPresentList},
    {"1.3.6.1.2.1.31.1.1.1.18", "IF Alias", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.31.1.1.1.19", "IF Counter Discontinuity Time", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY},
    {nullptr},
};

} // namespace

TIfxForm::TIfxForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnRefresh, &TIfxForm::btnRefreshClick);
    OnClick(btnEdit, &TIfxForm::btnEditClick);
    OnClick(btnStop, &TIfxForm::btnStopClick);
    OnClick(btnClose, &TIfxForm::btnCloseClick);
    connect(lvIfxInformation, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunHandler([this] { btnEditClick(); }); });
    btnEdit->setEnabled(false);
}

void TIfxForm::FormCreate()
{
    Editor = MakeEditor<TIfxEditForm>();
    IfxEditForm = Editor;
    SetMessageTarget(Memo1);
    ShowRowCount(lvIfxInformation, ST_Count);
    Guarded(Request, [this] {
        Request = MakeRequest(IfxTable, MVT_UMV, 1);
        // Edit follows the selection, and is enabled only while the request is idle.
        AttachList(Request, lvIfxInformation, {{}, {btnEdit}});
        Request->AddControlsFmt(IfIndex, "%i", Editor->edtIfIndex);
        Request->AddControlsFmt(IfName, "%s", Editor->edtName);
        Request->AddControlsFmt(Alias, "%s{l64}", Editor->edtAlias);
        Read(Request);
    });
    btnEdit->setEnabled(false);
}

void TIfxForm::btnRefreshClick()
{
    Guarded(Request, [this] { Read(Request); });
}

void TIfxForm::btnEditClick()
{
    const int row = SelectedRow(lvIfxInformation);
    if (!Request || !Editor || row < 0)
        return;
    // The editor opens on the switch's alias, not on what an earlier edit left unwritten
    // (a long one shown in part, as the binding shows it).
    Request->ReadSelectedRow();
    Request->UpdateControls(Alias);
    Editor->CaptionForEdit("Ifx Edit Table: ");
    // The editor asks for the write; the row's writable columns go in one set, the table
    // is read again after its reply.
    Guarded(Request, [this] {
        if (OpenEditor(Editor))
            Write(Request, true);
    });
}

void TIfxForm::btnStopClick() { Stop(Request); }

void TIfxForm::btnCloseClick() { close(); }
