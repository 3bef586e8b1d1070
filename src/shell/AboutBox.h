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

    QLabel* Label1; // product, version and maker
    QLabel* Label4; // "Web Site:"
    QLabel* Label5; // the web-site address; a click opens it
    QLabel* Image2; // the background picture
    QLabel* Label2; // hidden; its background is the box's
    QFrame* SSPanel1;
    QPushButton* Command1; // "OK"
    QLabel* Label3;        // the right-click area
    QMenu* mO;             // "Opt", the right-click menu
    QAction* mOOK;
    ElasticResizer* vsElasticLight1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showPicture();

    Services& services_;
    ActivationQueue activation_;
};
