// Writes the catalogue as JSON, one menu command per line, keys in a fixed order.
#include "catalogue_json.h"

#include <cstdio>

namespace {

class JsonWriter {
  public:
    std::string Text;

    void raw(const char* s) { Text += s; }
    void number(long long n) { Text += std::to_string(n); }

    void string(const char* s) {
        if (!s) {
            Text += "null";
            return;
        }
        Text += '"';
        for (const char* p = s; *p; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            switch (c) {
                case '"':
                    Text += "\\\"";
                    break;
                case '\\':
                    Text += "\\\\";
                    break;
                case '\n':
                    Text += "\\n";
                    break;
                case '\t':
                    Text += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", c);
                        Text += buf;
                    } else {
                        Text += static_cast<char>(c);  // UTF-8 passes through
                    }
            }
        }
        Text += '"';
    }

    void key(const char* k) {
        string(k);
        Text += ": ";
    }
};

const char* actionName(MenuAction a) {
    switch (a) {
        case MenuAction::Generic:
            return "generic";
        case MenuAction::Dedicated:
            return "dedicated";
        case MenuAction::Tool:
            return "tool";
        case MenuAction::About:
            return "about";
        case MenuAction::Refresh:
            return "refresh";
        case MenuAction::Submenu:
            break;
    }
    return "submenu";
}

const char* layoutName(WindowLayout l) {
    switch (l) {
        case WindowLayout::Editor:
            return "editor";
        case WindowLayout::List:
            return "list";
        case WindowLayout::Pages:
            return "pages";
        case WindowLayout::None:
            break;
    }
    return nullptr;
}

void writeOptions(JsonWriter& w, const NmOptionList* list) {
    if (!list) {
        w.raw("null");
        return;
    }
    w.raw("{");
    w.key("kind");
    w.number(list->Kind());
    w.raw(", ");
    w.key("entries");
    w.raw("[");
    for (int i = 0; i < list->Count(); ++i) {
        const NmOptionList::Entry& e = list->Item(i);
        w.raw(i ? ", [" : "[");
        if (list->Kind() == okInteger)
            w.number(e.Integer);
        else
            w.string(e.Text.c_str());
        w.raw(", ");
        w.string(e.Label.c_str());
        w.raw("]");
    }
    w.raw("]}");
}

void writeDescriptors(JsonWriter& w, const SNMPVarDescriptor* table) {
    w.raw("[");
    for (const SNMPVarDescriptor* d = table; d && d->Oid; ++d) {
        w.raw(d == table ? "{" : ", {");
        w.key("oid");
        w.string(d->Oid);
        w.raw(", ");
        w.key("caption");
        w.string(d->Caption);
        w.raw(", ");
        w.key("syntax");
        w.number(d->Syntax);
        w.raw(", ");
        w.key("flags");
        w.number(d->Flags);
        w.raw(", ");
        w.key("options");
        writeOptions(w, d->Options);
        w.raw("}");
    }
    w.raw("]");
}

void writePage(JsonWriter& w, const CataloguePage& p) {
    w.raw("{");
    w.key("page");
    w.string(p.Title);
    w.raw(", ");
    w.key("kind");
    w.number(p.Kind);
    w.raw(", ");
    w.key("indexCount");
    w.number(p.IndexCount);
    w.raw(", ");
    w.key("addIndex");
    w.number(p.AddIndex);
    w.raw(", ");
    w.key("addLiteral");
    w.string(p.AddLiteral);
    w.raw(", ");
    w.key("deleteIndex");
    w.number(p.DeleteIndex);
    w.raw(", ");
    w.key("deleteLiteral");
    w.string(p.DeleteLiteral);
    w.raw(", ");
    w.key("descriptors");
    writeDescriptors(w, p.Table);
    w.raw("}");
}

void writePath(JsonWriter& w, const std::vector<std::string>& path) {
    w.raw("[");
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i)
            w.raw(", ");
        w.string(path[i].c_str());
    }
    w.raw("]");
}

void writeEntry(JsonWriter& w, const MenuEntry& e, const std::vector<std::string>& path,
                bool enabled) {
    w.raw("{");
    w.key("path");
    writePath(w, path);
    w.raw(", ");
    w.key("action");
    w.string(actionName(e.Action));
    w.raw(", ");
    w.key("enabled");
    w.raw(enabled ? "true" : "false");
    switch (e.Action) {
        case MenuAction::Generic:
            w.raw(", ");
            w.key("title");
            w.string(e.Title);
            w.raw(", ");
            w.key("layout");
            w.string(layoutName(e.Layout));
            w.raw(", ");
            w.key("adjustments");
            w.raw("[");
            for (std::size_t i = 0; i < e.Adjustments.size(); ++i) {
                if (i)
                    w.raw(", ");
                w.string(e.Adjustments[i].Text);
            }
            w.raw("], ");
            w.key("pages");
            w.raw("[");
            for (std::size_t i = 0; i < e.Pages.size(); ++i) {
                if (i)
                    w.raw(", ");
                writePage(w, e.Pages[i]);
            }
            w.raw("]");
            break;
        case MenuAction::Dedicated:
            w.raw(", ");
            w.key("title");
            w.string(e.Title);
            w.raw(", ");
            w.key("window");
            w.string(e.Window);
            break;
        case MenuAction::Tool:
            w.raw(", ");
            w.key("tool");
            w.string(e.Tool);
            break;
        default:
            break;
    }
    w.raw("}");
}

}  // namespace

std::string catalogueJson(std::span<const MenuEntry> menu, const WindowBuilt& windowBuilt) {
    JsonWriter w;
    w.raw("{\"menu\": [");
    bool first = true;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].Action == MenuAction::Submenu)
            continue;
        w.raw(first ? "\n" : ",\n");
        first = false;
        const bool enabled =
            menu[i].Action != MenuAction::Dedicated || (windowBuilt && windowBuilt(menu[i]));
        writeEntry(w, menu[i], menuPath(menu, i), enabled);
    }
    w.raw("\n]}\n");
    return w.Text;
}
