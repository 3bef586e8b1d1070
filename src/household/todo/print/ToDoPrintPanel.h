#pragma once

#include "PrintFont.h"
#include "ToDoRow.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class PrintLayout;
class PrintPreviewPanel;
class QCheckBox;
class QWidget;
struct Services;

// The to-do window's print preview: the shared preview panel holding either the list of the
// grid's items or a blank worksheet, with the window's own options "Print Grid Lines" and "Print
// 'As of' date on each page".
class ToDoPrintPanel : public QObject {
    Q_OBJECT
public:
    enum class Document { List, Worksheet };

    // What the panel needs of its window.
    struct Hooks {
        // The grid's rows 1 to 500 as their cells show them.
        std::function<std::vector<ToDoRow>()> rows;
        // Looks for a row with an item through the grid's current cell, which stays where the
        // search stopped; true when one was found.
        std::function<bool()> findItem;
        // The item entry box's font, with the family the window declares for it.
        std::function<QFont()> entryFont;
        // The Options and Edit menus.
        std::function<void(bool enabled)> setMenusEnabled;
        // Status panel 1; and the window's caption, which it shows while no preview is open.
        std::function<void(const QString&)> showStatus;
        std::function<QString()> caption;
        // Switches the grid's keyboard editing off while the list shows.
        std::function<void()> gridEditingOff;
    };

    // The status texts that name the document shown.
    static inline const QString kListStatus = QStringLiteral("Print");
    static inline const QString kWorksheetStatus = QStringLiteral("Print To Do Worksheet");

    ToDoPrintPanel(Services& services, Hooks hooks, QWidget* parent);

    // At the window's load: both options ticked, the remembered guide lines selected; nothing is
    // rebuilt or written meanwhile.
    void loadOptions();
    // The "&Print" commands: the list, when the grid holds an item.
    void OpenToDoPrintPreview();
    // "Print To Do &Worksheet": the blank worksheet, whatever the grid holds.
    void OpenWorksheetPrintPreview();
    // Rebuilds the document shown.
    void rebuild();

    bool isOpen() const;
    // Escape while the preview shows: "Normal" while it is enlarged, else "&Cancel". False when
    // the preview is closed.
    bool escape();
    // The font last asked of the printer by an opening, or the engine's default before the first;
    // the copied text is lined up in it.
    const PrintFont& printerFont() const { return printerFont_; }

    Document PreviewDocument = Document::List;
    int GridLinesOff = 0; // 1 = the documents print without grid lines

    PrintPreviewPanel* preview;
    QCheckBox* gridLinesBox; // "Print Grid Lines"
    QCheckBox* asOfDateBox;  // "Print 'As of' date on each page"

private:
    void SetGridLinesOption();
    void SetAsOfDateOption();
    // The print font from the entry box's font through the printer; sizeText is what a classic
    // screen font prints at.
    void applyFontDefaults(const QString& sizeText);
    void buildDocument(PrintLayout& layout);
    bool loading() const;

    Services& services_;
    Hooks hooks_;
    PrintFont printerFont_;
};
