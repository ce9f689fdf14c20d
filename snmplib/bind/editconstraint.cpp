#include "snmplib/bind/editconstraint.h"

#include <algorithm>
#include <cfloat>

#include <QLineEdit>

#include "classlib/beep.h"
#include "classlib/dialogs.h"
#include "classlib/messages.h"
#include "platform/sysutils.h"
#include "snmplib/expression.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"
#include "snmplib/utils.h"

namespace {

// Messages of the utility table.
constexpr int MsgEmpty = 3;
constexpr int MsgStringMax = 4;
constexpr int MsgStringFixed = 5;
constexpr int MsgHexMax = 6;
constexpr int MsgHexFixed = 7;
constexpr int MsgNumberRange = 8;
constexpr int MsgListMax = 9;
constexpr int MsgListFixed = 10;
constexpr int MsgListRange = 11;

bool IsPlaceHolder(const QString& text) { return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)"); }

bool IsShownInPart(const _EditConstraint_s& rec, const QString& text)
{
    return !rec.ShownInPart.isEmpty() && text == rec.ShownInPart;
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Position of the first character the type does not allow, or -1.
int FirstDisallowed(const _EditConstraint_s& rec, const QString& text)
{
    const QChar delimiter = QChar::fromLatin1(rec.Delimiter);
    bool point = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        bool ok = true;
        switch (rec.Type) {
        case 'f':
            if (c == QLatin1Char('.'))
                ok = !point, point = true;
            else
                ok = IsDigit(c) || (c == QLatin1Char('-') && i == 0);
            break;
        case 'h':
            ok = IsDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
                 (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
            break;
        case 'i': ok = IsDigit(c) || (c == QLatin1Char('-') && i == 0); break;
        case 'u': ok = IsDigit(c); break;
        case 'n': ok = IsDigit(c) || (c == delimiter && i > 0 && text[i - 1] != delimiter); break;
        default: break; // 's': everything
        }
        if (!ok)
            return i;
    }
    return -1;
}

std::string Message(int index, std::initializer_list<std::pair<const char*, std::string>> values)
{
    std::string text = CommonMsgTable.Text(index);
    for (const auto& [name, value] : values)
        text = ReplaceAll(text, name, value);
    return text;
}

} // namespace

uint32_t IntPower(uint32_t base, uint32_t exponent)
{
    uint32_t result = 1;
    for (uint32_t i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

VhEditConstraint::VhEditConstraint(QWidget* owner, bool saveText) : Owner(owner), SaveText(saveText) {}

VhEditConstraint::~VhEditConstraint() = default; // each record's hooks give the handlers back

std::unique_ptr<_EditConstraint_s> VhEditConstraint::Parse(const std::string& format, int& width)
{
    const auto bad = [] { RaiseSnmpError(VHSNMP_ERR_BAD_FORMAT); };
    const size_t n = format.size();
    if (n < 2 || format[0] != '%')
        bad();
    auto rec = std::make_unique<_EditConstraint_s>();
    rec->Type = format[1];
    size_t pos = 2;
    switch (rec->Type) {
    case 'f': rec->Minimum = DBL_MIN, rec->Maximum = DBL_MAX; break;
    case 'i': rec->Minimum = -2147483648.0, rec->Maximum = 2147483647.0; break;
    case 'u': rec->Minimum = 0, rec->Maximum = 4294967295.0; break;
    case 'h':
    case 's': break;
    case 'n':
        if (n < 3)
            bad();
        rec->Delimiter = format[2];
        rec->Minimum = 0, rec->Maximum = 4294967295.0;
        pos = 3;
        break;
    default: bad();
    }
    width = 0;
    if (pos >= n)
        return rec;
    if (format[pos] != '{' || format[n - 1] != '}')
        bad();
    const size_t end = n - 1; // the closing brace is never an item, nor in a run of digits
    // One past the run of set's characters from i (SpanEnd counts from 1); i when none.
    const auto runEnd = [&format](size_t from, const char* set) {
        const int last = SpanEnd(format, static_cast<int>(from) + 1, set);
        return last == 0 ? from : static_cast<size_t>(last);
    };
    size_t i = pos + 1;
    while (i < end) {
        const char letter = format[i++];
        switch (letter) {
        case 'n':
        case 'x': {
            const size_t stop = runEnd(i, "-0123456789.");
            if (stop == i)
                bad();
            (letter == 'n' ? rec->Minimum : rec->Maximum) = AtofC(format.substr(i, stop - i));
            i = stop;
            break;
        }
        case 'w':
        case 'l': {
            const size_t stop = runEnd(i, "0123456789");
            if (stop == i)
                bad();
            const int value = Atol32Signed(format.substr(i, stop - i));
            i = stop;
            if (letter == 'w') {
                width = value;
                break;
            }
            rec->Length = value;
            for (int k = 0; k < 3 && i < end; ++k, ++i) {
                const char flag = format[i];
                if (flag == 'a')
                    rec->LengthFlags += ECF_AUTOADVANCE;
                else if (flag == 'f')
                    rec->LengthFlags += ECF_FIXED;
                else if (flag == 'n')
                    rec->LengthFlags += ECF_NOTEMPTY;
                else
                    break;
            }
            break;
        }
        case 'e':
            if (i >= end)
                bad();
            rec->ExitChar = format[i++];
            break;
        default: bad();
        }
    }
    return rec;
}

void VhEditConstraint::AddConstraint(const std::string& format, QLineEdit* edit)
{
    int width = 0;
    std::unique_ptr<_EditConstraint_s> rec = Parse(format, width);
    if (!edit)
        return;
    RemoveConstraint(edit); // one record per edit: a second one would check every change twice
    if (width > 0)
        edit->setFixedWidth(width);
    // The length of type 'n' counts numbers, not characters.
    SetMaxLength(edit, rec->Type != 'n' ? rec->Length : 0);
    rec->Edit = edit;
    rec->ChangeHook = TNotifyHook(edit, GetOnChange, SetOnChange, [this](QObject* sender) { EditChange(sender); });
    rec->ExitHook = TNotifyHook(edit, GetOnExit, SetOnExit, [this](QObject* sender) { EditExit(sender); });
    Records.push_back(std::move(rec));
}

void VhEditConstraint::AddConstraints(const std::string& formats, const std::vector<QWidget*>& controls)
{
    size_t start = formats.find('%');
    for (size_t k = 0; start != std::string::npos && k < controls.size(); ++k) {
        const size_t next = formats.find('%', start + 1);
        const std::string format = formats.substr(start, next == std::string::npos ? next : next - start);
        if (auto* edit = qobject_cast<QLineEdit*>(controls[k])) {
            AddConstraint(format, edit);
        } else {
            int width = 0;
            Parse(format, width);
        }
        start = next;
    }
}

void VhEditConstraint::RemoveConstraint(QLineEdit* edit)
{
    if (!edit)
        return;
    const auto it = std::find_if(Records.begin(), Records.end(), [edit](const auto& rec) { return rec->Edit == edit; });
    if (it == Records.end())
        return;
    // Out of the list first: giving the handlers back may run code that looks for it.
    std::unique_ptr<_EditConstraint_s> rec = std::move(*it);
    Records.erase(it);
}

_EditConstraint_s* VhEditConstraint::FindConstraint(const QObject* edit) const
{
    if (!edit)
        return nullptr;
    for (const auto& rec : Records)
        if (rec->Edit == edit)
            return rec.get();
    return nullptr;
}

void VhEditConstraint::AcceptText(QLineEdit* edit)
{
    if (_EditConstraint_s* rec = FindConstraint(edit))
        edit->setText(toQt(rec->AcceptedText));
}

bool VhEditConstraint::SetAcceptedText(QLineEdit* edit, const std::string& text)
{
    _EditConstraint_s* rec = FindConstraint(edit);
    if (!rec)
        return false;
    rec->AcceptedText = text;
    return true;
}

bool VhEditConstraint::SetShownInPart(QLineEdit* edit, const QString& shown)
{
    _EditConstraint_s* rec = FindConstraint(edit);
    if (!rec)
        return false;
    rec->ShownInPart = shown;
    return true;
}

void VhEditConstraint::EditChange(QObject* sender)
{
    auto* edit = qobject_cast<QLineEdit*>(sender);
    if (!edit)
        return;
    const QString text = edit->text();
    if (IsPlaceHolder(text))
        return;
    _EditConstraint_s* rec = FindConstraint(edit);
    if (!rec || text.isEmpty())
        return;
    if (IsShownInPart(*rec, text)) {
        rec->ChangeHook.CallSaved(edit);
        return;
    }
    // Setting the text below runs this handler again, and with it the window's handler,
    // which may delete this object: nothing of it is used after that.
    const QPointer<QWidget> owner = Owner;

    if (rec->ExitChar) {
        const qsizetype at = text.indexOf(QChar::fromLatin1(rec->ExitChar));
        if (at >= 0) {
            edit->setText(QString(text).remove(at, 1));
            PostMessageA(owner, WM_NEXTDLGCTL, 0, 0);
            return;
        }
    }

    const int bad = FirstDisallowed(*rec, text);
    if (bad >= 0) {
        edit->setText(QString(text).remove(bad, 1));
        Beep(1000, 200);
        return;
    }

    if (rec->ChangeHook.Saved()) {
        const std::weak_ptr<int> alive = Alive;
        const QPointer<QLineEdit> guard(edit);
        rec->ChangeHook.CallSaved(edit);
        if (alive.expired() || !guard || GetTag(edit) == -1)
            return;
        rec = FindConstraint(edit);
        if (!rec)
            return;
    }

    if ((rec->LengthFlags & ECF_AUTOADVANCE) && rec->Length > 0 && edit->text().size() == rec->Length)
        PostMessageA(owner, WM_NEXTDLGCTL, 0, 0);
}

std::string VhEditConstraint::ExitCheck(const _EditConstraint_s& rec, const std::string& text)
{
    const std::string length = IntToStr(rec.Length);
    switch (rec.Type) {
    case 'f':
    case 'i':
    case 'u': {
        const double value = AtofC(text);
        if (value < rec.Minimum || value > rec.Maximum)
            return Message(MsgNumberRange, {{"[MIN]", FloatToStr(rec.Minimum)}, {"[MAX]", FloatToStr(rec.Maximum)}});
        return {};
    }
    case 's':
    case 'h': {
        if (rec.Length <= 0)
            return {};
        const bool hex = rec.Type == 'h';
        const auto size = static_cast<long long>(text.size());
        if (rec.LengthFlags & ECF_FIXED) {
            if (size != rec.Length)
                return Message(hex ? MsgHexFixed : MsgStringFixed, {{"[LEN]", length}});
        } else if (size > rec.Length) {
            return Message(hex ? MsgHexMax : MsgStringMax, {{"[MAXLEN]", length}});
        }
        return {};
    }
    case 'n': {
        VhNumList<unsigned int> numbers;
        numbers.Separator = rec.Delimiter;
        numbers.Assign(text);
        const std::string delimiter(1, rec.Delimiter);
        if (rec.Length > 0) {
            if (rec.LengthFlags & ECF_FIXED) {
                if (numbers.Count() != rec.Length)
                    return Message(MsgListFixed, {{"[DELIMITER]", delimiter}, {"[COUNT]", length}});
            } else if (numbers.Count() > rec.Length) {
                return Message(MsgListMax, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", length}});
            }
        }
        const uint32_t low = DoubleToLow32(rec.Minimum);
        const uint32_t high = DoubleToLow32(rec.Maximum);
        if (!numbers.InRange(low, high))
            return Message(MsgListRange,
                           {{"[DELIMITER]", delimiter}, {"[MIN]", IntToStr(low)}, {"[MAX]", IntToStr(high)}});
        return {};
    }
    default: return {};
    }
}

std::string VhEditConstraint::CheckText(const QLineEdit* edit) const
{
    const _EditConstraint_s* rec = FindConstraint(edit);
    if (!rec || IsPlaceHolder(edit->text()) || IsShownInPart(*rec, edit->text()))
        return {};
    const std::string text = fromQt(edit->text());
    if (text.empty())
        return rec->LengthFlags & ECF_NOTEMPTY ? CommonMsgTable.Text(MsgEmpty) : std::string();
    std::string message = ExitCheck(*rec, text);
    if (message.empty() && FirstDisallowed(*rec, edit->text()) >= 0) {
        switch (rec->Type) {
        case 'h':
            message = Message(MsgHexMax, {{"[MAXLEN]", IntToStr(rec->Length)}});
            break;
        case 'n':
            message = Message(MsgListRange, {{"[DELIMITER]", std::string(1, rec->Delimiter)},
                                             {"[MIN]", IntToStr(DoubleToLow32(rec->Minimum))},
                                             {"[MAX]", IntToStr(DoubleToLow32(rec->Maximum))}});
            break;
        default:
            message = Message(MsgNumberRange, {{"[MIN]", FloatToStr(rec->Minimum)}, {"[MAX]", FloatToStr(rec->Maximum)}});
            break;
        }
    }
    return message;
}

void VhEditConstraint::EditExit(QObject* sender)
{
    auto* edit = qobject_cast<QLineEdit*>(sender);
    if (!edit || IsPlaceHolder(edit->text()))
        return;
    _EditConstraint_s* rec = FindConstraint(edit);
    if (!rec || IsShownInPart(*rec, edit->text()))
        return;
    const std::string text = fromQt(edit->text());
    std::string message;
    if (text.empty()) {
        if (!(rec->LengthFlags & ECF_NOTEMPTY))
            return;
        message = CommonMsgTable.Text(MsgEmpty);
    } else {
        message = ExitCheck(*rec, text);
    }

    // The message box and the window's handler run the message loop or other code that
    // may delete the edit or this object.
    const std::weak_ptr<int> alive = Alive;
    const QPointer<QLineEdit> guard(edit);
    const auto gone = [&] { return alive.expired() || !guard || !(rec = FindConstraint(edit)); };

    if (!message.empty()) {
        MessageBoxA(Owner, message, ExecutableFileName(), MB_OK);
        if (gone())
            return;
        edit->setText(toQt(rec->AcceptedText));
        if (guard)
            edit->setFocus();
        return;
    }

    if (rec->ExitHook.Saved()) {
        rec->ExitHook.CallSaved(edit);
        if (gone())
            return;
        if (GetTag(edit) == -1) {
            edit->setText(toQt(rec->AcceptedText));
            return;
        }
    }
    if (SaveText)
        rec->AcceptedText = fromQt(edit->text());
}
