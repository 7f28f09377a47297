#include "clisession.h"

#include "core/config/profilefile.h"
#include "core/scan/wave/scansettings.h"
#include "core/strings/cformat.h"

namespace spectavo::cli {

void Waiter::post(const link::Notification &notification) {
    {
        std::lock_guard guard(m_mutex);
        m_received.push_back(notification);
    }
    m_arrived.notify_all();
}

bool Waiter::waitWatched(std::unique_lock<std::mutex> &lock, const std::function<bool()> &done,
                         std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    m_gaveUp = link::LinkWatch::State::Alive;
    for (;;) {
        if (done())
            return true;
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        if (m_watch) {
            lock.unlock();
            const link::LinkWatch::State state = m_watch();
            lock.lock();
            if (state != link::LinkWatch::State::Alive) {
                m_gaveUp = state;
                return done();
            }
        }
        m_arrived.wait_until(lock, std::min(deadline, now + std::chrono::milliseconds(100)));
    }
}

std::optional<link::Notification>
Waiter::waitFor(const std::function<bool(const link::Notification &)> &match,
                std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    std::optional<link::Notification> found;
    waitWatched(
        lock,
        [&] {
            for (const auto &notification : m_received)
                if (match(notification)) {
                    found = notification;
                    return true;
                }
            return false;
        },
        timeout);
    return found;
}

bool Waiter::waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return waitWatched(lock, condition, timeout);
}

std::vector<link::Notification> Waiter::take(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_arrived.wait_for(lock, timeout, [&] { return !m_received.empty(); });
    std::vector<link::Notification> taken;
    taken.swap(m_received);
    return taken;
}

void Waiter::clear() {
    std::lock_guard guard(m_mutex);
    m_received.clear();
}

void CliSession::Messages::showLinkMessage(const std::string &caption, const std::string &text) {
    std::lock_guard guard(mutex);
    last = caption + ": " + text;
}

bool CliSession::connect(const std::string &driver, std::string &error) {
    m_link.setMessages(&m_messages);
    m_link.setMainTarget(&m_frame);
    m_link.ResetStationStatus();
    m_link.readStationStatusFile();
    // The handshake ends with the scan parameters of the shared wavelength-scan settings.
    const ProfileFile scanFile(scan::ScanSettings::kFileName, true);
    scan::ScanSettings settings;
    settings.load(scanFile);
    m_link.setScanSetupProvider(settings.setupProvider(scanFile));
    const bool loaded =
        driver.empty() ? m_link.channel().LoadHubDriver() : m_link.channel().LoadHubDriverNamed(driver);
    if (!loaded) {
        std::lock_guard guard(m_messages.mutex);
        error = m_messages.last.empty() ? "the hub driver could not be loaded" : m_messages.last;
        return false;
    }
    if (!m_link.channel().OpenHub()) {
        error = "the hub driver could not open its device";
        return false;
    }
    if (!m_link.channel().StartReceiver()) {
        error = "the receive thread could not be started";
        return false;
    }
    m_connected = true;
    m_watch.emplace(m_link, link::LinkWatch::Clock::now());
    const Waiter::Watch watch = [this] { return m_watch->check(link::LinkWatch::Clock::now()); };
    m_window.setWatch(watch);
    m_frame.setWatch(watch);
    // A request lost on the line is asked again; the instrument gets three chances within the time.
    const auto perTry = std::max(std::chrono::milliseconds(500), m_timeout / kLinkTries);
    bool online = false;
    for (int attempt = 0; attempt < kLinkTries && !online; ++attempt) {
        m_link.commands().LinkRequest();
        online = m_frame.waitUntil([this] { return m_link.status().linkOnline.load() == 1; }, perTry);
    }
    if (!online) {
        error = !gaveUpReason().empty() ? gaveUpReason()
                : m_link.channel().IsHubConnected()
                    ? strings::formatC("the instrument did not answer %d link requests", kLinkTries)
                    : "the hub driver lost its device before the instrument answered";
        return false;
    }
    // The handshake's status query is answered item by item; commands rely on the cell count and the
    // status items, so wait for the last one (briefly: an instrument may report fewer).
    m_frame.waitFor(
        [](const link::Notification &n) {
            return n.kind == link::NotifyKind::Station && n.code == link::kStationItem &&
                   n.value == link::kItemPower;
        },
        std::min(m_timeout, std::chrono::milliseconds(2000)));
    return true;
}

std::string CliSession::gaveUpReason() const {
    for (const Waiter *waiter : {&m_window, &m_frame})
        if (waiter->gaveUp() != link::LinkWatch::State::Alive)
            return link::LinkWatch::describe(waiter->gaveUp());
    return {};
}

CliSession::~CliSession() {
    if (m_connected) {
        m_link.operations().CloseAcquisition();
        if (m_link.channel().IsHubConnected() && m_link.status().linkOnline.load() == 1) {
            m_link.commands().Unlink();
            m_link.channel().WaitSendIdle();
        }
        m_link.channel().StopReceiver();
        if (m_link.channel().IsHubConnected())
            m_link.channel().CloseHub();
    }
    m_link.setMainTarget(nullptr);
    m_link.channel().ReleaseHubDriver();
}

} // namespace spectavo::cli
