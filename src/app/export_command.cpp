// The command-line export: finds the menu entry, builds its window as the menu would (hidden),
// reads the chosen panel once and writes the list or the caption/value pairs as CSV.
#include "export_command.h"

#include <QStatusBar>
#include <QStringList>
#include <QTreeWidget>
#include <algorithm>
#include <cctype>
#include <exception>

#include "command_line.h"
#include "config_form.h"
#include "copy_export.h"
#include "generic_window.h"
#include "main_form.h"
#include "nm_snmp_request2_edits.h"
#include "snmp_panel.h"

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Components between slashes, trimmed; a caption with a slash of its own splits the same way
// in the text and in the entry, so the two still compare equal.
std::vector<std::string> components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(trimmed(path.substr(start, slash - start)));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& parts, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < parts.size(); ++i)
        text += (i > from ? " / " : "") + parts[i];
    return text;
}

std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string statusText(const NmSNMPRequest2Edits* binding) {
    if (auto* bar = qobject_cast<QStatusBar*>(binding->StatusTarget()))
        return bar->currentMessage().toStdString();
    return {};
}

const TEditsPanel* editorOf(const TConfigForm& form, const NmSNMPRequest2Edits* binding) {
    for (const TSNMPEditorPanel* p : form.findChildren<TSNMPEditorPanel*>())
        if (p->Binding == binding && !qobject_cast<const TSNMPListViewPanel*>(p))
            return p->Editor;
    return nullptr;
}

}  // namespace

bool ParseExportArguments(const std::vector<std::string>& args, ExportRequest& request,
                          std::string& error) {
    request = ExportRequest{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--export" && a != "--page") {
            request.Switches.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a == "--export" ? "--export needs a menu path" : "--page needs a page title";
            return false;
        }
        if (a == "--export") {
            request.Path = args[++i];
        } else {
            request.Page = args[++i];
            request.HasPage = true;
        }
    }
    return true;
}

std::string MenuPathText(std::span<const MenuEntry> menu, std::size_t index) {
    std::vector<std::string> path = menuPath(menu, index);
    for (std::string& caption : path)
        caption = trimmed(caption);
    return joined(path);
}

int FindMenuPath(std::span<const MenuEntry> menu, const std::string& path) {
    const std::string wanted = joined(components(path));
    int folded = -1, foldedCount = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].Action == MenuAction::Submenu)
            continue;
        const std::string text = joined(components(MenuPathText(menu, i)));
        if (text == wanted)
            return static_cast<int>(i);
        if (lower(text) == lower(wanted)) {
            folded = static_cast<int>(i);
            ++foldedCount;
        }
    }
    return foldedCount == 1 ? folded : -1;
}

std::vector<std::string> NearestMenuPaths(std::span<const MenuEntry> menu, const std::string& path,
                                          std::size_t count) {
    const std::string wanted = lower(joined(components(path)));
    struct Scored {
        std::size_t score;
        std::size_t order;
        std::string path;
    };
    std::vector<Scored> scored;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].Action != MenuAction::Generic)
            continue;
        const std::string text = MenuPathText(menu, i);
        const std::vector<std::string> parts = components(lower(text));
        // The text may name the entry from any level down, or a menu above it.
        std::size_t best = joined(parts).rfind(wanted + " / ", 0) == 0 ? 0 : std::string::npos;
        for (std::size_t from = 0; from < parts.size(); ++from)
            best = std::min(best, editDistance(wanted, joined(parts, from)));
        // Or every word of it stands in the path or the window title.
        const std::string haystack =
            joined(parts) + " " + lower(menu[i].Title ? menu[i].Title : "");
        const std::vector<std::string> words = components(wanted);
        bool all = true;
        for (const std::string& w : words)
            for (std::size_t from = 0, to = 0; all && from < w.size(); from = to + 1) {
                to = std::min(w.find(' ', from), w.size());
                all = to == from || haystack.find(w.substr(from, to - from)) != std::string::npos;
            }
        if (all && !wanted.empty())
            best = std::min<std::size_t>(best, 1);
        if (best <= wanted.size() / 2)
            scored.push_back({best, i, text});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score < b.score; });
    if (scored.empty())
        return {};
    // Only those about as near as the nearest one, not any entry at all.
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < scored.size() && i < count; ++i)
        if (scored[i].score <= 2 * scored.front().score + 1)
            nearest.push_back(scored[i].path);
    return nearest;
}

int RunExport(const ExportRequest& request, std::string& out, std::string& err) {
    const std::span<const MenuEntry> menu = menuCatalogue();
    const int at = FindMenuPath(menu, request.Path);
    if (at < 0) {
        err = "corvane: no menu entry \"" + request.Path + "\"";
        const std::vector<std::string> nearest = NearestMenuPaths(menu, request.Path, 8);
        err += nearest.empty() ? "; corvane-catalogue --json lists the entries.\n"
                               : "; the nearest entries are:\n";
        for (const std::string& p : nearest)
            err += "  " + p + "\n";
        return 2;
    }
    const MenuEntry& entry = menu[static_cast<std::size_t>(at)];
    const std::string name = MenuPathText(menu, static_cast<std::size_t>(at));
    if (entry.Action != MenuAction::Generic) {
        err = "corvane: \"" + name + "\" does not open a MIB window that can be exported.\n";
        return 2;
    }
    std::size_t page = 0;
    if (request.HasPage) {
        std::vector<std::string> titles;
        for (const CataloguePage& p : entry.Pages)
            titles.push_back(p.Title ? trimmed(p.Title) : std::string());
        auto found = std::find(titles.begin(), titles.end(), trimmed(request.Page));
        if (found == titles.end())
            found = std::find_if(titles.begin(), titles.end(), [&](const std::string& t) {
                return !t.empty() && lower(t) == lower(trimmed(request.Page));
            });
        if (entry.Layout != WindowLayout::Pages || found == titles.end()) {
            err = "corvane: \"" + name + "\" has no page \"" + request.Page + "\"";
            if (entry.Layout != WindowLayout::Pages) {
                err += "; it is a window without pages.\n";
            } else {
                err += "; its pages are:\n";
                for (const std::string& t : titles)
                    err += "  " + t + "\n";
            }
            return 2;
        }
        page = static_cast<std::size_t>(found - titles.begin());
    }

    try {
        LaunchParameters kept;
        StartSession(request.Switches, {}, kept);
    } catch (const CommandLineError& e) {
        err = std::string("corvane: ") + e.what() + "\n";
        return 2;
    } catch (const std::exception& e) {
        err = std::string("corvane: ") + e.what() + "\n";
        return 1;
    }

    try {
        bool v2c = false;
        for (const Adjustment& a : entry.Adjustments)
            v2c = v2c || a.Kind == AdjustmentKind::SnmpV2c;
        SnmpV2cOverride version(v2c);
        std::unique_ptr<TConfigForm> form = BuildGenericWindow(entry);
        NmSNMPRequest2Edits* binding = form->PanelBindings.at(page).get();
        // The window's own binding, read once and waited for.
        binding->Async = false;
        binding->Request.Active = true;
        bool ok = false;
        try {
            ok = binding->Get();
        } catch (const std::exception& e) {
            binding->ShowStatus(e.what());
        }
        if (!ok) {
            const std::string status = statusText(binding);
            err = (status.empty() ? "corvane: the read of \"" + name + "\" did not complete."
                                  : status) +
                  "\n";
            return 1;
        }
        if (binding->ListView) {
            out = ListViewCsv(binding->ListView).toStdString();
        } else if (const TEditsPanel* editor = editorOf(*form, binding)) {
            out = PairsCsv(EditorPairs(editor)).toStdString();
        }
        return 0;
    } catch (const std::exception& e) {
        err = std::string("corvane: ") + e.what() + "\n";
        return 1;
    }
}
