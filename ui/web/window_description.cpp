#include "window_description.h"

#include "arrangement.h"
#include "geometry.h"
#include "messages.h"
#include "picture_files.h"
#include "rules.h"
#include "style.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace trimwise {
namespace {

// A small JSON writer: the table holds plain UTF-8 texts without control characters, but
// quotes and backslashes are escaped all the same.
class Json {
public:
    Json& open(char bracket) {
        separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& key(std::string_view name) {
        string(name);
        text_ += ':';
        first_ = true;
        return *this;
    }
    Json& string(std::string_view value) {
        separate();
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
            }
            text_ += c;
        }
        text_ += '"';
        return *this;
    }
    Json& number(int value) {
        separate();
        text_ += std::to_string(value);
        return *this;
    }
    Json& boolean(bool value) {
        separate();
        text_ += value ? "true" : "false";
        return *this;
    }
    [[nodiscard]] std::string take() { return std::move(text_); }

private:
    void separate() {
        if (!first_) {
            text_ += ',';
        }
        first_ = false;
    }

    std::string text_;
    bool first_ = true;
};

std::string cssColour(Rgb colour) {
    constexpr std::string_view hex = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += hex[part >> 4U];
        text += hex[part & 0xFU];
    }
    return text;
}

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return "textbox";
    case ControlKind::Label:
        return "label";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::Image:
        return "image";
    }
    return "label";
}

void font(Json& json, FontRole role) {
    const FontSpec design = DesignFont(role);
    json.key("font").open('{').key("faces").open('[').string(design.face);
    for (const std::string_view fallback : kFallbackFaces) {
        json.string(fallback);
    }
    json.close(']').key("pixels").number(design.pixelSize).key("bold").boolean(design.bold);
    json.close('}');
}

// The colour behind a control's text: the boxes' green, the face of the button and of an
// opaque label; none where the picture shows through.
std::string background(const ControlSpec& control) {
    if (control.kind == ControlKind::TextBox) {
        return cssColour(kBoxGreen);
    }
    return control.opaque ? cssColour(kButtonFace) : std::string();
}

int placeIn(std::span<const ControlSpec* const> order, const ControlSpec& control) {
    const auto at = std::ranges::find(order, &control);
    return at == order.end() ? -1 : static_cast<int>(at - order.begin());
}

void describeControl(Json& json, const ControlSpec& control) {
    const PixelBox box = BoxInPixels(control);
    json.open('{').key("kind").string(kindName(control.kind));
    json.key("left").number(box.left).key("top").number(box.top);
    json.key("width").number(box.width()).key("height").number(box.height());
    json.key("text").string(control.text);
    font(json, control.font);
    json.key("colour").string(cssColour(ReadableColour(control.colour)));
    json.key("background").string(background(control));
    json.key("centred").boolean(control.centred);
    json.key("maxLength").number(control.maxLength);
    json.key("toolTip").string(control.toolTip);
    json.key("pointer").string(PointerFile(ShownPointer(&control)));
    json.key("picture").string(control.kind == ControlKind::Image ? kDovePictureFile : "");
    const std::optional<Box> named = BoxOf(control);
    json.key("name").string(named ? AccessibleName(*named) : std::string(control.text));
    json.key("stacking").number(placeIn(BackToFront(), control));
    json.key("takesFocus").boolean(TakesFocus(control));
    json.key("filtersTypedKeys").boolean(FiltersTypedKeys(control));
    json.key("calculates").boolean(control.onClick == OnClick::Calculate);
    json.close('}');
}

void rows(Json& json, std::string_view name, const std::vector<const ControlSpec*>& controls) {
    json.key(name).open('[');
    for (const ControlSpec* control : controls) {
        json.number(static_cast<int>(RowOf(*control)));
    }
    json.close(']');
}

// The narrow arrangement by rows of the table.
void describeArrangement(Json& json) {
    json.key("narrow").open('[');
    for (const ArrangedLine& line : NarrowArrangement()) {
        json.open('{');
        rows(json, "above", line.above);
        rows(json, "line", line.line);
        rows(json, "below", line.below);
        json.key("control").number(static_cast<int>(RowOf(*line.control)));
        json.key("label").number(line.label ? static_cast<int>(RowOf(*line.label)) : -1);
        json.close('}');
    }
    json.close(']');
}

} // namespace

std::string DescribeWindow() {
    Json json;
    json.open('{').key("title").string(kForm1.title);
    json.key("width").number(PixelEdge(kForm1.clientWidth));
    json.key("height").number(PixelEdge(kForm1.clientHeight));
    json.key("pointer").string(PointerFile(kForm1.pointer));
    json.key("pointerHotSpot").number(kPointerHotSpot);
    json.key("pointerSize").number(kPointerSize);
    font(json, kForm1.font);
    json.key("face").string(cssColour(kButtonFace));
    json.key("background").string(kBackgroundPictureFile);
    json.key("icon").string(kWindowIconFile);
    json.key("firstFocus").number(static_cast<int>(RowOf(FirstFocus())));
    // What a screen reader is told once a calculation has put the C.G. position in its box:
    // the box's caption, the position, then the window's own words for its unit.
    const ControlSpec& position = *FindControl(BoxName(Box::Text9));
    json.key("announce").open('{').key("row").number(static_cast<int>(RowOf(position)));
    json.key("before").string(AccessibleName(Box::Text9));
    json.key("after").string(FindControl("Label18")->text).close('}');
    json.key("controls").open('[');
    for (const ControlSpec& control : kControls) {
        describeControl(json, control);
    }
    json.close(']');
    describeArrangement(json);
    json.close('}');
    return json.take();
}

} // namespace trimwise
