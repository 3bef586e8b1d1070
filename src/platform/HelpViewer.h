#pragma once

#include <QString>

#include <memory>

class Dialogs;
class HelpWindow;
class ProgramFolder;

// Shows topics of the program's help file. A topic is addressed by its context number or, for the
// few topics that have none, by its name.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(int context) = 0;
    virtual void showContents() = 0;
    virtual void showNamedTopic(const QString& name) = 0;
};

// Shows Korvane.hlp of the program folder in one help window, reused for every call. The window is
// not modal and stays usable beside the window that asked for help, modal or not. A help file that
// cannot be read safely gets a message instead.
class WindowHelpViewer : public HelpViewer {
public:
    static constexpr const char* kUnreadable = "The help file could not be read.";

    WindowHelpViewer(const ProgramFolder& folder, Dialogs& dialogs);
    ~WindowHelpViewer() override;

    void showTopic(int context) override;
    void showContents() override;
    void showNamedTopic(const QString& name) override;

    // The help window, made at the first call; nullptr before.
    HelpWindow* window() const { return window_.get(); }

private:
    const ProgramFolder& folder_;
    Dialogs& dialogs_;
    std::unique_ptr<HelpWindow> window_;
};
