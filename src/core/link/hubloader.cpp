#include "core/link/hubloader.h"

#include <dlfcn.h>

#include "core/config/programdir.h"

namespace spectavo::link {
namespace {

class SharedLibrary : public HubLibrary {
public:
    explicit SharedLibrary(void *handle) : m_handle(handle) {}
    ~SharedLibrary() override { dlclose(m_handle); }
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;
    void *symbol(const char *name) const override { return dlsym(m_handle, name); }

private:
    void *m_handle;
};

class TableLibrary : public HubLibrary {
public:
    explicit TableLibrary(const SymbolTableLoader::Table &table) : m_table(table) {}
    void *symbol(const char *name) const override {
        const auto found = m_table.find(name);
        return found == m_table.end() ? nullptr : found->second;
    }

private:
    SymbolTableLoader::Table m_table;
};

bool endsWith(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char a = text[text.size() - suffix.size() + i];
        if (static_cast<char>(a | 0x20) != suffix[i] && a != suffix[i])
            return false;
    }
    return true;
}

template <typename Function>
Function bound(const HubLibrary &library, const char *name) {
    return reinterpret_cast<Function>(library.symbol(name));
}

// Exported by every driver although the link never calls them.
constexpr const char *kUnusedMessageExports[] = {"Msg_Clear",   "Msg_CheckState", "Msg_Push",
                                                 "Msg_Restore", "Msg_CmdData",    "Msg_Cmd",
                                                 "Msg_CmdFlag", "Msg_Status",     "Msg_Ack"};

} // namespace

// A driver stays mapped once loaded (RTLD_NODELETE): a thread or callback of the driver that outlives
// its release can never run in unmapped code, and reloading after the hub setup is cheap.
constexpr int kOpenFlags = RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE;

std::unique_ptr<HubLibrary> SharedLibraryLoader::open(const std::string &fileName) {
    if (fileName.find('/') == std::string::npos) {
        for (const std::string &directory : driverDirectories()) {
            const std::string local = directory + "/" + fileName;
            if (void *handle = dlopen(local.c_str(), kOpenFlags))
                return std::make_unique<SharedLibrary>(handle);
        }
    }
    if (void *handle = dlopen(fileName.c_str(), kOpenFlags))
        return std::make_unique<SharedLibrary>(handle);
    return nullptr;
}

std::unique_ptr<HubLibrary> SymbolTableLoader::open(const std::string &fileName) {
    const auto found = m_libraries.find(fileName);
    if (found == m_libraries.end())
        return nullptr;
    return std::make_unique<TableLibrary>(found->second);
}

std::string driverFileName(std::string_view configuredName) {
    std::string name(configuredName);
    if (endsWith(name, ".dll"))
        return name.substr(0, name.size() - 4) + ".so";
    if (!endsWith(name, ".so"))
        name += ".so";
    return name;
}

std::optional<HubBinding> bindHub(const HubLibrary &library) {
    HubBinding hub;
    hub.init = bound<Msg_Init_t>(library, "Msg_Init");
    hub.popup = bound<Msg_Popup_t>(library, "Msg_Popup");
    hub.send = bound<Msg_Send_t>(library, "Msg_Send");
    hub.sendBusy = bound<Msg_SendBuzy_t>(library, "Msg_SendBuzy");
    hub.in = bound<Msg_Tap_t>(library, "Msg_In");
    hub.out = bound<Msg_Tap_t>(library, "Msg_Out");
    hub.openDevice = bound<Hub_OpenDevice_t>(library, "Hub_OpenDevice");
    hub.isConnected = bound<Hub_IsConnected_t>(library, "Hub_IsConnected");
    hub.closeDevice = bound<Hub_CloseDevice_t>(library, "Hub_CloseDevice");
    hub.receivedEvent = static_cast<int *>(library.symbol("hMsg_Received"));
    hub.setRemoteStart = bound<Hub_SetRemoteStart_t>(library, "Hub_SetRemoteStart");

    bool complete = hub.init && hub.popup && hub.send && hub.sendBusy && hub.openDevice && hub.isConnected &&
                    hub.closeDevice && hub.receivedEvent;
    for (const char *name : kUnusedMessageExports)
        complete = complete && library.symbol(name) != nullptr;
    if (!complete)
        return std::nullopt;
    return hub;
}

std::optional<HubSetupBinding> bindHubSetup(const HubLibrary &library) {
    HubSetupBinding setup;
    setup.create = bound<HubSetup_Create_t>(library, "HubSetup_Create");
    setup.save = bound<HubSetup_Save_t>(library, "HubSetup_Save");
    setup.close = bound<HubSetup_Close_t>(library, "HubSetup_Close");
    if (!setup.create || !setup.save || !setup.close)
        return std::nullopt;
    return setup;
}

} // namespace spectavo::link
