#include "configwin/editspanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/snmppanel.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"

namespace {

constexpr int Margin = 20;    // around the rows
constexpr int Gap = 5;        // between the parts of a row, and between rows
constexpr int MinRowHeight = 20;

// Places a control so that its vertical centre is on the value control's.
void CentreVertically(QWidget* control, const QWidget* value)
{
    control->move(control->x(), value->y() + (value->height() - control->height()) / 2);
}

} // namespace

TEditsPanel::TEditsPanel(QWidget* owner, VhSNMPRequest2Edits* request) : TPanel(owner)
{
    setObjectName("EditsPanel");
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName("ScrollBox");
    ScrollBox->setWidgetResizable(false);
    auto* content = new QWidget;
    content->setObjectName("ScrollBoxContent");
    ScrollBox->setWidget(content);
    SetAlign(ScrollBox, alClient);
    if (request) {
        BuildRows(request);
        SetReadOnlyColors(ReadOnlyFontColor, ReadOnlyColor);
    }
}

TEditsPanel::~TEditsPanel() = default;

QWidget* TEditsPanel::RowParent() const { return ScrollBox->widget(); }

void TEditsPanel::FreeRows()
{
    for (UISnmpVar& row : Rows) {
        delete row.CheckBox.data();
        delete row.CaptionLabel.data();
        delete row.ValueControl.data();
    }
    Rows.clear();
}

void TEditsPanel::BuildRows(VhSNMPRequest2Edits* request)
{
    // Rows built before for the same request give their bindings back first.
    if (request && request == Request)
        for (int i = 0; i < RowCount() && i < request->Request.VarList.Count(); ++i)
            request->RemoveControls(i);
    Request = request;
    FreeRows();
    if (!request)
        return;
    const VhSNMPVarList& list = request->Request.VarList;
    Rows.resize(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const VhSNMPVarItem* item = list.GetItem(i);
        const bool readOnly = !(item->Access & SNMP_ACCESS_WRITEONLY);
        UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
        row.Kind = item->Options ? (readOnly ? ROW_READONLY_LABEL : ROW_WRITABLE_LIST)
                                 : (readOnly ? ROW_READONLY_EDIT : ROW_WRITABLE_EDIT);
        row.Format = "%s";
        row.Extra.reset();
    }
    QWidget* parent = RowParent();
    for (int i = 0; i < list.Count(); ++i) {
        UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
        auto* check = new QCheckBox(parent);
        check->setObjectName(QString("CheckBox%1").arg(i));
        check->resize(20, check->sizeHint().height());
        check->setFocusPolicy(Qt::NoFocus);
        SetTag(check, i);
        SetOnClick(check, [this](QObject* sender) { CheckBoxClick(sender); });
        row.CheckBox = check;

        auto* label = new QLabel(toQt(list.GetItem(i)->Caption), parent);
        label->setObjectName(QString("CaptionLabel%1").arg(i));
        label->adjustSize();
        SetTag(label, i);
        row.CaptionLabel = label;

        QWidget* value = nullptr;
        if (row.Kind == ROW_WRITABLE_LIST) {
            auto* combo = new QComboBox(parent);
            row.ValueControl = combo;
            request->AddControl(i, combo);
            value = combo;
        } else {
            auto* edit = new QLineEdit(parent);
            row.ValueControl = edit;
            request->AddControlsFmt(i, row.Kind == ROW_READONLY_LABEL ? std::string("%s") : row.Format, edit);
            value = edit;
        }
        value->setObjectName(QString("ValueControl%1").arg(i));
        value->resize(EditWidth, value->sizeHint().height());
        SetTag(value, i);
    }
    SetCheckState(0);
    ArrangeEdits(ARRANGE_COLUMN, true);
}

void TEditsPanel::CheckBoxClick(QObject*)
{
    // The Set Checked button of the window the rows are shown in follows the ticks.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* panel = dynamic_cast<TSNMPPanel*>(w)) {
            panel->ButtonPanel->SetCheckedButton->setEnabled(CheckedCount() > 0);
            return;
        }
}

// ---- Layout ---------------------------------------------------------------------------

void TEditsPanel::SetEditWidth(int width, int mode)
{
    EditWidth = width;
    ArrangeEdits(mode, true);
}

void TEditsPanel::SetCaptionWidth(int width)
{
    CaptionWidth = std::max(0, width);
    for (UISnmpVar& row : Rows) {
        if (!row.CaptionLabel)
            continue;
        // A column narrower than a caption does not cut it.
        if (CaptionWidth > 0)
            row.CaptionLabel->resize(std::max(CaptionWidth, row.CaptionLabel->sizeHint().width()),
                                     row.CaptionLabel->height());
        else
            row.CaptionLabel->adjustSize();
    }
    ArrangeEdits(ARRANGE_COLUMN, true);
}

void TEditsPanel::ArrangeEdits(int mode, bool resize)
{
    LastMode = mode;
    for (UISnmpVar& row : Rows)
        if (row.ValueControl)
            row.ValueControl->resize(EditWidth, row.ValueControl->height());

    const auto shown = [this](int i) {
        const UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
        const VhSNMPVarItem* item =
            Request && i < Request->Request.VarList.Count() ? Request->Request.VarList.GetItem(i) : nullptr;
        return row.ValueControl && row.CheckBox && row.CaptionLabel && !(item && (item->Access & SNMP_ACCESS_HIDDEN));
    };
    // The column is the width asked for, or the widest caption where that is wider.
    int captionColumn = CaptionWidth;
    for (const UISnmpVar& row : Rows)
        if (row.CaptionLabel)
            captionColumn = std::max(captionColumn, row.CaptionLabel->width());

    int maxRight = 0, maxBottom = 0;
    if (mode == ARRANGE_ONE_LINE) {
        int right = 0;
        for (int i = 0; i < RowCount(); ++i) {
            if (!shown(i))
                continue;
            UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
            QWidget* value = row.ValueControl;
            row.CheckBox->move(right + Gap, 0);
            row.CaptionLabel->move(row.CheckBox->x() + row.CheckBox->width() + Gap, 0);
            value->move(row.CaptionLabel->x() + row.CaptionLabel->width() + Gap, Margin);
            CentreVertically(row.CheckBox, value);
            CentreVertically(row.CaptionLabel, value);
            right = std::max(right, value->x() + value->width());
        }
    } else if (mode == ARRANGE_COLUMN) {
        int top = Margin;
        int previousHeight = -1; // none placed yet
        for (int i = 0; i < RowCount(); ++i) {
            if (!shown(i))
                continue;
            UISnmpVar& row = Rows[static_cast<std::size_t>(i)];
            QWidget* value = row.ValueControl;
            if (previousHeight >= 0) {
                if (value->height() < MinRowHeight)
                    value->resize(value->width(), 21);
                // Each row starts below the one before it, whatever its own height.
                top += previousHeight + Gap;
            }
            previousHeight = value->height();
            row.CheckBox->move(Margin, top);
            row.CaptionLabel->move(row.CheckBox->x() + row.CheckBox->width() + Gap, top);
            value->move(row.CaptionLabel->x() + captionColumn + Gap, top);
            CentreVertically(row.CheckBox, value);
            CentreVertically(row.CaptionLabel, value);
        }
    }
    for (int i = 0; i < RowCount(); ++i) {
        if (!shown(i) || !IsShownFlag(Rows[static_cast<std::size_t>(i)].ValueControl))
            continue;
        const QWidget* value = Rows[static_cast<std::size_t>(i)].ValueControl;
        maxRight = std::max(maxRight, value->x() + value->width());
        maxBottom = std::max(maxBottom, value->y() + value->height());
    }
    RowParent()->resize(maxRight + Margin, maxBottom + Margin);
    if (resize) {
        SetAlign(this, alNone);
        this->resize(2 * Margin + maxRight, 2 * Margin + maxBottom);
        AlignControls(this);
    }
}

// ---- Row states -----------------------------------------------------------------------

void TEditsPanel::SetCheckState(uint8_t tick)
{
    CheckState = tick;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsReadOnly(i) || IsIndexVar(i))
            DisableEdit(i);
        else
            EnableEdit(i);
    }
}

void TEditsPanel::SetReadOnlyColors(uint32_t fontColor, uint32_t color)
{
    ReadOnlyFontColor = fontColor;
    ReadOnlyColor = color;
    for (int i = 0; i < RowCount(); ++i)
        if (IsReadOnly(i))
            DisableEdit(i);
}

void TEditsPanel::DisableEdit(int row)
{
    if (row >= RowCount()) {
        ShowMessage("aIdx is overtop!\n you may define < " + IntToStr(RowCount()));
        return;
    }
    if (row < 0)
        return;
    UISnmpVar& r = Rows[static_cast<std::size_t>(row)];
    if (r.CheckBox) {
        r.CheckBox->setEnabled(false);
        r.CheckBox->hide();
        r.CheckBox->setChecked(false);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(r.ValueControl.data())) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else if (auto* combo = qobject_cast<QComboBox*>(r.ValueControl.data())) {
        combo->setEnabled(false);
    }
    SetControlColors(r.ValueControl, ReadOnlyFontColor, ReadOnlyColor);
}

void TEditsPanel::EnableEdit(int row)
{
    if (!ValidRow(row))
        return;
    UISnmpVar& r = Rows[static_cast<std::size_t>(row)];
    if (r.CheckBox) {
        r.CheckBox->setEnabled(true);
        r.CheckBox->show();
        r.CheckBox->setChecked(CheckState != 0);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(r.ValueControl.data())) {
        edit->setReadOnly(false);
        edit->setFocusPolicy(Qt::StrongFocus);
        SetControlColors(edit, clBlack, clWhite);
    } else if (auto* combo = qobject_cast<QComboBox*>(r.ValueControl.data())) {
        combo->setEnabled(true);
        SetControlColors(combo, clBlack, clWhite);
    }
}

void TEditsPanel::HideVar(int row)
{
    if (!ValidRow(row))
        return;
    if (Request && row < Request->Request.VarList.Count())
        Request->Request.VarList.GetItem(row)->Access |= SNMP_ACCESS_HIDDEN;
    UISnmpVar& r = Rows[static_cast<std::size_t>(row)];
    for (QWidget* w : {static_cast<QWidget*>(r.CheckBox.data()), static_cast<QWidget*>(r.CaptionLabel.data()),
                       r.ValueControl.data()})
        if (w)
            w->hide();
}

void TEditsPanel::ShowVar(int row)
{
    if (!ValidRow(row))
        return;
    if (Request && row < Request->Request.VarList.Count())
        Request->Request.VarList.GetItem(row)->Access &= ~SNMP_ACCESS_HIDDEN;
    UISnmpVar& r = Rows[static_cast<std::size_t>(row)];
    // A read-only row keeps its check box hidden (it is disabled then).
    if (r.CheckBox && IsEnabledFlag(r.CheckBox))
        r.CheckBox->show();
    if (r.CaptionLabel)
        r.CaptionLabel->show();
    if (r.ValueControl)
        r.ValueControl->show();
}

void TEditsPanel::UncheckVar(int row)
{
    if (ValidRow(row) && Rows[static_cast<std::size_t>(row)].CheckBox)
        Rows[static_cast<std::size_t>(row)].CheckBox->setChecked(false);
}

void TEditsPanel::ClearValue(int row)
{
    if (!ValidRow(row))
        return;
    QWidget* value = Rows[static_cast<std::size_t>(row)].ValueControl;
    if (auto* edit = qobject_cast<QLineEdit*>(value))
        edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(value))
        combo->setCurrentIndex(-1);
    else if (auto* panel = qobject_cast<TPanel*>(value))
        panel->SetCaption(QString());
    if (Request && row < Request->Request.VarList.Count())
        Request->Request.VarList.GetItem(row)->Value.clear();
}

void TEditsPanel::SetValueText(int row, const std::string& text)
{
    if (!ValidRow(row))
        return;
    QWidget* value = Rows[static_cast<std::size_t>(row)].ValueControl;
    if (auto* edit = qobject_cast<QLineEdit*>(value))
        edit->setText(toQt(text));
    else if (auto* combo = qobject_cast<QComboBox*>(value))
        combo->setCurrentIndex(combo->findText(toQt(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
    else if (auto* panel = qobject_cast<TPanel*>(value))
        panel->SetCaption(toQt(text));
    if (Request && row < Request->Request.VarList.Count())
        Request->Request.VarList.GetItem(row)->Value = text;
}

void TEditsPanel::ClearAll()
{
    for (int i = 0; i < RowCount(); ++i)
        ClearValue(i);
}

void TEditsPanel::SetRowPanel(int row, TPanel* panel)
{
    if (!ValidRow(row) || !panel)
        return;
    UISnmpVar& r = Rows[static_cast<std::size_t>(row)];
    if (Request)
        Request->RemoveControls(row);
    QWidget* old = r.ValueControl;
    panel->setParent(RowParent());
    if (old) {
        panel->setGeometry(old->geometry());
        panel->setEnabled(IsEnabledFlag(old));
        panel->setVisible(IsShownFlag(old));
    } else {
        panel->show();
    }
    SetTag(panel, row);
    r.Kind = ROW_PANEL;
    r.ValueControl = panel;
    delete old;
}

// ---- Queries --------------------------------------------------------------------------

bool TEditsPanel::IsReadOnly(int row) const
{
    if (!Request || row < 0 || row >= Request->Request.VarList.Count())
        return false;
    return !(Request->Request.VarList.GetItem(row)->Access & SNMP_ACCESS_WRITEONLY);
}

bool TEditsPanel::IsIndexVar(int row) const
{
    return Request && row >= 0 && row < Request->Request.VarList.KeyCount;
}

bool TEditsPanel::IsHiddenVar(int row) const
{
    if (!ValidRow(row))
        return true;
    if (Request && row < Request->Request.VarList.Count() &&
        (Request->Request.VarList.GetItem(row)->Access & SNMP_ACCESS_HIDDEN))
        return true;
    return !IsShownFlag(Rows[static_cast<std::size_t>(row)].ValueControl);
}

bool TEditsPanel::IsEmpty(int row) const
{
    if (!ValidRow(row))
        return true;
    const QWidget* value = Rows[static_cast<std::size_t>(row)].ValueControl;
    if (const auto* edit = qobject_cast<const QLineEdit*>(value))
        return edit->text().isEmpty();
    if (const auto* combo = qobject_cast<const QComboBox*>(value))
        return combo->currentIndex() < 0 || combo->currentText().isEmpty();
    if (const auto* panel = qobject_cast<const TPanel*>(value))
        return panel->Caption().isEmpty();
    return true;
}

bool TEditsPanel::AllReadOnly() const
{
    for (int i = 0; i < RowCount(); ++i)
        if (!IsReadOnly(i) && !IsIndexVar(i))
            return false;
    return true;
}

int TEditsPanel::EnabledCheckCount() const
{
    int n = 0;
    for (const UISnmpVar& row : Rows)
        if (IsShownFlag(row.CheckBox) && IsEnabledFlag(row.CheckBox))
            ++n;
    return n;
}

int TEditsPanel::CheckedCount() const
{
    int n = 0;
    for (const UISnmpVar& row : Rows)
        if (IsShownFlag(row.CheckBox) && row.CheckBox->isChecked())
            ++n;
    return n;
}

// ---- Buttons --------------------------------------------------------------------------

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!Request)
        throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (QWidget* w : {static_cast<QWidget*>(buttons->RefreshButton), static_cast<QWidget*>(buttons->SetCheckedButton),
                       static_cast<QWidget*>(buttons->CheckAllButton),
                       static_cast<QWidget*>(buttons->ClearChecksButton), static_cast<QWidget*>(buttons->CloseButton)})
        w->show();
    for (QWidget* w : {static_cast<QWidget*>(buttons->SamplesLabel), static_cast<QWidget*>(buttons->SamplesCount),
                       static_cast<QWidget*>(buttons->EditButton), static_cast<QWidget*>(buttons->AddButton),
                       static_cast<QWidget*>(buttons->DeleteButton)})
        w->hide();
    if (AllReadOnly()) {
        buttons->SetCheckedButton->hide();
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
    } else if (EnabledCheckCount() < 2) {
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
        buttons->SetCheckedButton->setText("Set");
        buttons->SetCheckedButton->setEnabled(true);
        for (UISnmpVar& row : Rows)
            if (IsShownFlag(row.CheckBox) && IsEnabledFlag(row.CheckBox))
                row.CheckBox->setChecked(true);
        if (CheckedCount() < 2)
            for (UISnmpVar& row : Rows)
                if (row.CheckBox)
                    row.CheckBox->hide();
    }
    buttons->ArrangeButtons();
}
