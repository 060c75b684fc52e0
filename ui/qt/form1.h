#pragma once

#include "design_fonts.h"
#include "form_view.h"
#include "layout_table.h"

#include <QImage>
#include <QWidget>
#include <array>

class QLineEdit;

namespace trimwise {

// The one window, built from the layout table. It draws the controls and hands their
// events to the window's handlers, which decide; it does what they ask of a view.
class Form1 final : public QWidget, public FormView {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    [[nodiscard]] std::string boxText(Box which) const override;
    void setBoxText(Box which, std::string_view text) override;
    void showWarning(std::string_view title, std::string_view message) override;
    void focusAndSelectAll(Box which) override;
    void endProgram() override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void wireEvents();
    void followScreens();
    void followScreenScale();
    void showPicturesAtScale();
    [[nodiscard]] QWidget* control(const ControlSpec& row) const;
    [[nodiscard]] QLineEdit* box(Box which) const;

    DesignFonts fonts_;
    QImage background_;
    bool painted_ = false;
    qreal picturesRatio_ = 0; // the scale the pointers and the dove were made for; none yet
    std::array<QWidget*, kControls.size()> controls_{};
};

} // namespace trimwise
