#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/link/hubdriver.h"

namespace spectavo::link {

// A loaded hub driver library: symbols by exact name.
class HubLibrary {
public:
    virtual ~HubLibrary() = default;
    virtual void *symbol(const char *name) const = 0;
};

// Opens driver libraries. The real loader opens shared libraries; tests bind an in-process table
// through the same interface, so the binding rules are checked without building libraries.
class HubLoader {
public:
    virtual ~HubLoader() = default;
    // Nothing when the library cannot be loaded.
    virtual std::unique_ptr<HubLibrary> open(const std::string &fileName) = 0;
};

// Opens tarvesta.zav.comm.<name>.so from the program directory first, then through the dynamic
// linker's search path.
class SharedLibraryLoader : public HubLoader {
public:
    std::unique_ptr<HubLibrary> open(const std::string &fileName) override;
};

// Symbols supplied by the caller, under library names of its choice.
class SymbolTableLoader : public HubLoader {
public:
    using Table = std::map<std::string, void *>;
    void add(const std::string &fileName, Table symbols) { m_libraries[fileName] = std::move(symbols); }
    std::unique_ptr<HubLibrary> open(const std::string &fileName) override;

private:
    std::map<std::string, Table> m_libraries;
};

// The configured driver name as a file on this platform: a trailing ".dll" becomes ".so", a name
// without ".so" gets it ("tarvesta.zav.comm.rs232.dll" -> "tarvesta.zav.comm.rs232.so").
std::string driverFileName(std::string_view configuredName);

// The entry points of a bound driver. Required ones are never null; the taps and the remote-start
// hook may be.
struct HubBinding {
    Msg_Init_t init = nullptr;
    Msg_Popup_t popup = nullptr;
    Msg_Send_t send = nullptr;
    Msg_SendBuzy_t sendBusy = nullptr;
    Msg_Tap_t in = nullptr;
    Msg_Tap_t out = nullptr;
    Hub_OpenDevice_t openDevice = nullptr;
    Hub_IsConnected_t isConnected = nullptr;
    Hub_CloseDevice_t closeDevice = nullptr;
    int *receivedEvent = nullptr;
    Hub_SetRemoteStart_t setRemoteStart = nullptr;
};

// Binds every message and device export. Nothing when any required one is missing: the thirteen
// message functions other than the two taps, the three device functions and hMsg_Received.
std::optional<HubBinding> bindHub(const HubLibrary &library);

// The driver's own settings panel, bound separately by the hub setup.
struct HubSetupBinding {
    HubSetup_Create_t create = nullptr;
    HubSetup_Save_t save = nullptr;
    HubSetup_Close_t close = nullptr;
};
std::optional<HubSetupBinding> bindHubSetup(const HubLibrary &library);

} // namespace spectavo::link
