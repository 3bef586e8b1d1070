#include "HelpWindow.h"

#include "HelpFileText.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

// The viewer of the help file's prepared text; it loads no other resource.
class HelpBrowser : public QTextBrowser {
public:
    void setFile(const QUrl& file, const QString& text) {
        file_ = file;
        text_ = text;
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == file_) {
            return text_;
        }
        return {};
    }

private:
    QUrl file_;
    QString text_;
};

namespace {

// An empty anchor before a heading is kept in the heading's block format; one inside text in the
// format of the text that follows.
bool hasAnchor(const QTextDocument& document, const QString& anchor) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().anchorNames().contains(anchor)) {
            return true;
        }
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(anchor)) {
                return true;
            }
        }
    }
    return false;
}

QPushButton* addButton(QHBoxLayout& row, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove('&'));
    row.addWidget(button);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QString helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), helpFile_(std::move(helpFile)) {
    setObjectName("HelpWindow");
    // An open help window does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Korvane Help"));
    resize(640, 560);

    auto* buttons = new QHBoxLayout;
    contents_ = addButton(*buttons, tr("&Contents"), "contents");
    back_ = addButton(*buttons, tr("&Back"), "back");
    forward_ = addButton(*buttons, tr("&Forward"), "forward");
    buttons->addStretch();

    message_ = new QLabel;
    message_->setWordWrap(true);
    message_->hide();

    browser_ = new HelpBrowser;
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(tr("Help text"));

    auto* column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(message_);
    column->addWidget(browser_, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents_, &QPushButton::clicked, this, [this] { showAnchor(kContents); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
}

bool HelpWindow::showAnchor(const QString& anchor) {
    const Load load = loadFile();
    if (load == Load::Unreadable) {
        return false;
    }
    if (load == Load::Missing) {
        setMessage(tr("The help file %1 cannot be found or read.")
                       .arg(QDir::toNativeSeparators(helpFile_)));
        return true;
    }
    QUrl target = QUrl::fromLocalFile(helpFile_);
    if (hasAnchor(*browser_->document(), anchor)) {
        setMessage(QString());
        target.setFragment(anchor);
    } else {
        setMessage(tr("The help file has no topic \"%1\". Here are its contents.").arg(anchor));
        target.setFragment(kContents);
    }
    browser_->setSource(target, QTextDocument::HtmlResource);
    return true;
}

QTextBrowser& HelpWindow::browser() const {
    return *browser_;
}

QString HelpWindow::message() const {
    return message_->text();
}

HelpWindow::Load HelpWindow::loadFile() {
    const QFileInfo file(helpFile_);
    if (!file.isFile() || !file.isReadable()) {
        loaded_ = false;
        browser_->clear();
        browser_->clearHistory();
        return Load::Missing;
    }
    if (!loaded_) {
        const std::optional<QString> text = HelpFileText::read(helpFile_);
        if (!text) {
            return Load::Unreadable;
        }
        // The document opens at its start, the contents; only the topics shown afterwards go into
        // the history that Back and Forward walk.
        const QUrl url = QUrl::fromLocalFile(helpFile_);
        browser_->setFile(url, *text);
        if (browser_->source().adjusted(QUrl::RemoveFragment) == url) {
            browser_->reload(); // the file was missing and is back
        } else {
            browser_->setSource(url, QTextDocument::HtmlResource);
        }
        browser_->clearHistory();
        loaded_ = true;
    }
    return Load::Loaded;
}

void HelpWindow::setMessage(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}
