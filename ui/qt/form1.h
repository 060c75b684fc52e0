#pragma once

#include "balance.h"
#include "layout_table.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>
#include <string_view>

class QLineEdit;

namespace trimwise {

// The one window: its controls come from the layout table, its boxes serve the
// calculation, and a click on the C.G. box runs it.
class Form1 final : public QWidget, public BalanceBoxes {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    [[nodiscard]] std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;
    [[nodiscard]] std::size_t maxLength(Box box) const override;

public slots:
    void calculate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void wireEvents();
    void showError(const BalanceError& error);
    [[nodiscard]] QLineEdit* box(Box box) const;

    QPixmap background_;
    std::array<QLineEdit*, kAllBoxes.size()> boxes_{};
};

} // namespace trimwise
