// Control bindings of a variable list: values to controls and back, per control class; a value
// spread over several edits goes through the codec of its part syntax (part_codecs).
#include "nm_snmp_request2_edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <cstring>

#include "messages.h"
#include "nm_num_list.h"
#include "nm_radio_group.h"
#include "option_controls.h"
#include "part_codecs.h"
#include "value_conversion.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The octet image of a stored value; false for a text that has none (such as "(NOTDONE)").
bool storedImage(const std::string& text, std::uint32_t syntax, std::string& image) {
    try {
        image = TextToOctets(text, syntax);
        return true;
    } catch (const NmSNMPException&) {
        return false;
    }
}

// Syntaxes whose empty text is a value (an empty string) rather than no value.
bool emptyIsAValue(std::uint32_t syntax) {
    switch (syntax) {
        case synBits:
        case synOctets:
        case synOpaque:
        case synPortList:
        case synMacAddress:
        case synIpv6Address:
        case synInetAddress:
            return true;
        default:
            return false;
    }
}

bool isBoolSyntax(int syntax) {
    return syntax == static_cast<int>(synBoolean) || syntax == static_cast<int>(synPartBool8) ||
           syntax == static_cast<int>(synPartBool16);
}

}  // namespace

NmSNMPRequest2Edits::NmSNMPRequest2Edits(QWidget* form)
    : NmSNMPRequest2Controls(form), Constraint(form, true) {}

NmSNMPRequest2Edits::~NmSNMPRequest2Edits() {
    Shutdown();
    QObject::disconnect(selectionConnection_);
    for (const ControlBinding& b : Bindings)
        for (const QPointer<QWidget>& c : b.Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                Constraint.Remove(edit);
    for (QTreeWidgetItem* item : pendingRows_)
        delete item;
}

void NmSNMPRequest2Edits::checkIndex(int index) const {
    if (index < 0 || index >= Request.VarList.Count())
        raiseCommonError(-12);
}

// ---- binding ----

void NmSNMPRequest2Edits::AddBinding(int index, int byteOffset, int partSyntax,
                                     const NmOptionList* options, QWidget* control,
                                     QWidget* second) {
    checkIndex(index);
    if (!control)
        raiseNmSnmpError(nmBadControlType);
    const SNMPVarItem& item = Request.VarList.Item(index);
    if (!options && byteOffset == 0 && partSyntax == static_cast<int>(item.Syntax))
        options = item.Options;
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* radio = qobject_cast<NmRadioGroup*>(control);
    if ((combo || radio) && !options)
        raiseNmSnmpError(nmNoOptionList);
    if (combo && options->Kind() == okPrefix && !second)
        raiseNmSnmpError(nmTooFewControls);
    if (combo)
        FillComboBox(*options, combo);
    if (radio)
        FillRadioGroup(*options, radio);
    ControlBinding b;
    b.VarIndex = index;
    b.ByteOffset = byteOffset;
    b.PartSyntax = partSyntax;
    b.Options = options;
    b.Controls.emplace_back(control);
    if (second)
        b.Controls.emplace_back(second);
    Bindings.push_back(std::move(b));
}

void NmSNMPRequest2Edits::BindLabel(int index, QLabel* label) {
    checkIndex(index);
    AddBinding(index, 0, static_cast<int>(Request.VarList.Item(index).Syntax), nullptr, label);
}

void NmSNMPRequest2Edits::BindControl(int index, QWidget* control) {
    checkIndex(index);
    AddBinding(index, 0, static_cast<int>(Request.VarList.Item(index).Syntax), nullptr, control);
}

void NmSNMPRequest2Edits::BindComboBox(int index, QComboBox* combo) {
    checkIndex(index);
    if (combo)
        combo->setEditable(false);
    AddBinding(index, 0, static_cast<int>(Request.VarList.Item(index).Syntax), nullptr, combo);
}

void NmSNMPRequest2Edits::BindEdits(int index, const std::string& format,
                                    const std::vector<QLineEdit*>& edits) {
    checkIndex(index);
    std::size_t conversions = 0;
    for (std::size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && std::strchr("shiufn", format[i + 1]))
            ++conversions;
    if (conversions == 0)
        raiseCommonError(-2);
    if (edits.size() < conversions)
        raiseNmSnmpError(nmTooFewControls);
    const std::vector<QLineEdit*> used(edits.begin(),
                                       edits.begin() + static_cast<std::ptrdiff_t>(conversions));
    for (QLineEdit* e : used)
        if (!e)
            raiseNmSnmpError(nmTooFewControls);
    Constraint.AddFormat(format, used);
    ControlBinding b;
    b.VarIndex = index;
    b.PartSyntax = static_cast<int>(Request.VarList.Item(index).Syntax);
    b.Options = Request.VarList.Item(index).Options;
    for (QLineEdit* e : used)
        b.Controls.emplace_back(e);
    Bindings.push_back(std::move(b));
}

void NmSNMPRequest2Edits::BindCheckBoxes(int index, const std::string& bits,
                                         std::initializer_list<QCheckBox*> boxes) {
    BindCheckBoxList(index, bits, std::vector<QCheckBox*>(boxes));
}

void NmSNMPRequest2Edits::BindCheckBoxList(int index, const std::string& bits,
                                           const std::vector<QCheckBox*>& boxes) {
    checkIndex(index);
    NmNumList<int> list;
    list.Delimiter = ',';
    list.Parse(bits);
    if (list.Count() == 0 || boxes.size() < static_cast<std::size_t>(list.Count()))
        raiseNmSnmpError(nmTooFewControls);
    ControlBinding b;
    b.VarIndex = index;
    b.PartSyntax = static_cast<int>(Request.VarList.Item(index).Syntax);
    b.Options = Request.VarList.Item(index).Options;
    b.BitIndices = list.Items();
    for (int i = 0; i < list.Count(); ++i) {
        if (!boxes[static_cast<std::size_t>(i)])
            raiseNmSnmpError(nmTooFewControls);
        b.Controls.emplace_back(boxes[static_cast<std::size_t>(i)]);
    }
    Bindings.push_back(std::move(b));
}

void NmSNMPRequest2Edits::Unbind(int index) {
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if (it->VarIndex != index) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& c : it->Controls)
            if (auto* edit = qobject_cast<QLineEdit*>(c.data()))
                Constraint.Remove(edit);
        it = Bindings.erase(it);
    }
}

void NmSNMPRequest2Edits::SetConstraintOwner(QWidget* control) {
    Constraint.SetOwner(control);
}

void NmSNMPRequest2Edits::EnableControls(bool enable) {
    for (const ControlBinding& b : Bindings)
        for (const QPointer<QWidget>& c : b.Controls)
            if (c)
                c->setEnabled(enable);
}

// ---- values to controls ----

void NmSNMPRequest2Edits::ValuesToControls(int index) {
    for (const ControlBinding& b : Bindings) {
        if (index != -1 && b.VarIndex != index)
            continue;
        if (b.VarIndex < 0 || b.VarIndex >= Request.VarList.Count() ||
            (Request.VarList.Item(b.VarIndex).Flags & vfExcluded))
            continue;
        showBinding(b);
    }
}

void NmSNMPRequest2Edits::showBinding(const ControlBinding& b) {
    QWidget* first = b.Control(0);
    if (!first)
        return;  // the control is gone
    const SNMPVarItem& item = Request.VarList.Item(b.VarIndex);
    const std::string value = MapLabelToValue(item.Options, item.Value);
    const bool part = b.ByteOffset != 0 || b.PartSyntax != static_cast<int>(item.Syntax);
    const auto ps = static_cast<std::uint32_t>(b.PartSyntax);
    const int n = b.ControlCount();
    auto* edit = qobject_cast<QLineEdit*>(first);
    // The octet image is only built where a control needs octets, so that texts such as
    // "(NOTDONE)" still show as they are in labels and single edits; a value with no octets (an
    // emptied field) leaves controls that show octets as they are.
    std::string image;
    const bool needsImage = part || !b.BitIndices.empty() || (n > 1 && edit);
    if (needsImage) {
        if (!storedImage(value, item.Syntax, image))
            return;
        if (part)
            image = ExtractPart(image, static_cast<std::size_t>(b.ByteOffset), ps);
    }
    std::string text = MapValueToLabel(b.Options, part ? OctetsToText(image, ps) : value);

    if (auto* label = qobject_cast<QLabel*>(first)) {
        label->setText(q(text));
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!b.BitIndices.empty()) {
            const std::vector<bool> checked = BitsShown(image, b.BitIndices);
            for (int i = 0; i < n && i < static_cast<int>(checked.size()); ++i)
                if (auto* c = qobject_cast<QCheckBox*>(b.Control(i)))
                    c->setChecked(checked[static_cast<std::size_t>(i)]);
        } else if (b.Options) {
            box->setChecked(OptionSelectionIndex(b.Options, text) > 0);
        } else if (isBoolSyntax(b.PartSyntax)) {
            box->setChecked(text == "true");
        } else {
            raiseNmSnmpError(nmBadPartSyntax);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        SelectInComboBox(*b.Options, combo, text);
        if (auto* rest = n > 1 ? qobject_cast<QLineEdit*>(b.Control(1)) : nullptr) {
            const int selected = OptionSelectionIndex(b.Options, text);
            std::size_t cut = selected >= 0 ? b.Options->Item(selected).Label.size() : 0;
            if (item.Syntax == synOid && cut > 0 && cut < text.size() && text[cut] == '.')
                ++cut;
            rest->setText(q(cut < text.size() ? text.substr(cut) : std::string()));
        }
    } else if (auto* radio = qobject_cast<NmRadioGroup*>(first)) {
        SelectInRadioGroup(*b.Options, radio, text);
    } else if (edit && n == 1) {
        if (item.Syntax == synPortList && !text.empty() &&
            text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
            text = OctetsToPortList(text, false);
        edit->setText(q(text));
    } else if (edit) {
        const PartCodec& codec = PartCodecFor(ps, static_cast<std::size_t>(n));
        if (text == "(NULL)" && codec.KeepsOnNull())
            return;
        const std::vector<std::string> fields =
            codec.Show(text, image, static_cast<std::size_t>(n));
        for (int i = 0; i < n && i < static_cast<int>(fields.size()); ++i)
            if (auto* e = qobject_cast<QLineEdit*>(b.Control(i)))
                e->setText(q(fields[static_cast<std::size_t>(i)]));
    } else {
        raiseNmSnmpError(nmBadControlType);
    }
}

// ---- controls to values ----

void NmSNMPRequest2Edits::ControlsToValues(int index) {
    NmSNMPVarList& list = Request.VarList;
    for (int i = 0; i < list.Count(); ++i) {
        if ((index != -1 && i != index) || !list.IsSettable(i))
            continue;
        bool bound = false;
        for (const ControlBinding& b : Bindings)
            bound = bound || b.VarIndex == i;
        if (!bound)
            continue;
        SNMPVarItem& item = list.Item(i);
        // A DisplayString is defined by its bindings alone; a stored value without octets
        // leaves the image empty for the bindings to fill.
        std::string image;
        if (item.Syntax != synDisplayString &&
            !storedImage(MapLabelToValue(item.Options, item.Value), item.Syntax, image))
            image.clear();
        bool typedEmpty = false;
        for (const ControlBinding& b : Bindings)
            if (b.VarIndex == i)
                typedEmpty = readBinding(b, image);
        // An emptied field of an octet string is the empty string, not "no value".
        if (typedEmpty && image.empty() && emptyIsAValue(item.Syntax))
            item.Value.clear();
        else
            item.Value = MapValueToLabel(item.Options, OctetsToText(image, item.Syntax));
    }
}

bool NmSNMPRequest2Edits::readBinding(const ControlBinding& b, std::string& image) {
    QWidget* first = b.Control(0);
    if (!first)
        return false;
    const SNMPVarItem& item = Request.VarList.Item(b.VarIndex);
    const auto ps = static_cast<std::uint32_t>(b.PartSyntax);
    const int n = b.ControlCount();
    const auto editText = [&](int i) {
        auto* e = qobject_cast<QLineEdit*>(b.Control(i));
        return e ? e->text().toStdString() : std::string();
    };
    std::string text;
    std::string part;
    bool havePart = false;

    if (auto* label = qobject_cast<QLabel*>(first)) {
        text = label->text().toStdString();
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!b.BitIndices.empty()) {
            std::vector<bool> checked;
            for (int i = 0; i < n; ++i) {
                auto* c = qobject_cast<QCheckBox*>(b.Control(i));
                checked.push_back(c && c->isChecked());
            }
            part = BitsRead(b.BitIndices, checked);
            havePart = true;
        } else if (b.Options) {
            const int pos = box->isChecked() ? 1 : 0;
            text = pos < b.Options->Count() ? b.Options->Item(pos).Label : std::string();
        } else if (isBoolSyntax(b.PartSyntax)) {
            text = box->isChecked() ? "true" : "false";
        } else {
            raiseNmSnmpError(nmBadPartSyntax);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        text = combo->currentText().toStdString();
        if (n > 1) {
            if (item.Syntax == synOid)
                text += '.';
            text += editText(1);
        }
    } else if (auto* radio = qobject_cast<NmRadioGroup*>(first)) {
        text = radio->currentText().toStdString();
    } else if (qobject_cast<QLineEdit*>(first) && n == 1) {
        text = editText(0);
        if (item.Syntax == synPortList) {
            // A port list that does not fit the row's bit map is refused: keeping the old
            // value would write what was not typed and call it done.
            std::string hex;
            if (!PortListToOctets(text, item.Value, hex))
                raiseNmSnmpError(nmBadPartValue);
            text = hex;
        }
    } else if (qobject_cast<QLineEdit*>(first)) {
        std::vector<std::string> fields;
        for (int i = 0; i < n; ++i)
            fields.push_back(editText(i));
        text = PartCodecFor(ps, static_cast<std::size_t>(n)).Read(fields);
    } else {
        raiseNmSnmpError(nmBadControlType);
    }

    if (!havePart)
        part = TextToOctets(MapLabelToValue(b.Options, text), ps);
    const bool whole = b.ByteOffset == 0 && ps == item.Syntax;
    if (whole && b.BitIndices.empty()) {
        // A whole value replaces the old one; laid over it, a shorter string or OID would
        // keep the old tail.
        image = part;
        return !havePart && text.empty();
    }
    const auto offset = static_cast<std::size_t>(b.ByteOffset);
    if (image.size() < offset + part.size())
        image.resize(offset + part.size(), '\0');
    image.replace(offset, part.size(), part);
    return false;
}
