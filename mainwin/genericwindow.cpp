#include "mainwin/genericwindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <memory>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "mainwin/catalogue.h"
#include "mainwin/menutable.h"
#include "snmplib/bind/request2edits.h"

int Scaled(int k, float scaleFactor) { return static_cast<int>(static_cast<float>(k) * scaleFactor); }

namespace {

// The window's mode, with the request handed over to the window.
TSNMPEditorPanel* SetMode(TConfigForm& form, const TCatalogueRecord& record,
                          std::unique_ptr<VhSNMPRequest2Edits> request)
{
    VhSNMPRequest2Edits* r = request.release();
    try {
        if (record.Kind != MENU_GENERIC_TABLE)
            return form.SetEditorMode(r);
        return form.SetListViewMode(r, record.StatusColumn, record.AddLabel, record.StatusColumn,
                                    record.DeleteLabel);
    } catch (...) {
        // Once the mode setter has taken the request, the window deletes it.
        if (std::find(form.Requests.begin(), form.Requests.end(), r) == form.Requests.end())
            delete r;
        throw;
    }
}

void ApplyLayout(const TCatalogueRecord& record, TConfigForm& form, TSNMPEditorPanel& panel, float scale)
{
    auto* table = dynamic_cast<TSNMPListViewPanel*>(&panel);
    if (record.EditHidden && table) {
        panel.ButtonPanel->EditButton->hide();
        QObject::disconnect(table->ListViewPanel->ListView, &QTreeWidget::itemDoubleClicked, table, nullptr);
        panel.ButtonPanel->ArrangeButtons();
    }
    if (record.EditWidth > 0 || record.EditWidthPlus > 0) {
        TEditsPanel* edits = panel.EditsPanel;
        int width = record.EditWidth;
        if (width <= 0) {
            const QWidget* first = edits->RowCount() > 0 ? edits->Rows[0].ValueControl.data() : nullptr;
            width = (first ? first->width() : edits->EditWidth) + Scaled(record.EditWidthPlus, scale);
        }
        if (table)
            edits->SetEditWidth(width, ARRANGE_COLUMN);
        else
            panel.SetEditWidth(width);
    }
    if (record.Height > 0)
        form.resize(form.width(), Scaled(record.Height, scale));
    if (record.HeightPlus > 0)
        form.resize(form.width(), form.height() + Scaled(record.HeightPlus, scale));
    if (record.WidthPlus > 0)
        form.resize(form.width() + Scaled(record.WidthPlus, scale), form.height());
}

} // namespace

TGenericWindow BuildGenericWindow(const TCatalogueRecord& record, float scaleFactor, const std::string& suffix)
{
    auto form = std::make_unique<TConfigForm>(nullptr);
    auto request = std::make_unique<VhSNMPRequest2Edits>(form.get());
    request->Request.VarList = VhSNMPVarList(record.Objects, record.ListType, record.KeyCount);
    request->Request.VarList.Suffix = suffix;
    VhSNMPRequest2Edits* r = request.get();
    TSNMPEditorPanel* panel = SetMode(*form, record, std::move(request));
    for (const TCatalogueFormat& format : record.Formats)
        if (format.Format)
            panel->SetVarFormat(format.Index, format.Format);
    ApplyLayout(record, *form, *panel, scaleFactor);
    return {&record, form.release(), r, panel};
}

std::string GenericWindowCaption(const TCatalogueRecord& record, const std::string& deviceAddress)
{
    if (record.CaptionPrefix)
        return record.CaptionPrefix + deviceAddress;
    return std::string(record.Title) + ": " + deviceAddress;
}
