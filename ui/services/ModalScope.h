#pragma once

namespace ui {

// A window that makes way while a message box or chooser of the services is open, such as the
// wait window, which would otherwise cover the question it waits for.
class StepAside {
public:
    StepAside();
    virtual ~StepAside();
    StepAside(const StepAside&) = delete;
    StepAside& operator=(const StepAside&) = delete;

    // Called with true when the first modal window of the services opens, false when the last closes.
    virtual void stepAside(bool aside) = 0;
};

// Held by the services for as long as one of their modal windows is open; nested scopes act once.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    static bool open();
};

} // namespace ui
