#include "core/config/settingchanges.h"

#include <mutex>
#include <set>

namespace spectavo {
namespace {

std::mutex &listenerMutex() {
    static std::mutex mutex;
    return mutex;
}

std::function<void(const SettingChange &)> &listener() {
    static std::function<void(const SettingChange &)> current;
    return current;
}

} // namespace

bool isChosenSetting(const SettingChange &change) {
    static const std::set<std::string> kStateSections = {"Status", "Recent File List", "Window", "Placement"};
    static const std::set<std::string> kStateKeys = {"LastType", "Maximized", "LastFolder", "LastPath"};
    return kStateSections.count(change.section) == 0 && kStateKeys.count(change.key) == 0;
}

void setSettingChangeListener(std::function<void(const SettingChange &)> newListener) {
    std::lock_guard guard(listenerMutex());
    listener() = std::move(newListener);
}

void announceSettingChange(const SettingChange &change) {
    std::function<void(const SettingChange &)> current;
    {
        std::lock_guard guard(listenerMutex());
        current = listener();
    }
    if (current)
        current(change);
}

} // namespace spectavo
