#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;
class HelpBrowser;

// The help file shown as a document: Korvane.hlp is HTML that opens with the contents, marked by
// the anchor "contents", and every topic begins with an anchor named by its context number. The
// window has Contents, Back and Forward buttons (object names "contents", "back", "forward"); a
// message line above the text says when the file or a topic cannot be found. The file is read
// through HelpFileText, and nothing else is loaded: links to other files show nothing.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kHelpFileName = "Korvane.hlp";
    static constexpr const char* kContents = "contents";

    explicit HelpWindow(QString helpFile, QWidget* parent = nullptr);

    // Loads the help file if it is not shown yet and scrolls to the anchor. An anchor the file does
    // not have shows the contents with a message; a missing file shows only the message. False,
    // with nothing changed, when the file is there but cannot be read safely.
    bool showAnchor(const QString& anchor);

    // The message shown above the text, empty when there is none.
    QString message() const;
    QTextBrowser& browser() const;

private:
    enum class Load { Loaded, Missing, Unreadable };
    Load loadFile();
    void setMessage(const QString& text);

    QString helpFile_;
    bool loaded_ = false;
    QLabel* message_;
    QPushButton* contents_;
    QPushButton* back_;
    QPushButton* forward_;
    HelpBrowser* browser_;
};
