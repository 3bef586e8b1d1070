#pragma once

#include <QMap>
#include <QWidget>

#include <functional>
#include <memory>

struct Services;

// The windows that the toolbar buttons open, by button number (2 to 17), and the backup window. The
// program registers every window it has at start-up; a command whose window is not registered is
// disabled.
class WindowCatalog {
public:
    // The backup window has no toolbar button; it is kept under a number of its own.
    static constexpr int kBackupWindow = 21;

    using Factory = std::function<std::unique_ptr<QWidget>(Services&)>;

    void add(int number, Factory factory) { factories_.insert(number, std::move(factory)); }
    bool has(int number) const { return factories_.contains(number); }
    std::unique_ptr<QWidget> create(int number, Services& services) const {
        return has(number) ? factories_.value(number)(services) : nullptr;
    }

private:
    QMap<int, Factory> factories_;
};
