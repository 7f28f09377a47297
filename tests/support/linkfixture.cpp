#include "support/linkfixture.h"

#include "core/link/bytes.h"

namespace spectavo::test {

link::SymbolTableLoader::Table scriptedHubSymbols() {
    return {
        {"Msg_Init", reinterpret_cast<void *>(&Msg_Init)},
        {"Msg_Clear", reinterpret_cast<void *>(&Msg_Clear)},
        {"Msg_CheckState", reinterpret_cast<void *>(&Msg_CheckState)},
        {"Msg_Push", reinterpret_cast<void *>(&Msg_Push)},
        {"Msg_Popup", reinterpret_cast<void *>(&Msg_Popup)},
        {"Msg_Restore", reinterpret_cast<void *>(&Msg_Restore)},
        {"Msg_Send", reinterpret_cast<void *>(&Msg_Send)},
        {"Msg_CmdData", reinterpret_cast<void *>(&Msg_CmdData)},
        {"Msg_Cmd", reinterpret_cast<void *>(&Msg_Cmd)},
        {"Msg_CmdFlag", reinterpret_cast<void *>(&Msg_CmdFlag)},
        {"Msg_Status", reinterpret_cast<void *>(&Msg_Status)},
        {"Msg_Ack", reinterpret_cast<void *>(&Msg_Ack)},
        {"Msg_SendBuzy", reinterpret_cast<void *>(&Msg_SendBuzy)},
        {"Msg_In", reinterpret_cast<void *>(&Msg_In)},
        {"Msg_Out", reinterpret_cast<void *>(&Msg_Out)},
        {"Hub_OpenDevice", reinterpret_cast<void *>(&Hub_OpenDevice)},
        {"Hub_IsConnected", reinterpret_cast<void *>(&Hub_IsConnected)},
        {"Hub_CloseDevice", reinterpret_cast<void *>(&Hub_CloseDevice)},
        {"hMsg_Received", static_cast<void *>(&hMsg_Received)},
        {"Hub_SetRemoteStart", reinterpret_cast<void *>(&Hub_SetRemoteStart)},
    };
}

std::vector<SentCommand> sentCommands() {
    std::vector<SentCommand> commands;
    const int count = Script_SentCount();
    for (int i = 0; i < count; ++i) {
        StationPacket p{};
        Script_Sent(i, &p);
        commands.push_back({p.code, std::vector<std::uint8_t>(p.data, p.data + p.length)});
    }
    return commands;
}

LinkFixture::LinkFixture() {
    Script_Reset();
    auto loader = std::make_unique<link::SymbolTableLoader>();
    loader->add("tarvesta.zav.comm.scripted.so", scriptedHubSymbols());
    link = std::make_unique<link::StationLink>(std::move(loader));
    link::LinkTiming timing;
    timing.handshakePause = std::chrono::milliseconds(0);
    timing.giveUpSending = std::chrono::milliseconds(200);
    timing.stopReceiverWarning = std::chrono::milliseconds(3000);
    link->setTiming(timing);
    link->setMessages(&messages);
    link->setMainTarget(&main);
    link->LoadHubDriverNamed("tarvesta.zav.comm.scripted.dll");
    link->OpenHub();
}

} // namespace spectavo::test
