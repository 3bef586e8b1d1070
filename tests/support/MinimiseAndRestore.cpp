#include "MinimiseAndRestore.h"

#include "ModalShower.h"

#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

bool minimiseRestoreAndClose(QWidget& window, const std::function<void()>& beforehand,
                             const std::function<void()>& afterwards,
                             const std::function<void()>& closeIt) {
    // The steps hold what they use, as they may outlive this call when minimising ends it.
    auto closedFromInside = std::make_shared<bool>(false);
    QWidget* shown = &window;
    QTimer::singleShot(0, shown, [=] {
        beforehand();
        shown->showMinimized();
        // Each step in a later turn of the loop, so that a loop ended by minimising shows.
        QTimer::singleShot(0, shown, [=] {
            EXPECT_TRUE(shown->isVisible());
            EXPECT_TRUE(shown->isMinimized());
            shown->showNormal();
            QTimer::singleShot(0, shown, [=] {
                EXPECT_FALSE(shown->isMinimized());
                afterwards();
                *closedFromInside = true;
                closeIt();
            });
        });
    });
    QtModalShower modal;
    modal.showModal(window);
    EXPECT_FALSE(window.isVisible());
    return *closedFromInside;
}
