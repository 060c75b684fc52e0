// Writes the page's window from ui/form: the page with the window's markup and title put in
// its place, the window's style sheet and the codes the script shares with the module.
//
//     trimwise-window-markup <page template> <page out> <style out> <codes out>

#include "css_values.h"
#include "layout_table.h"
#include "window_markup.h"
#include "window_style.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <span>
#include <string>

namespace {

std::string replaced(std::string text, std::string_view key, std::string_view value) {
    for (auto at = text.find(key); at != std::string::npos;
         at = text.find(key, at + value.size())) {
        text.replace(at, key.size(), value);
    }
    return text;
}

bool write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv) {
    const std::span arguments(argv, static_cast<std::size_t>(argc));
    if (arguments.size() != 5) {
        std::cerr << "usage: trimwise-window-markup <page template> <page out> <style out> "
                     "<codes out>\n";
        return 2;
    }
    std::ifstream in(arguments[1], std::ios::binary);
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in) {
        std::cerr << "cannot read " << arguments[1] << '\n';
        return 1;
    }
    page = replaced(page, "@WINDOW@", trimwise::WindowMarkup());
    page = replaced(page, "@TITLE@", trimwise::HtmlEscaped(trimwise::kForm1.title));
    if (!write(arguments[2], page) || !write(arguments[3], trimwise::WindowStyle()) ||
        !write(arguments[4], trimwise::ScriptCodes())) {
        std::cerr << "cannot write the page's window\n";
        return 1;
    }
    return 0;
}
