#include "dedicated/columnmask.h"

#include <algorithm>

#include "dedicated/windowrequest.h"
#include "snmplib/varlist.h"

void TAccessWords::Save(const VhSNMPVarList& list)
{
    Words.clear();
    for (const auto& item : list.Items)
        Words.push_back(item->Access);
}

void TAccessWords::Restore(VhSNMPVarList& list) const
{
    for (std::size_t i = 0; i < Words.size() && i < list.Items.size(); ++i)
        list.Items[i]->Access = Words[i];
}

TColumnMask::TColumnMask(TWindowRequest* request)
    : Request(request), Outer(request ? request->ActiveMask : nullptr)
{
    if (!Request)
        return;
    Saved.Save(Request->Request.VarList);
    Request->ActiveMask = this;
}

TColumnMask::~TColumnMask()
{
    if (!Request)
        return;
    Restore();
    Request->ActiveMask = Outer;
}

void TColumnMask::LeaveOut(int column)
{
    VhSNMPVarList& list = Request->Request.VarList;
    if (column >= 0 && column < list.Count())
        list.GetItem(column)->Access = SNMP_ACCESS_INVALID;
}

void TColumnMask::LeaveOut(std::initializer_list<int> columns)
{
    for (int column : columns)
        LeaveOut(column);
}

void TColumnMask::Only(std::initializer_list<int> columns)
{
    for (int i = 0; i < Request->Request.VarList.Count(); ++i)
        if (std::find(columns.begin(), columns.end(), i) == columns.end())
            LeaveOut(i);
}

void TColumnMask::Include(int column)
{
    VhSNMPVarList& list = Request->Request.VarList;
    if (column >= 0 && column < list.Count() && !Saved.Empty())
        list.GetItem(column)->Access = Saved.At(column);
}

void TColumnMask::Restore()
{
    if (Request)
        Saved.Restore(Request->Request.VarList);
}
