#include "key_codes.h"

#include <gtest/gtest.h>

using trimwise::CharacterCode;

TEST(CharacterCode, KeysGiveTheCodesAKeyPressDelivers) {
    struct Case {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<std::uint16_t> code;
    };
    const Case cases[] = {
        {"digit", Qt::Key_7, {}, "7", 55},
        {"point", Qt::Key_Period, {}, ".", 46},
        {"letter", Qt::Key_Q, {}, "q", 113},
        {"shifted letter", Qt::Key_Q, Qt::ShiftModifier, "Q", 81},
        {"space", Qt::Key_Space, {}, " ", 32},
        {"non-Latin", Qt::Key_unknown, {}, QStringLiteral("\u00e9"), 0xe9},
        {"backspace", Qt::Key_Backspace, {}, "\b", 8},
        {"ctrl+backspace", Qt::Key_Backspace, Qt::ControlModifier, "\x7f", 127},
        {"return", Qt::Key_Return, {}, "\r", 13},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {"escape", Qt::Key_Escape, {}, "\x1b", 27},
        {"ctrl+a", Qt::Key_A, Qt::ControlModifier, "\x01", 1},
        {"ctrl+v without text", Qt::Key_V, Qt::ControlModifier, "", 22},
        {"ctrl+shift+z", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "", 26},
        {"tab", Qt::Key_Tab, {}, "\t", std::nullopt},
        {"delete", Qt::Key_Delete, {}, QStringLiteral("\u007f"), std::nullopt},
        {"arrow", Qt::Key_Left, {}, "", std::nullopt},
        {"function key", Qt::Key_F5, {}, "", std::nullopt},
        {"shift+insert", Qt::Key_Insert, Qt::ShiftModifier, "", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharacterCode(c.key, c.modifiers, c.text), c.code) << c.what;
    }
}
