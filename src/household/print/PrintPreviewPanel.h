#pragma once

#include "Panel3D.h"
#include "PanelModality.h"
#include "PrintPreview.h"

#include <QString>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class OptionGroup;
struct Services;

// The print preview a window carries inside itself: the preview on the right; on the left the
// print range, the window's own print options, the guide lines and orientation, the printer font
// with a sample, and the buttons "Printer &Font", "&Page Setup", "C&opy Current Page", "&Print"
// and "&Cancel"; "Enlarge" and "Auto Size" over the preview's corner. Hidden until opened; while
// open it holds the keyboard, and what it covers of the window is out of reach.
class PrintPreviewPanel : public Panel3D {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1014;

    // What differs between the windows that carry the panel.
    struct Config {
        // Lays the window's document out; called at opening and after the font, page or size
        // changes.
        std::function<void(PrintLayout&)> buildDocument;
        // Fills the print settings with the window's defaults when the panel opens.
        std::function<void()> fillDefaults;
        // The panel opened (true) or closed (false): the window disables or enables its menus
        // and, on closing, puts its caption back in the status bar.
        std::function<void(bool open)> openChanged;
        QString rangeCaption;        // the one print range choice
        QString optionsCaption;      // the frame of the window's own options; empty for none
        int enlargedLeft = 60;       // twips
        int enlargedWidthLess = 120; // the enlarged width is the panel's width less this
        std::function<QString()> autoSizeReference;
        int guideLineRecord = 10; // in GColor3.Fil
        bool threeD = true;       // 3-D frames, or plain ones
    };

    PrintPreviewPanel(Services& services, Config config, QWidget* parent = nullptr);

    bool isOpen() const { return !isHidden(); }

    // Opens the panel on the window's document. With Sample::Keep the sample text stays in the
    // font it had; only the font name and size boxes follow the settings.
    enum class Sample { Update, Keep };
    void open(Sample sample = Sample::Update);
    // The buttons commandButtons: 0 printer font, 1 page setup, 2 cancel, 3 copy the page, 4 print.
    void PreviewPanelCommand(int index);
    void TogglePreviewSize();
    void AutoSizePrintFont();
    void SetGuideLines(int index);
    // Rebuilds the window's document in the preview.
    void rebuild();

    // At the window's load: selects the remembered guide-line option without writing it back.
    void loadGuideLineChoice();
    // At every activation of the window: the corner buttons' top and the preview's normal place.
    void activate();
    // What Escape presses while the panel shows: "Normal" while the preview is enlarged, else
    // "&Cancel". A window whose Escape presses a cancel button sets it to this whenever the panel
    // opens or changes size.
    QPushButton* escapeButton() const;
    // Escape while the panel shows; false when the panel is closed, so that Escape goes on to
    // the window.
    bool escape();
    // Puts a control of the panel at a place in twips (the windows whose panel is laid out apart).
    void place(QWidget* widget, int left, int top, int width, int height);

    PrintPreview* preview;
    std::array<QPushButton*, 5> commandButtons;
    QPushButton* enlargeButton;             // "Enlarge" / "Normal"
    QPushButton* autoSizeButton;            // "Auto Size"
    std::array<QGroupBox*, 3> optionFrames; // print range, display options, the window's options
    QRadioButton* printRangeOption;
    OptionGroup* guideLineOptions;
    std::array<QLabel*, 3> settingLabels;
    std::array<Panel3D*, 3> settingPanels; // font name, font size, orientation
    QGroupBox* sampleFrame;
    Panel3D* sampleText; // the sample

private:
    void showFontSettings(Sample sample = Sample::Update);
    void showSampleSize();
    void showSampleFont(const QFont& font);

    Services& services_;
    Config config_;
    PanelModality modality_;
    bool loading_ = false;
};
