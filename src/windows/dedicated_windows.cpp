// The registry of dedicated windows and the opening of a dedicated menu entry.
#include "dedicated_windows.h"

#include <QLoggingCategory>
#include <stdexcept>

#include "menu_catalogue.h"
#include "windows_log.h"

void DedicatedWindowRegistry::Register(const std::string& windowClass,
                                       DedicatedWindowOpener opener) {
    if (windowClass.empty() || !opener)
        throw std::logic_error("A dedicated window needs a class name and an opener");
    if (!openers_.emplace(windowClass, std::move(opener)).second)
        throw std::logic_error("Dedicated window registered twice: " + windowClass);
}

const DedicatedWindowOpener* DedicatedWindowRegistry::Find(std::string_view windowClass) const {
    const auto it = openers_.find(windowClass);
    return it == openers_.end() ? nullptr : &it->second;
}

std::vector<std::string> DedicatedWindowRegistry::Classes() const {
    std::vector<std::string> names;
    for (const auto& [name, opener] : openers_)
        names.push_back(name);
    return names;
}

const DedicatedWindowRegistry& DedicatedWindows() {
    static const DedicatedWindowRegistry registry = [] {
        DedicatedWindowRegistry r;
        RegisterInterfacesWindows(r);
        RegisterStpWindows(r);
        RegisterVlanWindows(r);
        RegisterLldpWindows(r);
        return r;
    }();
    return registry;
}

bool OpenDedicatedWindow(const MenuEntry& entry, const QString& caption,
                         const SharedBindings& shared, const DedicatedWindowRegistry& registry) {
    const DedicatedWindowOpener* open = entry.Window ? registry.Find(entry.Window) : nullptr;
    if (!open)
        return false;
    qCDebug(lcWindows, "opening %s", entry.Window);
    const DedicatedWindowContext context{
        entry, caption, entry.MainWindowOwner ? shared.MainWindow : nullptr, shared};
    (*open)(context);
    return true;
}
