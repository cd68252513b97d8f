// Control bindings of a variable list: values to controls and back, per control class and part
// syntax, and the enabling of the controls around table reads.
#include "nm_snmp_request2_edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "messages.h"
#include "nm_date_time.h"
#include "nm_num_list.h"
#include "nm_radio_group.h"
#include "option_controls.h"
#include "value_conversion.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string hex2(unsigned char octet) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02X", octet);
    return buf;
}

std::uint32_t le32At(const std::string& image, std::size_t offset) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4 && offset + k < image.size(); ++k)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(image[offset + k])) << (8 * k);
    return v;
}

// One field of a value spread over several edits: a decimal number from min to max. An empty
// field raises " Empty value is not allowed!", anything else " Please enter a number between
// [MIN] and [MAX]!", so that no field is cut or wrapped into another value.
std::uint32_t number(const QString& text, std::uint32_t min, std::uint32_t max) {
    return static_cast<std::uint32_t>(DecimalInRange(text.trimmed().toStdString(), min, max));
}

// One octet of a value spread over several edits: a one-character edit gets a leading "0", an
// empty one counts as "00"; more than two digits would shift every octet after it.
std::string hexField(const QString& text) {
    const std::string t = text.trimmed().toStdString();
    std::string octet;
    if (t.size() > 2 || !TryHexToOctets(t, octet))
        raiseNmSnmpError(-518);
    if (t.empty())
        return "00";
    return t.size() == 1 ? "0" + t : t;
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
        raiseNmSnmpError(-521);
    const SNMPVarItem& item = Request.VarList.Item(index);
    if (!options && byteOffset == 0 && partSyntax == static_cast<int>(item.Syntax))
        options = item.Options;
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* radio = qobject_cast<NmRadioGroup*>(control);
    if ((combo || radio) && !options)
        raiseNmSnmpError(-520);
    if (combo && options->Kind() == okPrefix && !second)
        raiseNmSnmpError(-522);
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
        raiseNmSnmpError(-522);
    const std::vector<QLineEdit*> used(edits.begin(),
                                       edits.begin() + static_cast<std::ptrdiff_t>(conversions));
    for (QLineEdit* e : used)
        if (!e)
            raiseNmSnmpError(-522);
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
        raiseNmSnmpError(-522);
    ControlBinding b;
    b.VarIndex = index;
    b.PartSyntax = static_cast<int>(Request.VarList.Item(index).Syntax);
    b.Options = Request.VarList.Item(index).Options;
    b.BitIndices = list.Items();
    for (int i = 0; i < list.Count(); ++i) {
        if (!boxes[static_cast<std::size_t>(i)])
            raiseNmSnmpError(-522);
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
    // The octet image is only built where a control needs octets, so that texts such as
    // "(NOTDONE)" still show as they are in labels and single edits.
    std::string image;
    bool haveImage = false;
    const auto octets = [&]() -> const std::string& {
        if (!haveImage) {
            if (part)
                image = ExtractPart(image, static_cast<std::size_t>(b.ByteOffset),
                                    static_cast<std::uint32_t>(b.PartSyntax));
            haveImage = true;
        }
        return image;
    };
    // A value with no octets ("(NOTDONE)", an emptied field) leaves controls that show octets
    // as they are.
    const bool needsImage =
        part || !b.BitIndices.empty() || (b.ControlCount() > 1 && qobject_cast<QLineEdit*>(first));
    if (needsImage && !storedImage(value, item.Syntax, image))
        return;
    std::string text =
        part ? OctetsToText(octets(), static_cast<std::uint32_t>(b.PartSyntax)) : value;
    text = MapValueToLabel(b.Options, text);
    const int n = b.ControlCount();
    const auto need = [&](int count) {
        if (n < count)
            raiseNmSnmpError(-522);
    };

    if (auto* label = qobject_cast<QLabel*>(first)) {
        label->setText(q(text));
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!b.BitIndices.empty()) {
            const std::string& img = octets();
            for (int i = 0; i < n; ++i) {
                const int bit = b.BitIndices[static_cast<std::size_t>(i)];
                if (bit < 0 || static_cast<std::size_t>(bit / 8) >= img.size())
                    raiseNmSnmpError(-519);
                const auto octet =
                    static_cast<unsigned char>(img[static_cast<std::size_t>(bit / 8)]);
                if (auto* c = qobject_cast<QCheckBox*>(b.Control(i)))
                    c->setChecked((octet & (0x80u >> (bit % 8))) != 0);
            }
        } else if (b.Options) {
            box->setChecked(OptionSelectionIndex(b.Options, text) > 0);
        } else if (isBoolSyntax(b.PartSyntax)) {
            box->setChecked(text == "true");
        } else {
            raiseNmSnmpError(-517);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        SelectInComboBox(*b.Options, combo, text);
        if (auto* edit = n > 1 ? qobject_cast<QLineEdit*>(b.Control(1)) : nullptr) {
            const int selected = OptionSelectionIndex(b.Options, text);
            std::size_t cut = selected >= 0 ? b.Options->Item(selected).Label.size() : 0;
            if (item.Syntax == synOid && cut > 0 && cut < text.size() && text[cut] == '.')
                ++cut;
            edit->setText(q(cut < text.size() ? text.substr(cut) : std::string()));
        }
    } else if (auto* radio = qobject_cast<NmRadioGroup*>(first)) {
        SelectInRadioGroup(*b.Options, radio, text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        const auto setEdit = [&](int i, const std::string& s) {
            if (auto* e = qobject_cast<QLineEdit*>(b.Control(i)))
                e->setText(q(s));
        };
        if (n == 1) {
            if (item.Syntax == synPortList && !text.empty() &&
                text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
                text = OctetsToPortList(text, false);
            edit->setText(q(text));
            return;
        }
        const auto ps = static_cast<std::uint32_t>(b.PartSyntax);
        const bool keepsOnNull =
            ps != synBits && ps != synOctets && ps != synOid && ps != synOpaque;
        if (text == "(NULL)" && keepsOnNull)
            return;
        const auto hexEdits = [&](std::size_t count) {
            const std::string& img = octets();
            need(static_cast<int>(img.size()));
            need(static_cast<int>(count));
            for (int i = 0; i < n; ++i)
                setEdit(i, static_cast<std::size_t>(i) < img.size()
                               ? hex2(static_cast<unsigned char>(img[static_cast<std::size_t>(i)]))
                               : std::string());
        };
        const auto decimalOctets = [&] {
            need(4);
            const std::string& img = octets();
            for (int i = 0; i < 4; ++i)
                setEdit(i, std::to_string(
                               static_cast<std::size_t>(i) < img.size()
                                   ? static_cast<unsigned char>(img[static_cast<std::size_t>(i)])
                                   : 0));
        };
        switch (ps) {
            case synBits:
            case synOctets:
            case synOpaque:
                hexEdits(0);
                break;
            case synOid: {
                const std::string& img = octets();
                const int subs = static_cast<int>(img.size() / 4);
                need(subs);
                for (int i = 0; i < n; ++i)
                    setEdit(i, i < subs
                                   ? std::to_string(le32At(img, static_cast<std::size_t>(i) * 4))
                                   : std::string());
                break;
            }
            case synIpAddress:
            case synIpAddress2:
                decimalOctets();
                break;
            case synTimeTicks: {
                need(5);
                const std::uint32_t t = TextToTimeTicks(text);
                const std::uint32_t f[5] = {t / 8640000, t % 8640000 / 360000, t % 360000 / 6000,
                                            t % 6000 / 100, t % 100};
                for (int i = 0; i < 5; ++i)
                    setEdit(i, std::to_string(f[i]));
                break;
            }
            case synMacAddress:
                hexEdits(6);
                break;
            case synDateAndTime: {
                need(10);
                const NmDateTime dt = NmDateTime::FromOctets(octets());
                const int f[7] = {dt.Year,    dt.Month,   dt.Day,        dt.Hour,
                                  dt.Minutes, dt.Seconds, dt.DeciSeconds};
                for (int i = 0; i < 7; ++i)
                    setEdit(i, std::to_string(f[i]));
                setEdit(7, std::string(1, dt.Direction));
                setEdit(8, std::to_string(dt.UtcHours));
                setEdit(9, std::to_string(dt.UtcMinutes));
                break;
            }
            case synDateTimeValue: {
                need(7);
                const std::string& img = octets();
                double days = 0;
                if (img.size() >= sizeof days)
                    std::memcpy(&days, img.data(), sizeof days);
                const auto ms = static_cast<std::int64_t>(std::llround(days * 86400000.0));
                std::int64_t day = ms / 86400000, rest = ms % 86400000;
                if (rest < 0) {
                    rest += 86400000;
                    --day;
                }
                const QDate date = QDate(1899, 12, 30).addDays(day);
                const std::int64_t f[7] = {
                    date.year(),    date.month(),           date.day(),
                    rest / 3600000, rest % 3600000 / 60000, rest % 60000 / 1000,
                    rest % 1000};
                for (int i = 0; i < 7; ++i)
                    setEdit(i, std::to_string(f[i]));
                break;
            }
            case synIpv6Address:
                hexEdits(16);
                break;
            case synInetAddress:
                if (n > 15)
                    hexEdits(0);
                else
                    decimalOctets();
                break;
            default:
                edit->setText(q(text));
                break;
        }
    } else {
        raiseNmSnmpError(-521);
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
    const auto need = [&](int count) {
        if (n < count)
            raiseNmSnmpError(-522);
    };
    const auto editText = [&](int i) {
        auto* e = qobject_cast<QLineEdit*>(b.Control(i));
        return e ? e->text() : QString();
    };
    std::string text;
    std::string part;
    bool havePart = false;

    if (auto* label = qobject_cast<QLabel*>(first)) {
        text = label->text().toStdString();
    } else if (auto* box = qobject_cast<QCheckBox*>(first)) {
        if (!b.BitIndices.empty()) {
            for (int i = 0; i < n; ++i) {
                const int bit = b.BitIndices[static_cast<std::size_t>(i)];
                if (bit < 0)
                    raiseNmSnmpError(-519);
                const auto at = static_cast<std::size_t>(bit / 8);
                if (part.size() <= at)
                    part.resize(at + 1, '\0');
                const auto mask = static_cast<unsigned char>(0x80u >> (bit % 8));
                auto* c = qobject_cast<QCheckBox*>(b.Control(i));
                auto octet = static_cast<unsigned char>(part[at]);
                octet = c && c->isChecked() ? (octet | mask) : (octet & ~mask);
                part[at] = static_cast<char>(octet);
            }
            havePart = true;
        } else if (b.Options) {
            const int pos = box->isChecked() ? 1 : 0;
            text = pos < b.Options->Count() ? b.Options->Item(pos).Label : std::string();
        } else if (isBoolSyntax(b.PartSyntax)) {
            text = box->isChecked() ? "true" : "false";
        } else {
            raiseNmSnmpError(-517);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
        text = combo->currentText().toStdString();
        if (n > 1) {
            if (item.Syntax == synOid)
                text += '.';
            text += editText(1).toStdString();
        }
    } else if (auto* radio = qobject_cast<NmRadioGroup*>(first)) {
        text = radio->currentText().toStdString();
    } else if (qobject_cast<QLineEdit*>(first)) {
        const auto joined = [&](int count, const char* separator) {
            std::string out;
            for (int i = 0; i < count; ++i) {
                if (i)
                    out += separator;
                out += ps == synOid || ps == synIpAddress || ps == synIpAddress2 ||
                               ps == synInetAddress
                           ? editText(i).toStdString()
                           : hexField(editText(i));
            }
            return out;
        };
        if (n == 1) {
            text = editText(0).toStdString();
            if (item.Syntax == synPortList) {
                // A port list that does not fit the row's bit map is refused: keeping the old
                // value would write what was not typed and call it done.
                std::string hex;
                if (!PortListToOctets(text, item.Value, hex))
                    raiseNmSnmpError(-518);
                text = hex;
            }
        } else {
            switch (ps) {
                case synBits:
                case synOctets:
                case synOpaque:
                    text = joined(n, "");
                    break;
                case synMacAddress:
                    need(6);
                    text = joined(6, "");
                    break;
                case synIpv6Address:
                    need(16);
                    text = joined(16, "");
                    break;
                case synOid:
                    text = joined(n, ".");
                    break;
                case synIpAddress:
                case synIpAddress2:
                    need(4);
                    text = joined(4, ".");
                    break;
                case synInetAddress:
                    need(4);
                    if (n > 15) {
                        text.clear();
                        for (int i = 0; i < n; ++i)
                            text += hexField(editText(i));
                    } else {
                        text = joined(4, ".");
                    }
                    break;
                case synTimeTicks: {
                    need(5);
                    const std::uint64_t t =
                        std::uint64_t{number(editText(0), 0, 497)} * 8640000 +
                        number(editText(1), 0, 23) * 360000 + number(editText(2), 0, 59) * 6000 +
                        number(editText(3), 0, 59) * 100 + number(editText(4), 0, 99);
                    if (t > 0xffffffffu)  // beyond 497 days, 2:27:52.95
                        raiseCommonError(-8, {{"[MIN]", "0"}, {"[MAX]", "496"}});
                    text = TimeTicksToText(static_cast<std::uint32_t>(t));
                    break;
                }
                case synDateAndTime: {
                    need(10);
                    NmDateTime dt;
                    dt.Year = static_cast<std::uint16_t>(number(editText(0), 0, 65535));
                    dt.Month = static_cast<std::uint8_t>(number(editText(1), 1, 12));
                    dt.Day = static_cast<std::uint8_t>(number(editText(2), 1, 31));
                    dt.Hour = static_cast<std::uint8_t>(number(editText(3), 0, 23));
                    dt.Minutes = static_cast<std::uint8_t>(number(editText(4), 0, 59));
                    dt.Seconds = static_cast<std::uint8_t>(number(editText(5), 0, 60));
                    dt.DeciSeconds = static_cast<std::uint8_t>(number(editText(6), 0, 9));
                    const QString direction = editText(7).trimmed();
                    if (direction != "+" && direction != "-")
                        raiseNmSnmpError(-518);
                    dt.Direction = direction == "-" ? '-' : '+';
                    dt.UtcHours = static_cast<std::uint8_t>(number(editText(8), 0, 13));
                    dt.UtcMinutes = static_cast<std::uint8_t>(number(editText(9), 0, 59));
                    text = dt.ToText();
                    break;
                }
                case synDateTimeValue: {
                    need(7);
                    char buf[64];
                    std::snprintf(buf, sizeof buf, "%04u/%02u/%02u %02u:%02u:%02u",
                                  number(editText(0), 1, 9999), number(editText(1), 1, 12),
                                  number(editText(2), 1, 31), number(editText(3), 0, 23),
                                  number(editText(4), 0, 59), number(editText(5), 0, 59));
                    text = buf;
                    break;
                }
                default:
                    text = editText(0).toStdString();
                    break;
            }
        }
    } else {
        raiseNmSnmpError(-521);
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
