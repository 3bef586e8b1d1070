#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

// The status bar of the activity windows: three panels side by side, numbered 1 to 3. Panel 1
// holds the window's status text and takes the free width; panels 2 and 3 start hidden. A click on
// a panel with the left mouse button reports the panel's number.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 3;

    explicit StatusBar(QWidget* parent = nullptr);

    // Panels are numbered 1 to 3.
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    void setPanelToolTip(int panel, const QString& toolTip);
    void setPanelVisible(int panel, bool visible);
    // Whether the panel is shown once the window is; false for a hidden panel.
    bool isPanelShown(int panel) const;
    QLabel* panel(int panel) const;

signals:
    void panelClicked(int panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, kPanels> panels_{};
};
