#include "Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

namespace {

// The notification object of a window: a child that never shows, named by what it tells. It
// gathers the texts told while a handler runs and tells them once control is back in the event
// loop, so that one notification carries them all and none cuts off the one before. A control
// that tells twice meanwhile (a turn passed, then the game won) is heard with its last text.
class Notifier : public QWidget {
public:
    explicit Notifier(QWidget* window) : QWidget(window) {
        setObjectName(kObjectName);
        hide();
    }

    static constexpr const char* kObjectName = "announcement";

    void add(const QWidget& from, const QString& text) {
        if (pending_.isEmpty()) {
            QMetaObject::invokeMethod(
                this, [this] { tell(); }, Qt::QueuedConnection);
        }
        pending_.removeIf([&from](const Told& told) { return told.from == &from; });
        pending_.append({&from, text});
    }

    QString told() const { return told_; }

private:
    // A screen reader speaks a notification as it comes to show.
    void tell() {
        QStringList texts;
        for (const Told& told : std::as_const(pending_)) {
            texts.append(told.text);
        }
        told_ = texts.join('\n');
        pending_.clear();
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&event);
        }
    }

    struct Told {
        const QWidget* from;
        QString text;
    };
    QList<Told> pending_;
    QString told_;
};

class NotifierAccessible : public QAccessibleWidget {
public:
    explicit NotifierAccessible(Notifier* notifier)
        : QAccessibleWidget(notifier, QAccessible::Notification) {}

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? static_cast<Notifier*>(widget())->told() : QString();
    }
};

QAccessibleInterface* notifierInterface(const QString&, QObject* object) {
    auto* notifier = dynamic_cast<Notifier*>(object);
    return notifier != nullptr ? new NotifierAccessible(notifier) : nullptr;
}

Notifier* findNotifier(const QWidget& window) {
    return dynamic_cast<Notifier*>(
        window.findChild<QWidget*>(Notifier::kObjectName, Qt::FindDirectChildrenOnly));
}

} // namespace

namespace Announcement {

void announce(QWidget& control, const QString& text) {
    if (!QAccessible::isActive() || !control.isVisible() || text.trimmed().isEmpty()) {
        return;
    }
    QWidget* window = control.window();
    Notifier* notifier = findNotifier(*window);
    if (notifier == nullptr) {
        // Qt keeps the factory once, however often this runs.
        QAccessible::installFactory(notifierInterface);
        notifier = new Notifier(window);
    }
    notifier->add(control, text);
}

QWidget* notifier(const QWidget& window) {
    return findNotifier(window);
}

} // namespace Announcement
