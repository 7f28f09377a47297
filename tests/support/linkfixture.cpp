#include "support/linkfixture.h"

#include <dlfcn.h>
#include <stdexcept>

#include "core/link/bytes.h"

namespace spectavo::test {

namespace {

// Kept open for the whole test program, so the hub's state survives a link releasing the driver.
void *scriptedHub() {
    static void *const handle = dlopen(scriptedHubPath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw std::runtime_error("cannot load " + scriptedHubPath() + ": " + dlerror());
    return handle;
}

template <typename Function>
Function control(const char *name) {
    return reinterpret_cast<Function>(dlsym(scriptedHub(), name));
}

} // namespace

std::string scriptedHubPath() {
    return SPECTAVO_BIN_DIR "/tarvesta.zav.comm.scripted.so";
}

void hubReset() {
    control<void (*)()>("Script_Reset")();
}

void hubPush(const StationPacket &packet) {
    control<void (*)(const StationPacket *)>("Script_Push")(&packet);
}

int hubSentCount() {
    return control<int (*)()>("Script_SentCount")();
}

bool hubSent(int index, StationPacket &out) {
    return control<int (*)(int, StationPacket *)>("Script_Sent")(index, &out) != 0;
}

void hubRefuseSends(int count) {
    control<void (*)(int)>("Script_RefuseSends")(count);
}

void hubRequestRemoteStart(int param) {
    control<void (*)(int)>("Script_RequestRemoteStart")(param);
}

void hubUnplug() {
    control<void (*)()>("Script_Unplug")();
}

int hubInitCount() {
    return control<int (*)()>("Script_InitCount")();
}

void hubSuppressOut(bool suppress) {
    control<void (*)(int)>("Script_SuppressOut")(suppress ? 1 : 0);
}

link::SymbolTableLoader::Table scriptedHubSymbols() {
    link::SymbolTableLoader::Table table;
    for (const char *name :
         {"Msg_Init",       "Msg_Clear",       "Msg_CheckState",  "Msg_Push",      "Msg_Popup",
          "Msg_Restore",    "Msg_Send",        "Msg_CmdData",     "Msg_Cmd",       "Msg_CmdFlag",
          "Msg_Status",     "Msg_Ack",         "Msg_SendBuzy",    "Msg_In",        "Msg_Out",
          "Hub_OpenDevice", "Hub_IsConnected", "Hub_CloseDevice", "hMsg_Received", "Hub_SetRemoteStart"})
        table[name] = dlsym(scriptedHub(), name);
    return table;
}

std::vector<SentCommand> sentCommands() {
    std::vector<SentCommand> commands;
    const int count = hubSentCount();
    for (int i = 0; i < count; ++i) {
        StationPacket p{};
        hubSent(i, p);
        commands.push_back({p.code, std::vector<std::uint8_t>(p.data, p.data + p.length)});
    }
    return commands;
}

std::vector<SentCommand> sentCommandsWith(std::uint8_t code) {
    std::vector<SentCommand> found;
    for (const SentCommand &command : sentCommands())
        if (command.code == code)
            found.push_back(command);
    return found;
}

LinkFixture::LinkFixture() {
    hubReset();
    link = std::make_unique<link::StationLink>(std::make_unique<link::SharedLibraryLoader>());
    link::LinkTiming timing;
    timing.handshakePause = std::chrono::milliseconds(0);
    timing.giveUpSending = std::chrono::milliseconds(200);
    timing.stopReceiverWarning = std::chrono::milliseconds(3000);
    link->setTiming(timing);
    link->setMessages(&messages);
    link->setMainTarget(&main);
    const std::string path = scriptedHubPath();
    if (!link->channel().LoadHubDriverNamed(path.substr(0, path.size() - 3) + ".dll"))
        throw std::runtime_error("the link refused the scripted hub");
    link->channel().OpenHub();
}

void publishReading(link::StationLink &link, float absorbance, float nanometres) {
    link.acquisition().hold().publishReading(absorbance, static_cast<int>(link::toTenths(nanometres)));
}

ReadingFeeder::ReadingFeeder(link::StationLink &link, float nanometres, float absorbance,
                             std::chrono::microseconds period)
    : m_link(link), m_nanometres(nanometres), m_absorbance(absorbance) {
    m_thread = std::thread([this, period] {
        while (!m_done.load()) {
            if (!m_silent.load()) {
                publishReading(m_link, m_absorbance.load(), m_nanometres.load());
                m_published.fetch_add(1);
            }
            std::this_thread::sleep_for(period);
        }
    });
}

void ReadingFeeder::waitForFirst() const {
    while (m_published.load() == 0)
        std::this_thread::yield();
}

ReadingFeeder::~ReadingFeeder() {
    m_done.store(true);
    m_thread.join();
}

} // namespace spectavo::test
