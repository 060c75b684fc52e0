#pragma once

#include "balance.h"

#include <string>
#include <string_view>

namespace trimwise {

// The few things the window's handlers ask of a front end. Each toolkit's Form1 implements
// them with its own controls; everything that decides lives in the handlers.
class FormView {
public:
    virtual ~FormView() = default;

    // The box's whole text, in UTF-8.
    [[nodiscard]] virtual std::string boxText(Box box) const = 0;
    // Replaces the box's whole text; the handlers have cut it to the box's length already.
    virtual void setBoxText(Box box, std::string_view text) = 0;
    // A warning owned by the window; returns once the user has dismissed it.
    virtual void showWarning(std::string_view title, std::string_view message) = 0;
    // Gives the box the keyboard focus with its whole text selected, ready to be typed over.
    virtual void focusAndSelectAll(Box box) = 0;
    // Ends the program at once: no question, nothing kept.
    virtual void endProgram() = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

} // namespace trimwise
