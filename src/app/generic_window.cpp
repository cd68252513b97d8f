// Generic window handlers: the one pattern by which a catalogue entry becomes a modal window.
#include "generic_window.h"

#include <QWidget>
#include <cfenv>
#include <cmath>
#include <cstring>

#include "command_line.h"
#include "config_form.h"
#include "edits_panel.h"
#include "main_form.h"
#include "new_request2_edits_for_oam.h"
#include "nm_snmp_request2_edits.h"
#include "snmp_panel.h"
#include "snmp_types.h"

namespace {

const Adjustment* find(const MenuEntry& entry, AdjustmentKind kind) {
    for (const Adjustment& a : entry.Adjustments)
        if (a.Kind == kind)
            return &a;
    return nullptr;
}

}  // namespace

int roundScaled(double value) {
    return static_cast<int>(std::nearbyint(value));
}

SnmpV2cOverride::SnmpV2cOverride(bool wanted) {
    if (wanted && DefaultSecurity.Version == 0) {
        active_ = true;
        saved_ = DefaultSecurity.Version;
        DefaultSecurity.Version = 1;
    }
}

SnmpV2cOverride::~SnmpV2cOverride() {
    if (active_)
        DefaultSecurity.Version = static_cast<std::uint8_t>(saved_);
}

std::unique_ptr<TConfigForm> BuildGenericWindow(const MenuEntry& entry) {
    const QString title = QString::fromUtf8(entry.Title) + QString::fromStdString(DeviceAddress);
    auto form = std::make_unique<TConfigForm>(nullptr);
    const Adjustment* oam = find(entry, AdjustmentKind::OamBinding);

    struct Placed {
        const char* page;
        TSNMPEditorPanel* editor;
        TSNMPListViewPanel* list;
    };
    std::vector<Placed> placed;
    auto applySize = [&](bool beforePages) {
        for (const Adjustment& a : entry.Adjustments)
            if (a.Kind == AdjustmentKind::Size && a.BeforePages == beforePages)
                form->resize(a.Width ? a.Width : form->width(),
                             a.Height ? a.Height : form->height());
    };

    if (entry.Layout == WindowLayout::Pages) {
        form->CreatePageControl();
        applySize(true);
    }
    for (const CataloguePage& page : entry.Pages) {
        std::unique_ptr<NmSNMPRequest2Edits> binding;
        if (oam)
            binding = std::make_unique<NewRequest2EditsForOAM>(form.get(), oam->Column);
        else
            binding = std::make_unique<NmSNMPRequest2Edits>(form.get());
        binding->Request.VarList = NmSNMPVarList(page.Table, page.Kind, page.IndexCount);
        const bool scalar = page.Kind == vlScalar || page.Kind == vlInstances;
        Placed p{page.Title, nullptr, nullptr};
        switch (entry.Layout) {
            case WindowLayout::Editor:
                p.editor = form->AddEditorPanel(std::move(binding));
                break;
            case WindowLayout::List:
                p.list = form->AddListViewPanel(std::move(binding), page.AddIndex, page.AddLiteral,
                                                page.DeleteIndex, page.DeleteLiteral);
                p.editor = p.list;
                break;
            case WindowLayout::Pages:
                if (scalar) {
                    p.editor =
                        form->AddEditorPage(QString::fromUtf8(page.Title), std::move(binding));
                } else {
                    p.list = form->AddListViewPage(
                        QString::fromUtf8(page.Title), std::move(binding), page.AddIndex,
                        page.AddLiteral, page.DeleteIndex, page.DeleteLiteral);
                    p.editor = p.list;
                }
                break;
            case WindowLayout::None:
                break;
        }
        placed.push_back(p);
    }
    if (entry.Layout == WindowLayout::Pages)
        applySize(false);

    // A step names its page on a pages window; otherwise it is the window's one panel.
    auto target = [&](const Adjustment& a) -> const Placed* {
        if (!a.Page)
            return placed.empty() ? nullptr : &placed.front();
        for (const Placed& p : placed)
            if (p.page && std::strcmp(p.page, a.Page) == 0)
                return &p;
        return nullptr;
    };
    for (const Adjustment& a : entry.Adjustments) {
        const Placed* p = target(a);
        switch (a.Kind) {
            case AdjustmentKind::VarFormat:
                if (p && p->editor)
                    p->editor->SetVarFormat(a.Column, a.Format);
                break;
            case AdjustmentKind::StatusInEdit:
                if (p && p->editor)
                    p->editor->KeepStatusInEdit(a.Column);
                break;
            case AdjustmentKind::NoEdit:
                if (p && p->list)
                    p->list->HideEdit();
                break;
            case AdjustmentKind::NoAdd:
                if (p && p->list)
                    p->list->HideAdd();
                break;
            case AdjustmentKind::EditWidth:
                if (p && p->editor)
                    p->editor->SetEditWidth(
                        roundScaled(a.Width * DisplayScale) +
                        (p->editor->Editor->Rows.empty()
                             ? 0
                             : p->editor->Editor->Rows.front().ValueControl->width()));
                break;
            case AdjustmentKind::Height:
                form->resize(form->width(), a.Height);
                break;
            case AdjustmentKind::ScaledHeight:
                form->resize(form->width(), roundScaled(a.Height * DisplayScale));
                break;
            case AdjustmentKind::ScaledHeightStep:
                form->resize(form->width(), form->height() + roundScaled(a.Height * DisplayScale));
                break;
            default:
                break;
        }
    }
    form->setWindowTitle(title);
    return form;
}

void OpenGenericWindow(const MenuEntry& entry) {
    SnmpV2cOverride v2c(find(entry, AdjustmentKind::SnmpV2c) != nullptr);
    std::unique_ptr<TConfigForm> form = BuildGenericWindow(entry);
    form->exec();
}
