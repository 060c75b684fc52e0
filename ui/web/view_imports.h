#pragma once

#include <cstddef>

// What the page's script gives the WebAssembly: the view, in the DOM. Controls are named by
// their row in the layout table, texts are UTF-8 in the module's memory.
extern "C" {

// Writes the box's text into the buffer that trimwise_buffer() hands out, and returns its
// length in bytes.
__attribute__((import_module("view"), import_name("boxText"))) std::size_t ViewBoxText(int row);

__attribute__((import_module("view"), import_name("setBoxText"))) void
ViewSetBoxText(int row, const char* text, std::size_t length);

// Opens the modal message; whatever the view is asked next waits until it is dismissed.
__attribute__((import_module("view"), import_name("showWarning"))) void
ViewShowWarning(const char* title, std::size_t titleLength, const char* message,
                std::size_t messageLength);

__attribute__((import_module("view"), import_name("focusAndSelectAll"))) void
ViewFocusAndSelectAll(int row);

__attribute__((import_module("view"), import_name("endProgram"))) void ViewEndProgram();

// Tells a screen reader, politely, what the window has just shown.
__attribute__((import_module("view"), import_name("say"))) void ViewSay(const char* text,
                                                                        std::size_t length);
}
