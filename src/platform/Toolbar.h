#pragma once

#include "ToolbarLayout.h"

#include <QToolBar>

#include <array>

class HelpViewer;
class ModalShower;
class QAction;
class Registry;

// The 20-button toolbar that the main window and every activity window carry: the same buttons in
// the same order, numbered 1 to 20, each with a picture, a tooltip and the key "1" to "20". The
// person may hide and reorder the buttons in its customise dialog; the layout is kept in the
// registry under a key, sub-key "User1", value "Toolbar1".
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kButtons = 20;

    explicit Toolbar(QWidget* parent = nullptr);

    QAction* button(int number) const; // number 1 to 20
    void setButtonEnabled(int number, bool enabled);
    void setButtonsEnabled(int first, int last, bool enabled);
    bool isButtonEnabled(int number) const;

    // Which buttons show and in which order. Setting a layout that does not hold every button
    // exactly once changes nothing.
    ToolbarLayout buttonLayout() const { return layout_; }
    void setButtonLayout(const ToolbarLayout& layout);

    // Opens the customise dialog modally; when the person confirms a changed layout, applies it and
    // emits layoutChanged. Returns whether the layout changed.
    bool customize(ModalShower& modal, HelpViewer& help);

    void saveLayout(Registry& registry, const QString& key) const;
    // Applies the stored layout; an empty or malformed value changes nothing and returns false.
    // Neither the toolbar's visibility nor the buttons' enabling changes.
    bool restoreLayout(const Registry& registry, const QString& key);

signals:
    void buttonClicked(int number);
    void layoutChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QAction*, kButtons> buttons_{};
    ToolbarLayout layout_ = ToolbarLayouts::designed(kButtons);
    bool picturesLoaded_ = false;
};
