#pragma once

#include "ActivationQueue.h"
#include "ActivityConstants.h"
#include "Services.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <functional>
#include <vector>

class ElasticResizer;
class FocusMoves;
class QAction;
class OptionsPopup;
class QLabel;
class QMenu;
class QToolBar;
class StatusBar;
class Toolbar;
class WindowKeys;

// A button of a window's left side toolbar, with the command a click runs.
struct SideToolbarButton {
    QIcon picture;
    QString tooltip;
    std::function<void()> command = {};
};

// What every activity and household window shares: the 20-button toolbar with the switching to
// other activities, the two side toolbars, the status bar with its restore panels, placement over
// the main window, the background, the centred main panel, help, the web site and the right-click
// Options menu. A window configures them with its ActivityConstants and builds only its own
// controls, on centralWidget(), in twips as designed.
class ActivityWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kRestoreTopToolbar = "Click to Restore Top Toolbar";
    static constexpr const char* kRestoreSideToolbars = "Click to Restore Side Toolbars";

    ActivityWindow(Services& services, const ActivityConstants& constants, const QString& caption);
    ~ActivityWindow() override;

    // A click on toolbar button n: asks the main window for activity n, or acts on 16 to 20.
    void ToolbarSwitch(int button);
    // A click on status-bar panel 1, 2 or 3.
    void RestoreToolbars(int panel);
    void ShowHelpTopic();
    void OpenWebSite();
    // Shows the Family Names Entry (16) or Sound Information (17) window over this one, with its
    // status text, as toolbar buttons 16 and 17 do; the window's own commands for them use it too.
    void ShowWindowOverSelf(int button);
    // The Sound Information window from the window's own menu or side toolbar: status "Sound
    // Information"; SharedState is kept in SignalValue and 0 while it is open, and put back after.
    void ShowSoundInformation();
    // Button n (from 1) of the left side toolbar.
    QAction* leftToolbarButton(int n) const { return leftToolbarButtons_.at(std::size_t(n)); }
    // The desktop session is ending (a logout or a shutdown) while the window is open. When the
    // session lets it ask, the window asks its exit questions and false means the person chose to
    // stay; otherwise it saves what those questions would offer to save.
    bool SessionEnding(bool mayAsk);

    Toolbar* toolbar;
    QToolBar* leftToolbar;  // docked left
    QToolBar* rightToolbar; // docked right
    StatusBar* statusPanels;
    QLabel* backgroundPicture;         // the background picture, covering the whole window
    ElasticResizer* resizer = nullptr; // made at load, when the controls stand as designed
    QMenu* optionsMenu;                // "&Options", also the right-click menu
    QAction* helpAction; // "&Help", a menu without items: a click shows the window's help topic

protected:
    // The window's exit command: what it does before and after close().
    virtual void ExitCommand() = 0;
    // The questions of the window's exit (save the entries, save the colours), asked once on every
    // way of closing: the exit command, Esc, the toolbars, the close box and the window manager.
    // False keeps the window open.
    virtual bool ExitQuestions() { return true; }
    // What the window does once it has closed.
    virtual void Form_Unload() {}
    // Saves, without asking, the entries the exit questions would offer to save.
    virtual void SaveWithoutAsking() {}
    // The panel that holds the window's whole working area, centred at activation.
    virtual QWidget* mainPanel() const = 0;
    // Runs at the window's first show and whenever a window shown over it has closed.
    virtual void Form_Activate();
    // Run just before a window of button 16 or 17 is shown over this one, and just after it closed.
    virtual void windowOverSelfOpening(int /*button*/) {}
    virtual void windowOverSelfClosed(int /*button*/) {}

    // The shared steps of a window's load, in this order: placement and rescaling, background,
    // toolbar set-up.
    void LoadFormServices();
    void PlaceOverMainWindow();
    void ApplyBackground();
    void SetUpToolbars();
    // Adds the buttons to leftToolbar, numbered from 1 in the order given, each showing its
    // tooltip. A click runs the button's command; a button without one runs click(n) when it is
    // given.
    void fillSideToolbar(const QList<SideToolbarButton>& buttons,
                         const std::function<void(int)>& click = {});
    // The shared steps of activation: normal pointer, picture, centred panel, saved layout.
    void ActivateFormServices();
    void CentreMainPanel(int offsetTwips);

    // Attaches the right-click Options menu to a control.
    void attachOptionsPopup(QWidget* control);
    // A control inside an attached one whose right-button click must not pop the menu up.
    void keepFromOptionsPopup(QWidget* control);
    // Steps of the window's own around each right-click popup (OptionsPopup::setHooks).
    void setOptionsPopupHooks(std::function<bool()> before, std::function<void()> after = {});
    void showStatus(const QString& text);
    // Shows a window modally over this one, then activates this one again.
    void showModalOverSelf(QWidget& window);
    // The controls' got-focus and lost-focus handlers, and the default and cancel buttons; each
    // is made at its first use and taken down before the controls are.
    FocusMoves& focusMoves();
    WindowKeys& windowKeys();

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) final;

    Services& services_;
    ProgramState& program_;
    const ActivityConstants constants_;
    // The help context of the help commands: the window's own, unless it shows a part that
    // has its own topic.
    virtual int currentHelpContext() const { return constants_.helpContext; }

private:
    void restoreToolbarLayout();
    void coverWithPicture();
    bool backgroundIsPicture() const;

    OptionsPopup* optionsPopup_;
    ActivationQueue activation_;
    FocusMoves* focusMoves_ = nullptr;
    WindowKeys* windowKeys_ = nullptr;
    std::vector<QAction*> leftToolbarButtons_; // by button number; 0 is unused
    bool asking_ = false;                      // the exit questions are open
    bool closed_ = false;                      // closed since the last show: nothing more to ask
};
