#pragma once

#include "ActivationQueue.h"
#include "FocusMoves.h"
#include "Services.h"

#include <QMainWindow>

#include <array>

class ElasticResizer;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// "Family Names Entry": the eighteen family names that the matching game can play with. They are
// saved only as a complete set, all eighteen at once. The window loads the names when it is made.
class FamilyNamesWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kNoBox = 19; // HighlightNameBox: clear every highlight

    explicit FamilyNamesWindow(Services& services);

    void LoadFamilyNames();
    void Form_Activate();
    // 0 to 17 highlights that box; kNoBox only clears.
    void HighlightNameBox(int index);
    void SaveFamilyNames();
    void ShowHelpTopic();

    std::array<QLineEdit*, 18> nameBoxes{}; // the names, first column then second
    std::array<QLabel*, 18> nameLabels{};
    QLineEdit* boxColourSample; // hidden; its background is the name boxes' normal background
    QLabel* systemColourSample; // hidden; its background is the panel's
    QFrame* namesPanel;
    QPushButton* saveAndExitButton;
    QPushButton* exitButton;
    QMenu* optionsMenu;
    QAction* saveAndExitAction;
    QAction* exitAction;
    QAction* helpAction;
    ElasticResizer* resizer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildNameBoxes();
    void buildMenus();
    QStringList names() const;
    // Tells why the names cannot be saved, then puts the focus into the box concerned.
    void refuseSave(int box, const QString& reason);

    Services& services_;
    ProgramState& program_;
    ActivationQueue activation_;
    FocusMoves* focusMoves_;
};
