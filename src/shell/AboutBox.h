#pragma once

#include "ActivationQueue.h"
#include "Services.h"

#include <QWidget>

class ElasticResizer;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

// "About Korvane": the product, its version, the maker and the web site. F9 on "OK" asks for the
// access code of the credits. The box loads when it is made.
class AboutBox : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kAccessCode = "VORB";

    explicit AboutBox(Services& services);

    void Form_Load();
    void Form_Activate();
    void HiddenCreditsBox();

    QLabel* productLabel;   // product, version and maker
    QLabel* webSiteCaption; // "Web Site:"
    QLabel* webSiteLink;    // a click opens the web site
    QLabel* backgroundPicture;
    QLabel* systemColourSample; // hidden; its background is the box's
    QFrame* productPanel;
    QPushButton* okButton;
    QLabel* optionsArea; // a right click there shows the Options menu
    QMenu* optionsMenu;  // "Opt", the right-click menu
    QAction* okAction;
    ElasticResizer* resizer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showPicture();

    Services& services_;
    ActivationQueue activation_;
};
