#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include "core/link/notify.h"

namespace spectavo::app {

// A link notification as a Qt event, posted to a window's event queue (never delivered directly from
// the link's threads).
class NotifyEvent : public QEvent {
public:
    static QEvent::Type eventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    explicit NotifyEvent(const link::Notification &notification)
        : QEvent(eventType()), m_notification(notification) {}
    const link::Notification &notification() const { return m_notification; }

private:
    link::Notification m_notification;
};

// The Qt side of a notify target: posts each notification to its receiver. The window unregisters it
// from the link before it dies.
class QtNotifyTarget : public link::NotifyTarget {
public:
    explicit QtNotifyTarget(QObject *receiver) : m_receiver(receiver) {}
    void post(const link::Notification &notification) override {
        QCoreApplication::postEvent(m_receiver, new NotifyEvent(notification));
    }

private:
    QObject *m_receiver;
};

} // namespace spectavo::app
