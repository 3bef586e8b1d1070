#pragma once

class QWidget;

// Shows a window modally over the program and returns when it has closed.
class ModalShower {
public:
    virtual ~ModalShower() = default;
    virtual void showModal(QWidget& window) = 0;
};

class QtModalShower : public ModalShower {
public:
    void showModal(QWidget& window) override;
};
